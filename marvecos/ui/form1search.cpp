// The main window's search of the critical circle.

#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "common/patterntext.h"
#include "marvecos/checks.h"
#include "marvecos/fieldchecks.h"
#include "marvecos/methods/modelmethods.h"
#include "marvecos/program.h"
#include "marvecos/search/searchcsv.h"
#include "marvecos/search/searchmap.h"
#include "marvecos/ui/form1.h"
#include "marvecos/ui/searchdialog.h"

namespace marvecos {

void Form1::buildSearch(QWidget* central) {
    auto* button = new QPushButton("Buscar circulo critico...", central);
    button->setObjectName("Command4");
    button->setGeometry(10, 456, 330, 32);
    connect(button, &QPushButton::clicked, this, &Form1::buscarCirculoCritico);

    // The map belongs to the soil and the slope it was searched on.
    for (const char* name : {"fi", "c", "gam", "H", "L"}) {
        if (auto* field = findChild<QLineEdit*>(name)) {
            connect(field, &QLineEdit::textChanged, this, [this] {
                if (mapLayer_.shown()) {
                    mapLayer_.clear();
                    canvas_->update();
                }
            });
        }
    }
}

std::string Form1::searchCsvPath() const {
    return (std::filesystem::path(folders_.temp) / "busqueda.csv").string();
}

void Form1::buscarCirculoCritico() {
    if (!checkSoilAndSlopeFields(fields_, *messages_)) {
        return;
    }
    const SlopeProblem p = readSlopeInput(fields_, methodButtons());
    GroundModel model;
    if (!checkSoilAndSlope(p, *messages_) || !readGround(model, true)) {
        return;
    }
    if (p.method == kNoMethod) {
        messages_->show("Por favor seleccione un metodo de analisis.", kProgramTitle,
                        common::MessageIcon::None);
        return;
    }
    SearchDialog dialog(p, sliceMethodOf(p.method), *messages_, this);
    dialog.setGround(model);
    dialog.setCsvPath(searchCsvPath());
    if (dialog.exec() != QDialog::Accepted || !dialog.result()) {
        return;
    }
    searchCsvReady_ = dialog.csvWritten();
    applySearch(*dialog.result(), p);
}

void Form1::applySearch(const SearchResult& result, const SlopeProblem& p) {
    if (!result.found) {
        mapLayer_.clear();
        canvas_->update();
        messages_->show(
            "Ninguna circunferencia de la busqueda da un factor de seguridad: no hay circulo "
            "critico. Revise la rejilla de centros y radios.",
            kProgramTitle, common::MessageIcon::None);
        return;
    }
    lastSearch_ = result;
    // A search that kept its circles (not the dialog's) writes them here.
    if (!result.circles.empty()) {
        searchCsvReady_ = writeReported(searchCsvPath(), searchCsvText(result), *messages_);
    }
    mapLayer_.setMap(searchMap(result), p.H, p.L);
    // Centres and radii of a search are to the millimetre: these texts are the circle itself.
    fields_.setText("Xcr", common::formatPattern(result.critical.Xcr, "####0.000"));
    fields_.setText("Ycr", common::formatPattern(result.critical.Ycr, "####0.000"));
    fields_.setText("R", common::formatPattern(result.critical.R, "####0.000"));
    searching_ = true;
    calcular();
    searching_ = false;
}

}  // namespace marvecos
