#include <QAction>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include "common/messages.h"
#include "marvecos/ui/form1.h"
#include "marvecos/ui/form2.h"
#include "slopewindow.h"

using namespace marvecos;

namespace {

void click(QWidget& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(name);
    QVERIFY2(button != nullptr, name);
    button->click();
}

}  // namespace

class InterSliceTest : public QObject {
    Q_OBJECT

private slots:
    void spencerShowsTheForcesAndTheChartBishopDoesNot() {
        TestFolder folder;
        common::RecordingMessages messages;
        Form1 form(folder.folders(), &messages);
        setFields(&form, kSampleSlope);
        form.findChild<QRadioButton*>("Option3")->setChecked(true);
        click(form, "Command1");
        click(form, "Command3");
        Form2* results = form.resultsWindow();
        QVERIFY(results->isVisible());
        QVERIFY(results->interSliceButton()->isEnabled());
        results->interSliceButton()->click();
        InterSliceView* view = results->interSliceView();
        QVERIFY(view->isVisible());
        // The heading and the 11 boundaries of 10 slices; no force on the first boundary.
        QCOMPARE(view->grid()->rowCount(), 12);
        QCOMPARE(view->grid()->item(1, 2)->text(), QString("0.000"));
        // The solution lies inside the frame, where the force curve passes the moment curve.
        const FactorChartFigure f = view->chart()->figure();
        QVERIFY(f.solution.x > f.left && f.solution.x < f.right);
        QVERIFY(f.solution.y > f.top && f.solution.y < f.bottom);
        QVERIFY(f.force.front().front().y > f.moment.front().front().y);
        QVERIFY(f.force.back().back().y < f.moment.back().back().y);
        QVERIFY(!view->chart()->render().isNull());

        // "Guardar imagen..." of the chart: a PNG at 300 dpi or, by the name, an SVG.
        StubDialogs stub;
        results->setFileDialogs(stub.dialogs());
        auto* save = view->chart()->findChild<QAction*>("GuardarImagen");
        QVERIFY(save != nullptr);
        for (const char* name : {"grafico.png", "grafico.svg"}) {
            stub.saveName = folder.file(name);
            save->trigger();
        }
        const QImage png(folder.file("grafico.png"));
        QCOMPARE(png.width(), qRound(view->chart()->width() * 300 / 96.0));
        QVERIFY(folder.read("grafico.svg").contains("<svg"));

        form.findChild<QRadioButton*>("Option1")->setChecked(true);
        click(form, "Command1");
        QVERIFY(!results->interSliceButton()->isEnabled());
        QVERIFY(!view->isVisible());
        QVERIFY(messages.shown.empty());
    }
};

QTEST_MAIN(InterSliceTest)
#include "interslice_test.moc"
