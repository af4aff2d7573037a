#pragma once

#include <string>

#include "common/fields.h"
#include "marvecos/geometry/slicegeometry.h"

namespace marvecos {

// Method chosen by the option buttons of the main window.
constexpr int kNoMethod = 0;
constexpr int kBishop = 1;
constexpr int kJanbu = 2;
constexpr int kSpencer = 3;
constexpr int kMorgensternPrice = 4;
constexpr int kOrdinary = 5;
constexpr int kJanbuCorrected = 6;

// Shape of the interslice force function of Morgenstern-Price: X = lambda * f(x) * E.
enum class InterSliceFunction {
    Constant,  // f = 1: the interslice forces are parallel, as in Spencer's method
    HalfSine,  // f = sin(pi * (x - x_start) / (x_end - x_start)) over the sliding mass
};

// The slope problem as it stands in the main window, read afresh whenever it is needed.
struct SlopeProblem {
    double fi = 0;            // angle of internal friction, degrees
    double c = 0;             // cohesion, kN/m2
    double gam = 0;           // unit weight, kN/m3
    double H = 0;             // height of the slope, m
    double L = 0;             // horizontal length of the face, m
    double Xcr = 0, Ycr = 0;  // centre of the circle, m
    double R = 0;             // radius of the circle, m
    double n = 10;            // number of slices, kept in 10..100 but not rounded
    int method = kNoMethod;
    InterSliceFunction function = InterSliceFunction::HalfSine;  // Morgenstern-Price only
};

// Which of the three option buttons is selected.
struct MethodButtons {
    bool bishop = false;
    bool janbu = false;
    bool spencer = false;
    bool morgensternPrice = false;
    bool ordinary = false;
    bool janbuCorrected = false;
    bool constantFunction = false;  // Morgenstern-Price with f = 1 instead of the half-sine
};

// objectNames of the nine entry fields, in the order of the window.
inline constexpr const char* kSlopeFieldNames[] = {"fi",  "c",   "gam", "H", "L",
                                                   "Xcr", "Ycr", "R",   "n"};

// The option buttons that choose method (kNoMethod .. kJanbuCorrected) with the function f.
MethodButtons buttonsFor(int method, InterSliceFunction function);

SlopeProblem readSlopeInput(const common::FieldTexts& fields, const MethodButtons& buttons);

GeometryInput geometryInput(const SlopeProblem& p);

}  // namespace marvecos
