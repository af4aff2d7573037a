#include <QLabel>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "common/messages.h"
#include "common/ui/about.h"
#include "common/ui/startup.h"
#include "common/ui/splash.h"
#include "fendrolas/ui/identity.h"

class SplashAboutTest : public QObject {
    Q_OBJECT

private slots:
    void theToolkitsOwnButtonsSpeakSpanish() {
        common::installSpanishTranslations(*qApp);
        QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QString("Cancelar"));
        QCOMPARE(box.button(QDialogButtonBox::Yes)->text(), QString("&Sí"));
    }

    void splashShowsTheProgram() {
        common::frmSplash splash(fendrolas::fendrolasIdentity());
        QStringList texts;
        for (auto* l : splash.findChildren<QLabel*>()) {
            texts << l->text();
        }
        for (const char* text : {"Programa:", "FENDROLAS", "Versión 1.0.0", "Win 95/98/Me/XP",
                                 "Presione una tecla para continuar"}) {
            QVERIFY2(texts.contains(text), text);
        }
    }

    void aKeyPressClosesTheSplashOnce() {
        common::frmSplash splash(fendrolas::fendrolasIdentity());
        QSignalSpy finished(&splash, &common::frmSplash::finished);
        splash.show();
        QTest::keyClick(&splash, Qt::Key_Space);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!splash.isVisible());
        QTest::keyClick(&splash, Qt::Key_A);
        QCOMPARE(finished.count(), 1);
    }

    void aClickClosesTheSplash() {
        common::frmSplash splash(fendrolas::fendrolasIdentity());
        QSignalSpy finished(&splash, &common::frmSplash::finished);
        splash.show();
        QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(finished.count(), 1);
        QVERIFY(!splash.isVisible());
    }

    void aboutWithoutASystemInformationTool() {
        common::RecordingMessages messages;
        common::frmAbout about(fendrolas::fendrolasIdentity(), messages);
        QCOMPARE(about.windowTitle(), QString("Acerca de FENDROLAS"));
        QStringList texts;
        for (auto* l : about.findChildren<QLabel*>()) {
            texts << l->text();
        }
        QVERIFY(texts.contains("Versión 1.0.0"));
        QVERIFY(
            texts.contains("Calculo de la capacidad portante de fendrolas superficiales "
                           "mediante diversos autores."));

        about.setSystemInfoTools({"no-such-system-information-tool"});
        about.show();
        about.findChild<QPushButton*>("cmdSysInfo")->click();
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QCOMPARE(messages.shown[0].title, std::string("Informacion del sistema"));
        const QString summary = QString::fromStdString(messages.shown[0].text);
        QVERIFY(summary.contains("Sistema operativo: "));
        QVERIFY(summary.contains("Version de Qt: " + QString(qVersion())));
        QVERIFY(about.isVisible());
        about.findChild<QPushButton*>("cmdOK")->click();
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(SplashAboutTest)
#include "splashabout_test.moc"
