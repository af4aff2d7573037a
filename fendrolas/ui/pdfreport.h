#pragma once

#include <string>

#include "common/fields.h"
#include "fendrolas/methods/methodresults.h"

namespace fendrolas {

// Where the PDF report takes its figures from: the main window's fields (the data), the
// method tables of the runs, the folder of the method files (the comparison after "Calc. todo")
// and the data file's name for the page heads ("" when the data were typed).
struct PdfSources {
    const common::FieldTexts& fields;
    const MethodTables& tables;
    std::string directory;
    std::string dataFile;
};

// Writes the PDF report: the data and the footing sketches, the effective areas, for each
// method computed its results and factors, and the comparison charts when all five methods have
// been computed. False (with the reason in *error) when no method has been computed or the file
// could not be written; an old file is then left as it was.
bool writePdfReport(const std::string& path, const PdfSources& sources,
                    std::string* error = nullptr);

}  // namespace fendrolas
