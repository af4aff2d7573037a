#pragma once

#include "common/messages.h"
#include "drovines/arithmetic.h"

namespace drovines {

// Coefficients of the inclination factors, fixed for the wall (see the notes window).
constexpr double kHansenOverburdenExponent = 3.5;
constexpr double kHansenWeightExponent = 2.5;
constexpr double kHansenCohesionFactor = 0.6;

// Brinch Hansen bearing capacity Nu (kN/m) of the wall's base, per metre of wall, under the
// vertical load V, horizontal load Hl and moment M about the centre of the base; fi in radians,
// df the foundation depth. The base is a strip of effective width B' = Bw - 2 M/V. A load on
// the edge of the base or outside it gives the "Sub Hansen" message and Nu = 0.
double Hansen(double fi, double co, double gamma, double Bw, double V, double Hl, double M,
              double df, common::MessageSink& messages, Arithmetic& ar);

}  // namespace drovines
