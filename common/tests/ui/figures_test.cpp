#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "common/figure.h"
#include "common/safefile.h"
#include "common/ui/figurepicture.h"
#include "common/ui/pdfreport.h"

// Where user points land in a box of a page, and the reports and pictures drawn from figures.
class FiguresTest : public QObject {
    Q_OBJECT

private slots:
    void placement_data() {
        QTest::addColumn<bool>("equal");
        QTest::addColumn<double>("ux");
        QTest::addColumn<double>("uy");
        QTest::addColumn<double>("px");
        QTest::addColumn<double>("py");
        // Box 200 x 100 at (10, 20) for users units x 0..10, y 0..10.
        QTest::newRow("stretched: corner top-left") << false << 0.0 << 10.0 << 10.0 << 20.0;
        QTest::newRow("stretched: corner bottom-right") << false << 10.0 << 0.0 << 210.0 << 120.0;
        // Equal scales: 10 units per 100 points, centred across (50 points each side).
        QTest::newRow("equal: origin") << true << 0.0 << 0.0 << 60.0 << 120.0;
        QTest::newRow("equal: centre") << true << 5.0 << 5.0 << 110.0 << 70.0;
        QTest::newRow("equal: top-right") << true << 10.0 << 10.0 << 160.0 << 20.0;
    }
    void placement() {
        QFETCH(bool, equal);
        QFETCH(double, ux);
        QFETCH(double, uy);
        QFETCH(double, px);
        QFETCH(double, py);
        const common::Figure f(0, 0, 10, 10, equal);
        const common::FigurePoint p = common::placeOnPage(f, {10, 20, 200, 100}, {ux, uy});
        QCOMPARE(p.x, px);
        QCOMPARE(p.y, py);
    }

    void reportPagesAndFailedWrite() {
        QTemporaryDir dir;
        common::PdfReport pdf({"PROGRAMA", "Versión 1.0.0", "datos.dat", "09/12/2026 06:00"});
        pdf.heading("Datos");
        pdf.lines(std::vector<std::string>(120, "linea de informe 12.345"));
        common::Figure f(0, 0, 10, 10, true);
        f.circle({5, 5}, 3, common::kBlack);
        pdf.figure(f, 100, "Circulo");
        // 120 lines of 3.6 mm fill 241 mm of body twice over; the figure follows them.
        QCOMPARE(pdf.pageCount(), 3);
        const std::string path = dir.filePath("r.pdf").toStdString();
        QVERIFY(pdf.write(path));
        std::string bytes;
        QVERIFY(common::readWholeFile(path, bytes));
        QVERIFY(bytes.rfind("%PDF", 0) == 0);
        std::string error;
        QVERIFY(!pdf.write(dir.filePath("falta/r.pdf").toStdString(), &error));
        QVERIFY(!error.empty());
    }

    void pictureAt300Dpi() {
        QTemporaryDir dir;
        common::Figure f(0, 0, 4, 2, true);
        f.line({0, 0}, {4, 2});
        const std::string png = dir.filePath("f.png").toStdString();
        const std::string svg = dir.filePath("f.svg").toStdString();
        QVERIFY(common::saveFigurePicture(f, png));
        QVERIFY(common::saveFigurePicture(f, svg));
        const QImage image(QString::fromStdString(png));
        QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 300);
        QCOMPARE(image.width(), 1889);  // 160 mm at 300 dpi
        QCOMPARE(image.height(), 944);  // the figure's 2:1
        std::string text;
        QVERIFY(common::readWholeFile(svg, text));
        QVERIFY(text.find("<svg") != std::string::npos);
    }
};

QTEST_MAIN(FiguresTest)
#include "figures_test.moc"
