#include "fendrolas/report.h"

#include "common/fieldvalue.h"
#include "common/numbertext.h"
#include "common/patterntext.h"
#include "common/printline.h"

namespace fendrolas {

namespace {

using Lines = std::vector<std::string>;

std::string fmt(double value, const char* pattern) {
    return common::formatPattern(value, pattern);
}

float field(const common::FieldTexts& fields, const std::string& name) {
    return common::toSingle(common::fieldValue(fields.text(name)));
}

void blank(Lines& lines, int count) {
    lines.insert(lines.end(), count, std::string());
}

void header(Lines& lines) {
    const std::string indent(19, ' ');
    const auto add = [&](const std::string& text) { lines.push_back(indent + text); };
    blank(lines, 4);
    add("CALCULO DE FENDROLAS SUPERFICIALES.");
    blank(lines, 1);
    add("   Programa: equipo de desarrollo FENDROLAS");
    add("   Revision tecnica: catedra de Geotecnia");
    blank(lines, 1);
    add("Departamento de Ingenieria Civil");
    add("Facultad de Ingenieria");
    add("Laboratorio de Mecanica de Suelos");
    blank(lines, 1);
    add("            Mayo 2004");
    blank(lines, 2);
    add("Licencia de uso academico");
}

// The value rounded by its pattern, then written as a number: " 30" for 30, " 17.66" for 17.655.
std::string roundedValue(float value, const char* pattern) {
    const float rounded = common::toSingle(common::fieldValue(fmt(value, pattern)));
    std::string text = common::printSingle(rounded);
    if (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

// The water table's data follow the depth of foundation; they come from "res.sal", the run's own
// record, so that they always belong to the results printed with them.
void waterData(Lines& lines, const WaterUsed& water) {
    if (!water.given) {
        return;
    }
    lines.push_back(" Profundidad de la napa   dw= " + roundedValue(water.dw, "###0.00") + " m");
    lines.push_back("  Peso especifico sat.  gsat= " + roundedValue(water.gsat, "###0.000") +
                    " kN/m3");
}

void generalData(Lines& lines, const common::FieldTexts& fields) {
    struct DataLine {
        const char* label;
        int field;
        const char* pattern;
        const char* unit;
    };
    static const DataLine data[] = {
        {"Angulo de friccion interna f= ", kFieldFi, "###0.00", "º"},
        {"                  Cohesion c= ", kFieldC, "###0.00", " kN/m2"},
        {"Peso especifico suelo seco g= ", kFieldG, "###0.000", " kN/m3"},
        {"                   Humedad w= ", kFieldW, "###0.00", " %"},
        {" Dimension Lx de la base  Lx= ", kFieldLx, "###0.00", " m"},
        {" Dimension Ly de la base  Ly= ", kFieldLy, "###0.00", " m"},
        {" Profundidad de fundacion df= ", kFieldDf, "###0.00", " m"},
    };
    blank(lines, 3);
    lines.push_back("Datos generales:");
    lines.push_back("=================");
    blank(lines, 1);
    for (const DataLine& d : data) {
        lines.push_back(d.label + roundedValue(field(fields, soilField(d.field)), d.pattern) +
                        d.unit);
    }
}

void loadStates(Lines& lines, const common::FieldTexts& fields, Eccentricities& memory) {
    blank(lines, 1);
    lines.push_back("Estados de carga:");
    lines.push_back("=================");
    blank(lines, 1);
    lines.push_back(
        "Estado         N(kN)       Hx(kN)        Hy(kN)        Mxz(kNm)      Myz(kNm)       "
        "ex(m)        ey(m)");
    lines.push_back(std::string(105, '-'));
    blank(lines, 1);
    for (int i = 1; i <= kStates; ++i) {
        const float V = field(fields, loadField(kColumnV, i));
        const float Qx = field(fields, loadField(kColumnQx, i));
        const float Qy = field(fields, loadField(kColumnQy, i));
        const float Mxz = field(fields, loadField(kColumnMxz, i));
        const float Myz = field(fields, loadField(kColumnMyz, i));
        // An empty state has no eccentricity; one kept from an earlier load would be a wrong
        // figure in the report.
        float ex = 0, ey = 0;
        if (V != 0) {
            ex = memory.ex[i] = Mxz / V;
            ey = memory.ey[i] = Myz / V;
        }
        common::PrintLine line;
        line.zone(fmt(i, "##0")).zone(fmt(V, "####0.00"));
        for (float value : {Qx, Qy, Mxz, Myz, ex, ey}) {
            line.zone(fmt(value, "###0.00"));
        }
        lines.push_back(line.text());
    }
}

// What the water table made of the soil's weight: the overburden at the base level and the unit
// weight of the gamma term of each state.
void waterResults(Lines& lines, const WaterUsed& water) {
    if (!water.given) {
        return;
    }
    blank(lines, 3);
    lines.push_back("Napa freatica:");
    lines.push_back("==============");
    blank(lines, 1);
    lines.push_back(common::PrintLine()
                        .add("Sobrecarga al nivel de fundacion q= ")
                        .add(fmt(water.q, "###0.00"))
                        .add(" kN/m2")
                        .text());
    blank(lines, 1);
    lines.push_back("Estado        g usado");
    lines.push_back("                (kN/m3)");
    lines.push_back(std::string(26, '-'));
    blank(lines, 1);
    for (int i = 1; i <= kStates; ++i) {
        lines.push_back(
            common::PrintLine().zone(fmt(i, "##0")).zone(fmt(water.gamma[i], "###0.000")).text());
    }
}

void methodName(Lines& lines, int method) {
    static const char* const names[kMethods + 1] = {"",
                                                    "Metodo de Terzaghi",
                                                    "Metodo de Meyerhof",
                                                    "Metodo de Brinch Hansen",
                                                    "Metodo de Vesic",
                                                    "Metodo del CCSR Mza87"};
    blank(lines, 3);
    lines.push_back("Analisis por:");
    if (method >= 1 && method <= kMethods) {
        lines.push_back(names[method]);
    }
}

// One zoned line per state: its number, then the rows with their patterns.
void stateRows(Lines& lines, const MethodResults& results, int firstRow, int lastRow) {
    for (int i = 1; i <= kStates; ++i) {
        common::PrintLine line;
        line.zone(fmt(i, "##0"));
        for (int row = firstRow; row <= lastRow; ++row) {
            line.zone(fmt(results(row, i), "###0.00"));
        }
        lines.push_back(line.text());
    }
}

void resultsTable(Lines& lines, const MethodResults& results) {
    blank(lines, 3);
    lines.push_back("Resultados:");
    lines.push_back("============");
    blank(lines, 1);
    lines.push_back(
        "Estado        Lxef          Lyef          Aef          Presion      Presion de     "
        "Carga de    Factor de");
    lines.push_back(
        "                                                       actuante     hundimiento   "
        "hundimiento  seguridad");
    lines.push_back(
        "               (m)           (m)          (m2)         (kN/m2)       (kN/m2)        "
        "(kN)               ");
    lines.push_back(std::string(105, '-'));
    blank(lines, 1);
    for (int i = 1; i <= kStates; ++i) {
        common::PrintLine line;
        line.zone(fmt(i, "##0"));
        for (int row : {kRowWidth, kRowLength, kRowArea, kRowActing, kRowQu, kRowNu}) {
            line.zone(fmt(results(row, i), "###0.00"));
        }
        line.zone(fmt(results(kRowSafety, i), "###0.000"));
        lines.push_back(line.text());
    }
}

void loadFactors(Lines& lines, const MethodResults& results) {
    blank(lines, 3);
    lines.push_back("Factores de carga:");
    lines.push_back("==================");
    blank(lines, 1);
    lines.push_back(common::PrintLine().zone("Nq= ").zone(fmt(results.Nq, "####0.0")).text());
    lines.push_back(common::PrintLine().zone("Nc= ").zone(fmt(results.Nc, "####0.0")).text());
    lines.push_back(common::PrintLine().zone("Ng= ").zone(fmt(results.Ngamma, "####0.0")).text());
}

void factorTable(Lines& lines, const MethodResults& results, const char* title, const char* heading,
                 int dashes, int firstRow, int lastRow) {
    blank(lines, 1);
    lines.push_back(title);
    lines.push_back(std::string(26, '-'));
    blank(lines, 1);
    lines.push_back(heading);
    lines.push_back(std::string(static_cast<std::size_t>(dashes), '-'));
    blank(lines, 1);
    stateRows(lines, results, firstRow, lastRow);
}

void coefficientM(Lines& lines, const MethodResults& results) {
    blank(lines, 2);
    for (int i = 1; i <= kStates; ++i) {
        common::PrintLine line;
        line.zone("Estado ").zone(fmt(i, "##0")).add("Coeficiente m= ");
        line.zone(fmt(results(kRowM, i), "###0.00"));
        lines.push_back(line.text());
    }
}

}  // namespace

std::vector<std::string> reportLines(const MethodResults& results, const common::FieldTexts& fields,
                                     Eccentricities& memory) {
    Lines lines;
    header(lines);
    generalData(lines, fields);
    waterData(lines, results.water);
    loadStates(lines, fields, memory);
    methodName(lines, results.method);
    resultsTable(lines, results);
    waterResults(lines, results.water);
    loadFactors(lines, results);
    factorTable(lines, results, "Factores de profundidad d:",
                "Estado        dcb            dcL           dqb           dqL           dg", 75,
                kRowDcb, kRowDg);
    factorTable(lines, results, "Factores de inclinacion i:",
                "Estado         icb           icL           iqb           iqL           igb        "
                "   igL",
                90, kRowIcb, kRowIgL);
    factorTable(lines, results, "Factores de forma s:",
                "Estado         scb           scL           sqb           sqL          sgb         "
                "   sgL",
                89, kRowScb, kRowSgL);
    coefficientM(lines, results);
    return lines;
}

}  // namespace fendrolas
