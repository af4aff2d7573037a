#pragma once

#include <QMainWindow>
#include <memory>

#include "common/messages.h"
#include "common/ui/qtfields.h"
#include "marvecos/folders.h"
#include "marvecos/problem.h"
#include "marvecos/search/circlesearch.h"
#include "marvecos/ui/searchmaplayer.h"
#include "marvecos/ui/slopecanvas.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSlider;

namespace marvecos {

class Form2;

// The main window: the slope and the circle in its fields, the method options, the factor of
// safety of the last calculation, and the drawing with its scale slider.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    // Without a message sink the window shows real message boxes.
    explicit Form1(SlopeFolders folders, common::MessageSink* messages = nullptr);
    ~Form1() override;

    // The buttons.
    void calcular();
    void resultados();
    void salir();
    // "Buscar circulo critico...": the grid dialog, then the critical circle into the fields,
    // its calculation and the map of factors under the drawing.
    void buscarCirculoCritico();
    // The end of a search of the slope p: what buscarCirculoCritico does once it has a result.
    void applySearch(const SearchResult& result, const SlopeProblem& p);
    // Reads the fields afresh, recomputes the slices and draws the slope at the slider's scale.
    void drawSlope();

    MethodButtons methodButtons() const;
    Form2* resultsWindow() const { return form2_.get(); }
    SlopeCanvas* canvas() const { return canvas_; }
    const SlopeLayer& slopeLayer() const { return slopeLayer_; }
    const SearchMapLayer& searchMapLayer() const { return mapLayer_; }
    QSlider* scaleSlider() const { return scale_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildSoilGroup(QWidget* central);
    void buildSlopeGroup(QWidget* central);
    void buildCircleGroup(QWidget* central);
    void buildMethodGroup(QWidget* central);
    void buildDrawing(QWidget* central);
    void buildButtons(QWidget* central);
    void buildSearch(QWidget* central);

    SlopeFolders folders_;
    std::unique_ptr<common::MessageSink> ownMessages_;
    common::MessageSink* messages_;
    common::QtFields fields_;
    std::unique_ptr<Form2> form2_;
    QRadioButton* bishop_ = nullptr;
    QRadioButton* janbu_ = nullptr;
    QRadioButton* spencer_ = nullptr;
    QRadioButton* morgensternPrice_ = nullptr;
    QRadioButton* ordinary_ = nullptr;
    QRadioButton* janbuCorrected_ = nullptr;
    QComboBox* function_ = nullptr;
    QLabel* fsLabel_ = nullptr;
    QSlider* scale_ = nullptr;
    SlopeCanvas* canvas_ = nullptr;
    SlopeLayer slopeLayer_;
    SearchMapLayer mapLayer_;
    bool leaving_ = false;
};

}  // namespace marvecos
