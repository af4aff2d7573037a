#include "common/ui/pdfreport.h"

#include <QBuffer>
#include <QDateTime>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "common/safefile.h"
#include "common/ui/figurepainter.h"

namespace common {

namespace {

// The page in millimetres: A4 with 20 mm margins, the head and foot inside them.
constexpr double kPageWidth = 210;
constexpr double kPageHeight = 297;
constexpr double kMargin = 20;
constexpr double kHeadHeight = 12;
constexpr double kFootHeight = 8;
constexpr double kBodyTop = kMargin + kHeadHeight;
constexpr double kBodyBottom = kPageHeight - kMargin - kFootHeight;
constexpr double kBodyWidth = kPageWidth - 2 * kMargin;

constexpr double kLineHeight = 3.6;  // a monospaced line of 8 pt
constexpr double kMonoPoints = 8;
constexpr double kMonoCharWidth = 0.602;  // advance of a monospaced character, in ems
constexpr double kMmPerPoint = 25.4 / 72;
constexpr double kHeadingHeight = 9;
constexpr double kCaptionHeight = 6;
constexpr double kFigureGap = 3;
constexpr int kResolution = 300;

double units(double mm) {
    return mm * kResolution / 25.4;
}

QFont textFont(double points, bool bold = false) {
    QFont font("DejaVu Sans");
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The monospaced font of a block, smaller when its longest line would not fit the width.
QFont monoFont(const std::vector<std::string>& lines) {
    std::size_t longest = 1;
    for (const std::string& line : lines) {
        longest = std::max<std::size_t>(longest, QString::fromStdString(line).size());
    }
    const double fitting = kBodyWidth / (longest * kMonoCharWidth * kMmPerPoint);
    QFont font("DejaVu Sans Mono");
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(std::min(kMonoPoints, fitting));
    return font;
}

QRectF rectMm(double x, double y, double w, double h) {
    return QRectF(units(x), units(y), units(w), units(h));
}

}  // namespace

struct PdfReport::Block {
    enum class Kind { Heading, Lines, Figure, Image, PageBreak };
    Kind kind = Kind::Lines;
    std::string text;
    std::vector<std::string> lines;
    Figure figure;
    QImage picture;
    double height = 0;
};

// A block, or one line of a block of lines, at its place.
struct PdfReport::Placed {
    int page = 0;
    double y = 0;
    const Block* block = nullptr;
    std::size_t line = 0;
};

PdfReport::PdfReport(ReportIdentity identity) : identity_(std::move(identity)) {
    if (identity_.dateTime.empty()) {
        identity_.dateTime =
            QDateTime::currentDateTime().toString("dd/MM/yyyy hh:mm").toStdString();
    }
}

PdfReport::~PdfReport() = default;

void PdfReport::heading(const std::string& text) {
    Block b;
    b.kind = Block::Kind::Heading;
    b.text = text;
    blocks_.push_back(b);
}

void PdfReport::lines(const std::vector<std::string>& lines) {
    Block b;
    b.kind = Block::Kind::Lines;
    b.lines = lines;
    blocks_.push_back(b);
}

void PdfReport::figure(const Figure& figure, double heightMm, const std::string& caption) {
    Block b;
    b.kind = Block::Kind::Figure;
    b.figure = figure;
    b.text = caption;
    b.height = std::min(heightMm, kBodyBottom - kBodyTop - kCaptionHeight);
    blocks_.push_back(b);
}

void PdfReport::image(const QImage& picture, double heightMm, const std::string& caption) {
    Block b;
    b.kind = Block::Kind::Image;
    b.picture = picture;
    b.text = caption;
    b.height = std::min(heightMm, kBodyBottom - kBodyTop - kCaptionHeight);
    blocks_.push_back(b);
}

void PdfReport::pageBreak() {
    Block b;
    b.kind = Block::Kind::PageBreak;
    blocks_.push_back(b);
}

std::vector<PdfReport::Placed> PdfReport::layout(int& pages) const {
    std::vector<Placed> placed;
    int page = 0;
    double y = kBodyTop;
    auto room = [&](double height) {
        if (y + height > kBodyBottom && y > kBodyTop) {
            ++page;
            y = kBodyTop;
        }
    };
    for (const Block& b : blocks_) {
        switch (b.kind) {
            case Block::Kind::PageBreak:
                if (y > kBodyTop) {
                    ++page;
                    y = kBodyTop;
                }
                break;
            case Block::Kind::Heading:
                // A heading never ends a page: it goes with the first lines under it.
                room(kHeadingHeight + 3 * kLineHeight);
                placed.push_back({page, y, &b, 0});
                y += kHeadingHeight;
                break;
            case Block::Kind::Lines:
                for (std::size_t k = 0; k < b.lines.size(); ++k) {
                    room(kLineHeight);
                    placed.push_back({page, y, &b, k});
                    y += kLineHeight;
                }
                y += kLineHeight;
                break;
            case Block::Kind::Figure:
            case Block::Kind::Image:
                room(b.height + kCaptionHeight);
                placed.push_back({page, y, &b, 0});
                y += b.height + kCaptionHeight + kFigureGap;
                break;
        }
    }
    pages = page + 1;
    return placed;
}

int PdfReport::pageCount() const {
    int pages = 0;
    layout(pages);
    return pages;
}

namespace {

void paintHead(QPainter& p, const ReportIdentity& id) {
    p.setPen(Qt::black);
    p.setFont(textFont(9, true));
    const QRectF line1 = rectMm(kMargin, kMargin, kBodyWidth, 5);
    p.drawText(line1, Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromStdString(id.program + "  " + id.version));
    p.setFont(textFont(9));
    p.drawText(line1, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(id.dateTime));
    if (!id.dataFile.empty()) {
        p.drawText(rectMm(kMargin, kMargin + 5, kBodyWidth, 5), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString("Archivo de datos: " + id.dataFile));
    }
    const double rule = units(kBodyTop - 1.5);
    p.drawLine(QPointF(units(kMargin), rule), QPointF(units(kMargin + kBodyWidth), rule));
}

// The picture as large as the box allows, its proportions kept, centred.
void paintImage(QPainter& p, const QImage& picture, const QRectF& box) {
    if (picture.isNull()) {
        return;
    }
    const double k = std::min(box.width() / picture.width(), box.height() / picture.height());
    const QSizeF size(picture.width() * k, picture.height() * k);
    const QPointF corner(box.x() + (box.width() - size.width()) / 2,
                         box.y() + (box.height() - size.height()) / 2);
    p.drawImage(QRectF(corner, size), picture);
}

void paintFoot(QPainter& p, int page, int pages) {
    p.setPen(Qt::black);
    p.setFont(textFont(8));
    const double rule = units(kBodyBottom + 1.5);
    p.drawLine(QPointF(units(kMargin), rule), QPointF(units(kMargin + kBodyWidth), rule));
    p.drawText(rectMm(kMargin, kBodyBottom + 2, kBodyWidth, kFootHeight - 2), Qt::AlignCenter,
               QString("Página %1 de %2").arg(page).arg(pages));
}

}  // namespace

QByteArray PdfReport::render() const {
    int pages = 0;
    const std::vector<Placed> placed = layout(pages);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    writer.setResolution(kResolution);
    writer.setTitle(QString::fromStdString(identity_.program));
    writer.setCreator(QString::fromStdString(identity_.program + " " + identity_.version));
    QPainter p;
    if (!p.begin(&writer)) {
        return {};
    }
    int page = 0;
    paintHead(p, identity_);
    paintFoot(p, 1, pages);
    for (const Placed& item : placed) {
        while (page < item.page) {
            writer.newPage();
            ++page;
            paintHead(p, identity_);
            paintFoot(p, page + 1, pages);
        }
        const Block& b = *item.block;
        p.setPen(Qt::black);
        if (b.kind == Block::Kind::Heading) {
            p.setFont(textFont(11, true));
            p.drawText(rectMm(kMargin, item.y, kBodyWidth, kHeadingHeight - 2),
                       Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(b.text));
        } else if (b.kind == Block::Kind::Lines) {
            p.setFont(monoFont(b.lines));
            p.drawText(rectMm(kMargin, item.y, kBodyWidth, kLineHeight),
                       Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromStdString(b.lines[item.line]));
        } else if (b.kind == Block::Kind::Figure || b.kind == Block::Kind::Image) {
            p.setFont(textFont(7));
            const QRectF box = rectMm(kMargin, item.y, kBodyWidth, b.height);
            if (b.kind == Block::Kind::Figure) {
                paintFigure(p, b.figure, box);
            } else {
                paintImage(p, b.picture, box);
            }
            p.setPen(Qt::black);
            p.setFont(textFont(8, true));
            p.drawText(rectMm(kMargin, item.y + b.height, kBodyWidth, kCaptionHeight),
                       Qt::AlignCenter, QString::fromStdString(b.text));
        }
    }
    p.end();
    return bytes;
}

bool PdfReport::write(const std::string& path, std::string* error) const {
    const QByteArray bytes = render();
    if (bytes.isEmpty()) {
        if (error) {
            *error = "no se pudo componer el informe";
        }
        return false;
    }
    return writeFileSafely(path, bytes.toStdString(), error);
}

}  // namespace common
