#include "marvecos/batch.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>

#include "common/fields.h"
#include "common/fieldvalue.h"
#include "marvecos/calcular.h"
#include "marvecos/coords.h"
#include "marvecos/model/slopefile.h"
#include "marvecos/problem.h"
#include "marvecos/program.h"
#include "marvecos/search/searchbatch.h"

namespace marvecos {

namespace {

bool isFieldName(const std::string& name) {
    return std::find(std::begin(kSlopeFieldNames), std::end(kSlopeFieldNames), name) !=
           std::end(kSlopeFieldNames);
}

// The option buttons are mutually exclusive: the last --method given is the one selected.
bool readMethod(const std::string& text, MethodButtons& buttons) {
    buttons = MethodButtons{};
    if (text == "bishop") {
        buttons.bishop = true;
    } else if (text == "janbu") {
        buttons.janbu = true;
    } else if (text == "spencer") {
        buttons.spencer = true;
    } else {
        return false;
    }
    return true;
}

// The model options of the command line: a number each, checked as the data file checks it.
bool isModelOption(const std::string& name) {
    return name == "kh" || name == "ru" || name == "gamw" || name == "base";
}

bool readModelOption(const std::string& name, const std::string& text, GroundModel& model,
                     std::string& problem) {
    double value = 0;
    if (!common::parseNumberToken(text, value) ||
        !(std::fabs(value) < std::numeric_limits<double>::max())) {
        problem = "numero no valido para --" + name + ": " + text;
        return false;
    }
    if (name == "base") {
        model.base = value;
    } else if (name == "gamw") {
        if (!(value > 0)) {
            problem = "--gamw debe ser positivo";
            return false;
        }
        model.gamw = value;
    } else if (value < 0 || value >= 1) {
        problem = "--" + name + " debe estar entre 0 y menos de 1";
        return false;
    } else if (name == "kh") {
        model.kh = value;
    } else if (model.water == WaterKind::Piezometric) {
        problem = "--ru no puede ir con una napa";
        return false;
    } else {
        model.water = WaterKind::PoreRatio;
        model.ru = value;
    }
    return true;
}

std::string exactText(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

// The file's problem as the texts of the fields and the method button.
void putInFields(const SlopeProblem& p, common::MemoryFields& fields, MethodButtons& buttons) {
    const double values[] = {p.fi, p.c, p.gam, p.H, p.L, p.Xcr, p.Ycr, p.R, p.n};
    for (std::size_t i = 0; i < std::size(kSlopeFieldNames); ++i) {
        fields.setText(kSlopeFieldNames[i], exactText(values[i]));
    }
    buttons = MethodButtons{p.method == kBishop, p.method == kJanbu, p.method == kSpencer};
}

int usageError(std::ostream& err, const std::string& text) {
    err << "marvecos: " << text << "\n"
        << "Use marvecos --help para ver las opciones.\n";
    return kBatchUsage;
}

}  // namespace

std::string batchHelp() {
    return "Uso: marvecos --batch --fi FI --c C --gam GAM --H H --L L --Xcr XCR --Ycr YCR\n"
           "                --R R --n N --method bishop|janbu|spencer\n"
           "\n"
           "Estabilidad de taludes sobre una circunferencia de falla (Bishop y Janbu).\n"
           "Calcula como el boton \"Calcular\" con esos valores de los campos:\n"
           "  --fi    angulo de friccion interna (grados)\n"
           "  --c     cohesion (kN/m2)\n"
           "  --gam   peso especifico (kN/m3)\n"
           "  --H     altura del talud (m)\n"
           "  --L     longitud del talud (m)\n"
           "  --Xcr, --Ycr  centro de la circunferencia (m)\n"
           "  --R     radio de la circunferencia (m)\n"
           "  --n     numero de dovelas (se usa entre 10 y 100)\n"
           "  --method  metodo de calculo; sin el, se pide seleccionar uno\n"
           "Un campo omitido queda vacio (vale 0).\n"
           "\n"
           "Terreno por capas, agua, cargas y sismo:\n"
           "  marvecos --batch --file TALUD [opciones]\n"
           "  Lee el problema de un archivo de talud (palabras clave suelo, talud, circulo,\n"
           "  metodo, capa, base, napa, ru, gamw, carga, carga-lineal, kh); las opciones de\n"
           "  los campos dadas a su lado (--fi, --H, --Xcr, --n, --method, ...) reemplazan\n"
           "  los valores del archivo. --search funciona igual sobre el archivo.\n"
           "  --kh    coeficiente sismico horizontal (0 a menos de 1)\n"
           "  --ru    coeficiente de presion intersticial (0 a menos de 1)\n"
           "  --gamw  peso especifico del agua (9.81 kN/m3 si no se da)\n"
           "  --base  cota de la base: ninguna circunferencia baja de ella\n"
           "\n"
           "Busqueda del circulo critico:\n"
           "  marvecos --batch --fi FI --c C --gam GAM --H H --L L --n N\n"
           "           --method bishop|janbu --search [--search-xcr X0:X1:NX]\n"
           "           [--search-ycr Y0:Y1:NY] [--search-r R0:R1:NR | --search-r NR]\n"
           "  Prueba los centros de X0 a X1 en NX puntos y de Y0 a Y1 en NY puntos y, en cada\n"
           "  centro, NR radios de R0 a R1, o con --search-r NR, NR radios desde la\n"
           "  circunferencia que apenas toca el talud hasta la que baja H/2 por debajo del\n"
           "  pie, y la que pasa por el pie. Sin opciones: centros de -H/2 a L+H/2 y de H a\n"
           "  3H en 21 x 21 puntos, 11 radios por centro y el circulo por el pie. Centros y\n"
           "  radios se toman al milimetro. Escribe \"busqueda.csv\" (Xcr,Ycr,R,fs) en la\n"
           "  carpeta actual, imprime el circulo critico y los recuentos, y calcula el\n"
           "  circulo critico como \"Calcular\" (sus archivos y \"fs=\"). Sin ningun circulo\n"
           "  con resultado termina con el codigo 3.\n"
           "\n"
           "Los mensajes salen por la salida de error como \"TITULO: TEXTO\"; el factor de\n"
           "seguridad sale como \"fs=\" seguido de su valor. Escribe \"errores.out\" y\n"
           "\"Bishop.out\" o \"Janbu.out\" en la carpeta actual, \"coords.tmp\" y \"results.tmp\"\n"
           "en $XDG_DATA_HOME/marvecos o ~/.local/share/marvecos (en la carpeta del\n"
           "programa cuando se ejecuta desde la carpeta de compilacion y puede escribir en ella).\n"
           "\n"
           "  --help     muestra esta ayuda\n"
           "  --version  muestra el nombre y la version del programa\n"
           "\n"
           "Codigos de salida: 0 factor de seguridad calculado, 2 opciones incorrectas,\n"
           "3 sin resultado, 4 calculado pero algun archivo no se pudo escribir.\n";
}

int runBatch(const std::vector<std::string>& args, const SlopeFolders& folders, std::ostream& out,
             std::ostream& err, common::MessageSink& messages) {
    common::MemoryFields fields;
    MethodButtons buttons;
    SearchOptions search;
    std::optional<std::string> file;
    std::optional<std::string> method;
    std::vector<std::pair<std::string, std::string>> fieldOptions, modelOptions;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--batch") {
            continue;
        }
        if (arg == "--search") {
            search.wanted = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0 || i + 1 >= args.size()) {
            return usageError(err, "opcion incorrecta o sin valor: " + arg);
        }
        const std::string name = arg.substr(2);
        const std::string& value = args[++i];
        std::string problem;
        if (name == "method") {
            if (!readMethod(value, buttons)) {
                return usageError(err, "metodo desconocido: " + value);
            }
            method = value;
        } else if (name == "file") {
            file = value;
        } else if (isFieldName(name)) {
            fieldOptions.emplace_back(name, value);
        } else if (isModelOption(name)) {
            modelOptions.emplace_back(name, value);
        } else if (isGridOption(name)) {
            if (!readGridOption(name, value, search, problem)) {
                return usageError(err, problem);
            }
        } else {
            return usageError(err, "opcion desconocida: " + arg);
        }
    }
    // The file gives the problem; the options given beside it override its values.
    GroundModel model;
    if (file) {
        SlopeData data;
        std::string problem;
        if (!readSlopeFile(*file, data, problem)) {
            return usageError(err, problem);
        }
        MethodButtons fileButtons;
        putInFields(data.problem, fields, fileButtons);
        if (!method) {
            buttons = fileButtons;
        }
        model = data.ground;
    }
    for (const auto& [name, value] : fieldOptions) {
        fields.setText(name, value);
    }
    for (const auto& [name, value] : modelOptions) {
        std::string problem;
        if (!readModelOption(name, value, model, problem)) {
            return usageError(err, problem);
        }
    }
    if (!search.wanted && (search.x || search.y || search.radii)) {
        return usageError(err,
                          "las opciones --search-xcr, --search-ycr y --search-r van con "
                          "--search");
    }
    WriteFailureWatch watched(messages);
    if (search.wanted) {
        const BatchSearchStep step =
            searchIntoFields(fields, buttons, model, search, folders, out, err, watched);
        if (!step.found) {
            return step.exitCode;
        }
    }
    const MethodOutcome outcome = calcular(fields, buttons, model, folders, watched);
    // The window redraws after every "Calcular", which rewrites "coords.tmp" from the fields.
    prepareSliceGeometry(readSlopeInput(fields, buttons), folders.temp, watched, false);
    if (!outcome.computed) {
        // The window says nothing for Spencer; a script still learns why there is no result.
        if (buttons.spencer) {
            err << "marvecos: el metodo Spencer no esta disponible; no se calcula nada.\n";
        }
        return kBatchNoResult;
    }
    out << "fs=" << outcome.valueLabel << "\n";
    return watched.failedWrite ? kBatchFileNotWritten : kBatchComputed;
}

}  // namespace marvecos
