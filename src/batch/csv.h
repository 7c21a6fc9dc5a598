#pragma once
// Comma-separated values as RFC 4180 writes them: fields separated by commas, records ended by CRLF
// (a lone LF is taken too), a field in double quotes may hold commas, line breaks and quotes written
// twice. The reader takes one record at a time from a stream of UTF-8 text, so a table of any length
// is read in constant memory; a UTF-8 byte order mark before the first record is skipped.

#include <cstdint>
#include <iosfwd>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane::batch {

// A message in English whose arguments stand as %1, %2 …: what() gives it filled in; a caller with
// translations looks the format up and fills in the same arguments.
struct FaultText {
    std::string format;
    std::vector<std::string> args;
    std::string filled() const;
};

// A text that is no CSV: a quote in the middle of an unquoted field, text after a closing quote, a
// quoted field that never closes. The message names the line.
class CsvError : public std::runtime_error {
  public:
    CsvError(std::string format, std::vector<std::string> args)
        : std::runtime_error(FaultText{format, args}.filled()), text_{std::move(format), std::move(args)} {}
    const FaultText& text() const { return text_; }

  private:
    FaultText text_;
};

class CsvReader {
  public:
    explicit CsvReader(std::istream& in) : in_(in) {}

    // The next record into `fields`; false at the end of the text. Throws CsvError.
    bool next(std::vector<std::string>& fields);
    // The line on which the record last read begins (1 for the first line of the text).
    std::int64_t recordLine() const { return recordLine_; }

  private:
    int get();

    std::istream& in_;
    std::int64_t line_ = 1;
    std::int64_t recordLine_ = 0;
    bool started_ = false;
};

// One record: fields holding a comma, a quote or a line break are quoted; CRLF ends it.
void writeCsvRecord(std::ostream& out, std::span<const std::string> fields);

}  // namespace orvane::batch
