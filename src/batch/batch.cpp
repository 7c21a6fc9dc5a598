#include "batch.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "csv.h"
#include "disc/disc_input_rules.h"
#include "form/memory_form.h"
#include "form/messages.h"
#include "valve/valve_input_rules.h"

namespace orvane::batch {

namespace {

using casefile::CaseKey;
using casefile::KeyKind;

constexpr std::string_view kCapacityKey = "relief_capacity_kg_h";
// The fields of the medium's properties: input parameters fills them from the catalogue, and a
// value the row gives is typed again over what it wrote.
constexpr std::string_view kPropertyControls[] = {"Text9", "Text10", "Text11", "Text12",
                                                  "Text1", "Text18", "Text14"};

bool isProperty(std::string_view control) {
    return std::ranges::find(kPropertyControls, control) != std::end(kPropertyControls);
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
const CaseKey* keyNamed(Device device, std::string_view name) {
    if (const CaseKey* key = casefile::findKey(device, name)) return key;
    const std::string bare = withoutBlanks(name);
    for (const CaseKey& k : casefile::caseKeys(device)) {
        if (withoutBlanks(casefile::keyCaption(device, k)) == bare) return &k;
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

// The option button whose caption the cell names, or an empty view.
std::string_view optionNamed(Device device, std::string_view cell) {
    const WindowTable& table = casefile::windowTableOf(device);
    const std::string wanted = withoutBlanks(cell);
    for (std::string_view option : casefile::optionControls(device)) {
        if (withoutBlanks(table.find(option)->text) == wanted) return option;
    }
    return {};
}

std::string unknownOption(Device device, std::string_view cell) {
    const WindowTable& table = casefile::windowTableOf(device);
    std::string text = std::string(device == Device::SafetyValve ? "未知的安全阀型式" : "未知的爆破片型式") +
                       "：“" + std::string(cell) + "”不是";
    bool first = true;
    for (std::string_view option : casefile::optionControls(device)) {
        text += first ? "“" : "、“";
        text += table.find(option)->text;
        text += "”";
        first = false;
    }
    return text + "之一，未计算。";
}

template <class Quantities, class InputParameters, class Calculate>
RowResult sizeOn(const Columns& columns, const std::vector<std::string>& cells,
                 InputParameters inputParameters, Calculate calculate) {
    const Device device = columns.device();
    const WindowTable& table = casefile::windowTableOf(device);
    MemoryForm form(table);
    Quantities q;
    ProgramValues shared;
    RowResult row;

    const auto cell = [&](std::size_t i) -> std::string_view {
        if (i < cells.size()) return cells[i];
        return {};
    };
    const auto finish = [&](const Outcome& outcome) {
        std::size_t n = 0;
        for (const CaseKey& k : casefile::caseKeys(device)) {
            if (k.kind == KeyKind::Result && n < row.results.size()) row.results[n++] = form.text(k.control);
        }
        row.sized = isDone(outcome);
        row.status = row.sized ? std::string(kSized) : oneLine(describe(outcome, table).text);
        return row;
    };

    // The option, the lists and the fields as the row gives them; an empty cell keeps the default.
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const CaseKey* key = columns.key(i);
        if (key == nullptr || cell(i).empty()) continue;
        if (key->kind == KeyKind::Option) {
            const std::string_view option = optionNamed(device, cell(i));
            if (option.empty()) {
                row.status = unknownOption(device, cell(i));
                return row;
            }
            form.select(option);
        } else if (key->kind == KeyKind::Field) {
            form.setText(key->control, cell(i));
        }
    }
    const Outcome prepared = inputParameters(form, q, shared);
    if (!isDone(prepared)) return finish(prepared);

    // What the row says of the medium wins over the catalogue; then a given relief capacity.
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const CaseKey* key = columns.key(i);
        if (key != nullptr && !cell(i).empty() && key->kind == KeyKind::Field && isProperty(key->control)) {
            form.setText(key->control, cell(i));
        }
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const CaseKey* key = columns.key(i);
        if (key != nullptr && !cell(i).empty() && key->key == kCapacityKey)
            form.setText(key->control, cell(i));
    }
    return finish(calculate(form, q, shared));
}

bool allEmpty(const std::vector<std::string>& cells) {
    return std::ranges::all_of(cells, [](const std::string& c) { return c.empty(); });
}

}  // namespace

Columns::Columns(Device device, const std::vector<std::string>& header) : device_(device) {
    std::vector<std::string> unknown, results;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string_view name = trimmed(header[i]);
        const CaseKey* key = name.empty() ? nullptr : keyNamed(device, name);
        if (!name.empty() && key == nullptr) unknown.push_back(quoted(name));
        if (key != nullptr && key->kind == KeyKind::Result && key->key != kCapacityKey)
            results.push_back(quoted(name));
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
                       " for the " + std::string(casefile::deviceName(device)) +
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
    for (const CaseKey& k : casefile::caseKeys(device)) {
        if (k.kind == KeyKind::Result && n < keys.size()) keys[n++] = k.key;
    }
    return keys;
}

RowResult sizeRow(const Columns& columns, const std::vector<std::string>& cells) {
    if (columns.device() == Device::SafetyValve) {
        return sizeOn<valve::ValveQuantities>(
            columns, cells,
            [](Form& f, valve::ValveQuantities& q, ProgramValues& s) {
                return valve::inputParameters(f, q, s);
            },
            [](Form& f, valve::ValveQuantities& q, ProgramValues& s) { return valve::calculate(f, q, s); });
    }
    return sizeOn<disc::DiscQuantities>(
        columns, cells,
        [](Form& f, disc::DiscQuantities& q, ProgramValues& s) { return disc::inputParameters(f, q, s); },
        [](Form& f, disc::DiscQuantities& q, ProgramValues& s) { return disc::calculate(f, q, s); });
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
    const WindowTable& table = casefile::windowTableOf(device);
    std::vector<std::string> header, defaults;
    for (const CaseKey& k : casefile::caseKeys(device)) {
        if (k.kind == KeyKind::Result && k.key != kCapacityKey) continue;
        header.emplace_back(k.key);
        if (k.kind == KeyKind::Option) {
            const auto options = casefile::optionControls(device);
            const auto chosen =
                std::ranges::find_if(options, [&](std::string_view o) { return table.find(o)->selected; });
            defaults.emplace_back(chosen != options.end() ? table.find(*chosen)->text : "");
        } else {
            defaults.emplace_back(table.find(k.control)->text);
        }
    }
    writeCsvRecord(out, header);
    writeCsvRecord(out, defaults);
}

}  // namespace orvane::batch
