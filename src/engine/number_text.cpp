#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

#include "numeric_fault.h"

namespace orvane {

namespace {

// Decodes one UTF-8 code point at `pos`; returns 0 for an invalid or truncated sequence.
char32_t decode(std::string_view s, std::size_t pos, std::size_t& length) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    length = 1;
    if (b0 < 0x80) return b0;
    int extra = 0;
    char32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        cp = b0 & 0x1Fu;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        cp = b0 & 0x0Fu;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        cp = b0 & 0x07u;
    } else {
        return 0;
    }
    if (pos + static_cast<std::size_t>(extra) >= s.size()) return 0;
    for (int i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + static_cast<std::size_t>(i)]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3Fu);
    }
    length = static_cast<std::size_t>(extra) + 1;
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
        length = 1;
        return 0;  // an overlong form or no character: not a digit in disguise
    }
    return cp;
}

// The ASCII character a code point stands for in a number, or 0. Full-width forms come from
// Chinese input methods in full-width mode; "。" is the point such a method types.
char numberChar(char32_t cp) {
    if (cp < 0x80) return static_cast<char>(cp);
    if (cp >= U'０' && cp <= U'９') return static_cast<char>('0' + static_cast<int>(cp - U'０'));
    switch (cp) {
        case U'．':
        case U'。': return '.';
        case U'＋': return '+';
        case U'－':
        case U'−': return '-';
        case U'ｅ': return 'e';
        case U'Ｅ': return 'E';
        default: return 0;
    }
}

bool isBlank(char32_t cp) { return cp == U' ' || cp == U'\t' || cp == U'\u3000' || cp == U'\u00A0'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A scanner over the text that yields number characters, full-width ones translated.
class Scanner {
public:
    explicit Scanner(std::string_view s) : s_(s) {}

    char peek() {
        if (pos_ >= s_.size()) return 0;
        std::size_t len = 0;
        const char32_t cp = decode(s_, pos_, len);
        next_ = pos_ + len;
        return numberChar(cp);
    }
    char32_t peekCodePoint() {
        if (pos_ >= s_.size()) return 0;
        std::size_t len = 0;
        const char32_t cp = decode(s_, pos_, len);
        next_ = pos_ + len;
        return cp;
    }
    void advance() { pos_ = next_; }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t p) { pos_ = p; }

private:
    std::string_view s_;
    std::size_t pos_ = 0;
    std::size_t next_ = 0;
};

// Decimal exponent of the leading significant digit, saturated; used only to tell an overflow
// from an underflow when the conversion reports a result out of range.
long long decimalMagnitude(std::string_view mantissa, long long exponent) {
    long long intDigits = 0;
    bool seenPoint = false;
    long long leadingFractionZeros = 0;
    bool significant = false;
    for (char c : mantissa) {
        if (c == '.') {
            seenPoint = true;
            continue;
        }
        if (!isDigit(c)) continue;
        if (!seenPoint) {
            if (significant || c != '0') {
                significant = true;
                ++intDigits;
            }
        } else if (!significant) {
            if (c == '0') {
                ++leadingFractionZeros;
            } else {
                significant = true;
            }
        }
    }
    return intDigits > 0 ? intDigits - 1 + exponent : exponent - leadingFractionZeros - 1;
}

}  // namespace

double readNumber(std::string_view text) {
    Scanner in(text);
    while (isBlank(in.peekCodePoint())) in.advance();

    std::string ascii;  // the number in ASCII, for the conversion
    ascii.reserve(32);
    std::string mantissa;
    char c = in.peek();
    if (c == '+' || c == '-') {
        if (c == '-') ascii.push_back('-');
        in.advance();
        c = in.peek();
    }
    bool digits = false;
    while (isDigit(c)) {
        mantissa.push_back(c);
        digits = true;
        in.advance();
        c = in.peek();
    }
    if (c == '.') {
        mantissa.push_back('.');
        in.advance();
        c = in.peek();
        while (isDigit(c)) {
            mantissa.push_back(c);
            digits = true;
            in.advance();
            c = in.peek();
        }
    }
    if (!digits) return 0.0;
    ascii += mantissa;

    long long exponent = 0;
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
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (s - '0');
            expDigits = true;
            in.advance();
            s = in.peek();
        }
        if (expDigits) {
            if (negative) exponent = -exponent;
            ascii += exp;
        } else {
            in.rewind(mark);
            exponent = 0;
        }
    }

    double value = 0.0;
    const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        if (decimalMagnitude(mantissa, exponent) > 0) throw NumericFault(FaultKind::Overflow);
        return 0.0;  // too small for a double: it reads as zero
    }
    if (ec != std::errc() || !std::isfinite(value)) throw NumericFault(FaultKind::Overflow);
    return value == 0.0 ? 0.0 : value;  // no negative zero
}

bool beginsWithNumber(std::string_view text) {
    Scanner in(text);
    while (isBlank(in.peekCodePoint())) in.advance();
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

std::string writeDouble(double value) {
    // Rounded to 15 digits, the doubles next to the largest one would give a text beyond the double
    // range, which could not be read back: they show as the largest 15-digit number below it.
    constexpr double kLargestFifteenDigits = 1.79769313486231e308;
    if (value > kLargestFifteenDigits) return "1.79769313486231E+308";
    if (value < -kLargestFifteenDigits) return "-1.79769313486231E+308";
    return writeGeneral(value, 15);
}

std::string writeInteger(std::int64_t value) { return std::to_string(value); }

}  // namespace orvane
