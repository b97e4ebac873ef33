// The application object's string lookup and message pump.
#include "tests/support/testapp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

class TstAppServices : public QObject {
    Q_OBJECT
private slots:
    void stringLookupFollowsLanguage();
    void pumpServesWaitingEventsAndReturns();
    void pumpLeavesQuitRequestInPlace();
    void longMessageKeepsItsButtonOnScreen();
};

void TstAppServices::stringLookupFollowsLanguage()
{
    TestApp t;
    CTarnlinkApp& app = t.app();
    QCOMPARE(app.Language(), UiLanguage::German);
    QCOMPARE(app.LoadResString(10000), QStringLiteral("Schnittstelle TIMEOUT!"));
    QCOMPARE(app.LoadResString(10003), QStringLiteral("Schnittstelle kann nicht geöffnet werden!"));
    QCOMPARE(app.LoadResString(57345), QStringLiteral("Bereit"));

    app.SetUiLanguage(UiLanguage::English);
    QCOMPARE(app.LoadResString(10000), QStringLiteral("Interface TIMEOUT!"));
    QCOMPARE(app.LoadResString(10003), QStringLiteral("Interface can't be opened!"));
    QCOMPARE(app.LoadResString(57345), QStringLiteral("Ready"));

    app.SetUiLanguage(UiLanguage::German);
    QCOMPARE(app.LoadResString(10000), QStringLiteral("Schnittstelle TIMEOUT!"));

    // An id no table holds gives an empty text in either language.
    QVERIFY(app.LoadResString(10099).isEmpty());
    QVERIFY(app.LoadResString(0).isEmpty());
    app.SetUiLanguage(UiLanguage::English);
    QVERIFY(app.LoadResString(99999).isEmpty());
}

void TstAppServices::pumpServesWaitingEventsAndReturns()
{
    TestApp t;
    int served = 0;
    QTimer::singleShot(0, [&] { ++served; });
    QMetaObject::invokeMethod(qApp, [&] { ++served; }, Qt::QueuedConnection);
    // Let the zero timer fall due, then pump once: both waiting events are served.
    QTest::qWait(1);
    t.app().PumpPendingMessages();
    QCOMPARE(served, 2);

    // With nothing waiting the pump does not wait for something to come: a timer far off
    // is still pending after it, however slowly a busy machine runs the test.
    QTimer later;
    later.setSingleShot(true);
    later.start(10000);
    t.app().PumpPendingMessages();
    QVERIFY2(later.isActive(), "the pump waited for an event");
}

void TstAppServices::pumpLeavesQuitRequestInPlace()
{
    TestApp t;
    QEventLoop loop;
    bool pumpReturned = false;
    bool ranAfterQuit = false;
    QTimer::singleShot(0, &loop, [&] {
        loop.quit();
        QMetaObject::invokeMethod(qApp, [&] { ranAfterQuit = true; }, Qt::QueuedConnection);
        t.app().PumpPendingMessages();
        pumpReturned = true;
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, &loop, [&] { loop.exit(2); });
    // Only a loop that the quit did not end waits for it, however busy the machine.
    watchdog.start(20000);
    // The loop ends because of the quit made before the pump, not the watchdog.
    QCOMPARE(loop.exec(), 0);
    QVERIFY(pumpReturned);
    QVERIFY(ranAfterQuit);
}

void TstAppServices::longMessageKeepsItsButtonOnScreen()
{
    // A project save onto a full disk names every axis with its file and the reason.
    QStringList lines;
    for (int axis = 1; axis <= 32; ++axis)
        lines << QStringLiteral("Achse %1: Die Parameterdatei konnte nicht gespeichert werden.")
                     .arg(axis)
              << QStringLiteral("/tmp/full/[%1] Achse.sdf").arg(axis, 2, 10, QLatin1Char('0'))
              << QStringLiteral("Kein freier Speicherplatz auf dem Gerät vorhanden");
    const QString text = lines.join(QStringLiteral("\r\n"));
    CMessageBoxService service;
    int height = 0;
    int screen = 0;
    QString details;
    QTimer look;
    connect(&look, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        look.stop();
        height = box->sizeHint().height();
        screen = box->screen()->availableGeometry().height();
        details = box->detailedText();
        box->button(QMessageBox::Ok)->click();
    });
    look.start(10);
    QCOMPARE(service.Show(text, MbOk | MbIconWarning), int(IdOk));
    QVERIFY(height > 0);
    QVERIFY2(height <= screen, qPrintable(QStringLiteral("%1 > %2").arg(height).arg(screen)));
    // The whole text stays at hand.
    QCOMPARE(details.remove(QLatin1Char('\r')), QString(text).remove(QLatin1Char('\r')));
}

QTEST_MAIN(TstAppServices)
#include "tst_appservices.moc"
