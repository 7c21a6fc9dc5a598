#pragma once
// Sizing a table of cases, one case per row, as an engineer would size each in a freshly opened
// calculator window, but reading the table as data from another program: strictly.
//
// Pipeline: CSV header -> the field of each column (by key or caption; any other column is passed
// through unread) -> for every row: its cells checked (a number cell is wholly a number), the row as
// a case, input parameters derived, the row's property values and relief capacity over what they
// gave, the case sized -> the blank cells the case uses named (or, with defaults, filled with the
// window's and sized again) -> the row as read, the six results as the window would show them and a
// status (完成, or why not, on one line). No window is made; rows are read and written one at a
// time; nothing is kept from one row to the next.

#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "csv.h"
#include "sizing/description.h"

namespace orvane::batch {

// A table that cannot be sized at all: no header, repeated columns, a result column other than the
// relief capacity, text that is no CSV. One line naming the fault, in English with its arguments
// apart (csv.h), for a caller to translate.
class BadTable : public std::runtime_error {
  public:
    explicit BadTable(std::string format, std::vector<std::string> args = {})
        : std::runtime_error(FaultText{format, args}.filled()), text_{std::move(format), std::move(args)} {}
    explicit BadTable(const FaultText& text) : BadTable(text.format, text.args) {}
    const FaultText& text() const { return text_; }

  private:
    FaultText text_;
};

// The status of a row sized without a notice.
inline constexpr std::string_view kSized = "完成";

struct Options {
    // A blank cell (or a missing column) of a field the row's case uses takes the window's default,
    // and the status lists each default used; without it such a row is not sized.
    bool defaults = false;
    // The header written names columns by key ("relief_capacity_kg_h"), not by caption and unit
    // ("安全泄放量 kg/h").
    bool keys = false;
};

// The header of a table: the field of each column. A column the device has no field for is passed
// through unread. Throws BadTable for repeated columns and result columns.
class Columns {
  public:
    Columns(Device device, const std::vector<std::string>& header);

    Device device() const { return device_; }
    std::size_t size() const { return keys_.size(); }
    // The field read from column i, or null for a column passed through.
    const FieldInfo* key(std::size_t i) const { return keys_[i]; }
    // The names of the columns passed through, in their order (empty names left out).
    const std::vector<std::string>& passedThrough() const { return passedThrough_; }

  private:
    Device device_;
    std::vector<const FieldInfo*> keys_;
    std::vector<std::string> passedThrough_;
};

struct RowResult {
    std::array<std::string, 6> results;  // in the order of resultKeys()
    std::string status;                  // kSized (perhaps with the defaults used), or why not
    bool sized = false;
};

// The six result keys of a device, in the order the table holds them.
std::array<std::string_view, 6> resultKeys(Device device);
// How a column is titled in a table written by caption: the caption with its unit ("安全泄放量 kg/h",
// "气化潜热 kJ/kg", "k"); a table may name a column so.
std::string columnTitle(const FieldInfo& f);
// The title of the status column.
std::string_view statusTitle(const Options& options);

// Sizes one row (missing cells count as blank). `line` is the row's line in the table, for its status.
RowResult sizeRow(const Columns& columns, const std::vector<std::string>& cells, std::int64_t line,
                  const Options& options = {});

struct Summary {
    std::int64_t rows = 0;   // cases sized or tried
    std::int64_t sized = 0;  // of them, finished without a notice
    std::vector<std::string> passedThrough;  // the columns passed through unread
};

// Reads a table from `in` (UTF-8 text) and writes it with results and status to `out`, header
// first; rows whose cells are all empty are skipped. `header` is called once with the columns passed
// through, before any row is sized; `progress` with the number of rows done after every
// `progressEvery` rows. Throws BadTable; what was written to `out` by then is incomplete.
Summary sizeTable(Device device, std::istream& in, std::ostream& out, const Options& options = {},
                  const std::function<void(const Summary&)>& header = {},
                  const std::function<void(std::int64_t)>& progress = {}, std::int64_t progressEvery = 10000);

// A header row of the input columns (and the relief capacity) and one row with the window's defaults.
void writeTemplate(Device device, std::ostream& out, const Options& options = {});

}  // namespace orvane::batch
