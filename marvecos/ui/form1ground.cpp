// The main window's ground: the editor, the drawing of the whole model and its zoom.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <cmath>

#include "common/ui/mainwindowparts.h"
#include "marvecos/fieldchecks.h"
#include "marvecos/modelfigure.h"
#include "marvecos/program.h"
#include "marvecos/ui/form1.h"
#include "marvecos/ui/groundeditor.h"

namespace marvecos {

void Form1::terreno() {
    if (!editor_->isVisible()) {
        editor_->move(geometry().topLeft() + QPoint(40, 40));
    }
    common::showInFront(*editor_);
}

// The problem changes as it is typed: the drawing follows, and the file is marked unsaved.
void Form1::watchChanges() {
    for (const char* name : kSlopeFieldNames) {
        if (auto* field = findChild<QLineEdit*>(name)) {
            connect(field, &QLineEdit::textChanged, this, [this] {
                forgetResults();
                if (!filling_) {
                    setUnsaved(true);
                    previewSlope();
                }
            });
        }
    }
    for (QRadioButton* option : findChild<QGroupBox*>("Frame4")->findChildren<QRadioButton*>()) {
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on && !filling_) {
                setUnsaved(true);
            }
        });
    }
}

// A factor on screen belongs to the data that produced it: any change takes it away.
void Form1::forgetResults() {
    fsLabel_->clear();
    calculated_ = false;
}

void Form1::groundChanged() {
    forgetResults();
    GroundModel model;
    if (readGround(model, false)) {
        model_ = model;
    }
    // A map belongs to the ground it was searched on.
    if (mapLayer_.shown()) {
        mapLayer_.clear();
    }
    if (!filling_) {
        setUnsaved(true);
    }
    previewSlope();
}

bool Form1::readGround(GroundModel& model, bool report) {
    std::string error;
    if (!editor_->readModel(model, error)) {
        if (report) {
            messages_->show(error, kProgramTitle, common::MessageIcon::None);
        }
        return false;
    }
    model_ = model;
    return true;
}

void Form1::previewSlope() {
    const SlopeProblem p = readSlopeInput(fields_, methodButtons());
    if (!slopeFieldsAccepted(fields_)) {
        showRefusedSlope(p);
        return;
    }
    std::optional<SliceGeometry> g;
    SliceGeometry geometry = computeSliceGeometry(geometryInput(p));
    if (geometry.status == GeometryStatus::Ok) {
        g = std::move(geometry);
    }
    showSlope(p, g);
}

// The slider's factor, or more when a map of a search must fit in the picture.
double Form1::drawingScale(const SlopeProblem& p, const std::optional<SliceGeometry>&) const {
    double s = scale_->value();
    if (mapLayer_.shown() && !mapLayer_.map()->cells.empty()) {
        Extent box{-std::abs(p.L / 2), std::abs(p.L / 2), -std::abs(p.H / 2), std::abs(p.H / 2)};
        for (const MapCell& cell : mapLayer_.map()->cells) {
            box.left = std::min(box.left, cell.left - p.L / 2);
            box.right = std::max(box.right, cell.right - p.L / 2);
            box.bottom = std::min(box.bottom, cell.bottom - p.H / 2);
            box.top = std::max(box.top, cell.top - p.H / 2);
        }
        s = std::max(s, scaleToShow(box, p.H, p.L, canvas_->width(), canvas_->height()));
    }
    return s;
}

void Form1::showSlope(const SlopeProblem& p, const std::optional<SliceGeometry>& g) {
    slopeLayer_.setFigure(slopeFigure(p, drawingScale(p, g), g));
    canvas_->redraw(slopeLayer_.figure().window);
    shownProblem_ = p;
    shownGeometry_ = g;
    fitGroundToCanvas();
}

// The soils reach the edges of the window the drawing shows, which widens with the drawing.
void Form1::fitGroundToCanvas() {
    if (shownProblem_) {
        modelLayer_.setFigure(
            modelFigure(*shownProblem_, model_, shownGeometry_, canvas_->shownWindow()));
    }
}

void Form1::ajustar() {
    const SlopeProblem p = readSlopeInput(fields_, methodButtons());
    std::optional<SliceGeometry> g;
    SliceGeometry geometry = computeSliceGeometry(geometryInput(p));
    if (geometry.status == GeometryStatus::Ok) {
        g = std::move(geometry);
    }
    const double s =
        scaleToShow(problemExtent(p, model_, g), p.H, p.L, canvas_->width(), canvas_->height());
    const double wanted =
        std::clamp(std::ceil(s - 1e-9), double(scale_->minimum()), double(scale_->maximum()));
    const int position = std::isfinite(wanted) ? static_cast<int>(wanted) : scale_->value();
    if (position == scale_->value()) {
        drawSlope();
    } else {
        scale_->setValue(position);
    }
}

}  // namespace marvecos
