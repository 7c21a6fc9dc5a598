// Number text: any byte string is read, written back in single and double precision and read again.
//
// Properties:
//  - readNumber throws nothing but NumericFault(Overflow), and only when the leading number of the
//    text lies beyond the double range;
//  - what it reads equals what an independent reading of the same leading number gives (strtod on
//    its ASCII form), never an infinity, a NaN or a negative zero;
//  - writeSingle of the float rounding (where it fits a float) and writeDouble give a number text as
//    fuzz_checks.h describes it, which reads back to a value that is written the same way again and
//    lies within half a unit of the last written digit of the first value.
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine/number_text.h"
#include "engine/numeric_fault.h"
#include "fuzz_checks.h"

namespace {

using orvane::fuzz::fail;
using orvane::fuzz::printable;

// One code point at `pos` as the reader decodes UTF-8 (lead byte and continuation bytes; a broken
// sequence, an overlong form, a surrogate or a value beyond U+10FFFF is one character that is no part
// of a number).
char32_t codePoint(std::string_view s, std::size_t& pos) {
    constexpr char32_t kBroken = 0xFFFFFFFF;
    const auto b = static_cast<unsigned char>(s[pos]);
    if (b < 0x80) {
        ++pos;
        return b;
    }
    const int extra = (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : 0;
    if (extra == 0 || pos + static_cast<std::size_t>(extra) >= s.size()) {
        ++pos;
        return kBroken;
    }
    char32_t cp = b & (0x3Fu >> extra);
    for (int i = 1; i <= extra; ++i) {
        const auto c = static_cast<unsigned char>(s[pos + static_cast<std::size_t>(i)]);
        if ((c & 0xC0) != 0x80) {
            ++pos;
            return kBroken;
        }
        cp = (cp << 6) | (c & 0x3Fu);
    }
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
        ++pos;
        return kBroken;
    }
    pos += static_cast<std::size_t>(extra) + 1;
    return cp;
}

char asciiOf(char32_t cp) {
    if (cp < 0x80) return static_cast<char>(cp);
    if (cp >= 0xFF10 && cp <= 0xFF19) return static_cast<char>('0' + (cp - 0xFF10));
    switch (cp) {
        case 0xFF0E: case 0x3002: return '.';  // full-width point, ideographic full stop
        case 0xFF0B: return '+';
        case 0xFF0D: case 0x2212: return '-';  // full-width hyphen-minus, minus sign
        case 0xFF45: return 'e';
        case 0xFF25: return 'E';
        default: return '\x01';
    }
}

bool blank(char32_t cp) { return cp == ' ' || cp == '\t' || cp == 0x3000 || cp == 0xA0; }

// The reference reading: the leading number of the text in ASCII, as the documented grammar has it
// (blanks, sign, digits, point, fraction, exponent; full-width forms read as ASCII), or "" when the
// text does not begin with a number.
std::string leadingNumber(std::string_view s) {
    std::size_t pos = 0;
    std::vector<char> chars;  // the text as number characters after the blanks
    while (pos < s.size()) {
        std::size_t next = pos;
        const char32_t cp = codePoint(s, next);
        if (!blank(cp)) break;
        pos = next;
    }
    while (pos < s.size()) chars.push_back(asciiOf(codePoint(s, pos)));
    chars.push_back('\0');

    std::string out;
    std::size_t i = 0;
    if (chars[i] == '+' || chars[i] == '-') {
        if (chars[i] == '-') out.push_back('-');
        ++i;
    }
    bool digits = false;
    while (orvane::fuzz::isDigit(chars[i])) out.push_back(chars[i++]), digits = true;
    if (chars[i] == '.') {
        out.push_back(chars[i++]);
        while (orvane::fuzz::isDigit(chars[i])) out.push_back(chars[i++]), digits = true;
    }
    if (!digits) return {};
    if (chars[i] == 'e' || chars[i] == 'E') {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (chars[j] == '+' || chars[j] == '-') exp.push_back(chars[j++]);
        bool expDigits = false;
        while (orvane::fuzz::isDigit(chars[j])) exp.push_back(chars[j++]), expDigits = true;
        if (expDigits) out += exp;
    }
    return out;
}

// What the reference reading gives: a value, or overflow.
struct Reference {
    bool overflow = false;
    double value = 0;
};

Reference referenceReading(std::string_view text) {
    const std::string ascii = leadingNumber(text);
    if (ascii.empty()) return {};
    errno = 0;
    char* end = nullptr;
    const double v = std::strtod(ascii.c_str(), &end);
    if (end != ascii.c_str() + ascii.size()) fail("reference: strtod stopped early in \"%s\"", ascii.c_str());
    if (std::isinf(v)) return {true, 0};
    return {false, v == 0.0 ? 0.0 : v};
}

// Half a unit of the last of `digits` significant digits of v, with room for the rounding of the
// value read back.
double halfLastDigit(double v, int digits) {
    const double exponent = std::floor(std::log10(std::fabs(v)));
    return 0.5 * std::pow(10.0, exponent - digits + 1) * 1.000001 + 4 * std::fabs(std::nextafter(v, INFINITY) - v);
}

void checkWriting(double v, std::string_view input) {
    using orvane::fuzz::checkWrittenNumber;
    using orvane::fuzz::Written;
    const std::string where = "input \"" + printable(input) + "\"";

    const std::string d = orvane::writeDouble(v);
    checkWrittenNumber(d, Written::Double, where + ", writeDouble");
    const double dBack = orvane::readNumber(d);
    // The doubles whose 15-digit rounding would lie beyond the double range are written as the
    // largest 15-digit number below it.
    constexpr double kLargestFifteenDigits = 1.79769313486231e308;
    const bool clamped = std::fabs(v) > kLargestFifteenDigits && std::fabs(dBack) == kLargestFifteenDigits &&
                         std::signbit(dBack) == std::signbit(v);
    if (std::fabs(v) >= DBL_MIN && !clamped && std::fabs(dBack - v) > halfLastDigit(v, 15)) {
        fail("%s: %.17g is written \"%s\", which reads back as %.17g", where.c_str(), v, d.c_str(), dBack);
    }

    if (std::fabs(v) > static_cast<double>(FLT_MAX)) return;  // storing it is an overflow: no float to write
    const auto f = static_cast<float>(v);
    if (std::isinf(f)) return;  // rounds up beyond the float range
    const std::string s = orvane::writeSingle(f);
    checkWrittenNumber(s, Written::Single, where + ", writeSingle");
    const auto fBack = static_cast<float>(orvane::readNumber(s));
    if (std::fabs(f) >= FLT_MIN && std::fabs(static_cast<double>(fBack) - static_cast<double>(f)) >
                                       halfLastDigit(static_cast<double>(f), 7) + static_cast<double>(
                                           std::nextafter(std::fabs(fBack), INFINITY) - std::fabs(fBack))) {
        fail("%s: float %.9g is written \"%s\", which reads back as %.9g", where.c_str(),
             static_cast<double>(f), s.c_str(), static_cast<double>(fBack));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Reference ref = referenceReading(text);

    double v = 0;
    try {
        v = orvane::readNumber(text);
    } catch (const orvane::NumericFault& fault) {
        if (fault.kind() != orvane::FaultKind::Overflow) {
            fail("reading \"%s\" throws a fault other than overflow", printable(text).c_str());
        }
        if (!ref.overflow) {
            fail("reading \"%s\" reports an overflow; the leading number is %.17g", printable(text).c_str(),
                 ref.value);
        }
        return 0;
    }
    if (ref.overflow) fail("reading \"%s\" gives %.17g, not an overflow", printable(text).c_str(), v);
    if (!std::isfinite(v)) fail("reading \"%s\" gives %g", printable(text).c_str(), v);
    if (v == 0.0 && std::signbit(v)) fail("reading \"%s\" gives a negative zero", printable(text).c_str());
    // Below the smallest double the conversion reads zero where strtod may round to the smallest.
    const bool underflow = v == 0.0 && std::fabs(ref.value) <= 4.9406564584124654e-324;
    if (v != ref.value && !underflow) {
        fail("reading \"%s\" gives %.17g; its leading number is %.17g", printable(text).c_str(), v, ref.value);
    }
    checkWriting(v, text);
    return 0;
}
