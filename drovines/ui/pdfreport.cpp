#include "drovines/ui/pdfreport.h"

#include <algorithm>

#include "common/messages.h"
#include "common/ui/pdfreport.h"
#include "drovines/readdata.h"
#include "drovines/report.h"
#include "drovines/sectionfigure.h"
#include "drovines/ui/identity.h"

namespace drovines {

namespace {

using Lines = std::vector<std::string>;

const char* const kDataStart = "Datos generales:";
const char* const kResultsStart = "RESULTADOS";
constexpr double kSectionHeightMm = 95;

const char* const kFieldNames[] = {"gam",   "fi",    "co", "beta",   "w",  "hn", "b1", "H", "alfa",
                                   "alfa2", "delta", "df", "delta2", "gm", "q",  "kh", "kv"};

// The wall as the calculation reads it, from a copy of the fields so that nothing the check
// rewrites reaches the window.
bool wallOf(const common::FieldTexts& fields, WallRecord& record) {
    common::MemoryFields copy;
    for (const char* name : kFieldNames) {
        copy.setText(name, fields.text(name));
    }
    common::RecordingMessages silent;
    return readdata(copy, silent, record) == 0;
}

}  // namespace

common::Figure sectionOf(const common::FieldTexts& fields, const Resultados& resultados,
                         bool seismic) {
    WallRecord record;
    if (!wallOf(fields, record)) {
        return common::Figure();
    }
    return wallSectionFigure(record, resultados, seismic);
}

bool writePdfReport(const std::string& path, const WallReport& report, std::string* error) {
    const Lines lines =
        reportLines(report.fields, report.method, report.resultados, report.seismic);
    const auto dataStart = std::find(lines.begin(), lines.end(), kDataStart);
    const auto resultsStart = std::find(dataStart, lines.end(), kResultsStart);

    const common::ProgramIdentity identity = drovinesIdentity();
    common::PdfReport pdf(
        {identity.title.toStdString(), identity.versionText().toStdString(), report.dataFile, ""});
    pdf.heading("Datos");
    pdf.lines(Lines(dataStart, resultsStart));
    pdf.figure(sectionOf(report.fields, report.resultados, report.seismic), kSectionHeightMm,
               "Seccion del muro");
    pdf.pageBreak();
    pdf.heading("Factores de seguridad");
    pdf.lines(safetyLines(report.resultados, report.minimums));
    pdf.heading("Resultados");
    pdf.lines(Lines(resultsStart, lines.end()));
    return pdf.write(path, error);
}

}  // namespace drovines
