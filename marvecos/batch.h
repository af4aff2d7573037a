#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "common/messages.h"
#include "marvecos/folders.h"
#include "marvecos/methods/slicemethod.h"
#include "marvecos/model/slopefile.h"
#include "marvecos/program.h"
#include "marvecos/search/circlesearch.h"

namespace marvecos {

std::string batchHelp();

// marvecos --batch --fi F --c C ... --method bishop|janbu|spencer: what "Calcular" does with
// those field texts, including the redraw's fresh "coords.tmp". Message boxes go to messages,
// "fs=" and the value label's text to out, usage errors to err.
// "--pdf FILE" writes the PDF report of the calculation through `writePdf`, which the window
// layer gives (the core draws nothing): the problem and ground as calculated, the outcome, the
// search when there was one and the slope file's name ("" without --file). False with the
// reason in *error.
using BatchPdfWriter = std::function<bool(
    const std::string& path, const SlopeData& data, const MethodOutcome& outcome,
    const std::optional<SearchResult>& search, const std::string& dataFile, std::string* error)>;
int runBatch(const std::vector<std::string>& args, const SlopeFolders& folders, std::ostream& out,
             std::ostream& err, common::MessageSink& messages,
             const BatchPdfWriter& writePdf = nullptr);

}  // namespace marvecos
