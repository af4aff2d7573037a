#include "fendrolas/batch.h"

#include <iostream>
#include <string>
#include <vector>

#include "common/fields.h"
#include "common/messages.h"
#include "common/numbertext.h"
#include "fendrolas/module1.h"
#include "fendrolas/moduloi.h"

namespace fendrolas {

namespace {

const char* const kProgramTitle = "FENDROLAS";

const char* const kHelp =
    "Uso: fendrolas                      abre la ventana del programa\n"
    "     fendrolas --batch ARCHIVO.dat --validate\n"
    "         Lee el archivo de datos, valida los datos como lo hace \"Calcular\" y muestra\n"
    "         los valores que recibe el metodo de calculo.\n"
    "     fendrolas --help                muestra esta ayuda\n"
    "\n"
    "Los mensajes se escriben en la salida de errores como TITULO: TEXTO.\n"
    "Codigos de salida: 0 correcto, 1 opciones incorrectas, 2 archivo de datos ilegible.\n";

struct Options {
    std::string dataFile;
    bool validate = false;
    bool help = false;
    std::string error;
};

Options parseOptions(int argc, char* argv[]) {
    Options o;
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "--batch") {
            continue;
        } else if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--validate") {
            o.validate = true;
        } else if (!arg.empty() && arg[0] != '-' && o.dataFile.empty()) {
            o.dataFile = arg;
        } else {
            o.error = "Opcion desconocida: " + arg;
        }
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
}

int validateOnly(common::FieldTexts& fields, common::MessageSink& messages) {
    double fi = 0, c = 0, g = 0;
    WindowData data;
    validar(fields, messages, fi, c, g, data);
    printMethodInput(prepareMethodInput(fi, c, g, data));
    return 0;
}

}  // namespace

int runBatch(int argc, char* argv[]) {
    const Options options = parseOptions(argc, argv);
    if (options.help) {
        std::cout << kHelp;
        return 0;
    }
    if (!options.error.empty() || options.dataFile.empty()) {
        std::cerr << (options.error.empty() ? "Falta el archivo de datos." : options.error)
                  << "\n\n"
                  << kHelp;
        return 1;
    }
    common::StderrMessages messages(kProgramTitle);
    common::MemoryFields fields;
    if (!cargardat(options.dataFile, fields, messages)) {
        return 2;
    }
    return validateOnly(fields, messages);
}

}  // namespace fendrolas
