// The window habits a technician expects of a multi-document program: new pages cascade
// inside the workspace, Ctrl+F4 closes the active page and Ctrl+F6 / Ctrl+Tab move between
// pages, the power-stage bar is wide enough for an axis label, and the lock-key panes of the
// status bar show what the platform tells of the keyboard.
#include "controls/dockingbar/cmybar.h"
#include "platform/ccommandactions.h"
#include "platform/cmdichildframe.h"
#include "res/ccommandid.h"
#include "shell/ckeyindicators.h"
#include "shell/cmainframe.h"
#include "tests/support/testapp.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLoggingCategory>
#include <QMdiArea>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

// A parameter file of a KEV at `address`: each page its own axis, so that none gives way to
// another one's page.
QString WriteAxisFile(const QTemporaryDir& dir, int address)
{
    const QString path = dir.filePath(QStringLiteral("achse%1.sdf").arg(address));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("Tarnlink parameter file of 16.08.18 - 14:05\r\n");
    file.write(
        QStringLiteral("Address\t\t\t\t[%1]\r\n").arg(address, 2, 10, QLatin1Char('0')).toLatin1());
    file.write("Controller version and type:\t[bKEV]\r\nAxis name:\t\t\t[pnAchse]\r\n");
    return path;
}

// The program with `pages` offline pages open, the last one active, in a main window of
// `size`.
struct Rig {
    explicit Rig(QSize size, int pages)
    {
        if (!t.app().InitInstance())
            return;
        frame = t.app().MainFrame();
        frame->showNormal();
        frame->setGeometry(QRect(QPoint(0, 0), size));
        frame->activateWindow();
        if (!QTest::qWaitForWindowActive(frame))
            return;
        for (int address = 1; address <= pages; ++address) {
            if (!t.app().OpenDocumentFile(WriteAxisFile(dir, address)))
                return;
            QCoreApplication::processEvents();
        }
        ready = t.app().DocumentWindows().size() == pages;
    }
    QString ActiveTitle() const
    {
        const QMdiSubWindow* active = frame->MdiArea()->activeSubWindow();
        return active ? active->windowTitle() : QString();
    }

    QTemporaryDir dir;
    TestApp t;
    QPointer<CMainFrame> frame;
    bool ready = false;
};

} // namespace

class TstWindowHabits : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pagesCascadeInsideWorkspace_data();
    void pagesCascadeInsideWorkspace();
    void pageKeys_data();
    void pageKeys();
    void axisBarFitsLabel_data();
    void axisBarFitsLabel();
    void lockKeyPanes();
};

void TstWindowHabits::initTestCase()
{
    // No CAN card: the adapter finds nothing under this name.
    qputenv("TARNLINK_CAN", "nosuchplugin:can9");
    QLoggingCategory::setFilterRules(QStringLiteral("qt.canbus.plugins.*=false"));
}

void TstWindowHabits::pagesCascadeInsideWorkspace_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("pages");
    QTest::newRow("room for many places") << QSize(1400, 1000) << 5;
    // A page is about 620 x 620: here only two places of the cascade fit.
    QTest::newRow("room for two places") << QSize(900, 800) << 4;
}

void TstWindowHabits::pagesCascadeInsideWorkspace()
{
    QFETCH(QSize, window);
    QFETCH(int, pages);
    Rig rig(window, pages);
    QVERIFY(rig.ready);
    const QRect workspace = rig.frame->MdiArea()->viewport()->rect();
    const QList<CMdiChildFrame*> frames = rig.t.app().DocumentWindows();
    QVERIFY2(frames.first()->width() <= workspace.width(), "the workspace must hold a page");
    for (const CMdiChildFrame* page : frames)
        QVERIFY2(workspace.contains(page->geometry()), qPrintable(page->windowTitle()));
    // Each new page lies beside the one opened before it, not on top of it.
    for (qsizetype i = 1; i < frames.size(); ++i)
        QVERIFY(frames[i - 1]->pos() != frames[i]->pos());
}

void TstWindowHabits::pageKeys_data()
{
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<QString>("active");
    QTest::addColumn<int>("open");
    // Pages 1, 2, 3 opened in this order; 3 is active.
    const auto ctrl = Qt::ControlModifier;
    const auto ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("Ctrl+F6 next") << QKeyCombination(ctrl, Qt::Key_F6) << "[Offline] achse1.sdf"
                                  << 3;
    QTest::newRow("Ctrl+Tab next")
        << QKeyCombination(ctrl, Qt::Key_Tab) << "[Offline] achse1.sdf" << 3;
    QTest::newRow("Ctrl+Shift+F6 previous")
        << QKeyCombination(ctrlShift, Qt::Key_F6) << "[Offline] achse2.sdf" << 3;
    QTest::newRow("Ctrl+Shift+Tab previous")
        << QKeyCombination(ctrlShift, Qt::Key_Backtab) << "[Offline] achse2.sdf" << 3;
    // Which page becomes active after closing is the MDI area's choice.
    QTest::newRow("Ctrl+F4 closes") << QKeyCombination(ctrl, Qt::Key_F4) << QString() << 2;
}

void TstWindowHabits::pageKeys()
{
    QFETCH(QKeyCombination, keys);
    QFETCH(QString, active);
    QFETCH(int, open);
    Rig rig(QSize(1400, 1000), 3);
    QVERIFY(rig.ready);
    QCOMPARE(rig.ActiveTitle(), QStringLiteral("[Offline] achse3.sdf"));
    QSignalSpy closeCommand(rig.frame->CommandAction(CCommandId::kFileClose), &QAction::triggered);

    QTest::keyClick(rig.frame, keys.key(), keys.keyboardModifiers());
    QTRY_COMPARE(rig.t.app().DocumentWindows().size(), open);
    QStringList titles;
    for (const CMdiChildFrame* page : rig.t.app().DocumentWindows())
        titles.append(page->windowTitle());
    // The page that was active is the one that went.
    QCOMPARE(titles.contains(QStringLiteral("[Offline] achse3.sdf")), open == 3);
    if (!active.isEmpty())
        QCOMPARE(rig.ActiveTitle(), active);
    // Closing takes the way of File Close.
    QCOMPARE(closeCommand.size(), open == 3 ? 0 : 1);
}

void TstWindowHabits::axisBarFitsLabel_data()
{
    QTest::addColumn<int>("pointSize");
    QTest::newRow("9 pt") << 9;
    QTest::newRow("12 pt") << 12;
}

void TstWindowHabits::axisBarFitsLabel()
{
    QFETCH(int, pointSize);
    const QFont before = QApplication::font();
    auto restore = qScopeGuard([before] { QApplication::setFont(before); });
    QFont font = before;
    font.setPointSize(pointSize);
    QApplication::setFont(font);

    TestApp t;
    QVERIFY(t.app().InitInstance());
    CMainFrame* frame = t.app().MainFrame();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    QTreeWidget* tree = frame->AxisBar()->Tree();
    QCOMPARE(tree->font().pointSize(), pointSize);
    // Sixteen characters, as the search lists an axis: address and name.
    QVERIFY(t.app().AddAxis(3, DeviceType::Kev, QStringLiteral("[03] Drehtisch 2"), 2));
    QTreeWidgetItem* item = frame->AxisItem(3);
    QVERIFY(item);
    QCoreApplication::processEvents();
    const int right = tree->visualItemRect(item).left() +
                      tree->sizeHintForIndex(tree->indexFromItem(item)).width();
    QVERIFY2(right <= tree->viewport()->width(),
             qPrintable(QStringLiteral("%1 > %2").arg(right).arg(tree->viewport()->width())));
}

void TstWindowHabits::lockKeyPanes()
{
    TestApp t;
    QVERIFY(t.app().InitInstance());
    const QPointer<CMainFrame> frame = t.app().MainFrame();
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    const QList<int> panes = {CMainFrame::PaneCaps, CMainFrame::PaneNum, CMainFrame::PaneScroll};
    auto shown = [&frame, &panes] {
        QStringList texts;
        for (int pane : panes)
            texts.append(frame->PaneText(pane));
        return texts;
    };
    for (int pane : panes)
        QVERIFY(frame->Pane(pane) && frame->Pane(pane)->isVisible());

    // Offscreen the platform tells nothing of the keyboard: the panes stay empty.
    QTest::keyClick(frame, Qt::Key_CapsLock);
    QCOMPARE(shown(), QStringList({"", "", ""}));

    // A platform that tells: a lock key pressed in the program shows at once.
    std::optional<CLockKeyState::Keys> keys;
    frame->KeyIndicators()->SetSource([&keys] { return keys; });
    keys = CLockKeyState::Keys{true, false, true};
    QTest::keyClick(frame, Qt::Key_CapsLock);
    QCOMPARE(shown(), QStringList({"CAP", "", "SCRL"}));
    keys = CLockKeyState::Keys{false, true, false};
    QTest::keyClick(frame, Qt::Key_NumLock);
    QCOMPARE(shown(), QStringList({"", "NUM", ""}));
    keys.reset();
    QTest::keyClick(frame, Qt::Key_ScrollLock);
    QCOMPARE(shown(), QStringList({"", "", ""}));
}

QTEST_MAIN(TstWindowHabits)
#include "tst_windowhabits.moc"
