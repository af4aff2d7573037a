#pragma once

#include <string>

#include "common/fields.h"
#include "common/messages.h"
#include "fendrolas/methods/frame.h"
#include "fendrolas/methods/methodresults.h"
#include "fendrolas/methods/readers.h"
#include "fendrolas/problem.h"

namespace fendrolas {

// The comparison window (Form3) as the driver sees it.
class ComparisonView {
public:
    virtual ~ComparisonView() = default;
    // Opens the window, clears its two drawing areas and draws the comparison.
    virtual void showComparison(const ComparisonData& data) = 0;
};

class NullComparison : public ComparisonView {
public:
    void showComparison(const ComparisonData&) override {}
};

// What the main window's buttons "Calcular", "Calc. todo", "Resultados" and "Comparar" do, with
// the windows reached through interfaces. Owns the main window's data, the five method tables,
// the table read back from "res.sal" and the comparison data, for the life of the program.
inline const char* const kNothingToShowMessage =
    "No hay resultados para mostrar: por favor corra un metodo de calculo.";

class Driver {
public:
    Driver(common::FieldTexts& fields, common::MessageSink& messages,
           PartialResultsView& partialResults, ComparisonView& comparison,
           std::string directory = "");

    // The method option buttons (0 = none chosen, 1..5).
    void setSelectedMethod(int method) { selectedMethod_ = method; }
    int selectedMethod() const { return selectedMethod_; }

    // The coefficient dialogs' texts at the moment of the click.
    void calcular(const CoefficientTexts& coefficients);
    void calcTodo(const CoefficientTexts& coefficients);
    // Returns true when the partial-results window was opened.
    bool resultados();
    // Returns true when the comparison window was opened.
    bool comparar();

    // What the eight result labels of each state show after the last run.
    const ResultLabels& labels() const { return context_.labels; }
    const MethodTables& tables() const { return tables_; }
    const MethodResults& windowTable() const { return windowTable_; }
    const ComparisonData& comparison() const { return comparison_; }
    // True once a result file could not be written (the user was told).
    bool writeFailed() const { return context_.writeFailed; }
    // True when the last run computed nothing because the water table was refused.
    bool waterRefused() const { return waterRefused_; }
    // True when the last run computed nothing because a field or coefficient was refused.
    bool fieldsRefused() const { return fieldsRefused_; }
    // The method whose figures the result labels show (0 before any calculation of this run).
    int labelsMethod() const { return labelsMethod_; }
    // The fields as the last calculation read them: what its report and drawing describe.
    const common::FieldTexts& calculatedFields() const { return calculated_; }

private:
    void runMethod(int method, const CoefficientTexts& coefficients);
    bool fieldsAccepted();

    common::FieldTexts& fields_;
    common::MessageSink& messages_;
    PartialResultsView& partialResults_;
    ComparisonView& comparisonView_;
    MethodTables tables_;
    CalculationContext context_;
    WindowData data_;
    MethodResults windowTable_;
    ComparisonData comparison_;
    int selectedMethod_ = 0;
    bool waterRefused_ = false;
    bool fieldsRefused_ = false;
    int labelsMethod_ = 0;
    common::MemoryFields calculated_;
};

}  // namespace fendrolas
