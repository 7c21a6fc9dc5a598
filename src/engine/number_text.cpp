#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <memory>
#include <system_error>

#include "numeric_fault.h"

namespace orvane {

namespace {

// The characters besides ASCII that a number may be typed with, as UTF-8, and the ASCII character
// each stands for. Full-width forms come from Chinese input methods in full-width mode; "。" is the
// point such a method types; the ideographic and the no-break space are blanks. Only these exact
// byte sequences count, so broken or overlong UTF-8 is never a digit in disguise.
struct WideSpelling {
    std::string_view utf8;
    char ascii;
};
constexpr WideSpelling kWideSpellings[] = {
    {"０", '0'}, {"１", '1'}, {"２", '2'}, {"３", '3'}, {"４", '4'}, {"５", '5'}, {"６", '6'},
    {"７", '7'}, {"８", '8'}, {"９", '9'}, {"．", '.'}, {"。", '.'}, {"＋", '+'}, {"－", '-'},
    {"−", '-'},  {"ｅ", 'e'}, {"Ｅ", 'E'}, {"\u3000", ' '}, {"\u00A0", ' '},
};

// Where a number's decimal exponent stops growing as its digits are read: far beyond any exponent a
// double can use, far below where a long long would overflow [equivalent mutants: constant].
constexpr long long kExponentCap = 1'000'000'000;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A scanner over the text that yields its characters byte by byte, the wide spellings of number
// characters translated; a byte beyond ASCII outside them is no character of a number.
class Scanner {
public:
    explicit Scanner(std::string_view s) : s_(s) {}

    char peek() {
        const std::string_view rest = s_.substr(pos_);
        next_ = pos_ + 1;
        // The end of the text: any character that is no part of a number would do
        // [equivalent mutants: constant].
        if (rest.empty()) return 0;
        // A shortcut only: ASCII starts no wide spelling [equivalent mutants: comparison, constant].
        if (static_cast<unsigned char>(rest.front()) < 0x80) return rest.front();
        for (const WideSpelling& w : kWideSpellings) {
            if (rest.starts_with(w.utf8)) {
                next_ = pos_ + w.utf8.size();
                return w.ascii;
            }
        }
        return rest.front();
    }
    void advance() { pos_ = next_; }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t p) { pos_ = p; }

private:
    std::string_view s_;
    std::size_t pos_ = 0;
    std::size_t next_ = 0;  // set by peek before any advance [equivalent mutants: constant]
};

// For a number the conversion found out of the double range: whether it is too large, rather than
// too small. Its leading significant digit then stands before the decimal point once the exponent is
// applied.
bool tooLarge(std::string_view mantissa, long long exponent) {
    // Significant digits before the point, and zeros after the point before the first significant
    // digit. Counts that started at 1 would move the place by one only.
    long long intDigits = 0;             // [equivalent mutants: constant]
    long long leadingFractionZeros = 0;  // [equivalent mutants: constant]
    bool seenPoint = false;
    bool significant = false;
    for (char c : mantissa) {
        if (c == '.') {
            seenPoint = true;
        } else if (c != '0' || significant) {
            if (!seenPoint) ++intDigits;
            significant = true;
        } else if (seenPoint) {
            ++leadingFractionZeros;
        }
    }
    // One of the two counts is 0: 123e5 stands 8 places before the point, 0.001e5 3 places.
    const long long placesBeforePoint = intDigits - leadingFractionZeros + exponent;
    // Out of the double range these are beyond +300 or -300, so a bound moved by one decides alike
    // [equivalent mutants: comparison, constant].
    return placesBeforePoint > 0;
}

}  // namespace

namespace {

// The leading number of a text as the program reads it: its ASCII spelling for the conversion, its
// mantissa and decimal exponent, and where in the text it ends.
struct LeadingNumber {
    bool digits = false;  // there is a number at all
    std::string ascii;
    std::string mantissa;
    long long exponent = 0;
    std::size_t end = 0;  // the byte after it
};

LeadingNumber leadingNumber(std::string_view text) {
    LeadingNumber n;
    Scanner in(text);
    while (isBlank(in.peek())) in.advance();

    char c = in.peek();
    if (c == '+' || c == '-') {
        if (c == '-') n.ascii.push_back('-');
        in.advance();
        c = in.peek();
    }
    while (isDigit(c)) {
        n.mantissa.push_back(c);
        n.digits = true;
        in.advance();
        c = in.peek();
    }
    if (c == '.') {
        n.mantissa.push_back('.');
        in.advance();
        c = in.peek();
        while (isDigit(c)) {
            n.mantissa.push_back(c);
            n.digits = true;
            in.advance();
            c = in.peek();
        }
    }
    if (!n.digits) return n;
    n.ascii += n.mantissa;

    // The exponent serves only to tell an overflow from an underflow, hundreds of decades apart.
    if (c == 'e' || c == 'E') {
        const std::size_t mark = in.position();
        in.advance();
        std::string exp = "e";
        char s = in.peek();
        bool negative = false;
        if (s == '+' || s == '-') {
            negative = s == '-';
            exp.push_back(s);
            in.advance();
            s = in.peek();
        }
        bool expDigits = false;
        while (isDigit(s)) {
            exp.push_back(s);
            // Stopping at the cap or one digit later decides alike [equivalent mutants: comparison].
            if (n.exponent < kExponentCap) n.exponent = n.exponent * 10 + (s - '0');
            expDigits = true;
            in.advance();
            s = in.peek();
        }
        if (expDigits) {
            if (negative) n.exponent = -n.exponent;
            n.ascii += exp;
        } else {
            in.rewind(mark);
            // No exponent after all: one of 0 or 1 decides alike [equivalent mutants: constant].
            n.exponent = 0;
        }
    }
    n.end = in.position();
    return n;
}

// The common short number ("0.8", "2000", "1.05E-3") without the general conversion: its digits
// as an integer m of at most 15 digits (exact in a double) and a decimal exponent e with |e| ≤ 22
// (10^|e| exact in a double) give m × 10^e or m / 10^-e in one correctly rounded operation, the
// same double the general conversion gives. Anything else is left to it.
std::optional<double> shortNumber(const LeadingNumber& n) {
    static constexpr std::array<double, 23> kPowers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::uint64_t m = 0;
    int digits = 0;
    long long exponent = n.exponent;
    bool fraction = false;
    for (const char c : n.mantissa) {
        if (c == '.') {
            fraction = true;
            continue;
        }
        if (m == 0 && c == '0') {  // leading zeros add nothing
            if (fraction) --exponent;
            continue;
        }
        if (++digits > 15) return std::nullopt;
        m = m * 10 + static_cast<std::uint64_t>(c - '0');
        if (fraction) --exponent;
    }
    if (exponent < -22 || exponent > 22) return std::nullopt;
    const double magnitude = static_cast<double>(m);
    const double value = exponent < 0 ? magnitude / kPowers[static_cast<std::size_t>(-exponent)]
                                      : magnitude * kPowers[static_cast<std::size_t>(exponent)];
    return n.ascii.starts_with('-') ? -value : value;
}

}  // namespace

double readNumber(std::string_view text) {
    const LeadingNumber n = leadingNumber(text);
    if (!n.digits) return 0.0;
    if (const std::optional<double> quick = shortNumber(n)) return *quick == 0.0 ? 0.0 : *quick;
    double value = 0.0;  // set by the conversion, or not used [equivalent mutants: constant]
    const char* const first = std::to_address(n.ascii.begin());
    const auto [end, ec] = std::from_chars(first, std::to_address(n.ascii.end()), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        if (tooLarge(n.mantissa, n.exponent)) throw NumericFault(FaultKind::Overflow);
        return 0.0;  // too small for a double: it reads as zero
    }
    if (ec != std::errc() || !std::isfinite(value)) throw NumericFault(FaultKind::Overflow);
    return value == 0.0 ? 0.0 : value;  // no negative zero
}

bool wholeNumberText(std::string_view text) {
    const LeadingNumber n = leadingNumber(text);
    if (!n.digits) return false;
    Scanner rest(text.substr(n.end));
    while (isBlank(rest.peek())) rest.advance();
    return rest.position() == text.size() - n.end;
}

bool beginsWithNumber(std::string_view text) {
    Scanner in(text);
    while (isBlank(in.peek())) in.advance();
    char c = in.peek();
    if (c == '+' || c == '-') {
        in.advance();
        c = in.peek();
    }
    if (c == '.') {
        in.advance();
        c = in.peek();
    }
    return isDigit(c);
}

namespace {

std::string writeGeneral(double value, int precision) {
    if (value == 0.0) return "0";  // also a negative zero
    if (!std::isfinite(value)) return {};  // never stored: the checked arithmetic stops first
    std::array<char, 64> buf{};
    const auto [end, ec] =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, precision);
    if (ec != std::errc()) return "0";
    std::string out(buf.data(), end);
    for (char& ch : out) {
        if (ch == 'e') ch = 'E';
    }
    return out;
}

}  // namespace

std::string writeSingle(float value) {
    const std::string text = writeGeneral(static_cast<double>(value), 7);
    // A few floats (next to 1E+28 and 1E-38) round to a 7-digit text that names a neighbouring float
    // with a 7-digit text of its own. They show that one: a text the program writes reads back to a
    // float that is written the same way again, so a value carried over in a field does not change.
    const auto named = static_cast<float>(readNumber(text));
    return named == value ? text : writeGeneral(static_cast<double>(named), 7);
}

std::string writeRounded(double value, int digits) {
    // Rounded first, then written as a float would be, so that fewer digits never switch to the
    // exponent form earlier than 7 would.
    const std::string rounded = writeGeneral(value, digits);
    return rounded.empty() ? rounded : writeGeneral(readNumber(rounded), 7);
}

double roundedValue(double value, int digits) {
    if (value == 0.0 || !std::isfinite(value)) return 0.0;  // as writeGeneral gives "0" or nothing
    std::array<char, 64> buf{};
    const auto written = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, digits);
    if (written.ec != std::errc()) return 0.0;
    double rounded = 0.0;  // set by the conversion of what was just written
    std::from_chars(buf.data(), written.ptr, rounded);
    return rounded == 0.0 ? 0.0 : rounded;
}

std::string writeDouble(double value) {
    // Rounded to 15 digits, the doubles next to the largest one would give a text beyond the double
    // range, which could not be read back: they show as the largest 15-digit number below it.
    constexpr double kLargestFifteenDigits = 1.79769313486231e308;
    // At the bound itself either way writes the same text [equivalent mutants: comparison].
    const bool beyond = std::fabs(value) > kLargestFifteenDigits;
    if (beyond) return std::signbit(value) ? "-1.79769313486231E+308" : "1.79769313486231E+308";
    return writeGeneral(value, 15);
}

std::string writeInteger(std::int64_t value) { return std::to_string(value); }

std::optional<int> wholeNumber(double value, int lowest, int highest) {
    // The bounds are compared as doubles (every int is one exactly) before anything is converted: a
    // NaN fails both comparisons, and only a value known to lie between two ints is made one.
    if (!(value >= lowest && value <= highest) || std::trunc(value) != value) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace orvane
