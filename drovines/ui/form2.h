#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "common/fields.h"
#include "common/messages.h"
#include "common/ui/filedialogs.h"
#include "drovines/resultados.h"
#include "drovines/safetycheck.h"
#include "drovines/wall.h"

class QLabel;
class QScrollArea;
class QLineEdit;

namespace drovines {

// "Resultados": every figure of the last calculation in four framed groups of value fields
// (Text1_0..Text1_15, Text2_0..Text2_12, Text3_0..Text3_9, Text4_0..Text4_6), a fifth one for the
// seismic figures of Mononobe-Okabe (Text5_0..Text5_12), and the report of the run saved to a
// file or printed. A factor of safety that is not a result leaves its field empty.
class Form2 : public QWidget {
    Q_OBJECT

public:
    // `fields` are the main window's, read for the data block of the report; `selectedOption`
    // says which method option the main window shows. `mainWindow` is hidden while this shows.
    Form2(common::FieldTexts& fields, std::function<Method()> selectedOption,
          common::MessageSink& messages, common::FileDialogs dialogs, QWidget* mainWindow);

    // Fills the fields from the result vector, shows this window and hides the main one. The
    // frame of seismic figures shows only for `seismic` results (Mononobe-Okabe).
    void fill(const Resultados& resultados, const QString& caption, bool seismic = false);

    // "Volver", "Guardar ", "Imprimir", "Exportar PDF...".
    void volver();
    void guardar();
    void imprimir();
    void exportarPdf();

    // The data file named in the PDF report's page heads ("" when the data were typed).
    void setDataFile(const std::string& name) { dataFile_ = name; }

    // The minimum factors of the fields Minimo_0..2; false (and said) when one is not a
    // positive number.
    bool minimums(Minimums& values);
    // "cumple" / "no cumple" of each factor against its minimum, in Cumple_0..2.
    QLabel* verdictLabel(int k) const { return verdicts_[static_cast<std::size_t>(k)]; }
    QLineEdit* minimumField(int k) const { return minimumFields_[static_cast<std::size_t>(k)]; }

    // The report as the two windows show it now.
    std::vector<std::string> currentReport() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLineEdit* valueField(int array, int k) const;

    common::FieldTexts& fields_;
    std::function<Method()> selectedOption_;
    common::MessageSink& messages_;
    common::FileDialogs dialogs_;
    QWidget* mainWindow_;
    // The fields and method of the figures shown, from the last fill.
    common::MemoryFields calculated_;
    Method calculatedOption_ = Method::None;
    bool filled_ = false;
    Resultados shown_{};
    bool seismic_ = false;
    QWidget* seismicFrame_ = nullptr;
    std::array<QLineEdit*, kSafetyChecks> minimumFields_{};
    std::array<QLabel*, kSafetyChecks> verdicts_{};
    std::string dataFile_;

    QWidget* buildChecksFrame();
    void showVerdicts();
    bool writePdf(const std::string& path, const Minimums& values, std::string* error) const;
    QScrollArea* scroll_ = nullptr;
};

}  // namespace drovines
