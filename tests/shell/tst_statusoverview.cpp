// The status overview over a simulated bus with axes at 2, 9 and 30: the rows of each radio,
// lamps and temperature bars from the stages' states and temperatures, a stage that stops
// answering and a bus that dies (the overview closes after one message), and the frame's poll
// stopped while the overview is open.
#include "controls/busyblocks/cbusyblocksctrl.h"
#include "platform/ccommandactions.h"
#include "shell/cdlgstatgesamt.h"
#include "tests/pages/pagerig.h"

#include <QPointer>
#include <QRadioButton>

namespace {

using Dlg = CDlgStatGesamt;

constexpr int kStatusOverview = 32794;

// Axes at 2 (KEV), 9 (HWT) and 30 (LQN with firmware 0.90) listed in the tree; the KEV at 3
// answers but is not listed.
void ListAxes(Rig& rig)
{
    // 32 addresses take two address characters.
    rig.line.SetSettings(SimLineSettings{.twoByteAddress = true});
    rig.t.port().SetTwoByteAddress(true);
    rig.bus.AddAxis(2, "KEV");
    rig.bus.AddAxis(9, "HWT");
    rig.bus.AddAxis(30, "LQN", "LQN 0.90");
    rig.AddItem(2, kKev, QStringLiteral("[02] Axis"), CMainFrame::ImageGreen);
    rig.AddItem(9, kHwt, QStringLiteral("[09] Axis"), CMainFrame::ImageGreen);
    rig.AddItem(30, kLqn, QStringLiteral("[30] Axis"), CMainFrame::ImageGreen);
}

// Opens the overview by its command and hands it to `check` while it runs.
void OpenOverview(Rig& rig, const std::function<void(Dlg&)>& check)
{
    rig.app().ModalRunner().SetScript([&](QDialog& dialog) {
        QPointer<Dlg> overview = qobject_cast<Dlg*>(&dialog);
        if (overview)
            check(*overview);
        return int(QDialog::Rejected);
    });
    QVERIFY(CCommandActions::Trigger(rig.frame, kStatusOverview));
}

QList<bool> ShownRows(const Dlg& dialog)
{
    QList<bool> rows;
    for (int row = 0; row < Dlg::kRows; ++row)
        rows.append(dialog.RowShown(row));
    return rows;
}

QList<bool> LitLamps(const Dlg& dialog, int row)
{
    QList<bool> lit;
    for (int lamp = 0; lamp < 4; ++lamp)
        lit.append(CLedPictures::IsOn(dialog.LampImage(row, lamp)));
    return lit;
}

} // namespace

class TstStatusOverview : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("TARNLINK_CAN", "nosuchplugin:can9"); }
    void pages();
    void temperatures_data();
    void temperatures();
    void stageStopsAnswering();
    void busDies_data();
    void busDies();
    void temperatureUnanswered();
};

void TstStatusOverview::pages()
{
    Rig rig;
    ListAxes(rig);
    rig.bus.WithAxis(30, [](SimAxis& a) { a.readings["Q"] = "3"; });
    rig.frame->StatusTimer().start();
    bool opened = false;
    OpenOverview(rig, [&](Dlg& d) {
        opened = true;
        QVERIFY(!rig.frame->StatusTimer().isActive());
        QVERIFY(d.PollTimer().isActive());
        QCOMPARE(d.windowTitle(), QStringLiteral("Statusübersicht"));
        QCOMPARE(d.Label(Dlg::kFirstAddressLabel + 7)->text(), QStringLiteral("[07]"));
        QCOMPARE(ShownRows(d),
                 (QList<bool>{false, false, true, false, false, false, false, false}));
        d.OnTimer();
        QCOMPARE(LitLamps(d, 2), (QList<bool>{true, false, false, false}));
        QCOMPARE(d.Bar(2)->Position(), 350);

        QTest::mouseClick(CControlIds::Find<QRadioButton>(&d, Dlg::kFirstRadio + 1),
                          Qt::LeftButton);
        QCOMPARE(d.PageBase(), 8);
        QCOMPARE(d.Label(Dlg::kFirstAddressLabel)->text(), QStringLiteral("[08]"));
        QCOMPARE(ShownRows(d),
                 (QList<bool>{false, true, false, false, false, false, false, false}));
        // An HWT reports no temperature.
        QVERIFY(d.Bar(1)->isHidden());
        rig.bus.ClearLog();
        d.OnTimer();
        QCOMPARE(rig.Commands(), QStringList{QStringLiteral("Q")});

        QTest::mouseClick(CControlIds::Find<QRadioButton>(&d, Dlg::kFirstRadio + 3),
                          Qt::LeftButton);
        QCOMPARE(ShownRows(d),
                 (QList<bool>{false, false, false, false, false, false, true, false}));
        d.OnTimer();
        // An LQN below firmware 1.0 shows a current fault on both fault lamps.
        QCOMPARE(LitLamps(d, 6), (QList<bool>{false, false, true, true}));
    });
    QVERIFY(opened);
    QVERIFY(rig.frame->StatusTimer().isActive());
}

void TstStatusOverview::temperatures_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("text");
    QTest::newRow("59.9") << QByteArray("599") << QColor(0, 255, 0) << "59.9 °C";
    QTest::newRow("60.0") << QByteArray("600") << QColor(255, 233, 37) << "60.0 °C";
    QTest::newRow("80.0") << QByteArray("800") << QColor(255, 0, 0) << "80.0 °C";
    QTest::newRow("empty reply") << QByteArray() << QColor(0, 255, 0) << "0.0 °C";
}

void TstStatusOverview::temperatures()
{
    QFETCH(QByteArray, raw);
    QFETCH(QColor, colour);
    QFETCH(QString, text);
    Rig rig;
    ListAxes(rig);
    rig.bus.WithAxis(2, [&](SimAxis& a) { a.readings["D"] = raw; });
    OpenOverview(rig, [&](Dlg& d) {
        d.OnTimer();
        QCOMPARE(d.Bar(2)->HighlightFillColour(), colour);
        QCOMPARE(d.Label(Dlg::kFirstTemperature + 2)->text(), text);
        QVERIFY(d.PollTimer().isActive());
    });
}

void TstStatusOverview::stageStopsAnswering()
{
    Rig rig;
    ListAxes(rig);
    rig.bus.AddAxis(5, "KEV");
    rig.AddItem(5, kKev, QStringLiteral("[05] Axis"), CMainFrame::ImageGreen);
    // The message stays open a while, as a user reads it: its event loop keeps running.
    rig.app().MessageBoxes().SetResponder([&](const MessageBoxRequest& request) {
        rig.t.messages.append(request.text);
        QTest::qWait(1200);
        return int(IdOk);
    });
    OpenOverview(rig, [&](Dlg& d) {
        d.show();
        QCOMPARE(ShownRows(d), (QList<bool>{false, false, true, false, false, true, false, false}));
        rig.bus.ClearLog();
        rig.bus.WithAxis(2, [](SimAxis& a) { a.readings.remove("Q"); });
        QTRY_VERIFY_WITH_TIMEOUT(!d.isVisible(), 20000);
    });
    // The first unanswered "Q" ends the overview after its one message; the axis after it
    // is not asked, and no round starts while the message is open.
    QCOMPARE(rig.t.messages, QStringList{QStringLiteral("Schnittstelle TIMEOUT!")});
    QCOMPARE(rig.bus.Requests().size(), 1);
    QCOMPARE(rig.bus.Requests().first().address, 2);
    QCOMPARE(rig.Commands(), QStringList{QStringLiteral("Q")});
}

void TstStatusOverview::busDies_data()
{
    QTest::addColumn<bool>("portGone");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("portState");
    QTest::newRow("stages silent") << false << "Schnittstelle TIMEOUT!"
                                   << " <Open> ";
    QTest::newRow("port gone") << true << "Schnittstelle kann nicht geöffnet werden!"
                               << " <!CLOSED!> ";
}

void TstStatusOverview::busDies()
{
    QFETCH(bool, portGone);
    QFETCH(QString, message);
    QFETCH(QString, portState);
    Rig rig;
    ListAxes(rig);
    rig.bus.AddAxis(5, "KEV");
    rig.AddItem(5, kKev, QStringLiteral("[05] Axis"), CMainFrame::ImageGreen);
    QVERIFY(rig.frame->PaneText(CMainFrame::PaneInterface).contains(" <Open> "));
    bool closed = false;
    OpenOverview(rig, [&](Dlg& d) {
        d.show();
        QCOMPARE(ShownRows(d), (QList<bool>{false, false, true, false, false, true, false, false}));
        if (portGone)
            rig.line.Stop();
        else
            rig.line.SetSilent(true);
        // The overview's own poll finds the bus dead and closes the dialog.
        QTRY_VERIFY_WITH_TIMEOUT(!d.isVisible(), 20000);
        closed = d.result() == QDialog::Rejected && !d.PollTimer().isActive();
    });
    QVERIFY(closed);
    QCOMPARE(rig.t.messages, QStringList{message});
    QVERIFY(rig.frame->PaneText(CMainFrame::PaneInterface).contains(portState));
}

void TstStatusOverview::temperatureUnanswered()
{
    Rig rig;
    ListAxes(rig);
    rig.bus.WithAxis(2, [](SimAxis& a) { a.readings.remove("D"); });
    OpenOverview(rig, [&](Dlg& d) {
        d.OnTimer();
        // The refresh ends quietly; the row stays and the next page starts it again.
        QCOMPARE(rig.t.messages, QStringList{});
        QVERIFY(d.RowShown(2));
        QVERIFY(!d.PollTimer().isActive());
        QTest::mouseClick(CControlIds::Find<QRadioButton>(&d, Dlg::kFirstRadio + 1),
                          Qt::LeftButton);
        QVERIFY(d.PollTimer().isActive());
    });
}

QTEST_MAIN(TstStatusOverview)
#include "tst_statusoverview.moc"
