#include "relief_capacity.h"

#include <stdexcept>

namespace orvane {

ReliefCase reliefCaseOf(std::string_view mediumType) {
    if (mediumType == kCaseCompressedGas) return ReliefCase::CompressedGas;
    if (mediumType == kCaseUninsulated) return ReliefCase::Uninsulated;
    if (mediumType == kCaseInsulated) return ReliefCase::Insulated;
    if (mediumType == kCaseHeatExchange) return ReliefCase::HeatExchange;
    if (mediumType == kCaseReaction) return ReliefCase::Reaction;
    return ReliefCase::Unknown;
}

namespace {
const Real kMillion = pow(10, 6);
}

float gasDensity(Real M, Real P, Real T) { return toSingle(M * 121.9 * P / T); }

Real heatedArea(std::string_view shape, Real D, Real L, Real h) {
    if (shape == kShapeEllipticalHeads) return 3.14 * D * (L + 0.3 * D) / kMillion;
    if (shape == kShapeHemisphericalHeads) return 3.14 * D * L / kMillion;
    if (shape == kShapeVertical) return 3.14 * D * h / kMillion;
    if (shape == kShapeSphere) return 1.57 * pow(D, 2) / kMillion;
    return 0;
}

Real locationFactor(std::string_view location) {
    if (location == kLocationItems[1]) return 1;
    if (location == kLocationItems[2]) return 0.6;
    if (location == kLocationItems[0]) return 0.3;
    return 0;
}

float reliefCompressedGas(Real Rho, Real v, Real d) { return toSingle(Rho * 0.00283 * v * pow(d, 2)); }

float reliefUninsulated(Real Ar, Real F, Real q) {
    return toSingle(pow(Ar, 0.82) * (F * 255000) / q);
}

float reliefInsulated(Real Ar, Real lambda, Real t, Real deltaMm, Real q) {
    const Real deltaMetres = deltaMm / 1000;
    return toSingle(pow(Ar, 0.82) * (lambda * ((650 - t) * 2.61)) / deltaMetres / q);
}

std::optional<Notice> reliefCaseNotice(std::string_view mediumType, std::string_view shape, Real wettedHeight) {
    switch (reliefCaseOf(mediumType)) {
        case ReliefCase::Unknown: return Notice{NoticeKind::UnknownReliefCase, std::string(mediumType)};
        case ReliefCase::HeatExchange:
        case ReliefCase::Reaction: return Notice{NoticeKind::UnsupportedReliefCase, std::string(mediumType)};
        case ReliefCase::Uninsulated:
        case ReliefCase::Insulated:
            if (shape == kShapeVertical && wettedHeight == 0) return Notice{NoticeKind::MissingWettedHeight, {}};
            return std::nullopt;
        case ReliefCase::CompressedGas: return std::nullopt;
    }
    return std::nullopt;
}

float reliefCapacity(const ReliefInputs& in) {
    const ReliefCase c = reliefCaseOf(in.mediumType);
    if (c == ReliefCase::CompressedGas) return reliefCompressedGas(in.Rho, in.v, in.d);
    if (!isFireCase(c)) throw std::logic_error("no rule for this relief case");
    // Shape and location are both evaluated for either fire case.
    const Real Ar = heatedArea(in.shape, in.D, in.L, in.h);
    const Real F = locationFactor(in.location);
    if (c == ReliefCase::Uninsulated) return reliefUninsulated(Ar, F, in.q);
    return reliefInsulated(Ar, in.lambda, in.t, in.deltaMm, in.q);
}

}  // namespace orvane
