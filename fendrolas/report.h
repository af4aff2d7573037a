#pragma once

#include <string>
#include <vector>

#include "common/fields.h"
#include "fendrolas/methods/methodresults.h"
#include "fendrolas/problem.h"

namespace fendrolas {

// Eccentricities of the five load states as the partial-results window last computed them. A
// state without a vertical load keeps the values it had (0 at first).
struct Eccentricities {
    StateArray ex{};
    StateArray ey{};
};

// The report of a run, line by line without line ends: the header, the input data as the main
// window's fields hold them now, and the results of "res.sal" (`results`, read by the caller).
// The eccentricities of states with V != 0 are updated in `memory`; an empty state reports 0.
// A run with a water table adds dw and gsat to the data and, after the results, the overburden q
// and the unit weight of the gamma term of each state; a run in dry soil reports as it always did.
std::vector<std::string> reportLines(const MethodResults& results, const common::FieldTexts& fields,
                                     Eccentricities& memory);

}  // namespace fendrolas
