#pragma once

#include <string>

#include "common/fields.h"
#include "common/figure.h"
#include "drovines/resultados.h"
#include "drovines/safetycheck.h"
#include "drovines/wall.h"

namespace drovines {

// What the PDF report of a calculation is made of: the main window's fields (the data block and
// the section), the method, the results as the results window shows them, the minimum factors
// the user compares against, and the data file's name for the page heads ("" when typed).
struct WallReport {
    const common::FieldTexts& fields;
    Method method = Method::None;
    Resultados resultados{};
    bool seismic = false;
    Minimums minimums = defaultMinimums();
    std::string dataFile;
};

// Writes the PDF report: the data and the section drawing, the factors of safety against their
// minimums with "cumple" or "no cumple", and every result grouped as in the results window.
// False (with the reason in *error) when the file could not be written; an old file stays.
bool writePdfReport(const std::string& path, const WallReport& report,
                    std::string* error = nullptr);

// The wall's section read from the fields as the calculation reads them, with the thrust of the
// results (none in an empty result vector). No figure when the fields do not make a wall.
common::Figure sectionOf(const common::FieldTexts& fields, const Resultados& resultados,
                         bool seismic);

}  // namespace drovines
