// The power stages that count their currents in 0.01 A: DRQ+, UQT, DRQ2+ and VNE+ on their
// pages. How each shapes the page in both languages, what it reads from the stage and where
// each value shows, its defaults, the order and values of a transmission, the writes of its
// lists, and the texts of its step, frequency and current values.
#include "pages/types/cendstufedrq2plus.h"
#include "pages/types/cendstufedrqplus.h"
#include "pages/types/cendstufeuqt.h"
#include "pages/types/cendstufevneplus.h"
#include "tests/pages/pagerig.h"

#include <cmath>

namespace {

constexpr int kDrqPlus = 5;
constexpr int kUqt = 6;
constexpr int kDrq2Plus = 7;
constexpr int kVnePlus = 8;
constexpr int kAddress = 5;

const QStringList kFourteen = {"1/1 ",  "1/2 ",  "1/2.5 ", "1/4 ",   "1/5 ",
                               "1/8 ",  "1/10 ", "1/16 ",  "1/20 ",  "1/32 ",
                               "1/64 ", "1/128 ", "1/256 ", "1/512 "};
const QString kSixAmps =
    QStringLiteral("0         1,0      2,0      3,0       4,0      5,0      6,0     A");

QStringList VneSteps(const QString& word)
{
    const QString cs = QStringLiteral(" (CS)");
    const QString bu = QStringLiteral(" (CS + BU)");
    return Steps({"1/1 ", "1/2 ", "1/4 ", "1/5 ", "1/10 ", "1/20 ", "1/2 ", "1/4 ", "1/5 ",
                  "1/10 ", "1/20 ", "1/4 ", "1/5 ", "1/10 ", "1/20 ", "1/2 "},
                 word,
                 {"", cs, cs, cs, cs, cs, "", "", "", "", "", bu, bu, bu, bu,
                  QStringLiteral(" (konv.)")});
}

} // namespace

class TstPlusTypes : public QObject {
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
    void operationState_data();
    void operationState();
    void uqtOverdriveFrequency_data();
    void uqtOverdriveFrequency();
    void vneStepEntries_data();
    void vneStepEntries();
    void markSitsAtTheCurrent_data();
    void markSitsAtTheCurrent();
};

void TstPlusTypes::initTestCase()
{
    qputenv("TARNLINK_CAN", "nosuchplugin:can9");
}

void TstPlusTypes::setupTexts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("lists");  // 1021, 1024 entries joined by "|"
    QTest::addColumn<QStringList>("labels"); // 1040, 1041, 1043
    QTest::addColumn<QList<int>>("hidden");
    QTest::addColumn<QList<int>>("disabled");
    QTest::addColumn<QList<int>>("range"); // slider max, tick, spin min, spin max
    QTest::addColumn<QString>("scale");
    QTest::addColumn<double>("marker");

    const QList<int> module = {Ids::kQelGroup, Ids::kQelSwitch, Ids::kQelStatusButton,
                               Ids::kQelResetButton, Ids::kQelSettingsButton};
    const QList<int> perType = {Ids::kInputFunctionCombo, Ids::kOutputFunctionCombo,
                                Ids::kInputFunctionLabel, Ids::kOutputFunctionLabel,
                                Ids::kOperationModeLabel, Ids::kOperationModeCombo,
                                Ids::kModeEdit};
    const QString german = QStringLiteral("Schritt");
    const QString english = QStringLiteral("Step");
    const QList<int> drqRange = {630, 50, 0, 15};
    for (bool en : {false, true}) {
        const QString word = en ? english : german;
        const QString offOn = en ? QStringLiteral("Off|On") : QStringLiteral("Aus|Ein");
        const char* language = en ? "English" : "German";
        QTest::addRow("DRQ+ %s", language)
            << kDrqPlus << en << Steps(kFourteen, word) << QStringList{offOn, offOn}
            << QStringList{"Current Shape (CS):", "Overdrive:"}
            << module + QList<int>{Ids::kOperationModeCombo} << QList<int>{} << drqRange
            << kSixAmps << 1.59;
        QTest::addRow("UQT %s", language)
            << kUqt << en << Steps(kFourteen, word)
            << QStringList{"Off|On", "18 kHz|20 kHz|22 kHz|25 kHz"}
            << QStringList{"Overdrive:", en ? "Copper frequency:" : "Chopperfrequenz:",
                           "Overdrive Frequenz"}
            << module
            << QList<int>{Ids::kActivationCombo, Ids::kNameEdit, Ids::kSetNameButton}
            << QList<int>{350, 25, 1, 150}
            << QStringLiteral("0       0,5      1,0     1,5     2,0     2,5     3,0      3,5A")
            << 2.86;
        QTest::addRow("DRQ2+ %s", language)
            << kDrq2Plus << en
            << Steps({"1/1 ", "1/2 ", "1/4 ", "1/8 ", "1/16 ", "1/32 ", "1/64 ", "1/128 ",
                      "1/256 "},
                     word)
            << QStringList{} << QStringList{} << module + perType << QList<int>{}
            << QList<int>{630, 50, 0, 1000} << kSixAmps << 1.59;
        QTest::addRow("VNE+ %s", language)
            << kVnePlus << en << VneSteps(word) << QStringList{} << QStringList{}
            << module + perType +
                   QList<int>{Ids::kInputLogicCombo, Ids::kInputLogicLabel, Ids::kActivationCombo,
                              Ids::kActivationLabel, Ids::kDelaySpin, Ids::kDelayText,
                              Ids::kDelayLabel, Ids::kWatchdogLamp, Ids::kClearWatchdogButton,
                              Ids::kWatchdogLampLabel}
            << QList<int>{} << QList<int>{1100, 100, 0, 1000}
            << QStringLiteral("0          2,0        4,0        6,0         8,0       10,0       A")
            << 0.909;
    }
}

void TstPlusTypes::setupTexts()
{
    QFETCH(int, type);
    QFETCH(bool, english);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, lists);
    QFETCH(QStringList, labels);
    QFETCH(QList<int>, hidden);
    QFETCH(QList<int>, disabled);
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
    if (!lists.isEmpty()) {
        QCOMPARE(Entries(Control<QComboBox>(view, Ids::kInputFunctionCombo)).join('|'), lists[0]);
        QCOMPARE(Entries(Control<QComboBox>(view, Ids::kOutputFunctionCombo)).join('|'),
                 lists[1]);
    }
    const int labelled[] = {Ids::kInputFunctionLabel, Ids::kOutputFunctionLabel,
                            Ids::kOperationModeLabel};
    for (int i = 0; i < labels.size(); ++i)
        QCOMPARE(Control<QLabel>(view, labelled[i])->text(), labels[i]);
    for (int id : hidden)
        QVERIFY2(Control(view, id)->isHidden(), qPrintable(QString::number(id)));
    // What a type does not hide stays in view.
    for (int id : {Ids::kStepCombo, Ids::kDirectionCombo, Ids::kNameEdit, Ids::kSliders[0]})
        QVERIFY(!Control(view, id)->isHidden());
    QCOMPARE(Control(view, Ids::kModeEdit)->isHidden(), type != kDrqPlus);
    for (int id : disabled)
        QVERIFY2(!Control(view, id)->isEnabled(), qPrintable(QString::number(id)));
    CheckRanges(view, range, scale, marker);
    if (type == kUqt) {
        QComboBox* frequencies = Control<QComboBox>(view, Ids::kOperationModeCombo);
        QCOMPARE(frequencies->count(), 35);
        const int picked[] = {0, 9, 10, 34};
        const QStringList expected = {"1000 Hz", "10000 Hz", "15000 Hz", "220000 Hz"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(frequencies->itemText(picked[i]), expected[i]);
    }
}

void TstPlusTypes::readAll_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<StageValues>("stage");
    QTest::addColumn<QStringList>("reads");
    QTest::addColumn<QStringList>("shown"); // as Shown() lists them
    QTest::addColumn<float>("firmware");

    using Values = StageValues;
    QTest::newRow("DRQ+") << kDrqPlus
                          << Values{{"S", 55},  {"R", 210}, {"A", 333}, {"M", 13},
                                    {"G", 1},   {"L", 1},   {"T", 13},  {"U", 1},
                                    {"PC", 1},  {"PO", 1},  {"PX", 0},  {"PS", 1}}
                          << QStringList{"PN?", "S?", "R?", "A?",  "M?",  "G?",  "L?",
                                         "T?",  "U?", "PC?", "PO?", "PX?", "PS?", "B?"}
                          << QStringList{"0.55 A",     "2.10 A",    "3.33 A", "1/512 Schritt",
                                         "Positiv",    "Ein",       "Low aktiv",
                                         "Deaktiviert", "Ein",      "Bus exklusiv", "200 ms",
                                         "Bus exklusiv", "Hubachse"}
                          << 1.62f;
    QTest::newRow("UQT") << kUqt
                         << Values{{"S", 35}, {"R", 150}, {"A", 350}, {"M", 2},
                                   {"G", 0},  {"L", 1},   {"T", 150}, {"U", 1},
                                   {"PO", 1}, {"PE", 3},  {"PH", 25000}}
                         << QStringList{"S?", "R?", "A?", "M?", "G?", "L?",
                                        "T?", "U?", "PO?", "PE?", "PH?"}
                         << QStringList{"0.35 A",      "1.50 A",   "3.50 A", "1/2.5 Schritt",
                                        "Negativ",     "On",       "Low aktiv",
                                        "Deaktiviert", "25 kHz",   "25000 Hz", "150 ms",
                                        "",            ""}
                         << 0.0f;
    const Values plain = {{"S", 10}, {"R", 630}, {"A", 400}, {"M", 8},
                          {"G", 1},  {"L", 1},   {"T", 1000}, {"U", 1}};
    const QStringList plainReads = {"PN?", "S?", "R?", "A?", "M?", "G?", "L?", "T?", "U?", "B?"};
    QTest::newRow("DRQ2+") << kDrq2Plus << plain << plainReads
                           << QStringList{"0.10 A",  "6.30 A", "4.00 A",  "1/256 Schritt",
                                          "Positiv", "",       "Low aktiv", "Deaktiviert",
                                          "",        "",       "1000 ms", "",
                                          "Hubachse"}
                           << 1.62f;
    QTest::newRow("VNE+") << kVnePlus
                          << Values{{"S", 100}, {"R", 1100}, {"A", 550}, {"M", 15},
                                    {"G", 1},   {"L", 1},    {"T", 20},  {"U", 1}}
                          << plainReads
                          << QStringList{"1.00 A",  "11.00 A",  "5.50 A",
                                         "1/2 Schritt (konv.)", "Positiv", "", "Low aktiv",
                                         "Deaktiviert", "",   "",  "20 ms", "", "Hubachse"}
                          << 1.62f;
}

void TstPlusTypes::readAll()
{
    QFETCH(int, type);
    QFETCH(StageValues, stage);
    QFETCH(QStringList, reads);
    QFETCH(QStringList, shown);
    QFETCH(float, firmware);
    Rig rig;
    CTarnlinkView* view = rig.OpenRead(kAddress, type, kSimNames[type], stage);
    QVERIFY(view);
    QVERIFY(rig.t.messages.isEmpty());
    QCOMPARE(rig.Commands().mid(0, reads.size()), reads);
    QCOMPARE(Shown(view), shown);
    QCOMPARE(view->m_firmware, firmware);
    for (int which = 0; which < 3; ++which)
        QCOMPARE(Control<QSlider>(view, Ids::kSliders[which])->value(), stage[which].second);
}

void TstPlusTypes::defaults_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<int>>("positions"); // sliders, then the spin
    QTest::addColumn<QString>("delay");
    QTest::addColumn<QStringList>("sent"); // the transmission's common writes

    // A new page has no name to give the stage.
    const QStringList sent = {"S10", "R20", "A40", "M0", "G0", "T10", "U0"};
    QTest::newRow("DRQ+, the delay table") << kDrqPlus << QList<int>{10, 20, 40, 10} << "40 ms"
                                           << sent;
    QTest::newRow("DRQ2+, milliseconds") << kDrq2Plus << QList<int>{10, 20, 40, 10} << "10 ms"
                                         << sent;
    QTest::newRow("UQT, what the spin shows") << kUqt << QList<int>{10, 20, 40, 10} << "10 ms"
                                              << sent;
    // VNE+ has no defaults: its page keeps the lists' first entries, and the currents it
    // does not know stay with the stage.
    QTest::newRow("VNE+, none") << kVnePlus << QList<int>{0, 0, 0, 0} << ""
                                << QStringList{"M0", "G0"};
}

void TstPlusTypes::defaults()
{
    QFETCH(int, type);
    QFETCH(QList<int>, positions);
    QFETCH(QString, delay);
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
    QCOMPARE(Control<QLineEdit>(view, Ids::kDelayText)->text(), delay);
    QCOMPARE(Control<QComboBox>(view, Ids::kStepCombo)->currentIndex(), 0);
    // A new DRQ+ shows the mode its file will hold.
    QCOMPARE(Control<QLineEdit>(view, Ids::kModeEdit)->text(),
             type == kDrqPlus ? QStringLiteral("Bus & Schalter") : QString());

    // The defaults go to a stage as they stand: the delay as its position.
    const bool transmitted = TransmitByType(view, kAddress);
    QVERIFY(transmitted);
    QCOMPARE(rig.Commands().mid(0, sent.size()), sent);
}

void TstPlusTypes::transmitOrder_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("silent");

    const QStringList common = {"PNTisch", "S7", "R23", "A41", "M3", "G1", "T9", "U0"};
    // The overdrive goes out after the current shape.
    QTest::newRow("DRQ+") << kDrqPlus << common + QStringList{"PC1", "PO1", "L1"} << false;
    // The currents go out as the sliders stand; the overdrive frequency as its index.
    // A UQT is not asked for its name, so its page has none to send.
    QTest::newRow("UQT") << kUqt << common.mid(1) + QStringList{"PO1", "PE1", "K12", "L1"}
                         << false;
    QTest::newRow("DRQ2+") << kDrq2Plus << common + QStringList{"L1"} << false;
    QTest::newRow("VNE+, exactly six") << kVnePlus << common.mid(0, 6) << false;
    QTest::newRow("name not answered") << kDrqPlus << QStringList{"PNTisch"} << true;
}

void TstPlusTypes::transmitOrder()
{
    QFETCH(int, type);
    QFETCH(QStringList, expected);
    QFETCH(bool, silent);
    Rig rig;
    CTarnlinkView* view = rig.OpenOnlineAxis(kAddress, type, kSimNames[type], "[05] Axis");
    QVERIFY(view);
    // The name field of a UQT takes no typing, and its page never read a name.
    FillPage(view, {7, 23, 41}, 12);
    rig.line.SetSilent(silent);
    rig.t.port().m_replyTimeout = 200;
    rig.bus.ClearLog();

    const bool transmitted = TransmitByType(view, kAddress);
    QCOMPARE(transmitted, !silent);
    QCOMPARE(rig.Commands(), expected);
    QCOMPARE(rig.t.port().m_replyTimeout, 1000u);
    if (type == kUqt) {
        // The stage holds what the page shows: 0.23 A, and the frequency of entry 12.
        int run = 0;
        int hertz = 0;
        rig.bus.WithAxis(kAddress, [&](SimAxis& a) {
            run = a.params["R"];
            hertz = a.params["PH"];
        });
        QCOMPARE(run, 23);
        QCOMPARE(hertz, 25000);
    }
}

void TstPlusTypes::listChangesWrite_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("combo");
    QTest::addColumn<QString>("command");
    QTest::newRow("DRQ+ current shape") << kDrqPlus << int(Ids::kInputFunctionCombo) << "PC1";
    QTest::newRow("DRQ+ overdrive") << kDrqPlus << int(Ids::kOutputFunctionCombo) << "PO1";
    QTest::newRow("UQT overdrive") << kUqt << int(Ids::kInputFunctionCombo) << "PO1";
    QTest::newRow("UQT chopper frequency") << kUqt << int(Ids::kOutputFunctionCombo) << "PE1";
    QTest::newRow("UQT overdrive frequency in Hz")
        << kUqt << int(Ids::kOperationModeCombo) << "PH2000";
    QTest::newRow("DRQ2+ input logic") << kDrq2Plus << int(Ids::kInputLogicCombo) << "L1";
}

void TstPlusTypes::listChangesWrite()
{
    QFETCH(int, type);
    QFETCH(int, combo);
    QFETCH(QString, command);
    Rig rig;
    CTarnlinkView* view = rig.OpenOnlineAxis(kAddress, type, kSimNames[type], "[05] Axis");
    QVERIFY(view);
    QCOMPARE(rig.ChooseNextEntry(view, combo), QStringList{command});
    QVERIFY(rig.t.messages.isEmpty());
    QVERIFY(view->GetDocument()->IsModified());
}

void TstPlusTypes::operationState_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("text");
    QTest::newRow("switches apply") << false << 0 << false << "Bus & Schalter";
    QTest::newRow("bus exclusive") << false << 1 << true << "Bus exklusiv";
    QTest::newRow("bus exclusive, English") << true << 1 << true << "Bus exclusive";
    QTest::newRow("switches apply, English") << true << 0 << false << "Bus & Switch";
}

void TstPlusTypes::operationState()
{
    QFETCH(bool, english);
    QFETCH(int, state);
    QFETCH(bool, enabled);
    QFETCH(QString, text);
    Rig rig;
    if (english)
        rig.app().OnLanguageEnglish();
    CTarnlinkView* view =
        rig.OpenOnlineAxis(kAddress, kDrqPlus, "DRQ+", "[05] Axis", {{"PS", state}});
    QVERIFY(view);
    for (int id : {Ids::kSliders[0], Ids::kSliders[2], Ids::kStepCombo, Ids::kDirectionCombo,
                   Ids::kOutputFunctionCombo, Ids::kDelaySpin, Ids::kStoreButton,
                   Ids::kDefaultsButton})
        QCOMPARE(Control(view, id)->isEnabled(), enabled);
    QCOMPARE(Control<QLineEdit>(view, Ids::kModeEdit)->text(), text);
    QCOMPARE(Control<QComboBox>(view, Ids::kOperationModeCombo)->currentIndex(), state);
}

void TstPlusTypes::uqtOverdriveFrequency_data()
{
    QTest::addColumn<int>("reported"); // Hz
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("sent"); // when the entry is chosen
    QTest::newRow("25000 Hz") << 25000 << 12 << "PH25000";
    QTest::newRow("first") << 1000 << 0 << "PH1000";
    QTest::newRow("not the longer 10000") << 10000 << 9 << "PH10000";
    QTest::newRow("last") << 220000 << 34 << "PH220000";
    QTest::newRow("not in the list: none") << 12345 << -1 << "";
}

void TstPlusTypes::uqtOverdriveFrequency()
{
    QFETCH(int, reported);
    QFETCH(int, index);
    QFETCH(QString, sent);
    Rig rig;
    CTarnlinkView* view =
        rig.OpenOnlineAxis(kAddress, kUqt, "UQT", "[05] Axis", {{"PH", reported}});
    QVERIFY(view);
    QComboBox* frequency = Control<QComboBox>(view, Ids::kOperationModeCombo);
    QCOMPARE(frequency->currentIndex(), index);
    QVERIFY(rig.t.messages.isEmpty());
    if (index < 0)
        return;

    // The user chooses the selected entry from its neighbour: it goes out in Hz.
    frequency->setCurrentIndex(index == 0 ? 1 : index - 1);
    rig.bus.ClearLog();
    frequency->setFocus();
    QTest::keyClick(frequency, index == 0 ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(frequency->currentIndex(), index);
    QCOMPARE(rig.Commands(), QStringList{sent});
}

void TstPlusTypes::vneStepEntries_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("text");
    QTest::newRow("m15 German") << false << 15 << "1/2 Schritt (konv.)";
    QTest::newRow("m15 English") << true << 15 << "1/2 Step (konv.)";
    QTest::newRow("m11 German, first with boost") << false << 11 << "1/4 Schritt (CS + BU)";
    QTest::newRow("m11 English") << true << 11 << "1/4 Step (CS + BU)";
}

void TstPlusTypes::vneStepEntries()
{
    QFETCH(bool, english);
    QFETCH(int, step);
    QFETCH(QString, text);
    Rig rig;
    if (english)
        rig.app().OnLanguageEnglish();
    CTarnlinkView* view =
        rig.OpenOnlineAxis(kAddress, kVnePlus, "VNE+", "[05] Axis", {{"M", step}});
    QVERIFY(view);
    QComboBox* steps = Control<QComboBox>(view, Ids::kStepCombo);
    QCOMPARE(steps->currentIndex(), step);
    QCOMPARE(steps->currentText(), text);
}

void TstPlusTypes::markSitsAtTheCurrent_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("position"); // the slider position of that current
    QTest::newRow("VNE+ 5.5 A") << kVnePlus << "5,5" << 550;
    QTest::newRow("VNE+ 11 A, the full bar") << kVnePlus << "11" << 1100;
    QTest::newRow("VNE+ 0.75 A") << kVnePlus << "0,75" << 75;
    QTest::newRow("UQT 2.5 A") << kUqt << "2,5" << 250;
    QTest::newRow("DRQ+ 3 A") << kDrqPlus << "3" << 300;
    QTest::newRow("DRQ2+ 6.3 A") << kDrq2Plus << "6,3" << 630;
}

void TstPlusTypes::markSitsAtTheCurrent()
{
    QFETCH(int, type);
    QFETCH(QString, current);
    QFETCH(int, position);
    Rig rig;
    CTarnlinkView* view =
        rig.OpenOnlineAxis(kAddress, type, kSimNames[type], "[05] Axis;" + current);
    QVERIFY(view);
    QSlider* run = Control<QSlider>(view, Ids::kSliders[1]);
    run->setValue(position);
    QCOMPARE(view->UpdateAllowedCurrentMark(), position);
    // Where the slider's handle stands, in thousandths of the travel, the mark stands too.
    const double atSlider = 1000.0 * position / run->maximum();
    const CCurIndicator* bar = Control<CCurIndicator>(view, Ids::kBars[1]);
    QVERIFY2(std::abs(bar->m_firstSplit - atSlider) <= 1.0,
             qPrintable(QStringLiteral("%1 against %2").arg(bar->m_firstSplit).arg(atSlider)));
    QVERIFY(bar->isVisible());
    QCOMPARE(Control<QLineEdit>(view, Ids::kCurrentTexts[1])->text(),
             QString::asprintf("%.02f A", position / 100.0));
}

QTEST_MAIN(TstPlusTypes)
#include "tst_plustypes.moc"
