// The parameter page against the simulated bus: opened from the tree, read from a KEV
// stage, polled for its status lamps, placed beside its file page, and closed with its
// tree item brought up to date; the current scales under its sliders.
#include "controls/balloontip/cballoontip.h"
#include "controls/scalelabel/cscalelabel.h"
#include "pages/cdevicetypetables.h"
#include "tests/pages/pagerig.h"
#include "tests/support/sliderpixels.h"

#include <map>

class TstParameterPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void doubleClickOpensOnePage();
    void readShowsEveryValue_data();
    void readShowsEveryValue();
    void failedReadStopsSequence_data();
    void failedReadStopsSequence();
    void statusLamps_data();
    void statusLamps();
    void pollRunsOnlyWhileActiveAndOnline();
    void filePagePlacedBesideOnlinePage();
    void nameLength_data();
    void nameLength();
    void keyboardPath();
    void fileAddressRegistersAxis_data();
    void fileAddressRegistersAxis();
    void closingUpdatesTreeItem_data();
    void closingUpdatesTreeItem();
    void pageOutlivesItsDroppedAxis();
    void currentScalesLineUp_data();
    void currentScalesLineUp();
};

void TstParameterPage::initTestCase()
{
    qputenv("TARNLINK_CAN", "nosuchplugin:can9");
}

void TstParameterPage::doubleClickOpensOnePage()
{
    Rig rig;
    CTarnlinkView* view = rig.OpenOnline();
    QVERIFY(view);
    QMdiArea* area = rig.frame->MdiArea();
    QCOMPARE(area->subWindowList().size(), 1);
    QCOMPARE(area->activeSubWindow()->windowTitle(), QStringLiteral("[03] Axis"));
    QCOMPARE(view->AddressText(), QStringLiteral("3"));
    QCOMPARE(view->DeviceType(), kKev);
    QCOMPARE(rig.Commands().mid(0, kKevReads.size()), kKevReads);

    // Another page in front; the axis's second double-click brings its page back.
    CTarnlinkView* other = rig.OpenNew(kHwk, QStringLiteral("05"));
    QVERIFY(other && other != view);
    rig.bus.ClearLog();
    rig.DoubleClick(rig.frame->AxisItem(3));
    QCOMPARE(area->subWindowList().size(), 2);
    QCOMPARE(rig.ActiveView(), view);
    QVERIFY(!rig.Commands().contains(QStringLiteral("PN?")));
    QVERIFY(rig.t.messages.isEmpty());
}

void TstParameterPage::readShowsEveryValue_data()
{
    QTest::addColumn<int>("module");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("output");
    QTest::addColumn<int>("expectedStep");
    QTest::addColumn<int>("expectedOutput");

    QTest::newRow("module off") << 0 << 4 << 2 << 4 << 2;
    QTest::newRow("module on") << 1 << 10 << 0 << 10 << 0;
    // Values the lists do not hold select nothing.
    QTest::newRow("values beyond the lists") << 0 << 11 << -1 << -1 << -1;
    QTest::newRow("step far out") << 0 << 9999 << 7 << -1 << -1;
}

void TstParameterPage::readShowsEveryValue()
{
    QFETCH(int, module);
    QFETCH(int, step);
    QFETCH(int, output);
    QFETCH(int, expectedStep);
    QFETCH(int, expectedOutput);
    Rig rig;
    rig.bus.WithAxis(3, [](SimAxis& a) { a.name = "Achse Z;1,5"; });
    const QList<QPair<QByteArray, int>> values = {
        {"S", 7},  {"R", 23}, {"A", 41}, {"M", step},   {"G", 1},  {"L", 1},
        {"T", 55}, {"U", 1},  {"H", 1},  {"O", output}, {"PB", 1}, {"XP", module}};
    for (const auto& [mnemonic, value] : values)
        rig.Set(mnemonic, value);

    CTarnlinkView* view = rig.OpenOnline();
    QVERIFY(view);
    const QString moduleSwitch = module ? QStringLiteral("XP1") : QStringLiteral("XP0");
    QCOMPARE(rig.Commands().mid(0, kKevReads.size() + 1), kKevReads + QStringList{moduleSwitch});
    QVERIFY(rig.t.messages.isEmpty());

    QCOMPARE(Control<QLineEdit>(view, Ids::kNameEdit)->text(), QStringLiteral("Achse Z;1,5"));
    const int sliders[3] = {7, 23, 41};
    const QString texts[3] = {"0.7 A", "2.3 A", "4.1 A"};
    for (int which = 0; which < 3; ++which) {
        QSlider* slider = Control<QSlider>(view, Ids::kSliders[which]);
        QCOMPARE(slider->value(), sliders[which]);
        QCOMPARE(Control<QLineEdit>(view, Ids::kCurrentTexts[which])->text(), texts[which]);
        QCOMPARE(slider->toolTip(), texts[which]);
    }
    QComboBox* steps = Control<QComboBox>(view, Ids::kStepCombo);
    QCOMPARE(steps->currentIndex(), expectedStep);
    if (expectedStep == 4)
        QCOMPARE(steps->currentText(), QStringLiteral("1/8 Schritt"));
    QCOMPARE(Control<QComboBox>(view, Ids::kDirectionCombo)->currentText(),
             QStringLiteral("Positiv"));
    QCOMPARE(Control<QComboBox>(view, Ids::kInputLogicCombo)->currentText(),
             QStringLiteral("Low aktiv"));
    QCOMPARE(Control<QComboBox>(view, Ids::kActivationCombo)->currentText(),
             QStringLiteral("Deaktiviert"));
    QCOMPARE(Control<QComboBox>(view, Ids::kInputFunctionCombo)->currentText(),
             QStringLiteral("Aktivierung"));
    QCOMPARE(Control<QComboBox>(view, Ids::kOutputFunctionCombo)->currentIndex(), expectedOutput);
    QCOMPARE(Control<QComboBox>(view, Ids::kOperationModeCombo)->currentText(),
             QStringLiteral("Standalone"));
    QCOMPARE(Control<QLineEdit>(view, Ids::kDelayText)->text(), QStringLiteral("55 ms"));
    QCOMPARE(Control<QSpinBox>(view, Ids::kDelaySpin)->value(), 55);
    QCOMPARE(view->m_firmware, 2.35f);

    auto* box = Control<QAbstractButton>(view, Ids::kQelSwitch);
    QCOMPARE(box->isChecked(), module == 1);
    QCOMPARE(box->text(), module ? QStringLiteral("QEL online") : QStringLiteral("QEL offline"));
    for (int id : {Ids::kQelStatusButton, Ids::kQelSettingsButton, Ids::kQelResetButton})
        QCOMPARE(Control(view, id)->isEnabled(), module == 1);
    QVERIFY(view->StatusTimer().isActive());
}

void TstParameterPage::failedReadStopsSequence_data()
{
    QTest::addColumn<QByteArray>("missing");
    QTest::addColumn<int>("reads");
    QTest::newRow("stop current") << QByteArray("S") << 2;
    QTest::newRow("step resolution") << QByteArray("M") << 5;
    QTest::newRow("module switch") << QByteArray("XP") << 14;
}

void TstParameterPage::failedReadStopsSequence()
{
    QFETCH(QByteArray, missing);
    QFETCH(int, reads);
    Rig rig;
    rig.bus.WithAxis(3, [&](SimAxis& a) {
        a.name = "Hub";
        a.params.remove(missing);
        a.params["R"] = 33;
    });
    CTarnlinkView* view = rig.OpenOnline();
    QVERIFY(view);
    QCOMPARE(rig.Commands(), kKevReads.mid(0, reads));
    QCOMPARE(rig.t.messages, QStringList{QStringLiteral("Schnittstelle TIMEOUT!")});
    // What was read before the failure stays on the page.
    QCOMPARE(Control<QLineEdit>(view, Ids::kNameEdit)->text(), QStringLiteral("Hub"));
    QCOMPARE(Control<QSlider>(view, Ids::kSliders[1])->value(), reads > 2 ? 33 : 0);
    // No status poll without a good first read.
    QVERIFY(!view->StatusTimer().isActive());
    QTest::qWait(600);
    QVERIFY(!rig.Commands().contains(QStringLiteral("F?")));
}

void TstParameterPage::statusLamps_data()
{
    QTest::addColumn<QList<int>>("statusWords");
    QTest::addColumn<QList<int>>("lamps"); // 1223 .. 1228

    const int red = CLedPictures::kRedOff, yellow = CLedPictures::kYellowOff,
              green = CLedPictures::kGreenOff;
    QTest::newRow("all clear") << QList<int>{0} << QList<int>{red, red, red, yellow, green, yellow};
    QTest::newRow("undervoltage") << QList<int>{1}
                                  << QList<int>{red + 1, red, red, yellow, green, yellow};
    QTest::newRow("overtemperature")
        << QList<int>{2} << QList<int>{red, red + 1, red, yellow, green, yellow};
    QTest::newRow("short circuit keeps the others")
        << QList<int>{1, 3} << QList<int>{red + 1, red, red + 1, yellow, green, yellow};
    QTest::newRow("bit 2 is a short circuit")
        << QList<int>{2, 4} << QList<int>{red, red + 1, red + 1, yellow, green, yellow};
    QTest::newRow("short circuit over")
        << QList<int>{3, 0} << QList<int>{red, red, red, yellow, green, yellow};
    QTest::newRow("watchdog stays lit")
        << QList<int>{0x80, 0} << QList<int>{red, red, red, yellow + 1, green, yellow};
    QTest::newRow("watchdog with reset lamp")
        << QList<int>{0x80} << QList<int>{red, red, red, yellow + 1, green, yellow + 1};
    QTest::newRow("basic position")
        << QList<int>{0x20} << QList<int>{red, red, red, yellow, green + 1, yellow};
    QTest::newRow("basic position left")
        << QList<int>{0x20, 0} << QList<int>{red, red, red, yellow, green, yellow};
    QTest::newRow("reset or deactivated")
        << QList<int>{8} << QList<int>{red, red, red, yellow, green, yellow + 1};
}

void TstParameterPage::statusLamps()
{
    QFETCH(QList<int>, statusWords);
    QFETCH(QList<int>, lamps);
    Rig rig;
    CTarnlinkView* view = rig.OpenOnline();
    QVERIFY(view);
    for (int status : statusWords) {
        rig.bus.WithAxis(3, [status](SimAxis& a) { a.status = status; });
        view->OnTimer();
        QVERIFY(view->StatusTimer().isActive());
    }
    QCOMPARE(Lamps(view), lamps);
    QCOMPARE(view->StatusTimer().interval(), 500);
}

void TstParameterPage::pollRunsOnlyWhileActiveAndOnline()
{
    Rig rig;
    CTarnlinkView* view = rig.OpenOnline();
    QVERIFY(view);
    rig.bus.WithAxis(3, [](SimAxis& a) { a.status = 0x20; });
    QTRY_COMPARE_WITH_TIMEOUT(view->LampImage(Ids::kHomeLamp), CLedPictures::kGreenOff + 1, 20000);

    // Another page in front: this one stops asking.
    QMdiSubWindow* window = rig.frame->MdiArea()->activeSubWindow();
    CTarnlinkView* other = rig.OpenNew(kKev, QStringLiteral("06"));
    QVERIFY(other);
    QVERIFY(!view->StatusTimer().isActive());
    // An offline page never polls.
    QVERIFY(!other->StatusTimer().isActive());
    rig.bus.ClearLog();
    QTest::qWait(700);
    QVERIFY(!rig.Commands().contains(QStringLiteral("F?")));

    rig.frame->MdiArea()->setActiveSubWindow(window);
    QVERIFY(view->StatusTimer().isActive());
    QTRY_VERIFY_WITH_TIMEOUT(rig.Commands().contains(QStringLiteral("F?")), 20000);

    // Listen mode: the tick asks nothing and the poll stays off.
    rig.t.port().StartListening();
    rig.bus.ClearLog();
    view->OnTimer();
    QVERIFY(!view->StatusTimer().isActive());
    QVERIFY(rig.Commands().isEmpty());
    rig.t.port().StopListening();

    // A stage that stopped answering: the poll ends, and activation does not restart it.
    rig.line.SetSilent(true);
    view->OnTimer();
    QVERIFY(!view->StatusTimer().isActive());
    QVERIFY(rig.t.port().NoAnswer());
    view->OnActivateView(true);
    QVERIFY(!view->StatusTimer().isActive());
}

void TstParameterPage::filePagePlacedBesideOnlinePage()
{
    Rig rig;
    CTarnlinkView* filePage = rig.OpenNew(kKev, QStringLiteral("03"));
    QVERIFY(filePage);
    QMdiSubWindow* fileWindow = rig.frame->MdiArea()->activeSubWindow();
    fileWindow->move(0, 0);
    rig.app().OpenAxisDocument(
        CPageOpening::ForAxis(QStringLiteral("3"), QStringLiteral("[03] Axis"), kKev));
    QMdiSubWindow* onlineWindow = rig.frame->MdiArea()->activeSubWindow();
    QVERIFY(onlineWindow != fileWindow);
    QCOMPARE(fileWindow->pos(), onlineWindow->pos() + QPoint(270, 0));
    QVERIFY(rig.app().m_focusPlaced);

    // The flag set with the move swallows the next focus of an online page.
    fileWindow->move(0, 0);
    rig.frame->MdiArea()->setActiveSubWindow(fileWindow);
    rig.frame->MdiArea()->setActiveSubWindow(onlineWindow);
    QVERIFY(!rig.app().m_focusPlaced);
    QCOMPARE(fileWindow->pos(), QPoint(0, 0));
}

void TstParameterPage::nameLength_data()
{
    QTest::addColumn<int>("interfaceType");
    QTest::addColumn<int>("length");   // how long a name the user may type
    QTest::addColumn<QString>("from"); // where the page's name comes from
    QTest::addColumn<QString>("read"); // the name read there
    QTest::newRow("serial") << 0 << 40 << "new" << QString();
    QTest::newRow("CAN") << 1 << 7 << "new" << QString();
    // Names beyond the typed length, written by another program or by hand.
    QTest::newRow("46 characters from the stage")
        << 0 << 40 << "stage" << QStringLiteral("Hubachse links oben, Halle 3, Linie 12 (alt 2)");
    QTest::newRow("52 characters from a file")
        << 0 << 40 << "file"
        << QStringLiteral("Vorschubachse rechts unten, Halle 3, Linie 12 Ö-Ende");
    // Characters the user may not type, from a stage another program named, or a file: kept,
    // also when the user types beside them.
    QTest::newRow("typing's forbidden characters from the stage")
        << 0 << 40 << "stage" << QStringLiteral("Achse:Links|1 \"Z\"");
    QTest::newRow("typing's forbidden characters from a file")
        << 0 << 40 << "file" << QStringLiteral("Achse/Links*1?");
}

void TstParameterPage::nameLength()
{
    QFETCH(int, interfaceType);
    QFETCH(int, length);
    QFETCH(QString, from);
    QFETCH(QString, read);
    Rig rig;
    rig.t.port().SetInterface(BusInterfaceOfComType(interfaceType));
    CTarnlinkView* view = nullptr;
    if (from == QStringLiteral("stage")) {
        rig.bus.WithAxis(3, [&](SimAxis& a) { a.name = read.toLatin1(); });
        view = rig.OpenOnline();
    } else if (from == QStringLiteral("file")) {
        // A file of the KEV at 3, which the tree lists online.
        rig.AddItem(3, kKev, QStringLiteral("[03] Axis"), CMainFrame::ImageGreen);
        view = rig.OpenFile("Address\t\t\t\t[03]\r\nController version and type:\t[bKEV]\r\n"
                            "Axis name:\t\t\t[pn" +
                            read.toLatin1() + "]\r\n");
    } else {
        view = rig.OpenNew(kKev, QStringLiteral("04"));
    }
    QVERIFY(view);
    view->StatusTimer().stop();
    QLineEdit* name = Control<QLineEdit>(view, Ids::kNameEdit);
    QCOMPARE(name->text(), read);

    // Shown, saved and sent whole.
    if (!read.isEmpty()) {
        const QString saved = rig.Path(QStringLiteral("saved.sdf"));
        QVERIFY(view->GetDocument()->DoSave(saved));
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("[pn" + read.toLatin1() + "]\r\n"));
        rig.bus.ClearLog();
        if (from == QStringLiteral("file"))
            QVERIFY(TransmitByType(view, 3));
        else
            Control<QAbstractButton>(view, Ids::kSetNameButton)->click();
        QCOMPARE(rig.Commands().value(0), QStringLiteral("PN") + read);
    }

    // Typing adds nothing to a name of the typed length or longer; deleting inside it
    // shortens it where the caret is, and typing there stops at the typed length again.
    name->setFocus();
    name->end(false);
    QTest::keyClicks(name, QString(50, QLatin1Char('x')));
    const QString typed = read.size() >= length ? read : (read + QString(50, 'x')).left(length);
    QCOMPARE(name->text(), typed);
    // Nothing forbidden was typed: no warning.
    QVERIFY(!view->findChild<CBalloonTip*>()->isVisible());
    name->setCursorPosition(20);
    for (int i = 0; i < 15; ++i)
        QTest::keyClick(name, Qt::Key_Backspace);
    QTest::keyClicks(name, QString(50, QLatin1Char('y')));
    const qsizetype caret = std::min<qsizetype>(20, typed.size());
    const qsizetype cut = std::max<qsizetype>(caret - 15, 0);
    const QString kept = typed.left(cut) + typed.mid(caret);
    QCOMPARE(name->text(), kept.left(cut) + QString(length - kept.size(), 'y') + kept.mid(cut));
}

void TstParameterPage::keyboardPath()
{
    Rig rig;
    rig.Set("R", 20);
    CTarnlinkView* view = rig.OpenOnline();
    QVERIFY(view);
    view->StatusTimer().stop();
    QSlider* run = Control<QSlider>(view, Ids::kSliders[1]);
    rig.bus.ClearLog();
    QTest::keyPress(run, Qt::Key_Right);
    QCOMPARE(run->value(), 21);
    QVERIFY(rig.Commands().isEmpty());
    QTest::keyRelease(run, Qt::Key_Right);
    QCOMPARE(rig.Commands(), QStringList{"R21"});
    QTest::keyClick(Control<QSlider>(view, Ids::kSliders[0]), Qt::Key_Left);
    QCOMPARE(rig.Commands().last(),
             QStringLiteral("S%1").arg(Control<QSlider>(view, Ids::kSliders[0])->value()));
    // The other keys that move the slider write it the same way.
    rig.bus.ClearLog();
    QTest::keyClick(run, Qt::Key_Up);
    QCOMPARE(rig.Commands(), QStringList{"R22"});
    rig.bus.ClearLog();

    // The delay spin sends its position when the mouse button is let go.
    QSpinBox* spin = Control<QSpinBox>(view, Ids::kDelaySpin);
    const QPoint up(spin->width() / 2, 2);
    QTest::mousePress(spin, Qt::LeftButton, {}, up);
    QVERIFY(rig.Commands().isEmpty());
    QTest::mouseRelease(spin, Qt::LeftButton, {}, up);
    QCOMPARE(rig.Commands(), QStringList{QStringLiteral("T%1").arg(spin->value())});
    QCOMPARE(Control<QLineEdit>(view, Ids::kDelayText)->text(),
             QStringLiteral("%1 ms").arg(spin->value()));
}

void TstParameterPage::fileAddressRegistersAxis_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("typeLine");
    QTest::addColumn<int>("slot");
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<QString>("label");

    QTest::newRow("HWK at 05") << "05"
                               << "bHWK 2.10" << 5 << kHwk << "[05] Pumpe";
    QTest::newRow("one digit") << "7"
                               << "bKEV 1.62" << 7 << kKev << "[07] Pumpe";
    QTest::newRow("address beyond the bus") << "7F"
                                            << "bKEV 1.62" << -1 << kKev << "";
    QTest::newRow("not hexadecimal") << "x1"
                                     << "bKEV 1.62" << -1 << kKev << "";
    QTest::newRow("no known type") << "06"
                                   << "bXYZ 1.00" << -1 << kKev << "";
}

void TstParameterPage::fileAddressRegistersAxis()
{
    QFETCH(QString, address);
    QFETCH(QString, typeLine);
    QFETCH(int, slot);
    QFETCH(DeviceType, type);
    QFETCH(QString, label);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("achse.sdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Tarnlink parameter file of 16.08.18 - 14:05\r\n");
    file.write(QByteArray(74, '-') + "\r\n\r\n");
    file.write("Address\t\t\t\t[" + address.toLatin1() + "]\r\n");
    file.write("Controller version and type:\t[" + typeLine.toLatin1() + "]\r\n");
    file.write("Axis name:\t\t\t[pnPumpe]\r\n\r\n");
    file.close();

    Rig rig;
    rig.bus.ClearLog();
    QVERIFY(rig.app().OpenDocumentFile(path));
    CTarnlinkView* view = rig.ActiveView();
    QVERIFY(view);
    if (slot < 0) {
        // A file the bus cannot take is refused with a message, and its page goes again.
        QCOMPARE(rig.t.messages.size(), 1);
        QVERIFY(rig.t.messages.first().endsWith(path));
        QVERIFY(rig.t.messages.first().startsWith(QStringLiteral("Die Datei ist keine")));
        QTRY_VERIFY(rig.frame->MdiArea()->subWindowList().isEmpty());
        for (int a = 0; a < CMainFrame::kAddressSlots; ++a)
            QVERIFY(!rig.frame->AxisItem(a));
        QVERIFY(rig.Commands().isEmpty());
        return;
    }
    QVERIFY(rig.t.messages.isEmpty());
    QCOMPARE(view->AddressText(), QStringLiteral("Off"));
    QCOMPARE(view->DeviceType(), type);
    QCOMPARE(view->VersionText(), typeLine);
    QCOMPARE(view->GetDocument()->Lines().size(), 7);
    QVERIFY(view->GetDocument()->Lines().at(3).endsWith(QStringLiteral("]\r\n")));
    int listed = 0;
    for (int a = 0; a < CMainFrame::kAddressSlots; ++a)
        listed += rig.frame->AxisItem(a) != nullptr;
    if (slot < 0) {
        QCOMPARE(listed, 0);
        QCOMPARE(view->AxisAddress(), -1);
    } else {
        QCOMPARE(listed, 1);
        QTreeWidgetItem* item = rig.frame->AxisItem(slot);
        QVERIFY(item);
        QCOMPARE(view->AxisAddress(), slot);
        QCOMPARE(item->text(0), label);
        QCOMPARE(item->parent(), rig.frame->GroupItem(type));
        QCOMPARE(CMainFrame::ItemImage(item), int(CMainFrame::ImageGrey));
    }
    QVERIFY(rig.Commands().isEmpty());
}

void TstParameterPage::closingUpdatesTreeItem_data()
{
    QTest::addColumn<int>("image");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<int>("imageAfter");
    QTest::addColumn<QString>("labelAfter");
    QTest::addColumn<bool>("rememberedYellow");

    QTest::newRow("found again: name read back")
        << 0 << true << QStringList{"PN?"} << true << 2 << "[03] Neuer Name" << true;
    // Unread, the name stays; the page is gone all the same.
    QTest::newRow("found again, no answer")
        << 0 << false << QStringList{"PN?"} << true << 2 << "[03]" << true;
    QTest::newRow("file only: item removed")
        << 1 << true << QStringList{} << false << -1 << "" << true;
    QTest::newRow("red: yellow forgotten")
        << 3 << true << QStringList{} << true << 3 << "[03]" << false;
    QTest::newRow("green: unchanged") << 2 << true << QStringList{} << true << 2 << "[03]" << true;
}

void TstParameterPage::closingUpdatesTreeItem()
{
    QFETCH(int, image);
    QFETCH(bool, answers);
    QFETCH(QStringList, sent);
    QFETCH(bool, kept);
    QFETCH(int, imageAfter);
    QFETCH(QString, labelAfter);
    QFETCH(bool, rememberedYellow);
    Rig rig;
    CTarnlinkView* view = rig.OpenNew(kKev, QStringLiteral("03"));
    QVERIFY(view);
    QTreeWidgetItem* item = rig.frame->AxisItem(3);
    QCOMPARE(view->AxisAddress(), 3);
    rig.app().Axes().SetImage(3, image);
    rig.app().m_rememberedYellow = true;
    rig.bus.WithAxis(3, [](SimAxis& a) { a.name = "Neuer Name"; });
    rig.line.SetSilent(!answers);
    // A silent stage is waited for briefly; one that answers has the full time.
    if (!answers)
        rig.t.port().SetLastingTimeout(100);
    rig.bus.ClearLog();

    CloseAndDelete(rig.frame->MdiArea()->subWindowList().first());
    QVERIFY(rig.frame->MdiArea()->subWindowList().isEmpty());
    QCOMPARE(rig.Commands(), sent);
    QCOMPARE(rig.frame->AxisItem(3) != nullptr, kept);
    if (kept) {
        QCOMPARE(CMainFrame::ItemImage(item), imageAfter);
        QCOMPARE(item->text(0), labelAfter);
    } else {
        QCOMPARE(rig.frame->GroupItem(kKev)->childCount(), 0);
    }
    QCOMPARE(rig.app().m_rememberedYellow, rememberedYellow);

    // A page whose item the frame took away leaves the tree alone.
    CTarnlinkView* again = rig.OpenNew(kKev, QStringLiteral("04"));
    QCOMPARE(again->AxisAddress(), 4);
    rig.app().Axes().Remove(4);
    QCOMPARE(again->AxisAddress(), -1);
    rig.bus.ClearLog();
    CloseAndDelete(rig.frame->MdiArea()->activeSubWindow());
    QVERIFY(rig.Commands().isEmpty());
}

void TstParameterPage::pageOutlivesItsDroppedAxis()
{
    Rig rig;
    QTemporaryDir dir;
    // The file page of the KEV at 07 joins the axis the search found.
    rig.bus.AddAxis(7, "KEV", "KEV 2.35");
    rig.Search();
    rig.frame->StatusTimer().stop();
    QVERIFY(rig.app().OpenDocumentFile(TestApp::WriteKevFile(dir, QStringLiteral("a.sdf"))));
    const QPointer<CTarnlinkView> filePage = rig.ActiveView();
    QVERIFY(filePage);
    QCOMPARE(filePage->AxisAddress(), 7);
    QCOMPARE(rig.app().Axes().Image(7), int(CMainFrame::ImageYellow));

    // The stage stops answering: the poll drops its axis and the search finds it no more.
    rig.bus.RemoveAxis(7);
    rig.t.port().SetLastingTimeout(100);
    rig.frame->OnStatusPoll();
    rig.frame->StatusTimer().stop();
    QVERIFY(!rig.frame->AxisItem(7));
    QVERIFY(filePage);
    QCOMPARE(filePage->AxisAddress(), -1);
    QCOMPARE(filePage->UpdateAllowedCurrentMark(), 0);

    // A new axis at the same address belongs to its own page: the old page leaves it be as
    // it closes.
    const QPointer<CTarnlinkView> newPage = rig.OpenNew(kKev, QStringLiteral("07"));
    QVERIFY(newPage && newPage != filePage);
    QCOMPARE(rig.app().Axes().Image(7), int(CMainFrame::ImageGrey));
    CloseAndDelete(filePage->GetDocument()->Frames().value(0));
    QVERIFY(!filePage);
    QVERIFY(newPage);
    QCOMPARE(newPage->AxisAddress(), 7);
    QCOMPARE(CMainFrame::ItemImage(rig.frame->AxisItem(7)), int(CMainFrame::ImageGrey));
    CloseAndDelete(newPage->GetDocument()->Frames().value(0));
    QVERIFY(!rig.frame->AxisItem(7));
}

void TstParameterPage::currentScalesLineUp_data()
{
    AddTypeAndLanguageRows();
}

void TstParameterPage::currentScalesLineUp()
{
    QFETCH(DeviceType, type);
    QFETCH(bool, english);
    Rig rig;
    if (english)
        rig.app().OnLanguageEnglish();
    QPointer<CTarnlinkView> view = rig.OpenNew(type, QStringLiteral("04"));
    QVERIFY(view);
    const QString text = QString::fromLatin1(CDeviceType::Info(type).scaleText);
    if (view->Form().Scale(0)->text().isEmpty())
        QSKIP("this device type does not shape its page yet");
    // The numbers of the scale, each a current in amperes.
    QStringList numbers = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString& number : numbers)
        number.remove(QLatin1Char('A'));
    numbers.removeAll(QString());

    QMdiSubWindow* window = rig.frame->MdiArea()->activeSubWindow();
    const int width = window->width();
    for (int extra : {0, 240}) {
        window->setFixedWidth(width + extra);
        QTRY_COMPARE(view->width() > width - 40 + extra, true);
        for (int which = 0; which < 3; ++which) {
            CScaleLabel* scale = view->Form().Scale(which);
            QCOMPARE(scale->text(), text);
            QSlider* slider = view->Form().Slider(which);
            // The position at which the slider's own value text reads each current, in
            // tenths of an ampere as the scales count.
            std::map<int, int> positionOf;
            for (int position = slider->minimum(); position <= slider->maximum(); ++position) {
                view->SetCurrent(which, position);
                const QString shown = view->Form().CurrentText(which)->text();
                // Only a value that is a whole tenth: 0.95 A must not stand for 1.0 A.
                const double tenths = shown.section(' ', 0, 0).toDouble() * 10;
                if (qAbs(tenths - qRound(tenths)) < 1e-6)
                    positionOf.emplace(qRound(tenths), position);
            }
            for (const QString& number : std::as_const(numbers)) {
                const int tenths = qRound(QString(number).replace(',', '.').toDouble() * 10);
                QVERIFY2(positionOf.count(tenths), qPrintable(number));
                slider->setValue(positionOf.at(tenths));
                const int handle = SliderPixels::HandleCentre(slider, scale);
                const int drawn = SliderPixels::NumberCentre(scale, number, handle);
                QVERIFY2(
                    qAbs(drawn - handle) <= 3,
                    qPrintable(QString::asprintf("%s on slider %d, %d px wider: at %d, "
                                                 "handle at %d",
                                                 qPrintable(number), which, extra, drawn, handle)));
            }
        }
    }
}

QTEST_MAIN(TstParameterPage)
#include "tst_parameterpage.moc"
