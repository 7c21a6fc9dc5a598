// Reference values of the tables: every number of the medium catalogue, the standard throat and
// nominal size rows of safety valves, the nominal sizes, the manufacturing range table, the
// disc-type ratios and reverse grade factors of bursting discs. The expected values are typed from
// the regulation's medium table and from the standard's size and range tables, never taken from
// the program; each row bound is tested exactly at the bound and just above it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "disc/disc_calculation.h"
#include "disc/disc_controls.h"
#include "disc/disc_input_rules.h"
#include "engine/media.h"
#include "engine/number_text.h"
#include "engine/relief_capacity.h"
#include "form/memory_form.h"
#include "valve/valve_calculation.h"

namespace orvane {
namespace {

double justAbove(double x) { return std::nextafter(x, std::numeric_limits<double>::infinity()); }
double justBelow(double x) { return std::nextafter(x, -std::numeric_limits<double>::infinity()); }

// ---------------------------------------------------------------------------------------------
// The medium catalogue.

enum class Phase { None, Gas, Saturated, FromField };

struct MediumReference {
    const char* name;
    std::optional<float> M, k, C;
    std::optional<float> Z;  // the compressibility the entry writes
    bool zOnlyAt50;          // ... only at a design temperature of exactly 50 deg C
    Phase phase;
    std::optional<double> latentHeat;      // kJ/kg
    std::optional<double> designPressure;  // MPa
    bool gasOverride;                      // a liquefied gas that counts as gas for "压缩气或蒸气"
};

constexpr auto None = Phase::None;
constexpr auto Gas = Phase::Gas;
constexpr auto Sat = Phase::Saturated;
constexpr auto Field = Phase::FromField;
constexpr std::nullopt_t no = std::nullopt;

// The regulation's medium table, line by line.
const MediumReference kMedia[] = {
    // name            M        k      C       Z      50C?   phase  latent   p_design gas override
    {"水蒸气", 18.0f, no, 0.996f, no, false, Field, no, no, false},
    {"空气", 28.96f, 1.4f, 356.0f, 1.0f, false, Gas, no, no, false},
    {"氧气", 32.0f, 1.4f, 356.0f, 1.0f, false, Gas, no, no, false},
    {"氮气", 28.02f, 1.4f, 356.0f, 1.0f, false, Gas, no, no, false},
    {"氢气", 2.015f, 1.4f, 356.0f, 1.0f, false, Gas, no, no, false},
    {"液氯", 70.91f, 1.35f, 351.5f, 0.86f, true, Sat, no, 1.62, true},
    {"液氨", 17.03f, 1.31f, 348.0f, 0.84f, true, Sat, 1055.4, 2.16, true},
    {"乙炔", 26.02f, 1.25f, 342.0f, 0.46f, true, Sat, no, 8.15, true},
    {"乙烯", 28.03f, 1.25f, 342.0f, no, false, Gas, no, no, false},
    {"环氧乙烷", 44.05f, no, no, no, false, Sat, 531.5, 3.874, true},
    {"液化石油气1", 44.0f, 1.13f, 330.0f, 0.73f, false, Sat, 285.96, 2.16, true},
    {"液化石油气2", 44.0f, 1.13f, 330.0f, 0.73f, true, Sat, 285.96, 1.77, true},
    {"丙烯", 42.05f, 1.15f, 332.0f, 0.73f, false, Sat, 278.23, 2.16, true},
    {"丙烷", 44.05f, 1.13f, 330.0f, 0.8f, true, Sat, 283.98, 1.77, true},
    {"丁烯", 56.11f, 1.12f, 329.0f, 0.82f, true, Sat, 329.0, 0.79, true},
    {"丁烷", 58.08f, 1.11f, 328.0f, 0.85f, true, Sat, 331.8, 0.79, true},
    {"液体二氧化硫", 64.0f, no, no, no, false, None, no, 0.98, false},
};

// Values no entry has: what ApplyMedium leaves alone keeps them.
constexpr float kUnset = -7.0f;
constexpr double kUnsetShared = -9.0;
const std::string kUnsetPhase = "unset";

struct Applied {
    SizingQuantities q;
    ProgramValues shared;
};

Applied apply(const char* medium, std::string_view mediumType, double designTemperature) {
    Applied a;
    a.q.M = a.q.k = a.q.C = kUnset;
    a.q.Z = kUnset;
    a.shared.LatentHeat = kUnsetShared;
    a.shared.FixedDesignPressure = kUnsetShared;
    a.shared.PhaseText = kUnsetPhase;
    a.shared.DesignTemperature = designTemperature;
    ApplyMedium(a.q, a.shared, medium, mediumType, "");
    return a;
}

std::string phaseText(Phase p) {
    switch (p) {
        case Phase::Gas: return "气体";
        case Phase::Saturated:
        case Phase::FromField: return "饱和气";  // steam with an empty phase field
        case Phase::None: break;
    }
    return kUnsetPhase;
}

TEST(MediumCatalogueReference, EveryNumberOfEveryEntry) {
    for (const MediumReference& m : kMedia) {
        SCOPED_TRACE(m.name);
        ASSERT_NE(MediumCatalogue::find(m.name), nullptr);
        // A fire case at 50 deg C: every number the entry has is written, Z at 50 deg C too.
        const Applied a = apply(m.name, kCaseUninsulated, 50.0);
        EXPECT_EQ(a.q.M, m.M.value_or(kUnset));
        EXPECT_EQ(a.q.k, m.k.value_or(kUnset));
        EXPECT_EQ(a.q.C, m.C.value_or(kUnset));
        EXPECT_EQ(a.q.Z, m.Z.value_or(kUnset));
        EXPECT_EQ(a.shared.PhaseText, phaseText(m.phase));
        EXPECT_EQ(a.shared.LatentHeat, m.latentHeat.value_or(kUnsetShared));
        EXPECT_EQ(a.shared.FixedDesignPressure, m.designPressure.value_or(kUnsetShared));
    }
}

TEST(MediumCatalogueReference, ZOfTheTableAt50DegreesOnlyThere) {
    for (const MediumReference& m : kMedia) {
        SCOPED_TRACE(m.name);
        for (const double t : {49.9, 50.1, 20.0}) {
            const Applied a = apply(m.name, kCaseInsulated, t);
            EXPECT_EQ(a.q.Z, m.Z && !m.zOnlyAt50 ? *m.Z : kUnset) << t;
        }
    }
}

TEST(MediumCatalogueReference, LiquefiedGasesCountAsGasWithoutZForCompressedGas) {
    for (const MediumReference& m : kMedia) {
        SCOPED_TRACE(m.name);
        const Applied a = apply(m.name, kCaseCompressedGas, 50.0);
        if (m.gasOverride) {
            EXPECT_EQ(a.shared.PhaseText, "气体");
            EXPECT_FALSE(a.q.Z.has_value());
        } else {
            EXPECT_EQ(a.shared.PhaseText, phaseText(m.phase));
            EXPECT_EQ(a.q.Z, m.Z.value_or(kUnset));
        }
        // The numbers are written whatever the medium type.
        EXPECT_EQ(a.q.M, m.M.value_or(kUnset));
        EXPECT_EQ(a.shared.FixedDesignPressure, m.designPressure.value_or(kUnsetShared));
    }
}

TEST(MediumCatalogueReference, HoldsTheseEntriesAndNoOthers) {
    std::set<std::string> expected;
    for (const MediumReference& m : kMedia) expected.insert(m.name);
    std::set<std::string> actual;
    for (const MediumEntry& e : MediumCatalogue::entries()) actual.insert(std::string(e.name));
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(MediumCatalogue::entries().size(), std::size(kMedia));
}

TEST(MediumCatalogueReference, NumbersAreTheNearestSinglesOfTheTable) {
    // As shown in the property fields, and as the 32-bit values really are.
    struct Case {
        const char* medium;
        const char* C;
        const char* CasDouble;
        const char* latentHeat;
    };
    const Case cases[] = {
        {"水蒸气", "0.996", "0.995999991893768", ""},
        {"液化石油气1", "330", "330", "285.96"},
        {"丁烯", "329", "329", "329"},
        {"液氯", "351.5", "351.5", ""},
    };
    for (const Case& c : cases) {
        Applied a;
        ApplyMedium(a.q, a.shared, c.medium, kCaseUninsulated, "");
        EXPECT_EQ(writeSingle(a.q.C), c.C) << c.medium;
        EXPECT_EQ(writeDouble(static_cast<double>(a.q.C)), c.CasDouble) << c.medium;
        EXPECT_EQ(a.shared.LatentHeat ? writeDouble(*a.shared.LatentHeat) : "", c.latentHeat) << c.medium;
    }
}

// ---------------------------------------------------------------------------------------------
// Safety valves: coefficient of discharge and the standard throat / nominal size tables.

TEST(DischargeCoefficientReference, ByLiftType) {
    // 0.65 full lift, 0.45 flat-seat low lift, 0.3 conical-seat low lift, stored in single precision.
    EXPECT_EQ(valve::dischargeCoefficient(valve::LiftType::Full), 0.65f);
    EXPECT_EQ(valve::dischargeCoefficient(valve::LiftType::FlatSeatLow), 0.45f);
    EXPECT_EQ(valve::dischargeCoefficient(valve::LiftType::ConicalSeatLow), 0.3f);
    EXPECT_EQ(writeDouble(static_cast<double>(valve::dischargeCoefficient(valve::LiftType::Full))),
              "0.649999976158142");
}

struct SizeRowReference {
    int bound;                        // d up to this bound, mm
    int throatUpTo64, nominalUpTo64;  // p_set up to 6.4 MPa
    int throatAbove64, nominalAbove64;  // p_set above 6.4 MPa
};

// Full-lift safety valves: standard throat d0 / nominal size DN by calculated throat d.
const SizeRowReference kFullLift[] = {
    {20, 20, 32, 20, 32},     {25, 25, 40, 25, 40},     {32, 32, 50, 32, 50},
    {40, 50, 80, 40, 80},     {50, 50, 80, 50, 80},     {65, 65, 100, 65, 100},
    {80, 100, 150, 80, 150},  {100, 100, 150, 100, 150}, {125, 125, 200, 125, 200},
};

// Low-lift safety valves (flat and conical seat), whatever the opening pressure.
const SizeRowReference kLowLift[] = {
    {12, 12, 15, 12, 15}, {16, 16, 20, 16, 20}, {20, 20, 25, 20, 25}, {25, 25, 32, 25, 32},
    {32, 32, 40, 32, 40}, {40, 50, 50, 50, 50}, {65, 65, 80, 65, 80}, {80, 80, 100, 80, 100},
};

void expectSizes(valve::LiftType lift, const std::vector<SizeRowReference>& rows) {
    const double pAt = 6.4, pAbove = justAbove(6.4);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double bound = rows[i].bound;
        for (const double pSet : {pAt, pAbove, 0.1}) {
            SCOPED_TRACE(testing::Message() << "bound " << bound << ", p_set " << writeDouble(pSet));
            const bool high = pSet > 6.4;
            // d exactly at the bound: this row.
            const auto at = valve::standardSize(lift, bound, pSet);
            ASSERT_TRUE(at);
            EXPECT_EQ(valve::sizeBound(lift, bound), rows[i].bound);
            EXPECT_EQ(at->throat, high ? rows[i].throatAbove64 : rows[i].throatUpTo64);
            EXPECT_EQ(at->nominal, high ? rows[i].nominalAbove64 : rows[i].nominalUpTo64);
            // Just above: the next row, or no standard size above the last.
            const auto above = valve::standardSize(lift, justAbove(bound), pSet);
            if (i + 1 == rows.size()) {
                EXPECT_FALSE(above);
                EXPECT_FALSE(valve::sizeBound(lift, justAbove(bound)));
            } else {
                ASSERT_TRUE(above);
                EXPECT_EQ(valve::sizeBound(lift, justAbove(bound)), rows[i + 1].bound);
                EXPECT_EQ(above->throat, high ? rows[i + 1].throatAbove64 : rows[i + 1].throatUpTo64);
                EXPECT_EQ(above->nominal, high ? rows[i + 1].nominalAbove64 : rows[i + 1].nominalUpTo64);
            }
        }
    }
    // The smallest diameters take the first row.
    const auto zero = valve::standardSize(lift, 0, 1);
    ASSERT_TRUE(zero);
    EXPECT_EQ(zero->throat, rows.front().throatUpTo64);
}

TEST(StandardSizeReference, FullLiftEveryRowBoundAndBothPressureColumns) {
    expectSizes(valve::LiftType::Full, {std::begin(kFullLift), std::end(kFullLift)});
}

TEST(StandardSizeReference, LowLiftEveryRowBoundForBothSeats) {
    expectSizes(valve::LiftType::FlatSeatLow, {std::begin(kLowLift), std::end(kLowLift)});
    expectSizes(valve::LiftType::ConicalSeatLow, {std::begin(kLowLift), std::end(kLowLift)});
}

TEST(StandardSizeReference, AStandardThroatIsNeverSmallerThanTheDiameter) {
    // A valve chosen from the table passes at least the required area: d0 >= d for every d the
    // table accepts (sampled every 0.25 mm).
    for (const auto lift : {valve::LiftType::Full, valve::LiftType::FlatSeatLow}) {
        for (double d = 0; d <= 130; d += 0.25) {
            const auto size = valve::standardSize(lift, d, d < 65 ? 1.0 : 10.0);
            if (size) {
                EXPECT_GE(size->throat, d);
            }
        }
    }
}

TEST(ThroatDiameterReference, AFlatSeatOfExactly32MillimetresIsASmallOne) {
    // With pi taken as 20 the numbers are exact: A = 1024 gives sqrt(20 x 1024 / 20) = 32, at the
    // bound, so d = sqrt(40 x 1024 / 20) = sqrt(2048) = 45.254833995939; the next float, 1024 + 2^-13,
    // gives a first d above 32, which stands: 32 x sqrt(1 + 2^-23) = 32.0000019073486.
    EXPECT_TRUE(valve::smallFlatSeat(1024, 20));
    EXPECT_EQ(writeDouble(valve::throatDiameter(valve::LiftType::FlatSeatLow, 1024, 20, Real(0)).value()),
              "45.254833995939");
    const float above = std::nextafter(1024.0f, 2048.0f);
    EXPECT_FALSE(valve::smallFlatSeat(above, 20));
    EXPECT_EQ(writeDouble(valve::throatDiameter(valve::LiftType::FlatSeatLow, above, 20, Real(0)).value()),
              "32.0000019073486");
}

// Throat diameter from the area, hand-calculated with the window's pi 3.14159 (as a single,
// 3.14159011840820).
TEST(ThroatDiameterReference, ByLiftType) {
    struct Case {
        valve::LiftType lift;
        float A;
        double phiDegrees;
        const char* d;
    };
    const Case cases[] = {
        // full lift, A = pi d^2 / 4: d = 2 sqrt(100 / 3.14159) = 2 x 5.64189811 = 11.2837962
        {valve::LiftType::Full, 100, 0, "11.2837962238175"},
        // flat seat, A = pi d d / 20: d = sqrt(20 x 300 / 3.14159) = sqrt(1909.8609) = 43.70195
        {valve::LiftType::FlatSeatLow, 300, 0, "43.7019548568435"},
        // flat seat whose first d = sqrt(20 x 100 / 3.14159) = 25.23 <= 32 is taken with 40:
        // d = sqrt(40 x 100 / 3.14159) = sqrt(1273.2398) = 35.6825
        {valve::LiftType::FlatSeatLow, 100, 0, "35.6824967204705"},
        // conical seat, A = pi d (d / 20) sin phi, phi = 45 deg (sin = 0.70710633 with this pi):
        // d = sqrt(20 x 200 / 3.14159 / 0.70710633) = sqrt(1800.6353) = 42.4339
        {valve::LiftType::ConicalSeatLow, 200, 45, "42.4338924282541"},
        // phi = 30 deg (sin = 0.49999963): d = sqrt(20 x 200 / 3.14159 / 0.5) = 50.4627
        {valve::LiftType::ConicalSeatLow, 200, 30, "50.4626892668339"},
    };
    for (const Case& c : cases) {
        const Real phi = Real(c.phiDegrees) / 180 * Real(kWindowPi);
        EXPECT_EQ(writeDouble(valve::throatDiameter(c.lift, c.A, kWindowPi, phi).value()), c.d) << c.A;
    }
}

// ---------------------------------------------------------------------------------------------
// Bursting discs: nominal sizes, bore, manufacturing range table, disc types and grades.

TEST(NominalSizeReference, EverySizeAtTheBoreAndJustAbove) {
    const int sizes[] = {10, 15, 20, 25, 32, 40, 50, 65, 80, 100, 125, 150, 200};
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        const double n = sizes[i];
        EXPECT_EQ(disc::nominalSize(n), sizes[i]) << n;
        const std::optional<int> next =
            i + 1 < std::size(sizes) ? std::optional<int>(sizes[i + 1]) : std::nullopt;
        EXPECT_EQ(disc::nominalSize(justAbove(n)), next) << n;
        if (i > 0) {
            EXPECT_EQ(disc::nominalSize(justBelow(n)), sizes[i]) << n;
        }
    }
    EXPECT_EQ(disc::nominalSize(0), 10);
}

TEST(BoreReference, IsTheDiameterOfTheArea) {
    // A = pi d^2 / 4 with the window's pi: d = 2 sqrt(A / 3.14159).
    // 100 mm2: 2 sqrt(31.8310) = 11.2838 mm; 7853.98 mm2 (a 100 mm circle): 100.00003 mm.
    EXPECT_EQ(writeDouble(disc::bore(100, kWindowPi).value()), "11.2837962238175");
    EXPECT_EQ(writeDouble(disc::bore(7853.98f, kWindowPi).value()), "100.000029822143");
    EXPECT_EQ(disc::bore(0, kWindowPi).value(), 0.0);
}

// The manufacturing range table: upper / lower limit (MPa) of the burst pressure by grade.
struct RangeRowReference {
    double bound;  // the first row holds from its bound on, the others above it
    disc::Range byGrade[3];  // "1.0级", "0.5级", "0.25级"
};
const RangeRowReference kRangeRows[] = {
    {0.1, {{0.028, 0.014}, {0.014, 0.01}, {0.008, 0.004}}},
    {0.16, {{0.036, 0.02}, {0.02, 0.01}, {0.01, 0.005}}},
    {0.26, {{0.045, 0.025}, {0.025, 0.015}, {0.01, 0.01}}},
    {0.4, {{0.065, 0.035}, {0.03, 0.02}, {0.02, 0.01}}},
    {0.7, {{0.085, 0.045}, {0.04, 0.02}, {0.02, 0.01}}},
    {1, {{0.11, 0.065}, {0.06, 0.04}, {0.04, 0.02}}},
    {1.4, {{0.16, 0.085}, {0.08, 0.04}, {0.04, 0.02}}},
    {2.5, {{0.21, 0.105}, {0.1, 0.05}, {0.04, 0.025}}},
};
const char* const kGradeTexts[] = {"1.0级", "0.5级", "0.25级"};

disc::Range lookUp(double P, const char* grade) {
    disc::Range r{-1, -1};
    disc::LookUpRange(P, grade, r);
    return r;
}

TEST(ManufacturingRangeReference, EveryCellAtItsBoundAndJustAbove) {
    const std::size_t rows = std::size(kRangeRows);
    for (std::size_t g = 0; g < 3; ++g) {
        for (std::size_t i = 0; i < rows; ++i) {
            const double bound = kRangeRows[i].bound;
            SCOPED_TRACE(testing::Message() << kGradeTexts[g] << " row " << bound);
            // Exactly at the bound: the first row already holds, the others not yet.
            const disc::Range expectedAt = kRangeRows[i == 0 ? 0 : i - 1].byGrade[g];
            const disc::Range at = lookUp(bound, kGradeTexts[g]);
            EXPECT_EQ(at.upper, expectedAt.upper);
            EXPECT_EQ(at.lower, expectedAt.lower);
            // Just above the bound: this row.
            const disc::Range above = lookUp(justAbove(bound), kGradeTexts[g]);
            EXPECT_EQ(above.upper, kRangeRows[i].byGrade[g].upper);
            EXPECT_EQ(above.lower, kRangeRows[i].byGrade[g].lower);
        }
    }
}

TEST(ManufacturingRangeReference, AboveThreeAndAHalfTheLimitsAreFractionsOfThePressure) {
    // Upper / lower limit in proportion: 1.0级 0.06 P / 0.03 P, 0.5级 0.03 P / 0.015 P,
    // 0.25级 0.015 P / 0.008 P. At 4 MPa: 0.24 / 0.12, 0.12 / 0.06, 0.06 / 0.032.
    // Exactly at 3.5 the row above 2.5 still holds: 0.21 / 0.105, 0.1 / 0.05, 0.04 / 0.025.
    // Just above 3.5: 0.21 / 0.105, 0.105 / 0.0525, 0.0525 / 0.028.
    struct Case {
        double P;
        disc::Range byGrade[3];
    };
    const Case cases[] = {
        {4, {{0.24, 0.12}, {0.12, 0.06}, {0.06, 0.032}}},
        {10, {{0.6, 0.3}, {0.3, 0.15}, {0.15, 0.08}}},
        {3.5, {{0.21, 0.105}, {0.1, 0.05}, {0.04, 0.025}}},
        {justAbove(3.5), {{0.21, 0.105}, {0.105, 0.0525}, {0.0525, 0.028}}},
    };
    for (const Case& c : cases) {
        for (std::size_t g = 0; g < 3; ++g) {
            const disc::Range r = lookUp(c.P, kGradeTexts[g]);
            EXPECT_DOUBLE_EQ(r.upper, c.byGrade[g].upper) << c.P << " " << kGradeTexts[g];
            EXPECT_DOUBLE_EQ(r.lower, c.byGrade[g].lower) << c.P << " " << kGradeTexts[g];
        }
    }
}

TEST(ManufacturingRangeReference, BelowTheTableOrForAnotherGradeNothingChanges) {
    for (const char* grade : kGradeTexts) {
        const disc::Range r = lookUp(justBelow(0.1), grade);
        EXPECT_EQ(r.upper, -1) << grade;
        EXPECT_EQ(r.lower, -1) << grade;
    }
    for (const char* other : {"1.0", "2.0级", "", "0.5级 "}) {
        const disc::Range r = lookUp(1, other);
        EXPECT_EQ(r.upper, -1) << other;
    }
}

TEST(DiscTypeReference, RatioOfTheMinimumBurstPressureToTheWorkingPressure) {
    // "普通正拱" 1.43, "开缝正拱" 1.25, "正拱" 1.7, "反拱" 1.1.
    const std::pair<const char*, double> cases[] = {
        {"普通正拱", 1.43}, {"开缝正拱", 1.25}, {"正拱", 1.7}, {"反拱", 1.1}};
    for (const auto& [type, ratio] : cases) EXPECT_EQ(disc::discTypeRatio(type), ratio) << type;
}

TEST(DiscTypeReference, ReverseActingGradeFactors) {
    // Working pressure 2 MPa, reverse acting: p_min = 1.1 x 2 = 2.2 MPa; the design burst pressure is
    // 1.1 p_min = 2.42 for "1.0级", 1.05 p_min = 2.31 for "0.5级", p_min = 2.2 for "0.25级".
    const std::pair<const char*, const char*> cases[] = {
        {"1.0级", "2.42"}, {"0.5级", "2.31"}, {"0.25级", "2.2"}};
    for (const auto& [grade, pb] : cases) {
        MemoryForm form{disc::windowTable()};
        disc::DiscQuantities q;
        ProgramValues shared;
        form.select("Option4");
        form.setText("Text2", "2");
        form.setText("Combo5", grade);
        ASSERT_TRUE(isDone(disc::inputParameters(form, q, shared)));
        EXPECT_EQ(writeSingle(q.memory.derived.Pb), pb) << grade;
        EXPECT_EQ(writeSingle(q.memory.derived.Pd), pb) << grade;
    }
}

TEST(DiscTypeReference, ForwardActingTypesOnTheCompressedGasRoute) {
    // Working pressure 2 MPa, "1.0级". p_min = r x 2; both passes land in the same row here, so
    // Pb = p_min + lower limit, Pd = Pb + upper limit:
    //   "开缝正拱" r 1.25: p_min 2.5 (row above 1.4: 0.16 / 0.085) -> Pb 2.585; second pass at 2.585
    //     lies above 2.5 (0.21 / 0.105) -> Pb 2.605, Pd 2.815
    //   "正拱" r 1.7: p_min 3.4 (above 2.5: 0.21 / 0.105) -> Pb 3.505; second pass at 3.505 lies
    //     above 3.5 (0.06 x 3.505 = 0.2103 / 0.03 x 3.505 = 0.10515) -> Pb 3.50515, Pd 3.71545
    const std::pair<const char*, std::pair<const char*, const char*>> cases[] = {
        {"Option2", {"2.605", "2.815"}},
        {"Option3", {"3.50515", "3.71545"}},
    };
    for (const auto& [option, expected] : cases) {
        MemoryForm form{disc::windowTable()};
        disc::DiscQuantities q;
        ProgramValues shared;
        form.select(option);
        form.setText("Text2", "2");
        ASSERT_TRUE(isDone(disc::inputParameters(form, q, shared)));
        EXPECT_EQ(writeSingle(q.memory.derived.Pb), expected.first) << option;
        EXPECT_EQ(writeSingle(q.memory.derived.Pd), expected.second) << option;
    }
}

}  // namespace
}  // namespace orvane
