// The sheet as a checker reads it: every row of 计算过程 in the PDF, read back by poppler's
// pdftotext (an independent reader), recomputed from the numbers its substitution prints. A
// result must follow from them to within one unit of its last printed digit, a comparison must
// hold for the printed numbers, and a row that cannot be read or parsed fails.
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculator_fixture.h"
#include "sheet/sheet.h"
#include "sheet/sheet_export.h"

namespace orvane {
namespace {

// ---- A word of the PDF text with its box, as pdftotext -bbox gives it.
struct Word {
    int page;
    double x0, y0, x1;
    std::string text;
};

std::vector<Word> pdfWords(const QByteArray& pdf) {
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.pdf");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) return {};
    file.close();
    QProcess p;
    p.start("pdftotext", {"-bbox", path, "-"});
    p.waitForFinished(30000);
    std::vector<Word> words;
    QXmlStreamReader xml(p.readAllStandardOutput());
    int page = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"page") ++page;
        if (xml.name() != u"word") continue;
        const auto a = xml.attributes();
        const double x0 = a.value("xMin").toDouble(), y0 = a.value("yMin").toDouble(), x1 = a.value("xMax").toDouble();
        words.push_back({page, x0, y0, x1, xml.readElementText().toStdString()});
    }
    return words;
}

// ---- The rows of 计算过程: each numbered row's cells, by the columns of the header on its page.
using Cells = std::map<std::string, std::string>;  // column title -> text

std::vector<Cells> processRows(const std::vector<Word>& words) {
    static const std::vector<std::string> kColumns = {"序号", "名称", "符号", "公式", "代入数值", "结果", "单位"};
    std::vector<Cells> rows;
    bool inProcess = false;
    for (int page = 1;; ++page) {
        std::vector<const Word*> on;
        for (const Word& w : words) {
            if (w.page == page) on.push_back(&w);
        }
        if (on.empty()) break;
        // The section's bounds: after its heading, before the next one.
        double top = -1, bottom = 1e9;
        for (std::size_t i = 0; i + 1 < on.size(); ++i) {
            if (on[i]->text == "4" && on[i + 1]->text == "计算过程") inProcess = true, top = on[i]->y0;
            if (on[i]->text == "5" && on[i + 1]->text == "结果与校核") bottom = on[i]->y0;
        }
        if (!inProcess) continue;
        // The header row on this page: where each column starts.
        std::vector<double> starts;
        double headerBottom = -1;
        for (const std::string& title : kColumns) {
            for (const Word* w : on) {
                if (w->text == title && w->y0 > top && w->y0 < bottom && (headerBottom < 0 || std::abs(w->y0 - headerBottom) < 3)) {
                    starts.push_back(w->x0 - 3);
                    headerBottom = w->y0;
                    break;
                }
            }
        }
        if (starts.size() != kColumns.size()) {
            ADD_FAILURE() << "page " << page << ": no header row of the steps";
            if (bottom < 1e9) break;
            continue;
        }
        const auto column = [&starts](const Word& w) {
            std::size_t c = 0;
            while (c + 1 < starts.size() && w.x0 >= starts[c + 1]) ++c;
            return c;
        };
        // Lines that start a row (a number under 序号) or end one (a note, a group title, the next section).
        std::vector<std::pair<double, bool>> marks;  // y, starts a numbered row
        std::size_t started = 0;
        std::vector<const Word*> byLine = on;
        std::stable_sort(byLine.begin(), byLine.end(), [](const Word* a, const Word* b) { return a->y0 < b->y0; });
        for (const Word* w : byLine) {
            if (w->y0 <= headerBottom + 3 || w->y0 >= bottom || column(*w) != 0) continue;
            // The next row's number, and nothing else (a wrapped note may begin with digits).
            const bool number = w->text == std::to_string(rows.size() + started + 1);
            if (number) ++started;
            marks.emplace_back(w->y0, number);
        }
        marks.emplace_back(bottom, false);
        std::sort(marks.begin(), marks.end());
        for (std::size_t m = 0; m + 1 < marks.size(); ++m) {
            if (!marks[m].second) continue;
            std::vector<const Word*> in;
            for (const Word* w : on) {
                if (w->y0 >= marks[m].first - 1 && w->y0 < marks[m + 1].first - 1) in.push_back(w);
            }
            std::sort(in.begin(), in.end(), [](const Word* a, const Word* b) {
                return std::abs(a->y0 - b->y0) > 2 ? a->y0 < b->y0 : a->x0 < b->x0;
            });
            Cells cells;
            for (const Word* w : in) {
                std::string& cell = cells[kColumns[column(*w)]];
                cell += (cell.empty() ? "" : " ") + w->text;
            }
            rows.push_back(cells);
        }
        if (bottom < 1e9) break;
    }
    return rows;
}

// ---- A small reader of the printed arithmetic: + − × / ^ ² √( ) sin and brackets.
class Arithmetic {
public:
    explicit Arithmetic(std::string_view text) : s_(text) {}
    std::optional<double> value() {
        const std::optional<double> v = sum();
        skipBlanks();
        return ok_ && at_ == s_.size() ? v : std::nullopt;
    }

private:
    bool take(std::string_view token) {
        skipBlanks();
        if (s_.substr(at_, token.size()) != token) return false;
        at_ += token.size();
        return true;
    }
    void skipBlanks() {
        while (at_ < s_.size() && s_[at_] == ' ') ++at_;
    }
    std::optional<double> sum() {
        std::optional<double> v = product();
        while (v) {
            if (take("+")) {
                const auto r = product();
                v = r ? std::optional(*v + *r) : std::nullopt;
            } else if (take("−")) {
                const auto r = product();
                v = r ? std::optional(*v - *r) : std::nullopt;
            } else {
                break;
            }
        }
        return v;
    }
    std::optional<double> product() {
        std::optional<double> v = power();
        while (v) {
            if (take("×")) {
                const auto r = power();
                v = r ? std::optional(*v * *r) : std::nullopt;
            } else if (take("/")) {
                const auto r = power();
                v = r ? std::optional(*v / *r) : std::nullopt;
            } else {
                break;
            }
        }
        return v;
    }
    std::optional<double> power() {
        std::optional<double> v = primary();
        while (v) {
            if (take("²")) {
                v = *v * *v;
            } else if (take("^")) {
                const auto e = primary();
                v = e ? std::optional(std::pow(*v, *e)) : std::nullopt;
            } else {
                break;
            }
        }
        return v;
    }
    std::optional<double> primary() {
        if (take("(")) {
            const auto v = sum();
            return v && take(")") ? v : fail();
        }
        if (take("√(")) {
            const auto v = sum();
            return v && take(")") ? std::optional(std::sqrt(*v)) : fail();
        }
        if (take("sin")) {
            const auto v = primary();
            return v ? std::optional(std::sin(*v)) : fail();
        }
        skipBlanks();
        std::size_t end = at_;
        if (end < s_.size() && s_[end] == '-') ++end;
        while (end < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[end])) || s_[end] == '.')) ++end;
        if (end < s_.size() && s_[end] == 'E') {
            end += 2;  // E and its sign
            while (end < s_.size() && std::isdigit(static_cast<unsigned char>(s_[end]))) ++end;
        }
        if (end == at_) return fail();
        const double v = std::stod(std::string(s_.substr(at_, end - at_)));
        at_ = end;
        return v;
    }
    std::optional<double> fail() {
        ok_ = false;
        return std::nullopt;
    }

    std::string_view s_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

// The unit of the last digit a printed number shows: 0.001 for "3040.586", 1E+01 for "1.234568E+07".
std::optional<double> lastDigitUnit(const std::string& text) {
    if (!Arithmetic(text).value()) return std::nullopt;
    const std::size_t e = text.find('E');
    const std::string mantissa = text.substr(0, e);
    const int exponent = e == std::string::npos ? 0 : std::stoi(text.substr(e + 1));
    const std::size_t point = mantissa.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    return std::pow(10.0, exponent - decimals);
}

bool within(double computed, const std::string& printed) {
    const auto unit = lastDigitUnit(printed);
    return unit && std::abs(computed - *Arithmetic(printed).value()) <= *unit * (1 + 1e-9);
}

// Splits at the first of `marks` found outside brackets: {left, mark, right}.
std::optional<std::array<std::string, 3>> splitAt(const std::string& text, std::initializer_list<std::string_view> marks) {
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        depth += text[i] == '(' ? 1 : text[i] == ')' ? -1 : 0;
        if (depth != 0) continue;
        for (std::string_view m : marks) {
            if (text.compare(i, m.size(), m) == 0) {
                return std::array<std::string, 3>{text.substr(0, i), std::string(m), text.substr(i + m.size())};
            }
        }
    }
    return std::nullopt;
}

// What is wrong with a row as printed, or nothing.
std::string checkRow(const Cells& row) {
    const std::string& substituted = row.count("代入数值") ? row.at("代入数值") : "";
    const std::string& result = row.count("结果") ? row.at("结果") : "";
    if (substituted.empty() || result.empty()) return "a cell is empty";
    if (substituted == "—") return {};  // a value looked up or typed: its source is the note
    // A comparison (or a chain of them, "10 < 13.078 ≤ 22"): each side computed, each relation as
    // printed must hold.
    if (splitAt(substituted, {" ≤ ", " ≥ ", " < ", " > "})) {
        std::vector<std::string> sides;
        std::vector<std::string> relations;
        std::string rest = substituted;
        while (const auto parts = splitAt(rest, {" ≤ ", " ≥ ", " < ", " > "})) {
            sides.push_back((*parts)[0]);
            relations.push_back((*parts)[1]);
            rest = (*parts)[2];
        }
        sides.push_back(rest);
        if (const auto eq = splitAt(sides[0], {" = "})) {  // "0.1 / 1.024 = 0.09765625 ≤ 0.5282817"
            const auto v = Arithmetic((*eq)[0]).value();
            if (!v || !within(*v, (*eq)[2])) return "“" + sides[0] + "” does not hold";
            sides[0] = (*eq)[2];
        }
        for (std::size_t i = 0; i < relations.size(); ++i) {
            const auto a = Arithmetic(sides[i]).value(), b = Arithmetic(sides[i + 1]).value();
            if (!a || !b) return "a side of the comparison is no number";
            const std::string& r = relations[i];
            const bool holds = r == " ≤ " ? *a <= *b : r == " ≥ " ? *a >= *b : r == " < " ? *a < *b : *a > *b;
            if (!holds) return "the comparison does not hold";
        }
        return {};
    }
    const auto v = Arithmetic(substituted).value();
    if (!v) return "the substitution cannot be read";
    if (!within(*v, result)) return "the result does not follow: " + std::to_string(*v);
    return {};
}

struct SheetCase {
    const char* what;
    Device device;
    std::string_view option;
    test::Texts before;  // lists and fields before input parameters
    test::Texts after;   // fields typed afterwards
};

CalculationRecord calculated(const SheetCase& c) {
    const auto run = [&c](auto calculator) {
        calculator.form.select(c.option);
        calculator.type(c.before);
        calculator.inputParameters();
        calculator.type(c.after);
        calculator.calculate();
        return calculator.q.memory.record ? *calculator.q.memory.record : CalculationRecord{};
    };
    return c.device == Device::SafetyValve ? run(test::Valve{}) : run(test::Disc{});
}

TEST(SheetRecompute, EveryRowOfTheStepsFollowsFromItsPrintedNumbers) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        GTEST_SKIP() << "pdftotext is not installed (Debian package poppler-utils)";
    }
    const SheetCase cases[] = {
        {"air, critical", Device::SafetyValve, valve::kFullLift, {{"Combo1", "空气"}}, {}},
        {"air, two valves, opening pressure typed", Device::SafetyValve, valve::kFullLift, {{"Combo1", "空气"}},
         {{"Text27", "2"}, {"Text13", "0.85"}}},
        {"air, sub-critical", Device::SafetyValve, valve::kFullLift, {{"Combo1", "空气"}}, {{"Text4", "0.8"}}},
        {"steam up to 10 MPa", Device::SafetyValve, valve::kFullLift, {{"Combo1", "水蒸气"}}, {{"Text14", "5"}}},
        {"steam above 10 MPa", Device::SafetyValve, valve::kFullLift, {{"Combo1", "水蒸气"}, {"Text2", "12"}},
         {{"Text14", "60"}}},
        {"ammonia in fire", Device::SafetyValve, valve::kFullLift, {{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}},
         {{"Text19", "2000"}, {"Text20", "6000"}}},
        {"ammonia in fire, insulated", Device::SafetyValve, valve::kFullLift,
         {{"Combo1", "液氨"}, {"Combo2", "有保温液化气"}},
         {{"Text19", "2000"}, {"Text20", "6000"}, {"Text21", "40"}, {"Text22", "100"}, {"Text23", "0.2"}}},
        {"small flat seat", Device::SafetyValve, valve::kFlatLowLift, {{"Combo1", "空气"}}, {{"Text5", "20"}}},
        {"conical seat", Device::SafetyValve, valve::kConicalLowLift, {{"Combo1", "空气"}},
         {{"Text5", "40"}, {"Text25", "45"}}},
        {"nitrogen disc, 普通正拱", Device::BurstingDisc, disc::kDiscTypeOptions[0], {{"Combo1", "氮气"}}, {}},
        {"air disc, 开缝正拱", Device::BurstingDisc, disc::kDiscTypeOptions[1], {{"Combo1", "空气"}}, {}},
        {"air disc, 正拱, 0.25级 above 3.5 MPa", Device::BurstingDisc, disc::kDiscTypeOptions[2],
         {{"Combo1", "空气"}, {"Combo5", "0.25级"}, {"Text2", "3"}}, {}},
        {"air disc, 反拱", Device::BurstingDisc, disc::kReverseActing, {{"Combo1", "空气"}}, {}},
        {"air, three discs", Device::BurstingDisc, disc::kDiscTypeOptions[0], {{"Combo1", "空气"}}, {{"Text27", "3"}}},
        {"water through a valve, from the inlet pipe", Device::SafetyValve, valve::kFullLift, {{"Combo1", "水"}},
         {{"Text1", "液体"}, {"Text28", "1000"}, {"Text6", "2"}}},
        {"a liquid through a disc", Device::BurstingDisc, disc::kDiscTypeOptions[0], {{"Combo1", "空气"}},
         {{"Text1", "液体"}, {"Text28", "800"}, {"Text7", "10000"}}},
        {"ammonia disc in fire", Device::BurstingDisc, disc::kDiscTypeOptions[0],
         {{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}}, {{"Text19", "2000"}, {"Text20", "6000"}}},
        {"butane disc in fire, insulated", Device::BurstingDisc, disc::kDiscTypeOptions[0],
         {{"Combo1", "丁烷"}, {"Combo2", "有保温液化气"}},
         {{"Text19", "2000"}, {"Text20", "6000"}, {"Text21", "40"}, {"Text22", "100"}, {"Text23", "0.2"}}},
    };
    for (const SheetCase& c : cases) {
        SCOPED_TRACE(c.what);
        const CalculationRecord record = calculated(c);
        ASSERT_TRUE(record.documents());
        const std::vector<Cells> rows = processRows(pdfWords(sheet::sheetPdf(sheet::buildSheet(record, {}))));
        // Every step is read back, numbered in order.
        ASSERT_EQ(rows.size(), record.derivation.size() + record.steps.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Cells& row = rows[i];
            EXPECT_EQ(row.count("序号") ? row.at("序号") : "", std::to_string(i + 1));
            const std::string fault = checkRow(row);
            EXPECT_EQ(fault, "") << "row " << i + 1 << " " << (row.count("名称") ? row.at("名称") : "") << ": "
                                 << (row.count("代入数值") ? row.at("代入数值") : "") << " → "
                                 << (row.count("结果") ? row.at("结果") : "");
        }
    }
}

// The reader itself, on rows worked out by hand.
TEST(SheetRecompute, TheReaderTakesWhatItShouldAndRefusesTheRest) {
    const std::pair<Cells, bool> rows[] = {
        {{{"代入数值", "2 × √(563.8745 / 3.14159)"}, {"结果", "26.79455"}}, true},  // 26.794550
        {{{"代入数值", "2 × √(563.8745 / 3.14159)"}, {"结果", "26.79448"}}, false},
        {{{"代入数值", "(2 / (1.4 + 1))^(1.4 / (1.4 − 1))"}, {"结果", "0.5282817"}}, true},  // 0.52828179
        {{{"代入数值", "0.1 / 1.024 = 0.09765625 ≤ 0.5282817"}, {"结果", "临界"}}, true},
        {{{"代入数值", "0.1 / 1.024 = 0.0978 ≤ 0.5282817"}, {"结果", "临界"}}, false},
        {{{"代入数值", "2.16 ≤ 2.1"}, {"结果", "合格"}}, false},
        {{{"代入数值", "10 < 13.078 ≤ 22"}, {"结果", "A = …"}}, true},
        {{{"代入数值", "10 < 9.5 ≤ 22"}, {"结果", "A = …"}}, false},
        {{{"代入数值", "3.14159 × 65² × sin (45 / 180 × 3.14159) / 20"}, {"结果", "469.2788"}}, true},
        {{{"代入数值", "0.84000001 2516975"}, {"结果", "0.84"}}, false},  // a number broken in two
        {{{"代入数值", "—"}, {"结果", "0.16 / 0.085"}}, true},
    };
    for (const auto& [row, good] : rows) EXPECT_EQ(checkRow(row).empty(), good) << row.at("代入数值");
}

}  // namespace
}  // namespace orvane
