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

}  // namespace drovines
