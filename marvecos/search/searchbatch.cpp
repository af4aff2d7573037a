#include "marvecos/search/searchbatch.h"

#include <thread>

#include "common/patterntext.h"
#include "marvecos/checks.h"
#include "marvecos/coords.h"
#include "marvecos/fieldchecks.h"
#include "marvecos/methods/modelmethods.h"
#include "marvecos/program.h"
#include "marvecos/search/circlesearch.h"
#include "marvecos/search/gridoptions.h"
#include "marvecos/search/searchcsv.h"
#include "marvecos/search/searchsummary.h"

namespace marvecos {

bool isGridOption(const std::string& name) {
    return name == "search-xcr" || name == "search-ycr" || name == "search-r";
}

bool readGridOption(const std::string& name, const std::string& value, SearchOptions& options,
                    std::string& error) {
    if (name == "search-r") {
        SearchGrid probe;
        if (!parseGridRadii(value, probe)) {
            error = "radios de busqueda incorrectos (R0:R1:NR o NR): " + value;
            return false;
        }
        options.radii = value;
        return true;
    }
    const std::optional<GridAxis> axis = parseGridAxis(value);
    if (!axis) {
        error = "rejilla de centros incorrecta (DESDE:HASTA:PUNTOS): " + value;
        return false;
    }
    (name == "search-xcr" ? options.x : options.y) = *axis;
    return true;
}

SearchGrid optionsGrid(const SearchOptions& options, double H, double L) {
    SearchGrid grid = defaultSearchGrid(H, L);
    if (options.x) {
        grid.x = *options.x;
    }
    if (options.y) {
        grid.y = *options.y;
    }
    if (options.radii) {
        parseGridRadii(*options.radii, grid);
    }
    return grid;
}

BatchSearchStep searchIntoFields(common::FieldTexts& fields, const MethodButtons& buttons,
                                 const GroundModel& model, const SearchOptions& options,
                                 const SlopeFolders& folders, std::ostream& out, std::ostream& err,
                                 common::MessageSink& messages) {
    BatchSearchStep step;
    step.exitCode = kBatchNoResult;
    if (!checkSoilAndSlopeFields(fields, messages)) {
        return step;
    }
    const SlopeProblem p = readSlopeInput(fields, buttons);
    if (!checkSoilAndSlope(p, messages)) {
        return step;
    }
    const std::string fault = groundModelFault(model);
    if (!fault.empty()) {
        messages.show("El modelo del terreno no es valido (" + fault + ").", kProgramTitle,
                      common::MessageIcon::None);
        return step;
    }
    if (p.method == kNoMethod) {
        messages.show("Por favor seleccione un metodo de analisis.", kProgramTitle,
                      common::MessageIcon::None);
        return step;
    }
    const SearchGrid grid = optionsGrid(options, p.H, p.L);
    if (grid.circles() > kMaxSearchCircles) {
        err << "marvecos: la rejilla de busqueda tiene mas de " << kMaxSearchCircles
            << " circunferencias.\n";
        step.exitCode = kBatchUsage;
        return step;
    }
    // The rows go to the file as the centres are done: the search keeps no circle itself.
    const std::string csvPath = pathIn(folders.work, "busqueda.csv");
    SearchCsvStream csv(csvPath);
    SearchControl control;
    control.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    control.keepCircles = false;
    control.sink = &csv;
    const SearchResult result =
        searchCriticalCircle(sliceMethodOf(p.method), p, model, grid, control);
    if (!csv.finish()) {
        messages.show("No se pudo escribir el archivo " + csvPath + ".", kProgramTitle,
                      common::MessageIcon::Critical);
    }
    if (!result.found) {
        messages.show(
            "Ninguna circunferencia de la busqueda da un factor de seguridad: no hay circulo "
            "critico. Revise la rejilla de centros y radios.",
            kProgramTitle, common::MessageIcon::None);
        return step;
    }
    out << criticalCircleLine(result.critical) << "\n" << searchCountsLine(result) << "\n";
    // Every centre and radius of the grid is to the millimetre, so these texts read back as
    // exactly the critical circle.
    fields.setText("Xcr", common::formatPattern(result.critical.Xcr, "####0.000"));
    fields.setText("Ycr", common::formatPattern(result.critical.Ycr, "####0.000"));
    fields.setText("R", common::formatPattern(result.critical.R, "####0.000"));
    step.found = true;
    step.result = result;
    return step;
}

}  // namespace marvecos
