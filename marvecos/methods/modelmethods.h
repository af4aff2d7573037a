#pragma once

// Spencer, Morgenstern-Price, the ordinary method and Janbu corrected on the slices of the
// ground model: the factor of one circle, for "Calcular" and for the search alike. No files, no
// messages.

#include <string>

#include "marvecos/geometry/slicegeometry.h"
#include "marvecos/methods/interslicesolver.h"
#include "marvecos/methods/iteration.h"
#include "marvecos/methods/janbucorrected.h"
#include "marvecos/model/groundmodel.h"
#include "marvecos/model/modelslices.h"
#include "marvecos/problem.h"

namespace marvecos {

// Spencer, Morgenstern-Price, Ordinary and JanbuCorrected (not Bishop and Janbu, which iterate
// on the slices of the fields).
bool isModelMethod(SliceMethod method);

// The method of the option buttons (kSpencer .. kJanbuCorrected).
SliceMethod sliceMethodOf(int method);

enum class ModelVerdict {
    Solved,
    BelowBase,  // the sliding mass reaches below the model's base
    ZeroWidthSlices,
    NoDrivingMoment,
    LowMAlpha,
    MostlyInTension,
    NoCrossing,
    FactorNotPositive,
};

// Everything one circle is computed in; kept from circle to circle.
struct ModelMethodWork {
    ModelSlices slices;
    InterSliceSolver solver;
    InterSliceSolution solution;  // Spencer, Morgenstern-Price
    JanbuCorrection correction;   // Janbu corrected
    double janbuSimplified = 0;   // Janbu corrected: the factor before f0
    double F = 0;
};

ModelVerdict factorByModelMethod(SliceMethod method, const SlopeProblem& p,
                                 const GroundModel& model, const SliceGeometry& g,
                                 ModelMethodWork& w);

// Why a circle has no factor, in the program's words.
std::string noModelFactorText(ModelVerdict verdict, const ModelMethodWork& w);

}  // namespace marvecos
