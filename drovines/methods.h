#pragma once

#include <optional>

#include "common/fields.h"
#include "common/messages.h"
#include "drovines/resultados.h"
#include "drovines/wall.h"

namespace drovines {

// The two earth-pressure methods over a validated record. Each reads gm and df from their
// fields, computes the thrust and the stability of the wall and returns the filled result
// vector, or nothing after its error message when the calculation failed.
std::optional<Resultados> Rankine(const WallRecord& record, const common::FieldTexts& fields,
                                  TickBoxes ticks, common::MessageSink& messages);

// Coulomb ignores both tick boxes: its thrust is always inclined by delta + alfa and the soil
// wedge is never counted.
std::optional<Resultados> Coulomb(const WallRecord& record, const common::FieldTexts& fields,
                                  common::MessageSink& messages);

}  // namespace drovines
