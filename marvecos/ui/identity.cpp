#include "marvecos/ui/identity.h"

namespace marvecos {

common::ProgramIdentity marvecosIdentity() {
    common::ProgramIdentity identity;
    identity.title = "Marvecos";
    identity.platform = "Win 95/98/200/Me/Xp";
    identity.description =
        "Estabilidad de marvecos de tierra sobre una circunferencia de falla por los metodos "
        "de Bishop y Janbu.";
    identity.splashCredits = {"Departamento de Geotecnia y Cimentaciones",
                              "Area de Mecanica de Suelos", "Analisis de estabilidad de taludes",
                              "Metodo de las dovelas, equilibrio limite"};
    identity.splashAuthor = "Programa: equipo de desarrollo Marvecos";
    return identity;
}

}  // namespace marvecos
