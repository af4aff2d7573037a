#pragma once

#include <functional>
#include <string>

#include "common/fields.h"
#include "fendrolas/driver.h"

namespace fendrolas {

// Writes the PDF report of a run (the drawing needs the window layer, which gives it): the file,
// the driver after the run, the fields and the data file's name. False with the reason in *error.
using BatchPdfWriter = std::function<bool(const std::string& path, const Driver& driver,
                                          const common::FieldTexts& fields,
                                          const std::string& dataFile, std::string* error)>;

// The program without its window: "fendrolas --batch FILE.dat ..." (see --help).
// Returns the process exit code.
int runBatch(int argc, char* argv[], const BatchPdfWriter& writePdf = nullptr);

// True when the command line asks for "--pdf".
bool batchWantsPdf(int argc, char* argv[]);

}  // namespace fendrolas
