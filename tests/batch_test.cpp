// Tables of cases: CSV reading and writing, the column names a table may use, and each row sized as
// in a freshly opened window. Expected results are the known cases of the calculator tests, or
// follow from them by the physical relation named beside them.
#include "batch/batch.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "batch/csv.h"

namespace orvane::batch {
namespace {

using Records = std::vector<std::vector<std::string>>;

Records readAll(const std::string& text) {
    std::istringstream in(text);
    CsvReader reader(in);
    Records records;
    std::vector<std::string> fields;
    while (reader.next(fields))
        records.push_back(fields);
    return records;
}

std::string csvError(const std::string& text) {
    try {
        readAll(text);
    } catch (const CsvError& e) {
        return e.what();
    }
    return "no error";
}

TEST(CsvReader, SplitsRecordsAsRfc4180WritesThem) {
    struct Case {
        const char* what;
        std::string text;
        Records expected;
    };
    const Case cases[] = {
        {"CRLF records", "a,b,c\r\n1,2,3\r\n", {{"a", "b", "c"}, {"1", "2", "3"}}},
        {"LF records, no break at the end", "a,b\n1,2", {{"a", "b"}, {"1", "2"}}},
        {"quoted comma, doubled quote, line break",
         "\"x,y\",\"say \"\"hi\"\"\",\"l1\r\nl2\"\r\nz\r\n",
         {{"x,y", "say \"hi\"", "l1\r\nl2"}, {"z"}}},
        {"empty fields", ",,\r\n\"\"\r\n", {{"", "", ""}, {""}}},
        {"a blank line is a record of one empty field", "a\n\nb\n", {{"a"}, {""}, {"b"}}},
        {"byte order mark skipped",
         "\xEF\xBB\xBF"
         "a,b\n",
         {{"a", "b"}}},
        {"byte order mark before a quoted field", "\xEF\xBB\xBF\"a\",b\n", {{"a", "b"}}},
        {"a first character that begins like a byte order mark", "\xEF\xBC\x83x\n", {{"\xEF\xBC\x83x"}}},
        {"a carriage return without line feed stays in the field", "a\rb\n", {{"a\rb"}}},
        {"nothing at all", "", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readAll(c.text), c.expected) << c.what;
}

TEST(CsvReader, CountsTheLinesOfQuotedLineBreaks) {
    std::istringstream in("h\n\"one\ntwo\nthree\"\nnext\n");
    CsvReader reader(in);
    std::vector<std::string> fields;
    ASSERT_TRUE(reader.next(fields));
    ASSERT_TRUE(reader.next(fields));
    EXPECT_EQ(reader.recordLine(), 2);
    ASSERT_TRUE(reader.next(fields));
    EXPECT_EQ(fields, std::vector<std::string>{"next"});
    EXPECT_EQ(reader.recordLine(), 5);
    EXPECT_FALSE(reader.next(fields));
}

TEST(CsvReader, NamesTheLineOfTextThatIsNoCsv) {
    EXPECT_EQ(csvError("a\n\"abc,\ndef"), "line 2: a quoted field is not closed");
    EXPECT_EQ(csvError("a,\"b\"c\n"), "line 1: text after the closing quote of a field");
    EXPECT_EQ(csvError("x\nab\"c\n"), "line 2: a quote inside a field that does not begin with one");
    EXPECT_EQ(csvError(std::string(1024, ',') + "\n"), "line 1: more than 1024 cells in a row");
    EXPECT_EQ(csvError("a\n" + std::string(70000, 'x')), "line 2: a cell longer than 64 KiB");
}

TEST(CsvWriter, QuotesOnlyWhatNeedsItAndReadsBack) {
    const std::vector<std::string> fields = {"plain", "a,b", "say \"hi\"", "two\nlines", "", "工作压力 MPa"};
    std::ostringstream out;
    writeCsvRecord(out, fields);
    EXPECT_EQ(out.str(), "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",,工作压力 MPa\r\n");
    EXPECT_EQ(readAll(out.str()), Records{fields});
}

std::string columnsError(Device device, const std::vector<std::string>& header) {
    try {
        Columns columns(device, header);
    } catch (const BadTable& e) {
        return e.what();
    }
    return "no error";
}

TEST(Columns, AreNamedByKeyOrByCaptionAndNothingElse) {
    const Columns columns(Device::SafetyValve, {"medium", " 工作压力 MPa ", "", "介质类型",
                                                "k=", "安全阀型式", "relief_capacity_kg_h"});
    const char* const keys[] = {"medium",     "working_pressure_MPa", nullptr, "relief_case", "k",
                                "valve_type", "relief_capacity_kg_h"};
    ASSERT_EQ(columns.size(), std::size(keys));
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (keys[i] == nullptr) {
            EXPECT_EQ(columns.key(i), nullptr) << i;
        } else {
            ASSERT_NE(columns.key(i), nullptr) << i;
            EXPECT_EQ(columns.key(i)->key, keys[i]) << i;
        }
    }
    // The caption without the window's spacing.
    EXPECT_EQ(Columns(Device::BurstingDisc, {"介质"}).key(0)->key, "medium");

    struct Case {
        Device device;
        std::vector<std::string> header;
        const char* message;
    };
    const Case cases[] = {
        {Device::SafetyValve,
         {"medium", "presure", "工作压力"},
         "unknown columns \"presure\", \"工作压力\" for the valve (name a column by its key or by its "
         "caption on the "
         "window; see --template)"},
        {Device::BurstingDisc,
         {"valve_type"},
         "unknown column \"valve_type\" for the disc (name a column by its key or by its caption on the "
         "window; see "
         "--template)"},
        {Device::SafetyValve,
         {"medium", "working_pressure_MPa", "介  质"},
         "columns 1 and 3 both give medium"},
        {Device::SafetyValve,
         {"discharge_area_mm2", "status"},
         "unknown column \"status\" for the valve (name a column by its key or by its caption on the window; "
         "see "
         "--template)"},
        {Device::SafetyValve,
         {"medium", "discharge_area_mm2"},
         "column \"discharge_area_mm2\" is a result of the calculation, not an input (only "
         "relief_capacity_kg_h may "
         "be given)"},
        {Device::BurstingDisc,
         {"design_pressure_MPa", "bore_mm"},
         "columns \"design_pressure_MPa\", \"bore_mm\" are results of the calculation, not an input (only "
         "relief_capacity_kg_h may be given)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(columnsError(c.device, c.header), c.message);
}

struct Sized {
    std::string table;
    Summary summary;
};

Sized sizeText(Device device, const std::string& text) {
    std::istringstream in(text);
    std::ostringstream out;
    const Summary summary = sizeTable(device, in, out);
    return {out.str(), summary};
}

std::string tableError(Device device, const std::string& text) {
    try {
        sizeText(device, text);
    } catch (const BadTable& e) {
        return e.what();
    }
    return "no error";
}

constexpr const char* kValveResults =
    "relief_capacity_kg_h,discharge_area_mm2,throat_diameter_mm,standard_throat_mm,nominal_size_mm,"
    "opening_pressure_MPa,status\r\n";

TEST(SizeTable, SizesEachValveRowAndSaysWhyARowIsNotSized) {
    const std::string in =
        "valve_type,medium,relief_case,vessel_shape,working_pressure_MPa,vessel_outer_diameter_mm,vessel_"
        "length_mm,"
        "wetted_height_mm,seal_half_cone_angle_deg,C,gas_density_kg_m3,relief_capacity_kg_h\n"
        // Compressed air through a full-lift valve, the window's defaults otherwise.
        ",空气,压缩气或蒸气,,,,,,,,,\n"
        // The same at 1.0 MPa: p_set 1.05, P = 1.1 p_set + 0.1 = 1.255 against 1.024. W goes with the gas
        // density, which goes with P: 3040.586 x 1.255 / 1.024; A goes with W / P and stays.
        "全启式,空气,,,1.0,,,,,,,\n"
        // C typed twice the catalogue's 356: half the area, the throat divided by the square root of 2.
        ",空气,,,,,,,,712,,\n"
        // A typed capacity is used as the window reads it.
        ",空气,,,,,,,,,,1000abc\n"
        "\n"
        // Liquid ammonia in fire, horizontal vessel of 2000 x 6000 mm.
        ",液氨,无保温液化气,,,2000,6000,,,,,\n"
        // Vertical: without the wetted height a notice, with it sized.
        ",液氨,无保温液化气,立式容器,,2000,6000,,,,,\n"
        ",液氨,无保温液化气,立式容器,,2000,6000,1500,,,,\n"
        // Steam at the defaults with a gas density of 10 kg/m3 typed: W = 2.83e-3 x 10 x 15 x 80^2 = 2716.8;
        // A = W / (5.25 K P) = 2716.8 / (5.25 x 0.65 x 0.9652) = 824.836; d = 32.41, the 40 row: d0 50,
        // DN 80.
        "全 启 式,,,,,,,,,,10,\n"
        // Without it the steam case has no density: nothing is sized.
        "全 启 式\n"
        // A conical seat without its half-cone angle: a division by zero. At 90 degrees, A = pi d^2 / 20:
        // d = sqrt(20 x 1221.728 / pi) = 88.19 mm, above the largest low-lift throat.
        "锥面微启式,空气,,,,,,,,,,\n"
        "锥面微启式,空气,,,,,,,90,,,\n"
        "止回阀,空气,,,,,,,,,,\n";
    const std::string expected =
        std::string(
            "valve_type,medium,relief_case,vessel_shape,working_pressure_MPa,vessel_outer_diameter_mm,"
            "vessel_length_mm,wetted_height_mm,seal_half_cone_angle_deg,C,gas_density_kg_m3,"
            "relief_capacity_kg_h,") +
        kValveResults +
        ",空气,压缩气或蒸气,,,,,,,,,,3040.586,563.8745,26.7945484798857,32,50,0.840000012516975,完成\r\n"
        "全启式,空气,,,1.0,,,,,,,,3726.5,563.8745,26.7945484798857,32,50,1.05,完成\r\n"
        ",空气,,,,,,,,712,,,3040.586,281.9372,18.9466069289588,20,32,0.840000012516975,完成\r\n"
        ",空气,,,,,,,,,,1000abc,1000,185.4492,15.3662457435997,20,32,0.840000012516975,完成\r\n"
        ",液氨,无保温液化气,,,2000,6000,,,,,,5122.43,675.0446,29.3171314086313,32,50,2.0618182182312,完成\r\n"
        ",液氨,无保温液化气,立式容器,,2000,6000,,,,,,,,,,,,"
        "缺少液位高度：立式容器的受热面积需要最高液位高度。 "
        "请按“输入参数项”，在“液位高度 mm”中填写最高液位高度后再计算。\r\n"
        ",液氨,无保温液化气,立式容器,,2000,6000,1500,,,,,1520.004,200.3094,15.9700356538673,20,32,2."
        "0618182182312,"
        "完成\r\n"
        "全 启 式,,,,,,,,,,10,,2716.8,824.8362,32.4070191762316,50,80,0.840000012516975,完成\r\n"
        "全 启 式,,,,,,,,,,,,0,,,,,0.840000012516975,未选定泄放装置：安全泄放量 W = 0 "
        "kg/h，泄放压力（绝压）P = "
        "0.965200006961823 MPa。 已写出安全泄放量和压力；泄放面积、直径和公称管径已清空。 "
        "“气体密度”的内容为空，按 0 "
        "计算。\r\n"
        "锥面微启式,空气,,,,,,,,,,,,,,,,,计算喉径时除数为零：请检查“进气口内径mm”、“进气流速 m/s”、"
        "“工作压力 MPa”和“密封半锥角φ”（安全泄放量和泄放压力不能为负数，密封半锥角须在 0° 与 180° 之间）。 "
        "“密封半锥角φ”的内容为空，按 0 计算。\r\n"
        "锥面微启式,空气,,,,,,,90,,,,3040.586,1221.728,88.1916531535756,,,0.840000012516975,"
        "计算喉径超过最大标准喉径：计算喉径 88.1916531535756 mm 大于最大标准喉径 80 mm。 "
        "一只此型安全阀不够，请选用多只安全阀或其他型式。\r\n"
        "止回阀,空气,,,,,,,,,,,,,,,,,未知的安全阀型式：“止回阀”不是“全 启 "
        "式”、“平面微启式”、“锥面微启式”之一，"
        "未计算。\r\n";
    const Sized sized = sizeText(Device::SafetyValve, in);
    EXPECT_EQ(sized.table, expected);
    EXPECT_EQ(sized.summary.rows, 12);
    EXPECT_EQ(sized.summary.sized, 7);
}

TEST(SizeTable, SizesBurstingDiscRows) {
    const std::string in =
        "爆破片型式,medium,grade\r\n"
        "普通正拱,空气,\r\n"
        // Reverse acting: Pb = Pd = 0.968 MPa. W goes with the density at Pb + 0.1: 3886.844 x 1.068 / 1.309;
        // A goes with W / (Pb + 0.1) and stays.
        "反拱,空气,\r\n"
        "平板,空气,0.5级\r\n";
    const Sized sized = sizeText(Device::BurstingDisc, in);
    EXPECT_EQ(sized.table,
              "爆破片型式,medium,grade,relief_capacity_kg_h,discharge_area_mm2,bore_mm,nominal_size_mm,"
              "design_pressure_MPa,design_burst_pressure_MPa,status\r\n"
              "普通正拱,空气,,3886.844,563.8745,26.7945499300395,32,1.319,1.209,完成\r\n"
              "反拱,空气,,3171.237,563.8745,26.7945499300395,32,0.968,0.968,完成\r\n"
              "平板,空气,0.5级,,,,,,,"
              "未知的爆破片型式：“平板”不是“普通正拱”、“开缝正拱”、“正拱”、“反拱”之一，未计算。\r\n");
}

TEST(SizeTable, CarriesNothingFromOneRowToTheNext) {
    // The ammonia row leaves a prescribed design pressure and a latent heat behind in a window.
    const std::string header = "medium,relief_case,vessel_outer_diameter_mm,vessel_length_mm\n";
    const std::string air = "空气,,,\n";
    const std::string ammonia = "液氨,无保温液化气,2000,6000\n";
    const std::string alone = sizeText(Device::BurstingDisc, header + air).table;
    const std::string after = sizeText(Device::BurstingDisc, header + ammonia + air).table;
    EXPECT_EQ(after.substr(after.rfind("空气")), alone.substr(alone.rfind("空气")));
    const std::string valveAlone = sizeText(Device::SafetyValve, header + air).table;
    const std::string valveAfter = sizeText(Device::SafetyValve, header + ammonia + air).table;
    EXPECT_EQ(valveAfter.substr(valveAfter.rfind("空气")), valveAlone.substr(valveAlone.rfind("空气")));
}

TEST(SizeTable, ShortRowsAreCompletedAndLongOnesRefused) {
    const Sized sized =
        sizeText(Device::SafetyValve, "medium,working_pressure_MPa\r\n空气\r\n空气,0.8,,\r\n");
    EXPECT_EQ(sized.table,
              std::string("medium,working_pressure_MPa,") + kValveResults +
                  "空气,,3040.586,563.8745,26.7945484798857,32,50,0.840000012516975,完成\r\n"
                  "空气,0.8,3040.586,563.8745,26.7945484798857,32,50,0.840000012516975,完成\r\n");
    EXPECT_EQ(tableError(Device::SafetyValve, "medium,working_pressure_MPa\n空气,0.8\n\n空气,0.8,1\n"),
              "line 4: 3 cells, but the header names 2 columns");
}

TEST(SizeTable, RefusesTablesWithoutAHeaderOrWithTextThatIsNoCsv) {
    EXPECT_EQ(tableError(Device::SafetyValve, ""), "the table is empty: it has no header row");
    EXPECT_EQ(tableError(Device::SafetyValve, "\xEF\xBB\xBF"), "the table is empty: it has no header row");
    EXPECT_EQ(tableError(Device::SafetyValve, "medium\n\"空气\n"), "line 2: a quoted field is not closed");
}

TEST(SizeTable, ReportsProgressEveryNRows) {
    std::string in = "medium\n";
    for (int i = 0; i < 7; ++i)
        in += "空气\n";
    std::istringstream text(in);
    std::ostringstream out;
    std::vector<std::int64_t> calls;
    sizeTable(
        Device::SafetyValve, text, out, [&](std::int64_t rows) { calls.push_back(rows); }, 3);
    EXPECT_EQ(calls, (std::vector<std::int64_t>{3, 6}));
}

TEST(Template, HoldsTheWindowsDefaultsAndSizesAsAnOpenedWindow) {
    std::ostringstream disc;
    writeTemplate(Device::BurstingDisc, disc);
    EXPECT_EQ(
        disc.str(),
        "disc_type,grade,medium,relief_case,vessel_shape,location,working_pressure_MPa,relief_temperature_C,"
        "design_temperature_C,vessel_outer_diameter_mm,vessel_length_mm,wetted_height_mm,inlet_inner_"
        "diameter_mm,"
        "inlet_velocity_m_s,latent_heat_kJ_kg,gas_density_kg_m3,insulation_thickness_mm,"
        "insulation_conductivity_kJ_m_h_C,k,C,molar_mass_kg_kmol,Z,phase,relief_capacity_kg_h\r\n"
        "普通正拱,1.0级,水蒸气,压缩气或蒸气,椭封卧式,地面上无喷淋,0.8,,50,,,,80,15,,,,,,,,,,\r\n");

    for (Device device : {Device::SafetyValve, Device::BurstingDisc}) {
        std::ostringstream templ;
        writeTemplate(device, templ);
        const std::string sized = sizeText(device, templ.str()).table;
        const std::string header = templ.str().substr(0, templ.str().find("\r\n"));
        const std::string option =
            device == Device::SafetyValve ? "valve_type\n全 启 式\n" : "disc_type\n普通正拱\n";
        // The same results and status as a row that gives nothing but the option.
        const Records withDefaults = readAll(sized), bare = readAll(sizeText(device, option).table);
        ASSERT_EQ(withDefaults.size(), 2u);
        ASSERT_EQ(bare.size(), 2u);
        EXPECT_EQ(std::vector<std::string>(withDefaults[1].end() - 7, withDefaults[1].end()),
                  std::vector<std::string>(bare[1].end() - 7, bare[1].end()))
            << header;
    }
}

}  // namespace
}  // namespace orvane::batch
