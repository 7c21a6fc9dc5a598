// One row of a batch table sized: a fresh in-memory window, input parameters and Calculate, with
// the CSV reading and writing around it. Items per second are rows per second on one core.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "batch/batch.h"

namespace {

using orvane::Device;

// n rows of compressed air through a full-lift valve and of liquid ammonia in fire, alternately, every
// cell the cases use given.
std::string table(int n) {
    std::string t =
        "valve_type,medium,relief_case,vessel_shape,location,working_pressure_MPa,back_pressure_abs_MPa,"
        "design_temperature_C,inlet_inner_diameter_mm,inlet_velocity_m_s,vessel_outer_diameter_mm,vessel_length_mm\n";
    for (int i = 0; i < n; ++i)
        t += i % 2 == 0 ? "全 启 式,空气,压缩气或蒸气,,,0.8,0.1,50,80,15,,\n" : "全 启 式,液氨,无保温液化气,椭封卧式,地面上无喷淋,,,,,,2000,6000\n";
    return t;
}

void BM_SizeRow(benchmark::State& state) {
    const orvane::batch::Columns columns(
        Device::SafetyValve, {"valve_type", "medium", "relief_case", "working_pressure_MPa", "back_pressure_abs_MPa",
                              "design_temperature_C", "inlet_inner_diameter_mm", "inlet_velocity_m_s"});
    const std::vector<std::string> cells = {"全 启 式", "空气", "压缩气或蒸气", "0.8", "0.1", "50", "80", "15"};
    for (auto _ : state)
        benchmark::DoNotOptimize(orvane::batch::sizeRow(columns, cells, 2));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SizeRow);

void BM_SizeTable(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const std::string text = table(rows);
    for (auto _ : state) {
        std::istringstream in(text);
        std::ostringstream out;
        benchmark::DoNotOptimize(orvane::batch::sizeTable(Device::SafetyValve, in, out));
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_SizeTable)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
