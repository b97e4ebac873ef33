// The KEV power stage on its page: set-up texts in both languages, defaults, the run-current
// clamp, the order of a transmission and the writes of its lists; and the operations the
// device types share, seen on an HWK page.
#include "tests/pages/pagerig.h"

class TstKevPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void setupTexts_data();
    void setupTexts();
    void defaults_data();
    void defaults();
    void runCurrentClamp_data();
    void runCurrentClamp();
    void transmitOrder_data();
    void transmitOrder();
    void comboChangesWrite_data();
    void comboChangesWrite();
    void sharedTypeOperations();
};

void TstKevPage::initTestCase()
{
    qputenv("TARNLINK_CAN", "nosuchplugin:can9");
}

void TstKevPage::setupTexts_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("lists"); // 1020, 1022, 1023, 1021, 1024 joined by "|"
    QTest::addColumn<QStringList>("captions"); // 1029, 1044, 1058, 1102

    QTest::newRow("German") << false << "Schritt"
                            << QStringList{"Negativ|Positiv", "High aktiv|Low aktiv",
                                           "Aktiviert|Deaktiviert", "Boost|Aktivierung",
                                           "Fehlersumme|Grundstellung|Ready"}
                            << QStringList{"Setzen!", "Status Endstufe >>",
                                           "Hardwarereset (Watchdog?)",
                                           "Funktionen Temperaturmodul QEL"};
    QTest::newRow("English") << true << "Step"
                             << QStringList{"Negative|Positive", "High active|Low active",
                                            "Activated|Deactivated", "Boost|Activation",
                                            "Error amount|Basic position|Ready"}
                             << QStringList{"Set!", "Power stage status >>",
                                            "Hardware reset (Watchdog?)",
                                            "Funktions Temperaturemodule QEL"};
}

void TstKevPage::setupTexts()
{
    QFETCH(bool, english);
    QFETCH(QString, step);
    QFETCH(QStringList, lists);
    QFETCH(QStringList, captions);
    Rig rig;
    if (english)
        rig.app().OnLanguageEnglish();
    CTarnlinkView* view = rig.OpenNew(kKev, QStringLiteral("04"));
    QVERIFY(view);

    QStringList steps;
    for (const char* prefix : {"1/1 ", "1/2 ", "1/4 ", "1/5 ", "1/8 ", "1/10 ", "1/20 ", "1/32 ",
                               "1/64 ", "1/128 ", "1/256 "})
        steps.append(QString::fromLatin1(prefix) + step);
    QCOMPARE(Entries(Control<QComboBox>(view, Ids::kStepCombo)), steps);
    const int listed[] = {Ids::kDirectionCombo, Ids::kInputLogicCombo, Ids::kActivationCombo,
                          Ids::kInputFunctionCombo, Ids::kOutputFunctionCombo};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(Entries(Control<QComboBox>(view, listed[i])).join('|'), lists[i]);
    QCOMPARE(Entries(Control<QComboBox>(view, Ids::kOperationModeCombo)),
             (QStringList{"Bus", "Standalone"}));
    const int captioned[] = {1029, 1044, 1058};
    for (int i = 0; i < 3; ++i) {
        QWidget* control = Control(view, captioned[i]);
        const QString text = qobject_cast<QAbstractButton*>(control)
                                 ? qobject_cast<QAbstractButton*>(control)->text()
                                 : qobject_cast<QLabel*>(control)->text();
        QCOMPARE(text, captions[i]);
    }
    QCOMPARE(Control<QGroupBox>(view, Ids::kQelGroup)->title(), captions[3]);
    QCOMPARE(Control<QLabel>(view, Ids::kResetLampLabel)->text(),
             QStringLiteral("Endstufe in Reset / Deaktiviert"));

    for (int which = 0; which < 3; ++which) {
        QSlider* slider = Control<QSlider>(view, Ids::kSliders[which]);
        QCOMPARE(slider->maximum(), 63);
        QCOMPARE(slider->minimum(), 0);
        QCOMPARE(slider->tickInterval(), 5);
        QCOMPARE(Control<QLabel>(view, Ids::kScales[which])->text(),
                 QStringLiteral("0         1,0      2,0      3,0       4,0      5,0      6,0     A"));
        CCurIndicator* bar = Control<CCurIndicator>(view, Ids::kBars[which]);
        QCOMPARE(bar->m_firstColor, QColor(0, 255, 0));
        QCOMPARE(bar->m_secondColor, QColor(255, 233, 37));
        QCOMPARE(bar->m_thirdColor, QColor(255, 0, 0));
    }
    QSpinBox* spin = Control<QSpinBox>(view, Ids::kDelaySpin);
    QCOMPARE(spin->minimum(), 1);
    QCOMPARE(spin->maximum(), 200);
    QCOMPARE(view->m_markerScale, 1.59);
    // The module controls stay; the per-type extras of other types do not show.
    for (int id : {Ids::kQelGroup, Ids::kQelSwitch, Ids::kQelStatusButton})
        QVERIFY(!Control(view, id)->isHidden());
    for (int id : {Ids::kDisplay1Radio, Ids::kDisplay2Radio, Ids::kLogicButton, Ids::kModeEdit})
        QVERIFY(Control(view, id)->isHidden());
    QCOMPARE(Lamps(view), (QList<int>{168, 168, 168, 166, 164, 166}));
}

void TstKevPage::defaults_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("KEV") << kKev;
    QTest::newRow("HWK as KEV") << kHwk;
    QTest::newRow("HVR as KEV") << kHvr;
}

void TstKevPage::defaults()
{
    QFETCH(int, type);
    Rig rig;
    rig.bus.ClearLog();
    CTarnlinkView* view = rig.OpenNew(type, QStringLiteral("0A"));
    QVERIFY(view);
    QCOMPARE(view->AddressText(), QStringLiteral("Off"));
    QCOMPARE(view->DeviceType(), type);
    const int positions[3] = {1, 2, 4};
    for (int which = 0; which < 3; ++which)
        QCOMPARE(Control<QSlider>(view, Ids::kSliders[which])->value(), positions[which]);
    QCOMPARE(Control<QSpinBox>(view, Ids::kDelaySpin)->value(), 40);
    QCOMPARE(Control<QLineEdit>(view, Ids::kDelayText)->text(), QStringLiteral("40 ms"));
    if (type == kKev) {
        QCOMPARE(Control<QLineEdit>(view, Ids::kCurrentTexts[2])->text(), QStringLiteral("0.4 A"));
        QCOMPARE(Control<QComboBox>(view, Ids::kStepCombo)->currentIndex(), 0);
        QCOMPARE(Control<QComboBox>(view, Ids::kOutputFunctionCombo)->currentIndex(), 0);
    }
    // The stage is not asked; only the transmission stays available.
    QVERIFY(rig.Commands().isEmpty());
    QVERIFY(!Control(view, Ids::kStoreButton)->isEnabled());
    QVERIFY(!Control(view, Ids::kStatusButton)->isEnabled());
    QVERIFY(Control(view, Ids::kTransmitButton)->isEnabled());
    // The new axis is listed offline under its type.
    QTreeWidgetItem* item = rig.frame->AxisItem(10);
    QVERIFY(item);
    QCOMPARE(view->TreeItem(), item);
    QCOMPARE(item->text(0), QStringLiteral("[10]"));
    QCOMPARE(item->parent(), rig.frame->GroupItem(type));
    QCOMPARE(CMainFrame::ItemImage(item), int(CMainFrame::ImageGrey));
    QCOMPARE(view->VersionText(), "b" + rig.app().m_typeNames[std::size_t(type)]);
}

void TstKevPage::runCurrentClamp_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("clamped");
    QTest::newRow("zero") << 0 << 1;
    QTest::newRow("one step") << 1 << 1;
    QTest::newRow("higher") << 30 << 30;
}

void TstKevPage::runCurrentClamp()
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

void TstKevPage::transmitOrder_data()
{
    QTest::addColumn<bool>("module");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QStringList>("expected");

    const QStringList common = {"PNZylinder Ö", "S7", "R23", "A41", "M3", "G1",
                                "T55", "U0", "H1", "O2", "PB1", "L1"};
    QTest::newRow("module off") << false << false << common + QStringList{"XP0"};
    QTest::newRow("module on")
        << true << false
        << common + QStringList{"XP1", "XW0", "XX100", "XY150", "XZ200", "XF1", "XT10"};
    QTest::newRow("name not answered") << false << true << QStringList{"PNZylinder Ö"};
}

void TstKevPage::transmitOrder()
{
    QFETCH(bool, module);
    QFETCH(bool, silent);
    QFETCH(QStringList, expected);
    Rig rig;
    CTarnlinkView* view = rig.OpenOnline();
    QVERIFY(view);
    view->StatusTimer().stop();
    const int values[3] = {7, 23, 41};
    for (int which = 0; which < 3; ++which)
        Control<QSlider>(view, Ids::kSliders[which])->setValue(values[which]);
    Control<QLineEdit>(view, Ids::kNameEdit)->setText(QStringLiteral("Zylinder Ö"));
    const QList<QPair<int, int>> selections = {{Ids::kStepCombo, 3},           {Ids::kDirectionCombo, 1},
                                               {Ids::kActivationCombo, 0},     {Ids::kInputFunctionCombo, 1},
                                               {Ids::kOutputFunctionCombo, 2}, {Ids::kOperationModeCombo, 1},
                                               {Ids::kInputLogicCombo, 1}};
    for (const auto& [combo, index] : selections)
        Control<QComboBox>(view, combo)->setCurrentIndex(index);
    Control<QSpinBox>(view, Ids::kDelaySpin)->setValue(55);
    Control<QAbstractButton>(view, Ids::kQelSwitch)->setChecked(module);
    view->m_qelSettings = {"xw0", "xx100", "xy150", "xz200", "xf1", "xt10"};
    rig.line.SetSilent(silent);
    rig.bus.ClearLog();

    CEndstufeKEV kev(*view);
    QCOMPARE(kev.TransmitSettings(QStringLiteral("3")), !silent);
    QStringList sent;
    for (const SimRequest& request : rig.bus.Requests())
        sent.append(QString::fromLatin1(request.command));
    QCOMPARE(sent, expected);
    QCOMPARE(rig.t.port().m_replyTimeout, 1000u);
    // The stored settings stay in lower case.
    QCOMPARE(view->m_qelSettings[1], QStringLiteral("xx100"));
}

void TstKevPage::comboChangesWrite_data()
{
    QTest::addColumn<int>("combo");
    QTest::addColumn<QString>("command");
    QTest::newRow("operation mode") << int(Ids::kOperationModeCombo) << "PB1";
    QTest::newRow("input function") << int(Ids::kInputFunctionCombo) << "H1";
    QTest::newRow("output function") << int(Ids::kOutputFunctionCombo) << "O1";
}

void TstKevPage::comboChangesWrite()
{
    QFETCH(int, combo);
    QFETCH(QString, command);
    Rig rig;
    CTarnlinkView* view = rig.OpenOnline();
    QVERIFY(view);
    view->StatusTimer().stop();
    QComboBox* box = Control<QComboBox>(view, combo);
    box->setCurrentIndex(0);
    rig.bus.ClearLog();
    QVERIFY(!view->GetDocument()->IsModified());
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->currentIndex(), 1);
    QCOMPARE(rig.Commands(), QStringList{command});
    QVERIFY(view->GetDocument()->IsModified());
}

void TstKevPage::sharedTypeOperations()
{
    Rig rig;
    rig.bus.AddAxis(5, "HWK", "HWK 2.10");
    rig.app().m_currentType = kHwk;
    rig.app().m_nextAddress = QStringLiteral("5");
    rig.app().m_nextLabel = QStringLiteral("[05] Axis");
    rig.app().OpenAxisDocument();
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
    rig.line.SetGivenReply(1, QByteArray("\x02" "5ps0\x03"));
    hwk.OnOperationModeChanged();
    QVERIFY(!Control(view, Ids::kStepCombo)->isEnabled());
    QVERIFY(!Control(view, Ids::kSliders[0])->isEnabled());
    rig.line.SetGivenReply(1, QByteArray("\x02" "5ps1\x03"));
    hwk.OnOperationModeChanged();
    QVERIFY(Control(view, Ids::kStepCombo)->isEnabled());
    rig.line.SetGivenReply(1, QByteArray("\x02" "5ps0\x03"));
    hwk.OnOperationModeChanged();
    rig.t.port().m_replyTimeout = 100;
    rig.line.SetSilent(true);
    hwk.OnOperationModeChanged(); // no answer: an empty reply frees them
    QVERIFY(Control(view, Ids::kSliders[0])->isEnabled());
    rig.line.SetSilent(false);
    rig.t.port().m_replyTimeout = 1000;

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

QTEST_MAIN(TstKevPage)
#include "tst_kevpage.moc"
