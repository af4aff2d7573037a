#pragma once

#include "common/messages.h"
#include "drovines/arithmetic.h"
#include "drovines/resultados.h"
#include "drovines/thrust.h"
#include "drovines/wall.h"

namespace drovines {

enum class Variant { Rankine, Coulomb };

// The earthquake's share of the loads (Mononobe-Okabe); all 0 for the static methods.
struct SeismicLoads {
    double dPae = 0;   // increment of the active thrust over the static one, kN/m
    double ydPae = 0;  // its height above the base
};

// What the thrust method hands to the stability check.
struct StabilityInput {
    WallRecord record;
    SoilWeights soil;
    Thrusts thrusts;
    double d = 0;        // angle of the thrust with the horizontal, radians
    bool wedge = false;  // soil wedge on the back face counted (Rankine only)
    Variant variant = Variant::Rankine;
    SeismicLoads seismic;
};

// Soil resting on the back face, between it and the vertical through the heel.
struct Wedge {
    double xw = 0, xn = 0, ys = 0;
    double Wsub = 0, Wh = 0, Wr = 0, Wt = 0, Wsl = 0;
};

// The weights on the wall, the uplift and the lever arms about the toe that the three checks
// share. Under an earthquake the weights are taken times (1 - kv) and the wall pushes with
// kh times its weight at the centroid of each piece.
struct WallLoads {
    double cd = 0, sd = 0;  // cosine and sine of the thrust angle
    double W1 = 0, W2 = 0, W3 = 0;
    double Pm = 0;  // weight of the wall, without the vertical seismic coefficient
    Wedge s;
    double Wm = 0;
    double Eah = 0, Eav = 0;
    double Es = 0;  // uplift on the base
    double aW1 = 0, aW2 = 0, aW3 = 0, aSub = 0, aWr = 0, aWt = 0, aWsl = 0, aQ = 0;
    double xE1 = 0, xE2 = 0, xEq = 0;
    double qw = 0;                     // surcharge on the wedge
    double Ps = 0;                     // wedge and the surcharge on it
    double Vq = 0;                     // surcharge on the wedge counted among the vertical loads
    double HdP = 0, VdP = 0, xdP = 0;  // seismic increment: components and lever arm
    double Hi = 0, Mi = 0;             // inertia of the wall and its moment about the toe
};

WallLoads wallLoads(const StabilityInput& in);

struct Overturning {
    double M1 = 0, M2 = 0, Mw = 0, Mq = 0, Ms = 0, MdP = 0, Mi = 0, MV = 0;
    double Mem = 0, Msq = 0, Me1 = 0, Me2 = 0, Meq = 0, MedP = 0, MEV = 0;
    double fsm = 0;
};

Overturning overturning(const StabilityInput& in, const WallLoads& l);

// The forces along the base, which the bearing check also needs for its inclination factors.
struct Sliding {
    double H1 = 0, H2 = 0, Hw = 0, Hq = 0, FH = 0;
    double Fdo = 0, Fsd = 0;
};

Sliding horizontalForces(const StabilityInput& in, const WallLoads& l, Arithmetic& ar);

struct Bearing {
    double V1 = 0, V2 = 0, V3 = 0;  // vertical components of the thrusts
    double N = 0, Nef = 0, Mc = 0, ex = 0;
    double Nu = 0, fsn = 0;
};

// The vertical loads on the base and their eccentricity.
Bearing verticalLoads(const StabilityInput& in, const WallLoads& l, const Overturning& o,
                      Arithmetic& ar);

// The bearing capacity under those loads, with the horizontal force FH.
void bearingCapacity(const StabilityInput& in, double FH, Bearing& b, common::MessageSink& messages,
                     Arithmetic& ar);

// The resistance of the base to sliding under the effective vertical load Nef.
void slidingResistance(const StabilityInput& in, double Nef, Sliding& s);

// A factor of safety that is zero, negative or not a number is not a result: its check says
// why in a message and the factor is stored as NaN. True when every factor is a result.
bool refuseUnsoundFactors(const WallRecord& r, const Overturning& o, const Bearing& b,
                          const Sliding& s, common::MessageSink& messages, Resultados& res);

// Indices 11 to 45 of the result vector, and the seismic ones from 58 on.
void storeStability(const WallLoads& l, const Overturning& o, const Bearing& b, const Sliding& s,
                    Arithmetic& ar, Resultados& res);

// Bearing, overturning and sliding checks of the wall; fills indices 11 to 45 of resultados.
void verifyStability(const StabilityInput& in, common::MessageSink& messages, Arithmetic& ar,
                     Resultados& resultados);

}  // namespace drovines
