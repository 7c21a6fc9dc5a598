#include "valve_window.h"

#include "valve_controls.h"
#include "valve_input_rules.h"

namespace orvane::valve {

namespace {
constexpr Decoration kDecorations[] = {{"Picture1", &paintValvePicture}};
}

ValveWindow::ValveWindow(ProgramValues& shared, QWidget* parent)
    : CalculatorWindow(windowTable(), valve::description(), kDecorations, parent), shared_(shared) {}

Outcome ValveWindow::inputParameters() { return valve::inputParameters(form(), q_, shared_); }

Outcome ValveWindow::calculate() { return valve::calculate(form(), q_, shared_); }

void ValveWindow::clear() { valve::clear(form(), q_); }

}  // namespace orvane::valve
