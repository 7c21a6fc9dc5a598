#include "disc_calculation.h"

#include <algorithm>
#include <array>
#include <string>

#include "disc_controls.h"
#include "engine/area.h"
#include "engine/media.h"
#include "engine/number_text.h"
#include "engine/relief_capacity.h"
#include "form/action.h"
#include "form/case_fields.h"

namespace orvane::disc {

namespace {
constexpr std::string_view kWettedHeight = "Text25";
// Nominal pipe sizes, mm, from the largest down: the last one not below the bore wins.
constexpr std::array<int, 13> kNominalSizes = {200, 150, 125, 100, 80, 65, 50, 40, 32, 25, 20, 15, 10};
static_assert(std::ranges::adjacent_find(kNominalSizes, std::ranges::less_equal{}) == kNominalSizes.end());
}  // namespace

Real bore(float A, float pi) { return 2 * sqrt(Real(A) / pi); }

std::optional<int> nominalSize(double boreMm) {
    std::optional<int> size;
    for (int n : kNominalSizes) {
        if (boreMm <= n) size = n;
    }
    return size;
}

Outcome calculate(Form& form, DiscQuantities& q, ProgramValues& shared) {
    Action act(form);
    return act.run([&]() -> Outcome {
        form.refresh();
        const bool typedCapacity = !form.text("Text7").empty();
        if (!typedCapacity) {
            if (auto notice = reliefCaseNotice(act, kWettedHeight)) return *notice;
        }

        // Inputs; the working pressure is shown only (a liquefied case rewrites it below).
        q.Pi = kWindowPi;
        const CaseFields fields = readCaseFields(act, shared, kWettedHeight);
        readProperties(act, q);
        const std::string phase = form.text("Text1");
        q.K = kDiscCoefficient;
        const Real tDesign = *shared.DesignTemperature;

        if (typedCapacity) {
            q.W = act.single("Text7");
        } else {
            if (form.text("Combo2") != kCaseCompressedGas) {
                act.at(Step::Pressures);
                form.setText("Text2", writeDouble((Real(q.Pd) / 1.1).value()));
            }
            act.at(Step::Pressures);
            q.T = toSingle(273 + tDesign);
            act.at(Step::GasDensity);
            q.Rho = gasDensity(q.M, Real(q.Pb) + 0.1, q.T);
            form.setText("Text14", writeSingle(q.Rho));
            q.W = reliefCapacity(act, fields, q.Rho, *shared.LatentHeat);
        }
        act.at(Step::Pressures);
        q.T = toSingle(273 + tDesign);

        // Discharge area by phase; there is no back pressure here, so gas flow is critical.
        bool areaApplies = true;
        if (phase == kPhaseLiquid) {
            areaApplies = false;
        } else {
            q.P = toSingle(Real(q.Pb) + 0.1);
            act.at(Step::DischargeArea);
            if (phase != kPhaseSaturated) {
                Mianji1(q);
            } else if (q.P <= 10.0f) {
                Mianji3(q);
            } else if (q.P <= 22.0f) {
                Mianji4(q);
            } else {
                areaApplies = false;
            }
        }
        if (!areaApplies) {
            form.setText("Text7", writeSingle(q.W));
            for (const char* name : {"Text8", "Text15", "Text16"}) form.setText(name, "");
            form.setText("Text13", writeSingle(q.Pb));
            form.setText("Text3", writeSingle(q.Pd));
            return Notice{NoticeKind::NoAreaEquation, phase, static_cast<double>(q.P)};
        }

        act.at(Step::Bore);
        const Real d = bore(q.A, q.Pi);
        const std::optional<int> size = nominalSize(d.value());

        form.setText("Text7", writeSingle(q.W));
        form.setText("Text8", writeSingle(q.A));
        form.setText("Text15", writeDouble(d.value()));
        form.setText("Text16", size ? writeInteger(*size) : "");
        form.setText("Text13", writeSingle(q.Pb));
        form.setText("Text3", writeSingle(q.Pd));
        return Done{};
    });
}

}  // namespace orvane::disc
