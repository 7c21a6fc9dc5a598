#include "batch.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "csv.h"
#include "devices/devices.h"
#include "sizing/derivation.h"
#include "sizing/messages.h"

namespace orvane::batch {

namespace {

// The fields input parameters fills and a value the row gives is put again over what it wrote: the
// medium's properties and the gas density; then the relief capacity.
bool givenOverDerivation(const FieldInfo& f) {
    return f.role == Role::Property || f.field == Field::GasDensity || f.field == Field::ReliefCapacity;
}

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// A caption with its blanks taken out: "全启式" chooses "全 启 式".
std::string withoutBlanks(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == ' ' || s[i] == '\t') continue;
        if (s.substr(i, 3) == "\u3000") {  // ideographic space
            i += 2;
            continue;
        }
        out.push_back(s[i]);
    }
    return out;
}

// The key a column name gives: the key itself or the caption on the window, whose blanks need not
// be typed as the window spaces them ("介质" for "介  质").
const FieldInfo* keyNamed(Device device, std::string_view name) {
    const Description& d = devices::description(device);
    if (const FieldInfo* f = d.byKey(name)) return f;
    const std::string bare = withoutBlanks(name);
    for (const FieldInfo& f : d.fields()) {
        if (withoutBlanks(f.caption) == bare) return &f;
    }
    return nullptr;
}

std::string quoted(std::string_view s) {
    std::string out(1, '"');
    out += s;
    out += '"';
    return out;
}

// The message a window would show, on one line.
std::string oneLine(std::string text) {
    std::ranges::replace(text, '\n', ' ');
    return text;
}

// The caption of the option the cell names (its blanks need not be typed), or null.
const OptionInfo* optionNamed(Device device, std::string_view cell) {
    const std::string wanted = withoutBlanks(cell);
    for (const OptionInfo& o : devices::description(device).options()) {
        if (withoutBlanks(o.caption) == wanted) return &o;
    }
    return nullptr;
}

std::string unknownOption(Device device, std::string_view cell) {
    std::string text = std::string(device == Device::SafetyValve ? "未知的安全阀型式" : "未知的爆破片型式") +
                       "：“" + std::string(cell) + "”不是";
    bool first = true;
    for (const OptionInfo& o : devices::description(device).options()) {
        text += first ? "“" : "、“";
        text += o.caption;
        text += "”";
        first = false;
    }
    return text + "之一，未计算。";
}

}  // namespace

RowResult sizeRow(const Columns& columns, const std::vector<std::string>& cells) {
    const Device device = columns.device();
    const Description& d = devices::description(device);
    RowResult row;
    const auto cell = [&](std::size_t i) -> std::string_view {
        if (i < cells.size()) return cells[i];
        return {};
    };

    // The option, the lists and the fields as the row gives them; an empty cell keeps the default.
    Case c = devices::freshCase(device);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const FieldInfo* f = columns.key(i);
        if (f == nullptr || cell(i).empty()) continue;
        if (f->role == Role::Option) {
            const OptionInfo* option = optionNamed(device, cell(i));
            if (option == nullptr) {
                row.status = unknownOption(device, cell(i));
                return row;
            }
            c[f->field].text = option->caption;
        } else if (!f->isResult()) {
            c[f->field].text = cell(i);
        }
    }
    ProgramValues shared;
    const Derivation derivation = devices::derive(c, shared, Detail::ResultsOnly);
    if (!isDone(derivation.outcome)) {
        row.status = oneLine(describe(derivation.outcome).text);
        return row;
    }
    applyDerivation(c, derivation);
    // What the row says of the medium wins over the catalogue; then a given relief capacity.
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const FieldInfo* f = columns.key(i);
        if (f != nullptr && !cell(i).empty() && givenOverDerivation(*f)) c[f->field] = CaseValue{std::string(cell(i)), Source::Typed, {}};
    }
    const CalculationRecord record = devices::size(c, shared, Detail::ResultsOnly);

    // The results as the window would show them: what the calculation wrote over what was there.
    std::size_t n = 0;
    for (const FieldInfo& f : d.fields()) {
        if (!f.isResult() || n == row.results.size()) continue;
        const RecordResult* written = record.result(f.field);
        row.results[n++] = written != nullptr ? written->text : c.text(f.field);
    }
    row.sized = isDone(record.outcome);
    row.status = row.sized ? std::string(kSized) : oneLine(describe(record.outcome).text);
    return row;
}

namespace {

bool allEmpty(const std::vector<std::string>& cells) {
    return std::ranges::all_of(cells, [](const std::string& c) { return c.empty(); });
}

}  // namespace

Columns::Columns(Device device, const std::vector<std::string>& header) : device_(device) {
    std::vector<std::string> unknown, results;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string_view name = trimmed(header[i]);
        const FieldInfo* key = name.empty() ? nullptr : keyNamed(device, name);
        if (!name.empty() && key == nullptr) unknown.push_back(quoted(name));
        if (key != nullptr && key->role == Role::Result) results.push_back(quoted(name));
        for (std::size_t j = 0; key != nullptr && j < keys_.size(); ++j) {
            if (keys_[j] == key) {
                throw BadTable("columns " + std::to_string(j + 1) + " and " + std::to_string(i + 1) +
                               " both give " + std::string(key->key));
            }
        }
        keys_.push_back(key);
    }
    const auto list = [](const std::vector<std::string>& names) {
        std::string out;
        for (const std::string& n : names)
            out += (out.empty() ? "" : ", ") + n;
        return out;
    };
    if (!unknown.empty()) {
        throw BadTable("unknown column" + std::string(unknown.size() > 1 ? "s " : " ") + list(unknown) +
                       " for the " + std::string(deviceName(device)) +
                       " (name a column by its key or by its caption on the window; see --template)");
    }
    if (!results.empty()) {
        throw BadTable("column" + std::string(results.size() > 1 ? "s " : " ") + list(results) +
                       (results.size() > 1 ? " are results" : " is a result") +
                       " of the calculation, not an input (only relief_capacity_kg_h may be given)");
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

Summary sizeTable(Device device, std::istream& in, std::ostream& out,
                  const std::function<void(std::int64_t)>& progress, std::int64_t progressEvery) {
    try {
        CsvReader reader(in);
        std::vector<std::string> cells;
        if (!reader.next(cells)) throw BadTable("the table is empty: it has no header row");
        const Columns columns(device, cells);

        for (std::string_view key : resultKeys(device))
            cells.emplace_back(key);
        cells.emplace_back(kStatusColumn);
        writeCsvRecord(out, cells);

        Summary summary;
        while (reader.next(cells)) {
            if (allEmpty(cells)) continue;
            if (cells.size() > columns.size()) {
                const auto filled = std::find_if(cells.rbegin(), cells.rend(),
                                                 [](const std::string& c) { return !c.empty(); });
                const auto used = static_cast<std::size_t>(cells.rend() - filled);
                if (used > columns.size()) {
                    throw BadTable("line " + std::to_string(reader.recordLine()) + ": " +
                                   std::to_string(used) + " cells, but the header names " +
                                   std::to_string(columns.size()) + " columns");
                }
            }
            cells.resize(columns.size());
            RowResult row = sizeRow(columns, cells);
            for (std::string& r : row.results)
                cells.push_back(std::move(r));
            cells.push_back(std::move(row.status));
            writeCsvRecord(out, cells);

            ++summary.rows;
            if (row.sized) ++summary.sized;
            if (progress && progressEvery > 0 && summary.rows % progressEvery == 0) progress(summary.rows);
        }
        return summary;
    } catch (const CsvError& e) {
        throw BadTable(e.what());
    }
}

void writeTemplate(Device device, std::ostream& out) {
    std::vector<std::string> header, defaults;
    for (const FieldInfo& f : devices::description(device).fields()) {
        if (f.role == Role::Result) continue;
        header.push_back(f.key);
        defaults.push_back(f.defaultText);
    }
    writeCsvRecord(out, header);
    writeCsvRecord(out, defaults);
}

}  // namespace orvane::batch
