#include "marvecos/methods/modelmethods.h"

#include <cmath>

#include "marvecos/methods/ordinary.h"

namespace marvecos {

namespace {

ModelVerdict verdictOf(InterSliceVerdict v) {
    switch (v) {
        case InterSliceVerdict::Solved:
            return ModelVerdict::Solved;
        case InterSliceVerdict::ZeroWidthSlices:
            return ModelVerdict::ZeroWidthSlices;
        case InterSliceVerdict::NoDrivingMoment:
            return ModelVerdict::NoDrivingMoment;
        case InterSliceVerdict::LowMAlpha:
            return ModelVerdict::LowMAlpha;
        case InterSliceVerdict::MostlyInTension:
            return ModelVerdict::MostlyInTension;
        default:
            return ModelVerdict::NoCrossing;
    }
}

}  // namespace

bool isModelMethod(SliceMethod method) {
    return method != SliceMethod::Bishop && method != SliceMethod::Janbu;
}

SliceMethod sliceMethodOf(int method) {
    switch (method) {
        case kJanbu:
            return SliceMethod::Janbu;
        case kSpencer:
            return SliceMethod::Spencer;
        case kMorgensternPrice:
            return SliceMethod::MorgensternPrice;
        case kOrdinary:
            return SliceMethod::Ordinary;
        case kJanbuCorrected:
            return SliceMethod::JanbuCorrected;
        default:
            return SliceMethod::Bishop;
    }
}

ModelVerdict factorByModelMethod(SliceMethod method, const SlopeProblem& p,
                                 const GroundModel& model, const SliceGeometry& g,
                                 ModelMethodWork& w) {
    w.F = 0;
    const Soil topSoil{p.fi, p.c, p.gam};
    if (modelSlices(g, p.Xcr, p.Ycr, p.R, p.H, p.L, topSoil, model, w.slices) ==
        ModelSliceStatus::BelowBase) {
        return ModelVerdict::BelowBase;
    }
    const InterSliceFunction f =
        method == SliceMethod::MorgensternPrice ? p.function : InterSliceFunction::Constant;
    const InterSliceVerdict prepared = w.solver.prepare(w.slices, f);
    if (prepared != InterSliceVerdict::Solved) {
        return verdictOf(prepared);
    }
    switch (method) {
        case SliceMethod::Ordinary:
            if (!ordinaryFactor(w.slices, w.F)) {
                return ModelVerdict::FactorNotPositive;
            }
            return ModelVerdict::Solved;
        case SliceMethod::JanbuCorrected:
            if (!w.solver.forceFactor(0, w.janbuSimplified)) {
                return ModelVerdict::FactorNotPositive;
            }
            // A root of the force equation beyond a vanishing m-alpha is no factor.
            w.solution.lowMAlphaSlice = w.solver.firstLowMAlphaSlice(w.janbuSimplified, 0);
            if (w.solution.lowMAlphaSlice > 0) {
                return ModelVerdict::LowMAlpha;
            }
            w.correction = janbuCorrection(w.slices);
            w.F = w.correction.f0 * w.janbuSimplified;
            return std::isfinite(w.F) && w.F > 0 ? ModelVerdict::Solved
                                                 : ModelVerdict::FactorNotPositive;
        default:
            w.solver.solve(w.solution);
            w.F = w.solution.F;
            return verdictOf(w.solution.verdict);
    }
}

std::string noModelFactorText(ModelVerdict verdict, const ModelMethodWork& w) {
    switch (verdict) {
        case ModelVerdict::BelowBase:
            return "La circunferencia baja por debajo de la base del terreno: no hay factor de "
                   "seguridad. Revise la circunferencia.";
        case ModelVerdict::ZeroWidthSlices:
            return "Hay dovelas de ancho nulo sobre esta circunferencia: no hay resultado. "
                   "Revise la circunferencia y las dimensiones del talud.";
        case ModelVerdict::NoDrivingMoment:
            return "Las fuerzas sobre las dovelas no hacen girar la masa hacia el pie del talud: "
                   "no hay factor de seguridad. Revise la circunferencia.";
        case ModelVerdict::LowMAlpha:
            return "En la dovela " + std::to_string(w.solution.lowMAlphaSlice) +
                   " el valor de m-alfa es 0.2 o menor: la solucion no es admisible y no hay "
                   "factor de seguridad. Revise la circunferencia.";
        case ModelVerdict::MostlyInTension:
            return "Mas de la mitad de las dovelas tienen fuerza normal efectiva negativa en la "
                   "base: la solucion no es admisible y no hay factor de seguridad. Revise la "
                   "circunferencia.";
        case ModelVerdict::NoCrossing:
            return "Los factores de seguridad de fuerzas y de momentos no se cruzan para lambda "
                   "entre -3 y 3: no hay solucion. Revise la circunferencia.";
        default:
            return "El factor de seguridad calculado no es un numero positivo: no hay resultado. "
                   "Revise los datos del suelo y la circunferencia.";
    }
}

}  // namespace marvecos
