#include "marvecos/coords.h"

#include <vector>

#include "common/numbertext.h"
#include "common/printline.h"
#include "marvecos/program.h"

namespace marvecos {

std::string geometryFailureText(GeometryStatus status) {
    switch (status) {
        case GeometryStatus::BadSliceCount:
        case GeometryStatus::ZeroDivision:
            return "No se pueden repartir las dovelas sobre esta circunferencia. Revise el "
                   "numero de dovelas.";
        case GeometryStatus::NotFinite:
            return "Los datos son demasiado grandes para el calculo. Revise los datos del "
                   "talud y de la circunferencia.";
        default:
            return "La circunferencia no corta la superficie del talud de forma valida: no "
                   "hay resultado. Revise el centro y el radio de la circunferencia.";
    }
}

std::string coordsText(const SliceGeometry& g) {
    using common::printDouble;
    std::vector<std::string> lines;
    lines.push_back(common::PrintLine().zone(common::printInteger(g.slices + 1)).text());
    for (int i = 1; i <= g.slices + 1; ++i) {
        common::PrintLine line;
        line.zone(common::printInteger(i))
            .zone(printDouble(g.X[i]))
            .zone(printDouble(g.Y[i]))
            .zone(printDouble(g.X[i]))
            .zone(printDouble(g.YS[i]));
        lines.push_back(line.text());
    }
    return common::joinLines(lines);
}

std::optional<SliceGeometry> prepareSliceGeometry(const SlopeProblem& p,
                                                  const std::string& tempFolder,
                                                  common::MessageSink& messages,
                                                  bool reportBrokenCircle) {
    SliceGeometry g = computeSliceGeometry(geometryInput(p));
    if (g.status != GeometryStatus::Ok) {
        if (reportBrokenCircle) {
            messages.show(geometryFailureText(g.status), kProgramTitle, common::MessageIcon::None);
        }
        return std::nullopt;
    }
    if (g.warnFewSlices) {
        messages.show("Es recomendado que aumente el numero de dovelas para mejorar la presicion.",
                      "Advertencia", common::MessageIcon::Information);
    }
    writeReported(pathIn(tempFolder, "coords.tmp"), coordsText(g), messages);
    return g;
}

}  // namespace marvecos
