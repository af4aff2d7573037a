#include "fendrolas/driver.h"

#include "common/fieldvalue.h"
#include "fendrolas/fieldchecks.h"
#include "fendrolas/methods/moduloT.h"
#include "fendrolas/methods/moduloc.h"
#include "fendrolas/methods/moduloh.h"
#include "fendrolas/methods/modulom.h"
#include "fendrolas/methods/modulov.h"
#include "fendrolas/moduloi.h"
#include "fendrolas/watertablefields.h"

namespace fendrolas {

namespace {

// A dialog text by the field value rule, in single precision.
float toSingle(const std::string& text) {
    return common::toSingle(common::fieldValue(text));
}

}  // namespace

Driver::Driver(common::FieldTexts& fields, common::MessageSink& messages,
               PartialResultsView& partialResults, ComparisonView& comparison,
               std::string directory)
    : fields_(fields),
      messages_(messages),
      partialResults_(partialResults),
      comparisonView_(comparison),
      context_(messages, partialResults, tables_, std::move(directory)) {}

void Driver::calcular(const CoefficientTexts& coefficients) {
    partialResults_.setMethodNumber(selectedMethod_);
    if (selectedMethod_ < 1 || selectedMethod_ > kMethods) {
        messages_.show("Por favor seleccione un metodo de calculo.", "", common::MessageIcon::None);
        return;
    }
    if (!fieldsAccepted()) {
        return;
    }
    runMethod(selectedMethod_, coefficients);
}

bool Driver::fieldsAccepted() {
    fieldsRefused_ = !checkMainWindowFields(fields_, messages_);
    if (fieldsRefused_) {
        // The figures on screen belong to other data.
        context_.labels = ResultLabels{};
    }
    return !fieldsRefused_;
}

void Driver::calcTodo(const CoefficientTexts& coefficients) {
    if (!fieldsAccepted()) {
        return;
    }
    // Each method validates afresh, so a problem is reported once per method.
    for (int method = 1; method <= kMethods; ++method) {
        partialResults_.setMethodNumber(method);
        runMethod(method, coefficients);
    }
}

void Driver::runMethod(int method, const CoefficientTexts& coefficients) {
    if (!checkCoefficients(method, coefficients, messages_)) {
        context_.labels = ResultLabels{};
        fieldsRefused_ = true;
        return;
    }
    double fi = 0, c = 0, g = 0;
    validar(fields_, messages_, fi, c, g, data_);
    MethodInput input = prepareMethodInput(fi, c, g, data_);
    if (!readWaterTable(fields_, messages_, input.water) ||
        !checkWaterTable(input.water, input.gamma, messages_)) {
        // Nothing is computed; the labels of an earlier problem would pass for this one's.
        context_.labels = ResultLabels{};
        waterRefused_ = true;
        return;
    }
    waterRefused_ = false;
    context_.coefficients = coefficients;
    labelsMethod_ = method;
    calculated_ = common::MemoryFields{};
    for (const std::string& name : everyFieldName()) {
        calculated_.setText(name, fields_.text(name));
    }
    switch (method) {
        case kTerzaghi:
            metodoterzaghi(input, context_);
            break;
        case kMeyerhof:
            metodomeyerhof(input, context_);
            break;
        case kBrinchHansen:
            metodohansen(input, toSingle(coefficients.alfa1), toSingle(coefficients.alfa2),
                         toSingle(coefficients.cc), context_);
            break;
        case kVesic:
            metodovesic(input, context_);
            break;
        case kCcsr:
            metodoccsr(input, context_);
            break;
    }
    partialResults_.setCaption(partialResultsCaption(method));
}

bool Driver::resultados() {
    if (labelsMethod_ == 0) {
        // A result file of an earlier run belongs to data this run does not know.
        messages_.show(kNothingToShowMessage, "Resultados", common::MessageIcon::Information);
        return false;
    }
    if (!readSummaryFile(context_.directory, windowTable_)) {
        return false;
    }
    if (windowTable_.method < 1 || windowTable_.method > kMethods) {
        return false;
    }
    partialResults_.open();
    partialResults_.printpar(windowTable_.Nq, windowTable_.Nc, windowTable_.Ngamma, windowTable_,
                             windowTable_.method);
    return true;
}

bool Driver::comparar() {
    if (!readComparisonFiles(context_.directory, comparison_)) {
        messages_.show(kMissingFilesMessage, kMissingFilesTitle, common::MessageIcon::Critical);
        return false;
    }
    comparisonView_.showComparison(comparison_);
    return true;
}

}  // namespace fendrolas
