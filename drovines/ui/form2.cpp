#include "drovines/ui/form2.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>

#include "common/ui/printreport.h"
#include "drovines/report.h"

namespace drovines {

namespace {

// A row of a frame: caption words, symbol, field (array and element) and unit. A row without a
// field (array 0) is a heading.
struct Row {
    const char* words;
    const char* symbol;
    int array;
    int k;
    const char* unit;
};

const std::vector<Row> kCalculos = {
    {"Coeficiente de empuje activo", "ka=", 1, 1, ""},
    {"Profundidad grieta de coehesin", "zo=", 1, 2, "m"},
    {"Tension a la altura de la napa", "S1=", 1, 3, "kN/m2"},
    {"Tension  en la base", "S2=", 1, 4, "kN/m2"},
    {"Tension del agua en la base", "S3=", 1, 0, "kN/m2"},
    {"Empuje del suelo sobre la napa", "E1=", 1, 5, "kN/m"},
    {"Empuje del suelo sumergido", "E2=", 1, 6, "kN/m"},
    {"Empuje del agua", "Ew=", 1, 7, "kN/m"},
    {"Empuje de la sobrecarga", "Eq=", 1, 8, "kN/m"},
    {"Empuje activo total", "Ea=", 1, 9, "kN/m"},
    {"Angulo del empuje con la horizontal", "d=", 1, 10, "º"},
    {"Peso del muro", "Pm=", 1, 11, "kN/m"},
    {"Peso de la cuña de suelo estabilizante", "Es=", 1, 12, "kN/m"},
    {"Empuje activo horizontal", "Eah=", 1, 13, "kN/m"},
    {"Empuje activo vertical", "Eav=", 1, 14, "kN/m"},
    {"Fuerza de subpresion", "Es=", 1, 15, "kN/m"},
};

const std::vector<Row> kVuelco = {
    {"Momento de vuelco producido por:", "", 0, 0, ""},
    {"Empuje activo sobre la napa", "M1=", 2, 0, "kNm/m"},
    {"Empuje suelo sumergido", "M2=", 2, 1, "kNm/m"},
    {"Empuje del agua", "Mw=", 2, 2, "kNm/m"},
    {"Empuje de la sobrecarga", "Mq=", 2, 3, "kNm/m"},
    {"Empuje de la subpresion", "Ms=", 2, 4, "kNm/m"},
    {"Momento de vuelco total", "Mv=", 2, 5, "kNm/m"},
    {"Momento estabilizante producido por:", "", 0, 0, ""},
    {"Peso del muro", "Me1=", 2, 6, "kNm/m"},
    {"Cuña  de suelo  y sobrecarga", "Me2=", 2, 7, "kNm/m"},
    {"Empuje vertical sobre la napa", "Me3=", 2, 8, "kNm/m"},
    {"Empuje vertical suelo sumergido", "Me4=", 2, 9, "kNm/m"},
    {"Empuje vertical de la sobrecarga", "Me5=", 2, 10, "kNm/m"},
    {"Momento estabilizante total", "Me=", 2, 11, "kNm/m"},
    {"Factor de seguridad contra el vuelco", "Fsv=", 2, 12, ""},
};

const std::vector<Row> kVerticales = {
    {"Peso del muro", "Pm=", 3, 0, "kN/m"},
    {"Peso cuña de suelo y sobrecarga", "Ps=", 3, 1, "kN/m"},
    {"Empuje vertical suelo humedo", "V1=", 3, 2, "kN/m"},
    {"Empuje vertical suelo sumergido", "V2=", 3, 3, "kN/m"},
    {"Empuje vertical sobrecarga", "V3=", 3, 4, "kN/m"},
    {"Carga vertical  total", "N=", 3, 5, "kN/m"},
    {"Carga vertical efectiva", "Nef=N-Psub=", 3, 6, "kN/m"},
    {"Excentricidad en la base", "ex=", 3, 7, "m"},
    {"Carga de hundimiento", "Nu=", 3, 8, "kN/m"},
    {"Factor de seguridad contra el hundimiento", "Fsv=", 3, 9, ""},
};

const std::vector<Row> kDeslizamiento = {
    {"Empuje horizontal suelo humedo", "H1=", 4, 0, "kN/m"},
    {"Empuje horizontal suelo sumergido", "H2=", 4, 1, "kN/m"},
    {"Empuje horizontal del agua", "H3=", 4, 2, "kN/m"},
    {"Empuje horizontal sobrecarga", "H4=", 4, 3, "kN/m"},
    {"Fuerza de deslizamiento", "Fd=", 4, 4, "kN/m"},
    {"Fuerza que se opone al deslizamiento ", "Fdo=Nef*tan(d2)=", 4, 5, "kN/m"},
    {"Factor de seguridad contra el deslizamiento", "Fsd=", 4, 6, ""},
};

QString fieldName(int array, int k) {
    return QString("Text%1_%2").arg(array).arg(k);
}

// Captions in one column, symbols right-aligned against the fields, units after them.
QGroupBox* resultFrame(const QString& title, const std::vector<Row>& rows, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(6);
    int line = 0;
    for (const Row& row : rows) {
        if (row.array == 0) {
            auto* heading = new QLabel(row.words, group);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            grid->addWidget(heading, line++, 0, 1, 4);
            continue;
        }
        grid->addWidget(new QLabel(row.words, group), line, 0);
        grid->addWidget(new QLabel(row.symbol, group), line, 1, Qt::AlignRight);
        auto* value = new QLineEdit(group);
        value->setObjectName(fieldName(row.array, row.k));
        value->setReadOnly(true);
        value->setAlignment(Qt::AlignRight);
        value->setFixedWidth(86);
        grid->addWidget(value, line, 2);
        grid->addWidget(new QLabel(row.unit, group), line, 3);
        ++line;
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(line, 1);
    return group;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setMinimumWidth(100);
    return b;
}

}  // namespace

Form2::Form2(common::FieldTexts& fields, std::function<Method()> selectedOption,
             common::MessageSink& messages, common::FileDialogs dialogs, QWidget* mainWindow)
    : fields_(fields),
      selectedOption_(std::move(selectedOption)),
      messages_(messages),
      dialogs_(std::move(dialogs)),
      mainWindow_(mainWindow) {
    setObjectName("Form2");
    setWindowTitle("Resultados");
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    auto* grid = new QGridLayout(this);
    grid->addWidget(resultFrame("Calculos", kCalculos, this), 0, 0);
    grid->addWidget(resultFrame("Seguridad al vuelco", kVuelco, this), 0, 1);
    grid->addWidget(resultFrame("Seguridad a cargas verticales", kVerticales, this), 1, 0);
    grid->addWidget(resultFrame("Seguridad al deslizamiento", kDeslizamiento, this), 1, 1);

    auto* buttons = new QHBoxLayout;
    auto* back = button(this, "Command1", "Volver");
    auto* save = button(this, "Command2", "Guardar ");
    auto* print = button(this, "Command3", "Imprimir");
    buttons->addStretch();
    for (QPushButton* b : {back, save, print}) {
        buttons->addWidget(b);
    }
    grid->addLayout(buttons, 2, 0, 1, 2);
    connect(back, &QPushButton::clicked, this, &Form2::volver);
    connect(save, &QPushButton::clicked, this, &Form2::guardar);
    connect(print, &QPushButton::clicked, this, &Form2::imprimir);
}

int Form2::resultIndex(int array, int k) {
    switch (array) {
        case 1:
            return k == 0 ? 50 : k;
        case 2:
            return 16 + k;
        case 3:
            return 29 + k;
        default:
            return 39 + k;
    }
}

QLineEdit* Form2::valueField(int array, int k) const {
    return findChild<QLineEdit*>(fieldName(array, k));
}

void Form2::fill(const Resultados& resultados, const QString& caption) {
    shown_ = resultados;
    for (int array = 1; array <= 4; ++array) {
        for (int k = 0; k < kArraySizes[static_cast<std::size_t>(array - 1)]; ++k) {
            const float value = resultados[static_cast<std::size_t>(resultIndex(array, k))];
            valueField(array, k)->setText(QString::fromStdString(resultText(value)));
        }
    }
    setWindowTitle(caption);
    show();
    raise();
    activateWindow();
    mainWindow_->hide();
}

void Form2::volver() {
    mainWindow_->show();
    close();
}

// Closed from its title bar it also gives the main window back, or the program would have none.
void Form2::closeEvent(QCloseEvent* event) {
    mainWindow_->show();
    event->accept();
}

// The fields are read-only, so the figures they show are those of the last fill.
std::vector<std::string> Form2::currentReport() const {
    return reportLines(fields_, selectedOption_(), shown_);
}

void Form2::guardar() {
    const QString fileName = dialogs_.saveFile(this, common::kReportFilter);
    if (fileName.isEmpty()) {
        return;
    }
    saveReport(fileName.toStdString(), currentReport(), messages_);
}

void Form2::imprimir() {
    QPrinter printer;
    if (!dialogs_.setupPrinter(printer, this)) {
        return;
    }
    if (!common::printReport(printer, currentReport())) {
        messages_.show("No se pudo imprimir el informe.", "ERROR", common::MessageIcon::Critical);
    }
}

}  // namespace drovines
