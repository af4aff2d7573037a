#include "drovines/report.h"

#include <cmath>

#include "common/fieldvalue.h"
#include "common/patterntext.h"
#include "common/printline.h"
#include "common/safefile.h"
#include "drovines/resultrows.h"
#include "drovines/section.h"

namespace drovines {

namespace {

const std::string kPattern = "####0.000";
const std::string kNoFigure = "sin valor";

struct DataLine {
    std::string label;
    std::string name;
    std::string pattern;
};

using Lines = std::vector<std::string>;

double valueOf(const common::FieldTexts& fields, const std::string& name) {
    return common::fieldValue(fields.text(name));
}

void addDataLines(Lines& out, const common::FieldTexts& fields,
                  const std::vector<DataLine>& lines) {
    for (const DataLine& d : lines) {
        out.push_back(d.label + common::formatPattern(valueOf(fields, d.name), d.pattern));
    }
}

// Base width from the fields as they read now, which may differ from the last calculation.
double baseWidth(const common::FieldTexts& fields) {
    return sectionGeometry(valueOf(fields, field::b1), valueOf(fields, field::H),
                           radians(valueOf(fields, field::alfa)),
                           radians(valueOf(fields, field::alfa2)))
        .B;
}

std::string methodName(Method option) {
    if (option == Method::Rankine) {
        return "Rankine";
    }
    if (option == Method::Coulomb) {
        return "Coulomb";
    }
    if (option == Method::MononobeOkabe) {
        return "Mononobe-Okabe";
    }
    return "";
}

void addHeading(Lines& out) {
    out.insert(out.end(), 4, "");
    out.push_back("VERFICACION DE ESTABILIDAD EN MUROS DE GRAVEDAD");
    out.push_back("");
    out.push_back("        Programa DROVINES: empuje activo sobre muros de contencion");
    out.push_back("        y verificacion de estabilidad de muros de gravedad");
    out.push_back("");
    out.push_back("        Desarrollo: Grupo de Geotecnia");
    out.push_back("        Departamento de Ingenieria Civil");
    out.push_back("        Facultad de Ingenieria");
    out.push_back("");
    out.push_back("                Mayo 2004");
    out.insert(out.end(), 2, "");
    out.push_back("        Uso academico y profesional");
    out.insert(out.end(), 3, "");
}

// The seismic coefficients of the run, after the method line.
void addSeismicData(Lines& out, const common::FieldTexts& fields) {
    addDataLines(out, fields,
                 {{"      Coeficiente sismico horizontal kh= ", field::kh, kPattern},
                  {"        Coeficiente sismico vertical kv= ", field::kv, kPattern}});
}

void addData(Lines& out, const common::FieldTexts& fields, Method selectedOption, bool seismic) {
    out.push_back("Datos generales:");
    out.push_back("=================");
    out.push_back("");
    out.push_back("Datos del terraplen");
    out.push_back("====================");
    addDataLines(out, fields,
                 {{"                Peso especifico suelo g= ", field::gam, "####0.000 kN/m3"},
                  {"          Angulo de friccion interna fi= ", field::fi, "####0.000 º"},
                  {"                             Cohesion c= ", field::co, "####0.000 kN/m2"},
                  {"                  Angulo del talud beta= ", field::beta, "####0.000 º"}});
    // The water content is written as entered, in per cent.
    out.push_back("                              Humedad w= " +
                  common::formatPattern(valueOf(fields, field::w), kPattern) + " %");
    addDataLines(out, fields,
                 {{"                   Altura de la napa hn= ", field::hn, "####0.000 m"}});
    out.push_back("");
    out.push_back("Datos del muro y cargas");
    out.push_back("========================");
    addDataLines(out, fields,
                 {{"                      Ancho superior hs= ", field::b1, "####0.000 m"},
                  {"                         Altura total H= ", field::H, "####0.000 m"},
                  {"Angulo del trasdos con la vertical alfa= ", field::alfa, "####0.000 º"},
                  {"Angulo del frente con la vertical alfa2= ", field::alfa2, "####0.000 º"},
                  {"    Angulo de friccion suelo-muro delta= ", field::delta, "####0.000 º"},
                  {"            Profundidad de fundacion df= ", field::df, "####0.000 m"},
                  {"  Sobrecarga uniforme en el terraplen q= ", field::q, "####0.000 kN/m"},
                  {"            Peso especifico del muro gm= ", field::gm, "####0.000 kN/m3"}});
    out.push_back("                      Ancho inferior hs= " +
                  common::formatPattern(baseWidth(fields), "####0.000 m"));
    addDataLines(out, fields,
                 {{"    Angulo de friccion base-muro delta2= ", field::delta2, "####0.000 º"}});
    out.push_back("");
    out.push_back("Metodo de calculo: " + methodName(selectedOption));
    if (seismic) {
        addSeismicData(out, fields);
    }
    out.insert(out.end(), 2, "");
}

// Each figure is taken back from what the results window shows, so both always agree. A factor
// that is not a result has no figure.
std::string reportFigure(float value) {
    if (std::isnan(value)) {
        return kNoFigure;
    }
    return common::formatPattern(common::fieldValue(resultText(value)), kPattern);
}

// A block of result lines with the headings the report sets inside it.
void addBlock(Lines& out, const Resultados& res, int array) {
    for (const ResultRow& row : resultBlock(array).rows) {
        out.insert(out.end(), row.reportHeading.begin(), row.reportHeading.end());
        out.push_back(row.reportLabel + reportFigure(res[row.index]) + row.reportUnit);
    }
}

void addResults(Lines& out, const Resultados& res, bool seismic) {
    out.push_back("RESULTADOS");
    out.push_back("============");
    out.push_back("");
    out.push_back("Generales:");
    out.push_back("------------");
    out.push_back("");
    addBlock(out, res, 1);

    if (seismic) {
        out.push_back("");
        out.push_back("Sismo (Mononobe-Okabe):");
        out.push_back("------------------------");
        out.push_back("");
        addBlock(out, res, kSeismicArray);
    }

    out.push_back("");
    out.push_back("Verificacion a cargas verticales:");
    out.push_back("---------------------------------");
    out.push_back("");
    addBlock(out, res, 3);

    out.push_back("");
    out.push_back("Verificacion al vuelco:");
    out.push_back("------------------------");
    out.push_back("");
    addBlock(out, res, 2);

    out.push_back("");
    out.push_back("Verificacion al deslizamiento:");
    out.push_back("--------------------------------");
    out.push_back("");
    addBlock(out, res, 4);
    out.push_back("");
}

}  // namespace

std::string resultsCaption(Method method) {
    if (method == Method::Rankine) {
        return "Resultados: RANKINE";
    }
    if (method == Method::Coulomb) {
        return "Resultados: COULOMB";
    }
    if (method == Method::MononobeOkabe) {
        return "Resultados: MONONOBE-OKABE";
    }
    return "Resultados";
}

std::string resultText(float value) {
    if (std::isnan(value)) {
        return "";
    }
    return common::formatPattern(value, kPattern);
}

std::vector<std::string> reportLines(const common::FieldTexts& fields, Method selectedOption,
                                     const Resultados& resultados, bool seismic) {
    Lines out;
    addHeading(out);
    addData(out, fields, selectedOption, seismic);
    addResults(out, resultados, seismic);
    return out;
}

bool saveReport(const std::string& fileName, const std::vector<std::string>& lines,
                common::MessageSink& messages) {
    if (fileName.empty()) {
        return false;
    }
    if (!common::writeFileSafely(fileName, common::joinLines(lines))) {
        messages.show("No se pudo guardar el archivo " + fileName, "ERROR",
                      common::MessageIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace drovines
