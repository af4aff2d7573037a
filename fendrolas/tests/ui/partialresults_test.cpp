#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <cstdlib>

#include "common/fields.h"
#include "common/messages.h"
#include "common/safefile.h"
#include "common/tests/ui/uitesting.h"
#include "common/ui/figureview.h"
#include "fendrolas/methods/frame.h"
#include "fendrolas/ui/form2.h"

using fendrolas::Form2;
using fendrolas::MethodResults;

namespace {

// Row r of state i holds r + i/10, so every cell tells where it came from.
MethodResults numberedTable(int method) {
    MethodResults t;
    for (int r = 1; r <= fendrolas::kResultRows; ++r) {
        for (int i = 1; i <= fendrolas::kStates; ++i) {
            t(r, i) = static_cast<float>(r + i / 10.0);
        }
    }
    t.Nc = 30.1396;
    t.Nq = 18.4011;
    t.Ngamma = 15.668;
    t.method = method;
    return t;
}

QStringList row(QTableWidget* grid, int r) {
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c) {
        QTableWidgetItem* item = grid->item(r, c);
        texts << (item ? item->text() : QString());
    }
    return texts;
}

int pixelsOf(const QImage& image, QColor color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixelColor(x, y) == color ? 1 : 0;
        }
    }
    return n;
}

// Items each starting a 14-character print zone, trailing blanks dropped.
std::string zones(const std::vector<std::string>& items) {
    std::string line;
    for (const std::string& item : items) {
        line += item;
        line.append((14 - item.size() % 14) % 14, ' ');
    }
    return line.substr(0, line.find_last_not_of(' ') + 1);
}

struct Fixture {
    common::MemoryFields fields;
    common::RecordingMessages messages;
    StubDialogs stub;
    QWidget mainWindow;
    Form2 form{fields, messages, stub.dialogs(), &mainWindow};
};

}  // namespace

class PartialResultsTest : public QObject {
    Q_OBJECT

private slots:
    void gridsAfterEachMethod() {
        Fixture f;
        f.form.printpar(18.4011, 30.1396, 15.668, numberedTable(1), 1);
        QCOMPARE(f.form.findChild<QLabel*>("Label1")->text(), QString("Nq= 18.40"));
        QCOMPARE(f.form.findChild<QLabel*>("Label2")->text(), QString("Nc= 30.14"));
        QCOMPARE(f.form.findChild<QLabel*>("Label3")->text(), QString("Ng= 15.67"));
        QCOMPARE(row(f.form.shapeGrid(), 0),
                 QStringList({"Estado", "sc", "---", "---", "---", "sg", "---"}));
        QCOMPARE(row(f.form.shapeGrid(), 2),
                 QStringList({"2", "15.20", "16.20", "17.20", "18.20", "19.20", "20.20"}));
        QCOMPARE(row(f.form.depthGrid(), 0),
                 QStringList({"Estado", "---", "---", "---", "---", "---", "---"}));
        QCOMPARE(row(f.form.depthGrid(), 1),
                 QStringList({"1", "4.10", "5.10", "6.10", "7.10", "8.10", ""}));
        QCOMPARE(row(f.form.inclinationGrid(), 5),
                 QStringList({"5", "9.50", "10.50", "11.50", "12.50", "13.50", "14.50"}));

        f.form.printpar(1, 2, 3, numberedTable(3), 3);
        QCOMPARE(row(f.form.shapeGrid(), 0),
                 QStringList({"Estado", "scb", "scL", "sqb", "sqL", "sgb", "sgL"}));
        QCOMPARE(row(f.form.depthGrid(), 0),
                 QStringList({"Estado", "dcb", "dcL", "dqb", "dqL", "dg", "---"}));
        QCOMPARE(row(f.form.inclinationGrid(), 0),
                 QStringList({"Estado", "icb", "icL", "iqb", "iqL", "igb", "igL"}));

        f.form.printpar(1, 2, 3, numberedTable(4), 4);
        QCOMPARE(row(f.form.inclinationGrid(), 0),
                 QStringList({"Estado", "ic", "---", "iq", "---", "ig", " m"}));
        QCOMPARE(row(f.form.inclinationGrid(), 3),
                 QStringList({"3", "9.30", "10.30", "11.30", "12.30", "13.30", "33.30"}));
        QCOMPARE(row(f.form.shapeGrid(), 0),
                 QStringList({"Estado", "sc", "---", "sq", "---", "sg", "---"}));

        // CCSR: the column of m gets its "---" heading and no values.
        f.form.printpar(1, 2, 3, numberedTable(5), 5);
        QCOMPARE(row(f.form.inclinationGrid(), 0),
                 QStringList({"Estado", "ic", "---", "iq", "---", "ig", "---"}));
        QCOMPARE(row(f.form.inclinationGrid(), 3),
                 QStringList({"3", "9.30", "10.30", "11.30", "12.30", "13.30", ""}));

        f.form.printpar(1, 2, 3, numberedTable(2), 2);
        QCOMPARE(row(f.form.inclinationGrid(), 1),
                 QStringList({"1", "9.10", "10.10", "11.10", "12.10", "13.10", "14.10"}));
        QCOMPARE(row(f.form.depthGrid(), 0),
                 QStringList({"Estado", "dc", "---", "dq", "---", "dg", "---"}));

        // A method number outside 1..5 leaves everything as it was.
        const QStringList before = row(f.form.shapeGrid(), 4);
        f.form.printpar(9, 9, 9, MethodResults{}, 6);
        QCOMPARE(row(f.form.shapeGrid(), 4), before);
        QCOMPARE(f.form.findChild<QLabel*>("Label1")->text(), QString("Nq= 1.00"));

        QCOMPARE(f.form.shapeGrid()->columnWidth(3), 700 / 15);
    }

    void effectiveAreasSkipEmptyStates() {
        Fixture f;
        f.fields.setText("Text10", "2");
        f.fields.setText("Text11", "2");
        f.fields.setText("Text1_0", "100");
        f.fields.setText("Text4_0", "20");  // ex = 0.2
        f.fields.setText("Text1_1", "100");
        f.fields.setText("Text1_2", "-50");
        f.fields.setText("Text4_2", "10");  // |ex| = 0.2, as the methods take it
        f.form.graficar();

        const QColor green(120, 200, 120);
        const QColor red(220, 0, 0);
        const QImage centred = f.form.area(2)->image();
        const QImage eccentric = f.form.area(1)->image();
        QVERIFY(pixelsOf(centred, green) > pixelsOf(eccentric, green));
        QVERIFY(pixelsOf(eccentric, red) > 0);
        // The point of load where the plan puts it: ex = 0.2 m right of the centre.
        QCOMPARE(eccentric.pixelColor(f.form.area(1)->toPixels({1.2, 1}).toPoint()), red);
        // A negative V is drawn by its magnitude; an empty state is not drawn.
        const QImage negative = f.form.area(3)->image();
        QVERIFY(std::abs(pixelsOf(negative, green) - pixelsOf(eccentric, green)) < 40);
        QVERIFY(pixelsOf(negative, red) > 0);
        QCOMPARE(pixelsOf(f.form.area(4)->image(), green), 0);

        // Emptying state 2 leaves its drawing as it was.
        f.fields.setText("Text1_1", "0");
        f.fields.setText("Text10", "1");
        f.form.graficar();
        QCOMPARE(f.form.area(2)->image(), centred);
        QVERIFY(f.form.area(1)->image() != eccentric);
    }

    void theWindowRedrawsOnItsOwnPaintEvent() {
        Fixture f;
        f.fields.setText("Text10", "2");
        f.fields.setText("Text11", "2");
        f.fields.setText("Text1_4", "100");
        QCOMPARE(pixelsOf(f.form.area(5)->image(), QColor(120, 200, 120)), 0);
        f.form.grab();  // paints the window as showing it would
        QVERIFY(pixelsOf(f.form.area(5)->image(), QColor(120, 200, 120)) > 0);
    }

    void aLongBaseFitsItsArea() {
        Fixture f;
        f.fields.setText("Text10", "6");
        f.fields.setText("Text11", "2");
        f.fields.setText("Text1_0", "100");
        f.form.graficar();
        common::FigureView* area = f.form.area(1);
        const QImage image = area->image();
        const int right = static_cast<int>(area->toPixels({6, 0}).x()) + 2;
        QVERIFY(right < area->width());
        int greenPastTheBase = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = right; x < image.width(); ++x) {
                greenPastTheBase += image.pixelColor(x, y) == QColor(120, 200, 120);
            }
        }
        QCOMPARE(greenPastTheBase, 0);
        QVERIFY(pixelsOf(image, QColor(120, 200, 120)) > 0);
    }

    void reportLineByLine() {
        WorkFolder folder;
        Fixture f;
        const std::vector<std::pair<const char*, const char*>> texts = {
            {"Text6", "30"},     {"Text7", "10"},    {"Text8", "17.655"}, {"Text9", "12"},
            {"Text10", "2.5"},   {"Text11", "2"},    {"Text12", "1.2"},   {"Text1_0", "800"},
            {"Text2_0", "40"},   {"Text4_0", "120"}, {"Text5_0", "-40"},  {"Text4_1", "10"},
            {"Text1_2", "-100"}, {"Text4_2", "50"},
        };
        for (const auto& [name, text] : texts) {
            f.fields.setText(name, text);
        }
        QVERIFY(common::writeFileSafely("res.sal", fendrolas::summaryFileText(numberedTable(2))));
        f.stub.saveName = folder.file("informe.txt");
        f.form.findChild<QPushButton*>("Command3")->click();  // Guardar como
        QCOMPARE(f.stub.lastFilter,
                 QString("Archivos de resultados (*.out);;Archivos de texto (*.txt);;Archivos de "
                         "salida (*.sal);;Archivos de datos (*.dat);;Todos los archivos (*.*)"));
        QVERIFY(f.messages.shown.empty());

        const std::string in(19, ' ');
        std::vector<std::string> expected = {
            "",
            "",
            "",
            "",
            in + "CALCULO DE FENDROLAS SUPERFICIALES.",
            "",
            in + "   Programa: equipo de desarrollo FENDROLAS",
            in + "   Revision tecnica: catedra de Geotecnia",
            "",
            in + "Departamento de Ingenieria Civil",
            in + "Facultad de Ingenieria",
            in + "Laboratorio de Mecanica de Suelos",
            "",
            in + "            Mayo 2004",
            "",
            "",
            in + "Licencia de uso academico",
            "",
            "",
            "",
            "Datos generales:",
            "=================",
            "",
            "Angulo de friccion interna f=  30º",
            "                  Cohesion c=  10 kN/m2",
            "Peso especifico suelo seco g=  17.655 kN/m3",
            "                   Humedad w=  12 %",
            " Dimension Lx de la base  Lx=  2.5 m",
            " Dimension Ly de la base  Ly=  2 m",
            " Profundidad de fundacion df=  1.2 m",
            "",
            "Estados de carga:",
            "=================",
            "",
            "Estado         N(kN)       Hx(kN)        Hy(kN)        Mxz(kNm)      Myz(kNm)       "
            "ex(m)        ey(m)",
            std::string(105, '-'),
            "",
            zones({"1", "800.00", "40.00", "0.00", "120.00", "-40.00", "0.15", "-0.05"}),
            zones({"2", "0.00", "0.00", "0.00", "10.00", "0.00", "0.00", "0.00"}),
            zones({"3", "-100.00", "0.00", "0.00", "50.00", "0.00", "-0.50", "0.00"}),
            zones({"4", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}),
            zones({"5", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}),
            "",
            "",
            "",
            "Analisis por:",
            "Metodo de Meyerhof",
            "",
            "",
            "",
            "Resultados:",
            "============",
            "",
            "Estado        Lxef          Lyef          Aef          Presion      Presion de     "
            "Carga de    Factor de",
            "                                                       actuante     hundimiento   "
            "hundimiento  seguridad",
            "               (m)           (m)          (m2)         (kN/m2)       (kN/m2)        "
            "(kN)               ",
            std::string(105, '-'),
            ""};
        for (int i = 1; i <= 5; ++i) {
            const auto v = [i](int r, int decimals) {
                return QString::number(r + i / 10.0, 'f', decimals).toStdString();
            };
            expected.push_back(zones({std::to_string(i), v(fendrolas::kRowWidth, 2),
                                      v(fendrolas::kRowLength, 2), v(fendrolas::kRowArea, 2),
                                      v(fendrolas::kRowActing, 2), v(fendrolas::kRowQu, 2),
                                      v(fendrolas::kRowNu, 2), v(fendrolas::kRowSafety, 3)}));
        }
        for (const char* l : {"", "", "", "Factores de carga:", "==================", ""}) {
            expected.push_back(l);
        }
        expected.push_back(zones({"Nq= ", "18.4"}));
        expected.push_back(zones({"Nc= ", "30.1"}));
        expected.push_back(zones({"Ng= ", "15.7"}));
        const auto factors = [&](const char* title, const char* heading, int dashes, int first,
                                 int last) {
            for (const std::string& l :
                 {std::string(), std::string(title), std::string(26, '-'), std::string(),
                  std::string(heading), std::string(static_cast<std::size_t>(dashes), '-'),
                  std::string()}) {
                expected.push_back(l);
            }
            for (int i = 1; i <= 5; ++i) {
                std::vector<std::string> items = {std::to_string(i)};
                for (int r = first; r <= last; ++r) {
                    items.push_back(QString::number(r + i / 10.0, 'f', 2).toStdString());
                }
                expected.push_back(zones(items));
            }
        };
        factors("Factores de profundidad d:",
                "Estado        dcb            dcL           dqb           dqL           dg", 75,
                fendrolas::kRowDcb, fendrolas::kRowDg);
        factors("Factores de inclinacion i:",
                "Estado         icb           icL           iqb           iqL           igb        "
                "   igL",
                90, fendrolas::kRowIcb, fendrolas::kRowIgL);
        factors("Factores de forma s:",
                "Estado         scb           scL           sqb           sqL          sgb         "
                "   sgL",
                89, fendrolas::kRowScb, fendrolas::kRowSgL);
        expected.push_back("");
        expected.push_back("");
        for (int i = 1; i <= 5; ++i) {
            expected.push_back(
                zones({"Estado ", std::to_string(i) + "Coeficiente m= ",
                       QString::number(fendrolas::kRowM + i / 10.0, 'f', 2).toStdString()}));
        }

        std::string content;
        for (const std::string& l : expected) {
            content += l + "\r\n";
        }
        const QByteArray written = folder.read("informe.txt");
        const QList<QByteArray> got = written.split('\n');
        for (std::size_t k = 0; k < expected.size() && k < std::size_t(got.size()); ++k) {
            QCOMPARE(QString::fromUtf8(got[static_cast<int>(k)]).chopped(1),
                     QString::fromStdString(expected[k]));
        }
        QCOMPARE(written, QByteArray::fromStdString(content));
    }

    void anEmptyStateReportsNoEccentricity() {
        WorkFolder folder;
        Fixture f;
        QVERIFY(common::writeFileSafely("res.sal", fendrolas::summaryFileText(numberedTable(1))));
        f.fields.setText("Text10", "2");
        f.fields.setText("Text11", "2");
        f.fields.setText("Text1_0", "800");
        f.fields.setText("Text4_0", "120");
        f.fields.setText("Text5_0", "40");
        f.form.graficar();
        const auto stateLine = [&f]() {
            const std::vector<std::string> lines = f.form.currentReport();
            const auto at = std::find(lines.begin(), lines.end(), std::string(105, '-'));
            return at + 2 < lines.end() ? *(at + 2) : std::string();
        };
        QCOMPARE(stateLine(),
                 zones({"1", "800.00", "0.00", "0.00", "120.00", "40.00", "0.15", "0.05"}));
        // The state is emptied: the eccentricities of the old load must not stay in the report.
        f.fields.setText("Text1_0", "0");
        f.fields.setText("Text4_0", "0");
        f.fields.setText("Text5_0", "0");
        f.form.graficar();
        QCOMPARE(stateLine(), zones({"1", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}));
    }

    void aValueBeyondTheSingleRangeIsReportedAsTheLargest() {
        WorkFolder folder;
        Fixture f;
        QVERIFY(common::writeFileSafely("res.sal", fendrolas::summaryFileText(numberedTable(1))));
        f.fields.setText("Text7", "1e39");
        const std::vector<std::string> lines = f.form.currentReport();
        QVERIFY(std::find(lines.begin(), lines.end(),
                          "                  Cohesion c=  3.402823E+38 kN/m2") != lines.end());
    }

    void reportWithoutAMethodEndsAfterItsHeading() {
        WorkFolder folder;
        Fixture f;
        QVERIFY(common::writeFileSafely("res.sal", fendrolas::summaryFileText(numberedTable(6))));
        const std::vector<std::string> lines = f.form.currentReport();
        const auto at = std::find(lines.begin(), lines.end(), "Analisis por:");
        QVERIFY(at != lines.end());
        QCOMPARE(*(at + 1), std::string());
    }

    void reportFailuresWriteNothing() {
        WorkFolder folder;
        Fixture f;
        // Cancelled dialog.
        f.form.guardarComo();
        QVERIFY(f.messages.shown.empty());
        QVERIFY(QDir(folder.file(".")).entryList(QDir::Files).isEmpty());

        // No "res.sal" yet.
        f.stub.saveName = folder.file("informe.out");
        f.form.guardarComo();
        QVERIFY(!folder.exists("informe.out"));
        QCOMPARE(f.messages.shown.size(), std::size_t(1));
        QCOMPARE(f.messages.shown[0].title, std::string("ERROR"));

        // A folder that does not exist.
        QVERIFY(common::writeFileSafely("res.sal", fendrolas::summaryFileText(numberedTable(1))));
        f.stub.saveName = folder.file("no/existe/informe.out");
        f.form.guardarComo();
        QCOMPARE(f.messages.shown.size(), std::size_t(2));
        QCOMPARE(f.messages.shown[1].text,
                 "No se pudo guardar el archivo " + f.stub.saveName.toStdString());

        // An existing report survives a report that cannot be written over it.
        QVERIFY(common::writeFileSafely("viejo.out", "viejo\r\n"));
        QFile(folder.file("res.sal")).remove();
        f.stub.saveName = folder.file("viejo.out");
        f.form.guardarComo();
        QCOMPARE(folder.read("viejo.out"), QByteArray("viejo\r\n"));
    }

    void printingToAPdfFile() {
        WorkFolder folder;
        Fixture f;
        QVERIFY(common::writeFileSafely("res.sal", fendrolas::summaryFileText(numberedTable(3))));
        const QString pdf = folder.file("informe.pdf");
        f.stub.printer = [&pdf](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        };
        f.form.imprimir();
        QVERIFY(f.messages.shown.empty());
        QVERIFY(folder.read("informe.pdf").startsWith("%PDF"));

        // A cancelled print dialog prints nothing.
        QFile::remove(pdf);
        f.stub.printer = [](QPrinter&) { return false; };
        f.form.imprimir();
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(f.messages.shown.empty());
    }

    void volverBringsTheMainWindowBack() {
        Fixture f;
        f.form.open();
        QVERIFY(f.form.isVisible());
        QVERIFY(!f.mainWindow.isEnabled());
        f.form.close();
        QVERIFY(f.mainWindow.isEnabled());
        f.form.open();
        f.form.findChild<QPushButton*>("Command1")->click();
        QVERIFY(!f.form.isVisible());
        QVERIFY(f.mainWindow.isEnabled());
    }
};

QTEST_MAIN(PartialResultsTest)
#include "partialresults_test.moc"
