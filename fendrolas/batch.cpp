#include "fendrolas/batch.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "common/fields.h"
#include "common/messages.h"
#include "common/numbertext.h"
#include "common/printline.h"
#include "common/safefile.h"
#include "fendrolas/driver.h"
#include "fendrolas/fieldchecks.h"
#include "fendrolas/module1.h"
#include "fendrolas/moduloi.h"
#include "fendrolas/report.h"
#include "fendrolas/watertablefields.h"

namespace fendrolas {

namespace {

const char* const kHelp =
    "Uso: fendrolas                      abre la ventana del programa\n"
    "     fendrolas --batch ARCHIVO.dat --method N [coeficientes]\n"
    "         Calcula como \"Calcular\" con el metodo N elegido: 1 Terzaghi, 2 Meyerhof,\n"
    "         3 Brinch Hansen, 4 Vesic, 5 CCSR Mza87. Escribe \"res.sal\" y el archivo de\n"
    "         resultados del metodo en la carpeta actual y muestra los cuadros\n"
    "         \"Resultados\" y \"Area efectiva\" de la ventana principal, un estado por linea.\n"
    "     fendrolas --batch ARCHIVO.dat --method all [coeficientes]\n"
    "         Calcula los cinco metodos como \"Calc. todo\".\n"
    "     fendrolas --batch ARCHIVO.dat --method N|all --report INFORME [coeficientes]\n"
    "         Ademas guarda en INFORME el informe que \"Guardar como\" de \"Resultados\"\n"
    "         guardaria tras ese calculo (con all, el del ultimo metodo, CCSR Mza87).\n"
    "     fendrolas --batch ARCHIVO.dat --method N|all --pdf INFORME.pdf [coeficientes]\n"
    "         Ademas guarda en INFORME.pdf el informe PDF con los datos, los dibujos de la\n"
    "         zapata, los resultados de cada metodo y, con all, los graficos comparativos.\n"
    "     fendrolas --batch --compare\n"
    "         Lee los cinco archivos de resultados de la carpeta actual como \"Comparar\" y\n"
    "         muestra quTable, NuTable, maxQu y maxNu, un metodo por linea.\n"
    "     fendrolas --batch ARCHIVO.dat --validate\n"
    "         Lee el archivo de datos, valida los datos como lo hace \"Calcular\" y muestra\n"
    "         los valores que recibe el metodo de calculo.\n"
    "     fendrolas --help                muestra esta ayuda\n"
    "     fendrolas --version             muestra el nombre y la version del programa\n"
    "\n"
    "Coeficientes (textos de los dialogos de coeficientes):\n"
    "     --alfa1 X --alfa2 Y --cc Z      Brinch Hansen (por omision 2.5, 3.5 y 0.6)\n"
    "     --vesic-cc Z                    Vesic (por omision 0.6)\n"
    "\n"
    "Napa freatica (en lugar de los valores del archivo de datos):\n"
    "     --dw X                          profundidad de la napa dw [m]; \"\" sin napa\n"
    "     --gsat Y                        peso especifico saturado gsat [kN/m3]\n"
    "\n"
    "Los mensajes se escriben en la salida de errores como TITULO: TEXTO.\n"
    "Codigos de salida: 0 correcto, 1 opciones incorrectas, 2 archivo de datos ilegible,\n"
    "3 faltan archivos de resultados para comparar, 4 no se pudo guardar un archivo de\n"
    "resultados o el informe, 5 el calculo no dejo resultados para el informe,\n"
    "6 la napa freatica no es valida (nada se calcula), 7 un dato no es un numero o no\n"
    "tiene sentido fisico (nada se calcula).\n";

constexpr int kExitOptions = 1;
constexpr int kExitDataFile = 2;
constexpr int kExitComparison = 3;
constexpr int kExitWriteFailed = 4;
constexpr int kExitNoReport = 5;
constexpr int kExitWater = 6;
constexpr int kExitBadData = 7;

// What the command line asks for.
struct Options {
    std::string dataFile;
    bool validate = false;
    bool compare = false;
    bool help = false;
    int method = 0;  // 1..5, or kAllMethods
    std::string reportFile;
    std::string pdfFile;
    CoefficientTexts coefficients;
    // Texts for the water table's fields, over those of the data file.
    std::optional<std::string> dw, gsat;
    std::string error;
};

constexpr int kAllMethods = -1;

int methodOption(const std::string& text) {
    if (text == "all") {
        return kAllMethods;
    }
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '5') {
        return text[0] - '0';
    }
    return 0;
}

// The text after an option such as --alfa1; sets an error when it is missing.
std::string optionValue(int argc, char* argv[], int& k, Options& o) {
    if (k + 1 >= argc) {
        o.error = "Falta el valor de " + std::string(argv[k]);
        return "";
    }
    return argv[++k];
}

Options parseOptions(int argc, char* argv[]) {
    Options o;
    for (int k = 1; k < argc && o.error.empty(); ++k) {
        const std::string arg = argv[k];
        if (arg == "--batch") {
            continue;
        } else if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--validate") {
            o.validate = true;
        } else if (arg == "--compare") {
            o.compare = true;
        } else if (arg == "--method") {
            const std::string value = optionValue(argc, argv, k, o);
            o.method = methodOption(value);
            if (o.error.empty() && o.method == 0) {
                o.error = "Metodo desconocido: " + value + " (use 1 a 5 o all)";
            }
        } else if (arg == "--report") {
            o.reportFile = optionValue(argc, argv, k, o);
            if (o.error.empty() && o.reportFile.empty()) {
                o.error = "Falta el nombre del informe de --report";
            }
        } else if (arg == "--pdf") {
            o.pdfFile = optionValue(argc, argv, k, o);
            if (o.error.empty() && o.pdfFile.empty()) {
                o.error = "Falta el nombre del informe de --pdf";
            }
        } else if (arg == "--alfa1") {
            o.coefficients.alfa1 = optionValue(argc, argv, k, o);
        } else if (arg == "--alfa2") {
            o.coefficients.alfa2 = optionValue(argc, argv, k, o);
        } else if (arg == "--cc") {
            o.coefficients.cc = optionValue(argc, argv, k, o);
        } else if (arg == "--vesic-cc") {
            o.coefficients.vesicCc = optionValue(argc, argv, k, o);
        } else if (arg == "--dw") {
            o.dw = optionValue(argc, argv, k, o);
        } else if (arg == "--gsat") {
            o.gsat = optionValue(argc, argv, k, o);
        } else if (!arg.empty() && arg[0] != '-' && o.dataFile.empty()) {
            o.dataFile = arg;
        } else {
            o.error = "Opcion desconocida: " + arg;
        }
    }
    if (!o.error.empty() || o.help) {
        return o;
    }
    const int actions = int(o.validate) + int(o.compare) + int(o.method != 0);
    if (actions != 1) {
        o.error = "Indique una sola accion: --method, --validate o --compare.";
    } else if (o.compare && !o.dataFile.empty()) {
        o.error = "--compare no lee archivo de datos.";
    } else if (!o.compare && o.dataFile.empty()) {
        o.error = "Falta el archivo de datos.";
    } else if (!o.reportFile.empty() && o.method == 0) {
        o.error = "--report solo va con --method.";
    } else if (!o.pdfFile.empty() && o.method == 0) {
        o.error = "--pdf solo va con --method.";
    } else if (o.compare && (o.dw || o.gsat)) {
        o.error = "--compare no lee la napa.";
    }
    return o;
}

void printStateArray(const char* name, const StateArray& values) {
    std::cout << name << " =";
    for (int i = 1; i <= kStates; ++i) {
        std::cout << ' ' << common::displaySingle(values[i]);
    }
    std::cout << '\n';
}

void printMethodInput(const MethodInput& in) {
    using common::displaySingle;
    std::cout << "phi = " << displaySingle(in.phi) << '\n'
              << "c = " << displaySingle(in.c) << '\n'
              << "gamma = " << displaySingle(in.gamma) << '\n'
              << "w = " << displaySingle(in.w) << '\n'
              << "Lx = " << displaySingle(in.Lx) << '\n'
              << "Ly = " << displaySingle(in.Ly) << '\n'
              << "df = " << displaySingle(in.df) << '\n';
    printStateArray("V", in.V);
    printStateArray("Qx", in.Qx);
    printStateArray("Qy", in.Qy);
    printStateArray("Mxz", in.Mxz);
    printStateArray("Myz", in.Myz);
    if (in.water.present) {
        std::cout << "dw = " << displaySingle(in.water.dw) << '\n'
                  << "gsat = " << displaySingle(in.water.gsat) << '\n';
    }
}

int validateOnly(common::FieldTexts& fields, common::MessageSink& messages) {
    if (!checkMainWindowFields(fields, messages)) {
        return kExitBadData;
    }
    double fi = 0, c = 0, g = 0;
    WindowData data;
    validar(fields, messages, fi, c, g, data);
    MethodInput input = prepareMethodInput(fi, c, g, data);
    if (!readWaterTable(fields, messages, input.water) ||
        !checkWaterTable(input.water, input.gamma, messages)) {
        return kExitWater;
    }
    printMethodInput(input);
    return 0;
}

// The two result frames of the main window, their columns side by side, one state a line.
void printResultFrames(const ResultLabels& labels) {
    std::cout << "Resultados\t\t\t\t\tArea efectiva\n"
              << "N\u00ba\tPresion actuante [kN/m2]\tPresion de hudimiento [kN/m2]"
                 "\tCarga de hundimiento [kN]\tCoef. de seguridad"
                 "\tLx ef [m]\tLy ef[m]\tArea efectiva [m2]\t% Area comprim.\n";
    for (int state = 1; state <= kStates; ++state) {
        std::cout << state;
        for (const std::string& text : labels.text[state - 1]) {
            std::cout << '\t' << text;
        }
        std::cout << '\n';
    }
}

// What "Guardar como" of the partial-results window writes after the run: the report of
// "res.sal" with the fields as the run left them. A "res.sal" this run did not write (the method
// gave no finite results) is not reported.
int saveReport(const std::string& reportFile, int lastMethod, const Driver& driver,
               const common::FieldTexts& fields, common::MessageSink& messages) {
    std::string written;
    MethodResults results;
    if (!common::readWholeFile(kSummaryFileName, written) ||
        written != summaryFileText(driver.tables().byMethod[lastMethod]) ||
        !readSummaryFile("", results)) {
        std::cerr << "fendrolas: el calculo no dejo resultados en res.sal; no se escribe el "
                     "informe "
                  << reportFile << ".\n";
        return kExitNoReport;
    }
    Eccentricities eccentricities;
    const std::vector<std::string> lines = reportLines(results, fields, eccentricities);
    if (!common::writeFileSafely(reportFile, common::joinLines(lines))) {
        messages.show("No se pudo guardar el archivo " + reportFile, "ERROR",
                      common::MessageIcon::Critical);
        return kExitWriteFailed;
    }
    return 0;
}

int savePdf(const Options& options, const Driver& driver, const common::FieldTexts& fields,
            common::MessageSink& messages, const BatchPdfWriter& writePdf) {
    std::string error;
    if (!writePdf || !writePdf(options.pdfFile, driver, fields, options.dataFile, &error)) {
        messages.show("No se pudo guardar el informe " + options.pdfFile + ": " + error, "ERROR",
                      common::MessageIcon::Critical);
        return kExitWriteFailed;
    }
    return 0;
}

int calculate(const Options& options, common::FieldTexts& fields, common::MessageSink& messages,
              const BatchPdfWriter& writePdf) {
    NullPartialResults partialResults;
    NullComparison comparison;
    Driver driver(fields, messages, partialResults, comparison);
    int lastMethod = options.method;
    if (options.method == kAllMethods) {
        driver.calcTodo(options.coefficients);
        lastMethod = kMethods;
    } else {
        driver.setSelectedMethod(options.method);
        driver.calcular(options.coefficients);
    }
    if (driver.fieldsRefused()) {
        return kExitBadData;
    }
    if (driver.waterRefused()) {
        return kExitWater;
    }
    printResultFrames(driver.labels());
    if (driver.writeFailed()) {
        return kExitWriteFailed;
    }
    if (!options.reportFile.empty()) {
        const int saved =
            saveReport(options.reportFile, lastMethod, driver, driver.calculatedFields(), messages);
        if (saved != 0) {
            return saved;
        }
    }
    if (!options.pdfFile.empty()) {
        return savePdf(options, driver, driver.calculatedFields(), messages, writePdf);
    }
    return 0;
}

// The methods by name in the comparison tables.
const char* comparedMethodName(int method) {
    static const char* const names[kMethods + 1] = {
        "", "Terzaghi", "Meyerhof", "Brinch Hansen", "Vesic", "CCSR Mza87"};
    return names[method];
}

void printTable(const char* name,
                const std::array<std::array<float, kStates + 1>, kMethods + 1>& table) {
    std::cout << name << "\nMetodo\tEstado 1\tEstado 2\tEstado 3\tEstado 4\tEstado 5\n";
    for (int m = 1; m <= kMethods; ++m) {
        std::cout << comparedMethodName(m);
        for (int i = 1; i <= kStates; ++i) {
            std::cout << '\t' << common::displaySingle(table[m][i]);
        }
        std::cout << '\n';
    }
}

// Shows the comparison data on stdout in place of the comparison window.
class PrintedComparison : public ComparisonView {
public:
    void showComparison(const ComparisonData& data) override {
        printTable("quTable", data.quTable);
        printTable("NuTable", data.NuTable);
        std::cout << "maxQu\t" << common::displaySingle(data.maxQu) << '\n'
                  << "maxNu\t" << common::displaySingle(data.maxNu) << '\n';
    }
};

int compare(common::MessageSink& messages) {
    common::MemoryFields fields;
    NullPartialResults partialResults;
    PrintedComparison comparison;
    Driver driver(fields, messages, partialResults, comparison);
    return driver.comparar() ? 0 : kExitComparison;
}

}  // namespace

bool batchWantsPdf(int argc, char* argv[]) {
    for (int k = 1; k < argc; ++k) {
        if (std::string(argv[k]) == "--pdf") {
            return true;
        }
    }
    return false;
}

int runBatch(int argc, char* argv[], const BatchPdfWriter& writePdf) {
    const Options options = parseOptions(argc, argv);
    if (options.help) {
        std::cout << kHelp;
        return 0;
    }
    if (!options.error.empty()) {
        std::cerr << options.error << "\n\n" << kHelp;
        return kExitOptions;
    }
    common::StderrMessages messages(kProgramTitle);
    if (options.compare) {
        return compare(messages);
    }
    common::MemoryFields fields;
    if (!cargardat(options.dataFile, fields, messages)) {
        return kExitDataFile;
    }
    if (options.dw) {
        fields.setText(soilField(kFieldDw), *options.dw);
    }
    if (options.gsat) {
        fields.setText(soilField(kFieldGsat), *options.gsat);
    }
    if (options.validate) {
        return validateOnly(fields, messages);
    }
    return calculate(options, fields, messages, writePdf);
}

}  // namespace fendrolas
