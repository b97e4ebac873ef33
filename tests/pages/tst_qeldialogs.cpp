// The temperature module's dialogs beside a KEV against the simulated bus: its settings read
// from and written to the module online, kept in the page's strings and file offline, and
// nothing written that was not read; its status with the temperature bars, inputs, outputs
// and limit lamps, polled on after a wrong checksum and no more after a time-out or with the
// port gone.
#include "controls/busyblocks/cbusyblocksctrl.h"
#include "pages/cdlgsettingsqel.h"
#include "pages/cdlgstatqel.h"
#include "tests/pages/pagerig.h"

#include <QComboBox>
#include <QPointer>
#include <QSpinBox>
#include <QTemporaryDir>

namespace {

using Settings = CDlgSettingsQEL;
using Stat = CDlgStatQEL;

// Runs `dialog` for the KEV at address 3 through a script that hands it to `act`.
template <typename Dialog>
int RunOn(Rig& rig, Dialog& dialog, const std::function<void(Dialog&)>& act)
{
    dialog.m_address = QStringLiteral("3");
    rig.bus.ClearLog();
    rig.app().ModalRunner().SetScript([&](QDialog& shown) {
        QPointer<Dialog> held = qobject_cast<Dialog*>(&shown);
        if (held)
            act(*held);
        return held ? held->result() : int(QDialog::Rejected);
    });
    return dialog.DoModal([&rig](QDialog& d) { return rig.app().RunModal(d); });
}

QStringList Writes(const Rig& rig)
{
    return rig.Commands().filter(QRegularExpression(QStringLiteral("^X[WXYZFT]-?\\d")));
}

} // namespace

class TstQelDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("TARNLINK_CAN", "nosuchplugin:can9"); }
    void settingsOnline();
    void settingsNotRead_data();
    void settingsNotRead();
    void settingsOffline();
    void statusTemperatures_data();
    void statusTemperatures();
    void statusLamps();
    void statusPollingEnds_data();
    void statusPollingEnds();
};

void TstQelDialogs::settingsOnline()
{
    Rig rig;
    rig.SetOn(3, {{"XW", 1}, {"XX", -20}, {"XY", 80}, {"XZ", 250}, {"XF", 2}, {"XT", 45}});
    Settings dialog(rig.app());
    const int result = RunOn<Settings>(rig, dialog, [&](Settings& d) {
        QCOMPARE(rig.Commands(), (QStringList{"XW", "XX", "XY", "XZ", "XF", "XT"}));
        QCOMPARE(d.Combo(Settings::kThermocoupleCombo)->currentIndex(), 1);
        QCOMPARE(d.Edit(Settings::kLimit1Edit)->text(), QStringLiteral("-20 °C"));
        QCOMPARE(d.Combo(Settings::kLedLimitCombo)->currentIndex(), 2);
        QCOMPARE(d.Edit(Settings::kHeatTimeEdit)->text(), QStringLiteral("45 min"));
        QCOMPARE(d.Spin(Settings::kHeatTimeSpin)->minimum(), 5);
        QCOMPARE(d.Spin(Settings::kHeatTimeSpin)->maximum(), 300);
        d.Spin(Settings::kLimit2Spin)->stepUp();
        QCOMPARE(d.Edit(Settings::kLimit2Edit)->text(), QStringLiteral("81 °C"));
        rig.bus.ClearLog();
        d.OnOK();
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(Writes(rig), (QStringList{"XW1", "XX-20", "XY81", "XZ250", "XF2", "XT45"}));
    rig.bus.WithAxis(3, [](SimAxis& a) { QCOMPARE(a.params.value("XY"), 81); });
}

void TstQelDialogs::settingsNotRead_data()
{
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QStringList>("written");
    // The thermocouple the module reports (5) is none the list has; the rest was read.
    QTest::newRow("value outside the list")
        << false << QStringList{"XX100", "XY150", "XZ200", "XF1", "XT10"};
    QTest::newRow("module silent") << true << QStringList{};
}

void TstQelDialogs::settingsNotRead()
{
    QFETCH(bool, silent);
    QFETCH(QStringList, written);
    Rig rig;
    rig.SetOn(3, "XW", 5);
    rig.line.SetSilent(silent);
    Settings dialog(rig.app());
    RunOn<Settings>(rig, dialog, [&](Settings& d) {
        rig.line.SetSilent(false);
        rig.bus.ClearLog();
        d.OnOK();
    });
    QCOMPARE(Writes(rig), written);
    rig.bus.WithAxis(3, [](SimAxis& a) { QCOMPARE(a.params.value("XW"), 5); });
}

void TstQelDialogs::settingsOffline()
{
    Rig rig;
    QPointer<CTarnlinkView> view = rig.OpenNew(kKev, QStringLiteral("04"));
    QVERIFY(view);
    // A new page starts with the module's default settings, as a file without module lines.
    QCOMPARE(view->m_qelSettings[1], QStringLiteral("xx100"));
    QCOMPARE(view->m_qelSettings[5], QStringLiteral("xt10"));
    QTest::mouseClick(Control<QAbstractButton>(view, Ids::kQelSwitch), Qt::LeftButton);
    QVERIFY(Control<QAbstractButton>(view, Ids::kQelSettingsButton)->isEnabled());
    rig.bus.ClearLog();
    rig.app().ModalRunner().SetScript([&](QDialog& shown) {
        auto* d = qobject_cast<Settings*>(&shown);
        if (!d)
            return int(QDialog::Rejected);
        [&] { QCOMPARE(d->Edit(Settings::kLimit1Edit)->text(), QStringLiteral("100 °C")); }();
        d->Spin(Settings::kHeatTimeSpin)->stepUp();
        d->OnOK();
        return d->result();
    });
    QTest::mouseClick(Control<QAbstractButton>(view, Ids::kQelSettingsButton), Qt::LeftButton);
    QCOMPARE(rig.Commands(), QStringList{});
    QCOMPARE(view->m_qelSettings[5], QStringLiteral("xt11"));
    QCOMPARE(view->m_qelSettings[0], QStringLiteral("xw0"));
    QVERIFY(view->GetDocument()->IsModified());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.sdf"));
    QVERIFY(view->GetDocument()->DoSave(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    QVERIFY(saved.contains("[xt11]"));
    QVERIFY(saved.contains("[xx100]"));
}

void TstQelDialogs::statusTemperatures_data()
{
    QTest::addColumn<int>("tenths");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("lowest") << -2000 << 0 << "-200.0 °C" << QColor(0, 0, 255);
    QTest::newRow("highest") << 3000 << 5000 << "300.0 °C" << QColor(255, 0, 0);
    QTest::newRow("room") << 215 << 2215 << "21.5 °C" << QColor(0, 255, 0);
    QTest::newRow("open sensor") << -9999 << 0 << "-999.9 °C" << QColor(0, 0, 255);
    QTest::newRow("beyond the top") << 3500 << 5000 << "350.0 °C" << QColor(255, 0, 0);
}

void TstQelDialogs::statusTemperatures()
{
    QFETCH(int, tenths);
    QFETCH(int, position);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    Rig rig;
    rig.SetOn(3, {{"XM", tenths}, {"XR", 230}});
    Stat dialog(rig.app());
    RunOn<Stat>(rig, dialog, [&](Stat& d) {
        QVERIFY(d.PollTimer().isActive());
        QCOMPARE(d.Bar(Stat::kMotorBar)->Position(), position);
        QCOMPARE(d.Bar(Stat::kMotorBar)->BlockFillColour(), colour);
        QCOMPARE(d.Edit(Stat::kMotorEdit)->text(), text);
        QCOMPARE(d.Bar(Stat::kReferenceBar)->Position(), 2230);
        d.accept();
    });
    QVERIFY(!dialog.PollTimer().isActive());
}

void TstQelDialogs::statusLamps()
{
    Rig rig;
    rig.SetOn(3, {{"XE", 2}, {"XO", 5}});
    // Limits 1 and 3 reached: bits 8 and 10 of the stage's status word.
    rig.bus.WithAxis(3, [](SimAxis& a) { a.status = 0x500; });
    Stat dialog(rig.app());
    RunOn<Stat>(rig, dialog, [&](Stat& d) {
        QCOMPARE(rig.Commands(), (QStringList{"XB", "XM", "XR", "XE", "XO", "F"}));
        const QList<bool> expected = {false, true, true, false, true, true, false, true};
        for (int led = 0; led < Stat::kLedCount; ++led)
            QCOMPARE(d.LedState(Stat::Led(led)), expected[led]);
        QCOMPARE(d.LedPicture(Stat::Input1), int(Stat::ImageGrey));
        QCOMPARE(d.LedPicture(Stat::Output1), int(Stat::ImageGreen));
        QCOMPARE(d.LedPicture(Stat::Limit1), int(Stat::ImageRed));
        QCOMPARE(d.LedPicture(Stat::Limit2), int(Stat::ImageGreen));
        d.accept();
    });
}

void TstQelDialogs::statusPollingEnds_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("pollsOn");
    QTest::newRow("wrong checksum: polls on") << "checksum" << true;
    QTest::newRow("time-out: stops") << "time-out" << false;
    QTest::newRow("port gone: stops") << "port gone" << false;
}

void TstQelDialogs::statusPollingEnds()
{
    QFETCH(QString, fault);
    QFETCH(bool, pollsOn);
    Rig rig;
    rig.t.port().SetChecksum(true);
    rig.t.port().SetLastingTimeout(200);
    Stat dialog(rig.app());
    RunOn<Stat>(rig, dialog, [&](Stat& d) {
        if (fault == QLatin1String("checksum"))
            rig.line.SetChecksumFault(SimSerialLine::ChecksumFault::Wrong);
        else if (fault == QLatin1String("time-out"))
            rig.line.SetSilent(true);
        else
            rig.line.Stop();
        d.OnTimer();
        QCOMPARE(d.PollTimer().isActive(), pollsOn);
        // The line mended: a dialog that polls on reads the module again, one that stopped
        // asks nothing more.
        rig.line.SetSilent(false);
        rig.line.SetChecksumFault(SimSerialLine::ChecksumFault::None);
        rig.t.port().SetLastingTimeout(CBusPort::kDefaultTimeout);
        rig.bus.ClearLog();
        d.OnTimer();
        QCOMPARE(rig.Commands().size(), pollsOn ? 6 : 0);
        QCOMPARE(d.PollTimer().isActive(), pollsOn);
        d.accept();
    });
}

QTEST_MAIN(TstQelDialogs)
#include "tst_qeldialogs.moc"
