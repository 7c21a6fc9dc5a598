#include "disc_calculation.h"

#include "disc_controls.h"
#include "form/window_case.h"

namespace orvane::disc {

std::string_view selectedDiscType(const Form& form) {
    // One option of the group is always selected: the first unless another one is.
    for (std::size_t i = 1; i < kDiscTypeOptions.size(); ++i) {
        if (form.isSelected(kDiscTypeOptions[i])) return kDiscTypeOptions[i];
    }
    return kDiscTypeOptions[0];
}

std::string_view discTypeCaption(const Form& form) {
    const OptionInfo* o = description().optionByControl(selectedDiscType(form));
    return o != nullptr ? std::string_view(o->caption) : std::string_view();
}

Outcome calculate(Form& form, DiscQuantities& q, ProgramValues& shared) {
    form.refresh();
    const media::CaseMediumInForce caseMedium(q.memory.caseMedium);  // the opened case's own medium
    CalculationRecord record = size(readCase(form, description(), q.memory), shared);
    Outcome outcome = record.outcome;
    showCalculation(form, description(), q.memory, std::move(record));
    return outcome;
}

}  // namespace orvane::disc
