// The power-stage status dialog against the simulated bus: the measures with their bars and
// scales, the state lamps, what each device type shows, the FPGA version, the locked test
// buttons of a DRQ+, the four test functions opened from a KEV page, and a stage that stops
// answering while the dialog polls.
#include "controls/busyblocks/cbusyblocksctrl.h"
#include "pages/cstagestatus.h"
#include "pages/cstatusendstufe.h"
#include "tests/pages/pagerig.h"

#include <QPointer>
#include <QPushButton>

namespace {

using Status = CStageStatus;
using Dlg = CStatusEndstufe;

const QString kTimeout = QStringLiteral("Schnittstelle TIMEOUT!");

// A stage of `type` at address 5 beside the rig's KEV.
void AddStage(Rig& rig, const QByteArray& type, const QMap<QByteArray, QByteArray>& readings = {})
{
    rig.bus.AddAxis(5, type);
    rig.bus.WithAxis(5, [&](SimAxis& a) { a.readings.insert(readings); });
}

// Sets the dialog up for `address` and runs it through a script that only returns: the
// dialog stays as its set-up and first poll left it.
int SetUp(Rig& rig, Dlg& dialog, const QString& address, DeviceType type, float firmware = 0.0f)
{
    dialog.m_address = address;
    dialog.m_deviceType = type;
    dialog.m_firmware = firmware;
    rig.bus.ClearLog();
    rig.app().ModalRunner().SetScript([](QDialog&) { return int(QDialog::Accepted); });
    return dialog.DoModal([&rig](QDialog& d) { return rig.app().RunModal(d); });
}

// The dialog the page's status button opens, handed to `check` while it runs.
void OpenFromPage(CTarnlinkView* view, Rig& rig, const std::function<void(Dlg&)>& check)
{
    rig.app().ModalRunner().SetScript([&](QDialog& dialog) {
        QPointer<Dlg> status = qobject_cast<Dlg*>(&dialog);
        if (!status)
            return int(QDialog::Rejected);
        check(*status);
        return status ? status->result() : int(QDialog::Rejected);
    });
    QTest::mouseClick(Control<QAbstractButton>(view, Ids::kStatusButton), Qt::LeftButton);
}

} // namespace

class TstStatusEndstufe : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void measures_data();
    void measures();
    void scales_data();
    void scales();
    void stateLamps_data();
    void stateLamps();
    void layoutByType_data();
    void layoutByType();
    void fpgaVersion_data();
    void fpgaVersion();
    void lockedStage();
    void testFunctions();
    void stageStopsAnswering_data();
    void stageStopsAnswering();
    void pageClosedUnderDialog();
};

void TstStatusEndstufe::initTestCase()
{
    qputenv("TARNLINK_CAN", "nosuchplugin:can9");
}

void TstStatusEndstufe::measures_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("position");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("edit");
    QTest::addColumn<QString>("text");

    const int v = Dlg::kVoltageBar;
    const int t = Dlg::kTemperatureBar;
    QTest::newRow("52.0 V") << QByteArray("V") << QByteArray("520") << v << 52 << Dlg::kGreen
                            << int(Dlg::kVoltageEdit) << "52.0 V";
    QTest::newRow("low voltage") << QByteArray("V") << QByteArray("250") << v << 25 << Dlg::kYellow
                                 << int(Dlg::kVoltageEdit) << "25.0 V";
    QTest::newRow("high voltage") << QByteArray("V") << QByteArray("780") << v << 78 << Dlg::kYellow
                                  << int(Dlg::kVoltageEdit) << "78.0 V";
    QTest::newRow("too high voltage") << QByteArray("V") << QByteArray("850") << v << 85
                                      << Dlg::kRed << int(Dlg::kVoltageEdit) << "85.0 V";
    QTest::newRow("warm") << QByteArray("D") << QByteArray("655") << t << 65 << Dlg::kYellow
                          << int(Dlg::kTemperatureEdit) << "65.5 °C";
    QTest::newRow("hot") << QByteArray("D") << QByteArray("800") << t << 80 << Dlg::kRed
                         << int(Dlg::kTemperatureEdit) << "80.0 °C";
    QTest::newRow("cold stage") << QByteArray("D") << QByteArray("-50") << t << -5 << Dlg::kGreen
                                << int(Dlg::kTemperatureEdit) << "-5.0 °C";
    QTest::newRow("current") << QByteArray("I") << QByteArray("27") << int(Dlg::kCurrentBar) << 27
                             << Dlg::kGreen << int(Dlg::kCurrentEdit) << "2.7 A";
}

void TstStatusEndstufe::measures()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, raw);
    QFETCH(int, bar);
    QFETCH(int, position);
    QFETCH(QColor, colour);
    QFETCH(int, edit);
    QFETCH(QString, text);
    Rig rig;
    rig.bus.WithAxis(3, [&](SimAxis& a) { a.readings[command] = raw; });
    Dlg dialog(rig.app());
    QCOMPARE(SetUp(rig, dialog, QStringLiteral("3"), kKev), int(QDialog::Accepted));
    CBusyBlocksCtrl* shown = dialog.Bar(bar);
    QCOMPARE(shown->Position(), position);
    QCOMPARE(shown->HighlightFillColour(), colour);
    QCOMPARE(dialog.Edit(edit)->text(), text);
    QVERIFY(rig.t.messages.isEmpty());
    // The bar shows the level; a cold stage shows an empty bar, not a full one.
    shown->resize(shown->BlockCount() * 21, 16);
    const QImage pixels = shown->grab().toImage();
    QCOMPARE(pixels.pixelColor(shown->BlockRect(0).center()) == colour, position > 0);
}

void TstStatusEndstufe::scales_data()
{
    QTest::addColumn<QByteArray>("scale"); // the value behind "ds"
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");

    QTest::newRow("20 steps a degree") << QByteArray("20") << "17.5 °C" << 17;
    QTest::newRow("-1: the default") << QByteArray("-1") << "35.0 °C" << 35;
    QTest::newRow("0") << QByteArray("0") << "N/A" << 0;
    QTest::newRow("empty") << QByteArray() << "N/A" << 0;
    QTest::newRow("negative") << QByteArray("-5") << "N/A" << 0;
    QTest::newRow("no number") << QByteArray("x") << "N/A" << 0;
}

void TstStatusEndstufe::scales()
{
    QFETCH(QByteArray, scale);
    QFETCH(QString, text);
    QFETCH(int, position);
    Rig rig;
    AddStage(rig, "HWK", {{"DS?", scale}, {"D", "350"}});
    Dlg dialog(rig.app());
    QCOMPARE(SetUp(rig, dialog, QStringLiteral("5"), kHwk), int(QDialog::Accepted));
    QCOMPARE(dialog.Edit(Dlg::kTemperatureEdit)->text(), text);
    QCOMPARE(dialog.Bar(Dlg::kTemperatureBar)->Position(), position);
    // The other measures keep their own scales.
    QCOMPARE(dialog.Edit(Dlg::kVoltageEdit)->text(), QStringLiteral("24.0 V"));
    QVERIFY(dialog.PollTimer().isActive());
    QStringList expected = {"B?", "DS?", "VS?", "IS?", "V", "I", "D", "PO", "PE", "Q", "FH"};
    QCOMPARE(rig.Commands(), expected);
}

void TstStatusEndstufe::stateLamps_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<float>("firmware");
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<QList<int>>("lamps"); // ready, undervoltage, overtemperature, short

    QTest::newRow("ready") << kKev << 0.0f << QByteArray("0") << QList<int>{165, 168, 168, 168};
    QTest::newRow("undervoltage") << kKev << 0.0f << QByteArray("1")
                                  << QList<int>{164, 169, 168, 168};
    QTest::newRow("overtemperature only")
        << kKev << 0.0f << QByteArray("2") << QList<int>{164, 168, 169, 168};
    QTest::newRow("short circuit")
        << kKev << 0.0f << QByteArray("3") << QList<int>{164, 168, 168, 169};
    QTest::newRow("unknown state")
        << kKev << 0.0f << QByteArray("7") << QList<int>{164, 168, 168, 168};
    QTest::newRow("new LQN short circuit")
        << kLqn << 1.1f << QByteArray("3") << QList<int>{164, 168, 169, 169};
    QTest::newRow("new LQN overtemperature")
        << kLqn << 1.1f << QByteArray("2") << QList<int>{164, 168, 168, 168};
    QTest::newRow("old LQN overtemperature")
        << kLqn << 1.0f << QByteArray("2") << QList<int>{164, 168, 169, 168};
}

void TstStatusEndstufe::stateLamps()
{
    QFETCH(DeviceType, type);
    QFETCH(float, firmware);
    QFETCH(QByteArray, state);
    QFETCH(QList<int>, lamps);
    Rig rig;
    AddStage(rig, type == kKev ? "KEV" : "LQN", {{"Q", state}});
    Dlg dialog(rig.app());
    QCOMPARE(SetUp(rig, dialog, QStringLiteral("5"), type, firmware), int(QDialog::Accepted));
    QList<int> shown;
    for (int id = Dlg::kReadyLamp; id <= Dlg::kShortCircuitLamp; ++id)
        shown.append(dialog.LampImage(id));
    QCOMPARE(shown, lamps);
}

void TstStatusEndstufe::layoutByType_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("firmware");
    QTest::addColumn<QList<int>>("hidden");
    QTest::addColumn<QList<int>>("disabled");
    QTest::addColumn<QStringList>("poll"); // after the set-up's reads

    const QList<int> none;
    const QList<int> current = {1064, 1067, 1075};
    const QList<int> measures = {1062, 1063, 1064, 1065, 1066, 1067, 1073};
    const QStringList measured = {"D", "V", "Q", "FH"};
    QTest::newRow("KEV") << QByteArray("KEV") << 0 << 0.0f << none << none
                         << QStringList{"V", "I", "D", "PO", "PE", "Q", "FH"};
    QTest::newRow("old LQN") << QByteArray("LQN") << 1 << 1.0f << current << none << measured;
    QTest::newRow("new LQN") << QByteArray("LQN") << 1 << 1.5f << measures << none
                             << QStringList{"Q", "FH"};
    QTest::newRow("HWT") << QByteArray("HWT") << 2 << 0.0f << measures << none
                         << QStringList{"Q", "FH"};
    QTest::newRow("HWK") << QByteArray("HWK") << 3 << 0.0f << none << none
                         << QStringList{"V", "I", "D", "PO", "PE", "Q", "FH"};
    QTest::newRow("HVR") << QByteArray("HVR") << 4 << 0.0f << current << none << measured;
    QTest::newRow("DRQ+") << QByteArray("DRQ+") << 5 << 0.0f << current << none
                          << QStringList{"D", "V", "Q", "PS?", "FH"};
    QTest::newRow("UQT") << QByteArray("UQT") << 6 << 0.0f << QList<int>{1063, 1064, 1066, 1074}
                         << QList<int>{1070} << QStringList{"D", "Q", "FH"};
    QTest::newRow("DRQ2+") << QByteArray("DRQ2+") << 7 << 0.0f << QList<int>{1063, 1064, 1066, 1074}
                           << QList<int>{1070} << measured;
    QTest::newRow("VNE+") << QByteArray("VNE+") << 8 << 0.0f
                          << measures + QList<int>{1070, 1082, 1083, 1274, 1275} << none
                          << QStringList{"Q", "FH"};
}

void TstStatusEndstufe::layoutByType()
{
    QFETCH(QByteArray, type);
    QFETCH(int, index);
    QFETCH(float, firmware);
    QFETCH(QList<int>, hidden);
    QFETCH(QList<int>, disabled);
    QFETCH(QStringList, poll);
    Rig rig;
    AddStage(rig, type);
    Dlg dialog(rig.app());
    QCOMPARE(SetUp(rig, dialog, QStringLiteral("5"), *CDeviceType::FromInt(index), firmware),
             int(QDialog::Accepted));
    QVERIFY(rig.t.messages.isEmpty());
    for (int id = 1016; id <= 1275; ++id) {
        QWidget* control = CControlIds::Find(&dialog, id);
        if (!control)
            continue;
        QVERIFY2(control->isHidden() == hidden.contains(id), qPrintable(QString::number(id)));
        QVERIFY2(control->isEnabled() != disabled.contains(id), qPrintable(QString::number(id)));
    }
    QCOMPARE(rig.Commands().mid(rig.Commands().size() - poll.size()), poll);
    // The dialog closes up around what it hides.
    Dlg full(rig.app());
    QCOMPARE(SetUp(rig, full, QStringLiteral("3"), kKev), int(QDialog::Accepted));
    if (!hidden.isEmpty())
        QVERIFY(dialog.height() < full.height());
}

void TstStatusEndstufe::fpgaVersion_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("value"); // behind "bf"
    QTest::addColumn<QString>("shown");

    QTest::newRow("DRQ+") << QByteArray("DRQ+") << 5 << QByteArray("FPGA0a03") << "fFPGA10.03";
    QTest::newRow("DRQ+ short") << QByteArray("DRQ+") << 5 << QByteArray("12") << "N/A";
    QTest::newRow("DRQ+ empty") << QByteArray("DRQ+") << 5 << QByteArray() << "N/A";
    QTest::newRow("UQT") << QByteArray("UQT") << 6 << QByteArray("V 1.3") << "V 1.3";
    QTest::newRow("UQT empty") << QByteArray("UQT") << 6 << QByteArray() << "N/A";
    QTest::newRow("VNE+") << QByteArray("VNE+") << 8 << QByteArray("2.07") << "2.07";
    QTest::newRow("KEV: not asked") << QByteArray("KEV") << 0 << QByteArray("9.99") << "N/A";
}

void TstStatusEndstufe::fpgaVersion()
{
    QFETCH(QByteArray, type);
    QFETCH(int, index);
    QFETCH(QByteArray, value);
    QFETCH(QString, shown);
    Rig rig;
    AddStage(rig, type, {{"BF?", value}});
    rig.bus.WithAxis(5, [](SimAxis& a) { a.versionText = "Typ 1.23"; });
    Dlg dialog(rig.app());
    QCOMPARE(SetUp(rig, dialog, QStringLiteral("5"), *CDeviceType::FromInt(index)),
             int(QDialog::Accepted));
    QCOMPARE(dialog.Edit(Dlg::kSoftwareEdit)->text(), QStringLiteral("Typ 1.23"));
    QCOMPARE(dialog.Edit(Dlg::kFpgaEdit)->text(), shown);
}

void TstStatusEndstufe::lockedStage()
{
    Rig rig;
    AddStage(rig, "DRQ+");
    rig.bus.WithAxis(5, [](SimAxis& a) { a.params["PS"] = 0; });
    Dlg dialog(rig.app());
    QCOMPARE(SetUp(rig, dialog, QStringLiteral("5"), DeviceType::DrqPlus), int(QDialog::Accepted));
    const int buttons[] = {Dlg::kTurnPlusButton, Dlg::kTurnMinusButton, Dlg::kSetHomeButton,
                           Dlg::kResetButton};
    for (int id : buttons)
        QVERIFY(!CControlIds::Find(&dialog, id)->isEnabled());
    rig.bus.WithAxis(5, [](SimAxis& a) { a.params["PS"] = 1; });
    QVERIFY(dialog.RefreshStatus());
    for (int id : buttons)
        QVERIFY(CControlIds::Find(&dialog, id)->isEnabled());
}

void TstStatusEndstufe::testFunctions()
{
    Rig rig;
    CTarnlinkView* view = rig.OpenOnline();
    QVERIFY(view);
    QVERIFY(view->StatusTimer().isActive());
    // Each answered later than a plain command may take.
    rig.line.SetCommandDelay("Z+", 1500);
    rig.line.SetCommandDelay("C", 1500);
    rig.bus.ClearLog();
    bool reset = false;
    OpenFromPage(view, rig, [&](Dlg& dialog) {
        QVERIFY(dialog.PollTimer().isActive());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Endstufenstatus und Testfunktionen"));
        rig.bus.ClearLog();
        for (int id : {Dlg::kTurnPlusButton, Dlg::kTurnMinusButton, Dlg::kSetHomeButton}) {
            QTest::mouseClick(CControlIds::Find<QPushButton>(&dialog, id), Qt::LeftButton);
            QCOMPARE(rig.t.port().ReplyTimeout(), CBusPort::kDefaultTimeout);
            QVERIFY(dialog.PollTimer().isActive());
            QVERIFY(rig.frame->StatusTimer().isActive());
        }
        const QStringList tests = {"Z+", "Z-", "J", "C"};
        const auto isTest = [&tests](const QString& c) { return tests.contains(c); };
        QStringList sent = rig.Commands();
        sent.removeIf([&](const QString& c) { return !isTest(c); });
        QCOMPARE(sent, (QStringList{"Z+", "Z-", "J"}));
        QTest::mouseClick(CControlIds::Find<QPushButton>(&dialog, Dlg::kResetButton),
                          Qt::LeftButton);
        reset = dialog.m_reset;
        dialog.accept();
    });
    QVERIFY(reset);
    QCOMPARE(rig.t.messages, QStringList{});
    // After the reset the page reads every parameter again; its poll stays off.
    const QStringList commands = rig.Commands();
    const QStringList reread = kKevReads + QStringList{"XP0"};
    QVERIFY(commands.contains(QStringLiteral("C")));
    QCOMPARE(commands.mid(commands.size() - reread.size()), reread);
    QVERIFY(!view->StatusTimer().isActive());
}

void TstStatusEndstufe::stageStopsAnswering_data()
{
    QTest::addColumn<bool>("checksum");
    QTest::addColumn<QString>("message");
    QTest::newRow("silent") << false << kTimeout;
    QTest::newRow("wrong checksum") << true << QStringLiteral("Wrong Checksum!");
}

void TstStatusEndstufe::stageStopsAnswering()
{
    QFETCH(bool, checksum);
    QFETCH(QString, message);
    Rig rig;
    CTarnlinkView* view = rig.OpenOnline();
    QVERIFY(view);
    rig.t.port().SetChecksum(checksum);
    // The box stays open a while, as a user reads it: its event loop keeps running.
    rig.app().MessageBoxes().SetResponder([&](const MessageBoxRequest& request) {
        rig.t.messages.append(request.text);
        QTest::qWait(1200);
        return int(IdOk);
    });
    QPointer<Dlg> opened;
    qsizetype pollsBefore = 0;
    OpenFromPage(view, rig, [&](Dlg& dialog) {
        opened = &dialog;
        dialog.show();
        QTRY_VERIFY(rig.Commands().count(QStringLiteral("FH")) >= 2);
        pollsBefore = rig.Commands().count(QStringLiteral("V"));
        if (checksum)
            rig.line.SetChecksumFault(SimSerialLine::ChecksumFault::Wrong);
        else
            rig.line.SetSilent(true);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 20000);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.PollTimer().isActive());
        QTest::qWait(1200);
    });
    QVERIFY(!opened);
    QCOMPARE(rig.t.messages, QStringList{message});
    // One poll met the silent stage; no other began while its message was open.
    QCOMPARE(rig.Commands().count(QStringLiteral("V")), pollsBefore + 1);

    // A stage that does not answer at all: the dialog does not open.
    rig.t.messages.clear();
    rig.line.SetChecksumFault(SimSerialLine::ChecksumFault::None);
    rig.line.SetSilent(true);
    rig.app().MessageBoxes().SetResponder([&](const MessageBoxRequest& request) {
        rig.t.messages.append(request.text);
        return int(IdOk);
    });
    bool shown = false;
    OpenFromPage(view, rig, [&](Dlg&) { shown = true; });
    QVERIFY(!shown);
    QCOMPARE(rig.t.messages, QStringList{kTimeout});
}

void TstStatusEndstufe::pageClosedUnderDialog()
{
    Rig rig;
    QPointer<CTarnlinkView> view = rig.OpenOnline();
    QVERIFY(view);
    QPointer<QMdiSubWindow> window = rig.frame->MdiArea()->activeSubWindow();
    // The main frame closes the page's window while the dialog is open: the dialog ends,
    // the page waits for it to return and reads nothing after the reset.
    OpenFromPage(view, rig, [&](Dlg& dialog) {
        QTest::mouseClick(CControlIds::Find<QPushButton>(&dialog, Dlg::kResetButton),
                          Qt::LeftButton);
        CloseAndDelete(window);
        QVERIFY(view);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.PollTimer().isActive());
        rig.bus.ClearLog();
    });
    QVERIFY(rig.Commands().isEmpty());
    QTRY_VERIFY(!window);
    QVERIFY(!view);
    QVERIFY(rig.frame->ChildFrames().isEmpty());
}

QTEST_MAIN(TstStatusEndstufe)
#include "tst_statusendstufe.moc"
