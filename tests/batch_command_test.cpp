// The batch command as the program runs it: files in the encodings spreadsheets save, the table
// written whole or not at all, exit statuses and the one-line messages of bad use.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <sstream>
#include <string>
#include <vector>

#include "batch/csv.h"
#include "cli/command_line.h"
#include "engine/media.h"

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

// A table as a design office keeps it: exported by a spreadsheet on Chinese Windows (GB18030, here
// written out byte by byte as iconv converts it), columns titled by caption, a tag and a remark the
// program does not read, thousands separators and a decimal comma, a blank cell the case uses and one
// it does not, a medium the catalogue lacks, a row with a cell too many.
const char* const kOfficeTable =
    "位号,介  质,介质类型,安全阀型式,工作压力 MPa,泄放侧压力MPa,设计温度 ℃,进气口内径mm,进气流速 m/s,容器外径 mm,备注\r\n"
    "V-1,空气,压缩气或蒸气,全 启 式,0.8,0.1,50,80,15,,储气罐\r\n"
    "V-2,空气,压缩气或蒸气,全 启 式,\"1,6\",0.1,50,80,15,,\r\n"
    "V-3,空气,压缩气或蒸气,全 启 式,0.8,0.1,50,\"2,000\",15,,\r\n"
    "V-4,空气,压缩气或蒸气,全 启 式,0.8,0.1,50,,15,,\r\n"
    "V-5,氩气,压缩气或蒸气,全 启 式,0.8,0.1,50,80,15,,\r\n"
    "V-6,空气,压缩气或蒸气,全 启 式,0.8,0.1,50,80,15,,,多余\r\n";
const QByteArray kOfficeTableGb18030 =
        "\xCE\xBB\xBA\xC5,\xBD\xE9  \xD6\xCA,\xBD\xE9\xD6\xCA\xC0\xE0\xD0\xCD,\xB0\xB2\xC8\xAB\xB7\xA7\xD0\xCD\xCA\xBD,\xB9\xA4\xD7\xF7\xD1\xB9\xC1\xA6 MPa,\xD0\xB9\xB7\xC5\xB2\xE0\xD1\xB9\xC1\xA6MPa,\xC9\xE8\xBC\xC6\xCE\xC2\xB6\xC8 \xA1\xE6,\xBD\xF8\xC6\xF8\xBF\xDA\xC4\xDA\xBE\xB6mm,\xBD\xF8\xC6\xF8\xC1\xF7\xCB\xD9 m/s,\xC8\xDD\xC6\xF7\xCD\xE2\xBE\xB6 mm,\xB1\xB8\xD7\xA2\x0D\x0A"
        "V-1,\xBF\xD5\xC6\xF8,\xD1\xB9\xCB\xF5\xC6\xF8\xBB\xF2\xD5\xF4\xC6\xF8,\xC8\xAB \xC6\xF4 \xCA\xBD,0.8,0.1,50,80,15,,\xB4\xA2\xC6\xF8\xB9\xDE\x0D\x0A"
        "V-2,\xBF\xD5\xC6\xF8,\xD1\xB9\xCB\xF5\xC6\xF8\xBB\xF2\xD5\xF4\xC6\xF8,\xC8\xAB \xC6\xF4 \xCA\xBD,\"1,6\",0.1,50,80,15,,\x0D\x0A"
        "V-3,\xBF\xD5\xC6\xF8,\xD1\xB9\xCB\xF5\xC6\xF8\xBB\xF2\xD5\xF4\xC6\xF8,\xC8\xAB \xC6\xF4 \xCA\xBD,0.8,0.1,50,\"2,000\",15,,\x0D\x0A"
        "V-4,\xBF\xD5\xC6\xF8,\xD1\xB9\xCB\xF5\xC6\xF8\xBB\xF2\xD5\xF4\xC6\xF8,\xC8\xAB \xC6\xF4 \xCA\xBD,0.8,0.1,50,,15,,\x0D\x0A"
        "V-5,\xEB\xB2\xC6\xF8,\xD1\xB9\xCB\xF5\xC6\xF8\xBB\xF2\xD5\xF4\xC6\xF8,\xC8\xAB \xC6\xF4 \xCA\xBD,0.8,0.1,50,80,15,,\x0D\x0A"
        "V-6,\xBF\xD5\xC6\xF8,\xD1\xB9\xCB\xF5\xC6\xF8\xBB\xF2\xD5\xF4\xC6\xF8,\xC8\xAB \xC6\xF4 \xCA\xBD,0.8,0.1,50,80,15,,,\xB6\xE0\xD3\xE0\x0D\x0A";

// The statuses of its rows, and the results of the one sized (compressed air at 0.8 MPa, as the
// calculator tests work it out).
const std::vector<std::string> kOfficeStatuses = {
    "完成",
    "第 3 行：“工作压力 MPa”的内容“1,6”不是数值，本行未计算。",
    "第 4 行：“进气口内径mm”的内容“2,000”不是数值，本行未计算。",
    "第 5 行：“进气口内径mm”的单元格为空，本行的工况要用此项（加 --defaults 则按窗口的默认值计算），本行未计算。",
    "第 6 行：介质“氩气”不在物性库中：本行须给出“气体密度”、“k=”、“C=”、“M=”、“Z=”和“形态”"
    "（不取其他介质或其他行的数值），本行未计算。",
    "第 7 行：有 12 个单元格，多于表头的 11 列（多出“多余”），本行未计算。",
};

std::vector<std::vector<std::string>> records(const QByteArray& bytes) {
    std::istringstream in(bytes.mid(3).toStdString());  // after the byte order mark
    batch::CsvReader reader(in);
    std::vector<std::vector<std::string>> out;
    std::vector<std::string> cells;
    while (reader.next(cells)) out.push_back(cells);
    return out;
}

TEST_F(BatchCommand, ReadsAnOfficesTableStrictlyRowByRowInEitherEncodingAndHeaderStyle) {
    ASSERT_NE(kOfficeTableGb18030, QByteArray(kOfficeTable));  // the Chinese bytes differ
    write("gb.csv", kOfficeTableGb18030);
    write("utf8.csv", QByteArray("\xEF\xBB\xBF") + kOfficeTable);
    for (const char* in : {"gb.csv", "utf8.csv"}) {
        SCOPED_TRACE(in);
        EXPECT_EQ(batch("valve", in, "titles.csv"), 1);
        EXPECT_EQ(run({"batch", "valve", path(in), "-o", path("keys.csv"), "--keys"}), 1);
        for (const char* out : {"titles.csv", "keys.csv"}) {
            const auto rows = records(read(out));
            ASSERT_EQ(rows.size(), 7u) << out;
            const bool keys = std::string(out) == "keys.csv";
            const std::vector<std::string> results =
                keys ? std::vector<std::string>{"relief_capacity_kg_h", "discharge_area_mm2", "throat_diameter_mm",
                                                "standard_throat_mm", "nominal_size_mm", "opening_pressure_MPa", "status"}
                     : std::vector<std::string>{"安全泄放量 kg/h", "安全泄放面积 mm²", "计算喉径 mm", "标准喉径 mm",
                                                "公称管径 mm", "开启压力 MPa", "状态"};
            EXPECT_EQ(std::vector<std::string>(rows[0].begin() + 11, rows[0].end()), results) << out;
            EXPECT_EQ(rows[0][0], "位号");  // passed through in its place
            EXPECT_EQ(rows[1][10], "储气罐");
            EXPECT_EQ(std::vector<std::string>(rows[1].begin() + 11, rows[1].end() - 1),
                      (std::vector<std::string>{"3040.586", "563.8745", "26.7945484798857", "32", "50",
                                                "0.840000012516975"}));
            for (std::size_t r = 1; r < rows.size(); ++r) EXPECT_EQ(rows[r].back(), kOfficeStatuses[r - 1]) << out << r;
        }
    }
}

// A medium of the user's own library, named with --media: the office table's argon row is sized
// with it; a library that is not there or not one refuses the run.
TEST_F(BatchCommand, TakesAUsersMediumLibrary) {
    QStandardPaths::setTestModeEnabled(true);  // the user's own library: none here
    write("office.csv", QByteArray("\xEF\xBB\xBF") + kOfficeTable);
    write("media.json", "{\"format\": \"orvane-media\", \"version\": 1, \"media\": [{\"name\": \"氩气\", "
                        "\"phase\": \"气体\", \"molar_mass_kg_kmol\": \"39.95\", \"k\": \"1.67\", \"C_from_k\": true, "
                        "\"Z\": \"1\"}]}");
    write("bad.json", "{\"format\": \"orvane-media\"");
    EXPECT_EQ(run({"batch", "valve", path("office.csv"), "-o", path("plain.csv")}), 1);
    EXPECT_EQ(records(read("plain.csv"))[5].back(), kOfficeStatuses[4]);  // V-5: not in the catalogue
    EXPECT_EQ(run({"batch", "valve", path("office.csv"), "-o", path("argon.csv"), "--media", path("media.json")}), 1);
    EXPECT_EQ(records(read("argon.csv"))[5].back(), "完成");
    EXPECT_EQ(run({"batch", "valve", path("office.csv"), "-o", path("x.csv"), "--media", path("none.json")}), 2);
    EXPECT_EQ(run({"batch", "valve", path("office.csv"), "-o", path("x.csv"), "--media", path("bad.json")}), 2);
    EXPECT_EQ(read("x.csv"), "(no file)");
    setUserMedia(nullptr);
}

TEST_F(BatchCommand, AMissingColumnIsBlankInEveryRowAndDefaultsAreTakenOnlyWhenAsked) {
    write("t.csv", "medium,relief_case,valve_type,working_pressure_MPa,back_pressure_abs_MPa,inlet_inner_diameter_mm,"
                   "inlet_velocity_m_s\n空气,压缩气或蒸气,全 启 式,0.8,0.1,80,15\n");
    EXPECT_EQ(batch("valve", "t.csv", "out.csv"), 1);
    EXPECT_EQ(records(read("out.csv"))[1].back(),
              "第 2 行：“设计温度 ℃”的单元格为空，本行的工况要用此项（加 --defaults 则按窗口的默认值计算），本行未计算。");
    EXPECT_EQ(run({"batch", "valve", path("t.csv"), "-o", path("out.csv"), "--defaults"}), 0);
    EXPECT_EQ(records(read("out.csv"))[1].back(), "完成（按窗口的默认值：“设计温度 ℃”为 50）");
}

TEST_F(BatchCommand, ExitsWithZeroWhenEveryRowIsSizedAndWritesNextToTheTableByDefault) {
    write("vessels.csv", "medium\n空气\n");
    EXPECT_EQ(run({"batch", "valve", path("vessels.csv"), "--defaults"}), 0);
    EXPECT_TRUE(read("vessels.out.csv").contains(",完成（按窗口的默认值："));
}

TEST_F(BatchCommand, ABadTableLeavesTheOutputAsItWas) {
    write("old.csv", "earlier results");
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"a result column", "medium,安全泄放面积 mm²\n空气,1\n"},
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
        {"batch", "valve", "--template", "--defaults"},
        {"--bogus"},
        {"sheets"},
        {"batch", "valve", path("t.csv"), "-o", path("t.csv")},
    };
    for (const QStringList& args : cases)
        EXPECT_EQ(run(args), 2) << args.join(' ').toStdString();
    EXPECT_EQ(read("t.csv"), "medium\n空气\n");
}

TEST_F(BatchCommand, WritesTheTemplateWithAByteOrderMarkUnderTitlesOrKeys) {
    EXPECT_EQ(run({"batch", "disc", "--template", "-o", path("t.csv")}), 0);
    EXPECT_TRUE(read("t.csv").startsWith("\xEF\xBB\xBF爆破片型式,制造级别,介质,")) << read("t.csv").left(40).toStdString();
    EXPECT_EQ(read("t.csv").count("\r\n"), 2);
    EXPECT_EQ(run({"batch", "disc", "--template", "--keys", "-o", path("t.csv")}), 0);
    EXPECT_TRUE(read("t.csv").startsWith("\xEF\xBB\xBF" "disc_type,grade,medium,")) << read("t.csv").left(40).toStdString();
}

}  // namespace
}  // namespace orvane::cli
