#pragma once
// Checks shared by the fuzz targets: how a failed property is reported, and what a number text that
// the program wrote must look like.
//
// A failed property prints one line and aborts, so libFuzzer saves the input as a crash file.

#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/number_text.h"
#include "engine/numeric_fault.h"

namespace orvane::fuzz {

[[noreturn]] inline void fail(const char* format, ...) __attribute__((format(printf, 1, 2)));

inline void fail(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::fputs("\n*** property failed: ", stderr);
    std::vfprintf(stderr, format, args);
    std::fputs("\n", stderr);
    va_end(args);
    std::abort();
}

inline std::string printable(std::string_view s) {
    std::string out;
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b != 0x7F && b != '\\') {
            out.push_back(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", b);
            out += buf;
        }
    }
    return out;
}

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The form every written number must have: an optional minus, digits, an optional point with
// digits that do not end in 0, an optional exponent "E+dd" / "E-ddd"; no blanks, never "-0", "inf"
// or "nan", at most `maxDigits` significant digits, and exponent form exactly when the value lies
// below 1E-04 or from 1E+maxDigits on. Returns what is wrong, or nothing.
inline std::string numberTextProblem(std::string_view t, int maxDigits) {
    if (t.empty()) return "empty";
    std::size_t i = 0;
    const bool negative = t[0] == '-';
    if (negative) ++i;
    const std::size_t intStart = i;
    while (i < t.size() && isDigit(t[i])) ++i;
    if (i == intStart) return "no digits before the point";
    if (i - intStart > 1 && t[intStart] == '0') return "a leading zero";
    std::string digits(t.substr(intStart, i - intStart));
    if (i < t.size() && t[i] == '.') {
        const std::size_t fracStart = ++i;
        while (i < t.size() && isDigit(t[i])) ++i;
        if (i == fracStart) return "a point without digits";
        if (t[i - 1] == '0') return "a fraction ending in 0";
        digits += t.substr(fracStart, i - fracStart);
    }
    bool exponentForm = false;
    if (i < t.size() && t[i] == 'E') {
        exponentForm = true;
        ++i;
        if (i >= t.size() || (t[i] != '+' && t[i] != '-')) return "an exponent without sign";
        const std::size_t expStart = ++i;
        while (i < t.size() && isDigit(t[i])) ++i;
        if (i - expStart < 2 || i - expStart > 3) return "an exponent of other than 2 or 3 digits";
        if (digits.size() > 1 && digits[0] == '0') return "exponent form with a leading zero";
    }
    if (i != t.size()) return "characters after the number";
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos) {
        if (negative) return "a negative zero";
        if (t != "0") return "a zero written other than 0";
        return {};
    }
    if (static_cast<int>(digits.size() - firstSignificant) > maxDigits) return "too many significant digits";
    double read = 0;
    try {
        read = readNumber(t);
    } catch (const NumericFault&) {
        return "it does not read back (overflow)";
    }
    const double v = std::fabs(read);
    const bool small = v < 1e-4;
    const bool large = v >= std::pow(10.0, maxDigits);
    if (exponentForm != (small || large)) return exponentForm ? "exponent form in the plain range" : "plain form out of its range";
    return {};
}

enum class Written { Single, Double, Integer, AnyNumber };

// The leading number of `t` as the program reads it; a fault here is a failed property.
inline double readBack(std::string_view t, std::string_view where) {
    try {
        return readNumber(t);
    } catch (const NumericFault&) {
        fail("%s: the written text \"%s\" does not read back", std::string(where).c_str(), printable(t).c_str());
    }
}

// Fails unless `t` is a number text as the program writes it with `how`, and rewriting what it
// reads gives the same text.
inline void checkWrittenNumber(std::string_view t, Written how, std::string_view where) {
    const std::string w(where);
    if (how == Written::AnyNumber) {
        for (Written h : {Written::Integer, Written::Single, Written::Double}) {
            const double v = readBack(t, where);
            const bool matches = h == Written::Integer ? (std::trunc(v) == v && std::fabs(v) < 9e18 &&
                                                          writeInteger(static_cast<std::int64_t>(v)) == t)
                                 : h == Written::Single ? writeSingle(static_cast<float>(v)) == t
                                                        : writeDouble(v) == t;
            if (matches) {
                checkWrittenNumber(t, h, where);
                return;
            }
        }
        fail("%s: \"%s\" is not a number as the program writes one", w.c_str(), printable(t).c_str());
    }
    if (how == Written::Integer) {
        std::size_t i = t.starts_with('-') ? 1 : 0;
        if (i == t.size()) fail("%s: integer \"%s\" has no digits", w.c_str(), printable(t).c_str());
        for (; i < t.size(); ++i) {
            if (!isDigit(t[i])) fail("%s: integer \"%s\" has a non-digit", w.c_str(), printable(t).c_str());
        }
        if (t == "-0" || (t.size() > 1 && t[t.starts_with('-') ? 1 : 0] == '0')) {
            fail("%s: integer \"%s\" has a leading zero", w.c_str(), printable(t).c_str());
        }
        return;
    }
    const int maxDigits = how == Written::Single ? 7 : 15;
    if (const std::string problem = numberTextProblem(t, maxDigits); !problem.empty()) {
        fail("%s: \"%s\" is no number text (%s)", w.c_str(), printable(t).c_str(), problem.c_str());
    }
    const double v = readBack(t, where);
    const std::string again = how == Written::Single ? writeSingle(static_cast<float>(v)) : writeDouble(v);
    if (again != t) {
        fail("%s: \"%s\" reads back as %.17g, which is written \"%s\"", w.c_str(), printable(t).c_str(), v,
             printable(again).c_str());
    }
}

}  // namespace orvane::fuzz
