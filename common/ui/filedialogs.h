#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace common {

// The dialogs the windows ask the user through. Tests replace them so that nothing blocks.
struct FileDialogs {
    // File names; an empty name means the user cancelled.
    std::function<QString(QWidget* parent, const QString& filter)> openFile;
    std::function<QString(QWidget* parent, const QString& filter)> saveFile;
    // Lets the user set up the printer; false when cancelled.
    std::function<bool(QPrinter& printer, QWidget* parent)> setupPrinter;
    // A yes/no question; left unset (tests) the answer is yes.
    std::function<bool(QWidget* parent, const QString& question)> confirm;

    bool ask(QWidget* parent, const QString& question) const {
        return !confirm || confirm(parent, question);
    }

    static FileDialogs standard();
};

// The name the user typed, with the first extension of the chosen filter added when it has none:
// "mi-zapata" saved under "Archivos de datos (*.dat)" is "mi-zapata.dat". "*.*" adds nothing.
QString withFilterExtension(const QString& fileName, const QString& selectedFilter);

inline const char* const kDataFilter = "Archivos de datos (*.dat);;Todos los archivos (*.*)";
inline const char* const kReportFilter =
    "Archivos de resultados (*.out);;Archivos de texto (*.txt);;Archivos de salida (*.sal);;"
    "Archivos de datos (*.dat);;Todos los archivos (*.*)";

}  // namespace common
