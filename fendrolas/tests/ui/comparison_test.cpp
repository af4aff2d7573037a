#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "common/ui/figureview.h"
#include "fendrolas/ui/comparisonchart.h"
#include "fendrolas/ui/form3.h"

using common::FigureView;
using fendrolas::ComparisonData;
using fendrolas::Form3;

namespace {

// Pixels of the colour within `radius` pixels of the user point.
int colourNear(const FigureView& area, double x, double y, QColor color, int radius = 3) {
    const QImage image = area.image();
    const QPoint c = area.toPixels({x, y}).toPoint();
    int n = 0;
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p = c + QPoint(dx, dy);
            if (image.rect().contains(p) && image.pixelColor(p) == color) {
                ++n;
            }
        }
    }
    return n;
}

// Dark pixels left of the vertical axis and below the axis title, where the scale labels go.
int inkLeftOfAxis(const FigureView& area) {
    const QImage image = area.image();
    const int axis = static_cast<int>(area.toPixels({-0.05, 0}).x());
    const int belowTitle = static_cast<int>(area.toPixels({0, 88}).y());
    int n = 0;
    for (int y = belowTitle; y < image.height(); ++y) {
        for (int x = 0; x < axis; ++x) {
            n += image.pixelColor(x, y).lightness() < 128 ? 1 : 0;
        }
    }
    return n;
}

ComparisonData sample() {
    ComparisonData d;
    for (int m = 1; m <= 5; ++m) {
        for (int i = 1; i <= 5; ++i) {
            d.quTable[m][i] = static_cast<float>(100 * m + 10 * i);
            d.NuTable[m][i] = static_cast<float>(1000 * m + 100 * i);
        }
    }
    d.maxQu = 550;
    d.maxNu = 5500;
    return d;
}

}  // namespace

class ComparisonTest : public QObject {
    Q_OBJECT

private slots:
    void windowHasItsTitleAndHeadings() {
        Form3 form;
        QCOMPARE(form.windowTitle(), QString("Comparacion de resultados"));
        QStringList texts;
        for (auto* l : form.findChildren<QLabel*>()) {
            texts << l->text();
        }
        QVERIFY(texts.contains("PRESION DE HUNDIMIENTO "));
        QVERIFY(texts.contains("CARGA DE HUNDIMIENTO"));
        form.show();
        form.findChild<QPushButton*>("Command1")->click();
        QVERIFY(!form.isVisible());
    }

    void dotsSitAtTheirScaledHeights() {
        Form3 form;
        const ComparisonData d = sample();
        form.grafico(d);
        for (int m = 1; m <= 5; ++m) {
            for (int i = 1; i <= 5; ++i) {
                const QColor c = fendrolas::stateColor(i);
                QVERIFY(colourNear(*form.quChart(), m, d.quTable[m][i] * 80.0 / d.maxQu, c) > 0);
                QVERIFY(colourNear(*form.nuChart(), m, d.NuTable[m][i] * 80.0 / d.maxNu, c) > 0);
            }
        }
        // The largest value sits at 80; nothing of its colour at 90.
        QVERIFY(colourNear(*form.quChart(), 5, 80, fendrolas::stateColor(5)) > 0);
        QCOMPARE(colourNear(*form.quChart(), 5, 90, fendrolas::stateColor(5)), 0);
        // Legend dots.
        for (int i = 1; i <= 5; ++i) {
            QVERIFY(colourNear(*form.nuChart(), 6.7, 100 - 5 * i, fendrolas::stateColor(i), 2) > 0);
        }
        QVERIFY(inkLeftOfAxis(*form.quChart()) > 0);
    }

    void negativeAndZeroValues() {
        Form3 form;
        ComparisonData d = sample();
        d.quTable[2][3] = -55;  // -8 on the chart
        d.quTable[4][1] = 0;
        form.grafico(d);
        QVERIFY(colourNear(*form.quChart(), 2, -8, fendrolas::stateColor(3)) > 0);
        QVERIFY(colourNear(*form.quChart(), 4, 0, fendrolas::stateColor(1)) > 0);
    }

    void aZeroMaximumDrawsNoDotsAndNoScale() {
        Form3 form;
        ComparisonData d;  // every file held zeros
        form.grafico(d);
        for (FigureView* chart : {form.quChart(), form.nuChart()}) {
            for (int m = 1; m <= 5; ++m) {
                for (int i = 1; i <= 5; ++i) {
                    QCOMPARE(colourNear(*chart, m, 0, fendrolas::stateColor(i)), 0);
                }
            }
            QCOMPARE(inkLeftOfAxis(*chart), 0);
        }
    }

    void aNewComparisonReplacesTheOld() {
        Form3 form;
        form.grafico(sample());
        ComparisonData d = sample();
        d.quTable[1][1] = 0;
        form.grafico(d);
        QCOMPARE(colourNear(*form.quChart(), 1, 110 * 80.0 / 550, fendrolas::stateColor(1)), 0);
    }
};

QTEST_MAIN(ComparisonTest)
#include "comparison_test.moc"
