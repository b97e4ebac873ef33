// The window habits a technician expects of a multi-document program: the lock-key panes of
// the status bar show what the platform tells of the keyboard.
#include "shell/ckeyindicators.h"
#include "shell/cmainframe.h"
#include "tests/support/testapp.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QTest>

class TstWindowHabits : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void lockKeyPanes();
};

void TstWindowHabits::initTestCase()
{
    // No CAN card: the adapter finds nothing under this name.
    qputenv("TARNLINK_CAN", "nosuchplugin:can9");
    QLoggingCategory::setFilterRules(QStringLiteral("qt.canbus.plugins.*=false"));
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
