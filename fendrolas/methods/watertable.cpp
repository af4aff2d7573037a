#include "fendrolas/methods/watertable.h"

#include "common/fieldvalue.h"
#include "fendrolas/methods/stateoutcome.h"

namespace fendrolas {

float submergedUnitWeight(const WaterTable& water) {
    return common::toSingle(double(water.gsat) - kGammaW);
}

double overburden(double gamma, double df, const WaterTable& water) {
    const double dw = water.dw;
    if (!water.present || dw >= df) {
        return gamma * df;
    }
    const double gammaPrime = submergedUnitWeight(water);
    return gamma * dw + gammaPrime * (df - dw);
}

double gammaTermUnitWeight(double gamma, double df, double B, const WaterTable& water) {
    const double dw = water.dw;
    if (!water.present || dw >= df + B) {
        return gamma;
    }
    const double gammaPrime = submergedUnitWeight(water);
    if (dw <= df) {
        return gammaPrime;
    }
    return gammaPrime + (dw - df) / B * (gamma - gammaPrime);
}

WaterUsed startWaterRecord(const MethodInput& input) {
    WaterUsed used;
    used.given = input.water.present;
    used.dw = input.water.dw;
    used.gsat = input.water.gsat;
    used.q = tableValue(overburden(input.gamma, input.df, input.water));
    return used;
}

}  // namespace fendrolas
