#pragma once

#include <string>

#include "marvecos/search/circlesearch.h"

namespace marvecos {

// "Circulo critico: Xcr= A Ycr= B R= C fs= D", numbers as "####0.000".
std::string criticalCircleLine(const CriticalCircle& c);

// How many circles were tried, how many gave a factor of safety, and why the others did not.
std::string searchCountsLine(const SearchResult& result);

// Words for a reason in the counts line.
const char* skipReasonText(SkipReason reason);

}  // namespace marvecos
