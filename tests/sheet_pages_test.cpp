// The printed sheet's pages: no table row split over two pages, a note row on the page of the row
// above it, a group title on the page of the row below it, a heading on the page of its table, every
// page a table runs on to under the table's column titles. Read back from the PDF by pdftotext.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "sheet/sheet_export.h"

namespace orvane::sheet {
namespace {

std::string repeated(const std::string& word, int times) {
    std::string s = word;
    for (int i = 1; i < times; ++i)
        s += " " + word;
    return s;
}

constexpr int kSteps = 120;
constexpr int kSmallTables = 30;

// Words name what they belong to: step k's cells are b<k> … g<k>, its note n<k>, group title g's
// words x<g>; small table i has columns k<i> and v<i> and rows of words m<i>r<row>, under the
// heading h<i>, its first row of one to five lines. Steps of one to four lines, notes of one or
// two; every third step and its note one line each.
Sheet longSheet() {
    Sheet sheet{
        .title = "安全阀计算书", .program = "Orvane test", .header = {}, .sections = {}, .signOff = {}};
    for (int i = 0; i < kSmallTables; ++i) {
        SheetTable t{{"k" + std::to_string(i), "v" + std::to_string(i)}, {30, 70}, {}};
        for (int r = 0; r <= i % 4; ++r) {
            const std::string word = "m" + std::to_string(i) + "r" + std::to_string(r);
            t.rows.push_back({word, repeated(word, r == 0 ? 10 + 20 * (i % 4) : 1)});
        }
        sheet.sections.push_back({"h" + std::to_string(i) + " 小节", {std::move(t)}});
    }
    SheetTable steps{
        {"序号", "名称", "符号", "公式", "代入数值", "结果", "单位"}, {6, 13, 7, 24, 28, 15, 7}, {}};
    for (int k = 0; k < kSteps; ++k) {
        const std::string n = std::to_string(k);
        if (k % 30 == 0) steps.rows.push_back(SheetRow({repeated("x" + n, 3)}, RowKind::Title));
        const bool oneLine = k % 3 == 0;
        steps.rows.push_back({n, "b" + n, "c" + n, repeated("d" + n, 1 + 4 * (k % 3)),
                              repeated("e" + n, oneLine ? 3 : 3 + 5 * (k % 4)), "f" + n, "g" + n});
        steps.rows.push_back(SheetRow({repeated("n" + n, oneLine ? 4 : 4 + 30 * (k % 2))}, RowKind::Note));
    }
    sheet.sections.push_back({"h99 计算过程", {std::move(steps)}});
    return sheet;
}

struct Word {
    int page;  // from 1
    double top;
    double bottom;
};

class SheetPages : public testing::Test {
  protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "pdftotext is not installed (Debian package poppler-utils)";
    }
    // The words of the sheet's PDF, as pdftotext -bbox reads them.
    std::multimap<QString, Word> printed(const Sheet& sheet) {
        const QString path = dir.filePath("sheet.pdf");
        EXPECT_EQ(writeSheetPdf(sheet, path), std::nullopt);
        QProcess p;
        p.start("pdftotext", {"-bbox", path, "-"});
        EXPECT_TRUE(p.waitForFinished(60000) && p.exitCode() == 0) << p.readAllStandardError().toStdString();
        std::multimap<QString, Word> out;
        QXmlStreamReader xml(p.readAllStandardOutput());
        int page = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == u"page") ++page;
            if (xml.name() != u"word") continue;
            const double top = xml.attributes().value("yMin").toDouble();
            const double bottom = xml.attributes().value("yMax").toDouble();
            out.emplace(xml.readElementText(), Word{page, top, bottom});
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        return out;
    }
    QTemporaryDir dir;
};

std::set<int> pagesOf(const std::multimap<QString, Word>& all, const QString& word) {
    std::set<int> pages;
    const auto [from, to] = all.equal_range(word);
    for (auto it = from; it != to; ++it)
        pages.insert(it->second.page);
    return pages;
}

TEST_F(SheetPages, RowsAreNeverSplitAndEveryPageOfATableStartsWithItsColumnTitles) {
    const std::multimap<QString, Word> all = printed(longSheet());
    int pages = 0;
    for (const auto& [text, w] : all)
        pages = std::max(pages, w.page);
    EXPECT_GE(pages, 8);

    const auto one = [&all](const QString& word) {
        const std::set<int> p = pagesOf(all, word);
        return p.size() == 1 ? *p.begin() : -static_cast<int>(p.size());  // 0: missing, < 0: split
    };
    for (int k = 0; k < kSteps; ++k) {
        const QString n = QString::number(k);
        std::set<int> row;
        for (const char* column : {"b", "c", "d", "e", "f", "g"}) {
            const std::set<int> p = pagesOf(all, column + n);
            row.insert(p.begin(), p.end());
        }
        ASSERT_EQ(row.size(), 1u) << "step " << k;
        EXPECT_EQ(one("n" + n), *row.begin()) << "note of step " << k;
        if (k % 30 == 0) {
            EXPECT_EQ(one("x" + n), *row.begin()) << "group title above step " << k;
        }
    }
    for (int i = 0; i < kSmallTables; ++i) {
        const QString n = QString::number(i);
        EXPECT_EQ(one("h" + n), one("m" + n + "r0")) << "heading of table " << i;
        for (int r = 0; r <= i % 4; ++r)
            EXPECT_GT(one("m" + n + "r" + QString::number(r)), 0) << "table " << i << " row " << r;
    }

    // Every page holds rows (no page left blank), and on each, the column titles of a table stand
    // above its first row there.
    const QRegularExpression tableWord(R"(^(?:[b-gnx](\d+)|m(\d+)r\d+)$)");
    std::map<std::pair<int, QString>, double> firstRow;  // (page, column title) → top of the highest row
    for (const auto& [text, w] : all) {
        const QRegularExpressionMatch m = tableWord.match(text);
        if (!m.hasMatch()) continue;
        const QString title = m.captured(2).isEmpty() ? QString("序号") : "k" + m.captured(2);
        auto [it, added] = firstRow.try_emplace({w.page, title}, w.top);
        if (!added) it->second = std::min(it->second, w.top);
    }
    std::set<int> withRows;
    for (const auto& [at, top] : firstRow)
        withRows.insert(at.first);
    EXPECT_EQ(withRows.size(), static_cast<std::size_t>(pages));
    for (const auto& [at, top] : firstRow) {
        const auto& [page, title] = at;
        const auto [from, to] = all.equal_range(title);
        const bool above = std::any_of(
            from, to, [&](const auto& t) { return t.second.page == page && t.second.bottom <= top; });
        EXPECT_TRUE(above) << title.toStdString() << " on page " << page;
    }
}

TEST_F(SheetPages, ARowTallerThanAPageIsSplitAndTheRowsAfterItAreNot) {
    SheetTable t{{"序号", "代入数值"}, {10, 90}, {}};
    t.rows = {{"1", "above"}, {"2", repeated("tall", 3000)}, {"3", repeated("below", 40)}};
    const std::multimap<QString, Word> all = printed({.title = "安全阀计算书",
                                                      .program = "",
                                                      .header = {},
                                                      .sections = {{"4 计算过程", {t}}},
                                                      .signOff = {}});
    EXPECT_EQ(pagesOf(all, "above"), std::set<int>{1});
    EXPECT_GE(pagesOf(all, "tall").size(), 2u);
    EXPECT_EQ(pagesOf(all, "below").size(), 1u);
}

}  // namespace
}  // namespace orvane::sheet
