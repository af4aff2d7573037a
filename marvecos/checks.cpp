#include "marvecos/checks.h"

namespace marvecos {

namespace {

bool fail(common::MessageSink& messages, const char* text) {
    messages.show(text, kProgramTitle, common::MessageIcon::None);
    return false;
}

}  // namespace

bool checkSoilAndSlope(const SlopeProblem& p, common::MessageSink& messages) {
    if (p.fi == 0 && p.c == 0) {
        return fail(messages,
                    "El angulo de friccion interna y la cohesion no pueden ser nulos "
                    "simultaneamente.");
    }
    if (p.gam == 0) {
        return fail(messages, "El peso especifico no puede ser nulo.");
    }
    if (p.H == 0) {
        return fail(messages, "La altura del talud no puede ser nula.");
    }
    if (p.L == 0) {
        return fail(messages, "La longitud del talud no puede ser nula.");
    }
    return true;
}

bool checkSlopeProblem(const SlopeProblem& p, common::MessageSink& messages) {
    if (!checkSoilAndSlope(p, messages)) {
        return false;
    }
    if (p.Xcr == 0 && p.Ycr == 0) {
        return fail(messages,
                    "El centro de la circunferencia no puede estar en el origen de coordenadas.");
    }
    if (p.R == 0) {
        return fail(messages, "El radio de la circunferencia no puede ser nulo.");
    }
    return true;
}

}  // namespace marvecos
