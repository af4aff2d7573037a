// The main window with a slope file and its ground: open, change, save, reopen; the question on
// leaving; the editor's refusals; keys in a field; the drawing's scales; the results kept.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QRadioButton>
#include <QSlider>
#include <QTableWidget>
#include <QtTest>
#include <cmath>

#include "common/messages.h"
#include "marvecos/model/groundtables.h"
#include "marvecos/model/slopefile.h"
#include "marvecos/resultscsv.h"
#include "marvecos/search/searchmap.h"
#include "marvecos/ui/edittable.h"
#include "marvecos/ui/form1.h"
#include "marvecos/ui/form2.h"
#include "marvecos/ui/groundeditor.h"
#include "slopewindow.h"

using marvecos::Form1;
using marvecos::UnsavedAnswer;

namespace {

// A slope over a layer, wet, loaded and shaken, in the slope file's words.
const QByteArray kLayered =
    "suelo 20 10 18\n"
    "talud 10 20\n"
    "circulo 5 20 21 30\n"
    "metodo janbu\n"
    "capa 28 5 19 -30 5 10 3 40 -1\n"
    "base -8\n"
    "napa -30 6 0 5 20 1 40 1\n"
    "carga -14 -6 20 10\n"
    "carga-lineal -2 40\n"
    "kh 0.1\n";

QAction* menuEntry(Form1& form, const QString& menu, const QString& entry) {
    for (QAction* top : form.menuBar()->actions()) {
        if (top->text() == menu && top->menu() != nullptr) {
            for (QAction* a : top->menu()->actions()) {
                if (a->text() == entry) {
                    return a;
                }
            }
        }
    }
    return nullptr;
}

std::string fileText(const Form1& form) {
    const auto data = const_cast<Form1&>(form).slopeData();
    return data ? marvecos::slopeFileText(*data) : std::string("<no data>");
}

}  // namespace

class GroundWindowTest : public QObject {
    Q_OBJECT

private slots:
    void openChangeSaveReopenGivesTheSameSlope() {
        TestFolder folder;
        QVERIFY(folder.write("capas.tal", kLayered));
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        StubDialogs stub;
        stub.openName = folder.file("capas.tal");
        form.setFileDialogs(stub.dialogs());
        menuEntry(form, "Archivo", "Abrir")->trigger();
        QCOMPARE(form.windowTitle(), QString("Marvecos - capas.tal"));
        QCOMPARE(fieldText(&form, "R"), QString("21"));
        QVERIFY(form.findChild<QRadioButton*>("Option2")->isChecked());
        QCOMPARE(form.groundModel().layers.size(), std::size_t(1));
        QCOMPARE(form.groundEditor()->stripTable()->rows()[0][3], std::string("10"));

        // A change marks the title; Guardar writes to the same file and clears the mark.
        form.findChild<QLineEdit*>("c")->setText("12");
        QCOMPARE(form.windowTitle(), QString("Marvecos - capas.tal *"));
        form.groundEditor()->findChild<QLineEdit*>("kh")->setText("0.15");
        menuEntry(form, "Archivo", "Guardar")->trigger();
        QCOMPARE(stub.saveCalls, 0);
        QCOMPARE(form.windowTitle(), QString("Marvecos - capas.tal"));

        Form1 again(folder.folders(), &messages);
        QVERIFY(again.abrirArchivo(folder.file("capas.tal")));
        QCOMPARE(fileText(again), fileText(form));
        QCOMPARE(again.groundModel().kh, 0.15);
        QCOMPARE(fieldText(&again, "c"), QString("12"));

        // Guardar como adds ".tal" to a name typed without one.
        stub.saveName = folder.file("copia");
        again.setFileDialogs(stub.dialogs());
        menuEntry(again, "Archivo", "Guardar como")->trigger();
        QVERIFY(folder.exists("copia.tal"));
        QCOMPARE(again.windowTitle(), QString("Marvecos - copia.tal"));
        QVERIFY(messages.shown.empty());

        // A field the file would refuse is not saved: the file stays as it was.
        const QByteArray saved = folder.read("copia.tal");
        again.findChild<QLineEdit*>("fi")->setText("95");
        menuEntry(again, "Archivo", "Guardar")->trigger();
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QCOMPARE(messages.shown[0].text,
                 std::string("El campo \"Angulo de friccion interna fi\" debe estar entre 0 "
                             "y 89 grados."));
        QCOMPARE(folder.read("copia.tal"), saved);
        QVERIFY(again.unsavedChanges());
    }

    void leavingWithUnsavedChangesAsks() {
        struct Case {
            UnsavedAnswer answer;
            bool closes;
            bool saved;
        };
        const Case cases[] = {{UnsavedAnswer::Cancel, false, false},
                              {UnsavedAnswer::Discard, true, false},
                              {UnsavedAnswer::Save, true, true}};
        {
            // Nothing typed: no question.
            TestFolder folder;
            common::RecordingMessages messages;
            Form1 form(folder.folders(), &messages);
            form.setUnsavedQuestion([] {
                QTest::qFail("asked", __FILE__, __LINE__);
                return UnsavedAnswer::Cancel;
            });
            form.show();
            form.close();
            QVERIFY(!form.isVisible());
        }
        for (const Case& c : cases) {
            TestFolder folder;
            common::RecordingMessages messages;
            Form1 form(folder.folders(), &messages);
            StubDialogs stub;
            stub.saveName = folder.file("nuevo");
            form.setFileDialogs(stub.dialogs());
            int asked = 0;
            form.setUnsavedQuestion([&] {
                ++asked;
                return c.answer;
            });
            form.show();
            setFields(&form, kSampleSlope);
            QCOMPARE(form.windowTitle(), QString("Marvecos *"));
            form.close();
            QCOMPARE(asked, 1);
            QCOMPARE(form.isVisible(), !c.closes);
            QCOMPARE(folder.exists("nuevo.tal"), c.saved);
        }
    }

    void editorRefusesWrongEntriesNamingRowAndColumn() {
        using marvecos::GroundTables;
        using marvecos::WaterKind;
        auto layer = [](std::vector<std::string> soil, marvecos::TextTable points) {
            GroundTables t;
            t.layers = {std::move(soil)};
            t.boundary = {std::move(points)};
            return t;
        };
        const marvecos::TextTable twoPoints = {{"-10", "3"}, {"30", "2"}};
        GroundTables secondRow = layer({"28", "5", "19"}, twoPoints);
        secondRow.layers.push_back({"30", "", "20"});
        secondRow.boundary.push_back(twoPoints);
        GroundTables ru;
        ru.water = WaterKind::PoreRatio;
        ru.ru = "1";
        GroundTables strip;
        strip.strips = {{"", "", "", ""}, {"5", "5", "10", ""}};
        GroundTables kh;
        kh.kh = "0.1x";
        GroundTables gamw;
        gamw.gamw = "0";
        GroundTables line;
        line.lineLoads = {{"2", "nan"}};
        GroundTables water;
        water.water = WaterKind::Piezometric;
        water.piezometric = {{"0", "5"}, {"abc", "4"}};
        const std::pair<GroundTables, const char*> cases[] = {
            {layer({"abc", "5", "19"}, twoPoints),
             "Capas, fila 1, columna fi: \"abc\" no es un numero."},
            {layer({"95", "5", "19"}, twoPoints),
             "Capas, fila 1, columna fi: fi debe estar entre 0 y 89 grados."},
            {layer({"28", "-1", "19"}, twoPoints),
             "Capas, fila 1, columna c: la cohesion no puede ser negativa."},
            {secondRow, "Capas, fila 2, columna c: falta el valor."},
            {layer({"28", "5", "19"}, {{"0", "3"}, {"0", "2"}}),
             "Contorno de la capa 1, fila 2, columna x: x debe crecer de un punto al siguiente."},
            {layer({"28", "5", "19"}, {{"0", "3"}}),
             "Contorno de la capa 1: hacen falta al menos dos puntos."},
            {water, "Linea piezometrica, fila 2, columna x: \"abc\" no es un numero."},
            {ru, "Coeficiente ru: ru debe estar entre 0 y menos de 1."},
            {gamw, "Peso especifico del agua gamw: debe ser positivo."},
            {strip, "Cargas repartidas, fila 2, columna x2: x2 debe ser mayor que x1."},
            {line, "Cargas lineales, fila 1, columna P: el valor no es un numero finito."},
            {kh, "Coeficiente sismico kh: \"0.1x\" no es un numero."},
        };
        for (const auto& [tables, message] : cases) {
            TestFolder folder;
            common::RecordingMessages messages;
            Form1 form(folder.folders(), &messages);
            setFields(&form, kSampleSlope);
            form.findChild<QRadioButton*>("Option1")->setChecked(true);
            form.groundEditor()->setTables(tables);
            form.calcular();
            QCOMPARE(messages.shown.size(), std::size_t(1));
            QCOMPARE(QString::fromStdString(messages.shown[0].text), QString(message));
            QVERIFY(!folder.exists("results.tmp"));
            QVERIFY(!form.slopeData());
        }
    }

    // Each layer keeps its boundary as rows are added, moved and removed.
    void layerRowsCarryTheirBoundaries() {
        marvecos::GroundEditor editor;
        marvecos::GroundTables t;
        t.layers = {{"28", "5", "19"}, {"34", "0", "20"}};
        t.boundary = {{{"-30", "5"}, {"40", "-1"}}, {{"-30", "0"}, {"60", "-3"}}};
        editor.setTables(t);
        marvecos::EditTable* layers = editor.layersTable();
        layers->table()->setCurrentCell(1, 0);
        layers->moveUp();
        QCOMPARE(editor.tables().layers[0][0], std::string("34"));
        QCOMPARE(editor.tables().boundary[0][1][1], std::string("-3"));
        QCOMPARE(editor.boundaryTable()->rows()[1][1], std::string("-3"));
        layers->addRow();  // after the selected first row
        QCOMPARE(editor.tables().layers.size(), std::size_t(3));
        QVERIFY(editor.boundaryTable()->rows().empty());
        editor.boundaryTable()->addRow();
        editor.boundaryTable()->table()->item(0, 0)->setText("7");
        QCOMPARE(editor.tables().boundary[1][0][0], std::string("7"));
        QCOMPARE(editor.tables().boundary[2][1][1], std::string("-1"));
        layers->table()->setCurrentCell(0, 0);
        layers->removeRow();
        const marvecos::GroundTables after = editor.tables();
        QCOMPARE(after.layers.size(), std::size_t(2));
        QCOMPARE(after.boundary[0][0][0], std::string("7"));
        QCOMPARE(after.boundary[1][1][1], std::string("-1"));
    }

    void keysTypedInAFieldEditTheField() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        StubDialogs stub;
        form.setFileDialogs(stub.dialogs());
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* c = form.findChild<QLineEdit*>("c");
        c->setFocus();
        QTest::keyClicks(c, "12.5");
        QTest::keyClick(c, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(c, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(c->text(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QString("12.5"));
        QTest::keyClick(c, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(c, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(c->text(), QString("12.512.5"));
        QTest::keyClick(c, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(c->text(), QString("12.5"));
        QTest::keyClick(c, Qt::Key_C, Qt::ControlModifier);
        // The window's own keys still reach the menu from a field.
        QTest::keyClick(c, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(stub.saveCalls, 1);
        // Unsaved changes: the question comes first.
        form.setUnsavedQuestion([] { return UnsavedAnswer::Cancel; });
        QTest::keyClick(c, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(stub.openCalls, 0);
        form.setUnsavedQuestion([] { return UnsavedAnswer::Discard; });
        QTest::keyClick(c, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(stub.openCalls, 1);
        form.close();
    }

    // A circle is drawn as a circle at every zoom, for a flat slope and a steep one.
    void drawingHasEqualScalesInXAndY() {
        const FieldList steep = {
            {"H", "30"}, {"L", "5"}, {"Xcr", "-5"}, {"Ycr", "40"}, {"R", "30"}};
        for (const FieldList& slope : {FieldList{}, steep}) {
            TestFolder folder;
            common::RecordingMessages messages;
            Form1 form(folder.folders(), &messages);
            setFields(&form, kSampleSlope);
            setFields(&form, slope);
            for (int s : {1, 5, 20}) {
                form.scaleSlider()->setValue(s);
                const auto circle = form.modelLayer().figure().circle;
                QVERIFY(circle.has_value());
                const marvecos::CanvasMapping m = form.canvas()->mapping();
                const double r = circle->radius;
                const double width = m.toPixels(circle->x + r, circle->y).x() -
                                     m.toPixels(circle->x - r, circle->y).x();
                const double height = m.toPixels(circle->x, circle->y - r).y() -
                                      m.toPixels(circle->x, circle->y + r).y();
                QVERIFY(width > 0);
                QVERIFY2(std::abs(width - height) < 1e-9 * width, qPrintable(QString::number(s)));
            }
            // "Ajustar" brings the centre of the circle back into the picture.
            form.ajustar();
            const marvecos::UserWindow w = form.canvas()->shownWindow();
            const auto circle = *form.modelLayer().figure().circle;
            QVERIFY(circle.y < w.top && circle.y > w.bottom);
            QVERIFY(circle.x > w.left && circle.x < w.right);
        }
    }

    // At the closest zoom a search's map still lies wholly inside the picture.
    void searchMapStaysInsideThePicture() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        setFields(&form, kSampleSlope);
        form.findChild<QLineEdit*>("n")->setText("40");
        form.findChild<QRadioButton*>("Option1")->setChecked(true);
        const marvecos::SlopeProblem p =
            marvecos::readSlopeInput(common::QtFields(&form), form.methodButtons());
        form.scaleSlider()->setValue(1);
        form.applySearch(marvecos::searchCriticalCircle(marvecos::SliceMethod::Bishop, p,
                                                        marvecos::defaultSearchGrid(p.H, p.L)),
                         p);
        const marvecos::UserWindow w = form.canvas()->shownWindow();
        for (const marvecos::MapCell& cell : form.searchMapLayer().map()->cells) {
            QVERIFY(cell.left - p.L / 2 >= w.left && cell.right - p.L / 2 <= w.right);
            QVERIFY(cell.bottom - p.H / 2 >= w.bottom && cell.top - p.H / 2 <= w.top);
        }

        // "Guardar busqueda..." keeps the circles of that search.
        StubDialogs stub;
        stub.saveName = folder.file("mi-busqueda");
        form.setFileDialogs(stub.dialogs());
        QVERIFY(form.guardarBusqueda());
        const QByteArray csv = folder.read("mi-busqueda.csv");
        QVERIFY(csv.startsWith("Xcr,Ycr,R,fs"));
        QCOMPARE(csv, folder.read("busqueda.csv"));
        QVERIFY(messages.shown.empty());
    }

    // The ground drawn over any field texts: no crash, whatever the zoom.
    void oddFieldsWithTheGroundDrawWithoutFailing() {
        const FieldList odd[] = {
            {{"H", "1e308"}, {"L", "1e308"}, {"Xcr", "1e308"}, {"R", "1e308"}},
            {{"H", "-10"}, {"L", "-20"}, {"Xcr", "-5"}, {"Ycr", "-20"}, {"R", "-20"}},
            {{"H", "1e-300"}, {"L", "1e-300"}, {"Ycr", "1e-300"}, {"R", "1e-300"}},
            {{"H", "10"}, {"L", "0"}, {"R", "50"}, {"n", "1e9"}},
        };
        for (const FieldList& fields : odd) {
            TestFolder folder;
            QVERIFY(folder.write("capas.tal", kLayered));
            common::RecordingMessages messages;
            Form1 form(folder.folders(), &messages);
            QVERIFY(form.abrirArchivo(folder.file("capas.tal")));
            setFields(&form, fields);
            for (int s : {1, 20}) {
                form.scaleSlider()->setValue(s);
                QVERIFY(!form.canvas()->render().isNull());
            }
            form.ajustar();
            QVERIFY(!form.canvas()->render().isNull());
        }
    }

    void resultsSavedAsCsvReadBackAndCopied() {
        TestFolder folder;
        QVERIFY(folder.write("capas.tal", kLayered));
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        StubDialogs stub;
        stub.saveName = folder.file("resultados");
        form.setFileDialogs(stub.dialogs());
        QVERIFY(form.abrirArchivo(folder.file("capas.tal")));
        form.calcular();
        form.resultados();
        marvecos::Form2* results = form.resultsWindow();
        QVERIFY(results->modelGrid()->isVisible());
        QCOMPARE(results->modelGrid()->item(0, 4)->text(), QString("u (kN/m2)"));
        QVERIFY(results->guardar());
        stub.printer = [&folder](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(folder.file("resultados.pdf"));
            return true;
        };
        form.setFileDialogs(stub.dialogs());
        QVERIFY(results->imprimir());
        QVERIFY(folder.read("resultados.pdf").startsWith("%PDF"));
        // That printer wrote the PDF report, as "Exportar PDF..." writes it, not the grids.
        stub.saveName = folder.file("informe.pdf");
        form.setFileDialogs(stub.dialogs());
        results->exportarPdf();
        const double printed = folder.read("resultados.pdf").size();
        const double exported = folder.read("informe.pdf").size();
        QVERIFY(exported > 0 && std::abs(printed - exported) < 0.02 * exported);

        // Each grid: its title, the header row, then i and the numbers of the files.
        const QStringList lines = QString::fromUtf8(folder.read("resultados.csv")).split("\r\n");
        const auto tables = marvecos::readResultTables(folder.folders().temp);
        QVERIFY(tables.has_value());
        const int p = static_cast<int>(tables->points.size());
        const int n = static_cast<int>(tables->slices.size());
        QCOMPARE(lines[0], QString("Coordenadas del circulo y de la superficie del talud"));
        QCOMPARE(lines[1], QString("i,x circ,y circ,x superf,y superf"));
        const QStringList firstPoint = lines[2].split(',');
        QCOMPARE(firstPoint[1].toDouble(), tables->points[0][0]);
        QCOMPARE(firstPoint[4].toDouble(), tables->points[0][3]);
        QCOMPARE(lines[p + 4], QString("i,Dx,Area,Long Li,Peso W,cos tit,sen tit,w*cos,w*sen"));
        QCOMPARE(lines[p + 5 + n - 1].split(',')[8].toDouble(), tables->slices[n - 1][7]);
        const int modelHeader =
            lines.indexOf("i,Capa,c (kN/m2),fi (º),u (kN/m2),Q (kN/m),kh*W (kN/m)");
        QVERIFY(modelHeader > 0);
        QCOMPARE(lines[modelHeader + n].split(',')[0], QString::number(n));
        const QStringList fs = lines[lines.size() - 2].split(',');
        QCOMPARE(fs[0], QString("fs"));
        QCOMPARE(fs[1].toDouble(), tables->fs);

        // Selected cells go to the clipboard a row a line, a tab between columns.
        QTableWidget* grid = results->slicesGrid();
        grid->setRangeSelected(QTableWidgetSelectionRange(1, 1, 2, 2), true);
        results->copySelection(grid);
        QCOMPARE(QApplication::clipboard()->text(),
                 grid->item(1, 1)->text() + '\t' + grid->item(1, 2)->text() + '\n' +
                     grid->item(2, 1)->text() + '\t' + grid->item(2, 2)->text() + '\n');
        QVERIFY(messages.shown.empty());
    }
};

QTEST_MAIN(GroundWindowTest)
#include "groundwindow_test.moc"
