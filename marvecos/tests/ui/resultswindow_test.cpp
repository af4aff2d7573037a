#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include "common/messages.h"
#include "marvecos/ui/form1.h"
#include "marvecos/ui/form2.h"
#include "slopewindow.h"

using marvecos::Form1;
using marvecos::Form2;

namespace {

const common::Message kNoFiles{"No existe alguno de los archivos de resultados.", "ERROR",
                               common::MessageIcon::Critical};

QString cell(QTableWidget* grid, int row, int column) {
    QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

QStringList headings(QTableWidget* grid) {
    QStringList all;
    for (int column = 0; column < grid->columnCount(); ++column) {
        all << cell(grid, 0, column);
    }
    return all;
}

bool rowIsEmpty(QTableWidget* grid, int row) {
    for (int column = 0; column < grid->columnCount(); ++column) {
        if (!cell(grid, row, column).isEmpty()) {
            return false;
        }
    }
    return true;
}

void compute(Form1& form, const char* option) {
    form.findChild<QRadioButton*>(option)->setChecked(true);
    form.calcular();
}

// Two boundaries, one slice, no iteration after the first: as a run that converged at once.
const QByteArray kCoordsOneSlice =
    " 2 \r\n 1            -1.5          2.25          -1.5           3 \r\n"
    " 2             1.25         -0.5           1.25          0 \r\n";
const QByteArray kResultsAtOnce =
    " 1 \r\n 2.75  3.5  2.8  63  0.98  0.19  61.7  12.1 \r\n"
    " 0  1.4567  1.45674 \r\n 4E-05 \r\n";

}  // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT

private slots:
    // 1366 x 768 less a panel and the title bar.
    void theWindowsFitASmallScreen() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        const QSize room(1366 - 8, 768 - 36 - 34);
        QVERIFY(form.sizeHint().boundedTo(room) == form.sizeHint());
        form.resultsWindow()->setModelSlices(marvecos::ModelSlices{});
        const QSize results = form.resultsWindow()->size();
        QVERIFY2(results.boundedTo(room) == results,
                 qPrintable(QString("%1 x %2").arg(results.width()).arg(results.height())));
    }

    void beforeAnyCalculationThereIsNoWindow() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        // Files an earlier run left are not read: they belong to other data.
        QVERIFY(folder.write("coords.tmp", kCoordsOneSlice));
        QVERIFY(folder.write("results.tmp", kResultsAtOnce));
        form.findChild<QPushButton*>("Command3")->click();
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QCOMPARE(messages.shown[0].text,
                 std::string("No hay resultados para mostrar: por favor corra un metodo de "
                             "calculo."));
        QVERIFY(!form.resultsWindow()->isVisible());
        QVERIFY(!form.resultsWindow()->isLoaded());
    }

    void missingShortOrGarbledFilesGiveTheMessage() {
        const std::pair<QByteArray, QByteArray> broken[] = {
            {kCoordsOneSlice, QByteArray()},                                     // results empty
            {kCoordsOneSlice, kResultsAtOnce.left(kResultsAtOnce.size() - 10)},  // no error
            {" 3 \r\n" + kCoordsOneSlice.mid(5), kResultsAtOnce},                // a point short
            {kCoordsOneSlice, QByteArray(kResultsAtOnce).replace("63", "peso")},
            {QByteArray(kCoordsOneSlice).replace(" 2 \r\n", " 2.5 \r\n"), kResultsAtOnce},
            {kCoordsOneSlice, QByteArray(kResultsAtOnce).replace(" 0  1.4567", " -1  1.4567")},
            {kCoordsOneSlice, QByteArray(kResultsAtOnce).replace("61.7", "1E999")},
            {" 200 \r\n", kResultsAtOnce},
        };
        for (const auto& [coords, results] : broken) {
            TestFolder folder;
            QVERIFY(folder.write("coords.tmp", coords));
            QVERIFY(folder.write("results.tmp", results));
            common::RecordingMessages messages;
            Form1 form(folder.folders(), &messages);
            form.resultsWindow()->resultados();  // the reader itself
            QCOMPARE(messages.shown, std::vector<common::Message>{kNoFiles});
            QVERIFY(!form.resultsWindow()->isVisible());
        }
        TestFolder onlyCoords;
        QVERIFY(onlyCoords.write("coords.tmp", kCoordsOneSlice));
        common::RecordingMessages messages;
        Form1 form(onlyCoords.folders(), &messages);
        form.resultsWindow()->resultados();  // the reader itself
        QCOMPARE(messages.shown, std::vector<common::Message>{kNoFiles});
        QVERIFY(!form.resultsWindow()->isVisible());
    }

    void convergedAtOnceShowsTwoIterationRows() {
        TestFolder folder;
        QVERIFY(folder.write("coords.tmp", kCoordsOneSlice));
        QVERIFY(folder.write("results.tmp", kResultsAtOnce));
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        form.resultsWindow()->resultados();  // the reader itself
        QVERIFY(messages.shown.empty());
        Form2* results = form.resultsWindow();
        QVERIFY(results->isVisible());
        QCOMPARE(results->windowTitle(), QString("Resultados"));
        QCOMPARE(results->iterationGrid()->rowCount(), 2);
        QCOMPARE(headings(results->iterationGrid()), QStringList({"i", "fsprop", "fscalc"}));
        QVERIFY(rowIsEmpty(results->iterationGrid(), 1));
        QCOMPARE(results->fsLabel()->text(), QString("1.457"));
        // Negative values keep their sign in the same patterns.
        QCOMPARE(results->coordinatesGrid()->rowCount(), 4);
        QCOMPARE(cell(results->coordinatesGrid(), 1, 1), QString("-1.500"));
        QCOMPARE(cell(results->coordinatesGrid(), 2, 2), QString("-0.500"));
        QCOMPARE(cell(results->slicesGrid(), 1, 4), QString("63.000"));
    }

    void afterACalculationTheGridsHoldItsTables() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        setFields(&form, kSampleSlope);
        compute(form, "Option1");
        Form2* results = form.resultsWindow();
        QVERIFY(!results->isVisible());
        form.findChild<QPushButton*>("Command3")->click();
        QVERIFY(messages.shown.empty());
        QVERIFY(results->isVisible());
        QCOMPARE(results->windowTitle().left(35), QString("Resultados: metodo de Bishop.   fs="));
        QVERIFY(results->windowTitle().endsWith(form.findChild<QLabel*>("Label2")->text()));
        QCOMPARE(results->fsLabel()->text(), form.findChild<QLabel*>("Label2")->text());
        QCOMPARE(results->findChild<QLabel*>("Label1")->text(), QString("RESULTADOS DEL ANALISIS"));

        QTableWidget* points = results->coordinatesGrid();
        QTableWidget* slices = results->slicesGrid();
        QTableWidget* iterations = results->iterationGrid();
        QCOMPARE(points->rowCount(), 11 + 2);
        QCOMPARE(slices->rowCount(), 10 + 2);
        QCOMPARE(headings(points), QStringList({"i", "x circ", "y circ", "x superf", "y superf"}));
        QCOMPARE(headings(slices), QStringList({"i", "Dx", "Area", "Long Li", "Peso W", "cos tit",
                                                "sen tit", "w*cos", "w*sen"}));
        QVERIFY(iterations->rowCount() >= 3);
        for (QTableWidget* grid : {points, slices, iterations}) {
            QCOMPARE(cell(grid, 1, 0), QString("1"));
            QCOMPARE(cell(grid, grid->rowCount() - 2, 0), QString::number(grid->rowCount() - 2));
            QVERIFY(rowIsEmpty(grid, grid->rowCount() - 1));
            for (int column = 1; column < grid->columnCount(); ++column) {
                QCOMPARE(grid->columnWidth(column), 53);
            }
        }
        // The first boundary lies on the crest plane: y circ = y superf = H.
        QCOMPARE(cell(points, 1, 2), QString("10.000"));
        QCOMPARE(cell(points, 1, 4), QString("10.000"));
        QCOMPARE(cell(points, 11, 3), cell(points, 11, 1));
        const QRegularExpression threeDecimals("^-?\\d+\\.\\d{3}$");
        QVERIFY(threeDecimals.match(cell(slices, 5, 4)).hasMatch());
        QVERIFY(threeDecimals.match(cell(iterations, 1, 2)).hasMatch());

        // "Volver" unloads it: the next "Resultados" reads the files again.
        results->findChild<QPushButton*>("Command1")->click();
        QVERIFY(!results->isVisible());
        QCOMPARE(results->windowTitle(), QString("Resultados"));
        QVERIFY(folder.remove("results.tmp"));
        form.resultados();
        QCOMPARE(messages.shown, std::vector<common::Message>{kNoFiles});
        QVERIFY(!results->isVisible());
    }

    void aSecondCalculationRefreshesTheOpenWindow() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        setFields(&form, kSampleSlope);
        compute(form, "Option1");
        form.resultados();
        Form2* results = form.resultsWindow();
        QVERIFY(results->isVisible());
        const QString bishopFs = results->fsLabel()->text();
        const QString bishopArea = cell(results->slicesGrid(), 3, 2);

        setFields(&form, {{"n", "20"}, {"c", "5"}});
        compute(form, "Option2");
        QVERIFY(messages.shown.empty());
        QVERIFY(results->isVisible());
        const QString janbuFs = form.findChild<QLabel*>("Label2")->text();
        QVERIFY(janbuFs != bishopFs);
        QCOMPARE(results->windowTitle(), "Resultados: metodo de Jambu.   fs=" + janbuFs);
        QCOMPARE(results->fsLabel()->text(), janbuFs);
        QCOMPARE(results->coordinatesGrid()->rowCount(), 21 + 2);
        QCOMPARE(results->slicesGrid()->rowCount(), 20 + 2);
        QVERIFY(cell(results->slicesGrid(), 3, 2) != bishopArea);
        QVERIFY(rowIsEmpty(results->slicesGrid(), 21));
    }

    void aCalculationWhoseTablesCouldNotBeWrittenUnloadsTheWindow() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        setFields(&form, kSampleSlope);
        compute(form, "Option1");
        form.resultados();
        QVERIFY(form.resultsWindow()->isVisible());

        // A folder in the place of the file: the write fails, the old tables must not stay.
        QVERIFY(folder.remove("results.tmp"));
        QVERIFY(QDir(folder.file("")).mkdir("results.tmp"));
        setFields(&form, {{"n", "20"}});
        compute(form, "Option2");
        QVERIFY(!messages.shown.empty());
        QCOMPARE(messages.shown[0].icon, common::MessageIcon::Critical);
        QVERIFY(!form.resultsWindow()->isVisible());
        QVERIFY(!form.resultsWindow()->isLoaded());
    }
};

QTEST_MAIN(ResultsWindowTest)
#include "resultswindow_test.moc"
