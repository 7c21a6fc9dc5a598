// The window actions over in-memory controls: what a click costs without Qt.
//
// Calculate is measured with the relief capacity computed each time (the capacity field is emptied
// before each run, as "C" does), for compressed air through a full-lift valve: the case of the
// window's defaults after input parameters with "空气".
#include <benchmark/benchmark.h>

#include "form/memory_form.h"
#include "valve/valve_calculation.h"
#include "valve/valve_controls.h"
#include "valve/valve_input_rules.h"

#if ORVANE_BENCH_DISC
#include "disc/disc_calculation.h"
#include "disc/disc_controls.h"
#include "disc/disc_input_rules.h"
#endif

namespace {

using namespace orvane;

// Calculate of a window after input parameters with "空气", the capacity emptied before each run.
template <class Quantities>
void Calculate(benchmark::State& state, const WindowTable& (*table)(),
               Outcome (*inputParameters)(Form&, Quantities&, ProgramValues&),
               Outcome (*calculate)(Form&, Quantities&, ProgramValues&)) {
    MemoryForm form(table());
    Quantities q;
    ProgramValues shared;
    form.setText("Combo1", "空气");
    if (!isDone(inputParameters(form, q, shared))) state.SkipWithError("input parameters failed");
    for (auto _ : state) {
        form.setText("Text7", "");
        const Outcome o = calculate(form, q, shared);
        benchmark::DoNotOptimize(o);
        if (!isDone(o)) state.SkipWithError("Calculate did not finish");
    }
}
BENCHMARK_CAPTURE(Calculate, Valve, &valve::windowTable, &valve::inputParameters, &valve::calculate);
#if ORVANE_BENCH_DISC
BENCHMARK_CAPTURE(Calculate, Disc, &disc::windowTable, &disc::inputParameters, &disc::calculate);
#endif

void ValveInputParameters(benchmark::State& state) {
    MemoryForm form(valve::windowTable());
    valve::ValveQuantities q;
    ProgramValues shared;
    form.setText("Combo1", "空气");
    for (auto _ : state) {
        const Outcome o = valve::inputParameters(form, q, shared);
        benchmark::DoNotOptimize(o);
        if (!isDone(o)) state.SkipWithError("input parameters failed");
    }
}
BENCHMARK(ValveInputParameters);

// The in-memory form itself: opening one, and one text read (what the actions do most).
void MemoryFormOpen(benchmark::State& state) {
    for (auto _ : state) {
        MemoryForm form(valve::windowTable());
        benchmark::DoNotOptimize(form);
    }
}
BENCHMARK(MemoryFormOpen);

void MemoryFormReadText(benchmark::State& state) {
    const MemoryForm form(valve::windowTable());
    for (auto _ : state) benchmark::DoNotOptimize(form.text("Text24"));
}
BENCHMARK(MemoryFormReadText);

}  // namespace
