#include "valve_window.h"

#include "casefile/case_menu.h"

#include "valve_controls.h"
#include "valve_input_rules.h"

namespace orvane::valve {

namespace {
constexpr Decoration kDecorations[] = {{"Picture1", &paintValvePicture}};
}

ValveWindow::ValveWindow(ProgramValues& shared, QWidget* parent)
    : CalculatorWindow(windowTable(), kDecorations, kDerivationInputs, parent), shared_(shared) {
    new casefile::CaseMenu(*this, {&q_.Pd, &q_.Pw});
}

Outcome ValveWindow::inputParameters() { return valve::inputParameters(form(), q_, shared_); }

Outcome ValveWindow::calculate() { return valve::calculate(form(), q_, shared_); }

void ValveWindow::clear() { valve::clear(form(), q_); }

}  // namespace orvane::valve
