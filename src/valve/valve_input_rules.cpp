#include "valve_input_rules.h"

#include <array>
#include <string>

#include "engine/media.h"
#include "engine/number_text.h"
#include "engine/relief_capacity.h"
#include "form/layout.h"
#include "form/window_case.h"
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
    form.refresh();
    const media::CaseMediumInForce caseMedium(q.memory.caseMedium);  // the opened case's own medium
    form.setShown("Shape1", false);
    form.refresh();
    const Case c = readCase(form, description(), q.memory);

    // The fields of the relief case.
    const ReliefCase reliefCase = reliefCaseOf(c.text(Field::ReliefCase));
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
    const bool vertical = layout != Layout::CompressedGas && c.text(Field::VesselShape) == kShapeVertical;
    for (std::string_view name : kWettedHeight) form.setShown(name, vertical);
    if (layout == Layout::CompressedGas) applySteamRule(form, c.text(Field::Medium), typedPhase(c));

    const Derivation d = derive(c, shared);
    showDerivation(form, description(), q.memory, d);
    return d.outcome;
}

void clear(Form& form, ValveQuantities& q) {
    if (form.text("Combo1") != kSteam) form.setShown("Shape1", true);
    clearResults(form, description(), q.memory);
}

}  // namespace orvane::valve
