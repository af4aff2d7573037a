#pragma once

#include "fendrolas/methods/methodresults.h"
#include "fendrolas/problem.h"

namespace fendrolas {

// The part of the base that carries the load of a state: each side shortened by twice the
// eccentricity of the resultant along it. b' is the shorter effective side; the horizontal load
// and the full side along it go with it.
struct EffectiveBase {
    double ex = 0, ey = 0;
    double Lxp = 0, Lyp = 0;  // Lx', Ly'
    double bp = 0, lp = 0;    // b', l'
    double A = 0;             // A' = b' l'
    double Hb = 0, Hl = 0;    // horizontal loads along b' and l'
    double B = 0, L = 0;      // full sides along b' and l'
    bool bAlongX = true;      // Lx' <= Ly', a tie included
};

// Effective base of load state i (1..5). The eccentricities are taken by magnitude: a moment of
// either sign moves the resultant away from the centre and shortens the side alike.
EffectiveBase effectiveBase(const MethodInput& in, int i);

// A frictionless soil holds a horizontal load only by the adhesion cc c of the effective base;
// a resultant H = sqrt(Hb^2 + Hl^2) above A' cc c slides the base, whatever the vertical load.
// True for such a state: it has no bearing capacity.
bool slidesOnFrictionlessSoil(const EffectiveBase& base, double phi, double c, double cc);

// Rows 1, 2, 3, 28 and 29 of state i: b', l', A', Lx', Ly'.
void writeEffectiveBase(const EffectiveBase& base, MethodResults& table, int i);

}  // namespace fendrolas
