// The calculation sheet as an OpenDocument text: a package the system's unzip reads, A4 with the
// sheet's margins and a page header, columns of the widths the sheet gives, one font size for Latin
// and Chinese, the rows as the sheet gives them and every text as typed.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <map>
#include <string>
#include <vector>

#include "sheet/sheet_export.h"

namespace orvane::sheet {
namespace {

const SheetHeader kHeader{.project = "<b>&\"'", .equipment = "压缩空气储罐", .tag = "V-101"};

Sheet smallSheet() {
    // A control character XML cannot hold and a byte that is not UTF-8.
    SheetTable basis{{"项目", "内容"},
                     {25, 75},
                     {{"计算程序", "Orvane 0.1.0"},
                      {"粘贴",
                       "a\x01"
                       "b\xff"}}};
    SheetTable steps{
        {"序号", "名称", "符号", "公式", "代入数值", "结果", "单位"}, {6, 13, 7, 24, 28, 15, 7}, {}};
    steps.rows = {
        SheetRow({"计算"}, RowKind::Title),
        {"1", "计算喉径", "d", "d = 2 × √(A / π)", "2 × √(2819.373 / 3.14159)", "59.9146", "mm"},
        SheetRow({"依据：π 取 3.14159"}, RowKind::Note),
        SheetRow({"2", "  two  spaces", "", "", "", "", ""}, RowKind::Chosen),
    };
    return {
        .title = "安全阀计算书",
        .program = "Orvane 0.1.0",
        .header = kHeader,
        .sections = {{"1 计算依据", {basis}}, {"4 计算过程", {steps}}, {"6 提示", {std::string("甲\n乙")}}},
        .signOff = {{"设计", {"张三", "2026-12-09"}}}};
}

// An XML element with its attributes and children; text between elements as children without a name.
struct Node {
    QString name;
    std::map<QString, QString> attributes = {};
    std::vector<Node> children = {};
    QString text = {};

    QString operator[](const char* attribute) const {
        const auto it = attributes.find(attribute);
        return it == attributes.end() ? QString() : it->second;
    }
    std::vector<Node> all(const QString& element) const {  // in document order, at any depth
        std::vector<Node> out;
        for (const Node& c : children) {
            if (c.name == element) out.push_back(c);
            for (Node& n : c.all(element))
                out.push_back(std::move(n));
        }
        return out;
    }
    // The text of a paragraph as an ODF reader shows it: text:s is that many spaces, text:tab a tab.
    QString odfText() const {
        if (name.isEmpty()) return text;
        if (name == "text:s")
            return QString((*this)["text:c"].isEmpty() ? 1 : (*this)["text:c"].toInt(), ' ');
        if (name == "text:tab") return "\t";
        QString s;
        for (const Node& c : children)
            s += c.odfText();
        return s;
    }
};

Node parse(QXmlStreamReader& xml, const QString& name) {
    Node node{name};
    for (const QXmlStreamAttribute& a : xml.attributes())
        node.attributes[a.qualifiedName().toString()] = a.value().toString();
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement)
            node.children.push_back(parse(xml, xml.qualifiedName().toString()));
        if (token == QXmlStreamReader::Characters)
            node.children.push_back(Node{{}, {}, {}, xml.text().toString()});
        if (token == QXmlStreamReader::EndElement) break;
    }
    return node;
}

QByteArray run(const QStringList& unzipArguments, int* status = nullptr) {
    QProcess unzip;
    unzip.start("unzip", unzipArguments);
    unzip.waitForFinished(30000);
    if (status != nullptr) *status = unzip.exitCode();
    return unzip.readAllStandardOutput();
}

class SheetOdtTest : public testing::Test {
  protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("unzip").isEmpty()) GTEST_SKIP() << "unzip is not installed";
        ASSERT_EQ(writeSheetOdt(smallSheet(), path), std::nullopt);
        for (const char* entry : {"content.xml", "styles.xml", "meta.xml", "META-INF/manifest.xml"}) {
            QXmlStreamReader reader(run({"-p", path, entry}));
            entries[entry] = parse(reader, "");
            ASSERT_FALSE(reader.hasError()) << entry << ": " << reader.errorString().toStdString();
        }
    }
    // A style of content.xml or styles.xml by name: the properties element of it named.
    Node style(const QString& name, const char* properties) {
        for (const char* entry : {"content.xml", "styles.xml"}) {
            for (const Node& s : entries[entry].all("style:style")) {
                if (s["style:name"] == name) return s.all(properties).at(0);
            }
        }
        ADD_FAILURE() << "no style " << name.toStdString();
        return {};
    }
    static QStringList texts(const std::vector<Node>& nodes) {
        QStringList out;
        for (const Node& n : nodes)
            out << n.odfText();
        return out;
    }
    QTemporaryDir dir;
    QString path = dir.filePath("sheet.odt");
    std::map<QString, Node> entries;
};

TEST_F(SheetOdtTest, IsAZipWithTheMediaTypeFirstAndStoredAndWellFormedParts) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // A local file header, method 0 (stored), no extra field, named mimetype, the type itself at
    // offset 38, where a reader looks for it.
    EXPECT_EQ(bytes.left(4), QByteArray("PK\x03\x04"));
    EXPECT_EQ(bytes.mid(8, 2), QByteArray(2, '\0'));
    EXPECT_EQ(bytes.mid(28, 2), QByteArray(2, '\0'));
    EXPECT_EQ(bytes.mid(30, 8), "mimetype");
    EXPECT_EQ(bytes.mid(38, 39), "application/vnd.oasis.opendocument.text");
    int status = -1;
    run({"-t", path}, &status);  // every entry's CRC-32 checked
    EXPECT_EQ(status, 0);
    EXPECT_EQ(QString(run({"-Z1", path})).split('\n', Qt::SkipEmptyParts),
              QStringList({"mimetype", "META-INF/manifest.xml", "content.xml", "styles.xml", "meta.xml"}));
    EXPECT_EQ(entries["META-INF/manifest.xml"].all("manifest:file-entry").size(), 4u);
    EXPECT_EQ(texts(entries["meta.xml"].all("dc:title")), QStringList{"安全阀计算书"});
}

TEST_F(SheetOdtTest, PagesAreA4UnderAHeaderWithPageNumbersAndTextIsOneSizeForLatinAndChinese) {
    const std::vector<Node> page = entries["styles.xml"].all("style:page-layout-properties");
    ASSERT_EQ(page.size(), 1u);
    const auto cm = [&page](const char* a) {
        return page[0][a].endsWith("cm") ? page[0][a].chopped(2).toDouble() : 0;
    };
    EXPECT_DOUBLE_EQ(cm("fo:page-width"), 21.0);
    EXPECT_DOUBLE_EQ(cm("fo:page-height"), 29.7);
    for (const char* margin : {"fo:margin-top", "fo:margin-bottom", "fo:margin-left", "fo:margin-right"})
        EXPECT_DOUBLE_EQ(cm(margin), 1.5) << margin;
    const Node header = entries["styles.xml"].all("style:header").at(0);
    EXPECT_EQ(texts(header.all("text:p")),
              QStringList({"Orvane 0.1.0", "安全阀计算书", "第 1 页 / 共 1 页", "工程名称：<b>&\"'",
                           "设备名称：压缩空气储罐", "设备位号：V-101"}));
    EXPECT_EQ(header.all("text:page-number").size(), 1u);
    EXPECT_EQ(header.all("text:page-count").size(), 1u);

    for (const Node& text : entries["styles.xml"].all("style:text-properties")) {
        EXPECT_EQ(text["style:font-size-asian"], text["fo:font-size"]);
        EXPECT_EQ(text["style:font-size-complex"], text["fo:font-size"]);
        EXPECT_EQ(text["style:font-weight-asian"], text["fo:font-weight"]);
        EXPECT_EQ(text["style:font-name"], "DejaVu Sans");
        EXPECT_EQ(text["style:font-name-asian"], "WenQuanYi Micro Hei");
    }
    // The sizes of the PDF.
    const std::pair<const char*, const char*> sizes[] = {
        {"Sheet_20_Title", "18pt"}, {"Sheet_20_Heading", "12pt"},       {"Sheet_20_Text", "10pt"},
        {"Sheet_20_Cell", "8.5pt"}, {"Sheet_20_Cell_20_Bold", "8.5pt"}, {"Sheet_20_Note", "7.5pt"}};
    for (const auto& [name, size] : sizes)
        EXPECT_EQ(style(name, "style:text-properties")["fo:font-size"], size) << name;
}

TEST_F(SheetOdtTest, TablesHaveTheSheetsColumnWidthsRowsKindsAndTextsAsTyped) {
    const Node& content = entries["content.xml"];
    const std::vector<Node> tables = content.all("table:table");
    ASSERT_EQ(tables.size(), 4u);  // header fields, basis, steps, sign-off
    const Node& steps = tables[2];
    // 6 13 7 24 28 15 7 % of 18 cm.
    const double widths[] = {1.08, 2.34, 1.26, 4.32, 5.04, 2.7, 1.26};
    const std::vector<Node> columns = steps.all("table:table-column");
    ASSERT_EQ(columns.size(), 7u);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const QString width =
            style(columns[c]["table:style-name"], "style:table-column-properties")["style:column-width"];
        EXPECT_NEAR(width.chopped(2).toDouble(), widths[c], 0.001) << "column " << c;
    }
    EXPECT_EQ(style(steps["table:style-name"], "style:table-properties")["style:width"], "18.000cm");

    // The column titles repeated on each page, every row kept on one page; each row's cell texts,
    // their paragraph style and how many columns its first cell spans.
    ASSERT_EQ(steps.all("table:table-header-rows").size(), 1u);
    EXPECT_EQ(steps.all("table:table-header-rows")[0].all("table:table-row").size(), 1u);
    struct Row {
        QStringList texts;
        QString style;
        QString spanned;
    };
    const Row expected[] = {
        {{"序号", "名称", "符号", "公式", "代入数值", "结果", "单位"}, "Sheet_20_Cell_20_Bold", ""},
        {{"计算"}, "Sheet_20_Cell_20_Bold", "7"},
        {{"1", "计算喉径", "d", "d = 2 × √(A / π)", "2 × √(2819.373 / 3.14159)", "59.9146", "mm"},
         "Sheet_20_Cell",
         ""},
        {{"依据：π 取 3.14159"}, "Sheet_20_Note", "7"},
        {{"2", "  two  spaces", "", "", "", "", ""}, "Sheet_20_Cell_20_Bold", ""},
    };
    const std::vector<Node> rows = steps.all("table:table-row");
    ASSERT_EQ(rows.size(), std::size(expected));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        EXPECT_EQ(style(rows[r]["table:style-name"], "style:table-row-properties")["fo:keep-together"],
                  "always");
        const std::vector<Node> cells = rows[r].all("table:table-cell");
        EXPECT_EQ(texts(cells), expected[r].texts) << "row " << r;
        for (const Node& p : rows[r].all("text:p"))
            EXPECT_EQ(p["text:style-name"], expected[r].style) << "row " << r;
        EXPECT_EQ(cells.at(0)["table:number-columns-spanned"], expected[r].spanned);
        EXPECT_EQ(rows[r].all("table:covered-table-cell").size(), expected[r].spanned.isEmpty() ? 0u : 6u);
    }

    // The header fields as typed, what XML cannot hold left out or replaced; a line break starts a
    // paragraph; headings kept with what follows.
    EXPECT_EQ(tables[0].all("table:table-cell").at(3).odfText(), "<b>&\"'");
    EXPECT_EQ(tables[1].all("table:table-cell").at(5).odfText(), "ab\uFFFD");
    QStringList paragraphs;
    const Node body = content.all("office:text").at(0);
    for (const Node& p : body.children) {
        if (p["text:style-name"] == "Sheet_20_Text") paragraphs << p.odfText();
    }
    EXPECT_EQ(paragraphs, QStringList({"甲", "乙"}));
    EXPECT_EQ(texts(content.all("text:h")), QStringList({"1 计算依据", "4 计算过程", "6 提示", "签署"}));
    EXPECT_EQ(style("Sheet_20_Heading", "style:paragraph-properties")["fo:keep-with-next"], "always");
}

}  // namespace
}  // namespace orvane::sheet
