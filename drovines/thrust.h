#pragma once

#include "drovines/arithmetic.h"
#include "drovines/resultados.h"
#include "drovines/wall.h"

namespace drovines {

constexpr double gw = 10;  // unit weight of water, kN/m3
constexpr double gs = 27;  // unit weight of the solid particles, kN/m3

// Unit weights of the backfill derived from its dry weight and water content.
struct SoilWeights {
    double gh = 0;    // moist, above the water table
    double e = 0;     // void ratio
    double n = 0;     // porosity
    double gsat = 0;  // saturated
    double gsub = 0;  // submerged, below the water table
};

SoilWeights soilWeights(const WallRecord& r, Arithmetic& ar);

// Resultant thrusts per metre of wall and their heights of application above the base.
struct Thrusts {
    double h1 = 0;  // soil height above the water table
    double S1 = 0, S2 = 0, S3 = 0;
    double E1 = 0, E2 = 0, Ew = 0, Eq = 0, Ea = 0;
    double y1 = 0, y2 = 0, yw = 0, yq = 0;
};

// Pressures, thrusts and heights for an active coefficient ka, the sequence shared by Rankine
// and Coulomb. Stores ka, zo, S1, S2, E1 to Ea and S3 in resultados.
Thrusts activeThrusts(const WallRecord& r, const SoilWeights& soil, double ka, Arithmetic& ar,
                      Resultados& resultados);

}  // namespace drovines
