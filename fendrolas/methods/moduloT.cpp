#include "fendrolas/methods/moduloT.h"

#include <cmath>

#include "fendrolas/methods/stateoutcome.h"
#include "fendrolas/methods/watertable.h"

namespace fendrolas {

namespace {

// The module's own constants; the driver converted the angle with 3.14159.
constexpr double E = 2.718281828;
constexpr double PI = 3.141592654;

// Passive-pressure coefficient of the gamma term against the friction angle, index 1..11.
constexpr int kKpgPoints = 11;
constexpr float kpgAngle[kKpgPoints + 1] = {0, 0, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50};
constexpr float kpgValue[kKpgPoints + 1] = {0,  10.8f, 12.2f, 14.7f, 18.6f, 25.0f,
                                            35, 52,    82,    141,   298,   800};

// Linear interpolation in the table; 0 outside 0..50 degrees. Every interval is tried, so at an
// inner table angle the later interval gives the value.
double interpolatedKpg(double phiDegrees) {
    double Kpg = 0;
    for (int k = 1; k < kKpgPoints; ++k) {
        if (phiDegrees >= kpgAngle[k] && phiDegrees <= kpgAngle[k + 1]) {
            // The slope is rounded to single precision; the rest is double.
            const double slope =
                float((kpgValue[k + 1] - kpgValue[k]) / (kpgAngle[k + 1] - kpgAngle[k]));
            Kpg = slope * phiDegrees - slope * kpgAngle[k] + kpgValue[k];
        }
    }
    return Kpg;
}

void writeStateRows(MethodResults& r, int i, const MethodInput& in, const TerzaghiFactors& N) {
    const float V = in.V[i];
    const float B = in.Lx < in.Ly ? in.Lx : in.Ly;
    const float L = in.Lx < in.Ly ? in.Ly : in.Lx;
    const double area = double(B) * L;

    const double q = overburden(in.gamma, in.df, in.water);
    const double gammaB = gammaTermUnitWeight(in.gamma, in.df, B, in.water);
    const double qu = 1.3 * in.c * N.Nc + q * N.Nq + 0.5 * gammaB * B * N.Ngamma * 1;
    const double Nu = qu * area;

    r(kRowWidth, i) = B;
    r(kRowLength, i) = L;
    setRow(r, kRowArea, i, area);
    r(kRowLxp, i) = 0;
    r(kRowLyp, i) = 0;
    setRow(r, kRowActing, i, V / area);
    r.water.gamma[i] = tableValue(gammaB);
    setUltimate(r, i, V, qu, Nu);
}

// Terzaghi has no depth or inclination factors; its shape factors are sc = 1.3 and sg = 1.
void writeFactorRows(MethodResults& r) {
    for (int i = 1; i <= kStates; ++i) {
        for (int row = kRowDc; row <= kRowSgL; ++row) {
            r(row, i) = 0;
        }
        r(kRowSc, i) = 1.3f;
        r(kRowSg, i) = 1;
    }
}

}  // namespace

TerzaghiFactors terzaghiFactors(double phi) {
    TerzaghiFactors N;
    const double tanPhi = std::tan(phi);
    const double cosPhi = std::cos(phi);
    const double cos2Phi = cosPhi * cosPhi;

    const double a = std::pow(E, (0.75 * PI - phi / 2) * tanPhi);
    const double cosHalf = std::cos(PI / 4 + phi / 2);
    N.Nq = a * a / (2 * cosHalf * cosHalf);
    // (Nq - 1) cot(phi) tends to 1.5 pi + 1 as phi goes to 0, Terzaghi's Nc = 5.7 of a purely
    // cohesive soil.
    N.Nc = tanPhi != 0 ? (N.Nq - 1) * (1 / tanPhi) : 1.5 * PI + 1;

    N.Kpg = interpolatedKpg(phi * 180 / PI);
    N.Ngamma = 0.5 * tanPhi * (N.Kpg / cos2Phi - 1);
    return N;
}

void metodoterzaghi(const MethodInput& input, CalculationContext& context) {
    MethodResults& r = context.tables.of(kTerzaghi);
    const TerzaghiFactors N = terzaghiFactors(input.phi);
    r.water = startWaterRecord(input);
    for (int i = 1; i <= kStates; ++i) {
        writeStateRows(r, i, input, N);
    }
    // The negative check looks at rows 4..20 too; they hold only these non-negative constants.
    writeFactorRows(r);
    r.Nc = N.Nc;
    r.Nq = N.Nq;
    r.Ngamma = N.Ngamma;
    r.method = kTerzaghi;
    FrameSteps steps;
    steps.negativeMessage = NegativeMessage::RowAndValue;
    runMethodFrame(r, input, steps, context);
}

}  // namespace fendrolas
