#include "grenvil/dialogue.h"

#include <istream>
#include <optional>
#include <ostream>

#include "common/safefile.h"
#include "grenvil/answers.h"
#include "grenvil/fixedfield.h"
#include "grenvil/slicetable.h"
#include "grenvil/spencer.h"

namespace grenvil {

std::string traceLine(int NP, float FST, float FSM, float theta) {
    return "COMPARANDO FS: NP=" + fixedInteger(NP, 4) + "  FST=" + fixedDecimal(FST, 7, 3) +
           "  FSM=" + fixedDecimal(FSM, 7, 3) + "  THETA=" + fixedDecimal(theta, 7, 3) + " RAD";
}

std::string resultLine(const std::string& label, float value) {
    return label + fixedDecimal(value, 6, 3);
}

namespace {

constexpr float kPi = 3.1416f;

// Line-by-line console. Every written line starts with one blank; a prompt leaves the cursor at
// the end of its line for the answer.
class Console {
public:
    Console(std::istream& in, std::ostream& out) : in_(in), out_(out) {}

    void line(const std::string& text) { out_ << ' ' << text << '\n'; }
    void empty(int count = 1) {
        for (int i = 0; i < count; ++i) {
            out_ << '\n';
        }
    }

    // Empty when the input has ended.
    std::optional<std::string> answer(const std::string& prompt) {
        out_ << ' ' << prompt << std::flush;
        return nextLine();
    }

    // The program waits for the user to press Enter; false when the input has ended.
    bool waitForLine() { return nextLine().has_value(); }

    std::optional<float> askReal(const std::string& prompt) {
        for (;;) {
            const std::optional<std::string> text = answer(prompt);
            if (!text) {
                return std::nullopt;
            }
            if (const std::optional<float> value = parseReal(*text)) {
                return value;
            }
        }
    }

    std::optional<int> askInteger(const std::string& prompt) {
        for (;;) {
            const std::optional<std::string> text = answer(prompt);
            if (!text) {
                return std::nullopt;
            }
            if (const std::optional<int> value = parseInteger(*text)) {
                return value;
            }
        }
    }

private:
    std::optional<std::string> nextLine() {
        std::string text;
        if (!std::getline(in_, text)) {
            out_ << '\n';  // leave the terminal on a fresh line
            return std::nullopt;
        }
        return text;
    }

    std::istream& in_;
    std::ostream& out_;
};

class ConsoleTrace : public SpencerTrace {
public:
    explicit ConsoleTrace(Console& console) : console_(console) {}
    void searchMessage(const std::string& text) override { console_.line(text); }
    void trialTheta(int NP, float FST, float FSM, float theta) override {
        console_.line(traceLine(NP, FST, FSM, theta));
    }

private:
    Console& console_;
};

void showBanner(Console& c) {
    c.empty(2);
    c.line("                    ESTABILIDAD DE MARVECOS");
    c.empty();
    c.line("                       METODO DE SPENCER");
    c.empty(2);
    c.line("              DEPARTAMENTO DE GEOTECNIA Y CIMENTACIONES");
    c.line("                  AREA DE MECANICA DE SUELOS");
    c.empty(2);
    c.line("              ANALISIS DE ESTABILIDAD DE TALUDES");
    c.line("            METODO DE LAS DOVELAS, EQUILIBRIO LIMITE");
    c.line("                PROGRAMA DE CALCULO PARA ALUMNOS");
    c.empty();
    c.line("                           OCTUBRE 2004");
    c.empty(2);
    c.line("                            DATOS:");
    c.line("                           ========");
    c.empty();
    c.line("SUELO:");
    c.empty();
}

// The prompts in their order; false when the input ended before the last answer.
bool askProblem(Console& c, SpencerInput& p) {
    const auto real = [&](const char* prompt, float& value) {
        const std::optional<float> answer = c.askReal(prompt);
        if (answer) {
            value = *answer;
        }
        return answer.has_value();
    };
    if (!real("ANGULO DE FRICCION INTERNA DEL SUELO  FI=", p.FI) ||
        !real("COHESION DEL SUELO EN KN/M2,           C=", p.C) ||
        !real("PESO ESPECIFICO DEL SUELO EN KN/M3   GAM=", p.GAM)) {
        return false;
    }
    c.empty();
    c.line("TALUD:");
    c.empty();
    if (!real("ALTURA DEL TALUD EN M                  H=", p.H) ||
        !real("LONGITUD DEL TALUD EN M                L=", p.L)) {
        return false;
    }
    c.empty();
    c.line("CIRCULO:");
    c.empty();
    if (!real("COORDENADA X DEL CENTRO DEL CIRCULO  XCR=", p.XCR) ||
        !real("COORDENADA Y DEL CENTRO DEL CIRCULO  YCR=", p.YCR) ||
        !real("RADIO DEL CIRCULO                      R=", p.R)) {
        return false;
    }
    const std::optional<int> N = c.askInteger("NUMERO DE DOVELAS                      N=");
    if (!N) {
        return false;
    }
    p.N = *N;
    return true;
}

// "path: reason" of the safe writer, without the path.
std::string withoutFileName(const std::string& reason) {
    const std::size_t colon = reason.rfind(": ");
    return colon == std::string::npos ? reason : reason.substr(colon + 2);
}

// Data that describe no slope: the search would run and print a factor for them.
bool soilAndSlopeMakeSense(const SpencerInput& p) {
    return p.C >= 0 && p.GAM >= 0 && p.H >= 0;
}

// A figure that does not fit its print field would show as stars: it is no result.
bool fitsItsField(const std::string& line) {
    return line.find('*') == std::string::npos;
}

void showResults(Console& c, const SpencerResult& r) {
    const std::string lines[] = {resultLine("TASLACION FST=", r.FST),
                                 resultLine("MOMENTOS  FSM=", r.FSM),
                                 resultLine("ANGULO  THETA=", r.theta * 180.0f / kPi)};
    c.empty(2);
    for (const std::string& line : lines) {
        if (!fitsItsField(line)) {
            c.line(kNoResultLine);
            c.empty();
            return;
        }
    }
    c.line("RESULTADOS");
    for (const std::string& line : lines) {
        c.line(line);
    }
    c.empty();
}

// One calculation from the banner to its results; false when the input ended on the way.
bool calculateOnce(Console& c, SliceTable& table) {
    showBanner(c);
    SpencerInput problem;
    if (!askProblem(c, problem)) {
        return false;
    }
    c.empty();
    c.line("COMIENZO DEL ANALISIS.");
    if (!soilAndSlopeMakeSense(problem) || !prepareSlices(problem, table)) {
        c.line("*** ERROR DE DATOS ***");
        return c.waitForLine();
    }
    c.line("id=" + std::to_string(table.caso));
    ConsoleTrace trace(c);
    const SpencerResult result = runSpencer(problem, table, trace);
    if (!result.converged) {
        // The figures of the last trial are no result: none is shown.
        c.line("NO HAY CONVERGENCIA PARA ESTOS VALORES.");
        return c.waitForLine();
    }
    showResults(c, result);
    return true;
}

}  // namespace

int runGrenvil(std::istream& in, std::ostream& out, std::ostream& err,
               const std::string& averPath) {
    // The file has never carried anything; it is still created (emptied) as users expect it.
    std::string reason;
    const bool averWritten = common::writeFileSafely(averPath, "", &reason);
    if (!averWritten) {
        // The reason names the temporary file; the user knows only aver.out.
        err << "No se pudo crear el archivo " << averPath << ": " << withoutFileName(reason)
            << '\n';
    }
    const int exitCode = averWritten ? 0 : kExitAverNotWritten;
    Console console(in, out);
    SliceTable table;
    for (;;) {
        if (!calculateOnce(console, table)) {
            return exitCode;
        }
        console.empty(2);
        const std::optional<int> OT = console.askInteger("OTRO CALCULO? SI=1,NO=0   OT=");
        if (!OT || *OT != 1) {
            return exitCode;
        }
    }
}

}  // namespace grenvil
