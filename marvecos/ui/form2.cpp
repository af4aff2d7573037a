#include "marvecos/ui/form2.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <functional>
#include <string>
#include <vector>

#include "common/patterntext.h"
#include "common/ui/printreport.h"
#include "marvecos/program.h"
#include "marvecos/resultscsv.h"

namespace marvecos {

namespace {

constexpr int kDataColumnWidth = 800 / 15;  // 800 twips
constexpr int kIndexColumnWidth = 36;
constexpr int kRowHeight = 20;
const char* const kTitle = "Resultados";

struct GridLayout {
    const char* group;
    std::vector<const char*> headings;  // of the data columns
    const char* pattern;
    QRect place;
};

const std::array<GridLayout, 3> kGrids = {{
    {"Coordenadas del circulo y de la superficie del talud",
     {"x circ", "y circ", "x superf", "y superf"},
     "#####0.000",
     QRect(8, 44, 310, 450)},
    {"Calculos para cada dovela",
     {"Dx", "Area", "Long Li", "Peso W", "cos tit", "sen tit", "w*cos", "w*sen"},
     "#####0.000",
     QRect(326, 44, 500, 450)},
    {"Iteracion del factor de seguridad",
     {"fsprop", "fscalc"},
     "####0.000",
     QRect(834, 44, 206, 450)},
}};

void setCell(QTableWidget* grid, int row, int column, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(column == 0 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    grid->setItem(row, column, item);
}

// Heading row, the "i" column numbered 1..rows, the data, and one empty row at the end.
template <std::size_t N>
void fillGrid(QTableWidget* grid, const GridLayout& layout,
              const std::vector<std::array<double, N>>& rows) {
    grid->clearContents();
    grid->setRowCount(static_cast<int>(rows.size()) + 2);
    setCell(grid, 0, 0, "i");
    for (std::size_t k = 0; k < layout.headings.size(); ++k) {
        setCell(grid, 0, static_cast<int>(k) + 1, layout.headings[k]);
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        setCell(grid, row, 0, QString::number(row));
        for (std::size_t k = 0; k < N; ++k) {
            setCell(grid, row, static_cast<int>(k) + 1,
                    QString::fromStdString(common::formatPattern(rows[i][k], layout.pattern)));
        }
    }
    grid->scrollToTop();
}

// A grid just wide enough for its columns, in the middle of its group.
QTableWidget* makeGrid(QGroupBox* parent, const char* name, int dataColumns) {
    auto* grid = new QTableWidget(2, dataColumns + 1, parent);
    grid->setObjectName(name);
    const int width = kIndexColumnWidth + dataColumns * kDataColumnWidth +
                      grid->verticalScrollBar()->sizeHint().width() + 2 * grid->frameWidth();
    grid->setGeometry((parent->width() - width) / 2, 22, width, parent->height() - 32);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid->setFocusPolicy(Qt::ClickFocus);
    grid->setColumnWidth(0, kIndexColumnWidth);
    for (int column = 1; column <= dataColumns; ++column) {
        grid->setColumnWidth(column, kDataColumnWidth);
    }
    return grid;
}

// The frame of the slices on the ground model, under the three grids.
constexpr int kModelBoxHeight = 140;

}  // namespace

Form2::Form2(std::string tempFolder, common::MessageSink& messages, QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window),
      tempFolder_(std::move(tempFolder)),
      messages_(messages),
      mainWindow_(mainWindow) {
    setObjectName("Form2");
    setWindowTitle(kTitle);
    setFixedSize(1048, 548);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    auto* heading = new QLabel("RESULTADOS DEL ANALISIS", this);
    heading->setObjectName("Label1");
    heading->setGeometry(0, 8, width(), 28);
    heading->setAlignment(Qt::AlignCenter);
    QFont big = heading->font();
    big.setPointSize(13);
    big.setBold(true);
    heading->setFont(big);

    for (std::size_t k = 0; k < kGrids.size(); ++k) {
        const GridLayout& layout = kGrids[k];
        auto* box = new QGroupBox(layout.group, this);
        box->setObjectName(QString("Frame%1").arg(k + 1));
        box->setGeometry(layout.place);
        grids_[k] = makeGrid(box, QString("Grid%1").arg(k + 1).toLatin1().constData(),
                             static_cast<int>(layout.headings.size()));
    }

    auto* caption = new QLabel("Factor de seguridad calculado: fs=", this);
    caption->setGeometry(8, 506, 200, 26);
    fsLabel_ = new QLabel(this);
    fsLabel_->setObjectName("Label2");
    fsLabel_->setGeometry(212, 506, 90, 26);
    fsLabel_->setAlignment(Qt::AlignCenter);
    fsLabel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto* back = new QPushButton("Volver", this);
    back->setObjectName("Command1");
    back->setGeometry(924, 504, 116, 30);
    connect(back, &QPushButton::clicked, this, &Form2::volver);

    interSliceView_ = new InterSliceView(this);
    interSliceView_->setPictureTools(
        [this](const QString& filter) { return dialogs_.saveFile(interSliceView_, filter); },
        messages_);
    interSliceButton_ = new QPushButton("Fuerzas entre dovelas", this);
    interSliceButton_->setObjectName("Command2");
    interSliceButton_->setGeometry(336, 504, 208, 30);
    interSliceButton_->setEnabled(false);
    connect(interSliceButton_, &QPushButton::clicked, this, [this] {
        if (interSlice_) {
            interSliceView_->show(*interSlice_);
        }
    });
    auto* save = new QPushButton("Guardar", this);
    save->setObjectName("Guardar");
    save->setGeometry(676, 504, 116, 30);
    connect(save, &QPushButton::clicked, this, &Form2::guardar);
    auto* print = new QPushButton("Imprimir", this);
    print->setObjectName("Imprimir");
    print->setGeometry(800, 504, 116, 30);
    connect(print, &QPushButton::clicked, this, &Form2::imprimir);
    auto* pdf = new QPushButton("Exportar PDF...", this);
    pdf->setObjectName("ExportarPdf");
    pdf->setGeometry(552, 504, 116, 30);
    connect(pdf, &QPushButton::clicked, this, &Form2::exportarPdf);
    bottomRow_ = {caption, fsLabel_, back, save, print, pdf, interSliceButton_};

    modelBox_ = new QGroupBox("Dovelas sobre el terreno: capa de la base, u, carga y sismo", this);
    modelBox_->setObjectName("Frame4");
    // Low enough for the window to fit a 1366 x 768 screen; the grid scrolls through the slices.
    modelBox_->setGeometry(8, 500, 1032, kModelBoxHeight);
    modelGrid_ = new QTableWidget(2, static_cast<int>(kModelSliceHeadings.size()) + 1, modelBox_);
    modelGrid_->setObjectName("Grid4");
    modelGrid_->setGeometry(10, 22, 1012, kModelBoxHeight - 32);
    modelGrid_->horizontalHeader()->hide();
    modelGrid_->verticalHeader()->hide();
    modelGrid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    modelGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    modelGrid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    modelGrid_->setFocusPolicy(Qt::ClickFocus);
    modelGrid_->setColumnWidth(0, kIndexColumnWidth);
    for (int column = 1; column < modelGrid_->columnCount(); ++column) {
        modelGrid_->setColumnWidth(column, 100);
    }
    modelBox_->hide();

    // Ctrl+C in a grid copies its selected cells.
    for (QTableWidget* grid : {grids_[0], grids_[1], grids_[2], modelGrid_}) {
        auto* copy = new QAction("Copiar", grid);
        copy->setShortcut(QKeySequence::Copy);
        copy->setShortcutContext(Qt::WidgetShortcut);
        connect(copy, &QAction::triggered, this, [this, grid] { copySelection(grid); });
        grid->addAction(copy);
        grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
}

void Form2::setModelSlices(std::optional<ModelSlices> slices) {
    modelSlices_ = std::move(slices);
    modelBox_->setVisible(modelSlices_.has_value());
    setFixedSize(1048, modelSlices_ ? 548 + kModelBoxHeight + 2 : 548);
    placeBottomRow();
    fillModelGrid();
}

// The factor of safety and the buttons stay under the last grid.
void Form2::placeBottomRow() {
    const int top = modelSlices_ ? 506 + kModelBoxHeight : 504;
    for (QWidget* w : bottomRow_) {
        w->move(w->x(), top + (qobject_cast<QLabel*>(w) ? 2 : 0));
    }
}

void Form2::fillModelGrid() {
    modelGrid_->clearContents();
    if (!modelSlices_) {
        modelGrid_->setRowCount(2);
        return;
    }
    modelGrid_->setRowCount(modelSlices_->slices + 2);
    setCell(modelGrid_, 0, 0, "i");
    for (std::size_t k = 0; k < kModelSliceHeadings.size(); ++k) {
        setCell(modelGrid_, 0, static_cast<int>(k) + 1, kModelSliceHeadings[k]);
    }
    for (int i = 1; i <= modelSlices_->slices; ++i) {
        setCell(modelGrid_, i, 0, QString::number(i));
        const std::vector<double> row = modelSliceRow(*modelSlices_, i);
        for (std::size_t k = 0; k < row.size(); ++k) {
            const QString text =
                k == 0 ? QString::number(static_cast<int>(row[k]))
                       : QString::fromStdString(common::formatPattern(row[k], "#####0.000"));
            setCell(modelGrid_, i, static_cast<int>(k) + 1, text);
        }
    }
}

void Form2::copySelection(QTableWidget* grid) {
    const QList<QTableWidgetSelectionRange> ranges = grid->selectedRanges();
    if (ranges.isEmpty()) {
        return;
    }
    int top = grid->rowCount(), bottom = -1, left = grid->columnCount(), right = -1;
    for (const QTableWidgetSelectionRange& r : ranges) {
        top = std::min(top, r.topRow());
        bottom = std::max(bottom, r.bottomRow());
        left = std::min(left, r.leftColumn());
        right = std::max(right, r.rightColumn());
    }
    QString text;
    for (int row = top; row <= bottom; ++row) {
        QStringList cells;
        for (int column = left; column <= right; ++column) {
            const QTableWidgetItem* item = grid->item(row, column);
            cells << (item != nullptr && item->isSelected() ? item->text().trimmed() : QString());
        }
        text += cells.join('\t') + '\n';
    }
    QApplication::clipboard()->setText(text);
}

bool Form2::guardar() {
    if (!tables_) {
        return false;
    }
    QString name = dialogs_.saveFile(this, "Archivos CSV (*.csv);;Todos los archivos (*.*)");
    if (name.isEmpty()) {
        return false;
    }
    if (QFileInfo(name).suffix().isEmpty()) {
        name += ".csv";
    }
    return writeReported(name.toStdString(), resultsCsvText(*tables_, modelSlices_), messages_);
}

bool Form2::imprimir() {
    if (!tables_) {
        return false;
    }
    QPrinter printer;
    if (!dialogs_.setupPrinter(printer, this)) {
        return false;
    }
    // A printer that writes a PDF file gets the PDF report with its drawings; paper, the grids.
    std::function<bool(const std::string&)> pdf;
    if (writePdf_) {
        pdf = [this](const std::string& path) { return writePdf_(path, nullptr); };
    }
    if (!common::printOrWritePdf(
            printer, resultsPrintLines(*tables_, modelSlices_, windowTitle().toStdString()), pdf)) {
        messages_.show("No se pudo imprimir.", "Error", common::MessageIcon::Critical);
        return false;
    }
    return true;
}

void Form2::loadInterSlice() {
    interSlice_ = readInterSliceTables(tempFolder_);
    interSliceButton_->setEnabled(interSlice_.has_value());
    if (interSliceView_->isVisible()) {
        if (interSlice_) {
            interSliceView_->show(*interSlice_);
        } else {
            interSliceView_->hide();
        }
    }
}

bool Form2::load() {
    const std::optional<ResultTables> tables = readResultTables(tempFolder_);
    if (!tables) {
        volver();
        messages_.show("No existe alguno de los archivos de resultados.", "ERROR",
                       common::MessageIcon::Critical);
        return false;
    }
    fill(*tables);
    loadInterSlice();
    loaded_ = true;
    return true;
}

void Form2::fill(const ResultTables& t) {
    tables_ = t;
    fillGrid(grids_[0], kGrids[0], t.points);
    fillGrid(grids_[1], kGrids[1], t.slices);
    fillGrid(grids_[2], kGrids[2], t.iterations);
    fsLabel_->setText(QString::fromStdString(common::formatPattern(t.fs, "####0.000")));
}

void Form2::clear() {
    tables_.reset();
    for (QTableWidget* grid : grids_) {
        grid->clearContents();
        grid->setRowCount(2);
    }
    fsLabel_->clear();
    interSlice_.reset();
    interSliceButton_->setEnabled(false);
    interSliceView_->hide();
}

void Form2::resultados() {
    if (!loaded_ && !load()) {
        return;
    }
    if (mainWindow_ != nullptr && !isVisible()) {
        move(mainWindow_->geometry().topLeft() + QPoint(24, 24));
    }
    show();
    raise();
    activateWindow();
}

void Form2::showCalculation(const QString& title) {
    setWindowTitle(title);
    load();
}

void Form2::volver() {
    hide();
    clear();
    setWindowTitle(kTitle);
    loaded_ = false;
}

void Form2::closeEvent(QCloseEvent* event) {
    event->accept();
    volver();
}

void Form2::exportarPdf() {
    common::exportPdf(this, dialogs_, messages_, writePdf_);
}

}  // namespace marvecos
