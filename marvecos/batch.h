#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "common/messages.h"
#include "marvecos/folders.h"
#include "marvecos/program.h"

namespace marvecos {

std::string batchHelp();

// marvecos --batch --fi F --c C ... --method bishop|janbu|spencer: what "Calcular" does with
// those field texts, including the redraw's fresh "coords.tmp". Message boxes go to messages,
// "fs=" and the value label's text to out, usage errors to err.
int runBatch(const std::vector<std::string>& args, const SlopeFolders& folders, std::ostream& out,
             std::ostream& err, common::MessageSink& messages);

}  // namespace marvecos
