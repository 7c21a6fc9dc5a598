#include "csv.h"

#include <istream>
#include <ostream>

namespace orvane::batch {

namespace {

constexpr int kEnd = std::char_traits<char>::eof();

std::string number(std::int64_t n) { return std::to_string(n); }

// No cell of a case comes near this; a longer one is a file that is no table, and reading stops
// before it fills the memory.
constexpr std::size_t kLongestField = 64 * 1024;
constexpr std::size_t kMostFields = 1024;

void append(std::string& field, int c, std::int64_t line) {
    if (field.size() >= kLongestField) throw CsvError("line %1: a cell longer than 64 KiB", {number(line)});
    field.push_back(static_cast<char>(c));
}

}  // namespace

std::string FaultText::filled() const {
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] >= '1' && format[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(format[i + 1] - '1');
            if (n < args.size()) out += args[n];
            ++i;
            continue;
        }
        out.push_back(format[i]);
    }
    return out;
}

int CsvReader::get() {
    const int c = in_.rdbuf()->sbumpc();
    if (c == '\n') ++line_;
    return c;
}

bool CsvReader::next(std::vector<std::string>& fields) {
    fields.clear();
    std::streambuf& buf = *in_.rdbuf();
    std::string field;
    if (!started_) {
        started_ = true;
        // A UTF-8 byte order mark, as spreadsheets write it; other bytes stay the field's beginning.
        for (const char bom : {'\xEF', '\xBB', '\xBF'}) {
            if (buf.sgetc() != static_cast<unsigned char>(bom)) break;
            field.push_back(static_cast<char>(buf.sbumpc()));
        }
        if (field.size() == 3) field.clear();
    }
    if (field.empty() && buf.sgetc() == kEnd) return false;
    recordLine_ = line_;

    for (;;) {
        int c = get();
        if (c == '"' && field.empty()) {
            // A quoted field: up to the quote that is not doubled.
            const std::int64_t opened = line_;
            for (;;) {
                c = get();
                if (c == kEnd) throw CsvError("line %1: a quoted field is not closed", {number(opened)});
                if (c == '"') {
                    if (buf.sgetc() != '"') break;
                    get();
                }
                append(field, c, opened);
            }
            c = get();
            if (c == '\r' && buf.sgetc() == '\n') c = get();
            if (c != ',' && c != '\n' && c != kEnd) {
                throw CsvError("line %1: text after the closing quote of a field", {number(line_)});
            }
        } else {
            while (c != ',' && c != '\n' && c != kEnd) {
                if (c == '\r' && buf.sgetc() == '\n') {
                    c = get();
                    break;
                }
                if (c == '"')
                    throw CsvError("line %1: a quote inside a field that does not begin with one", {number(line_)});
                append(field, c, line_);
                c = get();
            }
        }
        if (fields.size() == kMostFields)
            throw CsvError("line %1: more than 1024 cells in a row", {number(recordLine_)});
        fields.push_back(std::move(field));
        field.clear();
        if (c != ',') return true;
    }
}

void writeCsvRecord(std::ostream& out, std::span<const std::string> fields) {
    std::string line;  // the record, written at once
    for (const std::string& f : fields) {
        if (!line.empty() || &f != fields.data()) line += ',';
        if (f.find_first_of(",\"\r\n") == std::string::npos) {
            line += f;
            continue;
        }
        line += '"';
        for (char c : f) {
            if (c == '"') line += '"';
            line += c;
        }
        line += '"';
    }
    line += "\r\n";
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
}

}  // namespace orvane::batch
