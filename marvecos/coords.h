#pragma once

#include <optional>
#include <string>

#include "common/messages.h"
#include "marvecos/folders.h"
#include "marvecos/geometry/slicegeometry.h"
#include "marvecos/problem.h"
#include "marvecos/program.h"

namespace marvecos {

// The slice geometry as the window program uses it: computes it, shows the "Advertencia"
// about the number of slices, writes "coords.tmp" into the temporary folder (a failed write is
// reported) and gives the geometry. A circle that does not meet the ground as the slices need
// gives no geometry, with a message when reportBrokenCircle is set (the calculation) and
// silently otherwise (a redraw, which simply leaves out the slip surface).
std::optional<SliceGeometry> prepareSliceGeometry(const SlopeProblem& p,
                                                  const std::string& tempFolder,
                                                  common::MessageSink& messages,
                                                  bool reportBrokenCircle);

// Content of "coords.tmp": the number of boundaries, then i, X, Y, X, YS per boundary.
std::string coordsText(const SliceGeometry& g);

// Message for a geometry that could not be computed.
std::string geometryFailureText(GeometryStatus status);

}  // namespace marvecos
