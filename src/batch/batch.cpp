#include "batch.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "csv.h"
#include "devices/devices.h"
#include "engine/media.h"
#include "engine/number_text.h"
#include "sizing/derivation.h"
#include "sizing/messages.h"

namespace orvane::batch {

namespace {

// A caption or title with its blanks taken out, "^2" as "²": "全启式" names "全 启 式", "介质" " 介  质".
std::string bare(std::string_view s) {
    std::string out;
    const std::string tidy = tidyCaption(s);
    for (std::size_t i = 0; i < tidy.size(); ++i) {
        if (tidy[i] == ' ' || tidy[i] == '\t') continue;
        if (std::string_view(tidy).substr(i, 3) == "\u3000") {  // ideographic space
            i += 2;
            continue;
        }
        out.push_back(tidy[i]);
    }
    return out;
}

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// The field a column name gives: its key, or the caption on the window or as a table titles it,
// whose blanks need not be typed as the window spaces them.
const FieldInfo* fieldNamed(Device device, std::string_view name) {
    const Description& d = devices::description(device);
    if (const FieldInfo* f = d.byKey(name)) return f;
    const std::string wanted = bare(name);
    for (const FieldInfo& f : d.fields()) {
        if (bare(f.caption) == wanted || bare(columnTitle(f)) == wanted) return &f;
    }
    return nullptr;
}

std::string quoted(std::string_view s) { return "“" + std::string(s) + "”"; }

// Captions quoted and joined as a Chinese list: “a”、“b”和“c”.
std::string quotedList(const std::vector<std::string>& names) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) out += i + 1 == names.size() ? "和" : "、";
        out += quoted(names[i]);
    }
    return out;
}

// The message a window would show, on one line.
std::string oneLine(std::string text) {
    std::ranges::replace(text, '\n', ' ');
    return text;
}

// The option the cell names (its blanks need not be typed), or null.
const OptionInfo* optionNamed(const Description& d, std::string_view cell) {
    for (const OptionInfo& o : d.options()) {  // as the window writes it, the common case
        if (o.caption == cell) return &o;
    }
    const std::string wanted = bare(cell);
    for (const OptionInfo& o : d.options()) {
        if (bare(o.caption) == wanted) return &o;
    }
    return nullptr;
}

std::string unknownOption(const Description& d, std::string_view cell) {
    std::string text = std::string(d.device() == Device::SafetyValve ? "未知的安全阀型式" : "未知的爆破片型式") + "：“" +
                       std::string(cell) + "”不是";
    bool first = true;
    for (const OptionInfo& o : d.options()) {
        text += first ? "“" : "、“";
        text += o.caption;
        text += "”";
        first = false;
    }
    return text + "之一，未计算。";
}

// A cell that must hold a number: a list, the option and the phase hold texts.
bool numberCell(const FieldInfo& f) {
    return f.role != Role::Option && f.role != Role::Choice && f.field != Field::Phase;
}

// The fields input parameters fills and a value the row gives is put again over what it wrote: the
// medium's properties and the gas density; then the relief capacity.
bool givenOverDerivation(const FieldInfo& f) {
    return f.role == Role::Property || f.field == Field::GasDensity || f.field == Field::ReliefCapacity;
}

// A row as a case, sized: input parameters, what the row gives over what they wrote, Calculate.
struct RowCase {
    Case c;
    CalculationRecord record;
    std::uint64_t used = 0;
};

RowCase sized(Case c, const std::vector<std::pair<Field, std::string>>& given) {
    ProgramValues shared;
    RowCase row;
    const Derivation derivation = devices::derive(c, shared, Detail::ResultsOnly);
    row.used = derivation.used;
    if (!isDone(derivation.outcome)) {
        row.c = std::move(c);
        row.record.outcome = derivation.outcome;
        return row;
    }
    applyDerivation(c, derivation);
    for (const auto& [field, text] : given) c[field] = CaseValue{text, Source::Typed, {}};
    row.record = devices::size(c, shared, Detail::ResultsOnly);
    row.used |= row.record.used;
    row.c = std::move(c);
    return row;
}

// The fields the sized case used and found empty. A list or the option decides what else a case
// needs: with `listsFirst`, only those are given while any is empty.
std::vector<Field> blanksUsed(const RowCase& row, const Description& d, bool listsFirst) {
    std::vector<Field> lists, others;
    for (const FieldInfo& f : d.fields()) {
        if (f.isResult() || (row.used >> indexOf(f.field) & 1u) == 0 || !row.c.text(f.field).empty()) continue;
        (f.role == Role::Choice || f.role == Role::Option ? lists : others).push_back(f.field);
    }
    if (listsFirst && !lists.empty()) return lists;
    lists.insert(lists.end(), others.begin(), others.end());
    return lists;
}

std::vector<std::string> captions(const Description& d, const std::vector<Field>& fields) {
    std::vector<std::string> out;
    for (Field f : fields) out.push_back(d.caption(f));
    return out;
}

}  // namespace

std::string columnTitle(const FieldInfo& f) {
    const NameAndUnit split = splitCaption(f.caption);
    std::string title = tidyCaption(f.caption);
    if (split.unit.empty() && !f.unit.empty()) title += " " + f.unit;
    return title;
}

std::string_view statusTitle(const Options& options) { return options.keys ? "status" : "状态"; }

Columns::Columns(Device device, const std::vector<std::string>& header) : device_(device) {
    std::vector<std::string> results;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string_view name = trimmed(header[i]);
        const FieldInfo* key = name.empty() ? nullptr : fieldNamed(device, name);
        if (key == nullptr && !name.empty()) passedThrough_.emplace_back(name);
        if (key != nullptr && key->role == Role::Result) results.push_back("\"" + std::string(name) + "\"");
        for (std::size_t j = 0; key != nullptr && j < keys_.size(); ++j) {
            if (keys_[j] == key) {
                throw BadTable("columns %1 and %2 both give %3", {std::to_string(j + 1), std::to_string(i + 1), key->key});
            }
        }
        keys_.push_back(key);
    }
    if (!results.empty()) {
        std::string list;
        for (const std::string& n : results) list += (list.empty() ? "" : ", ") + n;
        throw BadTable(results.size() > 1
                           ? "columns %1 are results of the calculation, not inputs (only relief_capacity_kg_h and a "
                             "valve's opening_pressure_MPa may be given)"
                           : "column %1 is a result of the calculation, not an input (only relief_capacity_kg_h and a "
                             "valve's opening_pressure_MPa may be given)",
                       {list});
    }
}

std::array<std::string_view, 6> resultKeys(Device device) {
    std::array<std::string_view, 6> keys;
    std::size_t n = 0;
    for (const FieldInfo& f : devices::description(device).fields()) {
        if (f.isResult() && n < keys.size()) keys[n++] = f.key;
    }
    return keys;
}

RowResult sizeRow(const Columns& columns, const std::vector<std::string>& cells, std::int64_t line,
                  const Options& options) {
    const Device device = columns.device();
    const Description& d = devices::description(device);
    RowResult row;
    const std::string where = "第 " + std::to_string(line) + " 行：";

    // The cells: the option must name one, a number cell must be wholly a number.
    Case c;
    c.device = device;
    std::vector<std::pair<Field, std::string>> given;
    std::vector<std::string> notNumbers;
    for (std::size_t i = 0; i < columns.size() && i < cells.size(); ++i) {
        const FieldInfo* f = columns.key(i);
        if (f == nullptr) continue;
        const std::string_view cell = trimmed(cells[i]);
        if (cell.empty()) continue;
        if (f->role == Role::Option) {
            const OptionInfo* option = optionNamed(d, cell);
            if (option == nullptr) {
                row.status = unknownOption(d, cell);
                return row;
            }
            c[f->field].text = option->caption;
            continue;
        }
        if (numberCell(*f) && !wholeNumberText(cell)) {
            notNumbers.push_back(quoted(f->caption) + "的内容“" + std::string(cell) + "”不是数值");
            continue;
        }
        c[f->field].text = cell;
        if (givenOverDerivation(*f)) given.emplace_back(f->field, std::string(cell));
    }
    if (!notNumbers.empty()) {
        std::string text = where;
        for (std::size_t i = 0; i < notNumbers.size(); ++i) text += (i > 0 ? "；" : "") + notNumbers[i];
        row.status = text + "，本行未计算。";
        return row;
    }

    RowCase sizedRow = sized(c, given);
    std::vector<Field> blanks = blanksUsed(sizedRow, d, !options.defaults);
    std::string defaultsUsed;
    // The window's defaults for what the row leaves blank, the case sized again with them, until no
    // blank the case uses has a default left (a list's default may make the case use more fields).
    for (int round = 0; options.defaults && !blanks.empty() && round < 4; ++round) {
        bool filled = false;
        for (Field f : blanks) {
            const std::string& text = d.info(f).defaultText;
            if (text.empty()) continue;
            c[f].text = text;
            defaultsUsed += (defaultsUsed.empty() ? "" : "、") + quoted(d.caption(f)) + "为 " + text;
            filled = true;
        }
        if (!filled) break;
        sizedRow = sized(c, given);
        blanks = blanksUsed(sizedRow, d, false);
    }
    if (!blanks.empty()) {
        const std::string& medium = sizedRow.c.text(Field::Medium);
        const bool properties = std::ranges::any_of(
            blanks, [](Field f) { return std::ranges::find(kPropertyFields, f) != std::end(kPropertyFields); });
        const std::string these = blanks.size() > 1 ? "这些项" : "此项";
        if (!medium.empty() && MediumCatalogue::find(medium) == nullptr && properties) {
            row.status = where + "介质“" + medium + "”不在物性库中：本行须给出" + quotedList(captions(d, blanks)) +
                         "（不取其他介质或其他行的数值），本行未计算。";
        } else if (options.defaults) {
            row.status = where + quotedList(captions(d, blanks)) + "的单元格为空，本行的工况要用" + these +
                         "，窗口也没有默认值，本行未计算。";
        } else {
            row.status = where + quotedList(captions(d, blanks)) + "的单元格为空，本行的工况要用" + these +
                         "（加 --defaults 则按窗口的默认值计算），本行未计算。";
        }
        if (!defaultsUsed.empty()) row.status += "（已按窗口的默认值：" + defaultsUsed + "）";
        return row;
    }

    // The results as the window would show them: what the calculation wrote over what was there.
    std::size_t n = 0;
    for (const FieldInfo& f : d.fields()) {
        if (!f.isResult() || n == row.results.size()) continue;
        const RecordResult* written = sizedRow.record.result(f.field);
        row.results[n++] = written != nullptr ? written->text : sizedRow.c.text(f.field);
    }
    row.sized = isDone(sizedRow.record.outcome);
    row.status = row.sized ? std::string(kSized) : oneLine(describe(sizedRow.record.outcome).text);
    if (!defaultsUsed.empty()) row.status += "（按窗口的默认值：" + defaultsUsed + "）";
    return row;
}

Summary sizeTable(Device device, std::istream& in, std::ostream& out, const Options& options,
                  const std::function<void(const Summary&)>& header,
                  const std::function<void(std::int64_t)>& progress, std::int64_t progressEvery) {
    try {
        CsvReader reader(in);
        std::vector<std::string> cells;
        if (!reader.next(cells)) throw BadTable("the table is empty: it has no header row");
        const Columns columns(device, cells);
        Summary summary;
        summary.passedThrough = columns.passedThrough();
        if (header) header(summary);

        const Description& d = devices::description(device);
        for (const FieldInfo& f : d.fields()) {
            if (f.isResult()) cells.push_back(options.keys ? f.key : columnTitle(f));
        }
        cells.emplace_back(statusTitle(options));
        writeCsvRecord(out, cells);

        while (reader.next(cells)) {
            const bool blank = std::ranges::all_of(cells, [](const std::string& c) { return c.empty(); });
            if (blank) continue;
            RowResult row;
            const auto filled = std::find_if(cells.rbegin(), cells.rend(), [](const std::string& c) { return !c.empty(); });
            const auto used = static_cast<std::size_t>(cells.rend() - filled);
            if (used > columns.size()) {
                // A row wider than the header is not guessed at: it is not sized, and the cells beyond
                // the header are named in its status (the output keeps the header's columns).
                std::vector<std::string> extra;
                for (std::size_t i = columns.size(); i < used; ++i) extra.push_back(cells[i]);
                row.status = "第 " + std::to_string(reader.recordLine()) + " 行：有 " + std::to_string(used) +
                             " 个单元格，多于表头的 " + std::to_string(columns.size()) + " 列（多出" +
                             quotedList(extra) + "），本行未计算。";
                cells.resize(columns.size());
            } else {
                cells.resize(columns.size());
                row = sizeRow(columns, cells, reader.recordLine(), options);
            }
            for (std::string& r : row.results) cells.push_back(std::move(r));
            cells.push_back(std::move(row.status));
            writeCsvRecord(out, cells);

            ++summary.rows;
            if (row.sized) ++summary.sized;
            if (progress && progressEvery > 0 && summary.rows % progressEvery == 0) progress(summary.rows);
        }
        return summary;
    } catch (const CsvError& e) {
        throw BadTable(e.text());
    }
}

void writeTemplate(Device device, std::ostream& out, const Options& options) {
    std::vector<std::string> header, defaults;
    for (const FieldInfo& f : devices::description(device).fields()) {
        if (f.role == Role::Result) continue;
        header.push_back(options.keys ? f.key : columnTitle(f));
        defaults.push_back(f.defaultText);
    }
    writeCsvRecord(out, header);
    writeCsvRecord(out, defaults);
}

}  // namespace orvane::batch
