#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "common/fields.h"
#include "drovines/resultados.h"
#include "drovines/safetycheck.h"
#include "drovines/wall.h"

namespace drovines {

// Exit codes of batch mode.
constexpr int kExitComputed = 0;
constexpr int kExitUsage = 1;
constexpr int kExitUnreadable = 2;
constexpr int kExitStopped = 3;
constexpr int kExitReportNotWritten = 4;

// Help text of the command line, in Spanish.
std::string batchHelp();

// "drovines --batch FILE.dat [--method 1|2|3] [--gm X] [--kh X] [--kv X] [--delta] [--cuna]
// [--report OUT]": loads the data file and does what "Calcular" does. Message boxes go to stderr as
// "TITLE: TEXT"; the report goes to OUT, or to out when OUT is absent. args excludes the
// program name and "--batch".
// "--pdf OUT" writes the PDF report through `writePdf`, which the window layer gives (the core
// draws nothing): the fields, the method, the results, the minimum factors and the data file.
using BatchPdfWriter =
    std::function<bool(const std::string& path, const common::FieldTexts& fields, Method method,
                       const Resultados& resultados, const Minimums& minimums,
                       const std::string& dataFile, std::string* error)>;
int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             const BatchPdfWriter& writePdf = nullptr);

}  // namespace drovines
