// Clicks on the real safety valve window, offscreen: the button's click() runs the whole path a
// mouse click takes after Qt's event delivery (clicked signal, the action over the widgets, the
// outputs' new texts), and the events it leaves (repaints) are processed before the next click.
//
// Calculate is measured as in actions_bench.cpp: compressed air, full lift, the capacity field
// emptied before each click so that the capacity is computed each time.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "valve/valve_window.h"

namespace {

using namespace orvane;

QPushButton* button(QWidget* w, const char* name) {
    return w->findChild<QPushButton*>(name, Qt::FindDirectChildrenOnly);
}

struct OpenWindow {
    ProgramValues shared;
    valve::ValveWindow window{shared};
    QPushButton* calculate = button(&window, "Command1");
    QPushButton* inputParameters = button(&window, "Command4");
    QLineEdit* capacity = window.findChild<QLineEdit*>("Text7", Qt::FindDirectChildrenOnly);

    OpenWindow() {
        window.show();
        window.findChild<QComboBox*>("Combo1", Qt::FindDirectChildrenOnly)->setEditText("空气");
        inputParameters->click();
        QApplication::processEvents();
    }
};

void WindowCalculateClick(benchmark::State& state) {
    OpenWindow w;
    for (auto _ : state) {
        w.capacity->clear();
        w.calculate->click();
        QApplication::processEvents();
    }
    if (w.window.findChild<QLineEdit*>("Text17")->text() != "32") state.SkipWithError("Calculate gave no result");
}
BENCHMARK(WindowCalculateClick)->Unit(benchmark::kMicrosecond);

void WindowInputParametersClick(benchmark::State& state) {
    OpenWindow w;
    for (auto _ : state) {
        w.inputParameters->click();
        QApplication::processEvents();
    }
}
BENCHMARK(WindowInputParametersClick)->Unit(benchmark::kMicrosecond);

// Where the time of a click goes: the click alone (its repaints processed outside the timing), one
// synchronous repaint of the whole window, and of the valve picture alone.
void WindowCalculateClickWithoutRepaint(benchmark::State& state) {
    OpenWindow w;
    for (auto _ : state) {
        w.capacity->clear();
        w.calculate->click();
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(WindowCalculateClickWithoutRepaint)->Unit(benchmark::kMicrosecond);

void WindowRepaint(benchmark::State& state) {
    OpenWindow w;
    for (auto _ : state) w.window.repaint();
}
BENCHMARK(WindowRepaint)->Unit(benchmark::kMicrosecond);

void WindowRepaintOfThePicture(benchmark::State& state) {
    OpenWindow w;
    QWidget* picture = w.window.findChild<QWidget*>("Picture1", Qt::FindDirectChildrenOnly);
    for (auto _ : state) picture->repaint();
}
BENCHMARK(WindowRepaintOfThePicture)->Unit(benchmark::kMicrosecond);

void WindowRepaintOfOneField(benchmark::State& state) {
    OpenWindow w;
    for (auto _ : state) w.capacity->repaint();
}
BENCHMARK(WindowRepaintOfOneField)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
