#include "drovines/report.h"

#include <cmath>

#include "common/fieldvalue.h"
#include "common/patterntext.h"
#include "common/printline.h"
#include "common/safefile.h"

namespace drovines {

namespace {

const std::string kPattern = "####0.000";

struct DataLine {
    std::string label;
    std::string name;
    std::string pattern;
};

struct ResultLine {
    std::string label;
    int index;
    std::string unit;
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

// Each figure is taken back from what the results window shows, so both always agree.
void addResultLines(Lines& out, const Resultados& res, const std::vector<ResultLine>& lines) {
    for (const ResultLine& l : lines) {
        const double shown = common::fieldValue(resultText(res[l.index]));
        out.push_back(l.label + common::formatPattern(shown, kPattern) + l.unit);
    }
}

// Base width from the fields as they read now, which may differ from the last calculation.
double baseWidth(const common::FieldTexts& fields) {
    const double H = valueOf(fields, field::H);
    return valueOf(fields, field::b1) + H * std::tan(radians(valueOf(fields, field::alfa2))) +
           H * std::tan(radians(valueOf(fields, field::alfa)));
}

std::string methodName(Method option) {
    if (option == Method::Rankine) {
        return "Rankine";
    }
    if (option == Method::Coulomb) {
        return "Coulomb";
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

void addData(Lines& out, const common::FieldTexts& fields, Method selectedOption) {
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
    out.insert(out.end(), 2, "");
}

void addResults(Lines& out, const Resultados& res) {
    out.push_back("RESULTADOS");
    out.push_back("============");
    out.push_back("");
    out.push_back("Generales:");
    out.push_back("------------");
    out.push_back("");
    addResultLines(out, res,
                   {{"Coeficiente de empuje activo   ka= ", 1, ""},
                    {"Profundidad grieta de traccion zo= ", 2, " m"},
                    {"Tension en la napa             S1= ", 3, "kN/m2"},
                    {"Tension en la base             S2= ", 4, "kN/m2"},
                    {"Tension del agua en la base    S3= ", 50, "kN/m2"},
                    {"Empuje del suelo sobre la napa E1= ", 5, "kN/m"},
                    {"Empuje del suelo sumergido     E2= ", 6, "kN/m"},
                    {"Empuje del agua                Ew= ", 7, "kN/m"},
                    {"Empuje de la sobrecarga        Eq= ", 8, "kN/m"},
                    {"Empuje activo total            Ea= ", 9, "kN/m"},
                    {"Angulo del empuje con la horiz. d= ", 10, "º"},
                    {"Peso del muro                  Pm= ", 11, "kN/m"},
                    {"Peso cuña de suelo estabiliz.  Wm= ", 12, "kN/m"},
                    {"Empuje activo horizontal      Eah= ", 13, "kN/m"},
                    {"Empuje activo vertical        Eav= ", 14, "kN/m"},
                    {"Empuje de la subpresion        Es= ", 15, "kN/m"}});

    out.push_back("");
    out.push_back("Verificacion a cargas verticales:");
    out.push_back("---------------------------------");
    out.push_back("");
    addResultLines(out, res,
                   {{"Peso del muro                  Pm= ", 29, "kN/m"},
                    {"Peso cuña de suelo estabiliz.  Wm= ", 30, "kN/m"},
                    {"Empuje vertical suelo humedo  Evh= ", 31, "kN/m"},
                    {"Empuje vertical suelo sumerg. Evs= ", 32, "kN/m"},
                    {"Empuje vertical sobrecarga    Evq= ", 33, "kN/m"},
                    {"Carga vertical total            N= ", 34, "kN/m"},
                    {"Carga vertical efectiva Nef=N-sub= ", 35, "kN/m"},
                    {"Excentricidad en la base       ex= ", 36, "m"},
                    {"Capacidad de carga del terreno Nu= ", 37, "kN/m"},
                    {"Factor de seguridad    fsn=Nu/Nef= ", 38, ""}});

    out.push_back("");
    out.push_back("Verificacion al vuelco:");
    out.push_back("------------------------");
    out.push_back("");
    out.push_back("Momentos de vuelco producto de:");
    addResultLines(out, res,
                   {{"Empuje activo suelo sobre napa M1= ", 16, " kNm/m"},
                    {"Empuje activo suelo sumergido  M2= ", 17, " kNm/m"},
                    {"Empuje activo del agua         Mw= ", 18, " kNm/m"},
                    {"Empuje activo de la sobrecarga Mq= ", 19, " kNm/m"},
                    {"Empuje de la subpresion        Ms= ", 20, " kNm/m"},
                    {"Momento de vuelto total:       MV= ", 21, " kNm/m"}});
    out.push_back("");
    out.push_back("Momentos estabilizantes producto de:");
    addResultLines(out, res,
                   {{"Peso del muro                 Mem= ", 22, " kNm/m"},
                    {"Cuña de suelo y sobrecarga    Msq= ", 23, " kNm/m"},
                    {"Empuje vert. suelo sobre napa Me1= ", 24, " kNm/m"},
                    {"Empuje vert. suelo sumergido  Me2= ", 25, " kNm/m"},
                    {"Empuje vert. sobrecarga       Meq= ", 26, " kNm/m"},
                    {"Momento estabilizante total   MEV= ", 27, " kNm/m"},
                    {"Factor de seguridad    fsm=MEV/MV= ", 28, ""}});

    out.push_back("");
    out.push_back("Verificacion al deslizamiento:");
    out.push_back("--------------------------------");
    out.push_back("");
    addResultLines(out, res,
                   {{"Empuje horizontal suelo humedo H1= ", 39, " kN/m"},
                    {"Empuje horizontal suelo sumerg.H2= ", 40, " kN/m"},
                    {"Empuje del agua                Hw= ", 41, " kN/m"},
                    {"Empuje horizontal sobrecarga   Hq= ", 42, " kN/m"},
                    {"Fuerza horizontal total        FH= ", 43, " kN/m"}});
    out.push_back("Fuerza que se opone al deslizamiento:");
    addResultLines(out, res,
                   {{"                  Fdo=Nef*tan(fi)= ", 44, " kN/m"},
                    {"Factor de seguridad        Fdo/FH= ", 45, ""}});
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
    return "Resultados";
}

std::string resultText(float value) {
    return common::formatPattern(value, kPattern);
}

std::vector<std::string> reportLines(const common::FieldTexts& fields, Method selectedOption,
                                     const Resultados& resultados) {
    Lines out;
    addHeading(out);
    addData(out, fields, selectedOption);
    addResults(out, resultados);
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
