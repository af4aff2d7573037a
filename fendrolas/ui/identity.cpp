#include "fendrolas/ui/identity.h"

namespace fendrolas {

common::ProgramIdentity fendrolasIdentity() {
    common::ProgramIdentity identity;
    identity.title = "FENDROLAS";
    identity.platform = "Win 95/98/Me/XP";
    identity.description =
        "Calculo de la capacidad portante de fendrolas superficiales mediante diversos autores.";
    identity.splashCredits = {"Departamento de Ingenieria Civil", "Facultad de Ingenieria",
                              "Laboratorio de Mecanica de Suelos",
                              "Revision tecnica: catedra de Geotecnia"};
    identity.splashAuthor = "Programa: equipo de desarrollo FENDROLAS";
    identity.aboutCredits = {"Revision tecnica: catedra de Geotecnia", "Licencia de uso academico",
                             "Programa: equipo de desarrollo FENDROLAS"};
    return identity;
}

}  // namespace fendrolas
