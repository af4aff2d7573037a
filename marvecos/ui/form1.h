#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

#include "common/messages.h"
#include "common/ui/filedialogs.h"
#include "common/ui/qtfields.h"
#include "marvecos/folders.h"
#include "marvecos/model/groundmodel.h"
#include "marvecos/model/slopefile.h"
#include "marvecos/problem.h"
#include "marvecos/search/circlesearch.h"
#include "marvecos/ui/modellayer.h"
#include "marvecos/ui/pdfreport.h"
#include "marvecos/ui/searchmaplayer.h"
#include "marvecos/ui/slopecanvas.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QRadioButton;
class QMenu;
class QSlider;

namespace marvecos {

class Form2;
class GroundEditor;

// What the user answers when leaving, or opening another file, with unsaved changes.
enum class UnsavedAnswer { Save, Discard, Cancel };

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
    // The same while the fields are typed: no file is written and no message shown.
    void previewSlope();
    void showRefusedSlope(SlopeProblem p);
    void forgetResults();
    // "Ajustar": the zoom that shows the whole problem.
    void ajustar();
    // "Terreno...": the editor of the ground below the soil of the fields.
    void terreno();
    // "Exportar PDF...": the report of the last calculation; "Guardar imagen..." of the drawing:
    // the drawing of the report as a PNG picture at 300 dpi.
    void exportarPdf();
    void guardarImagen();
    // The report of the last calculation, with the map when a search led to it; none before.
    const std::optional<SlopeReport>& lastReport() const { return lastReport_; }

    // The "Archivo" menu. Each returns false when nothing was done (cancelled or refused).
    bool abrir();
    bool abrirArchivo(const QString& path);
    bool guardar();
    bool guardarComo();
    bool guardarBusqueda();
    // True when there is nothing unsaved, or the user saved it or chose to drop it.
    bool mayDropChanges();

    // Tests and the screenshots answer the dialogs and the question themselves.
    void setFileDialogs(const common::FileDialogs& dialogs);
    void setUnsavedQuestion(std::function<UnsavedAnswer()> question) {
        question_ = std::move(question);
    }

    // The problem as it stands: the fields' values (n as typed), the method and the ground.
    // Nothing, after a message naming the wrong entry, when the ground tables are not right.
    std::optional<SlopeData> slopeData();
    // The ground of the editor as last read without error.
    const GroundModel& groundModel() const { return model_; }
    GroundEditor* groundEditor() const { return editor_.get(); }
    const ModelLayer& modelLayer() const { return modelLayer_; }
    bool unsavedChanges() const { return dirty_; }
    const QString& fileName() const { return fileName_; }
    const std::optional<SearchResult>& lastSearch() const { return lastSearch_; }

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
    QLayout* buildDrawing(QWidget* central);
    void layOut(QWidget* central, QLayout* drawing);
    void fitGroundToCanvas();
    void buildButtons(QWidget* central);
    void buildSearch(QWidget* central);
    void buildMethodMenu(QMenu* menu);
    void leave();
    std::string searchCsvPath() const;
    void watchChanges();
    void setUnsaved(bool unsaved);
    void updateTitle();
    void groundChanged();
    bool readGround(GroundModel& model, bool report);
    bool saveTo(const QString& path);
    double drawingScale(const SlopeProblem& p, const std::optional<SliceGeometry>& g) const;
    void showSlope(const SlopeProblem& p, const std::optional<SliceGeometry>& g);

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
    ModelLayer modelLayer_;
    std::unique_ptr<GroundEditor> editor_;
    GroundModel model_;
    common::FileDialogs dialogs_ = common::FileDialogs::standard();
    std::function<UnsavedAnswer()> question_;
    QString fileName_;
    bool dirty_ = false;
    bool filling_ = false;
    // True once a calculation of this run left its factor and tables, until the data change.
    bool calculated_ = false;
    std::optional<SearchResult> lastSearch_;
    bool searchCsvReady_ = false;  // "busqueda.csv" of the last search is in the temp folder
    bool leaving_ = false;
    std::optional<SlopeReport> lastReport_;
    bool searching_ = false;  // the calculation of a search's critical circle
    // What the drawing shows, so that a resized drawing can lay the ground over its new window.
    std::optional<SlopeProblem> shownProblem_;
    std::optional<SliceGeometry> shownGeometry_;

    void keepReport(const GroundModel& model, const struct MethodOutcome& outcome);
    void buildReportEntries(QWidget* central);
};

}  // namespace marvecos
