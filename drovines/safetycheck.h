#pragma once

#include <array>
#include <string>
#include <vector>

#include "drovines/resultados.h"

namespace drovines {

// The three checks of a gravity wall and the least factor of safety each is compared against
// unless the user asks for another.
struct SafetyCheck {
    const char* name;       // "Vuelco"
    const char* symbol;     // "fsm"
    int index;              // the factor in the result vector
    double defaultMinimum;  // 1.5, 1.5, 3
};

constexpr int kSafetyChecks = 3;
using Minimums = std::array<double, kSafetyChecks>;

// Overturning, sliding, bearing, in the order of the results window.
const std::array<SafetyCheck, kSafetyChecks>& safetyChecks();
Minimums defaultMinimums();

// "cumple" when the factor reaches the minimum, "no cumple" when it falls short, "" when the
// factor is not a result (its check said why): a wall is never passed on a missing figure.
std::string verdict(float factor, double minimum);

// A minimum typed by the user: one positive number. False for anything else.
bool readMinimum(const std::string& text, double& minimum);

// The checks as lines of a report: check, factor, minimum and verdict.
std::vector<std::string> safetyLines(const Resultados& resultados, const Minimums& minimums);

}  // namespace drovines
