// The whole program used at random against a simulated bus of all nine device types: menu
// commands chosen from the open menu, keys, clicks on the page, tree double-clicks, the close
// boxes, every dialog answered at random, time passing for the polls, and the stages
// switching between answering, silence and wrong checksums. Nothing may crash, freeze or
// delete a menu under its own command.
//
// Each run has a number that starts its random choices. The test runs the same few numbers
// every time (kRunNumbers), one data row each, so a failure can be run again as it was; it
// prints each number at the start and, when a run fails or dies, the actions it took:
//   TARNLINK_RANDOM_RUN=<number> [TARNLINK_RANDOM_ACTIONS=<n>] ./tst_randomuse
// runs that number, or any other, alone. TARNLINK_RANDOM_SECONDS sets how long the test lasts,
// shared by its runs; TARNLINK_RANDOM_LOG=1 prints the actions of a run that passed too.
#include "pages/ctarnlinkview.h"
#include "platform/ccommandactions.h"
#include "platform/cmdichildframe.h"
#include "platform/cmodalrunner.h"
#include "res/ccommandid.h"
#include "shell/cdlgaxisnew.h"
#include "shell/cmainframe.h"
#include "tests/sim/simbus.h"
#include "tests/sim/simserialline.h"
#include "tests/support/sanitizers.h"
#include "tests/support/testapp.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <csignal>
#include <cstdlib>
#include <random>
#include <string>
#include <unistd.h>

#ifdef TARNLINK_HAVE_SANITIZER
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// The run number and the actions so far, kept where a dying process can still write them out.
std::string g_replayLog;

void WriteReplayLog()
{
    const std::string text =
        "\n---- random use: actions taken ----\n" + g_replayLog + "---- end of actions ----\n";
    [[maybe_unused]] const auto written = ::write(2, text.data(), text.size());
}

void OnFatalSignal(int signal)
{
    WriteReplayLog();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void InstallReplayLogOnDeath()
{
    for (int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
        std::signal(signal, OnFatalSignal);
#ifdef TARNLINK_HAVE_SANITIZER
    __sanitizer_set_death_callback(WriteReplayLog);
#endif
}

int EnvInt(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// The run numbers of every test run: fixed, so that a red run can be run again by its number.
constexpr unsigned kRunNumbers[] = {1, 2, 3, 4};

// The one run TARNLINK_RANDOM_RUN names, else kRunNumbers.
QList<unsigned> RunNumbers()
{
    if (qEnvironmentVariableIsSet("TARNLINK_RANDOM_RUN"))
        return {unsigned(EnvInt("TARNLINK_RANDOM_RUN", 0))};
    return QList<unsigned>(std::begin(kRunNumbers), std::end(kRunNumbers));
}

const QByteArray kTypes[] = {"KEV", "LQN", "HWT", "HWK", "HVR", "DRQ+", "UQT", "DRQ2+", "VNE+"};

const int kKeys[] = {Qt::Key_Up,       Qt::Key_Down,  Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp,
                     Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End,  Qt::Key_Tab,   Qt::Key_Return,
                     Qt::Key_Escape,   Qt::Key_Space, Qt::Key_1,    Qt::Key_5,     Qt::Key_F3};

struct Shortcut {
    Qt::KeyboardModifiers modifiers;
    int key;
};
const Shortcut kShortcuts[] = {
    {Qt::ControlModifier, Qt::Key_N},  {Qt::ControlModifier, Qt::Key_O},
    {Qt::ControlModifier, Qt::Key_S},  {Qt::ControlModifier, Qt::Key_F4},
    {Qt::ControlModifier, Qt::Key_F6}, {Qt::ControlModifier, Qt::Key_Tab},
    {Qt::NoModifier, Qt::Key_F3},
};

const int kAnswers[] = {IdOk, IdYes, IdNo, IdCancel};

class RandomUser {
public:
    explicit RandomUser(unsigned runNumber) : m_random(runNumber)
    {
        for (int i = 0; i < 9; ++i)
            bus.AddAxis(i + 1, kTypes[i]);
        bus.AddAxis(12, "KEV");
        line.Start();
        t.app().Settings().SetActiveCom(line.PortPath());
        t.app().Settings().SetChecksum(Pick(2));
        t.app().InitInstance();
        frame = t.app().MainFrame();
        t.app().ModalRunner().SetScript([this](QDialog& dialog) { return AnswerDialog(dialog); });
        TestApp::WriteKevFile(dir, QStringLiteral("kev.sdf"));
        // The technician's first step: the bus searched, the tree filled.
        frame->OnSearch();
    }

    SimBus bus;
    SimSerialLine line{bus};
    TestApp t;
    QPointer<CMainFrame> frame;
    QTemporaryDir dir;

    // One random action; false once the program is gone.
    bool Step()
    {
        t.answers.clear();
        for (int i = 0; i < 64; ++i)
            t.answers.append(kAnswers[Pick(4)]);
        switch (Pick(21)) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
            ChooseMenuCommand();
            break;
        case 5:
        case 6:
            PressKey();
            break;
        case 7:
            PressShortcut();
            break;
        case 8:
        case 9:
        case 10:
        case 11:
            ClickOnPage();
            break;
        case 12:
        case 13:
            DoubleClickAxis();
            break;
        case 14:
            CloseBox();
            break;
        case 15:
            ChangeBus();
            break;
        case 16:
        case 17:
            Wait(50 + Pick(600));
            break;
        case 18:
            PollFires();
            break;
        case 19:
            ProjectRound();
            break;
        default:
            Note(QStringLiteral("nothing"));
            break;
        }
        return frame;
    }

    void Note(const QString& what)
    {
        g_replayLog += QString::number(m_step).toStdString() + ": " + what.toStdString() + "\n";
    }
    void NextStep() { ++m_step; }
    // Set by a menu command that deleted a menu of the bar while it ran.
    QString menuFault;

private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }

    QString Path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    static QList<QAction*> Commands(const QList<QAction*>& entries)
    {
        QList<QAction*> commands;
        for (QAction* entry : entries) {
            if (QMenu* menu = entry->menu())
                commands += Commands(menu->actions());
            else if (!entry->isSeparator() && entry->isEnabled() && entry->isVisible())
                commands.append(entry);
        }
        return commands;
    }

    static QMenu* MenuHolding(const QList<QAction*>& entries, const QAction* action)
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

    static QList<QPointer<QMenu>> BarMenus(const QList<QAction*>& entries)
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

    void ChooseMenuCommand()
    {
        QList<QAction*> commands = Commands(frame->menuBar()->actions());
        // Exit ends the run; it is the one command not tried.
        commands.removeIf([](QAction* a) { return CCommandActions::IdOf(a) == 57665; });
        if (commands.isEmpty())
            return Note(QStringLiteral("menu: nothing enabled"));
        QAction* action = commands.at(Pick(int(commands.size())));
        QMenu* menu = MenuHolding(frame->menuBar()->actions(), action);
        Note(QStringLiteral("menu %1 \"%2\"")
                 .arg(CCommandActions::IdOf(action))
                 .arg(action->text()));
        if (!menu)
            return;
        const QList<QPointer<QMenu>> shown = BarMenus(frame->menuBar()->actions());
        QObject context;
        QObject::connect(action, &QAction::triggered, &context, [this, shown, action] {
            for (const QPointer<QMenu>& each : shown) {
                if (!each)
                    menuFault = QStringLiteral("a menu was deleted while command %1 ran")
                                    .arg(CCommandActions::IdOf(action));
            }
        });
        menu->popup(frame->mapToGlobal(QPoint(30, 30)));
        menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
    }

    void Choose(int command)
    {
        QAction* action = frame->CommandAction(command);
        QMenu* menu = action ? MenuHolding(frame->menuBar()->actions(), action) : nullptr;
        if (!menu || !action->isEnabled())
            return Note(QStringLiteral("menu %1 not offered").arg(command));
        Note(QStringLiteral("menu %1 \"%2\"").arg(command).arg(action->text()));
        menu->popup(frame->mapToGlobal(QPoint(30, 30)));
        menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
    }

    // What a technician does with projects: save one, open it and transmit it, each from the
    // menu, on whatever state the bus is in.
    void ProjectRound()
    {
        Note(QStringLiteral("project round"));
        m_projectFile = true;
        Choose(CCommandId::kSaveProject);
        if (frame)
            Choose(CCommandId::kOpenProject);
        if (frame)
            Choose(CCommandId::kTransmitProject);
        m_projectFile = false;
    }

    QWidget* KeyTarget() const
    {
        if (QWidget* focus = QApplication::focusWidget())
            return focus;
        return frame;
    }

    void PressKey()
    {
        const int key = kKeys[Pick(int(std::size(kKeys)))];
        QPointer<QWidget> target = KeyTarget();
        Note(QStringLiteral("key %1 to %2").arg(key, 0, 16).arg(target->metaObject()->className()));
        QTest::keyClick(target, Qt::Key(key));
    }

    void PressShortcut()
    {
        const Shortcut& shortcut = kShortcuts[Pick(int(std::size(kShortcuts)))];
        Note(QStringLiteral("shortcut %1+%2")
                 .arg(int(shortcut.modifiers), 0, 16)
                 .arg(shortcut.key, 0, 16));
        QTest::keyClick(frame, Qt::Key(shortcut.key), shortcut.modifiers);
    }

    // The controls of the active page the user can reach.
    QList<QWidget*> PageControls() const
    {
        QList<QWidget*> controls;
        QMdiSubWindow* window = frame->MdiArea()->activeSubWindow();
        if (!window || !window->widget())
            return controls;
        const QList<QWidget*> children = window->widget()->findChildren<QWidget*>();
        for (QWidget* child : children) {
            const bool control =
                qobject_cast<QAbstractButton*>(child) || qobject_cast<QAbstractSlider*>(child) ||
                qobject_cast<QComboBox*>(child) || qobject_cast<QAbstractSpinBox*>(child) ||
                qobject_cast<QLineEdit*>(child);
            if (control && child->isVisible() && child->isEnabled())
                controls.append(child);
        }
        return controls;
    }

    void ClickOnPage()
    {
        const QList<QWidget*> controls = PageControls();
        if (controls.isEmpty())
            return Note(QStringLiteral("click: no page"));
        QPointer<QWidget> control = controls.at(Pick(int(controls.size())));
        const QPoint at(Pick(std::max(1, control->width())), Pick(std::max(1, control->height())));
        Note(QStringLiteral("click %1 \"%2\" at %3,%4")
                 .arg(control->metaObject()->className(), control->objectName())
                 .arg(at.x())
                 .arg(at.y()));
        if (auto* combo = qobject_cast<QComboBox*>(control.data())) {
            // A choice by key: the list a click opens would wait for a second click.
            combo->setFocus();
            QTest::keyClick(combo, Pick(2) ? Qt::Key_Down : Qt::Key_Up);
            return;
        }
        if (qobject_cast<QAbstractSlider*>(control.data()) && Pick(3) == 0) {
            QWheelEvent wheel(QPointF(at), QPointF(control->mapToGlobal(at)), QPoint(),
                              QPoint(0, Pick(2) ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(control, &wheel);
            return;
        }
        if (auto* edit = qobject_cast<QLineEdit*>(control.data())) {
            edit->setFocus();
            QTest::keyClicks(edit, QStringLiteral("x1"));
            if (edit)
                QTest::keyClick(edit, Qt::Key_Return);
            return;
        }
        QTest::mouseClick(control, Qt::LeftButton, {}, at);
    }

    void DoubleClickAxis()
    {
        QList<int> listed;
        for (int address = 0; address < CMainFrame::kAddressSlots; ++address) {
            if (frame->AxisItem(address))
                listed.append(address);
        }
        if (listed.isEmpty())
            return Note(QStringLiteral("double-click: tree empty"));
        const int address = listed.at(Pick(int(listed.size())));
        Note(QStringLiteral("double-click axis %1").arg(address));
        QTreeWidget* tree = frame->TreeCtrl();
        QTreeWidgetItem* item = frame->AxisItem(address);
        tree->scrollToItem(item);
        const QPoint at = tree->visualItemRect(item).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    }

    void CloseBox()
    {
        const QList<QMdiSubWindow*> windows = frame->MdiArea()->subWindowList();
        if (windows.isEmpty())
            return Note(QStringLiteral("close box: no window"));
        QPointer<QMdiSubWindow> window = windows.at(Pick(int(windows.size())));
        Note(QStringLiteral("close box of \"%1\"").arg(window->windowTitle()));
        window->close();
    }

    void ChangeBus()
    {
        switch (Pick(6)) {
        case 0:
        case 1:
        case 2:
            Note(QStringLiteral("bus answers"));
            line.SetSilent(false);
            line.SetChecksumFault(SimSerialLine::ChecksumFault::None);
            break;
        case 3:
            Note(QStringLiteral("bus silent"));
            line.SetSilent(true);
            break;
        case 4:
            Note(QStringLiteral("bus wrong checksums"));
            line.SetSilent(false);
            line.SetChecksumFault(SimSerialLine::ChecksumFault::Wrong);
            break;
        default: {
            const int address = 1 + Pick(12);
            Note(QStringLiteral("bus silent after %1 requests").arg(address * 3));
            line.SetSilent(false);
            line.SetChecksumFault(SimSerialLine::ChecksumFault::None);
            for (int n = address * 3; n < address * 3 + 40; ++n)
                line.SetGivenReply(n, QByteArray());
            break;
        }
        }
    }

    // The frame's status poll comes round, as it does every two seconds while it runs.
    void PollFires()
    {
        if (!frame->StatusTimer().isActive())
            return Wait(300);
        Note(QStringLiteral("status poll"));
        frame->OnStatusPoll();
    }

    void Wait(int ms)
    {
        Note(QStringLiteral("wait %1 ms").arg(ms));
        QTest::qWait(ms);
    }

    // Every dialog of the program, answered the way a hurried user might.
    int AnswerDialog(QDialog& dialog)
    {
        Note(QStringLiteral("  dialog %1").arg(dialog.metaObject()->className()));
        if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
            if (Pick(4) == 0)
                return int(QDialog::Rejected);
            const bool open = files->acceptMode() == QFileDialog::AcceptOpen;
            const QStringList names =
                open ? QStringList{"kev.sdf", "plant.spf", "saved.sdf", "missing.sdf"}
                     : QStringList{"saved.sdf", "plant.spf", "other.spf", "no/such/x.sdf"};
            const QString name =
                m_projectFile ? QStringLiteral("plant.spf") : names.at(Pick(int(names.size())));
            Note(QStringLiteral("    file %1").arg(name));
            files->selectFile(Path(name));
            return int(QDialog::Accepted);
        }
        if (auto* print = qobject_cast<QPrintDialog*>(&dialog)) {
            print->printer()->setOutputFormat(QPrinter::PdfFormat);
            print->printer()->setOutputFileName(Path(QStringLiteral("out.pdf")));
            return Pick(2) ? int(QDialog::Accepted) : int(QDialog::Rejected);
        }
        if (qobject_cast<CDlgAxisNew*>(&dialog)) {
            if (Pick(3) == 0)
                return int(QDialog::Rejected);
            dialog.accept();
            return int(QDialog::Accepted);
        }
        // Any other dialog stays open a while, its polls running and its buttons pressed,
        // then it is closed.
        QPointer<QDialog> open = &dialog;
        const int steps = Pick(4);
        for (int i = 0; i < steps && open; ++i) {
            const int what = Pick(5);
            if (what < 2) {
                QTest::qWait(100 + Pick(1200));
                continue;
            }
            if (what == 2) {
                // The bus changes under the open dialog, and the frame's poll comes round.
                ChangeBus();
                PollFires();
                continue;
            }
            const QList<QAbstractButton*> buttons = dialog.findChildren<QAbstractButton*>();
            QList<QAbstractButton*> usable;
            for (QAbstractButton* button : buttons) {
                if (button->isVisible() && button->isEnabled())
                    usable.append(button);
            }
            if (usable.isEmpty())
                continue;
            QAbstractButton* button = usable.at(Pick(int(usable.size())));
            Note(QStringLiteral("    button \"%1\"").arg(button->text()));
            QTest::mouseClick(button, Qt::LeftButton);
        }
        if (!open)
            return int(QDialog::Rejected);
        if (open->result() != 0 || !open->isVisible())
            return open->result();
        return int(QDialog::Rejected);
    }

    std::mt19937 m_random;
    int m_step = 0;
    bool m_projectFile = false;
};

} // namespace

class TstRandomUse : public QObject {
    Q_OBJECT
private slots:
    void randomUse_data();
    void randomUse();
};

void TstRandomUse::randomUse_data()
{
    QTest::addColumn<unsigned>("runNumber");
    for (unsigned runNumber : RunNumbers())
        QTest::addRow("run %u", runNumber) << runNumber;
}

void TstRandomUse::randomUse()
{
    QFETCH(unsigned, runNumber);
    const qint64 runMs = EnvInt("TARNLINK_RANDOM_SECONDS", 20) * qint64(1000) / RunNumbers().size();
    const int maxActions = EnvInt("TARNLINK_RANDOM_ACTIONS", 1 << 30);
    g_replayLog = "run " + std::to_string(runNumber) + "\n";
    qInfo("random use: run %u (replay with TARNLINK_RANDOM_RUN=%u)", runNumber, runNumber);
    InstallReplayLogOnDeath();

    bool passed = false;
    auto report = qScopeGuard([&] {
        if (!passed || qEnvironmentVariableIsSet("TARNLINK_RANDOM_LOG"))
            WriteReplayLog();
    });
    RandomUser user(runNumber);
    QElapsedTimer run;
    run.start();
    int actions = 0;
    while (run.elapsed() < runMs && actions < maxActions) {
        user.NextStep();
        const qsizetype messagesBefore = user.t.messages.size();
        QVERIFY2(user.Step(), "the main window is gone");
        QVERIFY2(user.menuFault.isEmpty(), qPrintable(user.menuFault));
        // A fault is told once or a few times, never in an endless row of boxes.
        QVERIFY2(user.t.messages.size() - messagesBefore < 60,
                 qPrintable(user.t.messages.mid(messagesBefore, 5).join(QStringLiteral(" | "))));
        ++actions;
    }
    qInfo("random use: %d actions in %lld ms", actions, run.elapsed());
    passed = true;
}

QTEST_MAIN(TstRandomUse)
#include "tst_randomuse.moc"
