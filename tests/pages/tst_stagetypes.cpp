// The power stages LQN, HWT, HWK and HVR on their pages: how each shapes the page in both
// languages, what it reads from the stage and where each value shows, its defaults, the
// order and values of a transmission, the writes of its lists, the lock a stage reports,
// LQN's current shape with its chopper frequency, and the HWK's two display menus.
#include "tests/pages/pagerig.h"

namespace {

constexpr int kLqn = 1;
constexpr int kHwt = 2;
constexpr int kAddress = 5;

const QStringList kThirteen = {"1/1 ",  "1/2 ",  "1/4 ",  "1/5 ",   "1/8 ",  "1/10 ", "1/16 ",
                               "1/20 ", "1/32 ", "1/64 ", "1/128 ", "1/256 ", "1/512 "};
const QStringList kCommaSteps = {"1/1 ",  "1/2 ",  "1/2,5 ", "1/4 ",   "1/5 ",
                                 "1/8 ",  "1/10 ", "1/16 ",  "1/20 ",  "1/32 ",
                                 "1/64 ", "1/128 ", "1/256 ", "1/512 "};
const QString kSixAmps =
    QStringLiteral("0         1,0      2,0      3,0       4,0      5,0      6,0     A");
const QString kMenus = QStringLiteral("I+U|I+M|I+T|Temp|none");

using Levels = QList<int>;

Levels LevelsOf(const CTarnlinkView* view)
{
    Levels levels;
    for (qint8 level : view->m_logicLevels)
        levels.append(level);
    return levels;
}

} // namespace

class TstStageTypes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void setupTexts_data();
    void setupTexts();
    void readAll_data();
    void readAll();
    void defaults_data();
    void defaults();
    void transmitOrder_data();
    void transmitOrder();
    void listChangesWrite_data();
    void listChangesWrite();
    void lockAfterRead_data();
    void lockAfterRead();
    void lqnShapeAndChopper_data();
    void lqnShapeAndChopper();
    void lqnRunCurrentClamp();
    void hwkSecondDisplay();
};

void TstStageTypes::initTestCase()
{
    qputenv("TARNLINK_CAN", "nosuchplugin:can9");
}

void TstStageTypes::setupTexts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("lists");  // 1021, 1024, 1025 entries joined by "|"
    QTest::addColumn<QStringList>("labels"); // 1040, 1041
    QTest::addColumn<QList<int>>("hidden");
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<QList<int>>("range"); // slider max, tick, spin min, spin max
    QTest::addColumn<QString>("scale");
    QTest::addColumn<double>("marker");

    const QList<int> module = {Ids::kQelGroup, Ids::kQelSwitch, Ids::kQelStatusButton,
                               Ids::kQelResetButton, Ids::kQelSettingsButton};
    const QList<int> radios = {Ids::kDisplay1Radio, Ids::kDisplay2Radio};
    for (bool en : {false, true}) {
        const QString word = en ? QStringLiteral("Step") : QStringLiteral("Schritt");
        const QString offOn = en ? QStringLiteral("Off|On") : QStringLiteral("Aus|Ein");
        const QString modes =
            en ? QStringLiteral("Bus & Switch|Bus exclusive") : QStringLiteral("Bus & Schalter|Bus exklusiv");
        const char* language = en ? "English" : "German";
        QTest::addRow("LQN %s", language)
            << kLqn << en << Steps(kThirteen, word)
            << QStringList{(en ? "Off" : "Aus") + QStringLiteral("|Standard|Expert-Mode"),
                           "50 kHz|75 kHz|100 kHz", modes}
            << QStringList{"Current Shape (CS):", en ? "Copper frequency:" : "Chopperfrequenz:"}
            << module + radios + QList<int>{Ids::kInputLogicCombo, Ids::kModeEdit}
            << QList<int>{Ids::kLogicButton, Ids::kOutputFunctionCombo}
            << QList<int>{250, 25, 1, 200}
            << QStringLiteral("0            0,5         1,0          1,5         2,0         2,5 A")
            << 4.0;
        QTest::addRow("HWT %s", language)
            << kHwt << en << Steps(kThirteen, word) << QStringList{offOn, offOn, modes}
            << QStringList{"Current Shape (CS):", "Overdrive:"}
            << module + radios + QList<int>{Ids::kLogicButton, Ids::kModeEdit}
            << QList<int>{Ids::kInputLogicCombo} << QList<int>{63, 5, 0, 15} << kSixAmps << 1.59;
        QTest::addRow("HWK %s", language)
            << kHwk << en << Steps(kCommaSteps.mid(0, 9), word)
            << QStringList{kMenus, offOn, modes} << QStringList{"Display Menu", "Overdrive:"}
            << module + QList<int>{Ids::kInputLogicCombo, Ids::kModeEdit}
            << radios + QList<int>{Ids::kLogicButton} << QList<int>{63, 5, 0, 1000} << kSixAmps
            << 1.59;
        // No overdrive on an HVR.
        QTest::addRow("HVR %s", language)
            << kHvr << en << Steps(kCommaSteps, word) << QStringList{kMenus, "", modes}
            << QStringList{"Display Menu"}
            << module + QList<int>{Ids::kInputLogicCombo, Ids::kModeEdit,
                                   Ids::kOutputFunctionCombo, Ids::kOutputFunctionLabel}
            << radios + QList<int>{Ids::kLogicButton} << QList<int>{14, 2, 0, 1000}
            << QStringLiteral("0       0,2     0,4      0,6     0,8      1,0     1,2     1,4 A")
            << 7.14;
    }
}

void TstStageTypes::setupTexts()
{
    QFETCH(int, type);
    QFETCH(bool, english);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, lists);
    QFETCH(QStringList, labels);
    QFETCH(QList<int>, hidden);
    QFETCH(QList<int>, shown);
    QFETCH(QList<int>, range);
    QFETCH(QString, scale);
    QFETCH(double, marker);
    Rig rig;
    if (english)
        rig.app().OnLanguageEnglish();
    CTarnlinkView* view = rig.OpenOnlineAxis(kAddress, type, kSimNames[type], "[05] Axis");
    QVERIFY(view);
    QVERIFY(rig.t.messages.isEmpty());

    QCOMPARE(Entries(Control<QComboBox>(view, Ids::kStepCombo)), steps);
    const int listed[] = {Ids::kInputFunctionCombo, Ids::kOutputFunctionCombo,
                          Ids::kOperationModeCombo};
    for (int i = 0; i < 3; ++i) {
        if (!lists[i].isEmpty())
            QCOMPARE(Entries(Control<QComboBox>(view, listed[i])).join('|'), lists[i]);
    }
    const int labelled[] = {Ids::kInputFunctionLabel, Ids::kOutputFunctionLabel};
    for (int i = 0; i < labels.size(); ++i)
        QCOMPARE(Control<QLabel>(view, labelled[i])->text(), labels[i]);
    for (int id : hidden)
        QVERIFY2(Control(view, id)->isHidden(), qPrintable(QString::number(id)));
    for (int id : shown + QList<int>{Ids::kStepCombo, Ids::kOperationModeCombo, Ids::kDelaySpin})
        QVERIFY2(!Control(view, id)->isHidden(), qPrintable(QString::number(id)));
    CheckRanges(view, range, scale, marker);
    if (shown.contains(Ids::kDisplay1Radio))
        QVERIFY(Control<QAbstractButton>(view, Ids::kDisplay1Radio)->isChecked());
}

void TstStageTypes::readAll_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<StageValues>("stage");
    QTest::addColumn<QStringList>("reads");
    QTest::addColumn<QStringList>("shown"); // as Shown() lists them
    QTest::addColumn<Levels>("levels");
    QTest::addColumn<QList<int>>("displays");

    using Values = StageValues;
    const Levels none = {-1, -1, -1, -1, -1, -1};
    QTest::newRow("LQN") << kLqn
                         << Values{{"S", 55}, {"R", 210}, {"A", 250}, {"M", 12}, {"G", 1},
                                   {"T", 150}, {"U", 1},  {"PS", 1},  {"PC", 2}, {"PE", 1},
                                   {"PX", 1},  {"LT", 1}, {"LD", 0},  {"LB", 1}, {"LA", 0}}
                         << QStringList{"PN?", "S?", "R?",  "A?",  "M?",  "G?",  "LT?", "LD?", "LB?",
                                        "LA?", "T?", "U?",  "PS?", "PC?", "PE?", "PX?", "B?"}
                         << QStringList{"0.55 A",      "2.10 A",      "2.50 A", "1/512 Schritt",
                                        "Positiv",     "Expert-Mode", "",       "Deaktiviert",
                                        "75 kHz",      "Bus exklusiv", "150 ms", "", "Hubachse"}
                         << Levels{1, 0, 1, 0, -1, -1} << QList<int>{-1, -1};
    // The delay as its step of the table.
    QTest::newRow("HWT") << kHwt
                         << Values{{"S", 5}, {"R", 17}, {"A", 30}, {"M", 8},  {"G", 1}, {"L", 1},
                                   {"T", 13}, {"U", 0}, {"PC", 1}, {"PO", 1}, {"PX", 1}}
                         << QStringList{"PN?", "S?", "R?", "A?", "M?", "G?", "L?", "T?", "U?",
                                        "PC?", "PO?", "PX?", "B?"}
                         << QStringList{"0.5 A",     "1.7 A",    "3.0 A", "1/32 Schritt",
                                        "Positiv",   "Ein",      "Low aktiv", "Aktiviert",
                                        "Ein",       "Bus exklusiv", "200 ms", "", "Hubachse"}
                         << none << QList<int>{-1, -1};
    const Values levels = {{"LT", 0}, {"LD", 1}, {"LB", 0}, {"LA", 1}, {"LR", 0}, {"LX", 1}};
    const QStringList hwkReads = {"PN?", "S?",  "R?",  "A?",  "M?",  "G?",  "LT?",
                                  "LD?", "LB?", "LA?", "LR?", "LX?", "T?",  "U?",
                                  "PS?", "PL?", "PM?", "PO?", "PX?", "B?"};
    // The menu shows the first display's entry.
    QTest::newRow("HWK") << kHwk
                         << Values{{"S", 5}, {"R", 17}, {"A", 30},  {"M", 2},  {"G", 0},
                                   {"T", 1000}, {"U", 1}, {"PS", 1}, {"PL", 2}, {"PM", 3},
                                   {"PO", 1}, {"PX", 1}} + levels
                         << hwkReads
                         << QStringList{"0.5 A", "1.7 A", "3.0 A",        "1/2,5 Schritt",
                                        "Negativ", "I+T", "",             "Deaktiviert",
                                        "Ein",   "Bus exklusiv", "1000 ms", "", "Hubachse"}
                         << Levels{0, 1, 0, 1, 0, 1} << QList<int>{2, 3};
    QTest::newRow("HVR, no overdrive")
        << kHvr
        << Values{{"S", 3},  {"R", 14}, {"A", 10}, {"M", 13}, {"G", 1},  {"T", 20},
                  {"U", 0},  {"PS", 1}, {"PL", 4}, {"PM", 0}, {"PX", 0}, {"LT", 1},
                  {"LD", 1}, {"LB", 1}, {"LA", 0}, {"LR", 0}, {"LX", 0}}
        << QStringList{"PN?", "S?", "R?",  "A?",  "M?",  "G?",  "LT?", "LD?", "LB?", "LA?",
                       "LR?", "LX?", "T?", "U?", "PS?", "PL?", "PM?", "PX?", "B?"}
        << QStringList{"0.3 A",     "1.4 A", "1.0 A", "1/512 Schritt", "Positiv", "none", "",
                       "Aktiviert", "",      "Bus & Schalter", "20 ms", "", "Hubachse"}
        << Levels{1, 1, 1, 0, 0, 0} << QList<int>{4, 0};
}

void TstStageTypes::readAll()
{
    QFETCH(int, type);
    QFETCH(StageValues, stage);
    QFETCH(QStringList, reads);
    QFETCH(QStringList, shown);
    QFETCH(Levels, levels);
    QFETCH(QList<int>, displays);
    Rig rig;
    CTarnlinkView* view = rig.OpenRead(kAddress, type, kSimNames[type], stage);
    QVERIFY(view);
    QVERIFY(rig.t.messages.isEmpty());
    QCOMPARE(rig.Commands().mid(0, reads.size()), reads);
    QCOMPARE(Shown(view), shown);
    QCOMPARE(LevelsOf(view), levels);
    QCOMPARE((QList<int>{view->m_displayType1, view->m_displayType2}), displays);
    QCOMPARE(view->m_firmware, 1.62f);
    for (int which = 0; which < 3; ++which)
        QCOMPARE(Control<QSlider>(view, Ids::kSliders[which])->value(), stage[which].second);
    QVERIFY(Control(view, Ids::kStepCombo)->isEnabled());
}

void TstStageTypes::defaults_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<int>>("positions"); // sliders, then the spin
    QTest::addColumn<QStringList>("texts");    // the stop current and the delay
    QTest::addColumn<QStringList>("sent");

    const QStringList sixLevels = {"LT0", "LD0", "LB0", "LA0", "LR0", "LX0"};
    QTest::newRow("LQN") << kLqn << QList<int>{10, 20, 40, 40}
                         << QStringList{"0.10 A", "40 ms"}
                         << QStringList{"S10", "R20", "A40", "M0", "G0", "T40", "U0", "PC0",
                                        "PE0", "PX0", "LT0", "LD0", "LB0", "LA0"};
    // Position 10 of the delay table.
    QTest::newRow("HWT") << kHwt << QList<int>{1, 2, 4, 10} << QStringList{"0.1 A", "40 ms"}
                         << QStringList{"S1", "R2", "A4", "M0", "G0", "T10", "U0", "PC0", "PO0",
                                        "PX0", "L0"};
    QTest::newRow("HWK as KEV") << kHwk << QList<int>{1, 2, 4, 40}
                                << QStringList{"0.1 A", "40 ms"}
                                << QStringList{"S1", "R2", "A4", "M0", "G0", "T40", "U0", "PL0",
                                               "PM0", "PO0", "PX0"} + sixLevels;
    QTest::newRow("HVR as KEV") << kHvr << QList<int>{1, 2, 4, 40}
                                << QStringList{"0.1 A", "40 ms"}
                                << QStringList{"S1", "R2", "A4", "M0", "G0", "T40", "U0", "PL0",
                                               "PM0", "PX0"} + sixLevels;
}

void TstStageTypes::defaults()
{
    QFETCH(int, type);
    QFETCH(QList<int>, positions);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, sent);
    Rig rig;
    rig.bus.AddAxis(kAddress, kSimNames[type]);
    rig.bus.ClearLog();
    CTarnlinkView* view = rig.OpenNew(type, QStringLiteral("05"));
    QVERIFY(view);
    QCOMPARE(view->DeviceType(), type);
    QVERIFY(rig.Commands().isEmpty());
    for (int which = 0; which < 3; ++which)
        QCOMPARE(Control<QSlider>(view, Ids::kSliders[which])->value(), positions[which]);
    QCOMPARE(Control<QSpinBox>(view, Ids::kDelaySpin)->value(), positions[3]);
    QCOMPARE(Control<QLineEdit>(view, Ids::kCurrentTexts[0])->text(), texts[0]);
    QCOMPARE(Control<QLineEdit>(view, Ids::kDelayText)->text(), texts[1]);

    // A new page has no name for the stage; everything else goes out as the page shows it.
    QVERIFY(TransmitByType(view, kAddress));
    QCOMPARE(rig.Commands(), sent);
}

void TstStageTypes::transmitOrder_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("silent");

    const QStringList common = {"PNTisch", "S3", "R9", "A12", "M3", "G1", "T9", "U0"};
    const QStringList levels = {"LT1", "LD0", "LB1", "LA0", "LR1", "LX0"};
    QTest::newRow("LQN, four levels")
        << kLqn << common + QStringList{"PC1", "PE1", "PX1"} + levels.mid(0, 4) << false;
    // The bus mode again after the overdrive.
    QTest::newRow("HWT") << kHwt << common + QStringList{"PC1", "PO1", "PX1", "L1"} << false;
    QTest::newRow("HWK") << kHwk << common + QStringList{"PL2", "PM3", "PO1", "PX1"} + levels
                         << false;
    QTest::newRow("HVR, no overdrive")
        << kHvr << common + QStringList{"PL2", "PM3", "PX1"} + levels << false;
    QTest::newRow("name not answered") << kHwk << QStringList{"PNTisch"} << true;
}

void TstStageTypes::transmitOrder()
{
    QFETCH(int, type);
    QFETCH(QStringList, expected);
    QFETCH(bool, silent);
    Rig rig;
    CTarnlinkView* view = rig.OpenOnlineAxis(kAddress, type, kSimNames[type], "[05] Axis");
    QVERIFY(view);
    FillPage(view, {3, 9, 12}, 1);
    view->m_logicLevels = {1, 0, 1, 0, 1, 0};
    view->m_displayType1 = 2;
    view->m_displayType2 = 3;
    rig.line.SetSilent(silent);
    rig.t.port().m_replyTimeout = 200;
    rig.bus.ClearLog();

    QCOMPARE(TransmitByType(view, kAddress), !silent);
    QCOMPARE(rig.Commands(), expected);
    QCOMPARE(rig.t.port().m_replyTimeout, 1000u);
}

void TstStageTypes::listChangesWrite_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("combo");
    QTest::addColumn<QString>("command");
    QTest::newRow("LQN current shape") << kLqn << int(Ids::kInputFunctionCombo) << "PC1";
    QTest::newRow("LQN chopper frequency") << kLqn << int(Ids::kOutputFunctionCombo) << "PE1";
    QTest::newRow("LQN bus mode") << kLqn << int(Ids::kOperationModeCombo) << "PX1";
    QTest::newRow("HWT current shape") << kHwt << int(Ids::kInputFunctionCombo) << "PC1";
    QTest::newRow("HWT overdrive") << kHwt << int(Ids::kOutputFunctionCombo) << "PO1";
    QTest::newRow("HWT bus mode at once") << kHwt << int(Ids::kOperationModeCombo) << "PX1";
    QTest::newRow("HWK first display") << kHwk << int(Ids::kInputFunctionCombo) << "PL1";
    QTest::newRow("HWK overdrive") << kHwk << int(Ids::kOutputFunctionCombo) << "PO1";
    // The bus mode goes out with the settings; a change only asks for the lock.
    QTest::newRow("HWK bus mode") << kHwk << int(Ids::kOperationModeCombo) << "PS?";
    QTest::newRow("HVR bus mode") << kHvr << int(Ids::kOperationModeCombo) << "PS?";
}

void TstStageTypes::listChangesWrite()
{
    QFETCH(int, type);
    QFETCH(int, combo);
    QFETCH(QString, command);
    Rig rig;
    CTarnlinkView* view = rig.OpenOnlineAxis(kAddress, type, kSimNames[type], "[05] Axis");
    QVERIFY(view);
    QCOMPARE(rig.ChooseNextEntry(view, combo), QStringList{command});
    QVERIFY(rig.t.messages.isEmpty());
    // The choice is the page's, for its file, whether or not it went to the stage.
    QVERIFY(view->GetDocument()->IsModified());
}

void TstStageTypes::lockAfterRead_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("enabled");
    for (int type : {kLqn, kHwk, kHvr}) {
        QTest::addRow("%s ps0", kSimNames[type].constData()) << type << 0 << false;
        QTest::addRow("%s ps1", kSimNames[type].constData()) << type << 1 << true;
    }
    QTest::newRow("HWK ps2") << kHwk << 2 << true;
}

void TstStageTypes::lockAfterRead()
{
    QFETCH(int, type);
    QFETCH(int, state);
    QFETCH(bool, enabled);
    Rig rig;
    CTarnlinkView* view =
        rig.OpenOnlineAxis(kAddress, type, kSimNames[type], "[05] Axis", {{"PS", state}});
    QVERIFY(view);
    for (int id : {Ids::kSliders[0], Ids::kSliders[1], Ids::kStepCombo, Ids::kDirectionCombo,
                   Ids::kActivationCombo, Ids::kDelaySpin, Ids::kStoreButton, Ids::kResetButton,
                   Ids::kDefaultsButton, Ids::kLogicButton})
        QVERIFY2(Control(view, id)->isEnabled() == enabled, qPrintable(QString::number(id)));
    QCOMPARE(view->ParametersLocked(), !enabled);
}

void TstStageTypes::lqnShapeAndChopper_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("shape");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("chopper");
    QTest::newRow("pc0: off") << false << 1 << 0 << "Aus" << false;
    QTest::newRow("pc0: off, English") << true << 1 << 0 << "Off" << false;
    QTest::newRow("pc1: standard") << false << 1 << 1 << "Standard" << true;
    QTest::newRow("pc2: expert") << false << 1 << 2 << "Expert-Mode" << true;
    // The lock read just before keeps the chopper frequency out of reach.
    QTest::newRow("pc2 on a locked stage") << false << 0 << 2 << "Expert-Mode" << false;
    QTest::newRow("pc9: past the list") << false << 1 << 9 << "" << true;
}

void TstStageTypes::lqnShapeAndChopper()
{
    QFETCH(bool, english);
    QFETCH(int, state);
    QFETCH(int, shape);
    QFETCH(QString, text);
    QFETCH(bool, chopper);
    Rig rig;
    if (english)
        rig.app().OnLanguageEnglish();
    CTarnlinkView* view = rig.OpenOnlineAxis(kAddress, kLqn, "LQN", "[05] Axis",
                                             {{"PS", state}, {"PC", shape}});
    QVERIFY(view);
    QCOMPARE(Control<QComboBox>(view, Ids::kInputFunctionCombo)->currentText(), text);
    QComboBox* frequency = Control<QComboBox>(view, Ids::kOutputFunctionCombo);
    QCOMPARE(frequency->isEnabled(), chopper);
    if (state == 0)
        return;
    // The user switches the shape off and on: the chopper frequency follows.
    QComboBox* shapes = Control<QComboBox>(view, Ids::kInputFunctionCombo);
    shapes->setCurrentIndex(1);
    rig.bus.ClearLog();
    QTest::keyClick(shapes, Qt::Key_Up);
    QVERIFY(!frequency->isEnabled());
    QTest::keyClick(shapes, Qt::Key_Down);
    QVERIFY(frequency->isEnabled());
    QCOMPARE(rig.Commands(), (QStringList{"PC0", "PC1"}));
}

void TstStageTypes::lqnRunCurrentClamp()
{
    Rig rig;
    CTarnlinkView* view = rig.OpenOnlineAxis(kAddress, kLqn, "LQN", "[05] Axis", {{"R", 50}});
    QVERIFY(view);
    QSlider* run = Control<QSlider>(view, Ids::kSliders[1]);
    rig.bus.ClearLog();
    // Released at 0.05 A: raised to 0.10 A before it is written.
    run->setSliderDown(true);
    run->setSliderPosition(5);
    run->setSliderDown(false);
    QCOMPARE(run->value(), 10);
    // The arrow keys below 0.10 A go through the same clamp.
    run->setFocus();
    QTest::keyClick(run, Qt::Key_Left);
    QCOMPARE(run->value(), 10);
    QCOMPARE(rig.Commands(), (QStringList{"R10", "R10"}));
    QVERIFY(view->GetDocument()->IsModified());
}

void TstStageTypes::hwkSecondDisplay()
{
    Rig rig;
    CTarnlinkView* view =
        rig.OpenOnlineAxis(kAddress, kHwk, "HWK", "[05] Axis", {{"PL", 1}, {"PM", 0}});
    QVERIFY(view);
    QComboBox* menu = Control<QComboBox>(view, Ids::kInputFunctionCombo);
    QCOMPARE(menu->currentText(), QStringLiteral("I+M"));
    QTest::mouseClick(Control<QAbstractButton>(view, Ids::kDisplay2Radio), Qt::LeftButton);
    QCOMPARE(menu->currentText(), QStringLiteral("I+U"));
    menu->setCurrentIndex(2);
    rig.bus.ClearLog();
    // "Temp" for the second display.
    QTest::keyClick(menu, Qt::Key_Down);
    QCOMPARE(menu->currentText(), QStringLiteral("Temp"));
    QCOMPARE(rig.Commands(), QStringList{"PM3"});
    QCOMPARE(view->m_displayType2, 3);
    QCOMPARE(view->m_displayType1, 1);
    int held = -1;
    rig.bus.WithAxis(kAddress, [&held](SimAxis& a) { held = a.params["PM"]; });
    QCOMPARE(held, 3);
    QTest::mouseClick(Control<QAbstractButton>(view, Ids::kDisplay1Radio), Qt::LeftButton);
    QCOMPARE(menu->currentText(), QStringLiteral("I+M"));
}

QTEST_MAIN(TstStageTypes)
#include "tst_stagetypes.moc"
