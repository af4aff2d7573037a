#pragma once

#include "common/messages.h"
#include "fendrolas/methods/bearingfactors.h"
#include "fendrolas/methods/methodresults.h"

namespace fendrolas {

// A value as the single-precision table holds it. Beyond the single range it becomes infinite
// (with its sign), which keepStateIfFinite then refuses, rather than a rounded-off figure.
float tableValue(double value);

// Row `row` of column `state` = value, through tableValue.
void setRow(MethodResults& table, int row, int state, double value);

// The end of every state: qu (row 25), Nu (row 26) and the factor of safety Nu/V (row 27); an
// empty state (V = 0) holds qu = Nu = 0 and a factor of safety of 100000.
void setUltimate(MethodResults& table, int state, double V, double qu, double Nu);

// A state without a result holds 0 in every row: qu = Nu = 0 and a factor of safety of 0, so it
// is never mistaken for an empty state (factor of safety 100000) or for the result of an
// earlier problem.
void clearState(MethodResults& table, int state);

// True when every row of the state's column can be shown and written.
bool stateIsFinite(const MethodResults& table, int state);

// After a state is computed: when one of its figures overflowed the single-precision table, the
// user is told and the state is left without a result. True when the state was kept.
bool keepStateIfFinite(MethodResults& table, int state, common::MessageSink& messages);

// The start of a run: the table takes the method number and the run's factors. False when the
// factors overflow the table, after refuseOutOfRangeFactors.
bool startMethodRun(MethodResults& table, int method, const BearingFactors& N,
                    common::MessageSink& messages);

// The states after a failing one are not computed; none keeps the figures of an earlier run.
void clearStatesAfter(MethodResults& table, int state);

// For a friction angle close to 90 degrees the bearing-capacity factors overflow: the user is
// told, the factors become 0 and no state has a result.
void refuseOutOfRangeFactors(MethodResults& table, common::MessageSink& messages);

}  // namespace fendrolas
