#include <QLabel>
#include <QPrinter>
#include <QScrollArea>
#include <QtTest>
#include <sstream>

#include "drovines/batch.h"
#include "drovinestesting.h"

namespace {

// Every value field of the results window, by array and element.
QStringList resultFieldNames() {
    QStringList names;
    const int sizes[] = {16, 13, 10, 7};
    for (int array = 1; array <= 4; ++array) {
        for (int k = 0; k < sizes[array - 1]; ++k) {
            names << QString("Text%1_%2").arg(array).arg(k);
        }
    }
    return names;
}

}  // namespace

class ResultsTest : public QObject {
    Q_OBJECT

private slots:
    // 1366 x 768 less a panel and the title bar: the windows, their frames whole and their
    // buttons, must fit in it whatever screen the test runs on.
    void everyWindowFitsASmallScreen() {
        const QSize room(1366 - 8, 768 - 36 - 34);
        Drovines d;
        QVERIFY(d.form.sizeHint().boundedTo(room) == d.form.sizeHint());
        enterPlainWall(&d.form);
        setFields(&d.form, {{"kh", "0.2"}});
        d.trigger("mnuMononobe");
        d.press("Command1");
        QVERIFY(d.results().isVisible());
        QWidget* frames = d.results().findChild<QScrollArea*>()->widget();
        const QSize wanted = frames->sizeHint() + QSize(0, 60);  // the row of buttons
        QVERIFY2(wanted.width() <= room.width() && wanted.height() <= room.height(),
                 qPrintable(QString("%1 x %2").arg(wanted.width()).arg(wanted.height())));
        // The window can be enlarged.
        QVERIFY(d.results().maximumSize().width() > room.width());
    }

    void rankineFiguresAgainstTheHandCalculation() {
        Drovines d;
        enterPlainWall(&d.form);
        d.trigger("mnuRankine");
        d.press("Command1");
        QVERIFY(d.results().isVisible());
        QVERIFY(!d.form.isVisible());
        QCOMPARE(d.results().windowTitle(), QString("Resultados: RANKINE"));

        // ka = (1 - sin 30) / (1 + sin 30); S1 = ka g H = 24; E1 = S1 H / 2 = 48 at H / 3.
        QCOMPARE(d.resultText("Text1_1"), QString("0.333"));
        QCOMPARE(d.resultText("Text1_2"), QString("0.000"));
        QCOMPARE(d.resultText("Text1_3"), QString("24.000"));
        QCOMPARE(d.resultText("Text1_5"), QString("48.000"));
        QCOMPARE(d.resultText("Text1_9"), QString("48.000"));
        QCOMPARE(d.resultText("Text1_10"), QString("0.000"));
        // Wall 2 x 4 m at 22 kN/m3.
        QCOMPARE(d.resultText("Text1_11"), QString("176.000"));
        QCOMPARE(d.resultText("Text3_0"), QString("176.000"));
        QCOMPARE(d.resultText("Text1_13"), QString("48.000"));
        QCOMPARE(d.resultText("Text1_14"), QString("0.000"));
        // Overturning: M1 = 48 x 4/3, the only moment, so MV = 64.
        QCOMPARE(d.resultText("Text2_0"), QString("64.000"));
        QCOMPARE(d.resultText("Text2_5"), QString("64.000"));
        // Sliding: FH = 48; Fdo = 176 x 2/3 tan 30 = 67.743; Fsd = 1.411.
        QCOMPARE(d.resultText("Text4_0"), QString("48.000"));
        QCOMPARE(d.resultText("Text4_4"), QString("48.000"));
        QCOMPARE(d.resultText("Text4_5"), QString("67.743"));
        QCOMPARE(d.resultText("Text4_6"), QString("1.411"));
        for (const QString& name : resultFieldNames()) {
            const QString text = d.results().findChild<QLineEdit*>(name)->text();
            QVERIFY2(QRegularExpression("^-?\\d+\\.\\d{3}$").match(text).hasMatch(),
                     qPrintable(name + " " + text));
        }

        // Back to the main window; a second run fills the same window again.
        d.results().findChild<QPushButton*>("Command1")->click();
        QVERIFY(d.form.isVisible());
        QVERIFY(!d.results().isVisible());
        setFields(&d.form, {{"H", "5"}, {"hn", "1"}});
        d.trigger("mnuCalcular");
        QVERIFY(d.results().isVisible());
        QCOMPARE(d.resultText("Text1_11"), QString("220.000"));
        // Field 0 of the first array is the water pressure at the base, gw hn.
        QCOMPARE(d.resultText("Text1_0"), QString("10.000"));
        QCOMPARE(d.resultText("Text1_7"), QString("5.000"));
    }

    void coulombFiguresAgainstTheHandCalculation() {
        Drovines d;
        enterPlainWall(&d.form);
        setFields(&d.form, {{"delta", "20"}});
        d.trigger("mnuCoulomb");
        d.press("Command1");
        QVERIFY(d.results().isVisible());
        QCOMPARE(d.results().windowTitle(), QString("Resultados: COULOMB"));
        // Vertical back face, flat backfill: ka = cos2(fi) / (cos(delta) (1 + r)^2) with
        // r = sqrt(sin(fi + delta) sin(fi) / cos(delta)).
        QCOMPARE(d.resultText("Text1_1"), QString("0.297"));
        QCOMPARE(d.result("Text1_5"), 42.813);
        QCOMPARE(d.resultText("Text1_10"), QString("20.000"));
        // The thrust is inclined by delta: Eah = E1 cos 20, Eav = E1 sin 20.
        QCOMPARE(d.result("Text1_13"), 40.231);
        QCOMPARE(d.result("Text1_14"), 14.643);
        QCOMPARE(d.result("Text2_0"), 53.641);
        // No soil wedge in Coulomb, ticked or not.
        QCOMPARE(d.resultText("Text1_12"), QString("0.000"));
    }

    void theSavedReportIsTheBatchReport() {
        WorkFolder folder;
        QFile::copy(QString(EXAMPLES_DIR) + "/muro-napa-sobrecarga.dat", folder.file("muro.dat"));
        Drovines d;
        d.stub.openName = folder.file("muro.dat");
        d.trigger("mnuAbrir");
        d.press("Command1");
        QVERIFY(d.results().isVisible());

        d.results().findChild<QPushButton*>("Command2")->click();  // cancelled
        QCOMPARE(d.stub.lastFilter,
                 QString("Archivos de resultados (*.out);;Archivos de texto (*.txt);;Archivos "
                         "de salida (*.sal);;Archivos de datos (*.dat);;Todos los archivos (*.*)"));
        QVERIFY(QDir(folder.file("")).entryList({"*.out"}).isEmpty());

        d.stub.saveName = folder.file("ventana.out");
        d.results().findChild<QPushButton*>("Command2")->click();
        std::ostringstream out, err;
        const int code = drovines::runBatch({folder.file("muro.dat").toStdString(), "--report",
                                             folder.file("lotes.out").toStdString()},
                                            out, err);
        QCOMPARE(code, 0);
        QVERIFY(!folder.read("ventana.out").isEmpty());
        QCOMPARE(folder.read("ventana.out"), folder.read("lotes.out"));
        QVERIFY(folder.read("ventana.out").contains("\r\n"));

        // The report describes the data of its figures, not the fields as they are later.
        const auto calculated = d.results().currentReport();
        d.results().findChild<QPushButton*>("Command1")->click();
        setFields(&d.form, {{"gam", "20.5"}});
        d.form.findChild<QRadioButton*>("Option3")->click();
        const auto lines = d.results().currentReport();
        QVERIFY(lines == calculated);
        QVERIFY(std::find(lines.begin(), lines.end(),
                          "                Peso especifico suelo g= 20.500 kN/m3") == lines.end());
        QVERIFY(std::find(lines.begin(), lines.end(), "Metodo de calculo: Mononobe-Okabe") ==
                lines.end());
    }

    void aReportThatCannotBeWrittenIsReported() {
        WorkFolder folder;
        Drovines d;
        enterPlainWall(&d.form);
        d.trigger("mnuRankine");
        d.trigger("mnuCalcular");
        d.stub.saveName = folder.file("falta/informe.out");
        d.results().findChild<QPushButton*>("Command2")->click();
        QCOMPARE(d.messages.shown.size(), std::size_t(1));
        QCOMPARE(d.messages.shown[0].title, std::string("ERROR"));
        QCOMPARE(d.messages.shown[0].text,
                 "No se pudo guardar el archivo " + folder.file("falta/informe.out").toStdString());
    }

    void printingToAPdfFileAndCancelling() {
        WorkFolder folder;
        Drovines d;
        enterPlainWall(&d.form);
        d.trigger("mnuRankine");
        d.trigger("mnuCalcular");
        const QString pdf = folder.file("informe.pdf");
        int asked = 0;
        d.stub.printer = [&](QPrinter& printer) {
            ++asked;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return false;
        };
        d.results().findChild<QPushButton*>("Command3")->click();
        QCOMPARE(asked, 1);
        QVERIFY(!QFile::exists(pdf));

        d.stub.printer = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        };
        d.results().findChild<QPushButton*>("Command3")->click();
        QVERIFY(folder.read("informe.pdf").startsWith("%PDF"));
        QVERIFY(d.messages.shown.empty());

        // A printer that cannot be opened is reported.
        d.stub.printer = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(folder.file("falta/informe.pdf"));
            return true;
        };
        d.results().findChild<QPushButton*>("Command3")->click();
        QCOMPARE(d.messages.shown.size(), std::size_t(1));
        QCOMPARE(d.messages.shown[0].text, std::string("No se pudo imprimir el informe."));
    }

    // Fsd = 1.411 of the plain wall against the minimum the user types.
    void verdictsFollowTheMinimumsAndThePdfIsExported() {
        WorkFolder folder;
        Drovines d;
        enterPlainWall(&d.form);
        d.trigger("mnuRankine");
        d.trigger("mnuCalcular");
        QCOMPARE(d.results().verdictLabel(1)->text(), QString("no cumple"));
        d.results().minimumField(1)->setText("1.4");
        QCOMPARE(d.results().verdictLabel(1)->text(), QString("cumple"));
        d.results().minimumField(0)->setText("cero");
        QCOMPARE(d.results().verdictLabel(0)->text(), QString());

        d.stub.saveName = folder.file("informe.pdf");
        d.results().findChild<QPushButton*>("Command4")->click();
        QCOMPARE(d.messages.shown.size(), std::size_t(1));
        QVERIFY(!folder.exists("informe.pdf"));
        d.results().minimumField(0)->setText("1.5");
        d.results().findChild<QPushButton*>("Command4")->click();
        QCOMPARE(d.messages.shown.size(), std::size_t(1));
        QVERIFY(folder.read("informe.pdf").startsWith("%PDF"));
    }

    void closingTheResultsWindowGivesTheMainWindowBack() {
        Drovines d;
        enterPlainWall(&d.form);
        d.form.show();
        d.trigger("mnuRankine");
        d.trigger("mnuCalcular");
        QVERIFY(!d.form.isVisible());
        d.results().close();
        QVERIFY(d.form.isVisible());
    }
};

QTEST_MAIN(ResultsTest)
#include "results_test.moc"
