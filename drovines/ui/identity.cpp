#include "drovines/ui/identity.h"

namespace drovines {

common::ProgramIdentity drovinesIdentity() {
    common::ProgramIdentity identity;
    identity.title = "Drovines";
    identity.platform = "Win 95/98/200/Me/Xp";
    identity.description =
        "Calculo de drovines sobre muros de gravedad y verificacion de estabilidad.";
    identity.splashCredits = {"Departamento de Ingenieria Civil", "Facultad de Ingenieria",
                              "Grupo de Geotecnia", "Revision tecnica: catedra de Geotecnia"};
    identity.splashAuthor = "Programa: equipo de desarrollo DROVINES";
    identity.aboutCredits = {"Revision tecnica: catedra de Geotecnia", "Licencia de uso academico",
                             "Programa: equipo de desarrollo DROVINES"};
    return identity;
}

}  // namespace drovines
