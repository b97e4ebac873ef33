// Menu commands that change the windows or the menus, chosen the way a user chooses them: the
// pop-up is open and takes the key that picks the item, so the command runs inside the
// menu's own event handling. The menu must outlive its command, and the bar must show the
// menu of whatever window is active afterwards.
#include "pages/ctarnlinkview.h"
#include "platform/ccommandactions.h"
#include "platform/cmdichildframe.h"
#include "platform/cmodalrunner.h"
#include "res/ccommandid.h"
#include "shell/cdlgaxisnew.h"
#include "shell/cmainframe.h"
#include "shell/cprojectlistview.h"
#include "tests/support/simbusapp.h"

#include <QDir>
#include <QFileDialog>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

// What is active before the command is chosen.
enum class Start { NoWindow, Page, TwoPages, Project };

// The program on a simulated bus with a KEV at 3 and an HWT at 6, both found by a search.
struct Rig : SimBusApp {
    Rig()
    {
        bus.AddAxis(3, "KEV", "KEV 2.35");
        bus.AddAxis(6, "HWT", "HWT 1.00");
        SearchInEnglish();
        // Every dialog is answered: a file dialog with `fileAnswer`, the new axis dialog with
        // its proposal, reports closed.
        t.app().ModalRunner().SetScript([this](QDialog& dialog) {
            if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
                files->selectFile(fileAnswer);
                return int(QDialog::Accepted);
            }
            if (qobject_cast<CDlgAxisNew*>(&dialog)) {
                dialog.accept();
                return int(QDialog::Accepted);
            }
            return int(QDialog::Rejected);
        });
    }
    QString fileAnswer;
    void OpenPage(int address)
    {
        frame->TreeCtrl()->setCurrentItem(frame->AxisItem(address));
        frame->OnTreeNotify();
    }
    void OpenProject()
    {
        t.app().SaveProject(Path(QStringLiteral("plant.spf")));
        t.app().OpenDocumentFile(Path(QStringLiteral("plant.spf")));
    }
    void Prepare(Start start)
    {
        switch (start) {
        case Start::NoWindow:
            break;
        case Start::Page:
            OpenPage(3);
            break;
        case Start::TwoPages:
            OpenPage(6);
            OpenPage(3);
            break;
        case Start::Project:
            OpenProject();
            break;
        }
        // A recent file to choose, and files to open.
        TestApp::WriteKevFile(dir, QStringLiteral("kev.sdf"));
        t.app().DocManager().AddToRecentFileList(Path(QStringLiteral("kev.sdf")));
        QCoreApplication::processEvents();
        t.messages.clear();
    }
};

// The pop-up of the bar's current menus that lists `action`, however deep.
QMenu* MenuHolding(const QList<QAction*>& entries, const QAction* action)
{
    for (QAction* entry : entries) {
        QMenu* menu = entry->menu();
        if (!menu)
            continue;
        if (menu->actions().contains(action))
            return menu;
        if (QMenu* deeper = MenuHolding(menu->actions(), action))
            return deeper;
    }
    return nullptr;
}

QList<QPointer<QMenu>> BarMenus(const QList<QAction*>& entries)
{
    QList<QPointer<QMenu>> menus;
    for (QAction* entry : entries) {
        if (QMenu* menu = entry->menu()) {
            menus.append(menu);
            menus += BarMenus(menu->actions());
        }
    }
    return menus;
}

bool AllAlive(const QList<QPointer<QMenu>>& menus)
{
    return std::all_of(menus.begin(), menus.end(), [](const QPointer<QMenu>& m) { return m; });
}

// The top-level texts the bar shows.
QStringList BarTexts(const CMainFrame& frame)
{
    QStringList texts;
    for (const QAction* entry : frame.menuBar()->actions())
        texts.append(entry->text());
    return texts;
}

const QStringList kMainBar = {"&File", "&View", "&Power stage", "&Options", "&Help"};
const QStringList kPageBar = {"&File", "&View", "&Power stage", "&Options", "&Window", "&Help"};
const QStringList kProjectBar = {"&File", "&View", "&Power stage", "&Window", "&Help"};

} // namespace

class TstMenuCommands : public QObject {
    Q_OBJECT
private slots:
    void commandFromOpenMenu_data();
    void commandFromOpenMenu();
};

void TstMenuCommands::commandFromOpenMenu_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("windowsAfter");
    QTest::addColumn<QStringList>("barAfter");

    const int page = int(Start::Page);
    QTest::newRow("close the only page") << page << int(CCommandId::kFileClose) << 0 << kMainBar;
    QTest::newRow("close one of two pages")
        << int(Start::TwoPages) << int(CCommandId::kFileClose) << 1 << kPageBar;
    QTest::newRow("close the project")
        << int(Start::Project) << int(CCommandId::kFileClose) << 0 << kMainBar;
    QTest::newRow("recent file, no window")
        << int(Start::NoWindow) << int(CCommandId::kFileMru1) << 1 << kPageBar;
    QTest::newRow("recent file over a project")
        << int(Start::Project) << int(CCommandId::kFileMru1) << 2 << kPageBar;
    QTest::newRow("new file") << page << int(CCommandId::kFileNew) << 2 << kPageBar;
    QTest::newRow("open file") << int(Start::NoWindow) << int(CCommandId::kFileOpen) << 1
                               << kPageBar;
    QTest::newRow("new project") << page << int(CCommandId::kNewProject) << 0 << kMainBar;
    QTest::newRow("open project") << page << int(CCommandId::kOpenProject) << 2 << kProjectBar;
    QTest::newRow("save project") << int(Start::NoWindow) << int(CCommandId::kSaveProject) << 0
                                  << kMainBar;
    QTest::newRow("save project over a page")
        << page << int(CCommandId::kSaveProject) << 1 << kPageBar;
    QTest::newRow("transmit project")
        << int(Start::Project) << int(CCommandId::kTransmitProject) << 1 << kProjectBar;
    QTest::newRow("search") << page << int(CCommandId::kSearch) << 1 << kPageBar;
    QTest::newRow("reset") << page << int(CCommandId::kReset) << 1 << kPageBar;
    QTest::newRow("German") << page << int(CCommandId::kLanguageGerman) << 1
                            << QStringList{"&Datei",    "&Ansicht", "&Endstufe",
                                           "&Optionen", "&Fenster", "&Hilfe"};
    QTest::newRow("English") << int(Start::NoWindow) << int(CCommandId::kLanguageEnglish) << 0
                             << kMainBar;
    QTest::newRow("cascade") << int(Start::TwoPages) << int(CCommandId::kWindowCascade) << 2
                             << kPageBar;
    QTest::newRow("tile") << int(Start::TwoPages) << int(CCommandId::kWindowTile) << 2 << kPageBar;
    QTest::newRow("arrange icons")
        << int(Start::Project) << int(CCommandId::kWindowArrange) << 1 << kProjectBar;
}

void TstMenuCommands::commandFromOpenMenu()
{
    QFETCH(int, start);
    QFETCH(int, command);
    QFETCH(int, windowsAfter);
    QFETCH(QStringList, barAfter);

    Rig rig;
    rig.Prepare(static_cast<Start>(start));
    // Dialogs that ask for a file get one: the KEV file to open, a new project to save.
    rig.fileAnswer = (command == CCommandId::kSaveProject   ? rig.Path(QStringLiteral("new.spf"))
                      : command == CCommandId::kOpenProject ? rig.Path(QStringLiteral("plant.spf"))
                                                            : rig.Path(QStringLiteral("kev.sdf")));
    // New project asks first whether to drop what is open.
    rig.t.answer = IdYes;
    if (command == CCommandId::kOpenProject)
        rig.t.app().SaveProject(rig.Path(QStringLiteral("plant.spf")));

    QAction* action = rig.frame->CommandAction(command);
    QVERIFY(action);
    QVERIFY(action->isEnabled());
    QPointer<QMenu> menu = MenuHolding(rig.frame->menuBar()->actions(), action);
    QVERIFY2(menu, "the command is in none of the menus shown");
    const QList<QPointer<QMenu>> shown = BarMenus(rig.frame->menuBar()->actions());

    // Connected after the program's own handler: this runs when that handler has returned,
    // while the menu's key handling is still on the stack.
    bool ran = false;
    bool aliveAfterHandler = false;
    QObject context;
    connect(action, &QAction::triggered, &context, [&] {
        ran = true;
        aliveAfterHandler = AllAlive(shown);
    });
    menu->popup(rig.frame->mapToGlobal(QPoint(20, 20)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(action);
    QTest::keyClick(menu, Qt::Key_Return);

    QVERIFY(ran);
    QVERIFY2(aliveAfterHandler, "a menu was deleted while its own command ran");
    QVERIFY(AllAlive(shown));
    QCoreApplication::processEvents();
    QCOMPARE(rig.Windows(), windowsAfter);
    QCOMPARE(BarTexts(*rig.frame), barAfter);
    // The commands still work after the change: the bar's File menu opens again.
    QMenu* file = rig.frame->menuBar()->actions().constFirst()->menu();
    QVERIFY(file);
    file->popup(rig.frame->mapToGlobal(QPoint(20, 20)));
    QVERIFY(QTest::qWaitForWindowExposed(file));
    file->hide();
}

QTEST_MAIN(TstMenuCommands)
#include "tst_menucommands.moc"
