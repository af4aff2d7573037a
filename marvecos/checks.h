#pragma once

#include "common/messages.h"
#include "marvecos/problem.h"
#include "marvecos/program.h"

namespace marvecos {

// The six checks of "Calcular", in order: the first that fails shows its message and the
// answer is false. Negative values pass.
bool checkSlopeProblem(const SlopeProblem& p, common::MessageSink& messages);

// The first four of them, on the soil and the slope alone: what a search of the critical
// circle checks before it tries circles of its own.
bool checkSoilAndSlope(const SlopeProblem& p, common::MessageSink& messages);

}  // namespace marvecos
