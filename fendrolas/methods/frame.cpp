#include "fendrolas/methods/frame.h"

#include <cmath>
#include <vector>

#include "common/numbertext.h"
#include "common/patterntext.h"
#include "common/printline.h"
#include "common/safefile.h"

namespace fendrolas {

namespace {

// Print text of a number inside a message: no trailing blank.
std::string singleInText(float value) {
    std::string text = common::printSingle(value);
    text.pop_back();
    return text;
}

std::string negativeFactorText(NegativeMessage style, int row, float value) {
    if (style == NegativeMessage::RowAndValue) {
        return common::numberInText(row) + " - " + singleInText(value);
    }
    return "Existe un factor negativo.  " + common::numberInText(row);
}

// Frame step 2: state 1 only, rows 1..30, one untitled box per negative value.
void checkNegativeFactors(const MethodResults& results, NegativeMessage style,
                          common::MessageSink& messages) {
    for (int row = 1; row <= kRowLastChecked; ++row) {
        const float value = results(row, 1);
        if (value < 0) {
            messages.show(negativeFactorText(style, row, value), "", common::MessageIcon::None);
        }
    }
}

// Sets a value that is not finite to 0; true when it did.
bool clearIfNotFinite(double& value) {
    if (std::isfinite(value)) {
        return false;
    }
    value = 0;
    return true;
}

bool clearIfNotFinite(float& value) {
    if (std::isfinite(value)) {
        return false;
    }
    value = 0;
    return true;
}

// True when the run held a value that is not finite, now 0.
bool clearNonFiniteValues(MethodResults& results) {
    bool found = false;
    for (auto& row : results.cell) {
        for (float& value : row) {
            found |= clearIfNotFinite(value);
        }
    }
    found |= clearIfNotFinite(results.Nc);
    found |= clearIfNotFinite(results.Nq);
    found |= clearIfNotFinite(results.Ngamma);
    return found;
}

// A run with a water table ends its files with two lines: dw, gsat and q, then the unit weight
// of the gamma term of states 1 to 5. A run in dry soil writes neither.
void addWaterLines(const WaterUsed& water, std::vector<std::string>& lines) {
    if (!water.given) {
        return;
    }
    using common::printSingle;
    lines.push_back(common::PrintLine()
                        .zone(printSingle(water.dw))
                        .zone(printSingle(water.gsat))
                        .zone(printSingle(water.q))
                        .text());
    common::PrintLine gamma;
    for (int state = 1; state <= kStates; ++state) {
        gamma.zone(printSingle(water.gamma[state]));
    }
    lines.push_back(gamma.text());
}

void setLabels(const MethodResults& results, const MethodInput& input, ResultLabels& labels) {
    for (int state = 1; state <= kStates; ++state) {
        labels.text[state - 1] = labelTexts(results, state, input.Lx, input.Ly);
    }
}

}  // namespace

std::string ResultLabels::objectName(int k, int state) {
    static const int numbers[kColumns] = {30, 31, 32, 33, 51, 52, 53, 54};
    return "Label" + std::to_string(numbers[k]) + "_" + std::to_string(state - 1);
}

void RecordingPartialResults::printpar(double nq, double nc, double ngamma,
                                       const MethodResults& results, int method) {
    ++printparCalls;
    Nq = nq;
    Nc = nc;
    Ngamma = ngamma;
    table = results;
    printparMethod = method;
}

std::string CalculationContext::pathOf(const std::string& fileName) const {
    if (directory.empty()) {
        return fileName;
    }
    return directory.back() == '/' ? directory + fileName : directory + "/" + fileName;
}

std::array<std::string, ResultLabels::kColumns> labelTexts(const MethodResults& results, int state,
                                                           float Lx, float Ly) {
    const double compressed = results(kRowArea, state) * 100.0 / (double(Lx) * Ly);
    return {common::formatPattern(results(kRowActing, state), "####0.0"),
            common::formatPattern(results(kRowQu, state), "####0.0"),
            common::formatPattern(results(kRowNu, state), "####0.0"),
            common::formatPattern(results(kRowSafety, state), "####0.000"),
            common::formatPattern(results(kRowWidth, state), "####0.00"),
            common::formatPattern(results(kRowLength, state), "####0.00"),
            common::formatPattern(results(kRowArea, state), "####0.00"),
            common::formatPattern(std::isfinite(compressed) ? compressed : 0.0, "####0.00")};
}

std::string summaryFileText(const MethodResults& results) {
    std::vector<std::string> lines;
    lines.push_back(common::PrintLine()
                        .zone(common::printDouble(results.Nc))
                        .zone(common::printDouble(results.Nq))
                        .zone(common::printDouble(results.Ngamma))
                        .zone(common::printInteger(results.method))
                        .text());
    for (int row = 1; row <= kSavedRows; ++row) {
        for (int state = 1; state <= kStates; ++state) {
            lines.push_back(
                common::PrintLine().add(common::printSingle(results(row, state))).text());
        }
    }
    addWaterLines(results.water, lines);
    return common::joinLines(lines);
}

std::string methodFileText(const MethodResults& results) {
    std::vector<std::string> lines;
    // The scans start below any real result, so an all-empty run still writes its zeros.
    float maxQu = -100000;
    float maxNu = -1000000;
    for (int state = 1; state <= kStates; ++state) {
        const float qu = results(kRowQu, state);
        const float Nu = results(kRowNu, state);
        lines.push_back(common::PrintLine()
                            .add(common::formatPattern(qu, "#####0.000"))
                            .zone(common::formatPattern(Nu, "#####0.000"))
                            .text());
        if (qu > maxQu) {
            maxQu = qu;
        }
        if (Nu > maxNu) {
            maxNu = Nu;
        }
    }
    lines.push_back(common::PrintLine()
                        .add(common::printSingle(maxQu))
                        .zone(common::printSingle(maxNu))
                        .text());
    addWaterLines(results.water, lines);
    return common::joinLines(lines);
}

bool writeResultFile(const std::string& fileName, const std::string& content,
                     CalculationContext& context) {
    if (common::writeFileSafely(context.pathOf(fileName), content)) {
        return true;
    }
    context.writeFailed = true;
    context.messages.show("No se pudo guardar el archivo " + fileName, "ERROR",
                          common::MessageIcon::Critical);
    return false;
}

void runMethodFrame(MethodResults& results, const MethodInput& input, const FrameSteps& steps,
                    CalculationContext& context) {
    if (clearNonFiniteValues(results)) {
        // Nothing of such a run may reach the labels, the files or the partial results.
        context.labels = ResultLabels{};
        context.messages.show("El metodo de " + methodCaptionSuffix(results.method) +
                                  " no da resultados finitos para estos datos. Revise los datos.",
                              "ERROR", common::MessageIcon::Critical);
        return;
    }
    if (steps.checkNegatives) {
        checkNegativeFactors(results, steps.negativeMessage, context.messages);
    }
    setLabels(results, input, context.labels);
    writeResultFile(kSummaryFileName, summaryFileText(results), context);
    const std::string methodFile = methodFileName(results.method);
    if (steps.fileBeforePartialResults) {
        writeResultFile(methodFile, methodFileText(results), context);
    }
    context.partialResults.printpar(results.Nq, results.Nc, results.Ngamma, results,
                                    results.method);
    if (!steps.fileBeforePartialResults) {
        writeResultFile(methodFile, methodFileText(results), context);
    }
}

}  // namespace fendrolas
