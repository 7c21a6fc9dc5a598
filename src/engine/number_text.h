#pragma once
// Numbers as the windows show them.
//
// Reading takes the leading number of a text: optional blanks, an optional sign, digits with an
// optional point and fraction, and an optional exponent. Anything after it is ignored and a text
// that does not begin with a number reads as 0, so reading never fails; only a number beyond the
// double range ("1e999") is a fault (overflow), reported at the step that reads it. Forms a C
// library would also take ("inf", "nan", hexadecimal) are not numbers here. Digits, signs, point
// and exponent letter typed in full width by a Chinese input method read as their ASCII forms.
//
// Writing gives the shortest general form with at most 7 significant digits for a float and 15 for
// a double, a point as decimal separator, no blanks, never "-0", "inf" or "nan"; exponent form
// ("1.5E+08") only below 1E-04 or from 1E+07 (float) / 1E+15 (double) on. Nothing here depends on
// the process locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The leading number of `text`; 0 when it has none. Throws NumericFault(Overflow) when the number
// lies beyond the double range. Never returns an infinity, a NaN or a negative zero.
double readNumber(std::string_view text);

// Whether `text` begins with a number; readNumber reads 0 from a text that does not.
bool beginsWithNumber(std::string_view text);

// Whether `text` is a number and nothing else: blanks around it (the ideographic and no-break space
// among them), its characters typed in full width or not, but no other character before or after it
// ("2,000", "1,6", "12 MPa" and "abc" are not). How data from other programs is read.
bool wholeNumberText(std::string_view text);

// `value` as a whole number when it is one and lies within [lowest, highest]; nothing otherwise
// (a fraction, or a number beyond the bounds, an int's range included). Checked before any
// conversion, so a number from a file never becomes an integer it cannot be.
std::optional<int> wholeNumber(double value, int lowest, int highest);

std::string writeSingle(float value);
// `value` rounded to at most `digits` significant digits, in the program's number form: a point, no
// trailing zeros, exponent form only below 1E-04 or from 1E+07 on.
std::string writeRounded(double value, int digits);
// The number that text reads as, without writing it out: readNumber(writeRounded(value, digits)).
double roundedValue(double value, int digits);
std::string writeDouble(double value);
std::string writeInteger(std::int64_t value);

}  // namespace orvane
