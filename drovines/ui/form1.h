#pragma once

#include <QMainWindow>
#include <memory>

#include "common/messages.h"
#include "common/ui/filedialogs.h"
#include "common/ui/qtfields.h"
#include "drovines/wall.h"

class QAction;
class QCheckBox;
class QRadioButton;

namespace common {
class FigureView;
class frmAbout;
}  // namespace common

namespace drovines {

class Form2;
class frmNotas;

// "Empuje de suelos": the wall problem in its fields, the method choice, the two tick boxes, the
// commands and the section drawn live as the geometry is typed.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    // Without a message sink the window shows real message boxes.
    explicit Form1(common::MessageSink* messages = nullptr,
                   common::FileDialogs dialogs = common::FileDialogs::standard());
    ~Form1() override;

    // The buttons, option buttons and menu entries.
    void calcular();      // "Calcular" button: the chosen method
    void calcularMenu();  // "Analisis", "Calcular": always Rankine
    void selectRankine();
    void selectCoulomb();
    void mononobeOkabe();  // the menu entry and Option3
    void abrir();
    void guardar();
    void acercaDe();
    void notas();
    void salir();

    // The hidden values of the window.
    Method method() const { return method_; }
    bool napaBajoBase() const { return napaBajoBase_; }
    const QString& keptHn() const { return keptHn_; }
    // The method whose option button is on (the report names it).
    Method selectedOption() const;

    common::FigureView* drawing() const { return picture_; }
    // How many times the section has been drawn since the window opened.
    int drawings() const { return drawings_; }
    Form2* resultsWindow() const { return form2_.get(); }
    frmNotas* notesWindow() const { return notes_; }
    common::frmAbout* aboutWindow() const { return about_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void buildSoilFrame(QWidget* central);
    void buildWallFrame(QWidget* central);
    void buildLoadFrame(QWidget* central);
    void buildChoices(QWidget* central);
    void layOut(QWidget* central);
    void connectRedraws();
    void hnChanged();
    void redraw();
    void run(Method method);
    void applyLoadedMethod(Method method);
    void setTickBoxesAvailable(bool available);
    void setSeismicAvailable(bool available);
    void buildSeismicFrame(QWidget* central);

    std::unique_ptr<common::MessageSink> ownMessages_;
    common::MessageSink* messages_;
    common::FileDialogs dialogs_;
    common::QtFields fields_;
    std::unique_ptr<Form2> form2_;
    frmNotas* notes_ = nullptr;
    common::frmAbout* about_ = nullptr;
    common::FigureView* picture_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QRadioButton* option3_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QAction* menuRankine_ = nullptr;
    QAction* menuCoulomb_ = nullptr;
    QAction* menuMononobe_ = nullptr;

    Method method_ = Method::None;
    bool napaBajoBase_ = false;
    QString keptHn_;
    int drawings_ = 0;
    bool leaving_ = false;
};

}  // namespace drovines
