#include "drovines/safetycheck.h"

#include <cmath>

#include "common/fieldvalue.h"
#include "common/patterntext.h"
#include "drovines/report.h"

namespace drovines {

const std::array<SafetyCheck, kSafetyChecks>& safetyChecks() {
    static const std::array<SafetyCheck, kSafetyChecks> checks = {{
        {"Vuelco", "fsm", idx::fsm, 1.5},
        {"Deslizamiento", "Fsd", idx::Fsd, 1.5},
        {"Capacidad de carga", "fsn", idx::fsn, 3.0},
    }};
    return checks;
}

Minimums defaultMinimums() {
    Minimums m{};
    for (int k = 0; k < kSafetyChecks; ++k) {
        m[k] = safetyChecks()[k].defaultMinimum;
    }
    return m;
}

std::string verdict(float factor, double minimum) {
    if (!std::isfinite(factor)) {
        return "";
    }
    return static_cast<double>(factor) >= minimum ? "cumple" : "no cumple";
}

bool readMinimum(const std::string& text, double& minimum) {
    std::string token = text;
    token.erase(0, token.find_first_not_of(' '));
    token.erase(token.find_last_not_of(' ') + 1);
    double value = 0;
    if (!common::parseNumberToken(token, value) || !std::isfinite(value) || value <= 0) {
        return false;
    }
    minimum = value;
    return true;
}

std::vector<std::string> safetyLines(const Resultados& resultados, const Minimums& minimums) {
    std::vector<std::string> lines = {
        "Verificacion                  Factor      Minimo",
        "------------------------------------------------------------"};
    for (int k = 0; k < kSafetyChecks; ++k) {
        const SafetyCheck& check = safetyChecks()[k];
        const float factor = resultados[static_cast<std::size_t>(check.index)];
        std::string line = std::string(check.name) + " (" + check.symbol + ")";
        line.resize(28, ' ');
        const std::string shown = std::isfinite(factor) ? resultText(factor) : "sin valor";
        std::string factorText = shown;
        factorText.resize(12, ' ');
        std::string minimumText = common::formatPattern(minimums[k], "##0.00");
        minimumText.resize(10, ' ');
        lines.push_back(line + "  " + factorText + minimumText + verdict(factor, minimums[k]));
    }
    return lines;
}

}  // namespace drovines
