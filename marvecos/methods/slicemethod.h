#pragma once

#include <string>
#include <vector>

#include "common/messages.h"
#include "marvecos/folders.h"
#include "marvecos/geometry/slicegeometry.h"
#include "marvecos/geometry/slicequantities.h"
#include "marvecos/methods/iteration.h"
#include "marvecos/model/groundmodel.h"
#include "marvecos/model/modelslices.h"
#include "marvecos/problem.h"

namespace marvecos {

// What a calculation gives the main window.
struct MethodOutcome {
    bool computed = false;  // false: a message said why there is no result
    double fs = 0;
    std::string valueLabel;    // fs as "####0.000" for the label beside "Factor de seguridad"
    std::string resultsTitle;  // title of the results window
};

// Slices, iteration and files of the simplified Bishop or Janbu method for a problem that
// passed checkSlopeProblem: "coords.tmp" and "results.tmp" in folders.temp, "errores.out"
// and "Bishop.out" or "Janbu.out" in folders.work.
MethodOutcome runSliceMethod(SliceMethod method, const SlopeProblem& p, const SlopeFolders& folders,
                             common::MessageSink& messages);

// The same on the ground model below the fields' soil. A model that uses none of its inputs
// gives exactly the run above; otherwise the report adds a listing of what each slice carries
// (modelSlicesText) after its usual content.
MethodOutcome runSliceMethod(SliceMethod method, const SlopeProblem& p, const GroundModel& model,
                             const SlopeFolders& folders, common::MessageSink& messages);

// Per slice: its base layer, c, fi, u, the surface load, the seismic force and its lever, the
// ponded water's forces; then the driving sums.
std::string modelSlicesText(const ModelSlices& s);

// Contents of the three files of a run.
std::string errorsText(const Iteration& it);
std::string reportText(const SliceGeometry& g, const std::vector<double>& DY,
                       const SliceQuantities& q, const Iteration& it, double tanfi);
std::string resultsText(const SliceQuantities& q, const Iteration& it);

std::string resultsTitle(SliceMethod method, double fs);

}  // namespace marvecos
