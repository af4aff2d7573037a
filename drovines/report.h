#pragma once

#include <string>
#include <vector>

#include "common/fields.h"
#include "common/messages.h"
#include "drovines/resultados.h"
#include "drovines/wall.h"

namespace drovines {

// Text of a result as the results window shows it: pattern "####0.000"; empty for a factor
// that is not a result.
std::string resultText(float value);

// Caption of the results window after a run of the method.
std::string resultsCaption(Method method);

// The report lines (without line ends): the data block from the main window's fields as they
// read now, the method whose option is selected, and the results as the results window shows
// them. `seismic` (results of Mononobe-Okabe) adds kh, kv and the block of seismic figures.
std::vector<std::string> reportLines(const common::FieldTexts& fields, Method selectedOption,
                                     const Resultados& resultados, bool seismic = false);

// Writes the report lines as a text file (CR LF). A failure is reported and leaves an existing
// file untouched. An empty name (a cancelled dialog) writes nothing and says nothing.
bool saveReport(const std::string& fileName, const std::vector<std::string>& lines,
                common::MessageSink& messages);

}  // namespace drovines
