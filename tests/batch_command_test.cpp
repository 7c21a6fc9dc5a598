// The batch command as the program runs it: files in the encodings spreadsheets save, the table
// written whole or not at all, exit statuses and the one-line messages of bad use.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <string>

#include "cli/command_line.h"

namespace orvane::cli {
namespace {

class BatchCommand : public testing::Test {
  protected:
    QTemporaryDir dir;

    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    void write(const char* name, const QByteArray& bytes) const {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const char* name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no file)");
    }
    static int run(QStringList args) {
        args.prepend("orvane");
        return cli::run(args);
    }
    int batch(const char* kind, const char* in, const char* out) const {
        return run({"batch", kind, path(in), "-o", path(out)});
    }
};

// Captions as a Chinese spreadsheet heads its columns.
const QString kTable = QString::fromUtf8(
    "介  质,工作压力 MPa,安全阀型式,密封半锥角φ\r\n"
    "空气,0.8,全 启 式,\r\n"
    "空气,0.8,锥面微启式,\r\n");
const QByteArray kSized =
    "\xEF\xBB\xBF"
    "介  质,工作压力 MPa,安全阀型式,密封半锥角φ,relief_capacity_kg_h,discharge_area_mm2,throat_diameter_mm,"
    "standard_throat_mm,nominal_size_mm,opening_pressure_MPa,status\r\n"
    "空气,0.8,全 启 式,,3040.586,563.8745,26.7945484798857,32,50,0.840000012516975,完成\r\n"
    "空气,0.8,锥面微启式,,,,,,,,计算喉径时除数为零：请检查“进气口内径mm”、“进气流速 m/s”、“工作压力 MPa”和"
    "“密封半锥角φ”（安全泄放量和泄放压力不能为负数，密封半锥角须在 0° 与 180° 之间）。 “密封半锥角φ”的内容为空，按 0 计算。\r\n";

TEST_F(BatchCommand, ReadsUtf8WithOrWithoutBomAndGb18030AndWritesUtf8WithBom) {
    // kTable as a spreadsheet on Chinese Windows saves it: GB18030 (GBK) bytes, converted by iconv.
    const QByteArray gbBytes =
        "\xBD\xE9  \xD6\xCA,\xB9\xA4\xD7\xF7\xD1\xB9\xC1\xA6 MPa,\xB0\xB2\xC8\xAB\xB7\xA7\xD0\xCD\xCA\xBD,\xC3\xDC\xB7\xE2\xB0\xEB\xD7\xB6\xBD\xC7\xA6\xD5\x0D\x0A"
        "\xBF\xD5\xC6\xF8,0.8,\xC8\xAB \xC6\xF4 \xCA\xBD,\x0D\x0A"
        "\xBF\xD5\xC6\xF8,0.8,\xD7\xB6\xC3\xE6\xCE\xA2\xC6\xF4\xCA\xBD,\x0D\x0A";
    write("bom.csv", "\xEF\xBB\xBF" + kTable.toUtf8());
    write("plain.csv", kTable.toUtf8());
    write("gb.csv", gbBytes);
    for (const char* name : {"bom", "plain", "gb"}) {
        const std::string in = std::string(name) + ".csv", out = std::string(name) + "-sized.csv";
        EXPECT_EQ(batch("valve", in.c_str(), out.c_str()), 1) << name;  // one row faults
        EXPECT_EQ(read(out.c_str()), kSized) << name;
    }
}

TEST_F(BatchCommand, ExitsWithZeroWhenEveryRowIsSizedAndWritesNextToTheTableByDefault) {
    write("vessels.csv", "medium\n空气\n");
    EXPECT_EQ(run({"batch", "valve", path("vessels.csv")}), 0);
    EXPECT_TRUE(read("vessels.out.csv").endsWith(",完成\r\n"));
}

TEST_F(BatchCommand, ABadTableLeavesTheOutputAsItWas) {
    write("old.csv", "earlier results");
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"unknown column", "medium,pressure\n空气,1\n"},
        {"a row too long, after rows that were sized", "medium\n空气\n空气\n空气,1\n"},
        {"neither UTF-8 nor GB18030", "medium\n\xFF\xFF\n"},
        {"a GB18030 character cut off at the end", "medium\n\xB9"},
        {"UTF-16", "\xFF\xFEm\0e\0"},
        {"a workbook", QByteArray("PK\x03\x04\x14\0", 6)},
        {"empty", ""},
    };
    for (const Case& c : cases) {
        write("bad.csv", c.bytes);
        EXPECT_EQ(batch("valve", "bad.csv", "old.csv"), 2) << c.what;
        EXPECT_EQ(read("old.csv"), "earlier results") << c.what;
    }
    EXPECT_EQ(run({"batch", "valve", path("missing.csv"), "-o", path("old.csv")}), 2);
    EXPECT_EQ(read("old.csv"), "earlier results");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // bad.csv and old.csv, no temporary left
}

TEST_F(BatchCommand, RefusesBadUse) {
    write("t.csv", "medium\n空气\n");
    const QStringList cases[] = {
        {"batch"},
        {"batch", "pump", path("t.csv")},
        {"batch", "valve"},
        {"batch", "valve", path("t.csv"), path("t.csv")},
        {"batch", "valve", path("t.csv"), "--fast"},
        {"batch", "valve", path("t.csv"), "-o"},
        {"batch", "valve", path("t.csv"), "-o", path("a.csv"), "-o", path("b.csv")},
        {"batch", "valve", "--template", path("t.csv")},
        {"batch", "valve", path("t.csv"), "-o", path("t.csv")},
    };
    for (const QStringList& args : cases)
        EXPECT_EQ(run(args), 2) << args.join(' ').toStdString();
    EXPECT_EQ(read("t.csv"), "medium\n空气\n");
}

TEST_F(BatchCommand, WritesTheTemplateWithAByteOrderMark) {
    EXPECT_EQ(run({"batch", "disc", "--template", "-o", path("t.csv")}), 0);
    const QByteArray t = read("t.csv");
    EXPECT_TRUE(
        t.startsWith("\xEF\xBB\xBF"
                     "disc_type,grade,medium,"))
        << t.left(40).toStdString();
    EXPECT_EQ(t.count("\r\n"), 2);
}

}  // namespace
}  // namespace orvane::cli
