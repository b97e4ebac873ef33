// The nine power-stage types on their pages, one table per aspect with a row per type (and
// language): how each shapes the page, what it reads from the stage and where each value
// shows, its defaults, the order and values of a transmission, the writes of its lists and
// the lock a stage reports. After them the cases only one type has: the run-current clamps,
// the operations the types share seen on an HWK, LQN's current shape with its chopper
// frequency, the HWK's two display menus, the UQT's overdrive frequency, the VNE+'s step
// texts and where the allowed-current mark sits.
#include "tests/pages/pagerig.h"

#include <array>
#include <cmath>

namespace {

constexpr int kAddress = 5;

// Control id -> the text it shows (a list's entries joined by "|").
using Texts = QMap<int, QString>;
using Levels = QList<int>;
// List -> the entry it shows.
using Choices = QMap<int, int>;

const QStringList kThirteen = {"1/1 ",  "1/2 ",  "1/4 ",  "1/5 ",   "1/8 ",   "1/10 ", "1/16 ",
                               "1/20 ", "1/32 ", "1/64 ", "1/128 ", "1/256 ", "1/512 "};
const QStringList kCommaSteps = {"1/1 ",  "1/2 ",  "1/2,5 ", "1/4 ",  "1/5 ",   "1/8 ",   "1/10 ",
                                 "1/16 ", "1/20 ", "1/32 ",  "1/64 ", "1/128 ", "1/256 ", "1/512 "};
const QString kSixAmps =
    QStringLiteral("0         1,0      2,0      3,0       4,0      5,0      6,0     A");
const QString kMenus = QStringLiteral("I+U|I+M|I+T|Temp|none");
const QList<int> kModule = {Ids::kQelGroup, Ids::kQelSwitch, Ids::kQelStatusButton,
                            Ids::kQelResetButton, Ids::kQelSettingsButton};
const QList<int> kRadios = {Ids::kDisplay1Radio, Ids::kDisplay2Radio};

QStringList VneSteps(const QString& word)
{
    const QString cs = QStringLiteral(" (CS)");
    const QString bu = QStringLiteral(" (CS + BU)");
    return Steps(
        {"1/1 ", "1/2 ", "1/4 ", "1/5 ", "1/10 ", "1/20 ", "1/2 ", "1/4 ", "1/5 ", "1/10 ", "1/20 ",
         "1/4 ", "1/5 ", "1/10 ", "1/20 ", "1/2 "},
        word,
        {"", cs, cs, cs, cs, cs, "", "", "", "", "", bu, bu, bu, bu, QStringLiteral(" (konv.)")});
}

// The UQT's 35 overdrive frequencies: 1 to 10 kHz by 1 kHz, 15 to 50 kHz by 5 kHz, 60 to
// 220 kHz by 10 kHz.
QString UqtFrequencies()
{
    QStringList entries;
    for (const auto& [from, to, step] :
         {std::array{1000, 10000, 1000}, std::array{15000, 50000, 5000},
          std::array{60000, 220000, 10000}})
        for (int hertz = from; hertz <= to; hertz += step)
            entries.append(QStringLiteral("%1 Hz").arg(hertz));
    return entries.join('|');
}

QString TextOf(QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(control))
        return group->title();
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return Entries(combo).join('|');
    return qobject_cast<QLabel*>(control)->text();
}

void CheckTexts(CTarnlinkView* view, const Texts& texts)
{
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        const QString shown = TextOf(Control(view, it.key()));
        QVERIFY2(shown == it.value(), qPrintable(QStringLiteral("%1 shows \"%2\", not \"%3\"")
                                                     .arg(it.key())
                                                     .arg(shown, it.value())));
    }
}

Levels LevelsOf(const CTarnlinkView* view)
{
    Levels levels;
    for (qint8 level : view->m_logicLevels)
        levels.append(level);
    return levels;
}

// What the user set on a page before a transmission.
struct PageValues {
    QList<int> currents;
    QString name;
    int outputEntry;
    int modeEntry;
    int delay;
};

void FillIn(CTarnlinkView* view, const PageValues& values)
{
    for (int which = 0; which < 3; ++which)
        Control<QSlider>(view, Ids::kSliders[which])->setValue(values.currents.value(which));
    Control<QLineEdit>(view, Ids::kNameEdit)->setText(values.name);
    const QList<QPair<int, int>> selections = {{Ids::kStepCombo, 3},
                                               {Ids::kDirectionCombo, 1},
                                               {Ids::kActivationCombo, 0},
                                               {Ids::kInputFunctionCombo, 1},
                                               {Ids::kOutputFunctionCombo, values.outputEntry},
                                               {Ids::kOperationModeCombo, values.modeEntry},
                                               {Ids::kInputLogicCombo, 1}};
    for (const auto& [combo, index] : selections)
        Control<QComboBox>(view, combo)->setCurrentIndex(index);
    Control<QSpinBox>(view, Ids::kDelaySpin)->setValue(values.delay);
}

} // namespace

Q_DECLARE_METATYPE(PageValues)

class TstTypePages : public QObject {
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

    void kevRunCurrentClamp_data();
    void kevRunCurrentClamp();
    void lqnRunCurrentClamp();
    void sharedTypeOperations();
    void lqnShapeAndChopper_data();
    void lqnShapeAndChopper();
    void hwkSecondDisplay();
    void uqtOverdriveFrequency_data();
    void uqtOverdriveFrequency();
    void vneStepEntries_data();
    void vneStepEntries();
    void markSitsAtTheCurrent_data();
    void markSitsAtTheCurrent();
};

void TstTypePages::initTestCase()
{
    qputenv("TARNLINK_CAN", "nosuchplugin:can9");
}

// --- One row per type -------------------------------------------------------------------------

void TstTypePages::setupTexts_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("online"); // else a new page, as File New opens it
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Texts>("texts"); // lists, labels, captions
    QTest::addColumn<QList<int>>("hidden");
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<QList<int>>("disabled");
    QTest::addColumn<QList<int>>("range"); // slider max, tick, spin min, spin max
    QTest::addColumn<QString>("scale");
    QTest::addColumn<double>("marker");
    QTest::addColumn<QList<int>>("lamps"); // empty: not looked at

    const QList<int> perType = {Ids::kInputFunctionCombo,
                                Ids::kOutputFunctionCombo,
                                Ids::kInputFunctionLabel,
                                Ids::kOutputFunctionLabel,
                                Ids::kOperationModeLabel,
                                Ids::kOperationModeCombo,
                                Ids::kModeEdit};
    const QList<int> modeAndDelay = {Ids::kOperationModeCombo, Ids::kDelaySpin};
    const QList<int> drqRange = {630, 50, 0, 15};
    for (bool en : {false, true}) {
        const QString word = en ? QStringLiteral("Step") : QStringLiteral("Schritt");
        const QString offOn = en ? QStringLiteral("Off|On") : QStringLiteral("Aus|Ein");
        const QString modes = en ? QStringLiteral("Bus & Switch|Bus exclusive")
                                 : QStringLiteral("Bus & Schalter|Bus exklusiv");
        const QString chopper =
            en ? QStringLiteral("Copper frequency:") : QStringLiteral("Chopperfrequenz:");
        const char* language = en ? "English" : "German";

        QTest::addRow("KEV %s", language)
            << kKev << en << false
            << Steps({"1/1 ", "1/2 ", "1/4 ", "1/5 ", "1/8 ", "1/10 ", "1/20 ", "1/32 ", "1/64 ",
                      "1/128 ", "1/256 "},
                     word)
            << Texts{{Ids::kDirectionCombo, en ? "Negative|Positive" : "Negativ|Positiv"},
                     {Ids::kInputLogicCombo,
                      en ? "High active|Low active" : "High aktiv|Low aktiv"},
                     {Ids::kActivationCombo,
                      en ? "Activated|Deactivated" : "Aktiviert|Deaktiviert"},
                     {Ids::kInputFunctionCombo, en ? "Boost|Activation" : "Boost|Aktivierung"},
                     {Ids::kOutputFunctionCombo,
                      en ? "Error amount|Basic position|Ready" : "Fehlersumme|Grundstellung|Ready"},
                     {Ids::kOperationModeCombo, "Bus|Standalone"},
                     {Ids::kSetNameButton, en ? "Set!" : "Setzen!"},
                     {Ids::kStatusButton, en ? "Power stage status >>" : "Status Endstufe >>"},
                     {Ids::kWatchdogLampLabel,
                      en ? "Hardware reset (Watchdog?)" : "Hardwarereset (Watchdog?)"},
                     {Ids::kQelGroup,
                      en ? "Funktions Temperaturemodule QEL" : "Funktionen Temperaturmodul QEL"},
                     {Ids::kResetLampLabel, "Endstufe in Reset / Deaktiviert"}}
            << kRadios + QList<int>{Ids::kLogicButton, Ids::kModeEdit}
            << QList<int>{Ids::kQelGroup, Ids::kQelSwitch, Ids::kQelStatusButton} << QList<int>{}
            << QList<int>{63, 5, 1, 200} << kSixAmps << 1.59
            << QList<int>{168, 168, 168, 166, 164, 166};
        QTest::addRow("LQN %s", language)
            << kLqn << en << true << Steps(kThirteen, word)
            << Texts{{Ids::kInputFunctionCombo,
                      (en ? "Off" : "Aus") + QStringLiteral("|Standard|Expert-Mode")},
                     {Ids::kOutputFunctionCombo, "50 kHz|75 kHz|100 kHz"},
                     {Ids::kOperationModeCombo, modes},
                     {Ids::kInputFunctionLabel, "Current Shape (CS):"},
                     {Ids::kOutputFunctionLabel, chopper}}
            << kModule + kRadios + QList<int>{Ids::kInputLogicCombo, Ids::kModeEdit}
            << modeAndDelay + QList<int>{Ids::kLogicButton, Ids::kOutputFunctionCombo}
            << QList<int>{} << QList<int>{250, 25, 1, 200}
            << QStringLiteral("0            0,5         1,0          1,5         2,0         2,5 A")
            << 4.0 << QList<int>{};
        QTest::addRow("HWT %s", language)
            << kHwt << en << true << Steps(kThirteen, word)
            << Texts{{Ids::kInputFunctionCombo, offOn},
                     {Ids::kOutputFunctionCombo, offOn},
                     {Ids::kOperationModeCombo, modes},
                     {Ids::kInputFunctionLabel, "Current Shape (CS):"},
                     {Ids::kOutputFunctionLabel, "Overdrive:"}}
            << kModule + kRadios + QList<int>{Ids::kLogicButton, Ids::kModeEdit}
            << modeAndDelay + QList<int>{Ids::kInputLogicCombo} << QList<int>{}
            << QList<int>{63, 5, 0, 15} << kSixAmps << 1.59 << QList<int>{};
        QTest::addRow("HWK %s", language)
            << kHwk << en << true << Steps(kCommaSteps.mid(0, 9), word)
            << Texts{{Ids::kInputFunctionCombo, kMenus},
                     {Ids::kOutputFunctionCombo, offOn},
                     {Ids::kOperationModeCombo, modes},
                     {Ids::kInputFunctionLabel, "Display Menu"},
                     {Ids::kOutputFunctionLabel, "Overdrive:"}}
            << kModule + QList<int>{Ids::kInputLogicCombo, Ids::kModeEdit}
            << modeAndDelay + kRadios + QList<int>{Ids::kLogicButton} << QList<int>{}
            << QList<int>{63, 5, 0, 1000} << kSixAmps << 1.59 << QList<int>{};
        // No overdrive on an HVR.
        QTest::addRow("HVR %s", language)
            << kHvr << en << true << Steps(kCommaSteps, word)
            << Texts{{Ids::kInputFunctionCombo, kMenus},
                     {Ids::kOperationModeCombo, modes},
                     {Ids::kInputFunctionLabel, "Display Menu"}}
            << kModule + QList<int>{Ids::kInputLogicCombo, Ids::kModeEdit,
                                    Ids::kOutputFunctionCombo, Ids::kOutputFunctionLabel}
            << modeAndDelay + kRadios + QList<int>{Ids::kLogicButton} << QList<int>{}
            << QList<int>{14, 2, 0, 1000}
            << QStringLiteral("0       0,2     0,4      0,6     0,8      1,0     1,2     1,4 A")
            << 7.14 << QList<int>{};
        // A new DRQ+ shows the mode its file will hold; the other types hide that field.
        QTest::addRow("DRQ+ %s", language)
            << kDrqPlus << en << true << Steps(kCommaSteps, word).replaceInStrings(",", ".")
            << Texts{{Ids::kInputFunctionCombo, offOn},
                     {Ids::kOutputFunctionCombo, offOn},
                     {Ids::kInputFunctionLabel, "Current Shape (CS):"},
                     {Ids::kOutputFunctionLabel, "Overdrive:"}}
            << kModule + QList<int>{Ids::kOperationModeCombo} << QList<int>{Ids::kModeEdit}
            << QList<int>{} << drqRange << kSixAmps << 1.59 << QList<int>{};
        QTest::addRow("UQT %s", language)
            << kUqt << en << true << Steps(kCommaSteps, word).replaceInStrings(",", ".")
            << Texts{{Ids::kInputFunctionCombo, "Off|On"},
                     {Ids::kOutputFunctionCombo, "18 kHz|20 kHz|22 kHz|25 kHz"},
                     {Ids::kOperationModeCombo, UqtFrequencies()},
                     {Ids::kInputFunctionLabel, "Overdrive:"},
                     {Ids::kOutputFunctionLabel, chopper},
                     {Ids::kOperationModeLabel, "Overdrive Frequenz"}}
            << kModule + QList<int>{Ids::kModeEdit} << QList<int>{}
            << QList<int>{Ids::kActivationCombo, Ids::kNameEdit, Ids::kSetNameButton}
            << QList<int>{350, 25, 1, 150}
            << QStringLiteral("0       0,5      1,0     1,5     2,0     2,5     3,0      3,5A")
            << 2.86 << QList<int>{};
        QTest::addRow("DRQ2+ %s", language)
            << kDrq2Plus << en << true
            << Steps(
                   {"1/1 ", "1/2 ", "1/4 ", "1/8 ", "1/16 ", "1/32 ", "1/64 ", "1/128 ", "1/256 "},
                   word)
            << Texts{} << kModule + perType << QList<int>{} << QList<int>{}
            << QList<int>{630, 50, 0, 1000} << kSixAmps << 1.59 << QList<int>{};
        QTest::addRow("VNE+ %s", language)
            << kVnePlus << en << true << VneSteps(word) << Texts{}
            << kModule + perType + QList<int>{Ids::kInputLogicCombo,     Ids::kInputLogicLabel,
                                              Ids::kActivationCombo,     Ids::kActivationLabel,
                                              Ids::kDelaySpin,           Ids::kDelayText,
                                              Ids::kDelayLabel,          Ids::kWatchdogLamp,
                                              Ids::kClearWatchdogButton, Ids::kWatchdogLampLabel}
            << QList<int>{} << QList<int>{} << QList<int>{1100, 100, 0, 1000}
            << QStringLiteral("0          2,0        4,0        6,0         8,0       10,0       A")
            << 0.909 << QList<int>{};
    }
}

void TstTypePages::setupTexts()
{
    QFETCH(DeviceType, type);
    QFETCH(bool, english);
    QFETCH(bool, online);
    QFETCH(QStringList, steps);
    QFETCH(Texts, texts);
    QFETCH(QList<int>, hidden);
    QFETCH(QList<int>, shown);
    QFETCH(QList<int>, disabled);
    QFETCH(QList<int>, range);
    QFETCH(QString, scale);
    QFETCH(double, marker);
    QFETCH(QList<int>, lamps);
    Rig rig;
    if (english)
        rig.app().OnLanguageEnglish();
    CTarnlinkView* view = online ? rig.OpenOnlineAxis(kAddress, type, SimName(type), "[05] Axis")
                                 : rig.OpenNew(type, QStringLiteral("04"));
    QVERIFY(view);
    QVERIFY(rig.t.messages.isEmpty());

    QCOMPARE(Entries(Control<QComboBox>(view, Ids::kStepCombo)), steps);
    CheckTexts(view, texts);
    if (QTest::currentTestFailed())
        return;
    for (int id : hidden)
        QVERIFY2(Control(view, id)->isHidden(), qPrintable(QString::number(id)));
    // What a type does not hide stays in view.
    for (int id : shown + QList<int>{Ids::kStepCombo, Ids::kDirectionCombo, Ids::kNameEdit,
                                     Ids::kSliders[0]})
        QVERIFY2(!Control(view, id)->isHidden(), qPrintable(QString::number(id)));
    for (int id : disabled)
        QVERIFY2(!Control(view, id)->isEnabled(), qPrintable(QString::number(id)));
    if (shown.contains(Ids::kDisplay1Radio))
        QVERIFY(Control<QAbstractButton>(view, Ids::kDisplay1Radio)->isChecked());

    for (int which = 0; which < 3; ++which) {
        auto* slider = Control<QSlider>(view, Ids::kSliders[which]);
        QCOMPARE(slider->minimum(), 0);
        QCOMPARE(slider->maximum(), range[0]);
        QCOMPARE(slider->tickInterval(), range[1]);
        QCOMPARE(Control<QLabel>(view, Ids::kScales[which])->text(), scale);
        auto* bar = Control<CCurIndicator>(view, Ids::kBars[which]);
        QCOMPARE(bar->m_firstColor, QColor(0, 255, 0));
        QCOMPARE(bar->m_secondColor, QColor(255, 233, 37));
        QCOMPARE(bar->m_thirdColor, QColor(255, 0, 0));
    }
    auto* spin = Control<QSpinBox>(view, Ids::kDelaySpin);
    QCOMPARE(spin->minimum(), range[2]);
    QCOMPARE(spin->maximum(), range[3]);
    QCOMPARE(view->m_markerScale, marker);
    if (!lamps.isEmpty())
        QCOMPARE(Lamps(view), lamps);
}

void TstTypePages::readAll_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<StageValues>("stage");
    QTest::addColumn<QStringList>("reads");
    QTest::addColumn<QStringList>("shown"); // as Shown() lists them
    QTest::addColumn<float>("firmware");
    QTest::addColumn<Levels>("levels");       // empty: not looked at
    QTest::addColumn<QList<int>>("displays"); // empty: not looked at

    using Values = StageValues;
    const Levels none = {-1, -1, -1, -1, -1, -1};
    const QList<int> noDisplays = {-1, -1};
    QTest::newRow("LQN") << kLqn << Values{{"S", 55},  {"R", 210}, {"A", 250}, {"M", 12}, {"G", 1},
                                           {"T", 150}, {"U", 1},   {"PS", 1},  {"PC", 2}, {"PE", 1},
                                           {"PX", 1},  {"LT", 1},  {"LD", 0},  {"LB", 1}, {"LA", 0}}
                         << QStringList{"PN?", "S?", "R?", "A?",  "M?",  "G?",  "LT?", "LD?", "LB?",
                                        "LA?", "T?", "U?", "PS?", "PC?", "PE?", "PX?", "B?"}
                         << QStringList{"0.55 A",  "2.10 A",       "2.50 A", "1/512 Schritt",
                                        "Positiv", "Expert-Mode",  "",       "Deaktiviert",
                                        "75 kHz",  "Bus exklusiv", "150 ms", "",
                                        "Hubachse"}
                         << 1.62f << Levels{1, 0, 1, 0, -1, -1} << noDisplays;
    // The delay as its step of the table.
    QTest::newRow("HWT") << kHwt
                         << Values{{"S", 5},  {"R", 17}, {"A", 30}, {"M", 8},  {"G", 1}, {"L", 1},
                                   {"T", 13}, {"U", 0},  {"PC", 1}, {"PO", 1}, {"PX", 1}}
                         << QStringList{"PN?", "S?", "R?",  "A?",  "M?",  "G?", "L?",
                                        "T?",  "U?", "PC?", "PO?", "PX?", "B?"}
                         << QStringList{"0.5 A",   "1.7 A",        "3.0 A",     "1/32 Schritt",
                                        "Positiv", "Ein",          "Low aktiv", "Aktiviert",
                                        "Ein",     "Bus exklusiv", "200 ms",    "",
                                        "Hubachse"}
                         << 1.62f << none << noDisplays;
    const Values levels = {{"LT", 0}, {"LD", 1}, {"LB", 0}, {"LA", 1}, {"LR", 0}, {"LX", 1}};
    // The menu shows the first display's entry.
    QTest::newRow("HWK") << kHwk
                         << Values{{"S", 5},  {"R", 17},   {"A", 30}, {"M", 2},
                                   {"G", 0},  {"T", 1000}, {"U", 1},  {"PS", 1},
                                   {"PL", 2}, {"PM", 3},   {"PO", 1}, {"PX", 1}} +
                                levels
                         << QStringList{"PN?", "S?",  "R?",  "A?",  "M?",  "G?", "LT?",
                                        "LD?", "LB?", "LA?", "LR?", "LX?", "T?", "U?",
                                        "PS?", "PL?", "PM?", "PO?", "PX?", "B?"}
                         << QStringList{"0.5 A",   "1.7 A",        "3.0 A",   "1/2,5 Schritt",
                                        "Negativ", "I+T",          "",        "Deaktiviert",
                                        "Ein",     "Bus exklusiv", "1000 ms", "",
                                        "Hubachse"}
                         << 1.62f << Levels{0, 1, 0, 1, 0, 1} << QList<int>{2, 3};
    QTest::newRow("HVR, no overdrive")
        << kHvr << Values{{"S", 3},  {"R", 14}, {"A", 10}, {"M", 13}, {"G", 1},  {"T", 20},
                          {"U", 0},  {"PS", 1}, {"PL", 4}, {"PM", 0}, {"PX", 0}, {"LT", 1},
                          {"LD", 1}, {"LB", 1}, {"LA", 0}, {"LR", 0}, {"LX", 0}}
        << QStringList{"PN?", "S?",  "R?", "A?", "M?",  "G?",  "LT?", "LD?", "LB?", "LA?",
                       "LR?", "LX?", "T?", "U?", "PS?", "PL?", "PM?", "PX?", "B?"}
        << QStringList{"0.3 A",   "1.4 A",     "1.0 A", "1/512 Schritt",  "Positiv", "none",
                       "",        "Aktiviert", "",      "Bus & Schalter", "20 ms",   "",
                       "Hubachse"}
        << 1.62f << Levels{1, 1, 1, 0, 0, 0} << QList<int>{4, 0};
    QTest::newRow("DRQ+") << kDrqPlus << Values{{"S", 55}, {"R", 210}, {"A", 333}, {"M", 13},
                                                {"G", 1},  {"L", 1},   {"T", 13},  {"U", 1},
                                                {"PC", 1}, {"PO", 1},  {"PX", 0},  {"PS", 1}}
                          << QStringList{"PN?", "S?", "R?",  "A?",  "M?",  "G?",  "L?",
                                         "T?",  "U?", "PC?", "PO?", "PX?", "PS?", "B?"}
                          << QStringList{"0.55 A",  "2.10 A",       "3.33 A",    "1/512 Schritt",
                                         "Positiv", "Ein",          "Low aktiv", "Deaktiviert",
                                         "Ein",     "Bus exklusiv", "200 ms",    "Bus exklusiv",
                                         "Hubachse"}
                          << 1.62f << Levels{} << QList<int>{};
    // No name and no firmware number are asked of a UQT.
    QTest::newRow("UQT") << kUqt << Values{{"S", 35}, {"R", 150}, {"A", 350},   {"M", 2},
                                           {"G", 0},  {"L", 1},   {"T", 150},   {"U", 1},
                                           {"PO", 1}, {"PE", 3},  {"PH", 25000}}
                         << QStringList{"S?", "R?", "A?",  "M?",  "G?", "L?",
                                        "T?", "U?", "PO?", "PE?", "PH?"}
                         << QStringList{"0.35 A",  "1.50 A",   "3.50 A",    "1/2.5 Schritt",
                                        "Negativ", "On",       "Low aktiv", "Deaktiviert",
                                        "25 kHz",  "25000 Hz", "150 ms",    "",
                                        ""}
                         << 0.0f << Levels{} << QList<int>{};
    const Values plain = {{"S", 10}, {"R", 630}, {"A", 400},  {"M", 8},
                          {"G", 1},  {"L", 1},   {"T", 1000}, {"U", 1}};
    const QStringList plainReads = {"PN?", "S?", "R?", "A?", "M?", "G?", "L?", "T?", "U?", "B?"};
    QTest::newRow("DRQ2+") << kDrq2Plus << plain << plainReads
                           << QStringList{"0.10 A",  "6.30 A", "4.00 A",    "1/256 Schritt",
                                          "Positiv", "",       "Low aktiv", "Deaktiviert",
                                          "",        "",       "1000 ms",   "",
                                          "Hubachse"}
                           << 1.62f << Levels{} << QList<int>{};
    QTest::newRow("VNE+") << kVnePlus << Values{{"S", 100}, {"R", 1100}, {"A", 550}, {"M", 15},
                                                {"G", 1},   {"L", 1},    {"T", 20},  {"U", 1}}
                          << plainReads
                          << QStringList{"1.00 A",  "11.00 A", "5.50 A",    "1/2 Schritt (konv.)",
                                         "Positiv", "",        "Low aktiv", "Deaktiviert",
                                         "",        "",        "20 ms",     "",
                                         "Hubachse"}
                          << 1.62f << Levels{} << QList<int>{};
}

void TstTypePages::readAll()
{
    QFETCH(DeviceType, type);
    QFETCH(StageValues, stage);
    QFETCH(QStringList, reads);
    QFETCH(QStringList, shown);
    QFETCH(float, firmware);
    QFETCH(Levels, levels);
    QFETCH(QList<int>, displays);
    Rig rig;
    CTarnlinkView* view = rig.OpenRead(kAddress, type, SimName(type), stage);
    QVERIFY(view);
    QVERIFY(rig.t.messages.isEmpty());
    QCOMPARE(rig.Commands().mid(0, reads.size()), reads);
    QCOMPARE(Shown(view), shown);
    QCOMPARE(view->m_firmware, firmware);
    for (int which = 0; which < 3; ++which)
        QCOMPARE(Control<QSlider>(view, Ids::kSliders[which])->value(), stage[which].second);
    QVERIFY(Control(view, Ids::kStepCombo)->isEnabled());
    if (!levels.isEmpty())
        QCOMPARE(LevelsOf(view), levels);
    if (!displays.isEmpty())
        QCOMPARE((QList<int>{view->m_displayType1, view->m_displayType2}), displays);
}

void TstTypePages::defaults_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<QList<int>>("positions"); // sliders, then the spin
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<Choices>("entries");
    QTest::addColumn<QStringList>("sent"); // by a transmission

    const QStringList sixLevels = {"LT0", "LD0", "LB0", "LA0", "LR0", "LX0"};
    const Choices firstStep = {{Ids::kStepCombo, 0}};
    QTest::newRow("KEV") << kKev << QList<int>{1, 2, 4, 40}
                         << Texts{{Ids::kCurrentTexts[2], "0.4 A"}, {Ids::kDelayText, "40 ms"}}
                         << Choices{{Ids::kStepCombo, 0}, {Ids::kOutputFunctionCombo, 0}}
                         << QStringList{"S1", "R2", "A4", "M0", "G0", "T40", "U0", "H0", "O0",
                                        "PB0", "L0", "XP0"};
    QTest::newRow("LQN") << kLqn << QList<int>{10, 20, 40, 40}
                         << Texts{{Ids::kCurrentTexts[0], "0.10 A"}, {Ids::kDelayText, "40 ms"}}
                         << Choices{}
                         << QStringList{"S10", "R20", "A40", "M0",  "G0",  "T40", "U0",
                                        "PC0", "PE0", "PX0", "LT0", "LD0", "LB0", "LA0"};
    // Position 10 of the delay table.
    QTest::newRow("HWT") << kHwt << QList<int>{1, 2, 4, 10}
                         << Texts{{Ids::kCurrentTexts[0], "0.1 A"}, {Ids::kDelayText, "40 ms"}}
                         << Choices{} << QStringList{"S1", "R2",  "A4",  "M0",  "G0", "T10",
                                                     "U0", "PC0", "PO0", "PX0", "L0"};
    QTest::newRow("HWK as KEV") << kHwk << QList<int>{1, 2, 4, 40}
                                << Texts{{Ids::kCurrentTexts[0], "0.1 A"},
                                         {Ids::kDelayText, "40 ms"}}
                                << Choices{}
                                << QStringList{"S1", "R2",  "A4",  "M0",  "G0", "T40",
                                               "U0", "PL0", "PM0", "PO0", "PX0"} +
                                       sixLevels;
    QTest::newRow("HVR as KEV")
        << kHvr << QList<int>{1, 2, 4, 40}
        << Texts{{Ids::kCurrentTexts[0], "0.1 A"}, {Ids::kDelayText, "40 ms"}} << Choices{}
        << QStringList{"S1", "R2", "A4", "M0", "G0", "T40", "U0", "PL0", "PM0", "PX0"} + sixLevels;
    // A new page has no name to give the stage; the delay goes as its position. A new DRQ+
    // shows the mode its file will hold.
    const QStringList sent = {"S10", "R20", "A40", "M0", "G0", "T10", "U0"};
    QTest::newRow("DRQ+, the delay table")
        << kDrqPlus << QList<int>{10, 20, 40, 10}
        << Texts{{Ids::kDelayText, "40 ms"}, {Ids::kModeEdit, "Bus & Schalter"}} << firstStep
        << sent + QStringList{"PC0", "PO0", "L0"};
    QTest::newRow("DRQ2+, milliseconds") << kDrq2Plus << QList<int>{10, 20, 40, 10}
                                         << Texts{{Ids::kDelayText, "10 ms"}, {Ids::kModeEdit, ""}}
                                         << firstStep << sent + QStringList{"L0"};
    QTest::newRow("UQT, what the spin shows")
        << kUqt << QList<int>{10, 20, 40, 10}
        << Texts{{Ids::kDelayText, "10 ms"}, {Ids::kModeEdit, ""}} << firstStep
        << sent + QStringList{"PO0", "PE0", "K0", "L0"};
    // VNE+ has no defaults: its page keeps the lists' first entries and the positions its
    // set-up gives, and sends them.
    QTest::newRow("VNE+, none") << kVnePlus << QList<int>{0, 0, 0, 0}
                                << Texts{{Ids::kCurrentTexts[1], "0.00 A"}, {Ids::kModeEdit, ""}}
                                << firstStep << QStringList{"S0", "R0", "A0", "M0", "G0"};
}

void TstTypePages::defaults()
{
    QFETCH(DeviceType, type);
    QFETCH(QList<int>, positions);
    QFETCH(Texts, texts);
    QFETCH(Choices, entries);
    QFETCH(QStringList, sent);
    Rig rig;
    rig.bus.AddAxis(10, SimName(type));
    rig.bus.ClearLog();
    CTarnlinkView* view = rig.OpenNew(type, QStringLiteral("0A"));
    QVERIFY(view);
    QCOMPARE(view->AddressText(), QStringLiteral("Off"));
    QCOMPARE(view->DeviceType(), type);
    for (int which = 0; which < 3; ++which)
        QCOMPARE(Control<QSlider>(view, Ids::kSliders[which])->value(), positions[which]);
    QCOMPARE(Control<QSpinBox>(view, Ids::kDelaySpin)->value(), positions[3]);
    CheckTexts(view, texts);
    if (QTest::currentTestFailed())
        return;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it)
        QCOMPARE(Control<QComboBox>(view, it.key())->currentIndex(), it.value());
    // The stage is not asked; only the transmission stays available.
    QVERIFY(rig.Commands().isEmpty());
    QVERIFY(!Control(view, Ids::kStoreButton)->isEnabled());
    QVERIFY(!Control(view, Ids::kStatusButton)->isEnabled());
    QVERIFY(Control(view, Ids::kTransmitButton)->isEnabled());
    // The new axis is listed offline under its type.
    QTreeWidgetItem* item = rig.frame->AxisItem(10);
    QVERIFY(item);
    QCOMPARE(view->AxisAddress(), 10);
    QCOMPARE(item->text(0), QStringLiteral("[10]"));
    QCOMPARE(item->parent(), rig.frame->GroupItem(type));
    QCOMPARE(CMainFrame::ItemImage(item), int(CMainFrame::ImageGrey));
    QCOMPARE(view->VersionText(), "b" + QString::fromLatin1(SimName(type)));

    // Every value is shown, saved and sent: the page knows them all. Only the VNE+'s hidden
    // operation-mode list has no entries, so its file records no mode.
    for (int which = 0; which < 3; ++which)
        QVERIFY(!Control<QLineEdit>(view, Ids::kCurrentTexts[which])->text().isEmpty());
    QVERIFY(!Control<QLineEdit>(view, Ids::kDelayText)->text().isEmpty());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.sdf"));
    QVERIFY(view->GetDocument()->DoSave(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray saved = file.readAll();
    if (type == kVnePlus)
        saved.replace("[px-1]", "");
    QVERIFY2(!saved.contains("-1]"), saved.constData());
    QVERIFY(TransmitByType(view, 10));
    QCOMPARE(rig.Commands(), sent);
    QVERIFY(view->LeftOut().isEmpty());
}

void TstTypePages::transmitOrder_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<PageValues>("values");
    QTest::addColumn<bool>("module");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<StageValues>("held"); // what the stage holds afterwards

    const PageValues kev = {{7, 23, 41}, QStringLiteral("Zylinder Ö"), 2, 1, 55};
    const QStringList kevSent = {"PNZylinder Ö", "S7", "R23", "A41", "M3",  "G1",
                                 "T55",          "U0", "H1",  "O2",  "PB1", "L1"};
    QTest::newRow("KEV, module off")
        << kKev << kev << false << false << kevSent + QStringList{"XP0"} << StageValues{};
    // The module's settings go out in upper case; the page keeps them as the stage sent them.
    QTest::newRow("KEV, module on")
        << kKev << kev << true << false
        << kevSent + QStringList{"XP1", "XW0", "XX100", "XY150", "XZ200", "XF1", "XT10"}
        << StageValues{};
    QTest::newRow("KEV, name not answered")
        << kKev << kev << false << true << QStringList{"PNZylinder Ö"} << StageValues{};

    const PageValues stage = {{3, 9, 12}, QStringLiteral("Tisch"), 1, 1, 9};
    const QStringList common = {"PNTisch", "S3", "R9", "A12", "M3", "G1", "T9", "U0"};
    const QStringList levels = {"LT1", "LD0", "LB1", "LA0", "LR1", "LX0"};
    QTest::newRow("LQN, four levels")
        << kLqn << stage << false << false
        << common + QStringList{"PC1", "PE1", "PX1"} + levels.mid(0, 4) << StageValues{};
    // The bus mode again after the overdrive.
    QTest::newRow("HWT") << kHwt << stage << false << false
                         << common + QStringList{"PC1", "PO1", "PX1", "L1"} << StageValues{};
    QTest::newRow("HWK") << kHwk << stage << false << false
                         << common + QStringList{"PL2", "PM3", "PO1", "PX1"} + levels
                         << StageValues{};
    QTest::newRow("HVR, no overdrive")
        << kHvr << stage << false << false << common + QStringList{"PL2", "PM3", "PX1"} + levels
        << StageValues{};
    QTest::newRow("HWK, name not answered")
        << kHwk << stage << false << true << QStringList{"PNTisch"} << StageValues{};

    const PageValues plus = {{7, 23, 41}, QStringLiteral("Tisch"), 1, 12, 9};
    const QStringList plusCommon = {"PNTisch", "S7", "R23", "A41", "M3", "G1", "T9", "U0"};
    // The overdrive goes out after the current shape.
    QTest::newRow("DRQ+") << kDrqPlus << plus << false << false
                          << plusCommon + QStringList{"PC1", "PO1", "L1"} << StageValues{};
    // The currents go out as the sliders stand; the overdrive frequency as its index. A UQT
    // is not asked for its name, so its page has none to send. The stage then holds what
    // the page shows: 0.23 A, and the frequency of entry 12.
    QTest::newRow("UQT") << kUqt << plus << false << false
                         << plusCommon.mid(1) + QStringList{"PO1", "PE1", "K12", "L1"}
                         << StageValues{{"R", 23}, {"PH", 25000}};
    QTest::newRow("DRQ2+") << kDrq2Plus << plus << false << false << plusCommon + QStringList{"L1"}
                           << StageValues{};
    QTest::newRow("VNE+, exactly six")
        << kVnePlus << plus << false << false << plusCommon.mid(0, 6) << StageValues{};
    QTest::newRow("DRQ+, name not answered")
        << kDrqPlus << plus << false << true << QStringList{"PNTisch"} << StageValues{};
}

void TstTypePages::transmitOrder()
{
    QFETCH(DeviceType, type);
    QFETCH(PageValues, values);
    QFETCH(bool, module);
    QFETCH(bool, silent);
    QFETCH(QStringList, expected);
    QFETCH(StageValues, held);
    Rig rig;
    CTarnlinkView* view = rig.OpenOnlineAxis(kAddress, type, SimName(type), "[05] Axis");
    QVERIFY(view);
    // The name field of a UQT takes no typing, and its page never read a name.
    FillIn(view, values);
    Control<QAbstractButton>(view, Ids::kQelSwitch)->setChecked(module);
    view->m_qelSettings = {"xw0", "xx100", "xy150", "xz200", "xf1", "xt10"};
    view->m_logicLevels = {1, 0, 1, 0, 1, 0};
    view->m_displayType1 = 2;
    view->m_displayType2 = 3;
    rig.line.SetSilent(silent);
    rig.t.port().SetLastingTimeout(200);
    rig.bus.ClearLog();

    QCOMPARE(TransmitByType(view, kAddress), !silent);
    QCOMPARE(rig.Commands(), expected);
    QCOMPARE(rig.t.port().ReplyTimeout(), 1000u);
    QCOMPARE(view->m_qelSettings[1], QStringLiteral("xx100"));
    for (const auto& [mnemonic, value] : held) {
        int stored = -1;
        const auto& key = mnemonic; // a lambda cannot capture a structured binding here
        rig.bus.WithAxis(kAddress, [&](SimAxis& a) { stored = a.params[key]; });
        QCOMPARE(stored, value);
    }
}

void TstTypePages::listChangesWrite_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<int>("combo");
    QTest::addColumn<QString>("command");
    QTest::newRow("KEV operation mode") << kKev << int(Ids::kOperationModeCombo) << "PB1";
    QTest::newRow("KEV input function") << kKev << int(Ids::kInputFunctionCombo) << "H1";
    QTest::newRow("KEV output function") << kKev << int(Ids::kOutputFunctionCombo) << "O1";
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
    QTest::newRow("DRQ+ current shape") << kDrqPlus << int(Ids::kInputFunctionCombo) << "PC1";
    QTest::newRow("DRQ+ overdrive") << kDrqPlus << int(Ids::kOutputFunctionCombo) << "PO1";
    QTest::newRow("UQT overdrive") << kUqt << int(Ids::kInputFunctionCombo) << "PO1";
    QTest::newRow("UQT chopper frequency") << kUqt << int(Ids::kOutputFunctionCombo) << "PE1";
    QTest::newRow("UQT overdrive frequency in Hz")
        << kUqt << int(Ids::kOperationModeCombo) << "PH2000";
    QTest::newRow("DRQ2+ input logic") << kDrq2Plus << int(Ids::kInputLogicCombo) << "L1";
}

void TstTypePages::listChangesWrite()
{
    QFETCH(DeviceType, type);
    QFETCH(int, combo);
    QFETCH(QString, command);
    Rig rig;
    CTarnlinkView* view = rig.OpenOnlineAxis(kAddress, type, SimName(type), "[05] Axis");
    QVERIFY(view);
    QVERIFY(!view->GetDocument()->IsModified());
    QCOMPARE(rig.ChooseNextEntry(view, combo), QStringList{command});
    QVERIFY(rig.t.messages.isEmpty());
    // The choice is the page's, for its file, whether or not it went to the stage.
    QVERIFY(view->GetDocument()->IsModified());
}

void TstTypePages::lockAfterRead_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QList<int>>("controls");
    QTest::addColumn<QString>("mode"); // the mode field; empty: not looked at

    const QList<int> levelTypes = {
        Ids::kSliders[0],      Ids::kSliders[1], Ids::kStepCombo,   Ids::kDirectionCombo,
        Ids::kActivationCombo, Ids::kDelaySpin,  Ids::kStoreButton, Ids::kResetButton,
        Ids::kDefaultsButton,  Ids::kLogicButton};
    for (DeviceType type : {kLqn, kHwk, kHvr}) {
        QTest::addRow("%s ps0", SimName(type).constData())
            << type << false << 0 << false << levelTypes << "";
        QTest::addRow("%s ps1", SimName(type).constData())
            << type << false << 1 << true << levelTypes << "";
    }
    QTest::newRow("HWK ps2") << kHwk << false << 2 << true << levelTypes << "";
    // A DRQ+ shows whether its switches apply.
    const QList<int> drq = {Ids::kSliders[0],     Ids::kSliders[2],          Ids::kStepCombo,
                            Ids::kDirectionCombo, Ids::kOutputFunctionCombo, Ids::kDelaySpin,
                            Ids::kStoreButton,    Ids::kDefaultsButton};
    QTest::newRow("DRQ+ switches apply")
        << kDrqPlus << false << 0 << false << drq << "Bus & Schalter";
    QTest::newRow("DRQ+ bus exclusive") << kDrqPlus << false << 1 << true << drq << "Bus exklusiv";
    QTest::newRow("DRQ+ bus exclusive, English")
        << kDrqPlus << true << 1 << true << drq << "Bus exclusive";
    QTest::newRow("DRQ+ switches apply, English")
        << kDrqPlus << true << 0 << false << drq << "Bus & Switch";
}

void TstTypePages::lockAfterRead()
{
    QFETCH(DeviceType, type);
    QFETCH(bool, english);
    QFETCH(int, state);
    QFETCH(bool, enabled);
    QFETCH(QList<int>, controls);
    QFETCH(QString, mode);
    Rig rig;
    if (english)
        rig.app().OnLanguageEnglish();
    CTarnlinkView* view =
        rig.OpenOnlineAxis(kAddress, type, SimName(type), "[05] Axis", {{"PS", state}});
    QVERIFY(view);
    for (int id : controls)
        QVERIFY2(Control(view, id)->isEnabled() == enabled, qPrintable(QString::number(id)));
    QCOMPARE(view->ParametersLocked(), !enabled);
    if (mode.isEmpty())
        return;
    QCOMPARE(Control<QLineEdit>(view, Ids::kModeEdit)->text(), mode);
    QCOMPARE(Control<QComboBox>(view, Ids::kOperationModeCombo)->currentIndex(), state);
}

// --- Cases of one type ------------------------------------------------------------------------

void TstTypePages::kevRunCurrentClamp_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("clamped");
    QTest::newRow("zero") << 0 << 1;
    QTest::newRow("one step") << 1 << 1;
    QTest::newRow("higher") << 30 << 30;
}

void TstTypePages::kevRunCurrentClamp()
{
    QFETCH(int, position);
    QFETCH(int, clamped);
    Rig rig;
    CTarnlinkView* view = rig.OpenNew(kKev, QStringLiteral("04"));
    QSlider* run = Control<QSlider>(view, Ids::kSliders[1]);
    run->setValue(position);
    CEndstufeKEV kev(*view);
    kev.ClampRunCurrent();
    QCOMPARE(run->value(), clamped);
    QCOMPARE(Control<QLineEdit>(view, Ids::kCurrentTexts[1])->text(),
             QString::asprintf("%.01f A", clamped / 10.0));
}

void TstTypePages::lqnRunCurrentClamp()
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

void TstTypePages::sharedTypeOperations()
{
    Rig rig;
    rig.bus.AddAxis(5, "HWK", "HWK 2.10");
    rig.app().OpenAxisDocument(
        CPageOpening::ForAxis(QStringLiteral("5"), QStringLiteral("[05] Axis"), kHwk));
    CTarnlinkView* view = rig.ActiveView();
    QVERIFY(view);
    QCOMPARE(view->DeviceType(), kHwk);
    view->StatusTimer().stop();
    CEndstufeHWK hwk(*view);

    // 0.1 A texts and millisecond delays.
    Control<QSlider>(view, Ids::kSliders[2])->setValue(15);
    QCOMPARE(Control<QLineEdit>(view, Ids::kCurrentTexts[2])->text(), QStringLiteral("1.5 A"));
    Control<QSpinBox>(view, Ids::kDelaySpin)->setValue(70);
    QCOMPARE(Control<QLineEdit>(view, Ids::kDelayText)->text(), QStringLiteral("70 ms"));

    // The lock poll: "ps0" locks the parameters, anything else frees them.
    rig.line.SetGivenReply(1, QByteArray("\x02"
                                         "5ps0\x03"));
    hwk.OnOperationModeChanged();
    QVERIFY(!Control(view, Ids::kStepCombo)->isEnabled());
    QVERIFY(!Control(view, Ids::kSliders[0])->isEnabled());
    rig.line.SetGivenReply(1, QByteArray("\x02"
                                         "5ps1\x03"));
    hwk.OnOperationModeChanged();
    QVERIFY(Control(view, Ids::kStepCombo)->isEnabled());
    rig.line.SetGivenReply(1, QByteArray("\x02"
                                         "5ps0\x03"));
    hwk.OnOperationModeChanged();
    rig.t.port().SetLastingTimeout(100);
    rig.line.SetSilent(true);
    hwk.OnOperationModeChanged(); // no answer: an empty reply frees them
    QVERIFY(Control(view, Ids::kSliders[0])->isEnabled());
    rig.line.SetSilent(false);
    rig.t.port().SetLastingTimeout(1000);

    // Display menus follow the radios; the output function is "PO".
    QComboBox* menu = Control<QComboBox>(view, Ids::kInputFunctionCombo);
    menu->addItems({"a", "b", "c"});
    menu->setCurrentIndex(2);
    Control<QAbstractButton>(view, Ids::kDisplay1Radio)->setChecked(true);
    rig.bus.ClearLog();
    hwk.OnDisplayMenuChanged();
    Control<QAbstractButton>(view, Ids::kDisplay2Radio)->setChecked(true);
    menu->setCurrentIndex(1);
    hwk.OnDisplayMenuChanged();
    QComboBox* output = Control<QComboBox>(view, Ids::kOutputFunctionCombo);
    output->addItems({"aus", "ein"});
    output->setCurrentIndex(1);
    hwk.OnOutputFunctionChanged();
    QCOMPARE(rig.Commands(), (QStringList{"PL2", "PM1", "PO1"}));
    QCOMPARE(view->m_displayType1, 2);
    QCOMPARE(view->m_displayType2, 1);
}

void TstTypePages::lqnShapeAndChopper_data()
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

void TstTypePages::lqnShapeAndChopper()
{
    QFETCH(bool, english);
    QFETCH(int, state);
    QFETCH(int, shape);
    QFETCH(QString, text);
    QFETCH(bool, chopper);
    Rig rig;
    if (english)
        rig.app().OnLanguageEnglish();
    CTarnlinkView* view =
        rig.OpenOnlineAxis(kAddress, kLqn, "LQN", "[05] Axis", {{"PS", state}, {"PC", shape}});
    QVERIFY(view);
    QComboBox* shapes = Control<QComboBox>(view, Ids::kInputFunctionCombo);
    QCOMPARE(shapes->currentText(), text);
    QComboBox* frequency = Control<QComboBox>(view, Ids::kOutputFunctionCombo);
    QCOMPARE(frequency->isEnabled(), chopper);
    if (state == 0)
        return;
    // The user switches the shape off and on: the chopper frequency follows.
    shapes->setCurrentIndex(1);
    rig.bus.ClearLog();
    QTest::keyClick(shapes, Qt::Key_Up);
    QVERIFY(!frequency->isEnabled());
    QTest::keyClick(shapes, Qt::Key_Down);
    QVERIFY(frequency->isEnabled());
    QCOMPARE(rig.Commands(), (QStringList{"PC0", "PC1"}));
}

void TstTypePages::hwkSecondDisplay()
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

void TstTypePages::uqtOverdriveFrequency_data()
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

void TstTypePages::uqtOverdriveFrequency()
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

void TstTypePages::vneStepEntries_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("text");
    QTest::newRow("m15 German") << false << 15 << "1/2 Schritt (konv.)";
    QTest::newRow("m15 English") << true << 15 << "1/2 Step (konv.)";
    QTest::newRow("m11 German, first with boost") << false << 11 << "1/4 Schritt (CS + BU)";
    QTest::newRow("m11 English") << true << 11 << "1/4 Step (CS + BU)";
}

void TstTypePages::vneStepEntries()
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

void TstTypePages::markSitsAtTheCurrent_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("position"); // the slider position of that current
    QTest::newRow("VNE+ 5.5 A") << kVnePlus << "5,5" << 550;
    QTest::newRow("VNE+ 11 A, the full bar") << kVnePlus << "11" << 1100;
    QTest::newRow("VNE+ 0.75 A") << kVnePlus << "0,75" << 75;
    QTest::newRow("UQT 2.5 A") << kUqt << "2,5" << 250;
    QTest::newRow("DRQ+ 3 A") << kDrqPlus << "3" << 300;
    QTest::newRow("DRQ2+ 6.3 A") << kDrq2Plus << "6,3" << 630;
}

void TstTypePages::markSitsAtTheCurrent()
{
    QFETCH(DeviceType, type);
    QFETCH(QString, current);
    QFETCH(int, position);
    Rig rig;
    CTarnlinkView* view = rig.OpenOnlineAxis(kAddress, type, SimName(type), "[05] Axis;" + current);
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

QTEST_MAIN(TstTypePages)
#include "tst_typepages.moc"
