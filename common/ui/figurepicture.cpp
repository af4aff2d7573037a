#include "common/ui/figurepicture.h"

#include <QAction>
#include <QBuffer>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QSvgGenerator>
#include <QWidget>

#include "common/safefile.h"
#include "common/ui/figurepainter.h"

namespace common {

namespace {

constexpr double kPictureWidthMm = 160;
constexpr double kMmPerInch = 25.4;
// Without equal scales (charts) the picture has this height for its width.
constexpr double kChartAspect = 0.6;

QSize pictureSize(const Figure& figure) {
    const int width = static_cast<int>(kPictureWidthMm / kMmPerInch * kPictureDpi);
    double aspect = kChartAspect;
    if (figure.equalScales() && figure.drawable()) {
        aspect = (figure.top() - figure.bottom()) / (figure.right() - figure.left());
        aspect = std::clamp(aspect, 0.2, 1.4);
    }
    return {width, static_cast<int>(width * aspect)};
}

void paintPicture(QPainter& painter, const Figure& figure, QSize size) {
    QFont font("DejaVu Sans");
    font.setPixelSize(std::max(8, size.width() / 70));
    painter.setFont(font);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const double margin = size.width() / 50.0;
    paintFigure(painter, figure,
                QRectF(margin, margin, size.width() - 2 * margin, size.height() - 2 * margin));
}

QByteArray pngBytes(const Figure& figure) {
    const QSize size = pictureSize(figure);
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(kPictureDpi / kMmPerInch * 1000 + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&image);
        paintPicture(painter, figure, size);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray svgBytes(const Figure& figure) {
    const QSize size = pictureSize(figure);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(kPictureDpi);
    {
        QPainter painter(&svg);
        paintPicture(painter, figure, size);
    }
    return bytes;
}

}  // namespace

bool saveFigurePicture(const Figure& figure, const std::string& path, std::string* error) {
    const bool svg = QString::fromStdString(path).endsWith(".svg", Qt::CaseInsensitive);
    const QByteArray bytes = svg ? svgBytes(figure) : pngBytes(figure);
    if (bytes.isEmpty()) {
        if (error) {
            *error = "no se pudo dibujar la imagen";
        }
        return false;
    }
    return writeFileSafely(path, bytes.toStdString(), error);
}

void savePictureAs(const QString& fileName, const Figure& figure, MessageSink& messages) {
    if (fileName.isEmpty()) {
        return;
    }
    const std::string path = fileName.toStdString();
    if (!saveFigurePicture(figure, path)) {
        messages.show("No se pudo guardar la imagen " + path, "ERROR", MessageIcon::Critical);
    }
}

void offerPictureSave(QWidget* widget, std::function<Figure()> figure, FileDialogs dialogs,
                      MessageSink& messages) {
    auto* action = new QAction("Guardar imagen...", widget);
    action->setObjectName("GuardarImagen");
    widget->addAction(action);
    widget->setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(action, &QAction::triggered, widget, [=, &messages] {
        savePictureAs(dialogs.saveFile(widget, kPictureFilter), figure(), messages);
    });
}

}  // namespace common
