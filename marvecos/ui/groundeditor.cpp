#include "marvecos/ui/groundeditor.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "marvecos/ui/edittable.h"

namespace marvecos {

namespace {

QLineEdit* singleField(QWidget* parent, const char* name, const QString& caption,
                       const QString& unit, QRect place) {
    auto* l = new QLabel(caption, parent);
    l->setGeometry(place.left(), place.top(), place.width() - 120, 20);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* f = new QLineEdit(parent);
    f->setObjectName(name);
    f->setGeometry(place.right() - 114, place.top(), 64, 20);
    auto* u = new QLabel(unit, parent);
    u->setGeometry(place.right() - 46, place.top(), 46, 20);
    return f;
}

QGroupBox* group(QWidget* parent, const char* name, const QString& title, QRect place) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    box->setGeometry(place);
    return box;
}

}  // namespace

GroundEditor::GroundEditor() : QWidget(nullptr, Qt::Window) {
    setObjectName("frmTerreno");
    setWindowTitle("Terreno");
    setFixedSize(820, 560);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    buildLayers();
    buildWater();
    buildLoads();
    buildButtons();
    for (QLineEdit* f : {base_, ru_, gamw_, kh_}) {
        connect(f, &QLineEdit::textChanged, this, [this] {
            if (!filling_) {
                emit changed();
            }
        });
    }
    for (EditTable* t : {layers_, boundary_, water_, strips_, lineLoads_}) {
        connect(t, &EditTable::changed, this, [this] {
            if (!filling_) {
                emit changed();
            }
        });
    }
    setTables(GroundTables{});
}

void GroundEditor::buildLayers() {
    QGroupBox* box =
        group(this, "FrameCapas", "Capas bajo el suelo de la ventana principal, de arriba abajo",
              QRect(8, 8, 396, 500));
    auto* note = new QLabel("Suelo de cada capa:", box);
    note->setGeometry(10, 20, 300, 18);
    layers_ = new EditTable("Capas", {"fi (º)", "c (kN/m2)", "gam (kN/m3)"}, box);
    layers_->setGeometry(10, 40, 376, 170);
    auto* points = new QLabel("Contorno superior de la capa elegida (puntos x, y):", box);
    points->setObjectName("LabelContorno");
    points->setGeometry(10, 216, 376, 18);
    boundary_ = new EditTable("Contorno", {"x (m)", "y (m)"}, box);
    boundary_->setGeometry(10, 236, 376, 200);
    base_ = singleField(box, "base", "Nivel de la base y=", "m", QRect(10, 446, 376, 20));
    auto* baseNote = new QLabel("(vacio: sin base)", box);
    baseNote->setGeometry(10, 470, 376, 18);
    baseNote->setAlignment(Qt::AlignRight);

    connect(layers_->table(), &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { showLayer(row); });
    connect(layers_, &EditTable::rowInserted, this, [this](int row) {
        keepShownBoundary();
        boundaries_.insert(boundaries_.begin() + row, TextTable{});
        if (shownLayer_ >= row) {
            ++shownLayer_;
        }
    });
    connect(layers_, &EditTable::rowRemoved, this, [this](int row) {
        keepShownBoundary();
        boundaries_.erase(boundaries_.begin() + row);
        shownLayer_ = -1;
        boundary_->setRows({});
    });
    connect(layers_, &EditTable::rowsSwapped, this, [this](int a, int b) {
        keepShownBoundary();
        std::swap(boundaries_[static_cast<std::size_t>(a)],
                  boundaries_[static_cast<std::size_t>(b)]);
        if (shownLayer_ == a || shownLayer_ == b) {
            shownLayer_ = shownLayer_ == a ? b : a;
        }
    });
}

void GroundEditor::buildWater() {
    QGroupBox* box = group(this, "FrameAgua", "Agua", QRect(412, 8, 400, 250));
    dry_ = new QRadioButton("Sin agua", box);
    dry_->setObjectName("SinAgua");
    dry_->setGeometry(10, 20, 100, 20);
    piezometric_ = new QRadioButton("Linea piezometrica", box);
    piezometric_->setObjectName("Piezometrica");
    piezometric_->setGeometry(112, 20, 140, 20);
    poreRatio_ = new QRadioButton("Coeficiente ru", box);
    poreRatio_->setObjectName("CoeficienteRu");
    poreRatio_->setGeometry(260, 20, 130, 20);
    for (QRadioButton* option : {dry_, piezometric_, poreRatio_}) {
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on && !filling_) {
                emit changed();
            }
        });
    }
    ru_ = singleField(box, "ru", "Coeficiente de presion intersticial ru=", "",
                      QRect(10, 44, 380, 20));
    gamw_ =
        singleField(box, "gamw", "Peso especifico del agua gamw=", "kN/m3", QRect(10, 66, 380, 20));
    auto* note = new QLabel("Linea piezometrica (puntos x, y):", box);
    note->setGeometry(10, 90, 300, 18);
    water_ = new EditTable("Napa", {"x (m)", "y (m)"}, box);
    water_->setGeometry(10, 108, 380, 132);
}

void GroundEditor::buildLoads() {
    QGroupBox* box = group(this, "FrameCargas", "Cargas y sismo", QRect(412, 264, 400, 244));
    auto* strips = new QLabel("Cargas repartidas, de q1 en x1 a q2 en x2:", box);
    strips->setGeometry(10, 18, 380, 18);
    strips_ = new EditTable("Cargas", {"x1 (m)", "x2 (m)", "q1 (kN/m2)", "q2 (kN/m2)"}, box);
    strips_->setGeometry(10, 36, 380, 82);
    auto* lines = new QLabel("Cargas lineales:", box);
    lines->setGeometry(10, 122, 380, 18);
    lineLoads_ = new EditTable("CargasLineales", {"x (m)", "P (kN/m)"}, box);
    lineLoads_->setGeometry(10, 140, 380, 70);
    kh_ = singleField(box, "kh", "Coeficiente sismico horizontal kh=", "", QRect(10, 216, 380, 20));
}

void GroundEditor::buildButtons() {
    auto* accept = new QPushButton("Aceptar", this);
    accept->setObjectName("Aceptar");
    accept->setGeometry(568, 518, 116, 30);
    connect(accept, &QPushButton::clicked, this, &GroundEditor::accepted);
    auto* close = new QPushButton("Cerrar", this);
    close->setObjectName("Cerrar");
    close->setGeometry(696, 518, 116, 30);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
}

void GroundEditor::keepShownBoundary() const {
    if (shownLayer_ >= 0 && static_cast<std::size_t>(shownLayer_) < boundaries_.size()) {
        boundaries_[static_cast<std::size_t>(shownLayer_)] = boundary_->rows();
    }
}

void GroundEditor::showLayer(int layer) {
    keepShownBoundary();
    const bool filling = filling_;
    filling_ = true;
    if (layer >= 0 && static_cast<std::size_t>(layer) < boundaries_.size()) {
        shownLayer_ = layer;
        boundary_->setRows(boundaries_[static_cast<std::size_t>(layer)]);
    } else {
        shownLayer_ = -1;
        boundary_->setRows({});
    }
    boundary_->setEnabled(shownLayer_ >= 0);
    filling_ = filling;
}

GroundTables GroundEditor::tables() const {
    keepShownBoundary();
    GroundTables t;
    t.layers = layers_->rows();
    t.boundary = boundaries_;
    t.boundary.resize(t.layers.size());
    t.base = base_->text().toStdString();
    t.water = piezometric_->isChecked() ? WaterKind::Piezometric
              : poreRatio_->isChecked() ? WaterKind::PoreRatio
                                        : WaterKind::None;
    t.piezometric = water_->rows();
    t.ru = ru_->text().toStdString();
    t.gamw = gamw_->text().toStdString();
    t.strips = strips_->rows();
    t.lineLoads = lineLoads_->rows();
    t.kh = kh_->text().toStdString();
    return t;
}

void GroundEditor::setTables(const GroundTables& t) {
    filling_ = true;
    shownLayer_ = -1;
    boundaries_ = t.boundary;
    boundaries_.resize(t.layers.size());
    layers_->setRows(t.layers);
    base_->setText(QString::fromStdString(t.base));
    dry_->setChecked(t.water == WaterKind::None);
    piezometric_->setChecked(t.water == WaterKind::Piezometric);
    poreRatio_->setChecked(t.water == WaterKind::PoreRatio);
    water_->setRows(t.piezometric);
    ru_->setText(QString::fromStdString(t.ru));
    gamw_->setText(QString::fromStdString(t.gamw));
    strips_->setRows(t.strips);
    lineLoads_->setRows(t.lineLoads);
    kh_->setText(QString::fromStdString(t.kh));
    layers_->table()->setCurrentCell(t.layers.empty() ? -1 : 0, 0);
    showLayer(t.layers.empty() ? -1 : 0);
    filling_ = false;
}

bool GroundEditor::readModel(GroundModel& model, std::string& error) const {
    return readGroundTables(tables(), model, error);
}

}  // namespace marvecos
