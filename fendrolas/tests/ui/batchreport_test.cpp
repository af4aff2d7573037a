#include <QAbstractButton>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include "common/messages.h"
#include "common/tests/ui/uitesting.h"
#include "fendrolas/ui/form1.h"
#include "fendrolas/ui/form2.h"

using fendrolas::Form1;

namespace {

constexpr int kAllMethods = 0;

// The report "Guardar como" writes after opening `example` and running `method` (kAllMethods
// for "Calc. todo") in the window.
QByteArray windowReport(const QString& example, int method) {
    WorkFolder folder;
    common::RecordingMessages messages;
    StubDialogs stub;
    Form1 form(&messages, stub.dialogs());
    stub.openName = QString(EXAMPLES_DIR) + "/" + example;
    form.findChild<QAbstractButton*>("Command1")->click();  // Abrir Archivo
    if (method == kAllMethods) {
        form.calcTodo();
    } else {
        form.selectMethod(method);
        form.calcular();
    }
    form.findChild<QAbstractButton*>("Command6")->click();  // Resultados
    if (!form.partialResults()) {
        return "<no partial results>";
    }
    stub.saveName = folder.file("informe.out");
    form.partialResults()->findChild<QPushButton*>("Command3")->click();  // Guardar como
    return folder.read("informe.out");
}

struct BatchRun {
    int exitCode = -1;
    QByteArray report;
    QByteArray err;
};

BatchRun batchReport(const QStringList& arguments) {
    WorkFolder folder;
    QProcess process;
    process.setWorkingDirectory(folder.file("."));
    process.start(FENDROLAS_EXE, arguments);
    process.waitForFinished(60000);
    BatchRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.err = process.readAllStandardError();
    run.report = folder.read("informe.out");
    return run;
}

BatchRun batchReport(const QString& example, const QString& method) {
    return batchReport({"--batch", QString(EXAMPLES_DIR) + "/" + example, "--method", method,
                        "--report", "informe.out"});
}

}  // namespace

class BatchReportTest : public QObject {
    Q_OBJECT

private slots:
    void sameReportAsTheWindow_data() {
        QTest::addColumn<QString>("example");
        QTest::addColumn<int>("method");
        QTest::newRow("eccentric loads, Brinch Hansen") << "zapata-excentrica.dat" << 3;
        QTest::newRow("eccentric loads, Terzaghi") << "zapata-excentrica.dat" << 1;
        QTest::newRow("clay, Vesic") << "zapata-arcilla.dat" << 4;
        QTest::newRow("centred, every method") << "zapata-centrada.dat" << kAllMethods;
    }

    void sameReportAsTheWindow() {
        QFETCH(QString, example);
        QFETCH(int, method);
        const QByteArray expected = windowReport(example, method);
        QVERIFY(expected.startsWith("\r\n\r\n\r\n\r\n"));
        const BatchRun run =
            batchReport(example, method == kAllMethods ? "all" : QString::number(method));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.report, expected);
    }

    void aReportThatCannotBeWrittenIsReported() {
        WorkFolder folder;
        QVERIFY(QDir(folder.file(".")).mkpath("informe.out/dentro"));
        QProcess process;
        process.setWorkingDirectory(folder.file("."));
        process.start(FENDROLAS_EXE, {"--batch", QString(EXAMPLES_DIR) + "/zapata-centrada.dat",
                                      "--method", "2", "--report", "informe.out"});
        process.waitForFinished(60000);
        QCOMPARE(process.exitCode(), 4);
        QCOMPARE(process.readAllStandardError(),
                 QByteArray("ERROR: No se pudo guardar el archivo informe.out\n"));
        QVERIFY(QFileInfo(folder.file("meyer.out")).isFile());
    }

    void reportNeedsAMethod() {
        const BatchRun run = batchReport({"--batch", "--compare", "--report", "informe.out"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("--report solo va con --method."));
        QCOMPARE(batchReport({"--batch", "x.dat", "--method", "1", "--report"}).exitCode, 1);
    }
};

QTEST_MAIN(BatchReportTest)
#include "batchreport_test.moc"
