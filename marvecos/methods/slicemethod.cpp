#include "marvecos/methods/slicemethod.h"

#include <optional>

#include "common/numbertext.h"
#include "common/patterntext.h"
#include "common/printline.h"
#include "marvecos/coords.h"
#include "marvecos/methods/bishop.h"
#include "marvecos/methods/circlefactor.h"
#include "marvecos/methods/janbu.h"

namespace marvecos {

namespace {

using common::formatPattern;
using common::printDouble;
using common::printInteger;
using common::PrintLine;

void fail(common::MessageSink& messages, const std::string& text) {
    messages.show(text, kProgramTitle, common::MessageIcon::None);
}

// Number of iterations whose line is in the trace: 0..iter, or 0..1000 without convergence.
int lastTracedIteration(const Iteration& it) {
    return it.iter > kLastIteration ? kLastIteration : it.iter;
}

// The message of a circle whose slices give no factor of safety.
std::string noFactorText(CircleVerdict verdict, const SliceQuantities& q) {
    switch (verdict) {
        case CircleVerdict::ZeroWidthSlices:
            return "Hay dovelas de ancho nulo sobre esta circunferencia: no hay resultado. "
                   "Revise la circunferencia y las dimensiones del talud.";
        case CircleVerdict::NoDrivingWeight:
            if (!drivesTowardToe(q)) {
                return "La suma de W*sen de las dovelas no es positiva: la masa no desliza hacia "
                       "el pie del talud y no hay factor de seguridad. Revise la circunferencia.";
            }
            return "La suma de W*tan de las dovelas no es positiva: la masa no desliza hacia el "
                   "pie del talud y no hay factor de seguridad. Revise la circunferencia.";
        case CircleVerdict::FactorNotPositive:
            return "El factor de seguridad calculado no es un numero positivo: no hay resultado. "
                   "Revise los datos del suelo y la circunferencia.";
        default:
            return "La iteracion del factor de seguridad llega a una division por cero o a un "
                   "valor no valido: no hay resultado. Revise los datos.";
    }
}

}  // namespace

std::string errorsText(const Iteration& it) {
    std::vector<std::string> lines = {"iter    fs prop       fs calc", std::string(42, '-')};
    for (int j = 0; j <= lastTracedIteration(it); ++j) {
        lines.push_back(PrintLine()
                            .zone(formatPattern(j, "###"))
                            .zone(formatPattern(it.fsprop[j], "####0.000"))
                            .zone(formatPattern(it.fscalc[j], "####0.000"))
                            .text());
    }
    return common::joinLines(lines);
}

std::string reportText(const SliceGeometry& g, const std::vector<double>& DY,
                       const SliceQuantities& q, const Iteration& it, double tanfi) {
    std::vector<std::string> lines;
    lines.push_back(PrintLine().zone("CASO N\u00ba:").zone(printInteger(g.caso)).text());
    lines.push_back(PrintLine().zone("Xi=").zone(formatPattern(g.Xi, "####0.00")).text());
    lines.push_back(PrintLine().zone("Xd=").zone(formatPattern(g.Xd, "####0.00")).text());
    // The headings keep their own trailing blanks.
    lines.push_back("i               X           Y              YS            DY              ");
    lines.push_back(std::string(91, '-'));
    for (int i = 1; i <= g.slices + 1; ++i) {
        lines.push_back(PrintLine()
                            .zone(formatPattern(i, "###"))
                            .zone(formatPattern(g.X[i], "###0.000"))
                            .zone(formatPattern(g.Y[i], "####0.000"))
                            .zone(formatPattern(g.YS[i], "####0.000"))
                            .zone(formatPattern(DY[i], "####0.000"))
                            .text());
    }
    lines.push_back(std::string(42, '='));
    lines.push_back(std::string(42, '='));
    lines.push_back(
        "i            dxx            A              L1           w            cos           "
        "sen   ");
    lines.push_back(std::string(118, '-'));
    for (int k = 1; k <= q.slices; ++k) {
        lines.push_back(PrintLine()
                            .zone(formatPattern(k, "###"))
                            .zone(formatPattern(q.dxx[k], "###0.000"))
                            .zone(formatPattern(q.A[k], "####0.000"))
                            .zone(formatPattern(q.L1[k], "####0.000"))
                            .zone(formatPattern(q.w[k], "####0.000"))
                            .zone(formatPattern(q.cos[k], "####0.000"))
                            .zone(formatPattern(q.sen[k], "####0.000"))
                            .text());
    }
    lines.push_back(PrintLine()
                        .zone("fs=")
                        .zone(printDouble(it.result))
                        .zone("    iter=")
                        .zone(printInteger(it.iter))
                        .zone("    tanfi=")
                        .zone(printDouble(tanfi))
                        .text());
    lines.push_back(PrintLine()
                        .zone("error=")
                        .zone(printDouble(it.error))
                        .zone("fs1=")
                        .zone(printDouble(it.fs))
                        .text());
    return common::joinLines(lines);
}

std::string resultsText(const SliceQuantities& q, const Iteration& it) {
    std::vector<std::string> lines;
    lines.push_back(PrintLine().zone(printInteger(q.slices)).text());
    for (int k = 1; k <= q.slices; ++k) {
        PrintLine line;
        for (const std::vector<double>* v :
             {&q.dxx, &q.A, &q.L1, &q.w, &q.cos, &q.sen, &q.wcos, &q.wsen}) {
            line.zone(printDouble((*v)[k]));
        }
        lines.push_back(line.text());
    }
    lines.push_back(PrintLine()
                        .zone(printInteger(it.iter))
                        .zone(printDouble(it.fs0))
                        .zone(printDouble(it.result))
                        .text());
    for (int j = 1; j <= it.iter; ++j) {
        lines.push_back(
            PrintLine().zone(printDouble(it.fsprop[j])).zone(printDouble(it.fscalc[j])).text());
    }
    lines.push_back(PrintLine().zone(printDouble(it.error)).text());
    return common::joinLines(lines);
}

std::string resultsTitle(SliceMethod method, double fs) {
    const char* heading = method == SliceMethod::Bishop ? "Resultados: metodo de Bishop.   fs="
                                                        : "Resultados: metodo de Jambu.   fs=";
    return heading + formatPattern(fs, "####0.000");
}

MethodOutcome runSliceMethod(SliceMethod method, const SlopeProblem& p, const SlopeFolders& folders,
                             common::MessageSink& messages) {
    MethodOutcome outcome;
    const std::optional<SliceGeometry> g = prepareSliceGeometry(p, folders.temp, messages, true);
    if (!g) {
        return outcome;
    }
    FactorWork w;
    const CircleVerdict verdict = factorOnSlices(method, p, *g, w);
    if (!givesFactor(verdict)) {
        fail(messages, noFactorText(verdict, w.q));
        return outcome;
    }
    if (verdict == CircleVerdict::NotConverged) {
        fail(messages, "No hay convergencia...");
    }
    const Iteration& it = w.it;
    const std::string report = method == SliceMethod::Bishop ? "Bishop.out" : "Janbu.out";
    writeReported(pathIn(folders.work, "errores.out"), errorsText(it), messages);
    writeReported(pathIn(folders.work, report), reportText(*g, w.DY, w.q, it, w.tanfi), messages);
    writeReported(pathIn(folders.temp, "results.tmp"), resultsText(w.q, it), messages);
    outcome.computed = true;
    outcome.fs = it.result;
    outcome.valueLabel = formatPattern(it.result, "####0.000");
    outcome.resultsTitle = resultsTitle(method, it.result);
    return outcome;
}

namespace {

std::string modelNoFactorText(CircleVerdict verdict, const SliceQuantities& q) {
    switch (verdict) {
        case CircleVerdict::BelowBase:
            return "La masa deslizante llega por debajo de la base del terreno: no hay "
                   "resultado. Revise la circunferencia.";
        case CircleVerdict::NoDrivingWeight:
            return "Las fuerzas que empujan la masa hacia el pie del talud no son positivas: no "
                   "hay factor de seguridad. Revise la circunferencia.";
        default:
            return noFactorText(verdict, q);
    }
}

// The quantities of the homogeneous listing with the model's weights, for the report and the
// results window.
SliceQuantities listedQuantities(const SlopeProblem& p, const SliceGeometry& g,
                                 const ModelSlices& s, std::vector<double>& DY) {
    SliceQuantities q;
    soilHeights(g, p.L, DY);
    sliceQuantities(g, DY, p.gam, q);
    q.sumWcos = q.sumWsen = q.sumWtan = 0;
    for (int k = 1; k <= q.slices; ++k) {
        q.w[k] = s.W[k];
        q.wcos[k] = q.w[k] * q.cos[k];
        q.wsen[k] = q.w[k] * q.sen[k];
        q.sumWcos += q.wcos[k];
        q.sumWsen += q.wsen[k];
        q.sumWtan += q.w[k] * q.tanA[k];
    }
    return q;
}

}  // namespace

std::string modelSlicesText(const ModelSlices& s) {
    std::vector<std::string> lines;
    lines.push_back(std::string(42, '='));
    lines.push_back(
        "i   capa       c             fi            u             Q             kh*W          "
        "yG            agua V        agua H");
    lines.push_back(std::string(132, '-'));
    for (int k = 1; k <= s.slices; ++k) {
        lines.push_back(PrintLine()
                            .add(formatPattern(k, "###"))
                            .column(5)
                            .add(printInteger(s.baseLayer[k]))
                            .column(15)
                            .zone(formatPattern(s.c[k], "####0.000"))
                            .zone(formatPattern(s.fi[k], "####0.000"))
                            .zone(formatPattern(s.u[k], "####0.000"))
                            .zone(formatPattern(s.Q[k], "####0.000"))
                            .zone(formatPattern(s.kW[k], "####0.000"))
                            .zone(formatPattern(s.yG[k], "####0.000"))
                            .zone(formatPattern(s.pondV[k], "####0.000"))
                            .zone(formatPattern(s.pondH[k], "####0.000"))
                            .text());
    }
    lines.push_back(
        PrintLine().zone("Bishop: suma que desliza=").zone(printDouble(bishopDriving(s))).text());
    lines.push_back(
        PrintLine().zone("Janbu: suma que desliza=").zone(printDouble(janbuDriving(s))).text());
    lines.push_back("capa 0: suelo de los campos; capa i: la i-esima linea \"capa\".");
    return common::joinLines(lines);
}

MethodOutcome runSliceMethod(SliceMethod method, const SlopeProblem& p, const GroundModel& model,
                             const SlopeFolders& folders, common::MessageSink& messages) {
    if (usesNoNewInputs(model)) {
        return runSliceMethod(method, p, folders, messages);
    }
    MethodOutcome outcome;
    const std::optional<SliceGeometry> g = prepareSliceGeometry(p, folders.temp, messages, true);
    if (!g) {
        return outcome;
    }
    FactorWork w;
    const CircleVerdict verdict = factorOnModel(method, p, model, *g, w);
    std::vector<double> DY;
    const SliceQuantities q = listedQuantities(p, *g, w.slices, DY);
    if (!givesFactor(verdict)) {
        fail(messages, modelNoFactorText(verdict, q));
        return outcome;
    }
    if (verdict == CircleVerdict::NotConverged) {
        fail(messages, "No hay convergencia...");
    }
    const Iteration& it = w.it;
    const std::string report = method == SliceMethod::Bishop ? "Bishop.out" : "Janbu.out";
    writeReported(pathIn(folders.work, "errores.out"), errorsText(it), messages);
    writeReported(pathIn(folders.work, report),
                  reportText(*g, DY, q, it, w.tanfi) + modelSlicesText(w.slices), messages);
    writeReported(pathIn(folders.temp, "results.tmp"), resultsText(q, it), messages);
    outcome.computed = true;
    outcome.fs = it.result;
    outcome.valueLabel = formatPattern(it.result, "####0.000");
    outcome.resultsTitle = resultsTitle(method, it.result);
    return outcome;
}

}  // namespace marvecos
