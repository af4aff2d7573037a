#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "common/messages.h"
#include "common/ui/filedialogs.h"
#include "common/ui/qtfields.h"
#include "fendrolas/driver.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace common {
class frmAbout;
}

namespace fendrolas {

class Form2;
class Form3;
class Form4;
class Form5;

// The main window: the problem in its fields, the method options, the results of the last run,
// and the buttons and menus that drive the calculation.
class Form1 : public QMainWindow, public ComparisonView {
    Q_OBJECT

public:
    // Without a message sink the window shows real message boxes.
    explicit Form1(common::MessageSink* messages = nullptr,
                   common::FileDialogs dialogs = common::FileDialogs::standard());
    ~Form1() override;

    // The buttons and menu entries.
    void selectMethod(int method);
    void calcular();
    void calcTodo();
    void resultados();
    void comparar();
    void abrirArchivo();
    void guardarDatos();
    void acercaDe();
    void salir();

    void showComparison(const ComparisonData& data) override;

    // The windows, once created (null before their first use).
    Form2* partialResults() const { return form2_.get(); }
    Form3* comparisonWindow() const { return form3_; }
    Form4* hansenDialog() const { return form4_; }
    Form5* vesicDialog() const { return form5_; }
    common::frmAbout* aboutWindow() const { return about_; }
    const Driver& driver() const { return *driver_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildSoilFrame(QWidget* central);
    void buildBaseFrame(QWidget* central);
    void buildMethodFrame(QWidget* central);
    void buildLoadFrame(QWidget* central);
    void buildResultFrames(QWidget* central);
    void buildButtons(QWidget* central);
    void layOut(QWidget* central, QWidget* drawing);
    CoefficientTexts coefficientTexts() const;
    void showResultLabels();
    bool writePdf(const std::string& path, std::string* error) const;
    void clearResults();
    void keepCalculatedData();

    std::unique_ptr<common::MessageSink> ownMessages_;
    common::MessageSink* messages_;
    common::FileDialogs dialogs_;
    common::QtFields fields_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Driver> driver_;
    Form3* form3_ = nullptr;
    Form4* form4_ = nullptr;
    Form5* form5_ = nullptr;
    common::frmAbout* about_ = nullptr;
    QButtonGroup* methods_ = nullptr;
    std::array<std::array<QLabel*, ResultLabels::kColumns>, kStates> resultLabels_{};
    QGroupBox* resultsFrame_ = nullptr;
    bool leaving_ = false;
    // The data file last opened or saved, named in the PDF report's page heads.
    std::string dataFile_;
};

}  // namespace fendrolas
