#include "marvecos/ui/form1.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "common/ui/mainwindowparts.h"
#include "common/ui/placedwidgets.h"
#include "common/ui/qtmessages.h"
#include "common/ui/startup.h"
#include "marvecos/calcular.h"
#include "marvecos/checks.h"
#include "marvecos/coords.h"
#include "marvecos/fieldchecks.h"
#include "marvecos/model/modelslices.h"
#include "marvecos/modelfigure.h"
#include "marvecos/program.h"
#include "marvecos/resultscsv.h"
#include "marvecos/slopefigure.h"
#include "marvecos/ui/form2.h"
#include "marvecos/ui/groundeditor.h"

namespace marvecos {

namespace {

// The scale factor s of the drawing: the slope takes 1/(1.1 s) of the width of the area.
constexpr int kScaleStart = 5;
constexpr int kScaleSmallest = 1;
constexpr int kScaleLargest = 20;

using common::field;
using common::frame;
using common::label;

struct FieldRow {
    const char* caption;
    const char* name;
    const char* unit;
};

// Captions right-aligned before their fields, units after them, one row under the other.
void fieldRows(QGroupBox* box, const std::vector<FieldRow>& rows, int firstTop) {
    constexpr int captionWidth = 196, fieldWidth = 64, step = 24;
    int y = firstTop;
    for (const FieldRow& row : rows) {
        label(box, row.caption, QRect(6, y, captionWidth, 20), Qt::AlignRight | Qt::AlignVCenter);
        field(box, row.name, QRect(captionWidth + 10, y, fieldWidth, 20));
        label(box, row.unit, QRect(captionWidth + fieldWidth + 14, y, 44, 20));
        y += step;
    }
}

}  // namespace

Form1::Form1(SlopeFolders folders, common::MessageSink* messages)
    : folders_(std::move(folders)), fields_(this) {
    messages_ = common::messagesOrBoxes(messages, ownMessages_, *this, kProgramTitle);
    setObjectName("Form1");
    setWindowTitle(kProgramTitle);
    setWindowIcon(QApplication::windowIcon());

    QWidget* central =
        common::centralArea(*this, 800, 536, "ESTABILIDAD DE MARVECOS DE TIERRA", 28, 8, 13);

    buildSoilGroup(central);
    buildSlopeGroup(central);
    buildCircleGroup(central);
    buildMethodGroup(central);
    QLayout* drawing = buildDrawing(central);
    buildButtons(central);
    buildSearch(central);
    buildMenus();

    form2_ = std::make_unique<Form2>(folders_.temp, *messages_, this);
    buildReportEntries(central);
    layOut(central, drawing);
    editor_ = std::make_unique<GroundEditor>();
    connect(editor_.get(), &GroundEditor::changed, this, &Form1::groundChanged);
    connect(editor_.get(), &GroundEditor::accepted, this, [this] {
        GroundModel model;
        if (readGround(model, true)) {
            editor_->hide();
        }
    });
    watchChanges();
    updateTitle();
}

Form1::~Form1() = default;

// The frames and buttons keep their designed sizes, order and places; the drawing takes what the
// window grows by, so the window can be enlarged and never cuts a frame.
void Form1::layOut(QWidget* central, QLayout* drawing) {
    const QSize designed = central->size();
    central->setMinimumSize(designed);
    central->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const auto fixed = [central](const char* name) {
        auto* w = central->findChild<QWidget*>(name);
        w->setFixedSize(w->size());
        return w;
    };
    const auto row = [&fixed](std::initializer_list<const char*> names, int spacing) {
        auto* buttons = new QHBoxLayout;
        buttons->setSpacing(spacing);
        for (const char* name : names) {
            buttons->addWidget(fixed(name));
        }
        buttons->addStretch();
        return buttons;
    };
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    grid->addWidget(fixed("Label1"), 0, 0, 1, 2, Qt::AlignHCenter);
    central->findChild<QWidget*>("Label1")->setFixedWidth(designed.width() - 2 * 10);

    auto* frames = new QVBoxLayout;
    frames->setSpacing(6);
    for (const char* name : {"Frame1", "Frame2", "Frame3", "Frame4"}) {
        frames->addWidget(fixed(name));
    }
    frames->addStretch();
    grid->addLayout(frames, 1, 0);
    grid->addLayout(drawing, 1, 1);

    grid->addWidget(fixed("Command4"), 2, 0);
    grid->addLayout(row({"Command1", "Command3", "Command2"}, 12), 2, 1);
    grid->addLayout(row({"Terreno", "GuardarBusqueda"}, 10), 3, 0);
    grid->addLayout(row({"ExportarPdf"}, 0), 3, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
}

// Standard keys for the file entries; Ctrl+A, C, V, X and Z stay with the text fields.
void Form1::buildMenus() {
    QMenu* file = menuBar()->addMenu("Archivo");
    file->addAction("Abrir", QKeySequence::Open, this, &Form1::abrir);
    file->addAction("Guardar", QKeySequence::Save, this, &Form1::guardar);
    file->addAction("Guardar como", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
                    &Form1::guardarComo);
    file->addSeparator();
    file->addAction("Salir", QKeySequence(Qt::CTRL | Qt::Key_Q), this, &Form1::salir);
    // Before the separator and "Salir".
    auto* pdf = new QAction("Exportar PDF...", file);
    pdf->setObjectName("mnuExportarPdf");
    connect(pdf, &QAction::triggered, this, &Form1::exportarPdf);
    file->insertAction(file->actions().at(file->actions().size() - 2), pdf);
    menuBar()->addAction("Calcular", QKeySequence("F5"), this, &Form1::calcular);
    buildMethodMenu(menuBar()->addMenu("Metodo"));
    menuBar()->addAction("Resultados", this, &Form1::resultados);
}

// One entry per method button, named as the button without its note in brackets.
void Form1::buildMethodMenu(QMenu* menu) {
    auto* group = new QActionGroup(menu);
    for (QRadioButton* option : findChild<QGroupBox*>("Frame4")->findChildren<QRadioButton*>()) {
        QString name = option->text();
        name = name.left(name.indexOf(" (")).trimmed();
        QAction* entry = menu->addAction(name);
        entry->setCheckable(true);
        entry->setActionGroup(group);
        connect(entry, &QAction::triggered, option, [option] { option->setChecked(true); });
        connect(option, &QRadioButton::toggled, entry, &QAction::setChecked);
    }
}

void Form1::buildSoilGroup(QWidget* central) {
    QGroupBox* box = frame(central, "Frame1", "Suelo", QRect(10, 44, 330, 100));
    fieldRows(box,
              {{"Angulo de friccion interna fi=", "fi", "º"},
               {"Cohesion c=", "c", "kN/m2"},
               {"Peso especifico gam=", "gam", "kN/m3"}},
              22);
}

void Form1::buildSlopeGroup(QWidget* central) {
    QGroupBox* box = frame(central, "Frame2", "Talud", QRect(10, 150, 330, 76));
    fieldRows(box, {{"Altura del talud H=", "H", "m"}, {"Longitud del talud L=", "L", "m"}}, 22);
}

void Form1::buildCircleGroup(QWidget* central) {
    QGroupBox* box = frame(central, "Frame3", "Circulos", QRect(10, 232, 330, 120));
    label(box, "Centro del radio de la circunferencia :", QRect(10, 20, 300, 20));
    label(box, "Xcr=", QRect(20, 42, 40, 20), Qt::AlignRight | Qt::AlignVCenter);
    field(box, "Xcr", QRect(64, 42, 64, 20));
    label(box, "m", QRect(132, 42, 20, 20));
    label(box, "Ycr=", QRect(162, 42, 40, 20), Qt::AlignRight | Qt::AlignVCenter);
    field(box, "Ycr", QRect(206, 42, 64, 20));
    label(box, "m", QRect(274, 42, 20, 20));
    fieldRows(box, {{"Radio de la circunferencia R=", "R", "m"}, {"Numero de dovelas n=", "n", ""}},
              68);
}

void Form1::buildMethodGroup(QWidget* central) {
    QGroupBox* box = frame(central, "Frame4", "Metodo de calculo", QRect(10, 358, 330, 86));
    bishop_ = new QRadioButton("Bishop", box);
    janbu_ = new QRadioButton("Janbu", box);
    spencer_ = new QRadioButton("Spencer", box);
    morgensternPrice_ = new QRadioButton("Morgenstern-Price", box);
    ordinary_ = new QRadioButton("Ordinario", box);
    janbuCorrected_ = new QRadioButton("Janbu corregido", box);
    // Two columns of three: the methods of the program first, then the others.
    int k = 1;
    for (QRadioButton* option :
         {bishop_, janbu_, spencer_, morgensternPrice_, ordinary_, janbuCorrected_}) {
        const int row = (k - 1) % 3, column = (k - 1) / 3;
        option->setObjectName(QString("Option%1").arg(k++));
        option->setGeometry(16 + column * 98, 20 + row * 21, column == 0 ? 94 : 128, 20);
    }
    // The interslice force function of Morgenstern-Price.
    function_ = new QComboBox(box);
    function_->setObjectName("funcion");
    function_->addItems({"semiseno", "constante"});
    function_->setGeometry(242, 19, 84, 22);
    function_->setToolTip("Funcion f(x) de Morgenstern-Price");
}

// The drawing over its factor of safety and its scale: the drawing grows, the rest keeps its size.
QLayout* Form1::buildDrawing(QWidget* central) {
    canvas_ = new SlopeCanvas(central);
    canvas_->setObjectName("Picture1");
    canvas_->setGeometry(352, 44, 438, 330);
    canvas_->setMinimumSize(canvas_->size());
    canvas_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    canvas_->addLayer(&modelLayer_);
    canvas_->addLayer(&mapLayer_);
    canvas_->addLayer(&slopeLayer_);
    canvas_->addLayer(&modelLayer_.legend());
    mapLayer_.avoidLegendOf(&modelLayer_);
    connect(canvas_, &SlopeCanvas::clicked, this, &Form1::drawSlope);
    connect(canvas_, &SlopeCanvas::resized, this, &Form1::fitGroundToCanvas);

    QLabel* fsCaption = label(central, "Factor de seguridad calculado:", QRect(352, 384, 180, 22));
    fsLabel_ = label(central, QString(), QRect(536, 384, 96, 22), Qt::AlignCenter);
    fsLabel_->setObjectName("Label2");
    fsLabel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    QLabel* scaleCaption = label(central, "Escala grafica:", QRect(352, 416, 100, 22));
    scale_ = new QSlider(Qt::Horizontal, central);
    scale_->setObjectName("scale");
    scale_->setGeometry(456, 412, 230, 30);
    scale_->setRange(kScaleSmallest, kScaleLargest);
    scale_->setSingleStep(1);
    scale_->setPageStep(1);
    scale_->setTickPosition(QSlider::TicksBelow);
    scale_->setTickInterval(1);
    scale_->setValue(kScaleStart);
    // One redraw per move: not for each step of a drag, since a redraw can show a message.
    connect(scale_, &QSlider::valueChanged, this, [this] {
        if (!scale_->isSliderDown()) {
            drawSlope();
        }
    });
    connect(scale_, &QSlider::sliderReleased, this, &Form1::drawSlope);

    auto* fit = new QPushButton("Ajustar", central);
    fit->setObjectName("Ajustar");
    fit->setToolTip("Muestra todo el problema");
    fit->setGeometry(692, 412, 98, 28);
    connect(fit, &QPushButton::clicked, this, &Form1::ajustar);

    auto* column = new QVBoxLayout;
    column->setSpacing(6);
    column->addWidget(canvas_, 1);
    auto* factor = new QHBoxLayout;
    auto* scale = new QHBoxLayout;
    factor->setSpacing(4);
    scale->setSpacing(4);
    for (QWidget* w : {static_cast<QWidget*>(fsCaption), static_cast<QWidget*>(fsLabel_)}) {
        w->setFixedSize(w->size());
        factor->addWidget(w);
    }
    factor->addStretch();
    for (QWidget* w : {static_cast<QWidget*>(scaleCaption), static_cast<QWidget*>(scale_),
                       static_cast<QWidget*>(fit)}) {
        w->setFixedHeight(w->height());
        scale->addWidget(w, w == scale_ ? 1 : 0);
    }
    scaleCaption->setFixedWidth(scaleCaption->width());
    fit->setFixedWidth(fit->width());
    scale_->setMinimumWidth(scale_->width());
    column->addLayout(factor);
    column->addLayout(scale);
    return column;
}

void Form1::buildButtons(QWidget* central) {
    struct Button {
        const char* name;
        const char* caption;
        int left;
        void (Form1::*action)();
    };
    const Button buttons[] = {
        {"Command1", "Calcular", 352, &Form1::calcular},
        {"Command3", "Resultados", 502, &Form1::resultados},
        {"Command2", "Salir", 652, &Form1::salir},
    };
    for (const Button& b : buttons) {
        auto* button = new QPushButton(b.caption, central);
        button->setObjectName(b.name);
        button->setGeometry(b.left, 456, 138, 32);
        connect(button, &QPushButton::clicked, this, b.action);
    }
    auto* ground = new QPushButton("Terreno...", central);
    ground->setObjectName("Terreno");
    ground->setGeometry(10, 496, 160, 32);
    connect(ground, &QPushButton::clicked, this, &Form1::terreno);
    auto* saveSearch = new QPushButton("Guardar busqueda...", central);
    saveSearch->setObjectName("GuardarBusqueda");
    saveSearch->setToolTip("Guarda los circulos de la ultima busqueda en un archivo CSV");
    saveSearch->setGeometry(180, 496, 160, 32);
    connect(saveSearch, &QPushButton::clicked, this, &Form1::guardarBusqueda);
}

MethodButtons Form1::methodButtons() const {
    MethodButtons buttons{bishop_->isChecked(), janbu_->isChecked(), spencer_->isChecked()};
    buttons.morgensternPrice = morgensternPrice_->isChecked();
    buttons.ordinary = ordinary_->isChecked();
    buttons.janbuCorrected = janbuCorrected_->isChecked();
    buttons.constantFunction = function_->currentIndex() == 1;
    return buttons;
}

void Form1::calcular() {
    GroundModel model;
    if (!readGround(model, true)) {
        drawSlope();
        return;
    }
    WriteFailureWatch watched(*messages_);
    const MethodOutcome outcome =
        marvecos::calcular(fields_, methodButtons(), model, folders_, watched);
    calculated_ = outcome.computed && !watched.failedWrite;
    if (!outcome.computed) {
        // The factor and the tables on screen belong to other data.
        fsLabel_->clear();
        form2_->volver();
    }
    if (outcome.computed) {
        keepReport(model, outcome);
        fsLabel_->setText(QString::fromStdString(outcome.valueLabel));
        form2_->setModelSlices(modelSlicesOf(readSlopeInput(fields_, methodButtons()), model));
        // Tables left by an earlier run must not stand under this run's title.
        if (watched.failedWrite) {
            form2_->volver();
        } else {
            form2_->showCalculation(QString::fromStdString(outcome.resultsTitle));
        }
    }
    drawSlope();
}

void Form1::drawSlope() {
    const SlopeProblem p = readSlopeInput(fields_, methodButtons());
    if (!slopeFieldsAccepted(fields_)) {
        showRefusedSlope(p);
        return;
    }
    showSlope(p, prepareSliceGeometry(p, folders_.temp, *messages_, false));
}

// A slope the calculation refuses is not drawn as if it meant something else: no circle, and a
// negative height not turned upside down.
void Form1::showRefusedSlope(SlopeProblem p) {
    p.H = std::max(p.H, 0.0);
    showSlope(p, std::nullopt);
}

void Form1::resultados() {
    if (!calculated_) {
        // Result files of an earlier run belong to data this run does not know.
        messages_->show("No hay resultados para mostrar: por favor corra un metodo de calculo.",
                        "Resultados", common::MessageIcon::Information);
        return;
    }
    form2_->resultados();
}

void Form1::salir() {
    if (leaving_ || !mayDropChanges()) {
        return;
    }
    leave();
}

void Form1::leave() {
    // Closing the main window comes back through closeEvent, which then lets it go.
    leaving_ = true;
    common::closeEveryWindow(*this);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (leaving_) {
        event->accept();
        return;
    }
    if (!mayDropChanges()) {
        event->ignore();
        return;
    }
    event->accept();
    leave();
}

}  // namespace marvecos
