#include "valve_input_rules.h"

#include <array>
#include <string>

#include "engine/media.h"
#include "engine/number_text.h"
#include "engine/relief_capacity.h"
#include "form/action.h"
#include "form/case_fields.h"
#include "form/layout.h"
#include "valve_controls.h"

namespace orvane::valve {

namespace {

using enum Visibility;

// Controls shown and hidden together, per layout: A compressed gas, B uninsulated, C insulated.
constexpr std::array<LayoutRow, 13> kLayouts = {{
    {{"Label5", "Text5"}, {Shown, Hidden, Hidden}},                 // inlet pipe inner diameter
    {{"Label6", "Text6"}, {Shown, Hidden, Hidden}},                 // inlet flow velocity
    {{"Label16", "Text14", "Label31"}, {Shown, Hidden, Hidden}},    // gas density
    {{"Label30", "Text24"}, {Shown, Hidden, Hidden}},               // design temperature
    {{"Label26", "Combo4"}, {Hidden, Shown, Hidden}},               // installation location
    {{"Label22", "Text18", "Label23"}, {Hidden, Shown, Shown}},     // latent heat
    {{"Label24", "Text19"}, {Hidden, Shown, Shown}},                // vessel outer diameter
    {{"Label25", "Text20"}, {Hidden, Shown, Shown}},                // vessel overall length
    {{"Label27", "Text21"}, {Hidden, Hidden, Shown}},               // relief temperature
    {{"Label28", "Text22"}, {Hidden, Hidden, Shown}},               // insulation thickness
    {{"Label29", "Text23"}, {Hidden, Hidden, Shown}},               // thermal conductivity
    {{"Text9"}, {Shown, Shown, Shown}},                             // k (steam rule below)
    {{"Text10", "Text12"}, {Kept, Shown, Shown}},                   // C, Z (steam rule below)
}};

constexpr std::array<std::string_view, 2> kWettedHeight = {"Label34", "Text26"};

}  // namespace

Outcome inputParameters(Form& form, ValveQuantities& q, ProgramValues& shared) {
    Action act(form, windowTable());
    return act.run([&]() -> Outcome {
        form.refresh();
        form.setShown("Shape1", false);
        shared.FixedDesignPressure = 0.0;

        form.refresh();
        const std::string medium = form.text("Combo1");
        const std::string mediumType = form.text("Combo2");
        const std::string phaseField = form.text("Text1");
        ApplyMedium(q, shared, medium, mediumType, phaseField);

        const ReliefCase reliefCase = reliefCaseOf(mediumType);
        Layout layout = Layout::CompressedGas;
        if (reliefCase == ReliefCase::CompressedGas) {
            form.setShown("Combo3", false);
        } else if (reliefCase == ReliefCase::Uninsulated) {
            form.setShown("Combo3", true);
            layout = Layout::Uninsulated;
        } else if (reliefCase == ReliefCase::Insulated) {
            form.setShown("Combo3", true);
            layout = Layout::Insulated;
        }
        applyLayout(form, kLayouts, layout);
        const int sealTop = layout == Layout::Insulated ? kSealRowTopInsulated : kSealRowTop;
        form.setTop("Label32", sealTop);
        form.setTop("Text25", sealTop);
        form.setShown("Text25", form.isSelected(kConicalLowLift));
        const bool vertical = layout != Layout::CompressedGas && form.text("Combo3") == kShapeVertical;
        for (std::string_view name : kWettedHeight) form.setShown(name, vertical);

        if (layout == Layout::CompressedGas) applySteamRule(form, medium, phaseField);

        // Working and design pressure, one from the other with the ratio 1.1.
        act.at(Step::DesignPressure);
        // Set to 0 above, perhaps to the medium's since: never empty [equivalent mutants: constant].
        const double prescribed = shared.FixedDesignPressure.value_or(0.0);
        if (prescribed != 0.0) {
            q.Pd = toSingle(prescribed);
            form.setText("Text2", writeDouble((Real(q.Pd) / 1.1).value()));
        } else {
            q.Pw = act.single("Text2");
            q.Pd = toSingle(Real(q.Pw) * 1.1);
        }
        form.setText("Text3", writeSingle(q.Pd));
        showProperties(form, q, shared, q.memory);
        q.memory.basis = readTexts(form, kDerivationInputs);
        ++q.memory.derivationSerial;
        return Done{};
    });
}

void clear(Form& form, ValveQuantities& q) {
    if (form.text("Combo1") != kSteam) form.setShown("Shape1", true);
    for (std::string_view name : kOutputs) form.setText(name, "");
    q.memory.programCapacity.reset();
    q.memory.record.reset();
}

}  // namespace orvane::valve
