// A parameter page asked to close while one of its dialogs or message boxes runs: the main
// frame's poll drops the axis of a stage that went silent, File Close, a project transfer and
// a bus search reach the page from inside the dialog's run (the scripted run serves events as
// the dialog's own loop would). The page stays until the dialog has returned, its own dialog
// ends first, nothing more goes to the stage, and the window closes afterwards.
#include "platform/ccommandactions.h"
#include "shell/cprojectlistview.h"
#include "tests/pages/pagerig.h"

#include <QDialog>
#include <QPointer>
#include <QSignalSpy>

namespace {

constexpr int kFileClose = 57602;
constexpr int kFilePrint = 57607;
constexpr int kSearch = 32777;
constexpr int kLogicAddress = 5;

// What the user opens on the page.
enum Opener {
    StatusDialog,
    ModuleStatus,
    ModuleSettings,
    LogicDialog,
    PrintDialog,
    DefaultsQuestion,
    CurrentQuestion,
    TimeoutMessage
};

// What reaches the page while its dialog runs.
enum Closer { StatusPoll, FileClose, TransmitProject, BusSearch };

// What happened inside the dialog's run or the box's answer.
struct Seen {
    bool ran = false;
    bool pageStayed = false;
    bool dialogEnded = false;
};

// The page `opener` needs, opened online and its own poll stopped.
CTarnlinkView* OpenPage(Rig& rig, int opener)
{
    CTarnlinkView* view = nullptr;
    if (opener == LogicDialog) {
        view = rig.OpenOnlineAxis(kLogicAddress, kHwk, "HWK", QStringLiteral("[05] Axis"));
    } else {
        if (opener == ModuleStatus || opener == ModuleSettings)
            rig.Set("XP", 1);
        if (opener == CurrentQuestion)
            rig.Set("R", 29);
        // 2.5 A allowed: a run current of 3.0 A asks first.
        const QString label =
            QStringLiteral("[03] Axis") + (opener == CurrentQuestion ? ";2,5" : "");
        rig.DoubleClick(rig.AddItem(3, kKev, label, CMainFrame::ImageGreen));
        view = rig.ActiveView();
    }
    if (view)
        view->StatusTimer().stop();
    return view;
}

// The user's action that opens `opener` on `view`.
void Open(Rig& rig, CTarnlinkView* view, int opener)
{
    const int buttons[] = {Ids::kStatusButton, Ids::kQelStatusButton, Ids::kQelSettingsButton,
                           Ids::kLogicButton};
    switch (opener) {
    case PrintDialog:
        QVERIFY(CCommandActions::Trigger(rig.frame, kFilePrint));
        break;
    case DefaultsQuestion:
        QTest::mouseClick(Control<QAbstractButton>(view, Ids::kDefaultsButton), Qt::LeftButton);
        break;
    case CurrentQuestion: {
        QSlider* run = Control<QSlider>(view, Ids::kSliders[1]);
        run->setFocus();
        QTest::keyClick(run, Qt::Key_Right);
        break;
    }
    case TimeoutMessage:
        rig.line.SetSilent(true);
        rig.t.port().SetLastingTimeout(200);
        rig.ChooseNextEntry(view, Ids::kStepCombo);
        break;
    default:
        QTest::mouseClick(Control<QAbstractButton>(view, buttons[opener]), Qt::LeftButton);
    }
}

// The stage goes silent and the frame's poll finds it so.
void DropSilentAxis(Rig& rig)
{
    rig.line.SetSilent(true);
    rig.t.port().SetLastingTimeout(200);
    rig.frame->OnStatusPoll();
}

// A project of the KEV at 3 in `dir`, opened and transmitted.
void TransmitKevProject(Rig& rig, const QTemporaryDir& dir)
{
    QFile axis(dir.filePath(QStringLiteral("k.sdf")));
    QFile project(dir.filePath(QStringLiteral("p.spf")));
    if (!axis.open(QIODevice::WriteOnly) || !project.open(QIODevice::WriteOnly))
        return;
    axis.write("Tarnlink\r\nAddress\t[03]\r\nType:\t[bKEV 2.35]\r\nRun:\t[r25]\r\n");
    project.write("head\r\n\r\n[KEV 3] \\k.sdf\r\n");
    axis.close();
    project.close();
    CDocument* document = rig.app().OpenDocumentFile(project.fileName());
    if (auto* view = document ? qobject_cast<CProjectListView*>(document->FirstView()) : nullptr)
        view->OnTransmitProject();
}

void Reach(Rig& rig, int closer, const QTemporaryDir& dir)
{
    switch (closer) {
    case StatusPoll:
        DropSilentAxis(rig);
        break;
    case FileClose:
        CCommandActions::Trigger(rig.frame, kFileClose);
        break;
    case TransmitProject:
        TransmitKevProject(rig, dir);
        break;
    case BusSearch:
        CCommandActions::Trigger(rig.frame, kSearch);
        break;
    }
}

// Runs `reach` from inside the first dialog the page runs, then serves events as the
// dialog's loop does; further dialogs (a transfer's report) are cancelled.
void ScriptDialog(Rig& rig, const QPointer<CTarnlinkView>& view, Seen& seen,
                  const std::function<void()>& reach)
{
    rig.app().ModalRunner().SetScript([&rig, &view, &seen, reach](QDialog& dialog) {
        if (seen.ran)
            return int(QDialog::Rejected);
        seen.ran = true;
        QSignalSpy finished(&dialog, &QDialog::finished);
        const QPointer<QDialog> held(&dialog);
        reach();
        QTest::qWait(50);
        seen.pageStayed = !view.isNull();
        seen.dialogEnded = finished.count() == 1;
        rig.bus.ClearLog();
        return held ? held->result() : int(QDialog::Rejected);
    });
}

// Runs `reach` while the first message box is open; every box is answered with OK, a
// question whether to save with No.
void ScriptBoxes(Rig& rig, const QPointer<CTarnlinkView>& view, Seen& seen,
                 const std::function<void()>& reach)
{
    rig.app().MessageBoxes().SetResponder([&rig, &view, &seen, reach](const MessageBoxRequest& r) {
        rig.t.messages.append(r.text);
        if (!seen.ran) {
            seen.ran = true;
            reach();
            QTest::qWait(50);
            seen.pageStayed = !view.isNull();
            rig.bus.ClearLog();
        }
        return (r.style & 0x0F) == MbYesNoCancel ? int(IdNo) : int(IdOk);
    });
}

} // namespace

class TstModalClose : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("TARNLINK_CAN", "nosuchplugin:can9"); }
    void pollUnderModal_data();
    void pollUnderModal();
    void otherClosers_data();
    void otherClosers();
};

void TstModalClose::pollUnderModal_data()
{
    QTest::addColumn<int>("opener");
    QTest::addColumn<bool>("dialog");
    QTest::newRow("status dialog") << int(StatusDialog) << true;
    QTest::newRow("module status") << int(ModuleStatus) << true;
    QTest::newRow("module settings") << int(ModuleSettings) << true;
    QTest::newRow("logic dialog") << int(LogicDialog) << true;
    QTest::newRow("print dialog") << int(PrintDialog) << true;
    QTest::newRow("defaults question") << int(DefaultsQuestion) << false;
    QTest::newRow("current question") << int(CurrentQuestion) << false;
    QTest::newRow("timeout message") << int(TimeoutMessage) << false;
}

void TstModalClose::pollUnderModal()
{
    QFETCH(int, opener);
    QFETCH(bool, dialog);
    Rig rig;
    QPointer<CTarnlinkView> view = OpenPage(rig, opener);
    QVERIFY(view);
    QPointer<QMdiSubWindow> window = rig.frame->MdiArea()->activeSubWindow();
    Seen seen;
    const auto reach = [&rig] { DropSilentAxis(rig); };
    if (dialog)
        ScriptDialog(rig, view, seen, reach);
    else
        ScriptBoxes(rig, view, seen, reach);

    Open(rig, view, opener);
    QVERIFY(seen.ran);
    QVERIFY(seen.pageStayed);
    if (dialog)
        QVERIFY(seen.dialogEnded);
    // The axis is gone from the tree; the page sent nothing more after its dialog or box.
    const int address = opener == LogicDialog ? kLogicAddress : 3;
    QVERIFY(!rig.frame->AxisItem(address));
    QVERIFY(view);
    QCOMPARE(view->AxisAddress(), -1);
    QCOMPARE(rig.Commands(), QStringList());
    // Back in the event loop, the window closes.
    QTRY_VERIFY(!window);
    QVERIFY(!view);
    QVERIFY(rig.frame->ChildFrames().isEmpty());
}

void TstModalClose::otherClosers_data()
{
    QTest::addColumn<int>("closer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("status poll") << int(StatusPoll) << true;
    QTest::newRow("File Close") << int(FileClose) << true;
    QTest::newRow("project transfer") << int(TransmitProject) << true;
    // The search lists the axis anew and leaves its page open, without the old item.
    QTest::newRow("bus search") << int(BusSearch) << false;
}

void TstModalClose::otherClosers()
{
    QFETCH(int, closer);
    QFETCH(bool, closes);
    Rig rig;
    QTemporaryDir dir;
    QPointer<CTarnlinkView> view = OpenPage(rig, StatusDialog);
    QVERIFY(view);
    QPointer<QMdiSubWindow> window = rig.frame->MdiArea()->activeSubWindow();
    Seen seen;
    ScriptDialog(rig, view, seen, [&] { Reach(rig, closer, dir); });

    Open(rig, view, StatusDialog);
    QVERIFY(seen.ran);
    QVERIFY(seen.pageStayed);
    if (closes)
        QVERIFY(seen.dialogEnded);
    QTest::qWait(50);
    QCOMPARE(window.isNull(), closes);
    QCOMPARE(view.isNull(), closes);
    if (view)
        QCOMPARE(view->AxisAddress(), -1);
}

QTEST_MAIN(TstModalClose)
#include "tst_modalclose.moc"
