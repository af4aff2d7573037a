#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "common/messages.h"
#include "common/patterntext.h"
#include "common/ui/palette.h"
#include "marvecos/search/circlesearch.h"
#include "marvecos/ui/form1.h"
#include "marvecos/ui/searchdialog.h"
#include "slopewindow.h"

using marvecos::Form1;
using marvecos::SearchDialog;

namespace {

// The sample slope with slices enough that its critical circle brings no warning.
FieldList searchSlope() {
    FieldList fields = kSampleSlope;
    for (auto& field : fields) {
        if (std::string(field.first) == "n") {
            field.second = "60";
        }
    }
    return fields;
}

marvecos::SlopeProblem problemOf(const FieldList& fields) {
    common::MemoryFields memory;
    for (const auto& [name, text] : fields) {
        memory.setText(name, text);
    }
    marvecos::MethodButtons buttons;
    buttons.bishop = true;
    return marvecos::readSlopeInput(memory, buttons);
}

void click(QWidget* window, const char* name) {
    auto* button = window->findChild<QAbstractButton*>(name);
    QVERIFY2(button != nullptr, name);
    button->click();
}

// Runs `step` on the search dialog once it is open and modal; records that it was.
void whenDialogOpens(const std::function<void(SearchDialog*)>& step, bool* opened = nullptr) {
    QTimer::singleShot(0, [step, opened] {
        auto* dialog = qobject_cast<SearchDialog*>(QApplication::activeModalWidget());
        if (opened) {
            *opened = dialog != nullptr;
        }
        if (dialog) {
            step(dialog);
        }
    });
}

// Pixels of the drawing in the colour of the map's lowest band.
int criticalBandPixels(const QImage& image) {
    const QColor band = common::classicColor(12);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == band ? 1 : 0;
        }
    }
    return count;
}

QString metres(double v) {
    return QString::fromStdString(common::formatPattern(v, "####0.000"));
}

}  // namespace

class SearchWindowTest : public QObject {
    Q_OBJECT

private slots:
    void dialogOpensWithTheDefaultGrid() {
        common::RecordingMessages messages;
        SearchDialog dialog(problemOf(searchSlope()), marvecos::SliceMethod::Bishop, messages);
        QCOMPARE(dialog.windowTitle(), QString("Buscar circulo critico"));
        const std::pair<const char*, const char*> expected[] = {
            {"txtX0", "-5"}, {"txtX1", "25"}, {"txtNX", "21"}, {"txtY0", "10"},
            {"txtY1", "30"}, {"txtNY", "21"}, {"txtNR", "11"},
        };
        for (const auto& [name, text] : expected) {
            QCOMPARE(fieldText(&dialog, name), QString(text));
        }
        auto* perCentre = dialog.findChild<QCheckBox*>("chkRadiosCentro");
        QVERIFY(perCentre->isChecked());
        QVERIFY(!dialog.findChild<QLineEdit*>("txtR0")->isEnabled());
        QCOMPARE(dialog.findChild<QLabel*>("lblCirculos")->text(),
                 QString("21 x 21 centros, 11 radios por centro y el del pie: 5292 "
                         "circunferencias"));
        perCentre->setChecked(false);
        QVERIFY(dialog.findChild<QLineEdit*>("txtR0")->isEnabled());
        QCOMPARE(dialog.findChild<QLabel*>("lblCirculos")->text(),
                 QString("21 x 21 centros, 11 radios por centro: 4851 circunferencias"));
        perCentre->setChecked(true);

        // A small grid runs to its end: the bar is full and the dialog keeps the result.
        dialog.findChild<QLineEdit*>("txtNX")->setText("5");
        dialog.findChild<QLineEdit*>("txtNY")->setText("4");
        QSignalSpy ended(&dialog, &SearchDialog::searchEnded);
        click(&dialog, "cmdBuscar");
        QTRY_COMPARE(ended.count(), 1);
        QVERIFY(!dialog.searching());
        auto* bar = dialog.findChild<QProgressBar*>("barProgreso");
        QCOMPARE(bar->maximum(), 20);
        QCOMPARE(bar->value(), 20);
        QVERIFY(dialog.result().has_value());
        QCOMPARE(dialog.result()->grid.x.count, 5);
        QCOMPARE(dialog.result()->grid.y.from, 10.0);
        QCOMPARE(dialog.result()->withFactor() + dialog.result()->withoutFactor(), 240);
        QCOMPARE(dialog.result()->grid.radiiPerCentre, true);

        // A count that is not a whole number from 1 to 1000 is refused before any search.
        dialog.findChild<QLineEdit*>("txtNX")->setText("0");
        click(&dialog, "cmdBuscar");
        QVERIFY(!dialog.searching());
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].text,
                 std::string(
                     "El numero de puntos y el de radios deben ser numeros enteros de 1 a 1000."));
    }

    void searchSetsTheCircleCalculatesItAndDrawsTheMap() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        setFields(&form, searchSlope());
        form.findChild<QRadioButton*>("Option1")->setChecked(true);
        const int before = criticalBandPixels(form.canvas()->render());

        whenDialogOpens([](SearchDialog* dialog) { click(dialog, "cmdBuscar"); });
        click(&form, "Command4");
        QVERIFY(messages.shown.empty());

        // The same circle as the search of the core, in the fields and calculated.
        const marvecos::SlopeProblem p = problemOf(searchSlope());
        const marvecos::SearchResult expected = marvecos::searchCriticalCircle(
            marvecos::SliceMethod::Bishop, p, marvecos::defaultSearchGrid(p.H, p.L));
        QCOMPARE(fieldText(&form, "Xcr"), metres(expected.critical.Xcr));
        QCOMPARE(fieldText(&form, "Ycr"), metres(expected.critical.Ycr));
        QCOMPARE(fieldText(&form, "R"), metres(expected.critical.R));
        QCOMPARE(form.findChild<QLabel*>("Label2")->text(), metres(expected.critical.fs));
        QVERIFY(folder.exists("Bishop.out"));

        // The map is drawn under the slope, with the critical centre in its lowest band.
        QVERIFY(form.searchMapLayer().shown());
        QCOMPARE(form.searchMapLayer().map()->criticalFs, expected.critical.fs);
        QCOMPARE(before, 0);
        QVERIFY(criticalBandPixels(form.canvas()->render()) > 20);
    }

    void mapStaysUntilTheSoilOrSlopeChanges() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        setFields(&form, searchSlope());
        form.findChild<QRadioButton*>("Option2")->setChecked(true);
        whenDialogOpens([](SearchDialog* dialog) { click(dialog, "cmdBuscar"); });
        click(&form, "Command4");
        QVERIFY(form.searchMapLayer().shown());

        // Another circle, its calculation, a redraw at another scale: the map stays.
        form.findChild<QLineEdit*>("Xcr")->setText("5");
        form.findChild<QLineEdit*>("R")->setText("21");
        click(&form, "Command1");
        form.findChild<QSlider*>("scale")->setValue(6);
        QVERIFY(form.searchMapLayer().shown());
        QVERIFY(criticalBandPixels(form.canvas()->render()) > 0);

        // A change of the soil leaves the map behind.
        form.findChild<QLineEdit*>("c")->setText("12");
        QVERIFY(!form.searchMapLayer().shown());
        QCOMPARE(criticalBandPixels(form.canvas()->render()), 0);

        // So does a change of the slope after a new search.
        whenDialogOpens([](SearchDialog* dialog) { click(dialog, "cmdBuscar"); });
        click(&form, "Command4");
        QVERIFY(form.searchMapLayer().shown());
        form.findChild<QLineEdit*>("H")->setText("11");
        QVERIFY(!form.searchMapLayer().shown());
    }

    void cancelStopsALongSearchAndChangesNothing() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        setFields(&form, searchSlope());
        form.findChild<QRadioButton*>("Option1")->setChecked(true);
        bool wasSearching = false;
        whenDialogOpens([&wasSearching](SearchDialog* dialog) {
            // About a million circles: far longer than a moment.
            dialog->findChild<QLineEdit*>("txtNX")->setText("300");
            dialog->findChild<QLineEdit*>("txtNY")->setText("300");
            click(dialog, "cmdBuscar");
            wasSearching = dialog->searching();
            QTimer::singleShot(100, dialog, [dialog] { click(dialog, "cmdCancelar"); });
        });
        click(&form, "Command4");
        QVERIFY(wasSearching);
        QCOMPARE(fieldText(&form, "Xcr"), QString("5"));
        QCOMPARE(fieldText(&form, "R"), QString("20"));
        QVERIFY(!form.searchMapLayer().shown());
        QVERIFY(!folder.exists("Bishop.out"));
        QVERIFY(messages.shown.empty());

        // "Cancelar" before any search simply closes the dialog.
        whenDialogOpens([](SearchDialog* dialog) { click(dialog, "cmdCancelar"); });
        click(&form, "Command4");
        QVERIFY(!form.searchMapLayer().shown());
        QVERIFY(messages.shown.empty());
    }

    void noDialogWithoutSoilSlopeOrMethod() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        setFields(&form, searchSlope());
        const struct {
            const char* option;
            const char* field;
            const char* text;
            std::string message;
        } cases[] = {
            {nullptr, nullptr, nullptr, "Por favor seleccione un metodo de analisis."},
            {"Option3", "gam", "0", "El peso especifico no puede ser nulo."},
        };
        for (const auto& c : cases) {
            if (c.option) {
                form.findChild<QRadioButton*>(c.option)->setChecked(true);
            }
            if (c.field) {
                form.findChild<QLineEdit*>(c.field)->setText(c.text);
            }
            messages.shown.clear();
            bool opened = false;
            whenDialogOpens([](SearchDialog* dialog) { dialog->reject(); }, &opened);
            click(&form, "Command4");
            QCoreApplication::processEvents();
            QVERIFY(!opened);
            QCOMPARE(messages.shown.size(), size_t(1));
            QCOMPARE(messages.shown[0].text, c.message);
        }
    }

    void gridWithoutAnyFactorSaysSo() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        setFields(&form, searchSlope());
        form.findChild<QRadioButton*>("Option1")->setChecked(true);
        whenDialogOpens([](SearchDialog* dialog) {
            dialog->findChild<QLineEdit*>("txtY0")->setText("40");
            dialog->findChild<QLineEdit*>("txtY1")->setText("50");
            dialog->findChild<QCheckBox*>("chkRadiosCentro")->setChecked(false);
            dialog->findChild<QLineEdit*>("txtR0")->setText("1");
            dialog->findChild<QLineEdit*>("txtR1")->setText("5");
            click(dialog, "cmdBuscar");
        });
        click(&form, "Command4");
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].text,
                 std::string("Ninguna circunferencia de la busqueda da un factor de seguridad: "
                             "no hay circulo critico. Revise la rejilla de centros y radios."));
        QCOMPARE(fieldText(&form, "Xcr"), QString("5"));
        QVERIFY(!form.searchMapLayer().shown());
    }
};

QTEST_MAIN(SearchWindowTest)
#include "search_test.moc"
