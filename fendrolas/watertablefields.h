#pragma once

#include "common/fields.h"
#include "common/messages.h"
#include "fendrolas/problem.h"

namespace fendrolas {

// The water table as its two fields state it. An empty dw field means no water table, whatever
// the gsat field holds; an empty gsat field reads as 0. A text that is not a number is refused
// with a message naming its field (false): a water table is never taken from a text that does
// not state one.
bool readWaterTable(const common::FieldTexts& fields, common::MessageSink& messages,
                    WaterTable& water);

// The water table against the soil of moist unit weight gamma: dw not negative, gsat above the
// unit weight of water and not below gamma. False, after a message naming the field, when one
// of them fails; nothing is then computed.
bool checkWaterTable(const WaterTable& water, double gamma, common::MessageSink& messages);

}  // namespace fendrolas
