#pragma once
// Sizing a table of cases, one case per row, as an engineer would size each in a freshly opened
// calculator window.
//
// Pipeline: CSV header -> the field of each column (by key or caption) -> for every row: the row as a
// case (its option, lists and fields, each empty cell at the window's default), input parameters
// derived, the row's property values and relief capacity over what they gave, the case sized -> the
// row as read, the six results as the window would show them and a status (完成, or the window's
// message on one line). No window is made; rows are read and written one at a time; nothing is kept
// from one row to the next.

#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "sizing/description.h"

namespace orvane::batch {

// A table that cannot be sized at all: no header, unknown or repeated columns, a row with more
// cells than the header, text that is no CSV. One line naming the fault.
class BadTable : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The status of a row sized without a notice.
inline constexpr std::string_view kSized = "完成";
// The name of the status column of the table written.
inline constexpr std::string_view kStatusColumn = "status";

// The header of a table: the field of each column. Columns with an empty name are carried along
// unread. Throws BadTable naming unknown columns, result columns and repeated ones.
class Columns {
  public:
    Columns(Device device, const std::vector<std::string>& header);

    Device device() const { return device_; }
    std::size_t size() const { return keys_.size(); }
    // The field read from column i, or null for a column carried along unread.
    const FieldInfo* key(std::size_t i) const { return keys_[i]; }

  private:
    Device device_;
    std::vector<const FieldInfo*> keys_;
};

struct RowResult {
    std::array<std::string, 6> results;  // in the order of resultKeys()
    std::string status;                  // kSized, or the message the window would show
    bool sized = false;
};

// The six result keys of a window kind, in the order the table holds them.
std::array<std::string_view, 6> resultKeys(Device device);

// Sizes one row (cells beyond the header's width are not read; missing cells count as empty).
RowResult sizeRow(const Columns& columns, const std::vector<std::string>& cells);

struct Summary {
    std::int64_t rows = 0;   // cases sized or tried
    std::int64_t sized = 0;  // of them, finished without a notice
};

// Reads a table from `in` (UTF-8 text) and writes it with results and status to `out`, header
// first; rows whose cells are all empty are skipped. `progress` is called with the number of rows
// done after every `progressEvery` rows. Throws BadTable; what was written to `out` by then is
// incomplete.
Summary sizeTable(Device device, std::istream& in, std::ostream& out,
                  const std::function<void(std::int64_t)>& progress = {}, std::int64_t progressEvery = 10000);

// A header row of the input keys (and relief_capacity_kg_h) and one row with the window's defaults.
void writeTemplate(Device device, std::ostream& out);

}  // namespace orvane::batch
