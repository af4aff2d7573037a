#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenuBar>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>
#include <sstream>

#include "common/messages.h"
#include "marvecos/batch.h"
#include "marvecos/coords.h"
#include "marvecos/ui/form1.h"
#include "marvecos/ui/form2.h"
#include "slopewindow.h"

using marvecos::Form1;

namespace {

QString labelText(QWidget& window, const char* name) {
    auto* label = window.findChild<QLabel*>(name);
    return label ? label->text() : QString("<no label>");
}

QStringList texts(QWidget& window) {
    QStringList all;
    for (auto* l : window.findChildren<QLabel*>()) {
        all << l->text();
    }
    for (auto* g : window.findChildren<QGroupBox*>()) {
        all << g->title();
    }
    for (auto* b : window.findChildren<QAbstractButton*>()) {
        all << b->text();
    }
    return all;
}

void click(QWidget& window, const char* name) {
    auto* button = window.findChild<QAbstractButton*>(name);
    QVERIFY2(button != nullptr, name);
    button->click();
}

// What the batch mode prints as the factor of safety for the same field texts.
std::string batchFactor(const FieldList& fields, const std::string& method) {
    TestFolder folder;
    std::vector<std::string> args = {"--batch", "--method", method};
    for (const auto& [name, text] : fields) {
        args.push_back(std::string("--") + name);
        args.push_back(text);
    }
    std::ostringstream out, err;
    common::RecordingMessages messages;
    marvecos::runBatch(args, folder.folders(), out, err, messages);
    return out.str();
}

// The problem of the sample with one field changed.
FieldList sampleWith(const char* name, const char* text) {
    FieldList fields = kSampleSlope;
    for (auto& field : fields) {
        if (std::string(field.first) == name) {
            field.second = text;
        }
    }
    return fields;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void windowShowsEveryCaptionAndUnit() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        QCOMPARE(form.windowTitle(), QString("Marvecos"));
        const QStringList shown = texts(form);
        for (const char* text : {"ESTABILIDAD DE MARVECOS DE TIERRA",
                                 "Suelo",
                                 "Talud",
                                 "Circulos",
                                 "Metodo de calculo",
                                 "Angulo de friccion interna fi=",
                                 "º",
                                 "Cohesion c=",
                                 "kN/m2",
                                 "Peso especifico gam=",
                                 "kN/m3",
                                 "Altura del talud H=",
                                 "Longitud del talud L=",
                                 "m",
                                 "Centro del radio de la circunferencia :",
                                 "Xcr=",
                                 "Ycr=",
                                 "Radio de la circunferencia R=",
                                 "Numero de dovelas n=",
                                 "Bishop",
                                 "Janbu",
                                 "Spencer",
                                 "Morgenstern-Price",
                                 "Ordinario",
                                 "Janbu corregido",
                                 "Calcular",
                                 "Salir",
                                 "Resultados",
                                 "Factor de seguridad calculado:",
                                 "Escala grafica:"}) {
            QVERIFY2(shown.contains(text), text);
        }
        for (const char* name : {"fi", "c", "gam", "H", "L", "Xcr", "Ycr", "R", "n"}) {
            QCOMPARE(fieldText(&form, name), QString());
        }
        for (auto* option : form.findChildren<QRadioButton*>()) {
            QVERIFY(!option->isChecked());
        }
        auto* scale = form.findChild<QSlider*>("scale");
        QVERIFY(scale != nullptr);
        QCOMPARE(scale->value(), 5);
        QCOMPARE(scale->minimum(), 1);
        QCOMPARE(scale->maximum(), 20);
        QCOMPARE(labelText(form, "Label2"), QString());
        QVERIFY(messages.shown.empty());
    }

    // The entries, their texts and keys, and what each does: the same as its button.
    void menuEntriesDoWhatTheButtonsDo() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        StubDialogs stub;
        form.setFileDialogs(stub.dialogs());
        QStringList entries;
        QMap<QString, QAction*> byName;
        for (QAction* top : form.menuBar()->actions()) {
            entries << top->text();
            byName[top->text()] = top;
            if (top->menu() != nullptr) {
                for (QAction* entry : top->menu()->actions()) {
                    if (!entry->isSeparator()) {
                        entries << entry->text();
                        byName[top->text() + "/" + entry->text()] = entry;
                    }
                }
            }
        }
        QCOMPARE(entries,
                 QStringList({"Archivo", "Abrir", "Guardar", "Guardar como", "Exportar PDF...",
                              "Salir", "Calcular", "Metodo", "Bishop", "Janbu", "Spencer",
                              "Morgenstern-Price", "Ordinario", "Janbu corregido", "Resultados"}));
        QCOMPARE(byName["Archivo/Abrir"]->shortcut(), QKeySequence(QKeySequence::Open));
        QCOMPARE(byName["Archivo/Guardar"]->shortcut(), QKeySequence(QKeySequence::Save));
        QCOMPARE(byName["Archivo/Guardar como"]->shortcut(), QKeySequence("Ctrl+Shift+S"));
        QCOMPARE(byName["Archivo/Salir"]->shortcut(), QKeySequence("Ctrl+Q"));

        setFields(&form, kSampleSlope);
        byName["Metodo/Janbu"]->trigger();
        QVERIFY(form.findChild<QRadioButton*>("Option2")->isChecked());
        byName["Calcular"]->trigger();
        const QString janbu = labelText(form, "Label2");
        QCOMPARE("fs=" + janbu.toStdString() + "\n", batchFactor(kSampleSlope, "janbu"));
        byName["Metodo/Bishop"]->trigger();
        QVERIFY(form.findChild<QRadioButton*>("Option1")->isChecked());
        form.findChild<QRadioButton*>("Option2")->setChecked(true);
        QVERIFY(byName["Metodo/Janbu"]->isChecked());
        byName["Resultados"]->trigger();
        QVERIFY(form.resultsWindow()->isVisible());

        // The file entries ask for a name; a cancelled dialog does nothing.
        byName["Archivo/Abrir"]->trigger();
        byName["Archivo/Guardar como"]->trigger();
        QCOMPARE(stub.openCalls, 1);
        QCOMPARE(stub.saveCalls, 1);
        QCOMPARE(stub.lastFilter, QString("Taludes (*.tal);;Todos los archivos (*.*)"));
        QVERIFY(messages.shown.empty());
        form.setUnsavedQuestion([] { return marvecos::UnsavedAnswer::Cancel; });
        byName["Archivo/Salir"]->trigger();
        QVERIFY(form.resultsWindow()->isVisible());
    }

    void eachFailedCheckShowsItsMessageAndStillRedraws() {
        struct Case {
            FieldList fields;
            const char* message;
            common::MessageIcon icon = common::MessageIcon::None;
        };
        constexpr common::MessageIcon kRefused = common::MessageIcon::Critical;
        FieldList noStrength = sampleWith("fi", "0");
        noStrength[1].second = "0";
        FieldList atOrigin = sampleWith("Xcr", "0");
        atOrigin[6].second = "0";
        const Case cases[] = {
            {noStrength,
             "El angulo de friccion interna y la cohesion no pueden ser nulos simultaneamente."},
            {sampleWith("gam", ""), "El peso especifico no puede ser nulo."},
            {sampleWith("H", "0"), "La altura del talud no puede ser nula."},
            {sampleWith("L", ""), "La longitud del talud no puede ser nula."},
            {sampleWith("L", "abc"),
             "El campo \"Longitud del talud L\" no contiene un numero: \"abc\".", kRefused},
            {sampleWith("H", "-10"), "El campo \"Altura del talud H\" no puede ser negativo.",
             kRefused},
            {sampleWith("R", "-20"),
             "El campo \"Radio de la circunferencia R\" no puede ser negativo.", kRefused},
            {atOrigin,
             "El centro de la circunferencia no puede estar en el origen de coordenadas."},
            {sampleWith("R", "0"), "El radio de la circunferencia no puede ser nulo."},
        };
        for (const Case& c : cases) {
            TestFolder folder;
            common::RecordingMessages messages;
            Form1 form(folder.folders(), &messages);
            setFields(&form, c.fields);
            form.findChild<QRadioButton*>("Option1")->setChecked(true);
            // Drawn as the fields are typed, before any calculation.
            QVERIFY(!form.slopeLayer().figure().ground.empty());
            click(form, "Command1");
            QVERIFY2(!messages.shown.empty(), c.message);
            QCOMPARE(messages.shown[0], (common::Message{c.message, "Marvecos", c.icon}));
            QCOMPARE(labelText(form, "Label2"), QString());
            QVERIFY(!folder.exists("results.tmp"));
            QVERIFY(!folder.exists("Bishop.out"));
            // The redraw: the ground is drawn from the fields as they stand.
            QCOMPARE(form.slopeLayer().figure().ground.size(), std::size_t(3));
        }
    }

    void withoutMethodAsksForOneAndRedraws() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        setFields(&form, kSampleSlope);
        click(form, "Command1");
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QCOMPARE(messages.shown[0], (common::Message{"Por favor seleccione un metodo de analisis.",
                                                     "Marvecos", common::MessageIcon::None}));
        QCOMPARE(labelText(form, "Label2"), QString());
        QCOMPARE(form.slopeLayer().figure().slipSurface.size(), std::size_t(10));
        QVERIFY(folder.exists("coords.tmp"));
        QVERIFY(!folder.exists("results.tmp"));
    }

    void everyNewMethodComputesAndRedraws() {
        struct Case {
            const char* option;
            int function;  // index of the "funcion" choice
            const char* title;
        };
        const Case cases[] = {
            {"Option3", 0, "Resultados: metodo de Spencer.   fs="},
            {"Option4", 0, "Resultados: metodo de Morgenstern-Price.   fs="},
            {"Option4", 1, "Resultados: metodo de Morgenstern-Price.   fs="},
            {"Option5", 0, "Resultados: metodo ordinario.   fs="},
            {"Option6", 0, "Resultados: metodo Janbu corregido.   fs="},
        };
        for (const Case& c : cases) {
            TestFolder folder;
            common::RecordingMessages messages;
            Form1 form(folder.folders(), &messages);
            setFields(&form, kSampleSlope);
            form.findChild<QRadioButton*>(c.option)->setChecked(true);
            form.findChild<QComboBox*>("funcion")->setCurrentIndex(c.function);
            click(form, "Command1");
            QVERIFY(messages.shown.empty());
            QVERIFY(!labelText(form, "Label2").isEmpty());
            QVERIFY(folder.exists("results.tmp"));
            QVERIFY(!folder.exists("errores.out"));
            QCOMPARE(form.slopeLayer().figure().slipSurface.size(), std::size_t(10));
            QVERIFY(form.resultsWindow()->windowTitle().startsWith(c.title));
        }
    }

    // The report is of the last calculation: none before one; a later edit does not reach it.
    void exportarPdfWritesTheReportOfTheLastCalculation() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        StubDialogs stub;
        form.setFileDialogs(stub.dialogs());
        stub.saveName = folder.file("informe.pdf");
        click(form, "ExportarPdf");
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QCOMPARE(stub.saveCalls, 0);

        setFields(&form, kSampleSlope);
        form.findChild<QRadioButton*>("Option1")->setChecked(true);
        click(form, "Command1");
        setFields(&form, {{"fi", "35"}});
        click(form, "ExportarPdf");
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QVERIFY(form.lastReport().has_value());
        QCOMPARE(form.lastReport()->data.problem.fi, 20.0);
        QVERIFY(folder.read("informe.pdf").startsWith("%PDF"));
    }

    // "Guardar imagen..." writes the drawing as a PNG or, by the name's extension, an SVG.
    void theDrawingIsSavedAsPngOrSvg() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        StubDialogs stub;
        form.setFileDialogs(stub.dialogs());
        setFields(&form, kSampleSlope);
        auto* save = form.findChild<QAction*>("GuardarImagen");
        QVERIFY(save != nullptr);
        for (const char* name : {"dibujo.png", "dibujo.svg"}) {
            stub.saveName = folder.file(name);
            save->trigger();
        }
        QVERIFY(messages.shown.empty());
        QVERIFY(folder.read("dibujo.png").startsWith("\x89PNG"));
        QVERIFY(folder.read("dibujo.svg").contains("<svg"));
    }

    void bishopAndJanbuShowTheFactorOfTheBatchMode() {
        for (const char* method : {"bishop", "janbu"}) {
            TestFolder folder;
            common::RecordingMessages messages;
            Form1 form(folder.folders(), &messages);
            setFields(&form, kSampleSlope);
            form.findChild<QRadioButton*>(std::string(method) == "bishop" ? "Option1" : "Option2")
                ->setChecked(true);
            click(form, "Command1");
            QVERIFY(messages.shown.empty());
            const QString label = labelText(form, "Label2");
            QCOMPARE("fs=" + label.toStdString() + "\n", batchFactor(kSampleSlope, method));
            QVERIFY(folder.exists(std::string(method) == "bishop" ? "Bishop.out" : "Janbu.out"));
            // A later check that fails takes the factor away: it belonged to other data.
            setFields(&form, {{"gam", "0"}});
            click(form, "Command1");
            QCOMPARE(labelText(form, "Label2"), QString());
        }
    }

    void sliceCountIsLimitedWhileTheFieldKeepsItsText() {
        struct Case {
            const char* typed;
            std::size_t slices;
        };
        for (const Case& c : {Case{"5", 10}, Case{"250", 100}}) {
            TestFolder folder;
            common::RecordingMessages messages;
            Form1 form(folder.folders(), &messages);
            setFields(&form, sampleWith("n", c.typed));
            form.findChild<QRadioButton*>("Option1")->setChecked(true);
            click(form, "Command1");
            QCOMPARE(fieldText(&form, "n"), QString(c.typed));
            QCOMPARE(form.slopeLayer().figure().slipSurface.size(), c.slices);
            QCOMPARE(folder.read("coords.tmp").split('\r').first().trimmed().toInt(),
                     int(c.slices) + 1);
            QCOMPARE(folder.read("results.tmp").split('\r').first().trimmed().toInt(),
                     int(c.slices));
        }
    }

    void sliderAndClickRedrawInNewCoordinates() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        setFields(&form, kSampleSlope);
        form.drawSlope();
        QCOMPARE(form.canvas()->userWindow(), (marvecos::UserWindow{-55, 27.5, 55, -27.5}));

        form.scaleSlider()->setValue(10);
        QCOMPARE(form.canvas()->userWindow(), (marvecos::UserWindow{-110, 55, 110, -55}));
        form.scaleSlider()->setValue(1);
        QCOMPARE(form.canvas()->userWindow(), (marvecos::UserWindow{-11, 5.5, 11, -5.5}));

        // A click in the area reads the fields again.
        setFields(&form, {{"H", "4"}, {"L", "8"}});
        QTest::mouseClick(form.canvas(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(form.canvas()->userWindow(), (marvecos::UserWindow{-4.4, 2.2, 4.4, -2.2}));

        // With H x L <= 0 the redraw keeps the coordinates of the previous one.
        setFields(&form, {{"H", "-4"}});
        form.scaleSlider()->setValue(3);
        QCOMPARE(form.canvas()->userWindow(), (marvecos::UserWindow{-4.4, 2.2, 4.4, -2.2}));
        QCOMPARE(form.slopeLayer().figure().ground.size(), std::size_t(3));
        QVERIFY(messages.shown.empty());
    }

    void theWindowFitsASmallScreenAndGrowsWithItsDrawing() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        form.show();
        const QSize room(1366 - 8, 768 - 36 - 34);
        QVERIFY(form.sizeHint().boundedTo(room) == form.sizeHint());
        setFields(&form, kSampleSlope);
        click(form, "Ajustar");
        const int fitted = form.scaleSlider()->value();
        QWidget* drawing = form.findChild<QWidget*>("Picture1");
        const QSize designed = drawing->size();
        const QSize frame = form.findChild<QWidget*>("Frame1")->size();
        form.resize(form.size() + QSize(300, 120));
        QApplication::processEvents();
        QCOMPARE(drawing->size(), designed + QSize(300, 120));
        QCOMPARE(form.findChild<QWidget*>("Frame1")->size(), frame);

        // Equal scales in x and y over the larger area, and the ground reaches its edges.
        const marvecos::UserWindow shown = form.canvas()->shownWindow();
        QCOMPARE((shown.right - shown.left) / (shown.top - shown.bottom),
                 double(drawing->width()) / drawing->height());
        const std::vector<double>& soilX = form.modelLayer().figure().soils.at(0).x;
        QCOMPARE(*std::min_element(soilX.begin(), soilX.end()), shown.left);
        QCOMPARE(*std::max_element(soilX.begin(), soilX.end()), shown.right);
        // A larger area never needs a farther view to show the whole problem.
        click(form, "Ajustar");
        QVERIFY(form.scaleSlider()->value() <= fitted);
        QVERIFY(messages.shown.empty());
    }

    void brokenCircleIsReportedAndNotDrawn() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        form.resize(form.sizeHint());
        setFields(&form, kSampleSlope);
        form.findChild<QRadioButton*>("Option1")->setChecked(true);
        click(form, "Command1");
        const QString first = labelText(form, "Label2");
        QVERIFY(slipSurfacePixels(form.canvas()->render()) > 0);

        // A circle far above the slope reaches neither the crest plane nor the face.
        setFields(&form, {{"Ycr", "100"}});
        click(form, "Command1");
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QCOMPARE(messages.shown[0].text,
                 marvecos::geometryFailureText(marvecos::GeometryStatus::NoFaceCrossing));
        QCOMPARE(messages.shown[0].title, std::string("Marvecos"));
        QVERIFY(!first.isEmpty());
        QCOMPARE(labelText(form, "Label2"), QString());  // no factor beside the new drawing
        QVERIFY(form.slopeLayer().figure().slipSurface.empty());
        QVERIFY(form.slopeLayer().figure().radius.empty());
        QCOMPARE(slipSurfacePixels(form.canvas()->render()), 0);
        QCOMPARE(form.slopeLayer().figure().marks.size(), std::size_t(2));
    }

    void anyFieldTextsRedrawWithoutFailing() {
        const FieldList odd[] = {
            {{"H", "1e308"}, {"L", "1e308"}, {"Xcr", "1e308"}, {"R", "1e308"}},
            {{"H", "-10"}, {"L", "-20"}, {"Xcr", "-5"}, {"Ycr", "-20"}, {"R", "-20"}},
            {{"H", "1e-300"}, {"L", "1e-300"}, {"Ycr", "1e-300"}, {"R", "1e-300"}},
            {{"H", "10"}, {"L", "0"}, {"R", "50"}, {"n", "1e9"}},
            {{"H", "10"}, {"L", "20"}, {"Xcr", "5"}, {"Ycr", "20"}, {"R", "1e300"}},
        };
        for (const FieldList& fields : odd) {
            TestFolder folder;
            common::RecordingMessages messages;
            Form1 form(folder.folders(), &messages);
            setFields(&form, kSampleSlope);
            setFields(&form, fields);
            form.findChild<QRadioButton*>("Option2")->setChecked(true);
            click(form, "Command1");
            for (int s : {1, 20}) {
                form.scaleSlider()->setValue(s);
                const QImage image = form.canvas()->render();
                QVERIFY(!image.isNull());
            }
            QVERIFY(!labelText(form, "Label2").contains("nan"));
            QVERIFY(!labelText(form, "Label2").contains("inf"));
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
