#pragma once

#include <QString>
#include <functional>
#include <string>

#include "common/figure.h"
#include "common/messages.h"
#include "common/ui/filedialogs.h"

class QWidget;

namespace common {

inline const char* const kPictureFilter =
    "Imagen PNG (*.png);;Imagen SVG (*.svg);;Todos los archivos (*.*)";

// Resolution of the PNG pictures, enough for a printed report.
constexpr int kPictureDpi = 300;

// The figure as a picture file: SVG when the name ends in ".svg", PNG at 300 dpi otherwise,
// written through the safe writer. False (with the reason in *error) when it could not be.
bool saveFigurePicture(const Figure& figure, const std::string& path, std::string* error = nullptr);

// Gives the widget a context menu with "Guardar imagen...", which asks for a file name and saves
// the figure the widget shows now. A failure is reported through the messages.
void offerPictureSave(QWidget* widget, std::function<Figure()> figure, FileDialogs dialogs,
                      MessageSink& messages);

// What "Guardar imagen..." does once it has the name ("" = cancelled: nothing happens).
void savePictureAs(const QString& fileName, const Figure& figure, MessageSink& messages);

}  // namespace common
