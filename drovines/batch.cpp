#include "drovines/batch.h"

#include <optional>
#include <ostream>

#include "common/fields.h"
#include "common/messages.h"
#include "common/printline.h"
#include "drovines/calcular.h"
#include "drovines/datafile.h"
#include "drovines/report.h"

namespace drovines {

namespace {

struct BatchOptions {
    std::string dataFile;
    std::optional<Method> method;
    std::string gm = "22";
    TickBoxes ticks;
    std::optional<std::string> reportFile;
};

// The parsed options, or an error text for a command line that cannot be run.
std::optional<BatchOptions> parseOptions(const std::vector<std::string>& args, std::string& error) {
    BatchOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--method" && hasValue) {
            const std::string code = args[++i];
            if (code == "1") {
                o.method = Method::Rankine;
            } else if (code == "2") {
                o.method = Method::Coulomb;
            } else if (code == "3") {
                o.method = Method::MononobeOkabe;
            } else {
                error = "metodo desconocido: " + code + " (use 1 Rankine o 2 Coulomb)";
                return std::nullopt;
            }
        } else if (a == "--gm" && hasValue) {
            o.gm = args[++i];
        } else if (a == "--report" && hasValue && !args[i + 1].empty()) {
            o.reportFile = args[++i];
        } else if (a == "--delta") {
            o.ticks.check2 = true;
        } else if (a == "--cuna") {
            o.ticks.check1 = true;
        } else if (!a.empty() && a[0] != '-' && o.dataFile.empty()) {
            o.dataFile = a;
        } else {
            error = "argumento no valido: " + a;
            return std::nullopt;
        }
    }
    if (o.dataFile.empty()) {
        error = "falta el archivo de datos";
        return std::nullopt;
    }
    return o;
}

// Why a calculation that ran no method stopped, for a command line that would otherwise say
// nothing.
std::string stopNote(CalcStatus status, Method method) {
    if (status == CalcStatus::NothingToDo) {
        return "Drovines: no se calcula: gam, b1, H y B deben ser distintos de 0.";
    }
    if (status == CalcStatus::NoMethod && method == Method::MononobeOkabe) {
        return "Drovines: Opcion no disponible actualmente.";
    }
    if (status == CalcStatus::NoMethod) {
        return "Drovines: no hay metodo de calculo elegido (use --method 1 o 2).";
    }
    return "";
}

}  // namespace

std::string batchHelp() {
    return "Uso: drovines --batch ARCHIVO.dat [opciones]\n"
           "\n"
           "Calcula el empuje activo sobre un muro de gravedad y verifica su estabilidad,\n"
           "como el boton \"Calcular\", con los datos de ARCHIVO.dat.\n"
           "\n"
           "Opciones:\n"
           "  --method 1|2   1 Rankine, 2 Coulomb (por omision, el de la linea 13 del archivo)\n"
           "  --gm X         peso especifico del muro en kN/m3 (por omision 22)\n"
           "  --delta        considerar angulo delta (Rankine)\n"
           "  --cuna         considerar la cuña de suelo en la estabilidad (Rankine)\n"
           "  --report OUT   guardar el informe en OUT (por omision, a la salida estandar)\n"
           "  --help         mostrar esta ayuda\n"
           "  --version      mostrar el nombre y la version del programa\n"
           "\n"
           "Los mensajes se escriben en la salida de errores como \"TITULO: TEXTO\".\n"
           "Codigo de salida: 0 calculo realizado; 1 linea de comandos incorrecta;\n"
           "2 archivo de datos ilegible; 3 datos rechazados o calculo interrumpido;\n"
           "4 no se pudo guardar el informe.\n";
}

int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto options = parseOptions(args, error);
    if (!options) {
        err << "drovines: " << error << "\n\n" << batchHelp();
        return kExitUsage;
    }

    common::StderrMessages messages(kProgramTitle);
    common::MemoryFields fields;
    fields.setText(field::gm, options->gm);
    const DataFileLoad load = leerdatos(options->dataFile, fields, messages);
    if (!load.loaded) {
        return kExitUnreadable;
    }
    const Method method = options->method.value_or(load.method);

    const CalcOutcome outcome = calcular(fields, method, options->ticks, messages);
    if (outcome.status != CalcStatus::Computed) {
        const std::string note = stopNote(outcome.status, method);
        if (!note.empty()) {
            err << note << "\n";
        }
        return kExitStopped;
    }

    const auto lines = reportLines(fields, method, outcome.resultados);
    if (options->reportFile) {
        if (!saveReport(*options->reportFile, lines, messages)) {
            return kExitReportNotWritten;
        }
    } else {
        out << common::joinLines(lines);
    }
    return kExitComputed;
}

}  // namespace drovines
