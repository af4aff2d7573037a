#include "drovines/batch.h"

#include <cmath>
#include <optional>
#include <ostream>

#include "common/fields.h"
#include "common/fieldvalue.h"
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
    std::optional<std::string> kh;
    std::optional<std::string> kv;
    TickBoxes ticks;
    std::optional<std::string> reportFile;
    std::optional<std::string> pdfFile;
    Minimums minimums = defaultMinimums();
};

// The options of the minimum factors, in the order of the checks.
const char* const kMinimumOptions[kSafetyChecks] = {"--fs-vuelco", "--fs-deslizamiento",
                                                    "--fs-hundimiento"};

int minimumOption(const std::string& option) {
    for (int k = 0; k < kSafetyChecks; ++k) {
        if (option == kMinimumOptions[k]) {
            return k;
        }
    }
    return -1;
}

// A value of an option: one whole number ("nan", "inf" and "12abc" are not).
bool isNumber(const std::string& text) {
    double value = 0;
    return common::parseNumberToken(text, value) && std::isfinite(value);
}

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
                error = "metodo desconocido: " + code +
                        " (use 1 Rankine, 2 Coulomb o 3 Mononobe-Okabe)";
                return std::nullopt;
            }
        } else if ((a == "--gm" || a == "--kh" || a == "--kv") && hasValue) {
            const std::string value = args[++i];
            if (!isNumber(value)) {
                error = a + " necesita un numero: " + value;
                return std::nullopt;
            }
            if (a == "--gm") {
                o.gm = value;
            } else if (a == "--kh") {
                o.kh = value;
            } else {
                o.kv = value;
            }
        } else if (a == "--report" && hasValue && !args[i + 1].empty()) {
            o.reportFile = args[++i];
        } else if (a == "--pdf" && hasValue && !args[i + 1].empty()) {
            o.pdfFile = args[++i];
        } else if (minimumOption(a) >= 0 && hasValue) {
            const std::string value = args[++i];
            if (!readMinimum(value, o.minimums[static_cast<std::size_t>(minimumOption(a))])) {
                error = a + " necesita un numero positivo: " + value;
                return std::nullopt;
            }
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
std::string stopNote(CalcStatus status) {
    if (status == CalcStatus::NothingToDo) {
        return "Drovines: " + std::string(kNothingToDoMessage);
    }
    if (status == CalcStatus::NoMethod) {
        return "Drovines: no hay metodo de calculo elegido (use --method 1, 2 o 3).";
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
           "  --method 1|2|3 1 Rankine, 2 Coulomb, 3 Mononobe-Okabe (sismo) (por omision, el de\n"
           "                 la linea 13 del archivo)\n"
           "  --gm X         peso especifico del muro en kN/m3 (por omision 22)\n"
           "  --kh X         coeficiente sismico horizontal (Mononobe-Okabe; por omision, la\n"
           "                 linea 16 del archivo, o 0)\n"
           "  --kv X         coeficiente sismico vertical, positivo hacia arriba (por omision,\n"
           "                 la linea 17 del archivo, o 0)\n"
           "  --delta        considerar angulo delta (Rankine)\n"
           "  --cuna         considerar la cuña de suelo en la estabilidad (Rankine)\n"
           "  --report OUT   guardar el informe en OUT (por omision, a la salida estandar)\n"
           "  --pdf OUT.pdf  guardar tambien el informe PDF con la seccion del muro\n"
           "  --fs-vuelco X, --fs-deslizamiento X, --fs-hundimiento X\n"
           "                 factores de seguridad minimos del informe PDF (por omision 1.5,\n"
           "                 1.5 y 3)\n"
           "  --help         mostrar esta ayuda\n"
           "  --version      mostrar el nombre y la version del programa\n"
           "\n"
           "Los mensajes se escriben en la salida de errores como \"TITULO: TEXTO\".\n"
           "Codigo de salida: 0 calculo realizado; 1 linea de comandos incorrecta;\n"
           "2 archivo de datos ilegible; 3 datos rechazados, calculo interrumpido o algun\n"
           "factor de seguridad sin valor (el informe se escribe igual); 4 no se pudo guardar\n"
           "el informe.\n";
}

int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             const BatchPdfWriter& writePdf) {
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
    if (options->kh) {
        fields.setText(field::kh, *options->kh);
    }
    if (options->kv) {
        fields.setText(field::kv, *options->kv);
    }

    const CalcOutcome outcome = calcular(fields, method, options->ticks, messages);
    if (outcome.status != CalcStatus::Computed) {
        const std::string note = stopNote(outcome.status);
        if (!note.empty()) {
            err << note << "\n";
        }
        return kExitStopped;
    }

    const auto lines =
        reportLines(fields, method, outcome.resultados, method == Method::MononobeOkabe);
    if (options->reportFile) {
        if (!saveReport(*options->reportFile, lines, messages)) {
            return kExitReportNotWritten;
        }
    } else if (!options->pdfFile) {
        out << common::joinLines(lines);
    }
    if (options->pdfFile) {
        std::string why;
        if (!writePdf || !writePdf(*options->pdfFile, fields, method, outcome.resultados,
                                   options->minimums, options->dataFile, &why)) {
            messages.show("No se pudo guardar el informe " + *options->pdfFile + ": " + why,
                          "ERROR", common::MessageIcon::Critical);
            return kExitReportNotWritten;
        }
    }
    // A factor of safety without a figure leaves the wall unverified.
    if (!everyFactorIsAResult(outcome.resultados)) {
        return kExitStopped;
    }
    return kExitComputed;
}

}  // namespace drovines
