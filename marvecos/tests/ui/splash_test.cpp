#include "common/ui/splash.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include "marvecos/ui/identity.h"

class SplashTest : public QObject {
    Q_OBJECT

private slots:
    void splashShowsTheProgramAndGivesWayOnAKey() {
        common::frmSplash splash(marvecos::marvecosIdentity());
        QStringList texts;
        for (auto* l : splash.findChildren<QLabel*>()) {
            texts << l->text();
        }
        for (const char* text : {"Marvecos", "Versión 1.0.0", "Win 95/98/200/Me/Xp"}) {
            QVERIFY2(texts.contains(text), text);
        }
        QSignalSpy finished(&splash, &common::frmSplash::finished);
        splash.show();
        QTest::keyClick(&splash, Qt::Key_Return);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!splash.isVisible());
    }
};

QTEST_MAIN(SplashTest)
#include "splash_test.moc"
