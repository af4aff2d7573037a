#pragma once

// "Calcular" by Spencer, Morgenstern-Price, the ordinary method or Janbu corrected: the slices of
// the ground model, the factor, the report of the method and the files of the results window.

#include <string>
#include <vector>

#include "common/messages.h"
#include "marvecos/folders.h"
#include "marvecos/methods/modelmethods.h"
#include "marvecos/methods/slicemethod.h"

namespace marvecos {

// Report file of each method, in the working folder.
std::string modelReportName(SliceMethod method);

// The interslice forces and the F-lambda chart of the last calculation by Spencer or
// Morgenstern-Price, for the results window, in the temporary folder; other methods remove it.
inline constexpr const char* kInterSliceFile = "interdovelas.tmp";

// The force and moment factors at evenly spaced lambda around the solution (and 0).
std::vector<FactorPair> factorChart(const InterSliceSolver& solver, double lambda);

std::string modelReportText(SliceMethod method, const SlopeProblem& p, const SliceGeometry& g,
                            const ModelMethodWork& w);
std::string modelResultsText(SliceMethod method, const ModelMethodWork& w);
std::string interSliceText(const ModelMethodWork& w, const std::vector<FactorPair>& chart);

std::string modelResultsTitle(SliceMethod method, double fs);

MethodOutcome runModelMethod(const SlopeProblem& p, const GroundModel& model,
                             const SlopeFolders& folders, common::MessageSink& messages);

}  // namespace marvecos
