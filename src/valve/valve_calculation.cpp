#include "valve_calculation.h"

#include "form/window_case.h"
#include "valve_controls.h"

namespace orvane::valve {

LiftType selectedLiftType(const Form& form) {
    if (form.isSelected(kFlatLowLift)) return LiftType::FlatSeatLow;
    if (form.isSelected(kConicalLowLift)) return LiftType::ConicalSeatLow;
    return LiftType::Full;
}

Outcome calculate(Form& form, ValveQuantities& q, ProgramValues& shared) {
    form.refresh();
    const media::CaseMediumInForce caseMedium(q.memory.caseMedium);  // the opened case's own medium
    CalculationRecord record = size(readCase(form, description(), q.memory), shared);
    Outcome outcome = record.outcome;
    showCalculation(form, description(), q.memory, std::move(record));
    return outcome;
}

}  // namespace orvane::valve
