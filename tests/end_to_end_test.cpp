// Each window from end to end, as a user works it: medium, lists and option picked, input parameters
// pressed, fields typed, Calculate pressed; then the six results as the window shows them. Each row
// is worked out by hand in the comment above it from the equations (window defaults: t 50 C so
// T = 323 K, inlet d 80 mm, v 15 m/s, back pressure 0.1 MPa, pi 3.14159), to the digits shown there;
// the expected texts hold the last digit as the windows write it. The tables of sizes and ranges are
// checked cell by cell in reference_values_test.cpp.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "calculator_fixture.h"

namespace orvane {
namespace {

using test::Texts;

struct Row {
    const char* what;
    std::string_view option;      // lift type or disc type
    Texts beforeInputParameters;  // lists, and the fields input parameters derives from
    Texts afterInputParameters;   // fields typed afterwards
    std::array<const char*, 6> results;
    const char* failedCheck = nullptr;  // the design check the results fail, if any
};

template <class Calculator>
void expectRows(std::initializer_list<Row> rows, std::array<const char*, 6> fields) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Calculator c;
        c.form.select(row.option);
        c.type(row.beforeInputParameters);
        const Outcome derived = c.inputParameters();
        ASSERT_TRUE(isDone(derived)) << c.message(derived);
        c.type(row.afterInputParameters);
        const Outcome o = c.calculate();
        if (row.failedCheck == nullptr) {
            EXPECT_TRUE(isDone(o)) << c.message(o);
        } else {
            EXPECT_EQ(test::noticeOf(o), NoticeKind::CheckFailed);
            EXPECT_NE(c.message(o).find(row.failedCheck), std::string::npos) << c.message(o);
        }
        for (std::size_t i = 0; i < fields.size(); ++i) EXPECT_EQ(c.form.text(fields[i]), row.results[i]) << fields[i];
    }
}

TEST(EndToEnd, SafetyValve) {
    // Results: W kg/h, A mm2, d mm, d0 mm, DN mm, p_set MPa.
    expectRows<test::Valve>(
        {
            // Air: p_set = 1.05 x 0.8 = 0.84, P = 1.1 x 0.84 + 0.1 = 1.024 MPa;
            // rho = 28.96 x 121.9 x 1.024 / 323 = 11.19179; W = 0.00283 x 11.19179 x 15 x 80^2 = 3040.59;
            // Po / P = 0.098 <= r_c 0.528, critical:
            // A = 3040.59 / (0.076 x 356 x 0.65 x 1.024 x sqrt(28.96 / 323)) = 3040.59 / 5.392311 = 563.874;
            // d = 2 sqrt(563.874 / 3.14159) = 26.7945 -> the row up to 32: d0 32, DN 50.
            {"air, full lift", valve::kFullLift, {{"Combo1", "空气"}}, {},
             {"3040.586", "563.8745", "26.7945484798857", "32", "50", "0.840000012516975"}},
            // Back pressure 0.8 MPa: Po / P = 0.78125 > r_c, sub-critical:
            // r^(2/1.4) = 0.702818, r^(2.4/1.4) = 0.654955, X = 3.5 x 0.047863 = 0.167521,
            // sqrt(X) = 0.409293; A = 3040.59 / (55.85 x 0.65 x 1.024 x 0.409293 x 0.2994318) = 667.404;
            // d = 29.1507 -> 32, DN 50.
            {"air, sub-critical", valve::kFullLift, {{"Combo1", "空气"}}, {{"Text4", "0.8"}},
             {"3040.586", "667.404", "29.1507433916177", "32", "50", "0.840000012516975"}},
            // Steam, rho 5 typed: P = 1.03 x 0.84 + 0.1 = 0.9652; W = 0.00283 x 5 x 15 x 6400 = 1358.4;
            // A = 1358.4 / (5.25 x 0.65 x 0.9652) = 412.418; d = 22.9152 -> 25, DN 40.
            {"steam up to 10 MPa", valve::kFullLift, {{"Combo1", "水蒸气"}}, {{"Text14", "5"}},
             {"1358.4", "412.4181", "22.9152230175559", "25", "40", "0.840000012516975"}},
            // Steam at 12 MPa, rho 60: p_set 12.6, P = 1.03 x 12.6 + 0.1 = 13.078; W = 16300.8;
            // A = 16300.8 / (5.25 x 0.65 x 13.078) x (229.2 x 13.078 - 7315) / (190.6 x 13.078 - 6895)
            //   = 365.254 x 0.980735 = 358.217; d = 21.3564 -> 25, DN 40 (p_set above 6.4).
            {"steam above 10 MPa", valve::kFullLift, {{"Combo1", "水蒸气"}, {"Text2", "12"}},
             {{"Text14", "60"}},
             {"16300.8", "358.2173", "21.3564242990019", "25", "40", "12.6"}},
            // Liquid ammonia in fire, elliptical heads D 2000, L 6000: A_r = 41.448, A_r^0.82 = 21.20083,
            // W = 255000 x 21.20083 / 1055.4 = 5122.43; p_w 1.963636 (from its design pressure 2.16),
            // p_set 2.061818, P = 1.03 x 2.061818 + 0.1 = 2.223673; saturated:
            // A = 5122.43 / (5.25 x 0.65 x 2.223673) = 675.045; d = 29.3171 -> 32, DN 50.
            {"liquid ammonia in fire", valve::kFullLift, {{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}},
             {{"Text19", "2000"}, {"Text20", "6000"}},
             {"5122.43", "675.0446", "29.3171314086313", "32", "50", "2.0618182182312"}},
            // Flat seat, inlet 40 mm: W = 3040.59 / 4 = 760.147; K 0.45: A = 563.874 x 0.65 / 0.45 / 4
            // = 203.621; d = sqrt(20 x 203.621 / 3.14159) = 36.0041 > 32, it stands -> 50, DN 50.
            {"air, flat seat", valve::kFlatLowLift, {{"Combo1", "空气"}}, {{"Text5", "40"}},
             {"760.1466", "203.6213", "36.0040934318093", "50", "50", "0.840000012516975"}},
            // Conical seat at 45 degrees, inlet 40 mm: K 0.3: A = 563.874 x 0.65 / 0.3 / 4 = 305.432;
            // d = sqrt(20 x 305.432 / 3.14159 / 0.70710633) = 52.4391 -> 65, DN 80.
            {"air, conical seat", valve::kConicalLowLift, {{"Combo1", "空气"}}, {{"Text5", "40"}, {"Text25", "45"}},
             {"760.1466", "305.432", "52.439087324855", "65", "80", "0.840000012516975"}},
        },
        {"Text7", "Text8", "Text15", "Text17", "Text16", "Text13"});
}

TEST(EndToEnd, BurstingDisc) {
    // Results: W kg/h, A mm2, bore mm, DN mm, Pd MPa, Pb MPa. Air at p_w 0.8 MPa, grade 1.0级 unless
    // said: p_min = r x 0.8 by disc type, Pb = p_min + the range's lower value, Pd = Pb + its upper
    // value; P = Pb + 0.1, rho = 28.96 x 121.9 x P / 323, W = 0.00283 x rho x 15 x 80^2
    // = 2969.32 x P; critical, K 0.65: A = W / (0.076 x 356 x 0.65 x P x 0.2994318) = 563.874 for
    // any P, bore 26.7945 -> DN 32.
    expectRows<test::Disc>(
        {
            // 普通正拱, r 1.43: p_min 1.144, range at 1.144: 0.11 / 0.065; Pb 1.209, Pd 1.319;
            // W = 2969.32 x 1.309 = 3886.84.
            {"air, 普通正拱", disc::kDiscTypeOptions[0], {{"Combo1", "空气"}}, {},
             {"3886.844", "563.8745", "26.7945499300395", "32", "1.319", "1.209"}},
            // 开缝正拱, r 1.25: p_min 1.0, range 0.11 / 0.065; Pb 1.065, Pd 1.175; W = 2969.32 x 1.165
            // = 3459.26.
            {"air, 开缝正拱", disc::kDiscTypeOptions[1], {{"Combo1", "空气"}}, {},
             {"3459.261", "563.8745", "26.7945484798857", "32", "1.175", "1.065"}},
            // 正拱, r 1.7: p_min 1.36, range 0.16 / 0.085; Pb 1.445, Pd 1.605; W = 2969.32 x 1.545
            // = 4587.60.
            {"air, 正拱", disc::kDiscTypeOptions[2], {{"Combo1", "空气"}}, {},
             {"4587.604", "563.8745", "26.7945499300395", "32", "1.605", "1.445"}},
            // 反拱, r 1.1: p_min 0.88; 1.0级 Pb = Pd = 1.1 x 0.88 = 0.968, W = 2969.32 x 1.068 = 3171.24;
            // 0.5级 Pb = Pd = 1.05 x 0.88 = 0.924, W = 2969.32 x 1.024 = 3040.59.
            {"air, 反拱 1.0级", disc::kReverseActing, {{"Combo1", "空气"}}, {},
             {"3171.237", "563.8745", "26.7945499300395", "32", "0.968", "0.968"}},
            {"air, 反拱 0.5级", disc::kReverseActing, {{"Combo1", "空气"}, {"Combo5", "0.5级"}}, {},
             {"3040.586", "563.8745", "26.7945484798857", "32", "0.924", "0.924"}},
            // Steam, M 18: rho = 18 x 121.9 x 1.309 / 323 = 8.892284, W = 0.00283 x 8.892284 x 96000
            // = 2415.86; A = 2415.86 / (5.25 x 0.65 x 1.309) = 540.827; bore 26.2413 -> DN 32.
            {"steam", disc::kDiscTypeOptions[0], {{"Combo1", "水蒸气"}}, {},
             {"2415.856", "540.8274", "26.2412533769075", "32", "1.319", "1.209"}},
            // Liquid ammonia in fire: Pd 2.16 prescribed, range at 2.16: 0.16 / 0.085, Pb = 2.16 - 0.16
            // = 2; W = 5122.43 as for the valve; P = 2.1, A = 5122.43 / (5.25 x 0.65 x 2.1) = 714.799;
            // bore 30.1681 -> DN 32. Its burst range at Pb reaches down to 2 - 0.085 = 1.915, below
            // 1.43 x p_w = 1.43 x 2.16 / 1.1 = 2.808: the check fails.
            {"liquid ammonia in fire", disc::kDiscTypeOptions[0], {{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}},
             {{"Text19", "2000"}, {"Text20", "6000"}},
             {"5122.43", "714.7993", "30.1680528526684", "32", "2.16", "2"},
             "Pb − 下限 ≥ r × p_w，1.915 < 2.808 MPa"},
        },
        {"Text7", "Text8", "Text15", "Text16", "Text3", "Text13"});
}

}  // namespace
}  // namespace orvane
