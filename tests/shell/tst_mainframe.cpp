// The main frame as the start-up builds it: the interface opened from the settings and
// shown in status pane 4, the power-stage tree, the menus in both languages, the command
// actions with their accelerators, and the power-stage bar.
#include "controls/dockingbar/cmybar.h"
#include "platform/ccommandactions.h"
#include "platform/ccontrolids.h"
#include "res/cmenutable.h"
#include "shell/cmainframe.h"
#include "tests/sim/simbus.h"
#include "tests/sim/simcanrelay.h"
#include "tests/sim/simserialline.h"
#include "tests/support/testapp.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

namespace {

const QString kCanMessage = QStringLiteral("CAN Contoller konnte nicht angesprochen werden!");
const QString kCannotOpen = QStringLiteral("Schnittstelle kann nicht geöffnet werden!");

struct MenuLine {
    int depth;
    int command; // 0 for a pop-up
    QString text;
    bool operator==(const MenuLine&) const = default;
};

void Flatten(const QList<QAction*>& actions, int depth, QList<MenuLine>& out)
{
    for (QAction* action : actions) {
        if (action->isSeparator())
            continue;
        if (QMenu* menu = action->menu()) {
            out.append({depth, 0, action->text()});
            Flatten(menu->actions(), depth + 1, out);
        } else {
            out.append({depth, CCommandActions::IdOf(action), action->text()});
        }
    }
}

QList<MenuLine> ShownMenu(const CMainFrame& frame)
{
    QList<MenuLine> lines;
    Flatten(frame.menuBar()->actions(), 0, lines);
    return lines;
}

QList<MenuLine> TableMenu(UiLanguage language)
{
    QList<MenuLine> lines;
    for (const CMenuItem& item : CMenuTable::Menu(CMenuTable::kMainMenu)) {
        if (item.command != CMenuItem::kSeparator)
            lines.append({item.depth, item.command, CMenuTable::Text(item, language)});
    }
    return lines;
}

QStringList ChildTexts(const QTreeWidgetItem* item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts.append(item->child(i)->text(0));
    return texts;
}


} // namespace

class TstMainFrame : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void interfaceFromSettings_data();
    void interfaceFromSettings();
    void emptySettingsOpenDefaultPort();
    void settingsWrittenByHand_data();
    void settingsWrittenByHand();
    void treeRootAndGroups();
    void storedEnglishApplied();
    void languageSwitch();
    void menuFollowsTable_data();
    void menuFollowsTable();
    void menuCommandsHaveActions();
    void viewCommands();
    void aboutBox();
    void fileOpenAsksWithFilters();
    void accelerators_data();
    void accelerators();
    void axisBarCloseAndShow();
    void axisBarSizes();
    void barStateOperations();

private:
    std::unique_ptr<SimCanRelay> m_canBus;
};

void TstMainFrame::initTestCase()
{
    // No CAN card: the adapter finds nothing under this name.
    qputenv("TARNLINK_CAN", "nosuchplugin:can9");
    QLoggingCategory::setFilterRules(QStringLiteral("qt.canbus.plugins.*=false"));
    m_canBus = std::make_unique<SimCanRelay>();
    QVERIFY(m_canBus->IsRunning());
}

void TstMainFrame::interfaceFromSettings_data()
{
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<bool>("simulatedPort"); // for CAN: a card on a simulated bus
    QTest::addColumn<QString>("pane");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("addresses");
    QTest::addColumn<bool>("checksum");

    QTest::newRow("port missing")
        << QVariantMap{{"ActiveCom", "ttyTarnlinkNone"}} << false
        << "ttyTarnlinkNone <!CLOSED!> 9600, n, 8, 1" << QStringList{kCannotOpen} << 16 << false;
    QTest::newRow("missing port shows no checksum")
        << QVariantMap{{"ActiveCom", "ttyTarnlinkNone"}, {"Checksum", 1}} << false
        << "ttyTarnlinkNone <!CLOSED!> 9600, n, 8, 1" << QStringList{kCannotOpen} << 16 << true;
    QTest::newRow("simulated port") << QVariantMap{} << true << "%1 <Open> 9600, n, 8, 1"
                                    << QStringList{} << 16 << false;
    QTest::newRow("simulated port, checksum")
        << QVariantMap{{"Checksum", 1}} << true << "%1 <Open> 9600, n, 8, 1 + CS"
        << QStringList{} << 16 << true;
    QTest::newRow("simulated port, other parameters")
        << QVariantMap{{"ComParameter", "19200, e, 7, 1"}} << true
        << "%1 <Open> 19200, e, 7, 1" << QStringList{} << 16 << false;
    // A number the program never writes is not half a CAN interface: the serial port opens.
    QTest::newRow("interface number unknown")
        << QVariantMap{{"ComType", 2}} << true << "%1 <Open> 9600, n, 8, 1" << QStringList{}
        << 16 << false;
    QTest::newRow("two-byte addresses")
        << QVariantMap{{"AxAddr", 1}} << true << "%1 <Open> 9600, n, 8, 1" << QStringList{}
        << 32 << false;
    QTest::newRow("CAN without card")
        << QVariantMap{{"ComType", 1}} << false << "CAN <Disconnected>"
        << QStringList{kCanMessage} << 16 << false;
    QTest::newRow("CAN card, rate not stored")
        << QVariantMap{{"ComType", 1}} << true << "CAN <Connected> 125 kbaud" << QStringList{}
        << 16 << false;
    QTest::newRow("CAN card, 500 kbaud")
        << QVariantMap{{"ComType", 1}, {"CANBaud", 1}} << true << "CAN <Connected> 500 kbaud"
        << QStringList{} << 16 << false;
    QTest::newRow("CAN without card, rate out of range")
        << QVariantMap{{"ComType", 1}, {"CANBaud", 9}, {"AxAddr", 1}} << false
        << "CAN <Disconnected>" << QStringList{kCanMessage} << 32 << false;
}

void TstMainFrame::interfaceFromSettings()
{
    QFETCH(QVariantMap, settings);
    QFETCH(bool, simulatedPort);
    QFETCH(QString, pane);
    QFETCH(QStringList, messages);
    QFETCH(int, addresses);
    QFETCH(bool, checksum);

    const bool can = settings.value("ComType", 0).toInt() == 1;
    if (can && simulatedPort)
        qputenv("TARNLINK_CAN", m_canBus->DeviceSpec().toUtf8());
    auto restore = qScopeGuard([] { qputenv("TARNLINK_CAN", "nosuchplugin:can9"); });
    SimBus bus;
    SimSerialLine line(bus);
    TestApp t;
    CAppSettings& stored = t.app().Settings();
    if (simulatedPort && !can) {
        QVERIFY(line.Start());
        stored.SetActiveCom(line.PortPath());
        pane = pane.arg(line.PortPath());
    }
    for (auto it = settings.cbegin(); it != settings.cend(); ++it) {
        if (it.value().typeId() == QMetaType::Int)
            stored.WriteProfileInt(QStringLiteral("Settings"), it.key(), it.value().toInt());
        else
            stored.WriteProfileString(QStringLiteral("Settings"), it.key(), it.value().toString());
    }
    QVERIFY(t.app().InitInstance());
    CMainFrame* frame = t.app().MainFrame();
    QCOMPARE(frame->PaneText(CMainFrame::PaneInterface), pane);
    QCOMPARE(t.messages, messages);
    QCOMPARE(int(t.app().m_addressCount), addresses);
    QCOMPARE(t.port().TwoByteAddress(), addresses == 32);
    QCOMPARE(t.port().Checksum(), checksum);
    QCOMPARE(t.port().IsOpen(), simulatedPort);
    QCOMPARE(t.port().Interface(), BusInterfaceOfComType(settings.value("ComType", 0).toInt()));
    if (t.port().Interface() == BusInterface::Can)
        QVERIFY(t.port().CanBitRate() <= 3);
}

void TstMainFrame::emptySettingsOpenDefaultPort()
{
    const QString expectedPort = CAppSettings::DefaultSerialPort();
    TestApp t;
    // Truly empty settings: the machine's own first port is the one to open.
    QSettings(QString::fromLatin1(CAppSettings::kOrganisation),
              QString::fromLatin1(CAppSettings::kApplication))
        .remove(QStringLiteral("Settings/ActiveCom"));
    QVERIFY(t.app().InitInstance());
    CMainFrame* frame = t.app().MainFrame();
    QCOMPARE(t.app().Language(), UiLanguage::German);
    QCOMPARE(t.port().Checksum(), false);
    QCOMPARE(t.port().TwoByteAddress(), false);
    QCOMPARE(int(t.app().m_addressCount), 16);
    QCOMPARE(t.port().Interface(), BusInterface::Serial);
    // Whether the machine's first serial port can be opened just now (other tests may hold
    // it) decides which of the two texts is right.
    if (t.port().IsOpen()) {
        QCOMPARE(frame->PaneText(4), expectedPort + " <Open> 9600, n, 8, 1");
        QVERIFY(t.messages.isEmpty());
    } else {
        QCOMPARE(frame->PaneText(4), expectedPort + " <!CLOSED!> 9600, n, 8, 1");
        QCOMPARE(t.messages, QStringList{kCannotOpen});
    }
    // The start texts of the other panes; the language was written at start.
    QCOMPARE(frame->PaneText(0), QStringLiteral("Bereit"));
    QCOMPARE(frame->PaneText(1), QStringLiteral(">>>>>PLATZHALTER PROGRESSBAR<<<<<"));
    QCOMPARE(frame->PaneText(2), QStringLiteral(" "));
    QCOMPARE(frame->PaneText(3), QStringLiteral(" "));
    QCOMPARE(frame->Pane(0)->width(), 300);
    QCOMPARE(frame->Pane(1)->width(), 197);
    QCOMPARE(frame->Pane(2)->width(), 100);
    QVERIFY(frame->Pane(4)->width() >= 170);
    QCOMPARE(t.app().Settings().Language(), 0);
    QVERIFY(frame->isMaximized());
    QCOMPARE(frame->windowTitle(), QStringLiteral("Tarnlink"));
    // Nothing is opened at start.
    QCoreApplication::processEvents();
    QVERIFY(frame->MdiArea()->subWindowList().isEmpty());
}

void TstMainFrame::settingsWrittenByHand_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("quoted, as the program writes it") << "ComParameter=\"19200, n, 8, 1\"";
    QTest::newRow("without quotes") << "ComParameter=19200, n, 8, 1";
    QTest::newRow("without quotes or blanks") << "ComParameter=19200,n,8,1";
}

void TstMainFrame::settingsWrittenByHand()
{
    QFETCH(QString, line);
    SimBus bus;
    bus.AddAxis(3, "KEV");
    SimSerialLine serial(bus, SimLineSettings{.baud = 19200});
    QVERIFY(serial.Start());
    TestApp t;
    const QString path = QSettings(QString::fromLatin1(CAppSettings::kOrganisation),
                                   QString::fromLatin1(CAppSettings::kApplication))
                             .fileName();
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(("[Settings]\nActiveCom=" + serial.PortPath() + "\n" + line + "\n").toUtf8());
    file.close();

    QVERIFY(t.app().InitInstance());
    QVERIFY(t.messages.isEmpty());
    QVERIFY(t.port().Settings().startsWith(QStringLiteral("19200,")));
    // The stage hears the port only at its own rate.
    QString reply;
    QVERIFY(t.port().Transact(QStringLiteral("3"), "B?", &reply, true));
    QCOMPARE(serial.RejectedFrames(), 0);
}

void TstMainFrame::treeRootAndGroups()
{
    TestApp t;
    QVERIFY(t.app().InitInstance());
    CMainFrame* frame = t.app().MainFrame();
    QTreeWidget* tree = CControlIds::Find<QTreeWidget>(frame, 1027);
    QVERIFY(tree);
    QCOMPARE(tree, frame->TreeCtrl());
    QCOMPARE(tree->parentWidget(), frame->AxisBar());
    QCOMPARE(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    QCOMPARE(root, frame->RootItem());
    QCOMPARE(root->text(0), QStringLiteral("Endstufen"));
    QCOMPARE(ChildTexts(root),
             (QStringList{"KEV", "LQN+", "HWT+", "HWK+", "HVR+", "DRQ+", "UQT+", "DRQ2+",
                          "VNE+/VNL+"}));
    QCOMPARE(CMainFrame::ItemImage(root), int(CMainFrame::ImageBox));
    for (int type = 0; type < CDeviceType::kCount; ++type) {
        QCOMPARE(frame->GroupItem(*CDeviceType::FromInt(type)), root->child(type));
        QCOMPARE(CMainFrame::ItemImage(root->child(type)), int(CMainFrame::ImageBox));
        QCOMPARE(root->child(type)->childCount(), 0);
    }
    for (int address = 0; address < CMainFrame::kAddressSlots; ++address)
        QCOMPARE(frame->AxisItem(address), nullptr);

    // Five different pictures of 16 x 15.
    QSet<qint64> pictures;
    for (int image = 0; image < 5; ++image) {
        const QPixmap pixmap = frame->TreeIcon(image).pixmap(QSize(16, 15));
        QCOMPARE(pixmap.size(), QSize(16, 15));
        pictures.insert(pixmap.toImage().cacheKey() ^ qHash(pixmap.toImage().bits()[200]));
    }
    QVERIFY(frame->TreeIcon(5).isNull());
    // An item takes image and picture together.
    frame->SetItemImage(root->child(0), CMainFrame::ImageRed);
    QCOMPARE(CMainFrame::ItemImage(root->child(0)), int(CMainFrame::ImageRed));
    QCOMPARE(root->child(0)->icon(0).pixmap(16, 15).toImage(),
             frame->TreeIcon(CMainFrame::ImageRed).pixmap(16, 15).toImage());
}

void TstMainFrame::storedEnglishApplied()
{
    TestApp t;
    t.app().Settings().SetLanguage(1);
    QVERIFY(t.app().InitInstance());
    CMainFrame* frame = t.app().MainFrame();
    QCOMPARE(t.app().Language(), UiLanguage::English);
    QCOMPARE(frame->RootItem()->text(0), QStringLiteral("Power stages"));
    QCOMPARE(ChildTexts(frame->RootItem()).first(), QStringLiteral("KEV"));
    QCOMPARE(frame->menuBar()->actions().first()->text(), QStringLiteral("&File"));
    QCOMPARE(frame->PaneText(0), QStringLiteral("Ready"));
    QCOMPARE(t.app().Settings().Language(), 1);
}

void TstMainFrame::languageSwitch()
{
    TestApp t;
    QVERIFY(t.app().InitInstance());
    CMainFrame* frame = t.app().MainFrame();
    const QStringList groups = ChildTexts(frame->RootItem());
    const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const bool haveQtGerman = QFile::exists(qtTranslations + QStringLiteral("/qtbase_de.qm"));
    const auto menuCount = [frame] {
        return frame->menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly).size();
    };
    const auto menusAtStart = menuCount();

    for (int round = 0; round < 2; ++round) {
        t.app().Settings().SetLanguage(7);
        QVERIFY(CCommandActions::Trigger(frame, 32793));
        QCOMPARE(t.app().Settings().Language(), 1);
        QCOMPARE(t.app().Language(), UiLanguage::English);
        QCOMPARE(frame->RootItem()->text(0), QStringLiteral("Power stages"));
        QCOMPARE(ChildTexts(frame->RootItem()), groups);
        QCOMPARE(ShownMenu(*frame), TableMenu(UiLanguage::English));
        QCOMPARE(frame->PaneText(0), QStringLiteral("Ready"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

        t.app().Settings().SetLanguage(7);
        QVERIFY(CCommandActions::Trigger(frame, 32792));
        QCOMPARE(t.app().Settings().Language(), 0);
        QCOMPARE(t.app().Language(), UiLanguage::German);
        QCOMPARE(frame->RootItem()->text(0), QStringLiteral("Endstufen"));
        QCOMPARE(ChildTexts(frame->RootItem()), groups);
        QCOMPARE(ShownMenu(*frame), TableMenu(UiLanguage::German));
        QCOMPARE(frame->PaneText(0), QStringLiteral("Bereit"));
        if (haveQtGerman)
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                     QStringLiteral("Abbrechen"));
    }
    // The menus are given new texts, not piled up behind new ones.
    QCOMPARE(menuCount(), menusAtStart);
}

void TstMainFrame::menuFollowsTable_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("bar");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("about");
    QTest::newRow("German") << 0
                            << QStringList{"&Datei", "&Ansicht", "&Endstufe", "&Optionen", "&Hilfe"}
                            << QStringLiteral("&Datei öffen...\tStrg+O")
                            << QStringLiteral("&Info über Tarnlink...");
    QTest::newRow("English") << 1
                             << QStringList{"&File", "&View", "&Power stage", "&Options", "&Help"}
                             << QStringLiteral("Open &File...\tStrg+O")
                             << QStringLiteral("&About Tarnlink");
}

void TstMainFrame::menuFollowsTable()
{
    QFETCH(int, language);
    QFETCH(QStringList, bar);
    QFETCH(QString, open);
    QFETCH(QString, about);
    TestApp t;
    t.app().Settings().SetLanguage(language);
    QVERIFY(t.app().InitInstance());
    CMainFrame* frame = t.app().MainFrame();
    const QList<MenuLine> shown = ShownMenu(*frame);
    QCOMPARE(shown, TableMenu(t.app().Language()));
    QStringList top;
    for (const MenuLine& line : shown) {
        if (line.depth == 0)
            top.append(line.text);
    }
    QCOMPARE(top, bar);
    QCOMPARE(CCommandActions::Find(frame, 57601)->text(), open);
    QCOMPARE(CCommandActions::Find(frame, 57664)->text(), about);
    // The empty recent-file list shows its greyed name.
    QCOMPARE(CCommandActions::Find(frame, 57616)->text(), QStringLiteral("Letzte Datei"));
    QVERIFY(!CCommandActions::Find(frame, 57616)->isEnabled());
}

void TstMainFrame::menuCommandsHaveActions()
{
    TestApp t;
    QVERIFY(t.app().InitInstance());
    CMainFrame* frame = t.app().MainFrame();
    QList<MenuLine> commands;
    for (const MenuLine& line : ShownMenu(*frame)) {
        if (line.command != 0)
            commands.append(line);
    }
    QCOMPARE(commands.size(), 19);
    for (const MenuLine& line : std::as_const(commands)) {
        QAction* action = CCommandActions::Find(frame, line.command);
        QVERIFY2(action, qPrintable(QString::number(line.command)));
        QCOMPARE(action, frame->CommandAction(line.command));
        // Without a document window there is nothing to close; the rest is ready.
        const bool expectEnabled = line.command != 57602 && line.command != 57616;
        QCOMPARE(action->isEnabled(), expectEnabled);
    }
    // Of these, the interface parameters, the monitor, the status overview, File New, Open
    // project and Save project open a dialog.
    int dialogs = 0;
    t.app().ModalRunner().SetScript([&](QDialog&) { return ++dialogs, int(QDialog::Rejected); });
    for (int command : {32777, 32779, 32794, 32771, 32781, 57600, 32783, 32789, 32786})
        QVERIFY(CCommandActions::Trigger(frame, command));
    QCOMPARE(dialogs, 6);
    QVERIFY(frame->isVisible());

    // Exit closes the main window.
    QVERIFY(CCommandActions::Trigger(frame, 57665));
    QVERIFY(!frame->isVisible());
}

void TstMainFrame::viewCommands()
{
    TestApp t;
    QVERIFY(t.app().InitInstance());
    CMainFrame* frame = t.app().MainFrame();
    const QList<QToolBar*> bars = frame->findChildren<QToolBar*>();
    QCOMPARE(bars.size(), 2);
    QToolBar* main = frame->findChild<QToolBar*>(QStringLiteral("MainToolBar"));
    QToolBar* bus = frame->findChild<QToolBar*>(QStringLiteral("BusToolBar"));
    QList<int> mainButtons;
    for (QAction* action : main->actions())
        mainButtons.append(action->isSeparator() ? 0 : CCommandActions::IdOf(action));
    QCOMPARE(mainButtons, (QList<int>{57600, 57601, 57603, 32786, 0, 57607, 57664}));
    QList<int> busButtons;
    for (QAction* action : bus->actions())
        busButtons.append(CCommandActions::IdOf(action));
    QCOMPARE(busButtons, (QList<int>{32777, 32779}));
    QCOMPARE(frame->toolBarArea(bus), frame->toolBarArea(main));
    QVERIFY(!frame->CommandAction(32777)->icon().isNull());
    QCOMPARE(frame->CommandAction(32777)->toolTip(), QStringLiteral("Suchen"));
    QCOMPARE(frame->CommandAction(57603)->toolTip(), QStringLiteral("Speichern"));
    QCOMPARE(frame->CommandAction(57600)->toolTip(), QStringLiteral("Neu"));
    QVERIFY(CCommandActions::Trigger(frame, 32793));
    QCOMPARE(frame->CommandAction(57600)->toolTip(), QStringLiteral("New"));
    QCOMPARE(frame->CommandAction(32777)->toolTip(), QStringLiteral("Search"));

    QAction* toolBar = frame->CommandAction(59392);
    QAction* statusBar = frame->CommandAction(59393);
    QVERIFY(toolBar->isChecked());
    QVERIFY(statusBar->isChecked());
    toolBar->trigger();
    QVERIFY(main->isHidden());
    QVERIFY(!toolBar->isChecked());
    statusBar->trigger();
    QVERIFY(frame->statusBar()->isHidden());
    QVERIFY(!statusBar->isChecked());
    toolBar->trigger();
    statusBar->trigger();
    QVERIFY(!main->isHidden());
    QVERIFY(!frame->statusBar()->isHidden());
    QVERIFY(toolBar->isChecked() && statusBar->isChecked());
}

void TstMainFrame::aboutBox()
{
    TestApp t;
    QVERIFY(t.app().InitInstance());
    QStringList captions;
    QStringList texts;
    t.app().ModalRunner().SetScript([&](QDialog& dialog) {
        captions.append(dialog.windowTitle());
        for (QLabel* label : dialog.findChildren<QLabel*>())
            texts.append(label->text());
        return int(QDialog::Accepted);
    });
    QVERIFY(CCommandActions::Trigger(t.app().MainFrame(), 57664));
    QVERIFY(CCommandActions::Trigger(t.app().MainFrame(), 32793));
    QVERIFY(CCommandActions::Trigger(t.app().MainFrame(), 57664));
    QCOMPARE(captions, (QStringList{"Info über Tarnlink", "About Tarnlink"}));
    QVERIFY(texts.contains(QStringLiteral("Tarnlink Version 1.9.0")));
}

void TstMainFrame::fileOpenAsksWithFilters()
{
    TestApp t;
    QVERIFY(t.app().InitInstance());
    QStringList filters;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    t.app().ModalRunner().SetScript([&](QDialog& dialog) {
        if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
            filters = files->nameFilters();
            mode = files->fileMode();
        }
        return int(QDialog::Rejected);
    });
    QVERIFY(CCommandActions::Trigger(t.app().MainFrame(), 57601));
    QCOMPARE(filters, (QStringList{"Tarnlink Files (*.sdf)", "Tarnlink Project - Files (*.spf)"}));
    QCOMPARE(mode, QFileDialog::ExistingFile);
    QVERIFY(t.app().MainFrame()->MdiArea()->subWindowList().isEmpty());
}

void TstMainFrame::accelerators_data()
{
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<int>("command");
    QTest::newRow("F3 search") << QKeyCombination(Qt::Key_F3) << 32777;
    QTest::newRow("Ctrl+N new") << QKeyCombination(Qt::ControlModifier, Qt::Key_N) << 57600;
    QTest::newRow("Ctrl+O open") << QKeyCombination(Qt::ControlModifier, Qt::Key_O) << 57601;
}

void TstMainFrame::accelerators()
{
    QFETCH(QKeyCombination, keys);
    QFETCH(int, command);
    TestApp t;
    QVERIFY(t.app().InitInstance());
    t.app().ModalRunner().SetScript([](QDialog&) { return int(QDialog::Rejected); });
    CMainFrame* frame = t.app().MainFrame();
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    QSignalSpy triggered(frame->CommandAction(command), &QAction::triggered);
    QCOMPARE(frame->CommandAction(command)->shortcut(), QKeySequence(keys));
    QTest::keyClick(frame, keys.key(), keys.keyboardModifiers());
    QCOMPARE(triggered.size(), 1);
}

void TstMainFrame::axisBarCloseAndShow()
{
    TestApp t;
    QVERIFY(t.app().InitInstance());
    CMainFrame* frame = t.app().MainFrame();
    CMyBar* bar = frame->AxisBar();
    QAction* command = frame->CommandAction(32778);
    QCOMPARE(bar->windowTitle(), QStringLiteral("Vorhandene Achsen"));
    QCOMPARE(CControlIds::Of(bar), 123);
    QCOMPARE(frame->dockWidgetArea(bar), Qt::LeftDockWidgetArea);
    QVERIFY(bar->isVisible());
    QVERIFY(command->isChecked());

    auto* close = bar->findChild<QAbstractButton*>(QStringLiteral("qt_dockwidget_closebutton"));
    QVERIFY(close);
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(bar->isHidden());
    QVERIFY(!command->isChecked());

    command->trigger();
    QVERIFY(bar->isVisible());
    QVERIFY(command->isChecked());
    QCOMPARE(frame->dockWidgetArea(bar), Qt::LeftDockWidgetArea);
    command->trigger();
    QVERIFY(bar->isHidden());
    QVERIFY(!command->isChecked());
    command->trigger();
    QVERIFY(bar->isVisible());
}

void TstMainFrame::axisBarSizes()
{
    TestApp t;
    QVERIFY(t.app().InitInstance());
    CMainFrame* frame = t.app().MainFrame();
    CMyBar* bar = frame->AxisBar();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    // At least 170 wide, more where an axis label needs it.
    const QSize defaultSize = bar->VertSize();
    QVERIFY(defaultSize.width() >= 170);
    QCOMPARE(defaultSize.height(), 250);
    QCOMPARE(bar->FloatSize(), defaultSize);

    // Docked: the user cannot make it narrower than the minimum.
    frame->resizeDocks({bar}, {2}, Qt::Horizontal);
    QCoreApplication::processEvents();
    QVERIFY(bar->width() >= 33);

    // Floating it keeps a size of its own, and gets it back the next time it floats.
    bar->setFloating(true);
    QVERIFY(bar->isFloating());
    QTRY_COMPARE(bar->size(), defaultSize);
    bar->resize(300, 220);
    QTRY_COMPARE(bar->FloatSize(), QSize(300, 220));
    bar->resize(5, 5);
    QVERIFY(bar->width() >= 33 && bar->height() >= 32);
    bar->resize(300, 220);
    bar->setFloating(false);
    QCOMPARE(frame->dockWidgetArea(bar), Qt::LeftDockWidgetArea);
    bar->setFloating(true);
    QTRY_COMPARE(bar->size(), QSize(300, 220));
}

void TstMainFrame::barStateOperations()
{
    {
    TestApp t;
    QVERIFY(t.app().InitInstance());
    CMyBar* bar = t.app().MainFrame()->AxisBar();
    CAppSettings& settings = t.app().Settings();
    QCOMPARE(CDockingBar::StateSection(QStringLiteral("Bars"), 123),
             QStringLiteral("Bars-SCBar-123"));
    const QString section = QStringLiteral("Bars-SCBar-123");
    settings.WriteProfileInt(section, QStringLiteral("sizeHorzCX"), 10);
    settings.WriteProfileInt(section, QStringLiteral("sizeHorzCY"), 80);
    settings.WriteProfileInt(section, QStringLiteral("sizeVertCX"), 150);
    settings.WriteProfileInt(section, QStringLiteral("sizeVertCY"), 5);
    settings.WriteProfileInt(section, QStringLiteral("sizeFloatCX"), 400);
    settings.WriteProfileInt(section, QStringLiteral("sizeFloatCY"), 300);
    bar->LoadState(settings, QStringLiteral("Bars"));
    QCOMPARE(bar->HorzSize(), QSize(33, 80));
    QCOMPARE(bar->VertSize(), QSize(150, 32));
    QCOMPARE(bar->FloatSize(), QSize(400, 300));

    bar->SaveState(settings, QStringLiteral("Other"));
    QCOMPARE(settings.GetProfileInt(QStringLiteral("Other-SCBar-123"), QStringLiteral("sizeVertCY"), 0),
             32);
    QCOMPARE(settings.GetProfileInt(QStringLiteral("Other-SCBar-123"), QStringLiteral("sizeFloatCX"), 0),
             400);
    }

    // The program itself keeps no bar sizes: a run leaves no such section behind.
    TestApp fresh;
    QVERIFY(fresh.app().InitInstance());
    fresh.app().MainFrame()->close();
    QSettings store(QString::fromLatin1(CAppSettings::kOrganisation),
                    QString::fromLatin1(CAppSettings::kApplication));
    for (const QString& group : store.childGroups())
        QVERIFY2(!group.contains(QStringLiteral("SCBar")), qPrintable(group));
}

QTEST_MAIN(TstMainFrame)
#include "tst_mainframe.moc"
