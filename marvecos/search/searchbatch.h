#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "common/fields.h"
#include "common/messages.h"
#include "marvecos/folders.h"
#include "marvecos/model/groundmodel.h"
#include "marvecos/problem.h"
#include "marvecos/search/searchgrid.h"

namespace marvecos {

// The search options of batch mode as given; what is not given comes from the default grid.
struct SearchOptions {
    bool wanted = false;  // --search
    std::optional<GridAxis> x, y;
    std::optional<std::string> radii;
};

// --search-xcr, --search-ycr and --search-r (names without the leading "--").
bool isGridOption(const std::string& name);

// Takes the value of a grid option; false, with the reason in error, when it is not valid.
bool readGridOption(const std::string& name, const std::string& value, SearchOptions& options,
                    std::string& error);

// The grid of the options over the default grid of the slope.
SearchGrid optionsGrid(const SearchOptions& options, double H, double L);

// Outcome of the search step of batch mode.
struct BatchSearchStep {
    bool found = false;  // the fields now hold the critical circle
    int exitCode = 0;    // when nothing was found
};

// Searches the critical circle of the slope in the fields: writes "busqueda.csv" into the
// working folder, prints the critical circle and the counts to out, and puts the circle into
// the Xcr, Ycr and R fields for the ordinary calculation that follows.
BatchSearchStep searchIntoFields(common::FieldTexts& fields, const MethodButtons& buttons,
                                 const GroundModel& model, const SearchOptions& options,
                                 const SlopeFolders& folders, std::ostream& out, std::ostream& err,
                                 common::MessageSink& messages);

}  // namespace marvecos
