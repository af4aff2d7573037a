#include "fendrolas/ui/form3.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "common/ui/figurepicture.h"
#include "common/ui/figureview.h"
#include "fendrolas/footingfigures.h"
#include "fendrolas/ui/comparisonchart.h"

namespace fendrolas {

namespace {

constexpr int kChartWidth = 370;
constexpr int kChartHeight = 440;

QLabel* chartHeading(QWidget* parent, const QString& name, const QString& text, int x) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setGeometry(x, 8, kChartWidth, 20);
    label->setMinimumWidth(kChartWidth);
    return label;
}

common::FigureView* chartArea(QWidget* parent, const QString& name, int x) {
    auto* area = new common::FigureView(parent);
    area->setObjectName(name);
    area->setGeometry(x, 32, kChartWidth, kChartHeight);
    area->setMinimumSize(kChartWidth, kChartHeight);
    area->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Small enough for the legend lines not to run into each other.
    QFont small = area->font();
    small.setPointSize(7);
    area->setFont(small);
    return area;
}

}  // namespace

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Form3");
    setWindowTitle("Comparacion de resultados");
    resize(2 * kChartWidth + 36, kChartHeight + 84);

    chartHeading(this, "Label1", "PRESION DE HUNDIMIENTO ", 12);
    chartHeading(this, "Label2", "CARGA DE HUNDIMIENTO", kChartWidth + 24);
    quChart_ = chartArea(this, "Picture1", 12);
    nuChart_ = chartArea(this, "Picture2", kChartWidth + 24);

    auto* close = new QPushButton("Cerrar", this);
    close->setObjectName("Command1");
    close->setGeometry(width() / 2 - 50, kChartHeight + 44, 100, 28);
    close->setFixedSize(100, 28);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* pdf = new QPushButton("Exportar PDF...", this);
    pdf->setObjectName("Command2");
    pdf->setFixedSize(138, 28);
    connect(pdf, &QPushButton::clicked, this, &Form3::exportarPdf);

    // The two charts share what the window grows by.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 8, 12, 12);
    grid->setHorizontalSpacing(12);
    grid->addWidget(findChild<QWidget*>("Label1"), 0, 0);
    grid->addWidget(findChild<QWidget*>("Label2"), 0, 1);
    grid->addWidget(quChart_, 1, 0);
    grid->addWidget(nuChart_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(pdf);
    buttons->addStretch();
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setRowStretch(1, 1);
}

// A chart is drawn for the size of its area: a larger window draws it again.
void Form3::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (shown_) {
        grafico(*shown_);
    }
}

// The figures last charted, or none yet.
ComparisonData Form3::shownData() const {
    return shown_.value_or(ComparisonData{});
}

void Form3::setReportTools(common::FileDialogs dialogs, common::MessageSink& messages,
                           common::PdfReportWriter writePdf) {
    const bool first = messages_ == nullptr;
    dialogs_ = std::move(dialogs);
    messages_ = &messages;
    writePdf_ = std::move(writePdf);
    if (first) {
        common::offerPictureSave(
            quChart_,
            [this] {
                return comparisonFigure(shownData().quTable, shownData().maxQu, "qu [kN/m2]");
            },
            dialogs_, messages);
        common::offerPictureSave(
            nuChart_,
            [this] { return comparisonFigure(shownData().NuTable, shownData().maxNu, "Nu [kN]"); },
            dialogs_, messages);
    }
}

void Form3::exportarPdf() {
    if (messages_ != nullptr) {
        common::exportPdf(this, dialogs_, *messages_, writePdf_);
    }
}

void Form3::grafico(const ComparisonData& data) {
    shown_ = data;
    quChart_->setFigure(comparisonFigure(data.quTable, data.maxQu, "qu [kN/m2]"));
    nuChart_->setFigure(comparisonFigure(data.NuTable, data.maxNu, "Nu [kN]"));
}

}  // namespace fendrolas
