#include "disc_input_rules.h"

#include <array>
#include <string>

#include "disc_controls.h"
#include "engine/media.h"
#include "engine/relief_capacity.h"
#include "form/layout.h"
#include "form/window_case.h"

namespace orvane::disc {

namespace {

using enum Visibility;

// Controls shown, hidden or kept together, per layout: compressed gas (and any other text),
// uninsulated, insulated.
constexpr std::array<LayoutRow, 16> kLayouts = {{
    {{"Label5", "Text5"}, {Shown, Hidden, Hidden}},             // inlet pipe inner diameter
    {{"Label6", "Text6"}, {Shown, Hidden, Hidden}},             // inlet velocity
    {{"Label16", "Text14"}, {Shown, Hidden, Hidden}},           // gas density
    {{"Label31"}, {Shown, Kept, Kept}},                         // its unit
    {{"Label30", "Text24"}, {Shown, Kept, Kept}},               // design temperature
    {{"Text9"}, {Shown, Shown, Shown}},                         // k (steam rule below)
    {{"Text10", "Text12"}, {Kept, Shown, Shown}},               // C, Z (steam rule below)
    {{"Label26", "Combo4"}, {Hidden, Shown, Hidden}},           // installation location
    {{"Label22", "Text18"}, {Hidden, Shown, Shown}},            // latent heat
    {{"Label23"}, {Hidden, Shown, Shown}},
    {{"Label24", "Text19"}, {Hidden, Shown, Shown}},            // vessel outer diameter
    {{"Label25"}, {Hidden, Shown, Shown}},                      // vessel total length
    {{"Text20"}, {Hidden, Shown, Shown}},                       // (sphere rule below)
    {{"Label27", "Text21"}, {Hidden, Hidden, Shown}},           // relief temperature
    {{"Label28", "Text22"}, {Hidden, Hidden, Shown}},           // insulation thickness
    {{"Label29", "Text23"}, {Hidden, Hidden, Shown}},           // thermal conductivity
}};

constexpr std::array<std::string_view, 2> kWettedHeight = {"Label32", "Text25"};

}  // namespace

Outcome inputParameters(Form& form, DiscQuantities& q, ProgramValues& shared) {
    form.refresh();
    const media::CaseMediumInForce caseMedium(q.memory.caseMedium);  // the opened case's own medium
    form.setShown("Shape1", false);
    const Case c = readCase(form, description(), q.memory);
    const Derivation d = derive(c, shared);
    if (!isDone(d.outcome)) return d.outcome;

    // The fields of the relief case.
    const ReliefCase reliefCase = reliefCaseOf(c.text(Field::ReliefCase));
    const Layout layout = reliefCase == ReliefCase::Uninsulated ? Layout::Uninsulated
                          : reliefCase == ReliefCase::Insulated ? Layout::Insulated
                                                                : Layout::CompressedGas;
    applyLayout(form, kLayouts, layout);
    if (layout == Layout::CompressedGas) applySteamRule(form, c.text(Field::Medium), typedPhase(c));
    const std::string& shape = c.text(Field::VesselShape);
    if (layout == Layout::Uninsulated && shape == kShapeSphere) form.setShown("Text20", false);
    const bool vertical = layout != Layout::CompressedGas && shape == kShapeVertical;
    for (std::string_view name : kWettedHeight) form.setShown(name, vertical);

    showDerivation(form, description(), q.memory, d);
    return d.outcome;
}

void clear(Form& form, DiscQuantities& q) {
    form.setShown("Shape1", true);
    clearResults(form, description(), q.memory);
}

}  // namespace orvane::disc
