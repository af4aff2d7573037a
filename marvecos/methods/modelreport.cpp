#include "marvecos/methods/modelreport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "common/numbertext.h"
#include "common/patterntext.h"
#include "common/printline.h"
#include "marvecos/coords.h"
#include "marvecos/methods/thrustline.h"

namespace marvecos {

namespace {

using common::formatPattern;
using common::printDouble;
using common::printInteger;
using common::PrintLine;

constexpr double kDegreesPerRadian = 180 / 3.14159265358979323846;
constexpr int kChartPoints = 21;
constexpr double kNarrowestChart = 0.5;

bool hasInterSliceForces(SliceMethod method) {
    return method == SliceMethod::Spencer || method == SliceMethod::MorgensternPrice;
}

std::string methodName(SliceMethod method, const SlopeProblem& p) {
    switch (method) {
        case SliceMethod::Spencer:
            return "Spencer";
        case SliceMethod::MorgensternPrice:
            return p.function == InterSliceFunction::Constant
                       ? "Morgenstern-Price (funcion constante)"
                       : "Morgenstern-Price (funcion semiseno)";
        case SliceMethod::Ordinary:
            return "Ordinario";
        default:
            return "Janbu corregido";
    }
}

std::string f3(double v) {
    return formatPattern(v, "####0.000");
}

// Soil height above the slip surface at each boundary, as in the report of Bishop.
double heightAt(const ModelSlices& s, int i) {
    return i <= s.slices ? s.yTopLeft[i] - s.yBaseLeft[i]
                         : s.yTopRight[s.slices] - s.yBaseRight[s.slices];
}

void sliceLines(const ModelSlices& s, const ModelMethodWork& w, bool interslice,
                std::vector<std::string>& lines) {
    lines.push_back(
        "i            b              alfa           W            Q            u             N'"
        "            S");
    lines.push_back(std::string(118, '-'));
    for (int k = 1; k <= s.slices; ++k) {
        double N = 0, S = 0;
        if (interslice) {
            N = w.solution.Nprime[k];
            S = w.solution.S[k];
        } else {
            // Without interslice forces: the normal force of the ordinary method.
            const double P = s.W[k] + s.Q[k] + s.pondV[k];
            N = P * s.cosA[k] - (s.kW[k] - s.pondH[k]) * s.sinA[k] - s.u[k] * s.l[k];
            S = (s.c[k] * s.l[k] + N * s.tanFi[k]) / w.F;
        }
        lines.push_back(PrintLine()
                            .zone(formatPattern(k, "###"))
                            .zone(formatPattern(s.b[k], "###0.000"))
                            .zone(f3(std::atan2(s.sinA[k], s.cosA[k]) * kDegreesPerRadian))
                            .zone(f3(s.W[k]))
                            .zone(f3(s.Q[k]))
                            .zone(f3(s.u[k]))
                            .zone(f3(N))
                            .zone(f3(S))
                            .text());
    }
}

void interSliceLines(const ModelSlices& s, const ModelMethodWork& w,
                     std::vector<std::string>& lines) {
    const ThrustLine t = thrustLine(s, w.solution);
    lines.push_back("i            x              E              X             y empuje");
    lines.push_back(std::string(76, '-'));
    for (int i = 1; i <= s.slices + 1; ++i) {
        const double x = i <= s.slices ? s.xLeft[i] : s.xRight[s.slices];
        lines.push_back(PrintLine()
                            .zone(formatPattern(i, "###"))
                            .zone(formatPattern(x, "###0.000"))
                            .zone(f3(w.solution.E[i]))
                            .zone(f3(w.solution.X[i]))
                            .zone(t.defined[i] ? f3(t.y[i]) : std::string("-"))
                            .text());
    }
}

}  // namespace

std::string modelReportName(SliceMethod method) {
    switch (method) {
        case SliceMethod::Spencer:
            return "Spencer.out";
        case SliceMethod::MorgensternPrice:
            return "Morgenstern.out";
        case SliceMethod::Ordinary:
            return "Ordinario.out";
        default:
            return "JanbuCorregido.out";
    }
}

std::vector<FactorPair> factorChart(const InterSliceSolver& solver, double lambda) {
    double lo = std::min(0.0, 1.5 * lambda), hi = std::max(0.0, 1.5 * lambda);
    if (hi - lo < kNarrowestChart) {
        if (lambda >= 0) {
            hi = lo + kNarrowestChart;
        } else {
            lo = hi - kNarrowestChart;
        }
    }
    std::vector<FactorPair> chart;
    for (int i = 0; i < kChartPoints; ++i) {
        chart.push_back(solver.factorsAt(lo + (hi - lo) * i / (kChartPoints - 1)));
    }
    return chart;
}

std::string modelReportText(SliceMethod method, const SlopeProblem& p, const SliceGeometry& g,
                            const ModelMethodWork& w) {
    const ModelSlices& s = w.slices;
    const bool interslice = hasInterSliceForces(method);
    std::vector<std::string> lines;
    lines.push_back(PrintLine().zone("METODO:").zone(methodName(method, p)).text());
    lines.push_back(PrintLine().zone("CASO N\u00ba:").zone(printInteger(g.caso)).text());
    lines.push_back(PrintLine().zone("Xi=").zone(formatPattern(g.Xi, "####0.00")).text());
    lines.push_back(PrintLine().zone("Xd=").zone(formatPattern(g.Xd, "####0.00")).text());
    lines.push_back("i               X           Y              YS            DY              ");
    lines.push_back(std::string(91, '-'));
    for (int i = 1; i <= g.slices + 1; ++i) {
        lines.push_back(PrintLine()
                            .zone(formatPattern(i, "###"))
                            .zone(formatPattern(g.X[i], "###0.000"))
                            .zone(f3(g.Y[i]))
                            .zone(f3(g.YS[i]))
                            .zone(f3(heightAt(s, i)))
                            .text());
    }
    lines.push_back(std::string(42, '='));
    sliceLines(s, w, interslice, lines);
    if (interslice) {
        lines.push_back(std::string(42, '='));
        interSliceLines(s, w, lines);
    }
    lines.push_back(std::string(42, '='));
    lines.push_back(PrintLine().zone("fs=").zone(printDouble(w.F)).text());
    if (interslice) {
        const InterSliceSolution& sol = w.solution;
        PrintLine line;
        line.zone("lambda=").zone(printDouble(sol.lambda));
        if (method == SliceMethod::Spencer) {
            line.zone("theta=").zone(f3(std::atan(sol.lambda) * kDegreesPerRadian));
        }
        lines.push_back(line.text());
        lines.push_back(PrintLine()
                            .zone("fs Bishop=")
                            .zone(printDouble(sol.bishopF))
                            .zone("iter=")
                            .zone(printInteger(sol.iterations))
                            .zone(sol.byBracketing ? "por biseccion" : "por Newton")
                            .text());
        lines.push_back(PrintLine()
                            .zone("dovelas con N' negativa=")
                            .column(29)
                            .add(printInteger(sol.tensionSlices))
                            .text());
    } else if (method == SliceMethod::JanbuCorrected) {
        const JanbuCorrection& j = w.correction;
        lines.push_back(PrintLine()
                            .zone("fs Janbu simplificado=")
                            .column(29)
                            .add(printDouble(w.janbuSimplified))
                            .text());
        lines.push_back(PrintLine()
                            .zone("f0=")
                            .zone(printDouble(j.f0))
                            .zone("b1=")
                            .zone(printDouble(j.b1))
                            .zone("d=")
                            .zone(f3(j.d))
                            .zone("L=")
                            .zone(f3(j.L))
                            .text());
    }
    return common::joinLines(lines);
}

std::string modelResultsText(SliceMethod method, const ModelMethodWork& w) {
    const ModelSlices& s = w.slices;
    std::vector<std::string> lines;
    lines.push_back(PrintLine().zone(printInteger(s.slices)).text());
    for (int k = 1; k <= s.slices; ++k) {
        const double area = (heightAt(s, k) + heightAt(s, k + 1)) / 2 * s.b[k];
        PrintLine line;
        for (double v : {s.b[k], area, s.l[k], s.W[k], s.cosA[k], s.sinA[k], s.W[k] * s.cosA[k],
                         s.W[k] * s.sinA[k]}) {
            line.zone(printDouble(v));
        }
        lines.push_back(line.text());
    }
    // The Newton steps stand where Bishop's iteration stands: proposed and calculated F.
    const bool interslice = hasInterSliceForces(method);
    const std::vector<double>& trial = w.solution.trialF;
    const int steps =
        interslice && !w.solution.byBracketing ? static_cast<int>(trial.size()) - 1 : 0;
    const double fs0 = interslice ? w.solution.bishopF : w.F;
    lines.push_back(
        PrintLine().zone(printInteger(steps)).zone(printDouble(fs0)).zone(printDouble(w.F)).text());
    for (int j = 1; j <= steps; ++j) {
        lines.push_back(PrintLine()
                            .zone(printDouble(trial[static_cast<std::size_t>(j) - 1]))
                            .zone(printDouble(trial[static_cast<std::size_t>(j)]))
                            .text());
    }
    const double error = steps > 0 ? std::fabs(trial[static_cast<std::size_t>(steps)] -
                                               trial[static_cast<std::size_t>(steps) - 1])
                                   : 0.0;
    lines.push_back(PrintLine().zone(printDouble(error)).text());
    return common::joinLines(lines);
}

std::string interSliceText(const ModelMethodWork& w, const std::vector<FactorPair>& chart) {
    const ModelSlices& s = w.slices;
    const ThrustLine t = thrustLine(s, w.solution);
    std::vector<std::string> lines;
    lines.push_back(PrintLine().zone(printInteger(s.slices + 1)).text());
    for (int i = 1; i <= s.slices + 1; ++i) {
        const double x = i <= s.slices ? s.xLeft[i] : s.xRight[s.slices];
        lines.push_back(PrintLine()
                            .zone(printDouble(x))
                            .zone(printDouble(w.solution.E[i]))
                            .zone(printDouble(w.solution.X[i]))
                            .zone(printInteger(t.defined[i] ? 1 : 0))
                            .zone(printDouble(t.defined[i] ? t.y[i] : 0.0))
                            .text());
    }
    lines.push_back(PrintLine()
                        .zone(printDouble(w.F))
                        .zone(printDouble(w.solution.lambda))
                        .zone(printInteger(w.solution.tensionSlices))
                        .text());
    lines.push_back(PrintLine().zone(printInteger(static_cast<long>(chart.size()))).text());
    for (const FactorPair& pair : chart) {
        lines.push_back(PrintLine()
                            .zone(printDouble(pair.lambda))
                            .zone(printInteger(pair.hasForce ? 1 : 0))
                            .zone(printDouble(pair.hasForce ? pair.Ff : 0.0))
                            .zone(printInteger(pair.hasMoment ? 1 : 0))
                            .zone(printDouble(pair.hasMoment ? pair.Fm : 0.0))
                            .text());
    }
    return common::joinLines(lines);
}

std::string modelResultsTitle(SliceMethod method, double fs) {
    const char* heading = "Resultados: metodo Janbu corregido.   fs=";
    switch (method) {
        case SliceMethod::Spencer:
            heading = "Resultados: metodo de Spencer.   fs=";
            break;
        case SliceMethod::MorgensternPrice:
            heading = "Resultados: metodo de Morgenstern-Price.   fs=";
            break;
        case SliceMethod::Ordinary:
            heading = "Resultados: metodo ordinario.   fs=";
            break;
        default:
            break;
    }
    return heading + f3(fs);
}

MethodOutcome runModelMethod(const SlopeProblem& p, const GroundModel& model,
                             const SlopeFolders& folders, common::MessageSink& messages) {
    MethodOutcome outcome;
    const SliceMethod method = sliceMethodOf(p.method);
    const std::optional<SliceGeometry> g = prepareSliceGeometry(p, folders.temp, messages, true);
    if (!g) {
        return outcome;
    }
    ModelMethodWork w;
    const ModelVerdict verdict = factorByModelMethod(method, p, model, *g, w);
    if (verdict != ModelVerdict::Solved) {
        messages.show(noModelFactorText(verdict, w), kProgramTitle, common::MessageIcon::None);
        return outcome;
    }
    writeReported(pathIn(folders.work, modelReportName(method)), modelReportText(method, p, *g, w),
                  messages);
    writeReported(pathIn(folders.temp, "results.tmp"), modelResultsText(method, w), messages);
    const std::string interslicePath = pathIn(folders.temp, kInterSliceFile);
    if (hasInterSliceForces(method)) {
        writeReported(interslicePath, interSliceText(w, factorChart(w.solver, w.solution.lambda)),
                      messages);
        outcome.moreLines.push_back("lambda=" + formatPattern(w.solution.lambda, "####0.0000"));
        if (method == SliceMethod::Spencer) {
            outcome.moreLines.push_back(
                "theta=" +
                formatPattern(std::atan(w.solution.lambda) * kDegreesPerRadian, "####0.00"));
        }
    } else {
        std::remove(interslicePath.c_str());
    }
    outcome.computed = true;
    outcome.fs = w.F;
    outcome.valueLabel = f3(w.F);
    outcome.resultsTitle = modelResultsTitle(method, w.F);
    return outcome;
}

}  // namespace marvecos
