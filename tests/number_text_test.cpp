// Reading and writing numbers as the windows show them.
#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

#include <cfloat>
#include <cmath>
#include <string>

#include "engine/numeric_fault.h"

namespace orvane {
namespace {

struct ReadCase {
    const char* text;
    double expected;
    // Named by its text in the test list (not by the bytes of a pointer, which change every build).
    friend void PrintTo(const ReadCase& c, std::ostream* os) {
        static const char hex[] = "0123456789ABCDEF";
        *os << '"';
        for (const char ch : std::string(c.text).substr(0, 40)) {
            const auto b = static_cast<unsigned char>(ch);
            if (b >= 0x20 && b < 0x7F) *os << ch;
            else *os << "\\x" << hex[b >> 4] << hex[b & 0xF];
        }
        *os << '"';
    }
};

class ReadNumber : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumber, TakesTheLeadingNumberOrZero) {
    const ReadCase c = GetParam();
    const double v = readNumber(c.text);
    EXPECT_EQ(v, c.expected) << "text: \"" << c.text << "\"";
    EXPECT_FALSE(std::signbit(v) && v == 0.0) << "negative zero from \"" << c.text << "\"";
}

const std::string kFourHundredZerosThenOneE2 = "0." + std::string(400, '0') + "1e2";

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumber,
    testing::Values(
        ReadCase{"0.8", 0.8}, ReadCase{"", 0}, ReadCase{"abc", 0}, ReadCase{"2MPa", 2}, ReadCase{" 1.5", 1.5},
        ReadCase{"\t7", 7}, ReadCase{"-2", -2}, ReadCase{"+3", 3}, ReadCase{".5", 0.5}, ReadCase{"5.", 5},
        ReadCase{"-.25", -0.25}, ReadCase{"1e3", 1000}, ReadCase{"1E-2", 0.01}, ReadCase{"2.5e+1x", 25},
        ReadCase{"1e", 1}, ReadCase{"1e+", 1}, ReadCase{"1e-x", 1}, ReadCase{"1,5", 1}, ReadCase{"1 2", 1},
        ReadCase{"--1", 0}, ReadCase{"+-1", 0}, ReadCase{".", 0}, ReadCase{"-", 0}, ReadCase{"e5", 0},
        // What a C library would also accept is no number here.
        ReadCase{"inf", 0}, ReadCase{"-inf", 0}, ReadCase{"infinity", 0}, ReadCase{"nan", 0},
        ReadCase{"NaN(1)", 0}, ReadCase{"0x10", 0}, ReadCase{"0X1p3", 0}, ReadCase{"1d2", 1},
        // Zero has no sign; a number too small for a double reads as zero.
        ReadCase{"-0", 0}, ReadCase{"-0.0e5", 0}, ReadCase{"1e-400", 0}, ReadCase{"-1e-400", 0},
        ReadCase{"0.000000000000000000000000000000000000000000000000000000000000001e-300", 0},
        // 400 zeros after the point: 1e-399 even with a positive exponent, too small, no overflow.
        ReadCase{kFourHundredZerosThenOneE2.c_str(), 0},
        ReadCase{"1.7976931348623157e308", 1.7976931348623157e308},
        ReadCase{"00000000000000000000000000000000000000000000000000000012.5", 12.5},
        // Either side of where a short number is read directly (15 digits, a power of ten up to 22),
        // against the compiler's own reading of the same literal.
        ReadCase{"123456789012345", 123456789012345.0}, ReadCase{"0.123456789012345", 0.123456789012345},
        ReadCase{"9007199254740993", 9007199254740993.0}, ReadCase{"0.30000000000000004", 0.30000000000000004},
        ReadCase{"1e22", 1e22}, ReadCase{"1e23", 1e23}, ReadCase{"8.03e-20", 8.03e-20}, ReadCase{"8.03e-21", 8.03e-21},
        ReadCase{"0.000000000000000000000123", 0.000000000000000000000123}, ReadCase{"-0.0000001", -1e-7},
        // Full-width forms from a Chinese input method, and its blank and point.
        ReadCase{"１．５", 1.5}, ReadCase{"－２", -2}, ReadCase{"＋３", 3}, ReadCase{"１ｅ２", 100},
        ReadCase{"２Ｅ－１", 0.2}, ReadCase{"\u3000" "3", 3}, ReadCase{"1。5", 1.5}, ReadCase{"−4", -4},
        ReadCase{"１２ＭＰａ", 12}, ReadCase{"压力1", 0},
        // A two-byte letter next to the no-break blank (U+00E0 against U+00A0) is no blank.
        ReadCase{"\u00A0" "7", 7}, ReadCase{"\u00E0" "7", 0},
        // Broken UTF-8 is no number and no crash.
        ReadCase{"\xE3\x80", 0}, ReadCase{"\xFF" "1", 0}, ReadCase{"1\xEF\xBC", 1},
        // An overlong encoding of a digit is no digit.
        ReadCase{"\xC0\xB1", 0}, ReadCase{"\xE0\x80\xB1", 0}, ReadCase{"2\xC0\xAE" "5", 2}));

TEST(ReadNumber, ReportsANumberBeyondTheDoubleRangeAsOverflow) {
    // 1 and 400 zeros, e-50: 1e350 for all its negative exponent; 0.0001e400 = 1e396; 1 and 3999
    // zeros, e-3500: 1e499.
    const std::string manyDigits = "1" + std::string(400, '0') + "e-50";
    const std::string moreDigits = "1" + std::string(3999, '0') + "e-3500";
    for (const std::string& text : {std::string("1e999"), std::string("1e400"), std::string("-1e999"),
                                    std::string("1.8e308"), std::string("9999e305"),
                                    std::string("1e99999999999999999999"), std::string("１ｅ９９９"),
                                    std::string("0.0001e400"), manyDigits, moreDigits}) {
        try {
            (void)readNumber(text);
            ADD_FAILURE() << "no fault for " << text;
        } catch (const NumericFault& f) {
            EXPECT_EQ(f.kind(), FaultKind::Overflow) << text;
        }
    }
}

struct WriteCase {
    std::string expected;
    std::string written;
};

TEST(WriteNumber, SinglePrecisionShowsAtMostSevenDigits) {
    const WriteCase cases[] = {
        {"0.8", writeSingle(0.8f)},
        {"3.14159", writeSingle(3.14159f)},
        {"1.024", writeSingle(1.024f)},
        {"0", writeSingle(-0.0f)},
        {"0", writeSingle(0.0f)},
        {"-2.5", writeSingle(-2.5f)},
        {"9999999", writeSingle(9999999.0f)},
        {"1E+07", writeSingle(1.0e7f)},
        {"0.0001", writeSingle(0.0001f)},
        {"1E-05", writeSingle(0.00001f)},
        {"3.402823E+38", writeSingle(FLT_MAX)},
        {"1.401298E-45", writeSingle(1.4e-45f)},
        {"0.996", writeSingle(0.996f)},
        {"4.422561", writeSingle(4.422561f)},
    };
    for (const auto& c : cases) EXPECT_EQ(c.written, c.expected);
}

TEST(WriteNumber, DoublePrecisionShowsTheWideningErrorOfASingleInput) {
    // A single-precision 0.8 widened and multiplied by 1.05.
    EXPECT_EQ(writeDouble(static_cast<double>(0.8f) * 1.05), "0.840000012516975");
    EXPECT_EQ(writeDouble(static_cast<double>(1.62f) / 1.1), "1.47272727706216");
    EXPECT_EQ(writeDouble(0.8), "0.8");
    EXPECT_EQ(writeDouble(-0.0), "0");
    EXPECT_EQ(writeDouble(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(writeDouble(1e15), "1E+15");
    EXPECT_EQ(writeDouble(999999999999999.0), "999999999999999");
    EXPECT_EQ(writeDouble(1055.4), "1055.4");
    EXPECT_EQ(writeDouble(329), "329");
}

TEST(WriteNumber, TheLargestDoublesShowATextThatReadsBack) {
    for (double d : {DBL_MAX, -DBL_MAX, 1.797693134862315e308, 1.79769313486231e308}) {
        const std::string text = writeDouble(d);
        EXPECT_NO_THROW((void)readNumber(text)) << text;
        EXPECT_EQ(writeDouble(readNumber(text)), text);
    }
    EXPECT_EQ(writeDouble(DBL_MAX), "1.79769313486231E+308");
    EXPECT_EQ(writeDouble(1.7976931348623e308), "1.7976931348623E+308");
}

TEST(WriteNumber, IntegersArePlain) {
    EXPECT_EQ(writeInteger(150), "150");
    EXPECT_EQ(writeInteger(0), "0");
    EXPECT_EQ(writeInteger(-12), "-12");
}

TEST(WriteNumber, ASingleNextToATextOfItsNeighbourShowsTheNeighboursText) {
    // 1.00000006e+28 rounds to "1E+28", which reads as the float 9.99999944e+27: it shows that float's
    // text, so that a capacity carried over in its field keeps its text on the next Calculate.
    for (const char* typed : {"1.0000001e28", "1e28", "1.0000001e-38", "-1.0000001e28"}) {
        const std::string once = writeSingle(static_cast<float>(readNumber(typed)));
        EXPECT_EQ(writeSingle(static_cast<float>(readNumber(once))), once) << typed;
    }
    EXPECT_EQ(writeSingle(static_cast<float>(readNumber("1.0000001e28"))), "9.999999E+27");
}

TEST(WriteNumber, WhatIsWrittenReadsBackToTheSameValue) {
    for (float f : {0.8f, 1.024f, 3.4028235e38f, 1.17549435e-38f, 123456.7f, 5.5e-5f}) {
        const float back = static_cast<float>(readNumber(writeSingle(f)));
        EXPECT_EQ(writeSingle(back), writeSingle(f)) << writeSingle(f);
    }
    for (double d : {0.8400000125169754, 1.0 / 7.0, 1e300, 2.5e-300}) {
        EXPECT_EQ(writeDouble(readNumber(writeDouble(d))), writeDouble(d));
    }
}

TEST(WholeNumber, IsGivenOnlyForAWholeNumberWithinItsBoundsBeforeAnyConversion) {
    // Numbers from a file: anything a double can hold, the int range's edges and beyond included.
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double refused : {-1.0, 0.5, 20000.5, 20001.0, 2147483648.0, -2147483649.0, 4.56e84, inf, -inf, nan}) {
        EXPECT_FALSE(wholeNumber(refused, 0, 20000)) << refused;
    }
    EXPECT_EQ(wholeNumber(0.0, 0, 20000), 0);
    EXPECT_EQ(wholeNumber(-0.0, 0, 20000), 0);
    EXPECT_EQ(wholeNumber(20000.0, 0, 20000), 20000);
    EXPECT_EQ(wholeNumber(2147483647.0, 0, std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
}

}  // namespace
}  // namespace orvane
