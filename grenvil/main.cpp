#include <iostream>
#include <string_view>

#include "common/version.h"
#include "grenvil/dialogue.h"

namespace {

const char* const kHelp =
    "Uso: grenvil                 pregunta los datos del talud y del circulo, linea a linea,\n"
    "                             y calcula el factor de seguridad por el metodo de Spencer\n"
    "     grenvil < RESPUESTAS    toma las respuestas de un archivo, una por linea\n"
    "     grenvil --help          muestra esta ayuda\n"
    "     grenvil --version       muestra el nombre y la version del programa\n"
    "\n"
    "Escribe \"aver.out\" en la carpeta actual. El fin de la entrada termina el programa.\n"
    "Codigos de salida: 0 correcto, 1 no se pudo crear \"aver.out\" (el calculo se hace igual).\n";

}  // namespace

int main(int argc, char* argv[]) {
    if (common::printedVersion(argc, argv, "grenvil", std::cout)) {
        return 0;
    }
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        if (arg == "--help" || arg == "-h") {
            std::cout << kHelp;
            return 0;
        }
    }
    return grenvil::runGrenvil(std::cin, std::cout, std::cerr, "aver.out");
}
