#include "marvecos/search/searchsummary.h"

#include "common/patterntext.h"

namespace marvecos {

namespace {

std::string metres(double value) {
    return common::formatPattern(value, "####0.000");
}

}  // namespace

const char* skipReasonText(SkipReason reason) {
    switch (reason) {
        case SkipReason::None:
            return "con resultado";
        case SkipReason::RefusedCircle:
            return "centro en el origen o radio nulo";
        case SkipReason::MissesSlope:
            return "no cortan el talud";
        case SkipReason::SliceLayout:
            return "dovelas no repartibles";
        case SkipReason::ZeroWidthSlices:
            return "dovelas de ancho nulo";
        case SkipReason::NoDrivingWeight:
            return "sin peso que deslice";
        case SkipReason::IterationFailed:
            return "division por cero";
        case SkipReason::FactorNotPositive:
            return "factor no positivo";
        case SkipReason::NotConverged:
            return "sin convergencia";
        case SkipReason::BelowBase:
            return "bajo la base";
    }
    return "";
}

std::string criticalCircleLine(const CriticalCircle& c) {
    return "Circulo critico: Xcr= " + metres(c.Xcr) + " Ycr= " + metres(c.Ycr) +
           " R= " + metres(c.R) + " fs= " + metres(c.fs);
}

std::string searchCountsLine(const SearchResult& result) {
    std::string line = "Circulos: " + std::to_string(result.withFactor() + result.withoutFactor()) +
                       ", con resultado: " + std::to_string(result.withFactor()) +
                       ", sin resultado: " + std::to_string(result.withoutFactor()) + " (";
    for (int i = 1; i < kSkipReasonCount; ++i) {
        // Only a ground model with a base refuses circles below it.
        if (static_cast<SkipReason>(i) == SkipReason::BelowBase && result.counts[i] == 0) {
            continue;
        }
        line += (i > 1 ? ", " : "");
        line += skipReasonText(static_cast<SkipReason>(i));
        line += ": " + std::to_string(result.counts[i]);
    }
    return line + ")";
}

}  // namespace marvecos
