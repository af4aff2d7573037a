#include "fendrolas/ui/form1.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "common/ui/about.h"
#include "common/ui/figurepicture.h"
#include "common/ui/mainwindowparts.h"
#include "common/ui/placedwidgets.h"
#include "common/ui/qtmessages.h"
#include "common/ui/startup.h"
#include "fendrolas/fieldchecks.h"
#include "fendrolas/footingfigures.h"
#include "fendrolas/module1.h"
#include "fendrolas/ui/coefficientdialogs.h"
#include "fendrolas/ui/footingdrawing.h"
#include "fendrolas/ui/form2.h"
#include "fendrolas/ui/form3.h"
#include "fendrolas/ui/identity.h"
#include "fendrolas/ui/pdfreport.h"

namespace fendrolas {

namespace {

using common::field;
using common::label;

// Positions are those of the window as designed, in twips: 15 twips to a pixel.
constexpr int px(int twips) {
    return twips / 15;
}

// The data frames grew by two rows for the water table; what lies below them moved down by this.
constexpr int kWaterRows = 720;

// Two-line headings break where the caption says; single ones wrap to fit their column.
QLabel* heading(QWidget* parent, const QString& text, QRect geometry) {
    QLabel* l = label(parent, text, geometry, Qt::AlignCenter);
    l->setWordWrap(!text.contains('\n'));
    QFont small = l->font();
    small.setPointSize(7);
    l->setFont(small);
    return l;
}

// A frame at its designed place, in twips.
QGroupBox* frame(QWidget* parent, const QString& name, const QString& title, int left, int top,
                 int width, int height) {
    return common::frame(parent, name, title, QRect(px(left), px(top), px(width), px(height)));
}

// A row of captions, fields and units inside a data frame.
struct FieldRow {
    const char* caption;
    int field;
    const char* unit;
};

void fieldRows(QGroupBox* group, const std::vector<FieldRow>& rows, int captionWidth,
               int fieldWidth, int firstTop, int step) {
    int y = firstTop;
    for (const FieldRow& row : rows) {
        label(group, row.caption, QRect(6, y, captionWidth, 20), Qt::AlignRight | Qt::AlignVCenter);
        field(group, QString::fromStdString(soilField(row.field)),
              QRect(captionWidth + 10, y, fieldWidth, 20));
        label(group, row.unit, QRect(captionWidth + fieldWidth + 14, y, 40, 20));
        y += step;
    }
}

}  // namespace

Form1::Form1(common::MessageSink* messages, common::FileDialogs dialogs)
    : dialogs_(std::move(dialogs)), fields_(this) {
    messages_ = common::messagesOrBoxes(messages, ownMessages_, *this, kProgramTitle);
    setObjectName("Form1");
    setWindowTitle(kProgramTitle);
    setWindowIcon(QApplication::windowIcon());

    QWidget* central =
        common::centralArea(*this, px(11910), px(8340 + kWaterRows),
                            "CAPACIDAD DE CARGA EN FENDROLAS SUPERFICIALES", 26, 8, 13);

    buildMenus();
    buildSoilFrame(central);
    buildBaseFrame(central);
    buildMethodFrame(central);
    buildLoadFrame(central);
    auto* drawing = new FootingDrawing(central);
    drawing->setGeometry(px(6420), px(2655 + kWaterRows), px(5310), px(2408));
    common::offerPictureSave(
        drawing, [this] { return footingSketchOf(fields_); }, dialogs_, *messages_);
    buildResultFrames(central);
    buildButtons(central);
    layOut(central, drawing);
    for (int number : {kFieldLx, kFieldLy, kFieldDf, kFieldDw}) {
        auto* edit = central->findChild<QLineEdit*>(QString::fromStdString(soilField(number)));
        connect(edit, &QLineEdit::textChanged, drawing,
                [this, drawing] { drawing->redraw(fields_); });
    }

    // A figure on screen belongs to the data that produced it: an edit takes it away.
    for (QLineEdit* edit : central->findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::textEdited, this, &Form1::clearResults);
    }

    form2_ = std::make_unique<Form2>(fields_, *messages_, dialogs_, this);
    driver_ = std::make_unique<Driver>(fields_, *messages_, *form2_, *this);
    form2_->setPdfReport(
        [this](const std::string& path, std::string* error) { return writePdf(path, error); });
}

bool Form1::writePdf(const std::string& path, std::string* error) const {
    return writePdfReport(path, {fields_, driver_->tables(), "", dataFile_}, error);
}

Form1::~Form1() = default;

// The frames keep their designed sizes and order in rows; the drawing takes what the window grows
// by, so the window can be enlarged and never cuts a frame.
void Form1::layOut(QWidget* central, QWidget* drawing) {
    const QSize designed = central->size();
    central->setMinimumSize(designed);
    central->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const auto fixed = [central](const char* name) {
        auto* w = central->findChild<QWidget*>(name);
        w->setFixedSize(w->size());
        return w;
    };
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(px(120), 6, px(120), 6);
    grid->setHorizontalSpacing(px(240));
    grid->addWidget(fixed("Label1"), 0, 0, 1, 2, Qt::AlignHCenter);
    central->findChild<QWidget*>("Label1")->setFixedWidth(designed.width() - 2 * px(120));

    auto* data = new QHBoxLayout;
    data->setSpacing(px(240));
    data->addWidget(fixed("Frame1"));
    data->addWidget(fixed("Frame2"));
    data->addWidget(fixed("Frame3"));
    data->addStretch();
    grid->addLayout(data, 1, 0, 1, 2);
    grid->addWidget(fixed("Frame4"), 2, 0, Qt::AlignTop);
    drawing->setMinimumSize(drawing->size());
    drawing->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    grid->addWidget(drawing, 2, 1);
    grid->addWidget(fixed("Frame5"), 3, 0);
    grid->addWidget(fixed("Frame6"), 3, 1, Qt::AlignLeft);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(px(280));
    for (int k = 1; k <= 7; ++k) {
        buttons->addWidget(fixed(QString("Command%1").arg(k).toLatin1().constData()));
    }
    buttons->addStretch();
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);
}

void Form1::buildMenus() {
    // The desktop's keys for files; the calculations on F-keys, so that a field keeps Ctrl+A,
    // Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z for its own editing.
    QMenu* file = menuBar()->addMenu("Archivo");
    file->addAction("Abrir", QKeySequence::Open, this, &Form1::abrirArchivo);
    file->addAction("Guardar datos", QKeySequence::Save, this, &Form1::guardarDatos);
    file->addSeparator();
    file->addAction("Salir", QKeySequence("Ctrl+Q"), this, &Form1::salir);

    QMenu* analysis = menuBar()->addMenu("Analisis");
    analysis->addAction("Calcular", QKeySequence("F5"), this, &Form1::calcular);
    analysis->addAction("Resultados parciales", QKeySequence("F6"), this, &Form1::resultados);
    analysis->addAction("Comparar metodos", QKeySequence("F7"), this, &Form1::comparar);

    menuBar()->addAction("Acerca de...", this, &Form1::acercaDe);
}

void Form1::buildSoilFrame(QWidget* central) {
    QGroupBox* group =
        frame(central, "Frame1", "Datos del suelo", 120, 600, 4172, 1800 + kWaterRows);
    fieldRows(group,
              {{"Angulo de friccion interna fi=", kFieldFi, "º"},
               {"Cohesion c=", kFieldC, "kPa"},
               {"Peso especifico suelo seco g=", kFieldG, "kN/m3"},
               {"Humedad w=", kFieldW, "%"},
               {"Profundidad de la napa dw=", kFieldDw, "m"},
               {"Peso especifico saturado gsat=", kFieldGsat, "kN/m3"}},
              178, 46, 20, 24);
    group->findChild<QLineEdit*>(QString::fromStdString(soilField(kFieldDw)))
        ->setToolTip("Se deja vacio cuando no hay napa freatica.");
}

void Form1::buildBaseFrame(QWidget* central) {
    QGroupBox* group =
        frame(central, "Frame2", "Datos de la base", 4530, 600, 3794, 1800 + kWaterRows);
    fieldRows(group,
              {{"Longitud Lx=", kFieldLx, "m"},
               {"Longitud Ly=", kFieldLy, "m"},
               {"Profundidad de fundacion df=", kFieldDf, "m"}},
              168, 50, 24, 28);
}

void Form1::buildMethodFrame(QWidget* central) {
    QGroupBox* group =
        frame(central, "Frame3", "Metodo de calculo", 8565, 600, 3164, 1800 + kWaterRows);
    methods_ = new QButtonGroup(this);
    const char* captions[kMethods] = {"Terzagui", "Meyerhof", "Brinch hansen", "Vesic",
                                      "CCSR Mza87 (Brinch Hansen)"};
    for (int k = 0; k < kMethods; ++k) {
        auto* option = new QRadioButton(captions[k], group);
        option->setObjectName(QString("Option1_%1").arg(k));
        option->setGeometry(8, 16 + 19 * k, k == kMethods - 1 ? 196 : 110, 18);
        methods_->addButton(option, k + 1);
    }
    // clicked, not toggled: choosing Brinch Hansen or Vesic again shows its dialog again.
    connect(methods_, &QButtonGroup::idClicked, this, &Form1::selectMethod);

    auto* all = new QPushButton("Calc. todo", group);
    all->setObjectName("Command8");
    all->setGeometry(122, 20, 80, 26);
    connect(all, &QPushButton::clicked, this, &Form1::calcTodo);
}

void Form1::buildLoadFrame(QWidget* central) {
    QGroupBox* group =
        frame(central, "Frame4", "Estados de carga", 120, 2520 + kWaterRows, 6062, 2534);
    const char* headings[] = {"Carga vertical\nV [kN]", "Corte\nQx [kN]", "Corte\nQy [kN]",
                              "Momento\nMxz [kNm]", "Momento\nMyz [kNm]"};
    heading(group, "Nº", QRect(6, 16, 26, 30));
    for (int column = kColumnV; column <= kColumnMyz; ++column) {
        heading(group, headings[column - 1], QRect(34 + 73 * (column - 1), 16, 72, 30));
    }
    for (int state = 1; state <= kStates; ++state) {
        const int y = 50 + 22 * (state - 1);
        label(group, QString::number(state), QRect(6, y, 26, 20), Qt::AlignCenter);
        for (int column = kColumnV; column <= kColumnMyz; ++column) {
            QLineEdit* f = field(group, QString::fromStdString(loadField(column, state)),
                                 QRect(34 + 73 * (column - 1), y, 70, 20));
            if (column == kColumnV) {
                f->setToolTip("Incluye el peso de la base y el suelo sobre ella.");
            }
        }
    }
}

void Form1::buildResultFrames(QWidget* central) {
    QGroupBox* results = frame(central, "Frame5", "Resultados", 120, 5175 + kWaterRows, 6062, 2408);
    resultsFrame_ = results;
    QGroupBox* area =
        frame(central, "Frame6", "Area efectiva", 6420, 5175 + kWaterRows, 5306, 2408);
    const char* resultHeadings[] = {"Presion actuante\n[kN/m2]", "Presion de\nhudimiento [kN/m2]",
                                    "Carga de\nhundimiento [kN]", "Coef. de\nseguridad"};
    const char* areaHeadings[] = {"Lx ef [m]", "Ly ef[m]", "Area efectiva [m2]", "% Area comprim."};
    heading(results, "Nº", QRect(6, 16, 26, 30));
    heading(area, "Nº", QRect(6, 16, 24, 30));
    for (int k = 0; k < 4; ++k) {
        heading(results, resultHeadings[k], QRect(34 + 92 * k, 16, 88, 30));
        heading(area, areaHeadings[k], QRect(30 + 80 * k, 16, 76, 30));
    }
    for (int state = 1; state <= kStates; ++state) {
        const int y = 50 + 21 * (state - 1);
        label(results, QString::number(state), QRect(6, y, 26, 19), Qt::AlignCenter);
        label(area, QString::number(state), QRect(6, y, 24, 19), Qt::AlignCenter);
        for (int k = 0; k < ResultLabels::kColumns; ++k) {
            QWidget* parent = k < 4 ? results : area;
            const QRect place =
                k < 4 ? QRect(34 + 92 * k, y, 88, 19) : QRect(30 + 80 * (k - 4), y, 76, 19);
            QLabel* value = label(parent, QString(), place, Qt::AlignRight | Qt::AlignVCenter);
            value->setObjectName(QString::fromStdString(ResultLabels::objectName(k, state)));
            value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            resultLabels_[static_cast<std::size_t>(state - 1)][static_cast<std::size_t>(k)] = value;
        }
    }
}

void Form1::buildButtons(QWidget* central) {
    struct Button {
        const char* name;
        const char* caption;
        int left;
        void (Form1::*action)();
    };
    const Button buttons[] = {
        {"Command1", "Abrir Archivo ", 120, &Form1::abrirArchivo},
        {"Command2", "Guardar datos", 1680, &Form1::guardarDatos},
        {"Command3", "Acerca de ...", 3240, &Form1::acercaDe},
        {"Command4", "Salir", 4800, &Form1::salir},
        {"Command5", "Calcular", 6480, &Form1::calcular},
        {"Command6", "Resultados", 8160, &Form1::resultados},
        {"Command7", "Comparar", 9840, &Form1::comparar},
    };
    for (const Button& b : buttons) {
        auto* button = new QPushButton(b.caption, central);
        button->setObjectName(b.name);
        button->setGeometry(px(b.left), px(7800 + kWaterRows), px(1400), px(350));
        connect(button, &QPushButton::clicked, this, b.action);
    }
}

void Form1::selectMethod(int method) {
    driver_->setSelectedMethod(method);
    if (QAbstractButton* option = methods_->button(method)) {
        option->setChecked(true);
    }
    if (method == kBrinchHansen) {
        if (form4_ == nullptr) {
            form4_ = new Form4(this);
        }
        common::showInFront(*form4_);
    } else if (method == kVesic) {
        if (form5_ == nullptr) {
            form5_ = new Form5(this);
        }
        common::showInFront(*form5_);
    }
}

// A dialog never opened gives its initial texts.
CoefficientTexts Form1::coefficientTexts() const {
    CoefficientTexts texts;
    if (form4_ != nullptr) {
        texts.alfa1 = form4_->alfa1().toStdString();
        texts.alfa2 = form4_->alfa2().toStdString();
        texts.cc = form4_->cc().toStdString();
    }
    if (form5_ != nullptr) {
        texts.vesicCc = form5_->cc().toStdString();
    }
    return texts;
}

void Form1::showResultLabels() {
    const ResultLabels& labels = driver_->labels();
    // After "Calc. todo" the figures are the last method's, whichever option is selected.
    const bool computed =
        !driver_->fieldsRefused() && !driver_->waterRefused() && driver_->labelsMethod() != 0;
    resultsFrame_->setTitle(
        !computed ? QString("Resultados")
                  : "Resultados - " +
                        QString::fromStdString(methodCaptionSuffix(driver_->labelsMethod())));
    for (int i = 0; i < kStates; ++i) {
        for (int k = 0; k < ResultLabels::kColumns; ++k) {
            resultLabels_[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)]->setText(
                QString::fromStdString(
                    labels.text[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)]));
        }
    }
}

void Form1::calcular() {
    driver_->calcular(coefficientTexts());
    showResultLabels();
}

void Form1::calcTodo() {
    driver_->calcTodo(coefficientTexts());
    showResultLabels();
}

// The partial results, their drawing and report describe the data of this calculation, whatever
// the fields say later.
void Form1::keepCalculatedData() {
    if (driver_->labelsMethod() != 0) {
        form2_->setCalculatedFields(driver_->calculatedFields());
    }
}

void Form1::clearResults() {
    for (auto& row : resultLabels_) {
        for (QLabel* value : row) {
            value->clear();
        }
    }
    resultsFrame_->setTitle("Resultados");
}

void Form1::resultados() {
    keepCalculatedData();
    driver_->resultados();
}

void Form1::comparar() {
    driver_->comparar();
}

void Form1::showComparison(const ComparisonData& data) {
    if (form3_ == nullptr) {
        form3_ = new Form3(this);
        form3_->setReportTools(
            dialogs_, *messages_,
            [this](const std::string& path, std::string* error) { return writePdf(path, error); });
    }
    common::showInFront(*form3_);
    form3_->grafico(data);
}

void Form1::abrirArchivo() {
    const QString fileName = dialogs_.openFile(this, common::kDataFilter);
    if (fileName.isEmpty()) {
        return;
    }
    if (cargardat(fileName.toStdString(), fields_, *messages_)) {
        dataFile_ = fileName.toStdString();
    }
}

void Form1::guardarDatos() {
    // A file holds numbers: a text that is none is refused before the name is asked.
    if (!checkMainWindowFields(fields_, *messages_)) {
        return;
    }
    const QString fileName = dialogs_.saveFile(this, common::kDataFilter);
    if (fileName.isEmpty()) {
        return;
    }
    if (grabardat(fileName.toStdString(), fields_, *messages_)) {
        dataFile_ = fileName.toStdString();
    }
}

void Form1::acercaDe() {
    if (about_ == nullptr) {
        about_ = new common::frmAbout(fendrolasIdentity(), *messages_, this);
    }
    common::showInFront(*about_);
}

void Form1::salir() {
    common::leaveOnce(leaving_, *this);
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    salir();
}

}  // namespace fendrolas
