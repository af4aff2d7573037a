#include "marvecos/ui/searchdialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <cmath>

#include "common/fieldvalue.h"
#include "common/numbertext.h"
#include "marvecos/checks.h"
#include "marvecos/search/gridoptions.h"

namespace marvecos {

namespace {

QLineEdit* gridField(QWidget* parent, const char* name, int left, int top) {
    auto* f = new QLineEdit(parent);
    f->setObjectName(name);
    f->setGeometry(left, top, 64, 20);
    return f;
}

QLabel* caption(QWidget* parent, const QString& text, int left, int top, int width) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(left, top, width, 20);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QString metres(double value) {
    return QString::fromStdString(common::displayDouble(toMillimetre(value)));
}

// A number of points or radii typed into a field: a whole number from 1 to kMaxAxisPoints.
bool readCount(const QLineEdit* field, int& count) {
    const double value = common::fieldValue(field->text().toStdString());
    if (value != std::floor(value) || value < 1 || value > kMaxAxisPoints) {
        return false;
    }
    count = static_cast<int>(value);
    return true;
}

double readMetres(const QLineEdit* field) {
    return common::fieldValue(field->text().toStdString());
}

// Follows the search this often; a search of the default grid takes a few of these.
constexpr int kFollowMilliseconds = 40;

}  // namespace

SearchDialog::SearchDialog(const SlopeProblem& p, SliceMethod method, common::MessageSink& messages,
                           QWidget* parent)
    : QDialog(parent), problem_(p), method_(method), messages_(messages) {
    setObjectName("frmBuscar");
    setWindowTitle("Buscar circulo critico");
    setFixedSize(470, 246);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    buildFields();
    setGrid(defaultSearchGrid(p.H, p.L));

    timer_ = new QTimer(this);
    timer_->setInterval(kFollowMilliseconds);
    connect(timer_, &QTimer::timeout, this, &SearchDialog::followSearch);
}

SearchDialog::~SearchDialog() {
    stopSearch();
}

void SearchDialog::buildFields() {
    auto* heading = new QLabel("Centros de las circunferencias y radios que se prueban:", this);
    heading->setGeometry(12, 8, 400, 20);
    const int left[] = {60, 180, 300};
    const int top[] = {34, 60, 112};
    caption(this, "Xcr desde", 0, top[0], left[0] - 4);
    caption(this, "Ycr desde", 0, top[1], left[0] - 4);
    caption(this, "R desde", 0, top[2], left[0] - 4);
    for (int row = 0; row < 3; ++row) {
        caption(this, "hasta", left[0] + 64, top[row], left[1] - left[0] - 68);
        caption(this, row == 2 ? "radios" : "puntos", left[1] + 64, top[row],
                left[2] - left[1] - 68);
    }
    x0_ = gridField(this, "txtX0", left[0], top[0]);
    x1_ = gridField(this, "txtX1", left[1], top[0]);
    nx_ = gridField(this, "txtNX", left[2], top[0]);
    y0_ = gridField(this, "txtY0", left[0], top[1]);
    y1_ = gridField(this, "txtY1", left[1], top[1]);
    ny_ = gridField(this, "txtNY", left[2], top[1]);
    r0_ = gridField(this, "txtR0", left[0], top[2]);
    r1_ = gridField(this, "txtR1", left[1], top[2]);
    nr_ = gridField(this, "txtNR", left[2], top[2]);

    perCentre_ = new QCheckBox(
        "Radios de cada centro: desde el talud hasta H/2 bajo el pie, y el del pie", this);
    perCentre_->setObjectName("chkRadiosCentro");
    perCentre_->setGeometry(16, 86, 446, 20);
    connect(perCentre_, &QCheckBox::toggled, this, [this](bool on) {
        r0_->setEnabled(!on);
        r1_->setEnabled(!on);
        showCircleCount();
    });

    count_ = new QLabel(this);
    count_->setObjectName("lblCirculos");
    count_->setGeometry(16, 140, 446, 20);
    for (QLineEdit* f : {nx_, ny_, nr_}) {
        connect(f, &QLineEdit::textChanged, this, &SearchDialog::showCircleCount);
    }

    progress_ = new QProgressBar(this);
    progress_->setObjectName("barProgreso");
    progress_->setGeometry(16, 166, 438, 20);
    progress_->setValue(0);

    search_ = new QPushButton("Buscar", this);
    search_->setObjectName("cmdBuscar");
    search_->setGeometry(190, 200, 128, 30);
    search_->setDefault(true);
    connect(search_, &QPushButton::clicked, this, &SearchDialog::buscar);
    cancel_ = new QPushButton("Cancelar", this);
    cancel_->setObjectName("cmdCancelar");
    cancel_->setGeometry(326, 200, 128, 30);
    connect(cancel_, &QPushButton::clicked, this, &SearchDialog::cancelar);
}

void SearchDialog::setGrid(const SearchGrid& grid) {
    x0_->setText(metres(grid.x.from));
    x1_->setText(metres(grid.x.to));
    nx_->setText(QString::number(grid.x.count));
    y0_->setText(metres(grid.y.from));
    y1_->setText(metres(grid.y.to));
    ny_->setText(QString::number(grid.y.count));
    // Fixed radii to start from should the user untick the radii of each centre: from the
    // height of the slope to the deepest circle of the highest centres.
    r0_->setText(metres(grid.radiiPerCentre ? problem_.H : grid.r.from));
    r1_->setText(metres(grid.radiiPerCentre ? grid.y.to + problem_.H / 2 : grid.r.to));
    nr_->setText(QString::number(grid.r.count));
    perCentre_->setChecked(grid.radiiPerCentre);
    r0_->setEnabled(!grid.radiiPerCentre);
    r1_->setEnabled(!grid.radiiPerCentre);
    showCircleCount();
}

void SearchDialog::showCircleCount() {
    SearchGrid grid;
    grid.radiiPerCentre = perCentre_->isChecked();
    if (readCount(nx_, grid.x.count) && readCount(ny_, grid.y.count) &&
        readCount(nr_, grid.r.count)) {
        const QString radii =
            grid.radiiPerCentre ? "%3 radios por centro y el del pie" : "%3 radios por centro";
        count_->setText(QString("%1 x %2 centros, " + radii + ": %4 circunferencias")
                            .arg(grid.x.count)
                            .arg(grid.y.count)
                            .arg(grid.r.count)
                            .arg(grid.circles()));
    } else {
        count_->setText(QString());
    }
}

std::optional<SearchGrid> SearchDialog::gridFromFields() {
    SearchGrid grid;
    if (!readCount(nx_, grid.x.count) || !readCount(ny_, grid.y.count) ||
        !readCount(nr_, grid.r.count)) {
        messages_.show("El numero de puntos y el de radios deben ser numeros enteros de 1 a 1000.",
                       kProgramTitle, common::MessageIcon::None);
        return std::nullopt;
    }
    if (grid.circles() > kMaxSearchCircles) {
        messages_.show(
            "La rejilla tiene mas de 10000000 circunferencias: reduzca el numero de "
            "puntos o de radios.",
            kProgramTitle, common::MessageIcon::None);
        return std::nullopt;
    }
    grid.x.from = readMetres(x0_);
    grid.x.to = readMetres(x1_);
    grid.y.from = readMetres(y0_);
    grid.y.to = readMetres(y1_);
    grid.radiiPerCentre = perCentre_->isChecked();
    if (!grid.radiiPerCentre) {
        grid.r.from = readMetres(r0_);
        grid.r.to = readMetres(r1_);
    }
    return grid;
}

void SearchDialog::buscar() {
    if (searching()) {
        return;
    }
    const std::optional<SearchGrid> grid = gridFromFields();
    if (!grid) {
        return;
    }
    result_.reset();
    stop_ = false;
    done_ = false;
    centresDone_ = 0;
    progress_->setRange(0, grid->centres());
    progress_->setValue(0);
    setEditable(false);
    SearchControl control;
    control.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    control.cancel = &stop_;
    control.centresDone = &centresDone_;
    control.keepCircles = false;  // the window shows the map and the critical circle only
    csvWritten_ = false;
    csv_.reset();
    if (!csvPath_.empty()) {
        csv_ = std::make_unique<SearchCsvStream>(csvPath_);
        control.sink = csv_.get();
    }
    worker_ = std::thread([this, grid = *grid, control]() {
        running_ = searchCriticalCircle(method_, problem_, model_, grid, control);
        done_ = true;
    });
    timer_->start();
}

void SearchDialog::followSearch() {
    progress_->setValue(centresDone_.load());
    if (!done_.load()) {
        return;
    }
    timer_->stop();
    worker_.join();
    progress_->setValue(centresDone_.load());
    setEditable(true);
    if (!running_.cancelled) {
        csvWritten_ = csv_ && csv_->finish();
        csv_.reset();
        result_ = std::move(running_);
        emit searchEnded();
        accept();
    }
}

void SearchDialog::stopSearch() {
    if (!worker_.joinable()) {
        return;
    }
    // The threads stop after the centre each is working on.
    stop_ = true;
    worker_.join();
    timer_->stop();
    // A stopped search leaves the file of the one before.
    csv_.reset();
    setEditable(true);
}

void SearchDialog::cancelar() {
    reject();
}

void SearchDialog::reject() {
    stopSearch();
    result_.reset();
    QDialog::reject();
}

void SearchDialog::setEditable(bool editable) {
    for (QLineEdit* f : {x0_, x1_, nx_, y0_, y1_, ny_, nr_}) {
        f->setEnabled(editable);
    }
    r0_->setEnabled(editable && !perCentre_->isChecked());
    r1_->setEnabled(editable && !perCentre_->isChecked());
    perCentre_->setEnabled(editable);
    search_->setEnabled(editable);
}

}  // namespace marvecos
