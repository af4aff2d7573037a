#include "drovines/ui/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <utility>

#include "common/fieldvalue.h"
#include "common/ui/about.h"
#include "common/ui/figurepicture.h"
#include "common/ui/figureview.h"
#include "common/ui/mainwindowparts.h"
#include "common/ui/palette.h"
#include "common/ui/placedwidgets.h"
#include "common/ui/qtmessages.h"
#include "common/ui/startup.h"
#include "drovines/calcular.h"
#include "drovines/datafile.h"
#include "drovines/fieldchecks.h"
#include "drovines/report.h"
#include "drovines/section.h"
#include "drovines/ui/form2.h"
#include "drovines/ui/identity.h"
#include "drovines/ui/notes.h"
#include "drovines/ui/pdfreport.h"
#include "drovines/ui/wallsection.h"

namespace drovines {

namespace {

using common::field;
using common::frame;
using common::label;

constexpr int kRow = 24;
constexpr int kCaptionWidth = 190;
constexpr int kFieldWidth = 70;

// A caption, its field and the unit, on line `row` of a frame.
QLineEdit* fieldRow(QGroupBox* group, int row, const QString& caption, const std::string& name,
                    const QString& unit) {
    const int y = 20 + kRow * row;
    label(group, caption, QRect(6, y, kCaptionWidth, 20), Qt::AlignRight | Qt::AlignVCenter);
    QLineEdit* edit =
        field(group, QString::fromStdString(name), QRect(kCaptionWidth + 10, y, kFieldWidth, 20));
    label(group, unit, QRect(kCaptionWidth + kFieldWidth + 14, y, 40, 20));
    return edit;
}

double valueOf(const common::FieldTexts& fields, const std::string& name) {
    return common::fieldValue(fields.text(name));
}

}  // namespace

Form1::Form1(common::MessageSink* messages, common::FileDialogs dialogs)
    : dialogs_(std::move(dialogs)), fields_(this) {
    messages_ = common::messagesOrBoxes(messages, ownMessages_, *this,
                                        QString::fromStdString(kProgramTitle));
    setObjectName("Form1");
    setWindowTitle("Empuje de suelos");
    setWindowIcon(QApplication::windowIcon());

    QWidget* central = common::centralArea(
        *this, 920, 616, "EMPUJE ACTIVO SOBRE MUROS DE CONTENCION Y VERIFICACION DE ESTABILIDAD",
        24, 6, 11);

    buildMenus();
    buildSoilFrame(central);
    buildWallFrame(central);
    buildLoadFrame(central);
    buildSeismicFrame(central);

    picture_ = new common::FigureView(central);
    picture_->setObjectName("Picture1");
    picture_->setGeometry(450, 38, 462, 330);

    buildChoices(central);
    layOut(central);
    statusBar()->setObjectName("StatusBar1");

    form2_ = std::make_unique<Form2>(
        fields_, [this] { return selectedOption(); }, *messages_, dialogs_, this);
    common::offerPictureSave(
        picture_, [this] { return sectionOf(fields_, Resultados{}, false); }, dialogs_, *messages_);
    connectRedraws();
}

Form1::~Form1() = default;

// The frames keep their designed sizes and order: data on the left, the section, the choices
// and the commands on the right. The section takes what the window grows by.
void Form1::layOut(QWidget* central) {
    central->setMinimumSize(central->size());
    central->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const auto fixed = [central](const char* name) {
        auto* w = central->findChild<QWidget*>(name);
        w->setFixedSize(w->size());
        return w;
    };
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(12);
    grid->addWidget(central->findChild<QWidget*>("Label1"), 0, 0, 1, 2);

    auto* data = new QVBoxLayout;
    for (const char* name : {"Frame1", "Frame2", "Frame3", "Frame5"}) {
        data->addWidget(fixed(name));
    }
    data->addStretch();
    grid->addLayout(data, 1, 0);

    auto* right = new QVBoxLayout;
    picture_->setMinimumSize(picture_->size());
    picture_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    right->addWidget(picture_, 1);
    right->addWidget(fixed("Check2"));
    right->addWidget(fixed("Check1"));
    auto* commands = new QVBoxLayout;
    commands->addWidget(fixed("Command1"));
    commands->addWidget(fixed("Command2"));
    commands->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(fixed("Frame4"));
    bottom->addSpacing(28);
    bottom->addLayout(commands);
    bottom->addStretch();
    right->addLayout(bottom);
    grid->addLayout(right, 1, 1);
    grid->setColumnStretch(1, 1);
}

// The section is drawn for the area it has.
void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    redraw();
}

void Form1::buildMenus() {
    QMenu* file = menuBar()->addMenu("Archivo");
    file->addAction("Abrir", QKeySequence::Open, this, &Form1::abrir)->setObjectName("mnuAbrir");
    file->addAction("Guardar", QKeySequence::Save, this, &Form1::guardar)
        ->setObjectName("mnuGuardar");
    file->addSeparator();
    file->addAction("Salir", QKeySequence("Ctrl+Q"), this, &Form1::salir)
        ->setObjectName("mnuSalir");

    QMenu* analysis = menuBar()->addMenu("Analisis");
    menuRankine_ = analysis->addAction("Rankine", this, &Form1::selectRankine);
    menuCoulomb_ = analysis->addAction("Coulomb", this, &Form1::selectCoulomb);
    menuMononobe_ = analysis->addAction("Mononobe-Okabe", this, &Form1::mononobeOkabe);
    menuRankine_->setObjectName("mnuRankine");
    menuCoulomb_->setObjectName("mnuCoulomb");
    menuMononobe_->setObjectName("mnuMononobe");
    for (QAction* entry : {menuRankine_, menuCoulomb_, menuMononobe_}) {
        entry->setCheckable(true);
    }
    analysis->addSeparator();
    analysis->addAction("Calcular", QKeySequence("F5"), this, &Form1::calcularMenu)
        ->setObjectName("mnuCalcular");

    QMenu* help = menuBar()->addMenu("Ayuda");
    help->addAction("Acerca de...", this, &Form1::acercaDe)->setObjectName("mnuAcercaDe");
    help->addAction("Notas", this, &Form1::notas)->setObjectName("mnuNotas");
}

void Form1::buildSoilFrame(QWidget* central) {
    QGroupBox* group =
        frame(central, "Frame1", "Datos del terraplen", QRect(8, 38, 430, 20 + 6 * kRow + 8));
    fieldRow(group, 0, "Peso especifico gam=", field::gam, "kN/m3");
    fieldRow(group, 1, "Angulo de friccion fi=", field::fi, "º");
    fieldRow(group, 2, "Cohesion co=", field::co, "kN/m2");
    fieldRow(group, 3, "Angulo del talud beta=", field::beta, "º");
    fieldRow(group, 4, "Humedad w=", field::w, "%");
    fieldRow(group, 5, "Altura de la napa hn=", field::hn, "m");
}

void Form1::buildWallFrame(QWidget* central) {
    QGroupBox* group =
        frame(central, "Frame2", "Datos del muro", QRect(8, 222, 430, 20 + 9 * kRow + 8));
    fieldRow(group, 0, "Ancho superficial b1=", field::b1, "m");
    fieldRow(group, 1, "Altura total H=", field::H, "m");
    QLabel* angles = label(group, "Angulos:", QRect(16, 20 + 2 * kRow, 120, 20));
    QFont bold = angles->font();
    bold.setBold(true);
    angles->setFont(bold);
    fieldRow(group, 3, "Trasdos con la vertical alfa=", field::alfa, "º");
    fieldRow(group, 4, "Frente con la vertical alfa2=", field::alfa2, "º");
    fieldRow(group, 5, "Friccion suelo muro delta=", field::delta, "º");
    // The hint stands over the angle fields, where it has room.
    label(group, "rango:   0 <= delta <= fi", QRect(kCaptionWidth + 10, 20 + 2 * kRow, 200, 20));
    fieldRow(group, 6, "Profundidad de fundacion df=", field::df, "m");
    fieldRow(group, 7, "Angulo friccion base-muro d2=", field::delta2, "º");
    fieldRow(group, 8, "Peso especifico muro gm=", field::gm, "kN/m3")->setText("22");
}

void Form1::buildLoadFrame(QWidget* central) {
    QGroupBox* group = frame(central, "Frame3", "Sobrecargas", QRect(8, 474, 430, 20 + kRow + 8));
    fieldRow(group, 0, "Sobrecarga sobre el terraplen q=", field::q, "kN/m");
}

// kh and kv, entered only while Mononobe-Okabe is chosen.
void Form1::buildSeismicFrame(QWidget* central) {
    QGroupBox* group = frame(central, "Frame5", "Sismo", QRect(8, 532, 430, 20 + 2 * kRow + 8));
    fieldRow(group, 0, "Coeficiente sismico horizontal kh=", field::kh, "")->setText("0");
    fieldRow(group, 1, "Coeficiente sismico vertical kv=", field::kv, "")->setText("0");
    setSeismicAvailable(false);
}

void Form1::buildChoices(QWidget* central) {
    check2_ = new QCheckBox("Considerar angulo delta", central);
    check2_->setObjectName("Check2");
    check2_->setGeometry(450, 376, 300, 20);
    check1_ = new QCheckBox("Considerar la cuña de suelo en la estabilidad", central);
    check1_->setObjectName("Check1");
    check1_->setGeometry(450, 398, 300, 20);
    setTickBoxesAvailable(false);

    QGroupBox* group = frame(central, "Frame4", "Metodo de calculo", QRect(450, 424, 250, 98));
    option1_ = new QRadioButton("Rankine", group);
    option2_ = new QRadioButton("Coulomb", group);
    option3_ = new QRadioButton("Mononobe-okabe (sismo)", group);
    int y = 20;
    int n = 1;
    for (QRadioButton* option : {option1_, option2_, option3_}) {
        option->setObjectName(QString("Option%1").arg(n++));
        option->setGeometry(10, y, 220, 22);
        y += 24;
    }
    connect(option1_, &QRadioButton::clicked, this, &Form1::selectRankine);
    connect(option2_, &QRadioButton::clicked, this, &Form1::selectCoulomb);
    connect(option3_, &QRadioButton::clicked, this, &Form1::mononobeOkabe);

    auto* compute = new QPushButton("Calcular", central);
    compute->setObjectName("Command1");
    compute->setGeometry(740, 436, 140, 32);
    connect(compute, &QPushButton::clicked, this, &Form1::calcular);
    auto* leave = new QPushButton("Salir", central);
    leave->setObjectName("Command2");
    leave->setGeometry(740, 480, 140, 32);
    connect(leave, &QPushButton::clicked, this, &Form1::salir);
}

void Form1::connectRedraws() {
    for (const std::string& name :
         {field::q, field::df, field::beta, field::b1, field::H, field::alfa, field::alfa2}) {
        auto* edit = findChild<QLineEdit*>(QString::fromStdString(name));
        connect(edit, &QLineEdit::textChanged, this, &Form1::redraw);
    }
    auto* hn = findChild<QLineEdit*>(QString::fromStdString(field::hn));
    connect(hn, &QLineEdit::textChanged, this, &Form1::hnChanged);
}

void Form1::hnChanged() {
    const QString text = QString::fromStdString(fields_.text(field::hn));
    napaBajoBase_ = common::fieldValue(text.toStdString()) < 0;
    keptHn_ = napaBajoBase_ ? text : QString();
    redraw();
}

// The geometry is read as typed, unchecked: the drawing shows what the fields say.
void Form1::redraw() {
    SectionInput in;
    in.beta = radians(valueOf(fields_, field::beta));
    in.b1 = valueOf(fields_, field::b1);
    in.H = valueOf(fields_, field::H);
    in.alfa = radians(valueOf(fields_, field::alfa));
    in.alfa2 = radians(valueOf(fields_, field::alfa2));
    const SectionGeometry g = sectionGeometry(in.b1, in.H, in.alfa, in.alfa2);
    in.xa = g.xa;
    in.xf = g.xf;
    in.B = g.B;
    in.hn = valueOf(fields_, field::hn);
    in.df = valueOf(fields_, field::df);
    in.q = valueOf(fields_, field::q);
    in.napaBajoBase = napaBajoBase_;
    in.keptHn = keptHn_;
    // Fields that give nothing to draw leave the last drawing in place.
    common::Figure figure = grafmuro(in);
    if (figure.drawable()) {
        picture_->setFigure(std::move(figure));
    }
    ++drawings_;
}

void Form1::setTickBoxesAvailable(bool available) {
    check1_->setEnabled(available);
    check2_->setEnabled(available);
}

void Form1::setSeismicAvailable(bool available) {
    for (const std::string& name : {field::kh, field::kv}) {
        findChild<QLineEdit*>(QString::fromStdString(name))->setEnabled(available);
    }
}

void Form1::selectRankine() {
    option1_->setChecked(true);
    method_ = Method::Rankine;
    menuRankine_->setChecked(true);
    menuCoulomb_->setChecked(false);
    menuMononobe_->setChecked(false);
    setTickBoxesAvailable(true);
    setSeismicAvailable(false);
}

void Form1::selectCoulomb() {
    option2_->setChecked(true);
    method_ = Method::Coulomb;
    menuRankine_->setChecked(false);
    menuCoulomb_->setChecked(true);
    menuMononobe_->setChecked(false);
    setTickBoxesAvailable(false);
    setSeismicAvailable(false);
}

// Mononobe-Okabe builds on Coulomb's thrust, so the tick boxes do not apply to it either.
void Form1::mononobeOkabe() {
    option3_->setChecked(true);
    method_ = Method::MononobeOkabe;
    menuRankine_->setChecked(false);
    menuCoulomb_->setChecked(false);
    menuMononobe_->setChecked(true);
    setTickBoxesAvailable(false);
    setSeismicAvailable(true);
}

Method Form1::selectedOption() const {
    if (option1_->isChecked()) {
        return Method::Rankine;
    }
    if (option2_->isChecked()) {
        return Method::Coulomb;
    }
    if (option3_->isChecked()) {
        return Method::MononobeOkabe;
    }
    return Method::None;
}

void Form1::run(Method method) {
    const TickBoxes ticks{check1_->checkState() == Qt::Checked,
                          check2_->checkState() == Qt::Checked};
    const CalcOutcome outcome = drovines::calcular(fields_, method, ticks, *messages_);
    if (outcome.status == CalcStatus::Computed) {
        form2_->fill(outcome.resultados, QString::fromStdString(resultsCaption(method)),
                     method == Method::MononobeOkabe);
    } else if (outcome.status == CalcStatus::NothingToDo) {
        messages_->show(kNothingToDoMessage, kProgramTitle, common::MessageIcon::Information);
    } else if (outcome.status == CalcStatus::NoMethod) {
        messages_->show(kNoMethodMessage, kProgramTitle, common::MessageIcon::Information);
    }
}

void Form1::calcular() {
    run(method_);
}

// The menu entry and the button compute the same: the method chosen.
void Form1::calcularMenu() {
    run(method_);
}

void Form1::applyLoadedMethod(Method method) {
    if (method == Method::Rankine) {
        selectRankine();
    } else if (method == Method::Coulomb) {
        selectCoulomb();
    } else if (method == Method::MononobeOkabe) {
        mononobeOkabe();
    }
}

void Form1::abrir() {
    const QString fileName = dialogs_.openFile(this, common::kDataFilter);
    if (fileName.isEmpty()) {
        return;
    }
    const DataFileLoad load = leerdatos(fileName.toStdString(), fields_, *messages_);
    if (!load.loaded) {
        return;
    }
    applyLoadedMethod(load.method);
    setWindowTitle("Drovines - " + fileName);
    form2_->setDataFile(fileName.toStdString());
}

void Form1::guardar() {
    // A file holds numbers: a text that is none is refused before the name is asked.
    if (!checkWallFields(fields_, method_, *messages_)) {
        return;
    }
    const QString fileName = dialogs_.saveFile(this, common::kDataFilter);
    if (fileName.isEmpty()) {
        return;
    }
    if (Guardard(fileName.toStdString(), fields_, method_, *messages_)) {
        setWindowTitle("Drovines - " + fileName);
        form2_->setDataFile(fileName.toStdString());
    }
}

void Form1::acercaDe() {
    if (about_ == nullptr) {
        about_ = new common::frmAbout(drovinesIdentity(), *messages_, this);
    }
    common::showInFront(*about_);
}

void Form1::notas() {
    if (notes_ == nullptr) {
        notes_ = new frmNotas(this);
    }
    common::showInFront(*notes_);
}

void Form1::salir() {
    common::leaveOnce(leaving_, *this);
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    salir();
}

}  // namespace drovines
