#include "fendrolas/ui/pdfreport.h"

#include <algorithm>

#include "common/fieldvalue.h"
#include "common/ui/pdfreport.h"
#include "fendrolas/footingfigures.h"
#include "fendrolas/methods/readers.h"
#include "fendrolas/report.h"
#include "fendrolas/ui/identity.h"

namespace fendrolas {

namespace {

using Lines = std::vector<std::string>;

// The text report opens with a title block; the PDF has its own page heads.
const char* const kDataStart = "Datos generales:";
const char* const kResultsStart = "Analisis por:";

constexpr double kSketchHeightMm = 70;
constexpr double kPlansHeightMm = 45;
constexpr double kChartHeightMm = 100;

float field(const common::FieldTexts& fields, const std::string& name) {
    return common::toSingle(common::fieldValue(fields.text(name)));
}

Lines slice(const Lines& lines, const std::string& from, const std::string& to) {
    auto begin = std::find(lines.begin(), lines.end(), from);
    auto end = std::find(begin, lines.end(), to);
    return Lines(begin, end);
}

bool computed(const MethodTables& tables, int method) {
    return tables.byMethod[method].method == method;
}

void addData(common::PdfReport& pdf, const PdfSources& s, const MethodResults& first) {
    Eccentricities eccentricities;
    const Lines lines = reportLines(first, s.fields, eccentricities);
    pdf.heading("Datos");
    pdf.lines(slice(lines, kDataStart, kResultsStart));
    const float Lx = field(s.fields, soilField(kFieldLx));
    const float Ly = field(s.fields, soilField(kFieldLy));
    const float df = field(s.fields, soilField(kFieldDf));
    WaterTable water;
    water.present = first.water.given;
    water.dw = first.water.dw;
    water.gsat = first.water.gsat;
    pdf.figure(footingSketchFigure(Lx, Ly, df, water), kSketchHeightMm, "Zapata: planta y corte");
    pdf.figure(effectiveAreasOf(s.fields), kPlansHeightMm,
               "Areas efectivas de los estados de carga");
}

void addMethod(common::PdfReport& pdf, const PdfSources& s, int method) {
    Eccentricities eccentricities;
    const Lines lines = reportLines(s.tables.byMethod[method], s.fields, eccentricities);
    pdf.pageBreak();
    pdf.heading("Metodo de " + methodCaptionSuffix(method));
    pdf.lines(Lines(std::find(lines.begin(), lines.end(), kResultsStart), lines.end()));
}

void addComparison(common::PdfReport& pdf, const ComparisonData& data) {
    pdf.pageBreak();
    pdf.heading("Comparacion de resultados");
    pdf.figure(comparisonFigure(data.quTable, data.maxQu, "qu [kN/m2]"), kChartHeightMm,
               "PRESION DE HUNDIMIENTO");
    pdf.figure(comparisonFigure(data.NuTable, data.maxNu, "Nu [kN]"), kChartHeightMm,
               "CARGA DE HUNDIMIENTO");
}

}  // namespace

bool writePdfReport(const std::string& path, const PdfSources& s, std::string* error) {
    int first = 0;
    int count = 0;
    for (int m = kMethods; m >= 1; --m) {
        if (computed(s.tables, m)) {
            first = m;
            ++count;
        }
    }
    if (first == 0) {
        if (error) {
            *error = "no hay resultados: corra un metodo de calculo";
        }
        return false;
    }
    const common::ProgramIdentity identity = fendrolasIdentity();
    common::PdfReport pdf(
        {identity.title.toStdString(), identity.versionText().toStdString(), s.dataFile, ""});
    addData(pdf, s, s.tables.byMethod[first]);
    for (int m = 1; m <= kMethods; ++m) {
        if (computed(s.tables, m)) {
            addMethod(pdf, s, m);
        }
    }
    ComparisonData comparison;
    if (count == kMethods && readComparisonFiles(s.directory, comparison)) {
        addComparison(pdf, comparison);
    }
    return pdf.write(path, error);
}

}  // namespace fendrolas
