#include "area.h"

namespace orvane {

void Mianji1(SizingQuantities& q) {
    const Real W = q.W, C = q.C, K = q.K, P = q.P, M = q.M, Z = q.zValue(), T = q.T;
    const Real s = sqrt(M / Z / T);
    q.A = toSingle(W / 0.076 / C / K / P / s);
}

void Mianji2(SizingQuantities& q) {
    const Real W = q.W, K = q.K, P = q.P, Po = q.Po, k = q.k, M = q.M, Z = q.zValue(), T = q.T;
    const Real e1 = 2 / k;
    const Real r = Po / P;
    const Real t1 = pow(r, e1);
    const Real e2 = (k + 1) / k;
    const Real t2 = pow(r, e2);
    const Real X = (t1 - t2) * (k / (k - 1));
    const Real s = sqrt(M / Z / T * X);
    q.A = toSingle(W / 55.85 / K / P / s);
}

void Mianji3(SizingQuantities& q) {
    const Real W = q.W, K = q.K, P = q.P;
    q.A = toSingle(W / 5.25 / K / P);
}

void liquidArea(SizingQuantities& q, Real rho, Real dp) {
    const Real W = q.W, K = q.K;
    q.A = toSingle(W / kLiquidOrifice / K / sqrt(rho * dp));
}

void Mianji4(SizingQuantities& q) {
    const Real W = q.W, K = q.K, P = q.P;
    const Real a = W / 5.25 / K / P;
    const Real f = (229.2 * P - 7315) / (190.6 * P - 6895);
    q.A = toSingle(a * f);
}

Real criticalPressureRatio(float k) {
    const Real kk = k;
    const float b = toSingle(2 / (kk + 1));
    const float n = toSingle(kk / (kk - 1));
    return pow(b, n);
}

bool isCriticalFlow(const SizingQuantities& q) {
    const Real rc = criticalPressureRatio(q.k);
    const float ratio = toSingle(Real(q.Po) / q.P);
    return Real(ratio) <= rc;
}

}  // namespace orvane
