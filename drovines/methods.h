#pragma once

#include <optional>

#include "common/messages.h"
#include "drovines/resultados.h"
#include "drovines/wall.h"

namespace drovines {

// The earth-pressure methods over a validated record. Each computes the thrust and the
// stability of the wall and returns the filled result vector, or nothing after its error
// message when the calculation failed.
std::optional<Resultados> Rankine(const WallRecord& record, TickBoxes ticks,
                                  common::MessageSink& messages);

// Coulomb ignores both tick boxes: its thrust is always inclined by delta + alfa and the soil
// wedge is never counted.
std::optional<Resultados> Coulomb(const WallRecord& record, common::MessageSink& messages);

// Mononobe-Okabe: Coulomb's static thrusts plus the seismic increment of the soil and the
// surcharge at 0.6 H, the inertia of the wall and the weights times (1 - kv), with the
// coefficients kh and kv of the record. No figures when the seismic wedge has no solution.
std::optional<Resultados> MononobeOkabe(const WallRecord& record, common::MessageSink& messages);

}  // namespace drovines
