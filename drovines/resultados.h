#pragma once

#include <array>

namespace drovines {

// The result vector of a wall calculation, single precision, used from index 1 to 50 (index 0
// and 46 to 49 stay 0). 1-10 and 50 come from the thrust, 11-45 from the stability check.
using Resultados = std::array<float, 51>;

}  // namespace drovines
