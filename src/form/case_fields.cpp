#include "case_fields.h"

#include <string>

#include "engine/media.h"
#include "engine/number_text.h"
#include "engine/relief_capacity.h"

namespace orvane {

std::optional<Notice> reliefCaseNotice(Action& act, std::string_view wettedHeightField) {
    return reliefCaseNotice(act.text("Combo2"), act.text("Combo3"), act.number(wettedHeightField));
}

CaseFields readCaseFields(Action& act, ProgramValues& shared, std::string_view wettedHeightField) {
    CaseFields f;
    f.tRelief = act.number("Text21");
    f.D = act.number("Text19");
    f.L = act.number("Text20");
    shared.LatentHeat = act.number("Text18");
    f.delta = act.number("Text22");
    f.lambda = act.number("Text23");
    f.dInlet = act.number("Text5");
    f.v = act.number("Text6");
    shared.DesignTemperature = act.number("Text24");
    f.h = act.number(wettedHeightField);
    return f;
}

void readProperties(Action& act, SizingQuantities& q) {
    q.M = act.single("Text11");
    q.Z = act.single("Text12");
    q.k = act.single("Text9");
    q.C = act.single("Text10");
}

float reliefCapacity(Action& act, const CaseFields& f, Real Rho, Real q) {
    const std::string mediumType = act.text("Combo2");
    const std::string shape = act.text("Combo3");
    const std::string location = act.text("Combo4");
    act.at(Step::ReliefCapacity);
    return reliefCapacity({.mediumType = mediumType,
                           .Rho = Rho,
                           .v = f.v,
                           .d = f.dInlet,
                           .shape = shape,
                           .location = location,
                           .D = f.D,
                           .L = f.L,
                           .h = f.h,
                           .q = q,
                           .t = f.tRelief,
                           .lambda = f.lambda,
                           .deltaMm = f.delta});
}

void applySteamRule(Form& form, std::string_view medium, std::string_view phaseField) {
    if (medium != kSteam) return;
    for (const char* name : {"Text9", "Text10", "Text12"}) form.setShown(name, false);
    if (phaseField == kPhaseGas) {
        form.setShown("Text10", true);
        form.setShown("Text12", true);
    }
}

void showProperties(Form& form, const SizingQuantities& q, const ProgramValues& shared) {
    form.setText("Text1", shared.PhaseText.value_or(""));
    form.setText("Text9", writeSingle(q.k));
    form.setText("Text10", writeSingle(q.C));
    form.setText("Text11", writeSingle(q.M));
    form.setText("Text12", q.Z ? writeSingle(*q.Z) : "");
    form.setText("Text18", shared.LatentHeat ? writeDouble(*shared.LatentHeat) : "");
}

}  // namespace orvane
