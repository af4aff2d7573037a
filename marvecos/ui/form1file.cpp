// The main window's slope files: open, save, the title that names the file, and the question
// before unsaved changes are lost.

#include <QFileInfo>
#include <QGroupBox>
#include <QMessageBox>
#include <QRadioButton>

#include "common/fieldvalue.h"
#include "common/numbertext.h"
#include "common/safefile.h"
#include "marvecos/fieldchecks.h"
#include "marvecos/model/groundtables.h"
#include "marvecos/program.h"
#include "marvecos/search/searchcsv.h"
#include "marvecos/ui/form1.h"
#include "marvecos/ui/form2.h"
#include "marvecos/ui/groundeditor.h"

namespace marvecos {

namespace {

const char* const kSlopeFilter = "Taludes (*.tal);;Todos los archivos (*.*)";
const char* const kCsvFilter = "Archivos CSV (*.csv);;Todos los archivos (*.*)";

// The file's numbers as the fields show them.
std::string fieldText(double value) {
    return common::displayDouble(value);
}

// A name typed without an extension gets the one of the filter.
QString withExtension(const QString& name, const char* extension) {
    return QFileInfo(name).suffix().isEmpty() ? name + extension : name;
}

}  // namespace

void Form1::setFileDialogs(const common::FileDialogs& dialogs) {
    dialogs_ = dialogs;
    form2_->setFileDialogs(dialogs);
}

void Form1::setUnsaved(bool unsaved) {
    dirty_ = unsaved;
    updateTitle();
}

// "Marvecos - talud.tal", with a star while there are unsaved changes.
void Form1::updateTitle() {
    QString title = kProgramTitle;
    if (!fileName_.isEmpty()) {
        title += " - " + QFileInfo(fileName_).fileName();
    }
    if (dirty_) {
        title += " *";
    }
    setWindowTitle(title);
}

bool Form1::mayDropChanges() {
    if (!dirty_) {
        return true;
    }
    UnsavedAnswer answer = UnsavedAnswer::Discard;
    if (question_) {
        answer = question_();
    } else if (ownMessages_) {
        const auto button = QMessageBox::question(
            this, kProgramTitle, "El talud tiene cambios sin guardar. ¿Desea guardarlos?",
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        answer = button == QMessageBox::Save      ? UnsavedAnswer::Save
                 : button == QMessageBox::Discard ? UnsavedAnswer::Discard
                                                  : UnsavedAnswer::Cancel;
    }
    switch (answer) {
        case UnsavedAnswer::Save:
            return guardar();
        case UnsavedAnswer::Discard:
            return true;
        case UnsavedAnswer::Cancel:
            break;
    }
    return false;
}

std::optional<SlopeData> Form1::slopeData() {
    // A file holds numbers: a text that is none is refused naming its field.
    if (!checkSlopeFields(fields_, *messages_)) {
        return std::nullopt;
    }
    SlopeData data;
    if (!readGround(data.ground, true)) {
        return std::nullopt;
    }
    // The values as typed: n is kept as the user wrote it, not limited to 10..100.
    SlopeProblem& p = data.problem;
    double* values[] = {&p.fi, &p.c, &p.gam, &p.H, &p.L, &p.Xcr, &p.Ycr, &p.R, &p.n};
    for (std::size_t k = 0; k < std::size(values); ++k) {
        *values[k] = common::fieldValue(fields_.text(kSlopeFieldNames[k]));
    }
    p.method = readSlopeInput(fields_, methodButtons()).method;
    return data;
}

bool Form1::abrir() {
    if (!mayDropChanges()) {
        return false;
    }
    const QString name = dialogs_.openFile(this, kSlopeFilter);
    return !name.isEmpty() && abrirArchivo(name);
}

bool Form1::abrirArchivo(const QString& path) {
    SlopeData data;
    std::string error;
    if (!readSlopeFile(path.toStdString(), data, error)) {
        messages_->show(error, "Error", common::MessageIcon::Critical);
        return false;
    }
    filling_ = true;
    const SlopeProblem& p = data.problem;
    const double values[] = {p.fi, p.c, p.gam, p.H, p.L, p.Xcr, p.Ycr, p.R, p.n};
    for (std::size_t k = 0; k < std::size(values); ++k) {
        fields_.setText(kSlopeFieldNames[k], fieldText(values[k]));
    }
    const std::vector<QRadioButton*> options = {bishop_, janbu_, spencer_};
    for (QRadioButton* option : findChild<QGroupBox*>("Frame4")->findChildren<QRadioButton*>()) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
    if (p.method >= kBishop && p.method <= kSpencer) {
        options[static_cast<std::size_t>(p.method - 1)]->setChecked(true);
    }
    editor_->setTables(groundTables(data.ground));
    model_ = data.ground;
    mapLayer_.clear();
    lastSearch_.reset();
    searchCsvReady_ = false;
    filling_ = false;
    fileName_ = path;
    setUnsaved(false);
    drawSlope();
    return true;
}

bool Form1::guardar() {
    if (fileName_.isEmpty()) {
        return guardarComo();
    }
    return saveTo(fileName_);
}

bool Form1::guardarComo() {
    if (!slopeData()) {
        return false;
    }
    const QString name = dialogs_.saveFile(this, kSlopeFilter);
    return !name.isEmpty() && saveTo(withExtension(name, ".tal"));
}

bool Form1::saveTo(const QString& path) {
    const std::optional<SlopeData> data = slopeData();
    if (!data) {
        return false;
    }
    // The fields take what the file would refuse (fi of 95, a negative cohesion): such a slope
    // is not written, so that every file saved opens again.
    SlopeData back;
    std::string error;
    if (!readSlopeText(slopeFileText(*data), back, error)) {
        const std::string fault = error.substr(error.find(": ") + 2);
        messages_->show("No se puede guardar el talud: " + fault + ".", kProgramTitle,
                        common::MessageIcon::None);
        return false;
    }
    if (!writeSlopeFile(path.toStdString(), *data, *messages_)) {
        return false;
    }
    fileName_ = path;
    setUnsaved(false);
    return true;
}

// "busqueda.csv" of the last search from the window, wherever the user puts it.
bool Form1::guardarBusqueda() {
    std::string content;
    if (!searchCsvReady_ || !common::readWholeFile(searchCsvPath(), content)) {
        messages_->show("No hay ninguna busqueda del circulo critico que guardar.", kProgramTitle,
                        common::MessageIcon::None);
        return false;
    }
    const QString name = dialogs_.saveFile(this, kCsvFilter);
    return !name.isEmpty() &&
           writeReported(withExtension(name, ".csv").toStdString(), content, *messages_);
}

}  // namespace marvecos
