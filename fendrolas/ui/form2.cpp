#include "fendrolas/ui/form2.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "common/fieldvalue.h"
#include "common/patterntext.h"
#include "common/printline.h"
#include "common/safefile.h"
#include "common/ui/figurepicture.h"
#include "common/ui/figureview.h"
#include "common/ui/palette.h"
#include "common/ui/printreport.h"
#include "fendrolas/fieldchecks.h"
#include "fendrolas/footingfigures.h"
#include "fendrolas/methods/readers.h"
#include "fendrolas/ui/effectiveareas.h"

namespace fendrolas {

namespace {

constexpr int kGridColumns = 7;
constexpr int kGridRows = 6;
constexpr int kFactorColumnWidth = 700 / 15;  // 700 twips
constexpr int kStateColumnWidth = 50;
constexpr int kGridRowHeight = 20;

// What one grid shows for one method: the headings of columns 1..6 ("" = left as it was) and
// the table row of each column (0 = no value).
struct GridContent {
    std::array<const char*, 6> headings;
    std::array<int, 6> rows;
};

// A column that shows no table row.
constexpr int kNoRow = 0;
const GridContent kNotSet = {{"", "", "", "", "", ""},
                             {kNoRow, kNoRow, kNoRow, kNoRow, kNoRow, kNoRow}};
const std::array<int, 6> kInclinationRows = {kRowIcb, kRowIcL, kRowIqb, kRowIqL, kRowIgb, kRowIgL};

GridContent shapeContent(int method) {
    const std::array<int, 6> rows = {kRowScb, kRowScL, kRowSqb, kRowSqL, kRowSgb, kRowSgL};
    switch (method) {
        case kBrinchHansen:
            return {{"scb", "scL", "sqb", "sqL", "sgb", "sgL"}, rows};
        case kMeyerhof:
        case kVesic:
        case kCcsr:
            return {{"sc", "---", "sq", "---", "sg", "---"}, rows};
        case kTerzaghi:
            return {{"sc", "---", "---", "---", "sg", "---"}, rows};
        default:
            return kNotSet;
    }
}

GridContent depthContent(int method) {
    const std::array<int, 6> rows = {kRowDcb, kRowDcL, kRowDqb, kRowDqL, kRowDg, kNoRow};
    switch (method) {
        case kBrinchHansen:
            return {{"dcb", "dcL", "dqb", "dqL", "dg", ""}, rows};
        case kMeyerhof:
        case kVesic:
        case kCcsr:
            return {{"dc", "---", "dq", "---", "dg", "---"}, rows};
        case kTerzaghi:
            return {{"---", "---", "---", "---", "---", "---"}, rows};
        default:
            return kNotSet;
    }
}

GridContent inclinationContent(int method) {
    switch (method) {
        case kBrinchHansen:
            return {{"icb", "icL", "iqb", "iqL", "igb", "igL"}, kInclinationRows};
        case kVesic:
            return {{"ic", "---", "iq", "---", "ig", " m"},
                    {kRowIc, kRowIcL, kRowIq, kRowIqL, kRowIg, kRowM}};
        case kMeyerhof:
            return {{"ic", "---", "iq", "---", "ig", "---"}, kInclinationRows};
        case kCcsr:
            return {{"ic", "---", "iq", "---", "ig", "---"},
                    {kRowIc, kRowIcL, kRowIq, kRowIqL, kRowIg, kNoRow}};
        case kTerzaghi:
            return {{"---", "---", "---", "---", "---", "---"}, kInclinationRows};
        default:
            return kNotSet;
    }
}

void setCell(QTableWidget* grid, int row, int column, const QString& text) {
    QTableWidgetItem* item = grid->item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled);
        grid->setItem(row, column, item);
    }
    item->setText(text);
}

// A column with a heading of its own but no row of this method shows no values: a value left
// by another method would stand under the wrong heading.
void fillGrid(QTableWidget* grid, const GridContent& content, const MethodResults& table) {
    setCell(grid, 0, 0, "Estado");
    for (int i = 1; i <= kStates; ++i) {
        setCell(grid, i, 0, QString::number(i));
    }
    for (int column = 1; column <= 6; ++column) {
        const char* heading = content.headings[column - 1];
        const int row = content.rows[column - 1];
        if (*heading != '\0') {
            setCell(grid, 0, column, heading);
        }
        for (int i = 1; i <= kStates; ++i) {
            if (row != kNoRow) {
                setCell(grid, i, column,
                        QString::fromStdString(common::formatPattern(table(row, i), "####0.00")));
            } else if (*heading != '\0') {
                setCell(grid, i, column, QString());
            }
        }
    }
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text, QRect geometry) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    return b;
}

}  // namespace

Form2::Form2(common::FieldTexts& fields, common::MessageSink& messages, common::FileDialogs dialogs,
             QWidget* mainWindow, std::string directory)
    : QWidget(nullptr, Qt::Window),
      fields_(fields),
      messages_(messages),
      dialogs_(std::move(dialogs)),
      mainWindow_(mainWindow),
      directory_(std::move(directory)) {
    setObjectName("Form2");
    setWindowTitle("Resultados parciales");
    setMinimumSize(kDesignedSize);
    resize(kDesignedSize);

    label4_ = new QLabel("0", this);
    label4_->setObjectName("Label4");
    label4_->hide();

    buildFactorLabels();
    buildGrids();
    buildAreas();
    buildWaterFrame();
    buildButtons();
    prepareGrids();
}

void Form2::buildFactorLabels() {
    auto* group = new QGroupBox("Factores de carga", this);
    group->setObjectName("Frame1");
    group->setGeometry(8, 4, 360, 52);
    const char* names[] = {"Label1", "Label2", "Label3"};
    for (int k = 0; k < 3; ++k) {
        auto* label = new QLabel(group);
        label->setObjectName(names[k]);
        label->setGeometry(10 + 116 * k, 22, 110, 20);
        factorLabels_[static_cast<std::size_t>(k)] = label;
    }
}

void Form2::buildGrids() {
    const char* titles[] = {"Factores de forma", "Factores de profundidad",
                            "Factores de inclinacion"};
    const char* names[] = {"Grid1", "Grid2", "Grid3"};
    const int gridWidth = kStateColumnWidth + 6 * kFactorColumnWidth + 4;
    const int gridHeight = kGridRows * kGridRowHeight + 4;
    for (int k = 0; k < 3; ++k) {
        auto* group = new QGroupBox(titles[k], this);
        group->setObjectName(QString("Frame%1").arg(k + 2));
        group->setGeometry(8, 62 + k * 160, 360, gridHeight + 32);
        auto* grid = new QTableWidget(kGridRows, kGridColumns, group);
        grid->setObjectName(names[k]);
        grid->setGeometry(10, 22, gridWidth, gridHeight);
        grid->horizontalHeader()->hide();
        grid->verticalHeader()->hide();
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setSelectionMode(QAbstractItemView::NoSelection);
        grid->setFocusPolicy(Qt::NoFocus);
        grid->setColumnWidth(0, kStateColumnWidth);
        for (int row = 0; row < kGridRows; ++row) {
            grid->setRowHeight(row, kGridRowHeight);
        }
        grids_[static_cast<std::size_t>(k)] = grid;
    }
}

void Form2::buildAreas() {
    auto* group = new QGroupBox(this);
    group->setObjectName("Frame5");
    group->setGeometry(380, 4, 402, 340);
    auto* caption = new QLabel("AREAS EFECTIVAS           DE CARGA", group);
    caption->setObjectName("Label5");
    caption->setTextFormat(Qt::PlainText);
    caption->setWordWrap(true);
    caption->setAlignment(Qt::AlignCenter);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    caption->setGeometry(130, 8, 140, 40);

    for (int i = 0; i < kStates; ++i) {
        auto* area = new common::FigureView(group);
        area->setObjectName(QString("Picture1_%1").arg(i));
        areas_[static_cast<std::size_t>(i)] = area;
        common::offerPictureSave(
            area, [this] { return effectiveAreasOf(fields_); }, dialogs_, messages_);
    }
    placeAreas(1.0, 0);
}

// The five areas in two rows, `scale` times their designed size, centred `shift` pixels right.
void Form2::placeAreas(double scale, int shift) {
    constexpr int side = 124;
    const QPoint places[kStates] = {{8, 56}, {138, 56}, {268, 56}, {73, 200}, {203, 200}};
    for (int i = 0; i < kStates; ++i) {
        const int s = static_cast<int>(side * scale);
        areas_[static_cast<std::size_t>(i)]->setGeometry(
            QRect(static_cast<int>(places[i].x() * scale) + shift,
                  static_cast<int>((places[i].y() - 56) * scale) + 56, s, s));
    }
}

// The grids keep their size; what the window grows by goes to the drawings of the areas, the
// water-table frame and the buttons following below and to the right of them.
void Form2::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (waterFrame_ == nullptr) {
        return;  // not built yet
    }
    const int dw = width() - kDesignedSize.width();
    const int dh = height() - kDesignedSize.height();
    auto* areas = findChild<QWidget*>("Frame5");
    areas->setGeometry(380, 4, 402 + dw, 340 + dh);
    areas->findChild<QWidget*>("Label5")->move(130 + dw / 2, 8);
    const double scale = std::min((402.0 + dw) / 402.0, (340.0 + dh - 56) / (340.0 - 56));
    placeAreas(scale, static_cast<int>((402 + dw - 402 * scale) / 2));
    waterFrame_->move(380, 350 + dh);
    for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5"}) {
        auto* b = findChild<QWidget*>(name);
        b->move(b->x() - lastShift_.width() + dw, b->y() - lastShift_.height() + dh);
    }
    lastShift_ = QSize(dw, dh);
}

void Form2::buildWaterFrame() {
    auto* group = new QGroupBox("Napa freatica", this);
    group->setObjectName("Frame6");
    group->setGeometry(380, 350, 402, 150);
    waterLabel_ = new QLabel(group);
    waterLabel_->setObjectName("Label6");
    waterLabel_->setGeometry(10, 22, 384, 40);
    waterLabel_->setWordWrap(true);

    constexpr int stateColumnWidth = 54;
    waterGrid_ = new QTableWidget(2, kStates + 1, group);
    waterGrid_->setObjectName("Grid4");
    waterGrid_->setGeometry(10, 70, kStateColumnWidth * 2 + stateColumnWidth * kStates + 4,
                            2 * kGridRowHeight + 4);
    waterGrid_->horizontalHeader()->hide();
    waterGrid_->verticalHeader()->hide();
    waterGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    waterGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    waterGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    waterGrid_->setSelectionMode(QAbstractItemView::NoSelection);
    waterGrid_->setFocusPolicy(Qt::NoFocus);
    waterGrid_->setColumnWidth(0, kStateColumnWidth * 2);
    for (int column = 1; column <= kStates; ++column) {
        waterGrid_->setColumnWidth(column, stateColumnWidth);
    }
    for (int row = 0; row < 2; ++row) {
        waterGrid_->setRowHeight(row, kGridRowHeight);
    }
    setCell(waterGrid_, 0, 0, "Estado");
    setCell(waterGrid_, 1, 0, "g [kN/m3]");
    for (int i = 1; i <= kStates; ++i) {
        setCell(waterGrid_, 0, i, QString::number(i));
    }
    waterFrame_ = group;
    waterFrame_->hide();
}

void Form2::fillWaterFrame(const WaterUsed& water) {
    waterFrame_->setVisible(water.given);
    if (!water.given) {
        return;
    }
    const auto text = [](double value, const char* pattern) {
        return QString::fromStdString(common::formatPattern(value, pattern));
    };
    waterLabel_->setText(
        "dw= " + text(water.dw, "####0.00") + " m     gsat= " + text(water.gsat, "####0.00") +
        " kN/m3\nq= " + text(water.q, "####0.00") + " kN/m2 al nivel de fundacion");
    for (int i = 1; i <= kStates; ++i) {
        setCell(waterGrid_, 1, i, text(water.gamma[i], "####0.00"));
    }
}

void Form2::buildButtons() {
    const int y = 516;
    auto* back = button(this, "Command1", "Volver", QRect(380, y, 94, 30));
    auto* draw = button(this, "Command2", "Graficar", QRect(482, y, 94, 30));
    auto* save = button(this, "Command3", "Guardar como", QRect(584, y, 94, 30));
    auto* print = button(this, "Command4", "Imprimir", QRect(686, y, 94, 30));
    auto* pdf = button(this, "Command5", "Exportar PDF...", QRect(584, y + 38, 196, 30));
    connect(back, &QPushButton::clicked, this, &Form2::volver);
    connect(draw, &QPushButton::clicked, this, &Form2::graficar);
    connect(save, &QPushButton::clicked, this, &Form2::guardarComo);
    connect(print, &QPushButton::clicked, this, &Form2::imprimir);
    connect(pdf, &QPushButton::clicked, this, &Form2::exportarPdf);
}

// Column widths of 700 twips, texts aligned left.
void Form2::prepareGrids() {
    for (QTableWidget* grid : grids_) {
        for (int column = 1; column < kGridColumns; ++column) {
            grid->setColumnWidth(column, kFactorColumnWidth);
            for (int row = 0; row < kGridRows; ++row) {
                if (QTableWidgetItem* item = grid->item(row, column)) {
                    item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                }
            }
        }
    }
}

void Form2::printpar(double Nq, double Nc, double Ngamma, const MethodResults& table, int method) {
    if (method < 1 || method > kMethods) {
        return;
    }
    factorLabels_[0]->setText("Nq= " +
                              QString::fromStdString(common::formatPattern(Nq, "####0.00")));
    factorLabels_[1]->setText("Nc= " +
                              QString::fromStdString(common::formatPattern(Nc, "####0.00")));
    factorLabels_[2]->setText("Ng= " +
                              QString::fromStdString(common::formatPattern(Ngamma, "####0.00")));
    fillGrid(shapeGrid(), shapeContent(method), table);
    fillGrid(depthGrid(), depthContent(method), table);
    fillGrid(inclinationGrid(), inclinationContent(method), table);
    fillWaterFrame(table.water);
    prepareGrids();
}

void Form2::setMethodNumber(int method) {
    label4_->setText(QString::number(method));
}

void Form2::setCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

void Form2::open() {
    if (mainWindow_ != nullptr) {
        mainWindow_->setEnabled(false);
        // Disabling a window disables the windows it owns too; the comparison window, the
        // coefficient dialogs and About stay usable.
        for (QWidget* child : mainWindow_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isWindow()) {
                child->setEnabled(true);
            }
        }
    }
    show();
    raise();
    activateWindow();
    prepareGrids();
}

void Form2::volver() {
    if (mainWindow_ != nullptr) {
        mainWindow_->setEnabled(true);
    }
    hide();
}

void Form2::closeEvent(QCloseEvent* event) {
    volver();
    event->accept();
}

void Form2::setCalculatedFields(const common::FieldTexts& calculated) {
    calculated_ = common::MemoryFields{};
    for (const std::string& name : everyFieldName()) {
        calculated_.setText(name, calculated.text(name));
    }
    source_ = &calculated_;
}

void Form2::graficar() {
    if (!drawAreas()) {
        messages_.show("No hay cargas que graficar: todos los estados tienen carga vertical nula.",
                       "Graficar", common::MessageIcon::Information);
    }
    update();
}

bool Form2::drawAreas() {
    // The drawing is the same whatever method Label4 names: it shows the base and the loads.
    const auto value = [&](const std::string& name) {
        return common::toSingle(common::fieldValue(source_->text(name)));
    };
    bool anyLoad = false;
    for (int i = 1; i <= kStates; ++i) {
        AreaInput input;
        input.Lx = value(soilField(kFieldLx));
        input.Ly = value(soilField(kFieldLy));
        input.V = value(loadField(kColumnV, i));
        input.Mxz = value(loadField(kColumnMxz, i));
        input.Myz = value(loadField(kColumnMyz, i));
        anyLoad = anyLoad || input.V != 0;
        drawEffectiveArea(*area(i), i, input, eccentricities_);
    }
    return anyLoad;
}

void Form2::paintEvent(QPaintEvent* event) {
    drawAreas();
    QWidget::paintEvent(event);
}

std::vector<std::string> Form2::currentReport() {
    MethodResults results;
    if (!readSummaryFile(directory_, results)) {
        return {};
    }
    return reportLines(results, *source_, eccentricities_);
}

namespace {

// The files each calculation rewrites and "Comparar" reads.
bool isResultFileName(const QString& path) {
    const std::string name = QFileInfo(path).fileName().toLower().toStdString();
    for (int method = 1; method <= kMethods; ++method) {
        if (name == methodFileName(method)) {
            return true;
        }
    }
    return name == kSummaryFileName;
}

}  // namespace

void Form2::guardarComo() {
    const QString fileName = dialogs_.saveFile(this, common::kReportFilter);
    if (fileName.isEmpty()) {
        return;
    }
    if (isResultFileName(fileName) &&
        !dialogs_.ask(this, "El archivo " + QFileInfo(fileName).fileName() +
                                " es un archivo de resultados del programa: el proximo calculo "
                                "lo reemplazara y \"Comparar\" dejara de funcionar. Desea "
                                "guardar el informe con ese nombre de todos modos?")) {
        return;
    }
    const std::vector<std::string> lines = currentReport();
    if (lines.empty()) {
        messages_.show(
            "No se encuentra el archivo de resultados res.sal. Por favor corra un "
            "metodo de calculo.",
            "ERROR", common::MessageIcon::Critical);
        return;
    }
    const std::string path = fileName.toStdString();
    if (!common::writeFileSafely(path, common::joinLines(lines))) {
        messages_.show("No se pudo guardar el archivo " + path, "ERROR",
                       common::MessageIcon::Critical);
    }
}

void Form2::imprimir() {
    QPrinter printer;
    if (!dialogs_.setupPrinter(printer, this)) {
        return;
    }
    const std::vector<std::string> lines = currentReport();
    if (lines.empty()) {
        messages_.show(
            "No se encuentra el archivo de resultados res.sal. Por favor corra un "
            "metodo de calculo.",
            "ERROR", common::MessageIcon::Critical);
        return;
    }
    std::function<bool(const std::string&)> writePdf;
    if (writePdf_) {
        writePdf = [this](const std::string& path) { return writePdf_(path, nullptr); };
    }
    if (!common::printOrWritePdf(printer, lines, writePdf)) {
        messages_.show("No se pudo imprimir el informe.", "ERROR", common::MessageIcon::Critical);
    }
}

void Form2::exportarPdf() {
    common::exportPdf(this, dialogs_, messages_, writePdf_);
}

}  // namespace fendrolas
