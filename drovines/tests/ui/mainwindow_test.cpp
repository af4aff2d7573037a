#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QtTest>
#include <cmath>

#include "common/ui/about.h"
#include "common/ui/figureview.h"
#include "common/ui/palette.h"
#include "common/ui/splash.h"
#include "drovines/calcular.h"
#include "drovines/ui/identity.h"
#include "drovines/ui/notes.h"
#include "drovinestesting.h"

using drovines::Method;

namespace {

QStringList menuEntries(QMenuBar* bar, const QString& title) {
    for (QAction* menu : bar->actions()) {
        if (menu->text() == title) {
            QStringList entries;
            for (QAction* entry : menu->menu()->actions()) {
                entries << (entry->isSeparator() ? QString("-") : entry->text());
            }
            return entries;
        }
    }
    return {"<no menu>"};
}

bool tickBoxesAvailable(drovines::Form1& form) {
    const bool one = form.findChild<QCheckBox*>("Check1")->isEnabled();
    const bool two = form.findChild<QCheckBox*>("Check2")->isEnabled();
    return one && two;
}

bool seismicFieldsAvailable(drovines::Form1& form) {
    return form.findChild<QLineEdit*>("kh")->isEnabled() &&
           form.findChild<QLineEdit*>("kv")->isEnabled();
}

int pixelsIn(const QImage& image, QColor colour, QRect region) {
    int n = 0;
    const QRect r = region.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            n += image.pixelColor(x, y) == colour;
        }
    }
    return n;
}

int pixelsOf(const QImage& image, QColor colour) {
    return pixelsIn(image, colour, image.rect());
}

// Text is drawn smoothed: its pixels are shades of its colour.
int bluishIn(const QImage& image, QRect region) {
    int n = 0;
    const QRect r = region.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.blue() > c.red() + 60 && c.blue() > c.green() + 60;
        }
    }
    return n;
}

// Lines are drawn smoothed, as a blend of their colour with the white ground: some pixel within
// reach of the point holds at least a third of the colour and nothing else.
bool colourNear(const QImage& image, QPoint at, QColor colour, int reach) {
    const double ink[] = {255.0 - colour.red(), 255.0 - colour.green(), 255.0 - colour.blue()};
    const double inkSquared = ink[0] * ink[0] + ink[1] * ink[1] + ink[2] * ink[2];
    const QRect r =
        QRect(at - QPoint(reach, reach), at + QPoint(reach, reach)).intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const double got[] = {255.0 - c.red(), 255.0 - c.green(), 255.0 - c.blue()};
            const double share = (got[0] * ink[0] + got[1] * ink[1] + got[2] * ink[2]) / inkSquared;
            const double off = std::hypot(got[0] - share * ink[0], got[1] - share * ink[1],
                                          got[2] - share * ink[2]);
            if (share > 0.33 && off < 25) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithNoMethodAndTheTickBoxesUnavailable() {
        Drovines d;
        QCOMPARE(d.form.windowTitle(), QString("Empuje de suelos"));
        for (int n = 1; n <= 3; ++n) {
            QVERIFY(!d.option(n)->isChecked());
        }
        QCOMPARE(d.option(3)->text(), QString("Mononobe-okabe (sismo)"));
        QVERIFY(!d.form.findChild<QCheckBox*>("Check1")->isEnabled());
        QVERIFY(!d.form.findChild<QCheckBox*>("Check2")->isEnabled());
        QCOMPARE(d.form.method(), Method::None);
        QCOMPARE(fieldText(&d.form, "gm"), QString("22"));
        QVERIFY(d.form.findChild<common::FigureView*>("Picture1") != nullptr);
        QVERIFY(d.form.statusBar()->currentMessage().isEmpty());

        QMenuBar* bar = d.form.menuBar();
        QCOMPARE(menuEntries(bar, "Archivo"), (QStringList{"Abrir", "Guardar", "-", "Salir"}));
        QCOMPARE(menuEntries(bar, "Analisis"),
                 (QStringList{"Rankine", "Coulomb", "Mononobe-Okabe", "-", "Calcular"}));
        QCOMPARE(menuEntries(bar, "Ayuda"), (QStringList{"Acerca de...", "Notas"}));

        // "Calcular" asks for a method until one is chosen.
        enterPlainWall(&d.form);
        d.press("Command1");
        QVERIFY(!d.results().isVisible());
        QCOMPARE(d.messages.shown.size(), std::size_t(1));
        QCOMPARE(d.messages.shown[0].text, std::string(drovines::kNoMethodMessage));
    }

    void optionsAndMenuEntriesChooseTheMethod() {
        Drovines d;
        d.form.show();
        d.option(1)->click();
        QCOMPARE(d.form.method(), Method::Rankine);
        QVERIFY(d.menu("mnuRankine")->isChecked());
        QVERIFY(!d.menu("mnuCoulomb")->isChecked());
        QVERIFY(tickBoxesAvailable(d.form));

        d.option(2)->click();
        QCOMPARE(d.form.method(), Method::Coulomb);
        QVERIFY(!d.option(1)->isChecked());
        QVERIFY(!d.menu("mnuRankine")->isChecked());
        QVERIFY(d.menu("mnuCoulomb")->isChecked());
        QVERIFY(!tickBoxesAvailable(d.form));

        d.trigger("mnuRankine");
        QVERIFY(d.option(1)->isChecked() && !d.option(2)->isChecked() && !d.option(3)->isChecked());
        QCOMPARE(d.form.method(), Method::Rankine);
        QVERIFY(d.menu("mnuRankine")->isChecked());
        QVERIFY(tickBoxesAvailable(d.form));
        d.trigger("mnuRankine");  // chosen again, it keeps its mark
        QVERIFY(d.menu("mnuRankine")->isChecked());

        d.trigger("mnuCoulomb");
        QVERIFY(d.option(2)->isChecked() && !d.option(1)->isChecked());
        QCOMPARE(d.form.method(), Method::Coulomb);
        QVERIFY(d.menu("mnuCoulomb")->isChecked() && !d.menu("mnuRankine")->isChecked());

        // Option3 chooses Mononobe-Okabe, with kh and kv and without the tick boxes.
        QVERIFY(!seismicFieldsAvailable(d.form));
        d.option(3)->click();
        QVERIFY(d.option(3)->isChecked() && !d.option(2)->isChecked());
        QCOMPARE(d.form.method(), Method::MononobeOkabe);
        QVERIFY(d.menu("mnuMononobe")->isChecked() && !d.menu("mnuCoulomb")->isChecked());
        QCOMPARE(d.form.selectedOption(), Method::MononobeOkabe);
        QVERIFY(!tickBoxesAvailable(d.form));
        QVERIFY(seismicFieldsAvailable(d.form));
        d.trigger("mnuRankine");
        QVERIFY(!seismicFieldsAvailable(d.form) && !d.menu("mnuMononobe")->isChecked());
        QVERIFY(d.messages.shown.empty());
    }

    void mononobeOkabeShowsTheSeismicThrustAndChecks() {
        Drovines d;
        enterPlainWall(&d.form);
        d.trigger("mnuMononobe");
        QVERIFY(d.messages.shown.empty());
        QVERIFY(d.option(3)->isChecked());
        QCOMPARE(d.form.method(), Method::MononobeOkabe);
        setFields(&d.form, {{"delta", "30"}, {"kh", "0.206"}});

        d.press("Command1");
        QVERIFY(d.messages.shown.empty());
        QVERIFY(d.results().isVisible());
        QCOMPARE(d.results().windowTitle(), QString("Resultados: MONONOBE-OKABE"));
        QVERIFY(d.results().findChild<QWidget*>("Frame5")->isVisible());
        QVERIFY(std::abs(d.result("Text5_1") - 0.4785) < 1e-3);  // K_AE
        QCOMPARE(d.resultText("Text5_6"), QString("2.400"));     // 0.6 H
        QCOMPARE(d.resultText("Text5_11"), QString("36.256"));   // kh * 176 kN/m
        QCOMPARE(d.resultText("Text2_12"), QString("1.390"));    // overturning
        QCOMPARE(d.resultText("Text4_6"), QString("0.845"));     // sliding

        // The menu's "Calcular" computes the method chosen, as the button does.
        d.results().volver();
        d.trigger("mnuCalcular");
        QCOMPARE(d.results().windowTitle(), QString("Resultados: MONONOBE-OKABE"));
        d.results().volver();
        d.trigger("mnuRankine");
        d.trigger("mnuCalcular");
        QCOMPARE(d.results().windowTitle(), QString("Resultados: RANKINE"));
        QCOMPARE(d.resultText("Text1_1"), QString("0.333"));
        QVERIFY(!d.results().findChild<QWidget*>("Frame5")->isVisible());

        // A factor that is not a result shows no figure.
        d.results().volver();
        setFields(&d.form, {{"gm", "1"}});
        d.messages.shown.clear();
        d.trigger("mnuCalcular");
        QVERIFY(d.results().isVisible());
        QCOMPARE(d.resultText("Text3_9"), QString(""));
        QCOMPARE(d.messages.shown.back().text,
                 std::string("No hay factor de seguridad contra el hundimiento: la carga sale de "
                             "la base."));
    }

    void aFailedCheckKeepsTheFieldAndComputesNothing() {
        Drovines d;
        enterPlainWall(&d.form);
        d.trigger("mnuRankine");
        setFields(&d.form, {{"delta", "40"}});
        d.press("Command1");
        QCOMPARE(d.messages.shown.size(), std::size_t(1));
        QCOMPARE(d.messages.shown[0].text,
                 std::string("El angulo delta no puede ser mayor que fi"));
        QCOMPARE(fieldText(&d.form, "delta"), QString("40"));
        QVERIFY(!d.results().isVisible());

        // Corrected, the next press computes.
        setFields(&d.form, {{"delta", "30"}});
        d.press("Command1");
        QVERIFY(d.results().isVisible());
    }

    void aWallWithoutSoilWeightSaysWhyNothingIsComputed() {
        Drovines d;
        enterPlainWall(&d.form);
        d.trigger("mnuCoulomb");
        setFields(&d.form, {{"gam", "0"}});
        d.press("Command1");
        d.trigger("mnuCalcular");
        QCOMPARE(d.messages.shown.size(), std::size_t(2));
        QCOMPARE(d.messages.shown[1].text, std::string(drovines::kNothingToDoMessage));
        QVERIFY(!d.results().isVisible());
    }

    void onlyTheGeometricFieldsRedraw() {
        Drovines d;
        enterPlainWall(&d.form);
        for (const char* name : {"q", "hn", "df", "beta", "b1", "H", "alfa", "alfa2"}) {
            const int before = d.form.drawings();
            setFields(&d.form, {{name, "1.5"}});
            QVERIFY2(d.form.drawings() == before + 1, name);
        }
        for (const char* name : {"gam", "fi", "co", "w", "delta", "delta2", "gm"}) {
            const int before = d.form.drawings();
            setFields(&d.form, {{name, "7"}});
            QVERIFY2(d.form.drawings() == before, name);
        }
    }

    void theSectionIsDrawnInItsColours() {
        Drovines d;
        enterPlainWall(&d.form);
        setFields(&d.form, {{"hn", "1"}});
        const common::FigureView* view = d.form.drawing();
        const QImage image = view->image();
        const auto at = [view](double x, double y) { return view->toPixels({x, y}).toPoint(); };
        // H = 4 m, B = 2 m: the wall's fill inside, its outline along the base, none past the heel.
        QVERIFY(colourNear(image, at(1, 2), QColor(200, 200, 200), 0));
        QVERIFY(colourNear(image, at(1, 0), Qt::black, 1));
        QVERIFY(!colourNear(image, at(2.5, 2), QColor(200, 200, 200), 2));
        // The backfill surface leaves the crest level; the water table runs at 1 m behind it.
        QVERIFY(colourNear(image, at(3, 4), QColor(150, 100, 40), 1));
        QVERIFY(bluishIn(image, QRect(at(2, 1) - QPoint(0, 2), at(6, 1) + QPoint(0, 2))) > 30);
        QCOMPARE(bluishIn(image, QRect(at(2, 2) - QPoint(0, 2), at(6, 2) + QPoint(0, 2))), 0);
    }

    void aWaterTableBelowTheBaseIsFlaggedAndNamed() {
        Drovines d;
        enterPlainWall(&d.form);
        const common::FigureView* view = d.form.drawing();
        const auto rowRightOfHeel = [view](double y, int halfHeight) {
            const QPoint from = view->toPixels({2.1, y}).toPoint();
            return QRect(from.x(), from.y() - halfHeight, view->width() - from.x(),
                         2 * halfHeight + 1);
        };
        const auto textRow = [view, rowRightOfHeel] {
            const common::Figure& f = view->figure();
            return rowRightOfHeel(0.05 * (f.top() - f.bottom()), 5);
        };
        QCOMPARE(bluishIn(view->image(), rowRightOfHeel(-0.2, 2)), 0);
        QCOMPARE(bluishIn(view->image(), textRow()), 0);

        setFields(&d.form, {{"hn", "-0.2"}});
        QVERIFY(d.form.napaBajoBase());
        QCOMPARE(d.form.keptHn(), QString("-0.2"));
        QVERIFY(bluishIn(view->image(), rowRightOfHeel(-0.2, 2)) > 30);
        QVERIFY(bluishIn(view->image(), textRow()) > 20);

        setFields(&d.form, {{"hn", "1"}});
        QVERIFY(!d.form.napaBajoBase());
        QVERIFY(d.form.keptHn().isEmpty());
        QCOMPARE(bluishIn(view->image(), textRow()), 0);

        // The notice rewrites the field, which clears the flag; the calculation goes on.
        setFields(&d.form, {{"hn", "-2"}});
        d.trigger("mnuRankine");
        d.trigger("mnuCalcular");
        QCOMPARE(d.messages.shown.size(), std::size_t(1));
        QCOMPARE(d.messages.shown[0].text,
                 std::string("La napa por debajo del nivel de fundacion no afecta a la "
                             "estructura.  "));
        QCOMPARE(fieldText(&d.form, "hn"), QString("0"));
        QVERIFY(!d.form.napaBajoBase());
        QVERIFY(d.results().isVisible());
    }

    void aZeroScaleLeavesThePreviousDrawing() {
        Drovines d;
        enterPlainWall(&d.form);
        setFields(&d.form, {{"H", "0"}});
        const QImage before = d.form.drawing()->image();
        QVERIFY(pixelsOf(before, Qt::black) > 0);
        const int drawn = d.form.drawings();
        setFields(&d.form, {{"b1", "0"}});  // H = B = 0
        QCOMPARE(d.form.drawings(), drawn + 1);
        QCOMPARE(d.form.drawing()->image(), before);
        setFields(&d.form, {{"b1", "2"}, {"H", "1e308"}});  // its drawing would not be finite
        QCOMPARE(d.form.drawing()->image(), before);
    }

    void noTextBreaksTheDrawing() {
        Drovines d;
        enterPlainWall(&d.form);
        const char* texts[] = {"", "abc", "-", "1e300", "-1e300", "1e400", "90", "-90", "89.99"};
        for (const char* name : {"q", "hn", "df", "beta", "b1", "H", "alfa", "alfa2"}) {
            for (const char* text : texts) {
                setFields(&d.form, {{name, text}});
            }
            setFields(&d.form, {{name, "1"}});
        }
        // tan(90 degrees) is huge, not infinite, with the program's pi.
        setFields(&d.form, {{"beta", "90"}, {"alfa", "90"}, {"alfa2", "90"}});
        QVERIFY(d.form.drawing()->figure().drawable());
        QVERIFY(d.messages.shown.empty());
    }

    void loadAndSaveThroughTheDialogs() {
        WorkFolder folder;
        Drovines d;
        enterPlainWall(&d.form);
        d.trigger("mnuCoulomb");
        setFields(&d.form, {{"hn", "1.5"}, {"q", "12.5"}});

        d.trigger("mnuGuardar");  // cancelled
        QCOMPARE(d.stub.saveCalls, 1);
        QCOMPARE(d.stub.lastFilter, QString("Archivos de datos (*.dat);;Todos los archivos (*.*)"));
        QCOMPARE(d.form.windowTitle(), QString("Empuje de suelos"));

        d.stub.saveName = folder.file("muro.dat");
        d.trigger("mnuGuardar");
        QVERIFY(folder.exists("muro.dat"));
        QCOMPARE(d.form.windowTitle(), "Drovines - " + folder.file("muro.dat"));

        Drovines other;
        other.trigger("mnuAbrir");  // cancelled: nothing changes
        QCOMPARE(other.stub.lastFilter,
                 QString("Archivos de datos (*.dat);;Todos los archivos (*.*)"));
        QCOMPARE(other.form.windowTitle(), QString("Empuje de suelos"));
        QCOMPARE(other.form.method(), Method::None);

        other.stub.openName = folder.file("muro.dat");
        other.trigger("mnuAbrir");
        QCOMPARE(other.form.windowTitle(), "Drovines - " + folder.file("muro.dat"));
        for (const char* name : {"gam", "fi", "hn", "b1", "H", "q", "df"}) {
            QCOMPARE(fieldText(&other.form, name), fieldText(&d.form, name));
        }
        QVERIFY(other.option(2)->isChecked());
        QCOMPARE(other.form.method(), Method::Coulomb);
        QVERIFY(other.menu("mnuCoulomb")->isChecked());
        QVERIFY(!tickBoxesAvailable(other.form));

        // A file that is not there is reported and changes nothing.
        other.stub.openName = folder.file("no-esta.dat");
        setFields(&other.form, {{"gam", "19"}});
        other.trigger("mnuAbrir");
        QCOMPARE(fieldText(&other.form, "gam"), QString("19"));
        QCOMPARE(other.messages.shown.size(), std::size_t(1));
        QCOMPARE(other.form.windowTitle(), "Drovines - " + folder.file("muro.dat"));
    }

    void theSplashNamesTheProgram() {
        common::frmSplash splash(drovines::drovinesIdentity());
        QStringList texts;
        for (auto* l : splash.findChildren<QLabel*>()) {
            texts << l->text();
        }
        QVERIFY(texts.contains("Drovines"));
        QVERIFY(texts.contains("Win 95/98/200/Me/Xp"));
        QVERIFY(texts.contains("Presione una tecla para continuar"));
    }

    void theNotesAndAboutWindows() {
        Drovines d;
        d.trigger("mnuNotas");
        drovines::frmNotas* notes = d.form.notesWindow();
        QVERIFY(notes->isVisible());
        QCOMPARE(notes->windowTitle(), QString("Notas sobre el programa DROVINES"));
        QStringList shown;
        for (int k = 1; k <= 11; ++k) {
            auto* label = notes->findChild<QLabel*>(QString("Label%1").arg(k));
            QVERIFY(label->wordWrap());
            shown << label->text();
        }
        QCOMPARE(shown.first(), QString("CONSIDERACIONES TOMADAS AL REALIZAR ESTE PROGRAMA"));
        QCOMPARE(shown[3], QString("Coeficiente alfa1 = 2.5"));
        QVERIFY(shown[1].contains("Con este valor se       calcula"));
        QVERIFY(shown[10].endsWith("en el peso     especifico del suelo."));
        notes->findChild<QPushButton*>("Command1")->click();
        QVERIFY(!notes->isVisible());
        d.trigger("mnuNotas");
        QCOMPARE(d.form.notesWindow(), notes);

        d.trigger("mnuAcercaDe");
        common::frmAbout* about = d.form.aboutWindow();
        QVERIFY(about->isVisible());
        QCOMPARE(about->windowTitle(), QString("Acerca de Drovines"));
        QStringList texts;
        for (auto* l : about->findChildren<QLabel*>()) {
            texts << l->text();
        }
        QVERIFY(texts.contains("Drovines"));
        QVERIFY(texts.contains(
            "Calculo de drovines sobre muros de gravedad y verificacion de estabilidad."));
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
