// Tables of cases: CSV reading and writing, the column names a table may use, and each row sized as
// in a freshly opened window. Expected results are the known cases of the calculator tests, or
// follow from them by the physical relation named beside them.
#include "batch/batch.h"
#include "engine/number_text.h"

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

TEST(Columns, AreNamedByKeyCaptionOrTitleAndOthersArePassedThrough) {
    const Columns columns(Device::SafetyValve, {"medium", " 工作压力 MPa ", "", "介质类型", "k", "位号",
                                                "安全阀型式", "气化潜热 kJ/kg", "relief_capacity_kg_h", "备注"});
    const char* const keys[] = {"medium", "working_pressure_MPa", nullptr, "relief_case", "k", nullptr,
                                "valve_type", "latent_heat_kJ_kg", "relief_capacity_kg_h", nullptr};
    ASSERT_EQ(columns.size(), std::size(keys));
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (keys[i] == nullptr) {
            EXPECT_EQ(columns.key(i), nullptr) << i;
        } else {
            ASSERT_NE(columns.key(i), nullptr) << i;
            EXPECT_EQ(columns.key(i)->key, keys[i]) << i;
        }
    }
    EXPECT_EQ(columns.passedThrough(), (std::vector<std::string>{"位号", "备注"}));
    // The caption without the window's spacing; a misspelt input is passed through, not guessed at.
    EXPECT_EQ(Columns(Device::BurstingDisc, {"介质"}).key(0)->key, "medium");
    EXPECT_EQ(Columns(Device::SafetyValve, {"presure"}).passedThrough(), std::vector<std::string>{"presure"});

    struct Case {
        Device device;
        std::vector<std::string> header;
        const char* message;
    };
    const Case cases[] = {
        {Device::SafetyValve, {"medium", "working_pressure_MPa", "介  质"}, "columns 1 and 3 both give medium"},
        {Device::SafetyValve, {"medium", "安全泄放面积 mm²"},
         "column \"安全泄放面积 mm²\" is a result of the calculation, not an input (only relief_capacity_kg_h and a "
         "valve's opening_pressure_MPa may be given)"},
        {Device::BurstingDisc, {"design_pressure_MPa", "bore_mm"},
         "columns \"design_pressure_MPa\", \"bore_mm\" are results of the calculation, not inputs (only "
         "relief_capacity_kg_h and a valve's opening_pressure_MPa may be given)"},
    };
    for (const Case& c : cases) EXPECT_EQ(columnsError(c.device, c.header), c.message);
}

struct Sized {
    std::string table;
    Summary summary;
};

Sized sizeText(Device device, const std::string& text, const Options& options = {.keys = true}) {
    std::istringstream in(text);
    std::ostringstream out;
    const Summary summary = sizeTable(device, in, out, options);
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

// The columns a compressed-gas valve row uses, at the window's defaults.
constexpr const char* kGasColumns =
    "valve_type,medium,relief_case,working_pressure_MPa,back_pressure_abs_MPa,design_temperature_C,"
    "inlet_inner_diameter_mm,inlet_velocity_m_s";

TEST(SizeTable, SizesEachValveRowAndSaysWhyARowIsNotSized) {
    const std::string in = std::string(kGasColumns) +
        ",vessel_shape,location,vessel_outer_diameter_mm,vessel_length_mm,wetted_height_mm,"
        "seal_half_cone_angle_deg,C,gas_density_kg_m3,relief_capacity_kg_h\n"
        // Compressed air through a full-lift valve.
        "全 启 式,空气,压缩气或蒸气,0.8,0.1,50,80,15,,,,,,,,,\n"
        // The same at 1.0 MPa: p_set 1.05, P = 1.1 p_set + 0.1 = 1.255 against 1.024. W goes with the gas
        // density, which goes with P: 3040.586 x 1.255 / 1.024; A goes with W / P and stays.
        "全启式,空气,压缩气或蒸气,1.0,0.1,50,80,15,,,,,,,,,\n"
        // C typed twice the catalogue's 356: half the area, the throat divided by the square root of 2.
        "全 启 式,空气,压缩气或蒸气,0.8,0.1,50,80,15,,,,,,,712,,\n"
        // A typed capacity is used as typed.
        "全 启 式,空气,压缩气或蒸气,0.8,0.1,50,80,15,,,,,,,,,1000\n"
        "\n"
        // Liquid ammonia in fire, horizontal vessel of 2000 x 6000 mm: its working pressure from the
        // design pressure ammonia prescribes, no inlet pipe used.
        "全 启 式,液氨,无保温液化气,,,,,,椭封卧式,地面上无喷淋,2000,6000,,,,,\n"
        // Vertical: without the wetted height a notice, with it sized.
        "全 启 式,液氨,无保温液化气,,,,,,立式容器,地面上无喷淋,2000,6000,,,,,\n"
        "全 启 式,液氨,无保温液化气,,,,,,立式容器,地面上无喷淋,2000,6000,1500,,,,\n"
        // Steam with a gas density of 10 kg/m3: W = 2.83e-3 x 10 x 15 x 80^2 = 2716.8;
        // A = W / (5.25 K P) = 2716.8 / (5.25 x 0.65 x 0.9652) = 824.836; d = 32.41, the 40 row: d0 50, DN 80.
        "全 启 式,水蒸气,压缩气或蒸气,0.8,0.1,50,80,15,,,,,,,,10,\n"
        // At 90 degrees, A = pi d^2 / 20: d = sqrt(20 x 1221.728 / pi) = 88.19 mm, above the largest
        // low-lift throat.
        "锥面微启式,空气,压缩气或蒸气,0.8,0.1,50,80,15,,,,,,90,,,\n"
        "止回阀,空气,压缩气或蒸气,0.8,0.1,50,80,15,,,,,,,,,\n";
    const std::string expected =
        std::string(kGasColumns) +
        ",vessel_shape,location,vessel_outer_diameter_mm,vessel_length_mm,wetted_height_mm,"
        "seal_half_cone_angle_deg,C,gas_density_kg_m3,relief_capacity_kg_h," +
        kValveResults +
        "全 启 式,空气,压缩气或蒸气,0.8,0.1,50,80,15,,,,,,,,,,3040.586,563.8745,26.7945484798857,32,50,0.840000012516975,完成\r\n"
        "全启式,空气,压缩气或蒸气,1.0,0.1,50,80,15,,,,,,,,,,3726.5,563.8745,26.7945484798857,32,50,1.05,完成\r\n"
        "全 启 式,空气,压缩气或蒸气,0.8,0.1,50,80,15,,,,,,,712,,,3040.586,281.9372,18.9466069289588,20,32,0.840000012516975,完成\r\n"
        "全 启 式,空气,压缩气或蒸气,0.8,0.1,50,80,15,,,,,,,,,1000,1000,185.4492,15.3662457435997,20,32,0.840000012516975,完成\r\n"
        "全 启 式,液氨,无保温液化气,,,,,,椭封卧式,地面上无喷淋,2000,6000,,,,,,5122.43,675.0446,29.3171314086313,32,50,2.0618182182312,完成\r\n"
        "全 启 式,液氨,无保温液化气,,,,,,立式容器,地面上无喷淋,2000,6000,,,,,,,,,,,,"
        "缺少液位高度：立式容器的受热面积需要最高液位高度。 请按“输入参数项”，在“液位高度 mm”中填写最高液位高度后再计算。\r\n"
        "全 启 式,液氨,无保温液化气,,,,,,立式容器,地面上无喷淋,2000,6000,1500,,,,,1520.004,200.3094,15.9700356538673,20,32,2.0618182182312,完成\r\n"
        "全 启 式,水蒸气,压缩气或蒸气,0.8,0.1,50,80,15,,,,,,,,10,,2716.8,824.8362,32.4070191762316,50,80,0.840000012516975,完成\r\n"
        "锥面微启式,空气,压缩气或蒸气,0.8,0.1,50,80,15,,,,,,90,,,,3040.586,1221.728,88.1916531535756,,,0.840000012516975,"
        "计算喉径超过最大标准喉径：计算喉径 88.1916531535756 mm 大于最大标准喉径 80 mm。 一只此型安全阀不够，请选用多只安全阀或其他型式。"
        // two valves of half the area: d = 88.19 / √2 = 62.36 -> 65, DN 80
        " 需 2 只：每只喉径 62.36 mm，标准喉径 65 mm，DN 80。\r\n"
        "止回阀,空气,压缩气或蒸气,0.8,0.1,50,80,15,,,,,,,,,,,,,,,,"
        "未知的安全阀型式：“止回阀”不是“全 启 式”、“平面微启式”、“锥面微启式”之一，未计算。\r\n";
    const Sized sized = sizeText(Device::SafetyValve, in);
    EXPECT_EQ(sized.table, expected);
    EXPECT_EQ(sized.summary.rows, 10);
    EXPECT_EQ(sized.summary.sized, 7);
}

TEST(SizeTable, ReadsEachCellAsDataAndNamesWhatARowLacks) {
    const std::string in = std::string("位号,") + kGasColumns + ",备注\n" +
        "V-1,全 启 式,空气,压缩气或蒸气,0.8,0.1,50,80,15,储气罐\n"
        // Full-width digits and an ideographic space, as a Chinese input method types them.
        "V-2,全 启 式,空气,压缩气或蒸气,\u3000０．８,0.1,50,80,15,\n"
        "V-3,全 启 式,空气,压缩气或蒸气,\"0,8\",0.1,50,\"2,000\",15,\n"
        "V-4,全 启 式,空气,压缩气或蒸气,0.8 MPa,0.1,50,80,15,\n"
        "V-5,全 启 式,空气,压缩气或蒸气,,0.1,50,80,15,\n"
        // The fire case uses no inlet pipe: its blank cells are no concern.
        "V-6,全 启 式,氩气,压缩气或蒸气,0.8,0.1,50,80,15,\n"
        "V-7,全 启 式,空气,压缩气或蒸气,0.8,0.1,50,80,15,,多出\n";
    const std::string expected = std::string("位号,") + kGasColumns + ",备注," + kValveResults +
        "V-1,全 启 式,空气,压缩气或蒸气,0.8,0.1,50,80,15,储气罐,3040.586,563.8745,26.7945484798857,32,50,0.840000012516975,完成\r\n"
        "V-2,全 启 式,空气,压缩气或蒸气,\u3000０．８,0.1,50,80,15,,3040.586,563.8745,26.7945484798857,32,50,0.840000012516975,完成\r\n"
        "V-3,全 启 式,空气,压缩气或蒸气,\"0,8\",0.1,50,\"2,000\",15,,,,,,,,"
        "\"第 4 行：“工作压力 MPa”的内容“0,8”不是数值；“进气口内径mm”的内容“2,000”不是数值，本行未计算。\"\r\n"
        "V-4,全 启 式,空气,压缩气或蒸气,0.8 MPa,0.1,50,80,15,,,,,,,,第 5 行：“工作压力 MPa”的内容“0.8 MPa”不是数值，本行未计算。\r\n"
        "V-5,全 启 式,空气,压缩气或蒸气,,0.1,50,80,15,,,,,,,,"
        "第 6 行：“工作压力 MPa”的单元格为空，本行的工况要用此项（加 --defaults 则按窗口的默认值计算），本行未计算。\r\n"
        "V-6,全 启 式,氩气,压缩气或蒸气,0.8,0.1,50,80,15,,,,,,,,"
        "第 7 行：介质“氩气”不在物性库中：本行须给出“气体密度”、“k=”、“C=”、“M=”、“Z=”和“形态”"
        "（不取其他介质或其他行的数值），本行未计算。\r\n"
        "V-7,全 启 式,空气,压缩气或蒸气,0.8,0.1,50,80,15,,,,,,,,第 8 行：有 11 个单元格，多于表头的 10 列（多出“多出”），本行未计算。\r\n";
    const Sized sized = sizeText(Device::SafetyValve, in);
    EXPECT_EQ(sized.table, expected);
    EXPECT_EQ(sized.summary.passedThrough, (std::vector<std::string>{"位号", "备注"}));
    EXPECT_EQ(sized.summary.sized, 2);
}

TEST(SizeTable, TakesTheWindowsDefaultsForBlankCellsOnlyWhenAskedAndSaysWhich) {
    // A missing column is blank in every row. A vessel in fire needs its size, which has no default.
    const std::string in = "medium,relief_case\n空气,\n液氨,无保温液化气\n";
    EXPECT_EQ(readAll(sizeText(Device::SafetyValve, in).table)[1].back(),
              "第 2 行：“介质类型”的单元格为空，本行的工况要用此项（加 --defaults 则按窗口的默认值计算），本行未计算。");
    const Records sized = readAll(sizeText(Device::SafetyValve, in, {.defaults = true, .keys = true}).table);
    EXPECT_EQ(sized[1].back(),
              "完成（按窗口的默认值：“介质类型”为 压缩气或蒸气、“工作压力 MPa”为 0.8、“安全阀型式”为 全 启 式、"
              "“泄放侧压力MPa”为 0.1、“设计温度 ℃”为 50、“进气口内径mm”为 80、“进气流速 m/s”为 15）");
    EXPECT_EQ(sized[1][2], "3040.586");
    EXPECT_EQ(sized[2].back(),
              "第 3 行：“容器外径 mm”和“容器总长 mm”的单元格为空，本行的工况要用这些项，窗口也没有默认值，本行未计算。"
              "（已按窗口的默认值：“安全阀型式”为 全 启 式、“容器形状”为 椭封卧式、“安装位置”为 地面上无喷淋）");
}

TEST(SizeTable, SizesBurstingDiscRows) {
    const std::string in =
        "爆破片型式,medium,relief_case,grade,working_pressure_MPa,design_temperature_C,inlet_inner_diameter_mm,"
        "inlet_velocity_m_s\r\n"
        "普通正拱,空气,压缩气或蒸气,1.0级,0.8,50,80,15\r\n"
        // Reverse acting: Pb = Pd = 0.968 MPa. W goes with the density at Pb + 0.1: 3886.844 x 1.068 / 1.309;
        // A goes with W / (Pb + 0.1) and stays.
        "反拱,空气,压缩气或蒸气,1.0级,0.8,50,80,15\r\n"
        "平板,空气,压缩气或蒸气,0.5级,0.8,50,80,15\r\n";
    const std::string head =
        "爆破片型式,medium,relief_case,grade,working_pressure_MPa,design_temperature_C,inlet_inner_diameter_mm,"
        "inlet_velocity_m_s,";
    EXPECT_EQ(sizeText(Device::BurstingDisc, in).table,
              head +
                  "relief_capacity_kg_h,discharge_area_mm2,bore_mm,nominal_size_mm,design_pressure_MPa,"
                  "design_burst_pressure_MPa,status\r\n"
                  "普通正拱,空气,压缩气或蒸气,1.0级,0.8,50,80,15,3886.844,563.8745,26.7945499300395,32,1.319,1.209,完成\r\n"
                  "反拱,空气,压缩气或蒸气,1.0级,0.8,50,80,15,3171.237,563.8745,26.7945499300395,32,0.968,0.968,完成\r\n"
                  "平板,空气,压缩气或蒸气,0.5级,0.8,50,80,15,,,,,,,"
                  "未知的爆破片型式：“平板”不是“普通正拱”、“开缝正拱”、“正拱”、“反拱”之一，未计算。\r\n");
    // Titled by caption and unit, the status as 状态.
    EXPECT_EQ(readAll(sizeText(Device::BurstingDisc, in, {}).table)[0],
              (std::vector<std::string>{"爆破片型式", "medium", "relief_case", "grade", "working_pressure_MPa",
                                        "design_temperature_C", "inlet_inner_diameter_mm", "inlet_velocity_m_s",
                                        "安全泄放量 kg/h", "安全泄放面积 mm²", "计算口径 mm", "公称管径 mm",
                                        "设计压力 MPa", "设计爆破压力 MPa", "状态"}));
}

TEST(SizeTable, CarriesNothingFromOneRowToTheNext) {
    // The ammonia row leaves a prescribed design pressure and a latent heat behind in a window.
    const std::string header = std::string(kGasColumns) + ",vessel_shape,location,vessel_outer_diameter_mm,vessel_length_mm\n";
    const std::string air = "全 启 式,空气,压缩气或蒸气,0.8,0.1,50,80,15,,,,\n";
    const std::string ammonia = "全 启 式,液氨,无保温液化气,,,,,,椭封卧式,地面上无喷淋,2000,6000\n";
    for (Device device : {Device::SafetyValve, Device::BurstingDisc}) {
        const std::string alone = sizeText(device, header + air, {.defaults = true, .keys = true}).table;
        const std::string after = sizeText(device, header + ammonia + air, {.defaults = true, .keys = true}).table;
        EXPECT_EQ(after.substr(after.rfind("空气")), alone.substr(alone.rfind("空气")));
    }
}

// The opening pressure and the number of valves as columns, by caption: W is all the valves', the
// area each one's, half as large for two as for one; a pressure outside its bounds refuses the row.
TEST(SizeTable, TakesTheOpeningPressureAndTheNumberOfValves) {
    const std::string in =
        "安全阀型式,介  质,介质类型,工作压力 MPa,设计压力 MPa,泄放侧压力MPa,设计温度 ℃,进气口内径mm,进气流速 m/s,"
        "数量（只）,开启压力 MPa\n"
        "全 启 式,空气,压缩气或蒸气,0.8,0.88,0.1,50,80,15,1,0.85\n"
        "全 启 式,空气,压缩气或蒸气,0.8,0.88,0.1,50,80,15,2,0.85\n"
        "全 启 式,空气,压缩气或蒸气,0.8,0.88,0.1,50,80,15,,\n"
        "全 启 式,空气,压缩气或蒸气,0.8,0.88,0.1,50,80,15,1,0.9\n";
    const Records rows = readAll(sizeText(Device::SafetyValve, in).table);
    ASSERT_EQ(rows.size(), 5u);
    const std::size_t W = 11, A = 12, pSet = 16, status = 17;
    EXPECT_EQ(rows[1][W], rows[2][W]);
    EXPECT_NEAR(readNumber(rows[1][A]), 2 * readNumber(rows[2][A]), 2e-4);  // to the digits written
    EXPECT_EQ(rows[1][pSet], "0.85");
    EXPECT_EQ(rows[2][status], "完成");
    EXPECT_EQ(rows[3][pSet], "0.840000012516975");  // blank: 1.05 × 0.8, one valve
    EXPECT_EQ(rows[3][W], "3040.586");
    EXPECT_EQ(rows[4][status],
              "开启压力超出范围：输入的开启压力 0.9 MPa 高于设计压力 0.88 MPa。 开启压力须不低于工作压力 0.8 MPa、"
              "不高于设计压力 0.88 MPa；清空此栏则取工作压力的 1.05 倍。");
}

TEST(SizeTable, RefusesTablesWithoutAHeaderOrWithTextThatIsNoCsv) {
    EXPECT_EQ(tableError(Device::SafetyValve, ""), "the table is empty: it has no header row");
    EXPECT_EQ(tableError(Device::SafetyValve, "\xEF\xBB\xBF"), "the table is empty: it has no header row");
    EXPECT_EQ(tableError(Device::SafetyValve, "medium\n\"空气\n"), "line 2: a quoted field is not closed");
}

TEST(SizeTable, ReportsProgressEveryNRows) {
    std::string in = "medium\n";
    for (int i = 0; i < 7; ++i) in += "空气\n";
    std::istringstream text(in);
    std::ostringstream out;
    std::vector<std::int64_t> calls;
    sizeTable(Device::SafetyValve, text, out, {}, {}, [&](std::int64_t rows) { calls.push_back(rows); }, 3);
    EXPECT_EQ(calls, (std::vector<std::int64_t>{3, 6}));
}

TEST(Template, HoldsTheWindowsDefaultsUnderTitlesOrKeysAndReadsBack) {
    std::ostringstream keys;
    writeTemplate(Device::BurstingDisc, keys, {.keys = true});
    EXPECT_EQ(keys.str(),
              "disc_type,grade,medium,relief_case,vessel_shape,location,working_pressure_MPa,relief_temperature_C,"
              "design_temperature_C,vessel_outer_diameter_mm,vessel_length_mm,wetted_height_mm,inlet_inner_diameter_mm,"
              "inlet_velocity_m_s,latent_heat_kJ_kg,gas_density_kg_m3,liquid_density_kg_m3,insulation_thickness_mm,"
              "insulation_conductivity_kJ_m_h_C,device_count,k,C,molar_mass_kg_kmol,Z,phase,relief_capacity_kg_h\r\n"
              "普通正拱,1.0级,水蒸气,压缩气或蒸气,椭封卧式,地面上无喷淋,0.8,,50,,,,80,15,,,,,,1,,,,,,\r\n");
    std::ostringstream titles;
    writeTemplate(Device::SafetyValve, titles);
    EXPECT_EQ(readAll(titles.str())[0],
              (std::vector<std::string>{"安全阀型式", "介质", "介质类型", "容器形状", "安装位置", "工作压力 MPa",
                                        "设计压力 MPa", "泄放侧压力MPa", "泄放温度 ℃", "设计温度 ℃", "容器外径 mm",
                                        "容器总长 mm", "液位高度 mm", "进气口内径mm", "进气流速 m/s",
                                        "气化潜热 kJ/kg", "气体密度 kg/m³", "液体密度 kg/m³", "保温厚度 mm",
                                        "导热系数 kJ/(m·h·℃)",
                                        "密封半锥角φ °", "数量（只）", "k", "C", "M kg/kmol", "Z", "形态", "安全泄放量 kg/h",
                                        "开启压力 MPa"}));
    // Either header reads back as the window's defaults: a steam row, which needs its density.
    for (const std::string& templ : {keys.str(), titles.str()}) {
        const Device device = templ == keys.str() ? Device::BurstingDisc : Device::SafetyValve;
        const Records sized = readAll(sizeText(device, templ).table);
        ASSERT_EQ(sized.size(), 2u);
        EXPECT_EQ(sized[1].back(), device == Device::SafetyValve
                                       ? "第 2 行：“气体密度”的单元格为空，本行的工况要用此项（加 --defaults 则按窗口的默认值计算），本行未计算。"
                                       : "完成");
    }
}

}  // namespace
}  // namespace orvane::batch
