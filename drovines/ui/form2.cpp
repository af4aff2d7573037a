#include "drovines/ui/form2.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "common/ui/pdfexport.h"
#include "common/ui/printreport.h"
#include "common/ui/windowsize.h"
#include "drovines/fieldchecks.h"
#include "drovines/report.h"
#include "drovines/resultrows.h"
#include "drovines/ui/pdfreport.h"

namespace drovines {

namespace {

QString fieldName(int array, int k) {
    return QString("Text%1_%2").arg(array).arg(k);
}

// Captions in one column, symbols right-aligned against the fields, units after them.
QGroupBox* resultFrame(const ResultBlock& block, QWidget* parent) {
    auto* group = new QGroupBox(QString::fromStdString(block.frame), parent);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(1);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    int line = 0;
    for (const ResultRow& row : block.rows) {
        if (!row.heading.empty()) {
            auto* heading = new QLabel(QString::fromStdString(row.heading), group);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            grid->addWidget(heading, line++, 0, 1, 4);
        }
        grid->addWidget(new QLabel(QString::fromStdString(row.words), group), line, 0);
        grid->addWidget(new QLabel(QString::fromStdString(row.symbol), group), line, 1,
                        Qt::AlignRight);
        auto* value = new QLineEdit(group);
        value->setObjectName(fieldName(block.array, fieldElement(block.array, row.index)));
        value->setReadOnly(true);
        value->setAlignment(Qt::AlignRight);
        value->setFixedWidth(70);
        // Rows no taller than the text, so that the four frames fit a small screen.
        value->setFixedHeight(value->fontMetrics().height() + 4);
        grid->addWidget(value, line, 2);
        grid->addWidget(new QLabel(QString::fromStdString(row.unit), group), line, 3);
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

    // The frames scroll inside the window when the screen is smaller than they are; the buttons
    // stay in sight below them.
    auto* outer = new QVBoxLayout(this);
    scroll_ = new QScrollArea(this);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll_);
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(resultFrame(resultBlock(1), content), 0, 0);
    grid->addWidget(resultFrame(resultBlock(2), content), 0, 1);
    grid->addWidget(resultFrame(resultBlock(3), content), 1, 0);
    grid->addWidget(resultFrame(resultBlock(4), content), 1, 1);
    seismicFrame_ = resultFrame(resultBlock(kSeismicArray), content);
    seismicFrame_->setObjectName("Frame5");
    grid->addWidget(seismicFrame_, 0, 2, 2, 1);
    seismicFrame_->hide();
    scroll_->setWidget(content);
    outer->addWidget(scroll_);

    auto* buttons = new QHBoxLayout;
    auto* back = button(this, "Command1", "Volver");
    auto* save = button(this, "Command2", "Guardar ");
    auto* print = button(this, "Command3", "Imprimir");
    auto* pdf = button(this, "Command4", "Exportar PDF...");
    buttons->addStretch();
    for (QPushButton* b : {back, save, print, pdf}) {
        buttons->addWidget(b);
    }
    grid->addWidget(buildChecksFrame(), 2, 0, 1, 3);
    outer->addLayout(buttons);
    connect(pdf, &QPushButton::clicked, this, &Form2::exportarPdf);
    connect(back, &QPushButton::clicked, this, &Form2::volver);
    connect(save, &QPushButton::clicked, this, &Form2::guardar);
    connect(print, &QPushButton::clicked, this, &Form2::imprimir);
}

QLineEdit* Form2::valueField(int array, int k) const {
    return findChild<QLineEdit*>(fieldName(array, k));
}

void Form2::fill(const Resultados& resultados, const QString& caption, bool seismic) {
    shown_ = resultados;
    // The report describes the data of these figures, whatever the fields say later.
    calculated_ = common::MemoryFields{};
    for (const std::string& name : everyWallField()) {
        calculated_.setText(name, fields_.text(name));
    }
    calculatedOption_ = selectedOption_();
    filled_ = true;
    seismic_ = seismic;
    seismicFrame_->setVisible(seismic);
    for (const ResultBlock& block : resultBlocks()) {
        for (const ResultRow& row : block.rows) {
            const float value = resultados[static_cast<std::size_t>(row.index)];
            valueField(block.array, fieldElement(block.array, row.index))
                ->setText(QString::fromStdString(resultText(value)));
        }
    }
    setWindowTitle(caption);
    showVerdicts();
    // The frames whole and the buttons below them, as far as the screen allows.
    QWidget* content = scroll_->widget();
    content->layout()->activate();
    const QSize frames = content->sizeHint();
    // Never squeezed below what the captions need: a small screen scrolls instead.
    content->setMinimumSize(frames);
    const QMargins margins = layout()->contentsMargins();
    const int buttons = layout()->itemAt(1)->sizeHint().height() + layout()->spacing();
    common::resizeWithinScreen(*this,
                               QSize(frames.width() + margins.left() + margins.right(),
                                     frames.height() + buttons + margins.top() + margins.bottom()));
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
    if (!filled_) {
        return reportLines(fields_, selectedOption_(), shown_, seismic_);
    }
    return reportLines(calculated_, calculatedOption_, shown_, seismic_);
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
    Minimums values{};
    const bool checked = minimums(values);
    const auto pdf = [this, values](const std::string& path) {
        return writePdf(path, values, nullptr);
    };
    if (!common::printOrWritePdf(
            printer, currentReport(),
            checked ? std::function<bool(const std::string&)>(pdf) : nullptr)) {
        messages_.show("No se pudo imprimir el informe.", "ERROR", common::MessageIcon::Critical);
    }
}

void Form2::exportarPdf() {
    Minimums values{};
    if (!minimums(values)) {
        return;
    }
    common::exportPdf(this, dialogs_, messages_,
                      [this, values](const std::string& path, std::string* error) {
                          return writePdf(path, values, error);
                      });
}

bool Form2::writePdf(const std::string& path, const Minimums& values, std::string* error) const {
    const WallReport report{fields_, selectedOption_(), shown_, seismic_, values, dataFile_};
    return writePdfReport(path, report, error);
}

QWidget* Form2::buildChecksFrame() {
    auto* group = new QGroupBox("Factores de seguridad minimos", this);
    group->setObjectName("Frame6");
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(2);
    for (int k = 0; k < kSafetyChecks; ++k) {
        const SafetyCheck& check = safetyChecks()[static_cast<std::size_t>(k)];
        auto* caption =
            new QLabel(QString("%1 (%2) minimo").arg(check.name).arg(check.symbol), group);
        auto* field = new QLineEdit(QString::number(check.defaultMinimum), group);
        field->setObjectName(QString("Minimo_%1").arg(k));
        field->setFixedWidth(60);
        field->setAlignment(Qt::AlignRight);
        auto* verdict = new QLabel(group);
        verdict->setObjectName(QString("Cumple_%1").arg(k));
        verdict->setMinimumWidth(70);
        grid->addWidget(caption, 0, 3 * k);
        grid->addWidget(field, 0, 3 * k + 1);
        grid->addWidget(verdict, 0, 3 * k + 2);
        minimumFields_[static_cast<std::size_t>(k)] = field;
        verdicts_[static_cast<std::size_t>(k)] = verdict;
        connect(field, &QLineEdit::textChanged, this, &Form2::showVerdicts);
    }
    return group;
}

// A minimum that is not a positive number shows no verdict until it is mended.
void Form2::showVerdicts() {
    for (int k = 0; k < kSafetyChecks; ++k) {
        const auto i = static_cast<std::size_t>(k);
        double minimum = 0;
        std::string text;
        if (minimumFields_[i] != nullptr &&
            readMinimum(minimumFields_[i]->text().toStdString(), minimum)) {
            text = verdict(shown_[static_cast<std::size_t>(safetyChecks()[i].index)], minimum);
        }
        verdicts_[i]->setText(QString::fromStdString(text));
        verdicts_[i]->setStyleSheet(text == "no cumple" ? "color: #c00000; font-weight: bold" : "");
    }
}

bool Form2::minimums(Minimums& values) {
    for (int k = 0; k < kSafetyChecks; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (!readMinimum(minimumFields_[i]->text().toStdString(), values[i])) {
            messages_.show("El factor de seguridad minimo de " +
                               std::string(safetyChecks()[i].name) +
                               " debe ser un numero positivo.",
                           "ERROR", common::MessageIcon::Critical);
            return false;
        }
    }
    return true;
}

}  // namespace drovines
