#include "marvecos/ui/intersliceview.h"

#include <QAction>
#include <QBuffer>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QTableWidget>

#include "common/patterntext.h"
#include "common/safefile.h"
#include "common/ui/figurepicture.h"

namespace marvecos {

namespace {

const char* const kHeadings[] = {"x", "E", "X", "y empuje"};
constexpr int kColumnWidth = 72;
const QColor kForceColor(0, 0, 170);   // blue of the classic palette
const QColor kMomentColor(170, 0, 0);  // red

QString number(double value, const char* pattern) {
    return QString::fromStdString(common::formatPattern(value, pattern));
}

void setCell(QTableWidget* grid, int row, int column, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(column == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
    grid->setItem(row, column, item);
}

void paintCurve(QPainter& painter, const std::vector<std::vector<ChartPoint>>& pieces,
                const QColor& color) {
    painter.setPen(QPen(color, 2));
    for (const std::vector<ChartPoint>& piece : pieces) {
        for (std::size_t i = 1; i < piece.size(); ++i) {
            painter.drawLine(QPointF(piece[i - 1].x, piece[i - 1].y),
                             QPointF(piece[i].x, piece[i].y));
        }
    }
}

}  // namespace

FactorChart::FactorChart(QWidget* parent) : QWidget(parent) {
    setObjectName("Chart1");
}

FactorChartFigure FactorChart::figure() const {
    return tables_ ? factorChartFigure(*tables_, width(), height()) : FactorChartFigure{};
}

QImage FactorChart::render() {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QWidget::render(&painter);
    return image;
}

void FactorChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintChart(painter, size());
}

QByteArray FactorChart::picture(bool svg) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size());
        generator.setViewBox(QRect(QPoint(0, 0), size()));
        QPainter painter(&generator);
        paintChart(painter, size());
        return bytes;
    }
    // The screen's chart drawn kPictureDpi / 96 times larger, lines and letters alike.
    const double k = common::kPictureDpi / 96.0;
    QImage image(size() * k, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.scale(k, k);
        paintChart(painter, size());
    }
    const int dotsPerMetre = static_cast<int>(common::kPictureDpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.save(&buffer, "PNG");
    return bytes;
}

void FactorChart::paintChart(QPainter& painter, QSize area) const {
    painter.fillRect(QRect(QPoint(0, 0), area), Qt::white);
    if (!tables_) {
        return;
    }
    const FactorChartFigure f = factorChartFigure(*tables_, area.width(), area.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.drawRect(QRectF(QPointF(f.left, f.top), QPointF(f.right, f.bottom)));
    const QFontMetrics metrics(painter.font());
    for (const FigureText& t : f.lambdaTicks) {
        painter.drawLine(QPointF(t.x, f.bottom), QPointF(t.x, f.bottom + 4));
        const QString text = QString::fromStdString(t.text);
        painter.drawText(
            QPointF(t.x - metrics.horizontalAdvance(text) / 2.0, f.bottom + 6 + metrics.ascent()),
            text);
    }
    for (const FigureText& t : f.fTicks) {
        painter.drawLine(QPointF(f.left - 4, t.y), QPointF(f.left, t.y));
        const QString text = QString::fromStdString(t.text);
        painter.drawText(
            QPointF(f.left - 6 - metrics.horizontalAdvance(text), t.y + metrics.ascent() / 2.0),
            text);
    }
    painter.drawText(QPointF(f.right - metrics.horizontalAdvance("lambda"), area.height() - 4),
                     "lambda");
    paintCurve(painter, f.force, kForceColor);
    paintCurve(painter, f.moment, kMomentColor);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawEllipse(QPointF(f.solution.x, f.solution.y), 5, 5);
    painter.setPen(kForceColor);
    painter.drawText(QPointF(f.left + 8, f.top - 8), "Ff (fuerzas)");
    painter.setPen(kMomentColor);
    painter.drawText(QPointF(f.left + 120, f.top - 8), "Fm (momentos)");
}

InterSliceView::InterSliceView(QWidget* resultsWindow) : QWidget(resultsWindow, Qt::Window) {
    setObjectName("FuerzasEntreDovelas");
    setWindowTitle("Fuerzas entre dovelas");
    setFixedSize(900, 460);

    auto* forces = new QGroupBox("Fuerzas entre dovelas", this);
    forces->setGeometry(8, 8, 360, 404);
    grid_ = new QTableWidget(1, 5, forces);
    grid_->setObjectName("Grid4");
    grid_->setGeometry(8, 22, 344, 372);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setColumnWidth(0, 36);
    for (int column = 1; column <= 4; ++column) {
        grid_->setColumnWidth(column, kColumnWidth);
    }

    auto* chartBox = new QGroupBox("Factores de seguridad de fuerzas y de momentos", this);
    chartBox->setGeometry(376, 8, 516, 404);
    chart_ = new FactorChart(chartBox);
    chart_->setGeometry(8, 22, 500, 372);

    summary_ = new QLabel(this);
    summary_->setObjectName("Label3");
    summary_->setGeometry(8, 420, 700, 28);

    auto* back = new QPushButton("Volver", this);
    back->setObjectName("Command1");
    back->setGeometry(776, 420, 116, 30);
    connect(back, &QPushButton::clicked, this, &QWidget::hide);

    auto* picture = new QAction("Guardar imagen...", chart_);
    picture->setObjectName("GuardarImagen");
    chart_->addAction(picture);
    chart_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(picture, &QAction::triggered, this, &InterSliceView::savePicture);
}

void InterSliceView::setPictureTools(std::function<QString(const QString& filter)> askName,
                                     common::MessageSink& messages) {
    askName_ = std::move(askName);
    messages_ = &messages;
}

void InterSliceView::savePicture() {
    if (!askName_ || messages_ == nullptr) {
        return;
    }
    const QString name = askName_(common::kPictureFilter);
    if (name.isEmpty()) {
        return;
    }
    const QByteArray bytes = chart_->picture(name.endsWith(".svg", Qt::CaseInsensitive));
    if (bytes.isEmpty() || !common::writeFileSafely(name.toStdString(), bytes.toStdString())) {
        messages_->show("No se pudo guardar la imagen " + name.toStdString(), "ERROR",
                        common::MessageIcon::Critical);
    }
}

void InterSliceView::show(const InterSliceTables& t) {
    grid_->clearContents();
    grid_->setRowCount(static_cast<int>(t.boundaries.size()) + 1);
    setCell(grid_, 0, 0, "i");
    for (int k = 0; k < 4; ++k) {
        setCell(grid_, 0, k + 1, kHeadings[k]);
    }
    for (std::size_t i = 0; i < t.boundaries.size(); ++i) {
        const InterSliceTables::Boundary& b = t.boundaries[i];
        const int row = static_cast<int>(i) + 1;
        setCell(grid_, row, 0, QString::number(row));
        setCell(grid_, row, 1, number(b.x, "####0.000"));
        setCell(grid_, row, 2, number(b.E, "####0.000"));
        setCell(grid_, row, 3, number(b.X, "####0.000"));
        setCell(grid_, row, 4, b.thrustDefined ? number(b.yThrust, "####0.000") : "-");
    }
    summary_->setText(QString("fs= %1    lambda= %2    dovelas con N' negativa: %3")
                          .arg(number(t.F, "####0.000"), number(t.lambda, "####0.0000"))
                          .arg(t.tensionSlices));
    chart_->setTables(t);
    QWidget::show();
    raise();
}

}  // namespace marvecos
