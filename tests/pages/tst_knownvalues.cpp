// What a page knows, for every device type: a value it never read from its stage, loaded
// from its file or its type's defaults, or got from its user shows nothing, is saved as -1
// and is left out of a transmission; values outside a list or table count as unknown, from
// a stage and from a file, while a slider or spin holds a value beyond its range at the
// nearest end; a list change marks the page changed only when the type keeps or writes it.
#include "tests/pages/pagerig.h"

#include <QPointer>
#include <QRegularExpression>

namespace {

constexpr int kAddress = 6;

QByteArray FileOf(const QByteArray& type, const QByteArray& lines)
{
    return "Tarnlink parameter file of 09.12.26 - 07:30\r\n" + QByteArray(74, '-') +
           "\r\n\r\nAddress\t\t\t\t[06]\r\nController version and type:\t[b" + type +
           "]\r\nAxis name:\t\t\t[pn]\r\n\r\n" + lines;
}

QString WriteFile(const QTemporaryDir& dir, const QByteArray& content)
{
    const QString path = dir.filePath(QStringLiteral("axis.sdf"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
    return path;
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TstKnownValues : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fileTransmitsWhatItHolds_data();
    void fileTransmitsWhatItHolds();
    void unknownsSurviveASave();
    void outOfRangeFromStage_data();
    void outOfRangeFromStage();
    void beyondRangeFromStageIsClipped_data();
    void beyondRangeFromStageIsClipped();
    void spinAtItsEndSendsOnRelease_data();
    void spinAtItsEndSendsOnRelease();
    void unreadPageWritesNothing();
    void modifiedOnlyWhenKept_data();
    void modifiedOnlyWhenKept();
};

void TstKnownValues::initTestCase()
{
    qputenv("TARNLINK_CAN", "nosuchplugin:can9");
}

void TstKnownValues::fileTransmitsWhatItHolds_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QStringList>("shown"); // the delay and the current texts

    const QByteArray common = "Stop current:\t\t\t[s35]\r\nRun current:\t\t\t[r150]\r\n"
                              "Boost current:\t\t\t[a350]\r\nStep resolution:\t\t[m2]\r\n"
                              "Pref. motor direction:\t\t[g0]\r\n"
                              "Current delay time:\t\t[t150]\r\nActivation:\t\t\t[u1]\r\n";
    // No overdrive-frequency line and no change by the user: no "K" (nor a name, an
    // overdrive, a chopper frequency or an input logic the file never held).
    QTest::newRow("UQT without its frequency")
        << kUqt << common << QStringList{"S35", "R150", "A350", "M2", "G0", "T150", "U1"}
        << QStringList{"150 ms", "0.35 A"};
    // A KEV file has no input-logic line: the stage keeps its own.
    QTest::newRow("KEV without input logic")
        << kKev
        << QByteArray("Stop current:\t\t\t[s2]\r\nInput function:\t\t\t[h1]\r\n"
                      "\r\nTemperaturmodul:\t\t[xp0]\r\n")
        << QStringList{"S2", "H1", "XP0"} << QStringList{"", "0.2 A"};
    QTest::newRow("HWK with two lines")
        << kHwk << QByteArray("Stop current:\t\t\t[s5]\r\nStep resolution:\t\t[m2]\r\n")
        << QStringList{"S5", "M2"} << QStringList{"", "0.5 A"};
    // Values outside the controls' tables are no values; a current beyond the slider is
    // its highest.
    QTest::newRow("HWT out of its tables")
        << kHwt
        << QByteArray("Stop current:\t\t\t[s99]\r\nStep resolution:\t\t[m13]\r\n"
                      "Current delay time:\t\t[t99]\r\nInput function:\t\t\t[pc-1]\r\n"
                      "Pref. motor direction:\t\t[g1]\r\n")
        << QStringList{"S63", "G1"} << QStringList{"", "6.3 A"};
    QTest::newRow("HWT delay -1") << kHwt << QByteArray("Current delay time:\t\t[t-1]\r\n")
                                  << QStringList{} << QStringList{"", ""};
    // Its highest position, not its low sixteen bits, which would read as 12.
    QTest::newRow("HWK delay 65548") << kHwk << QByteArray("Current delay time:\t\t[t65548]\r\n")
                                     << QStringList{"T1000"} << QStringList{"1000 ms", ""};
    QTest::newRow("HVR display menus and levels out of range")
        << kHvr
        << QByteArray("Display Type 1:\t\t\t[pl5]\r\nDisplay Type 2:\t\t\t[pm4]\r\n"
                      "Logic --> Takt\t\t\t[lt2]\r\nLogic --> Reset\t\t\t[lr1]\r\n")
        << QStringList{"PM4", "LR1"} << QStringList{"", ""};
    QTest::newRow("LQN chopper frequency out of its list")
        << kLqn << QByteArray("Output function:\t\t[pe3]\r\nInput function:\t\t\t[pc0]\r\n")
        << QStringList{"PC0"} << QStringList{"", ""};
}

void TstKnownValues::fileTransmitsWhatItHolds()
{
    QFETCH(DeviceType, type);
    QFETCH(QByteArray, lines);
    QFETCH(QStringList, sent);
    QFETCH(QStringList, shown);
    Rig rig;
    rig.bus.AddAxis(kAddress, SimName(type));
    rig.SetOn(kAddress, "L", 1);
    rig.AddItem(kAddress, type, QStringLiteral("[06] Achse"), CMainFrame::ImageGreen);
    QTemporaryDir dir;
    QVERIFY(rig.app().OpenDocumentFile(WriteFile(dir, FileOf(SimName(type), lines))));
    QPointer<CTarnlinkView> page = rig.ActiveView();
    QVERIFY(page);
    QCOMPARE(page->DeviceType(), type);
    QCOMPARE(Control<QLineEdit>(page, Ids::kDelayText)->text(), shown[0]);
    QCOMPARE(Control<QLineEdit>(page, Ids::kCurrentTexts[0])->text(), shown[1]);
    rig.bus.ClearLog();

    QVERIFY(page->OnBnClickedTransmit());
    QCOMPARE(rig.Commands(), sent);
    int logic = -1;
    rig.bus.WithAxis(kAddress, [&logic](SimAxis& a) { logic = a.params["L"]; });
    QCOMPARE(logic, 1);
    // Each file leaves values out, which the page names in one box.
    QCOMPARE(rig.t.messages.size(), 1);
    QVERIFY(rig.t.messages.first().startsWith(QStringLiteral("Achse 6: Daten übertragen, ")));
}

void TstKnownValues::unknownsSurviveASave()
{
    Rig rig;
    rig.app().SetUiLanguage(UiLanguage::English);
    QTemporaryDir dir;
    const QString path =
        WriteFile(dir, FileOf("HWK", "Stop current:\t\t\t[s5]\r\nOperation mode:\t\t\t[px1]\r\n"));
    QVERIFY(rig.app().OpenDocumentFile(path));
    QPointer<CTarnlinkView> page = rig.ActiveView();
    QVERIFY(page);
    QVERIFY(page->GetDocument()->DoSave(path));
    const QByteArray saved = ReadFile(path);
    for (const char* line : {"[pn]", "[s5]", "[r-1]", "[a-1]", "[m-1]", "[t-1]", "[pl-1]",
                             "[pm-1]", "[po-1]", "[lt-1]", "[lx-1]", "[px1]"})
        QVERIFY2(saved.contains(line), line);
    CloseAndDelete(rig.frame->MdiArea()->activeSubWindow());
    QVERIFY(!page);

    // Read again, the file still holds only what it held.
    rig.AddItem(kAddress, kHwk, QStringLiteral("[06] Achse"), CMainFrame::ImageGreen);
    rig.bus.AddAxis(kAddress, "HWK");
    QVERIFY(rig.app().OpenDocumentFile(path));
    page = rig.ActiveView();
    QVERIFY(page);
    rig.bus.ClearLog();
    QVERIFY(page->OnBnClickedTransmit());
    QCOMPARE(rig.Commands(), (QStringList{"S5", "PX1"}));
}

void TstKnownValues::outOfRangeFromStage_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<StageValues>("stage");
    QTest::addColumn<int>("control");
    QTest::addColumn<QString>("left"); // the write that the transmission leaves out
    QTest::newRow("HWT delay step 99") << kHwt << StageValues{{"T", 99}} << int(Ids::kDelayText)
                                       << "T";
    QTest::newRow("HWT delay step -1") << kHwt << StageValues{{"T", -1}}
                                       << int(Ids::kDelayText) << "T";
    QTest::newRow("HWK step resolution 20")
        << kHwk << StageValues{{"M", 20}} << int(Ids::kStepCombo) << "M";
    QTest::newRow("HWK display menu 7")
        << kHwk << StageValues{{"PL", 7}} << int(Ids::kInputFunctionCombo) << "PL";
    QTest::newRow("LQN chopper frequency 5") << kLqn << StageValues{{"PE", 5}}
                                             << int(Ids::kOutputFunctionCombo) << "PE";
    // No control shows it: the level itself is unknown.
    QTest::newRow("HVR clock level 3") << kHvr << StageValues{{"LT", 3}} << -1 << "LT";
}

void TstKnownValues::outOfRangeFromStage()
{
    QFETCH(DeviceType, type);
    QFETCH(StageValues, stage);
    QFETCH(int, control);
    QFETCH(QString, left);
    Rig rig;
    CTarnlinkView* view =
        rig.OpenOnlineAxis(kAddress, type, SimName(type), QStringLiteral("[06] Axis"), stage);
    QVERIFY(view);
    QVERIFY(rig.t.messages.isEmpty());
    if (auto* combo = Control<QComboBox>(view, control))
        QCOMPARE(combo->currentIndex(), -1);
    else if (auto* edit = Control<QLineEdit>(view, control))
        QCOMPARE(edit->text(), QString());
    else
        QCOMPARE(int(view->m_logicLevels[0]), -1);
    rig.bus.ClearLog();
    QVERIFY(TransmitByType(view, kAddress));
    const QStringList sent = rig.Commands();
    QVERIFY(!sent.isEmpty());
    // The write itself: the mnemonic and a number.
    const QRegularExpression write(QLatin1Char('^') + left + QStringLiteral("-?\\d"));
    QVERIFY2(sent.filter(write).isEmpty(), qPrintable(sent.join(' ')));
}

void TstKnownValues::beyondRangeFromStageIsClipped_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<QByteArray>("mnemonic");
    QTest::addColumn<int>("value"); // what the stage holds
    QTest::addColumn<int>("text");  // the control that shows the value
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("clipped"); // what the page saves and sends
    const int delay = Ids::kDelayText;
    QTest::newRow("HVR run 2.0 A")
        << kHvr << QByteArray("R") << 20 << int(Ids::kCurrentTexts[1]) << "1.4 A" << 14;
    QTest::newRow("HVR boost 2.0 A")
        << kHvr << QByteArray("A") << 20 << int(Ids::kCurrentTexts[2]) << "1.4 A" << 14;
    QTest::newRow("KEV stop 7.0 A")
        << kKev << QByteArray("S") << 70 << int(Ids::kCurrentTexts[0]) << "6.3 A" << 63;
    QTest::newRow("LQN run 3.00 A")
        << kLqn << QByteArray("R") << 300 << int(Ids::kCurrentTexts[1]) << "2.50 A" << 250;
    QTest::newRow("VNE+ boost 12.00 A")
        << kVnePlus << QByteArray("A") << 1200 << int(Ids::kCurrentTexts[2]) << "11.00 A" << 1100;
    QTest::newRow("KEV delay 250 ms") << kKev << QByteArray("T") << 250 << delay << "200 ms" << 200;
    QTest::newRow("UQT delay 0 ms") << kUqt << QByteArray("T") << 0 << delay << "1 ms" << 1;
    QTest::newRow("HWK delay 2000 ms")
        << kHwk << QByteArray("T") << 2000 << delay << "1000 ms" << 1000;
}

void TstKnownValues::beyondRangeFromStageIsClipped()
{
    QFETCH(DeviceType, type);
    QFETCH(QByteArray, mnemonic);
    QFETCH(int, value);
    QFETCH(int, text);
    QFETCH(QString, shown);
    QFETCH(int, clipped);
    Rig rig;
    QPointer<CTarnlinkView> online = rig.OpenOnlineAxis(
        kAddress, type, SimName(type), QStringLiteral("[06] Axis"), {{mnemonic, value}});
    QVERIFY(online);
    QCOMPARE(Control<QLineEdit>(online, text)->text(), shown);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("axis.sdf"));
    QVERIFY(online->GetDocument()->DoSave(path));
    const QByteArray line = '[' + mnemonic.toLower() + QByteArray::number(clipped) + ']';
    QVERIFY2(ReadFile(path).contains(line), line.constData());
    CloseAndDelete(rig.frame->MdiArea()->activeSubWindow());
    QVERIFY(!online);

    rig.SetOn(kAddress, mnemonic, 5);
    QVERIFY(rig.app().OpenDocumentFile(path));
    QPointer<CTarnlinkView> page = rig.ActiveView();
    QVERIFY(page);
    QCOMPARE(Control<QLineEdit>(page, text)->text(), shown);
    rig.bus.ClearLog();
    QVERIFY(page->OnBnClickedTransmit());
    QVERIFY2(rig.Commands().contains(QString::fromLatin1(mnemonic) + QString::number(clipped)),
             qPrintable(rig.Commands().join(' ')));
}

void TstKnownValues::spinAtItsEndSendsOnRelease_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("sent");
    QTest::newRow("KEV up at 200 ms") << kKev << 250 << true << "T200";
    QTest::newRow("UQT down at 1 ms") << kUqt << 0 << false << "T1";
}

void TstKnownValues::spinAtItsEndSendsOnRelease()
{
    QFETCH(DeviceType, type);
    QFETCH(int, value);
    QFETCH(bool, up);
    QFETCH(QString, sent);
    Rig rig;
    QPointer<CTarnlinkView> view = rig.OpenOnlineAxis(kAddress, type, SimName(type),
                                                      QStringLiteral("[06] Axis"), {{"T", value}});
    QVERIFY(view);
    auto* spin = Control<QSpinBox>(view, Ids::kDelaySpin);
    rig.bus.ClearLog();
    // The arrows stand one above the other at the spin's right end.
    const QPoint arrow(spin->width() - 4, up ? spin->height() / 4 : spin->height() * 3 / 4);
    QTest::mouseClick(spin, Qt::LeftButton, {}, arrow);
    QCOMPARE(rig.Commands(), QStringList{sent});
}

void TstKnownValues::unreadPageWritesNothing()
{
    Rig rig;
    rig.t.port().SetLastingTimeout(100);
    rig.line.SetSilent(true);
    CTarnlinkView* view = rig.OpenOnlineAxis(kAddress, kHwk, "HWK", QStringLiteral("[06] Axis"));
    QVERIFY(view);
    QCOMPARE(rig.Commands(), QStringList{"PN?"});
    rig.line.SetSilent(false);
    rig.t.port().SetLastingTimeout(CBusPort::kDefaultTimeout);
    rig.t.messages.clear();
    rig.bus.ClearLog();
    // Let go without a move: the page has no current to write, clamped or not.
    QSlider* run = Control<QSlider>(view, Ids::kSliders[1]);
    run->setSliderDown(true);
    run->setSliderDown(false);
    QVERIFY(rig.Commands().isEmpty());
    QCOMPARE(Control<QLineEdit>(view, Ids::kCurrentTexts[1])->text(), QString());
    QVERIFY(!view->GetDocument()->IsModified());

    // What the user sets is the user's.
    run->setSliderDown(true);
    run->setSliderPosition(20);
    run->setSliderDown(false);
    QCOMPARE(rig.Commands(), QStringList{"R20"});
    QCOMPARE(Control<QLineEdit>(view, Ids::kCurrentTexts[1])->text(), QStringLiteral("2.0 A"));
}

void TstKnownValues::modifiedOnlyWhenKept_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<int>("combo");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<bool>("modified");
    // Lists no handler of the type serves change nothing.
    QTest::newRow("VNE+ output function") << kVnePlus << int(Ids::kOutputFunctionCombo)
                                          << QStringList{} << false;
    QTest::newRow("VNE+ operation mode") << kVnePlus << int(Ids::kOperationModeCombo)
                                         << QStringList{} << false;
    QTest::newRow("HVR output function")
        << kHvr << int(Ids::kOutputFunctionCombo) << QStringList{} << false;
    QTest::newRow("HWT overdrive") << kHwt << int(Ids::kOutputFunctionCombo)
                                   << QStringList{"PO1"} << true;
}

void TstKnownValues::modifiedOnlyWhenKept()
{
    QFETCH(DeviceType, type);
    QFETCH(int, combo);
    QFETCH(QStringList, sent);
    QFETCH(bool, modified);
    Rig rig;
    CTarnlinkView* view =
        rig.OpenOnlineAxis(kAddress, type, SimName(type), QStringLiteral("[06] Axis"));
    QVERIFY(view);
    QComboBox* box = Control<QComboBox>(view, combo);
    box->addItems({QStringLiteral("a"), QStringLiteral("b")});
    box->setCurrentIndex(1);
    rig.bus.ClearLog();
    emit box->activated(1);
    QCOMPARE(rig.Commands(), sent);
    QCOMPARE(view->GetDocument()->IsModified(), modified);
}

QTEST_MAIN(TstKnownValues)
#include "tst_knownvalues.moc"
