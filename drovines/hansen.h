#pragma once

#include "common/messages.h"
#include "drovines/arithmetic.h"

namespace drovines {

// Coefficients of the inclination factors, fixed for the wall (see the notes window).
constexpr double kHansenOverburdenExponent = 3.5;
constexpr double kHansenWeightExponent = 2.5;
constexpr double kHansenCohesionFactor = 0.6;

// Brinch Hansen bearing capacity Nu (kN/m) of a strip base of width Bw under the vertical
// load V, horizontal load Hl and moment M about the centre of the base; fi in radians, df the
// foundation depth. The wall is taken per metre (L = 1 m), loaded in one direction only.
// A load outside the base gives the "Sub Hansen" message and Nu = 0.
double Hansen(double fi, double co, double gamma, double Bw, double V, double Hl, double M,
              double df, common::MessageSink& messages, Arithmetic& ar);

}  // namespace drovines
