// A page whose values the user changed is not closed silently: File Close, Exit, the
// window's close box and New project ask whether to save it ("Yes" saves, "No" closes without
// saving, "Cancel" keeps the window), and every way the user changes a value marks the page's
// document modified, an offline page's too.
#include "pages/cdlgsettingsqel.h"
#include "platform/ccommandactions.h"
#include "tests/pages/pagerig.h"

#include <QPointer>

namespace {

const QString kSaveQuestion = QStringLiteral("Änderungen in %1 speichern?");
const QString kNewProjectQuestion =
    QStringLiteral("Achtung! Alle Endstufen werden entfernt, fortfahren?");

constexpr int kFileClose = 57602;
constexpr int kAppExit = 57665;
constexpr int kNewProject = 32783;
constexpr int kOpenProject = 32789;

enum Path { FileClose, Exit, CloseBox, NewProject };

// The user's changes: on an offline page the stop current dragged to its right end, on
// both the step resolution moved one entry down.
void ChangeValues(CTarnlinkView* view, bool online)
{
    if (!online) {
        QSlider* stop = Control<QSlider>(view, Ids::kSliders[0]);
        DragHandle(stop, stop->width() + 50);
        QCOMPARE(stop->value(), stop->maximum());
    }
    QComboBox* steps = Control<QComboBox>(view, Ids::kStepCombo);
    const int before = steps->currentIndex();
    QTest::keyClick(steps, Qt::Key_Down);
    QVERIFY(steps->currentIndex() != before);
}

// The active page closed by `path` as the user closes it; its windows deleted as the
// event loop deletes them.
void CloseBy(Rig& rig, int path, QMdiSubWindow* page)
{
    switch (path) {
    case FileClose:
        QVERIFY(CCommandActions::Trigger(rig.frame, kFileClose));
        break;
    case Exit:
        QVERIFY(CCommandActions::Trigger(rig.frame, kAppExit));
        break;
    case CloseBox:
        page->close();
        break;
    default:
        QVERIFY(CCommandActions::Trigger(rig.frame, kNewProject));
        break;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TstCloseQuestion : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("TARNLINK_CAN", "nosuchplugin:can9"); }
    void closePathsAsk_data();
    void closePathsAsk();
    void exitAsksAboutEveryPageFirst();
    void openProjectKeepsPages();
    void pollDropsChangedPageUnasked();
    void userChangesMarkModified_data();
    void userChangesMarkModified();
};

void TstCloseQuestion::closePathsAsk_data()
{
    QTest::addColumn<int>("path");
    QTest::addColumn<bool>("online"); // the KEV at 3, or a new offline KEV at 00
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("kept");

    const QList<QPair<int, const char*>> paths = {{FileClose, "File Close"},
                                                  {Exit, "Exit"},
                                                  {CloseBox, "close box"},
                                                  {NewProject, "New project"}};
    for (const auto& [path, name] : paths) {
        QTest::addRow("%s, offline, yes", name) << path << false << true << int(IdYes) << false;
        QTest::addRow("%s, offline, no", name) << path << false << true << int(IdNo) << false;
        QTest::addRow("%s, offline, cancel", name)
            << path << false << true << int(IdCancel) << true;
        QTest::addRow("%s, unchanged", name) << path << false << false << int(IdCancel) << false;
    }
    QTest::newRow("File Close, online, cancel")
        << int(FileClose) << true << true << int(IdCancel) << true;
    QTest::newRow("close box, online, no") << int(CloseBox) << true << true << int(IdNo) << false;
    QTest::newRow("Exit, online, yes") << int(Exit) << true << true << int(IdYes) << false;
}

void TstCloseQuestion::closePathsAsk()
{
    QFETCH(int, path);
    QFETCH(bool, online);
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(bool, kept);
    Rig rig;
    QPointer<CTarnlinkView> view =
        online ? rig.OpenOnline() : rig.OpenNew(kKev, QStringLiteral("00"));
    QVERIFY(view);
    view->StatusTimer().stop();
    QPointer<QMdiSubWindow> page = rig.frame->MdiArea()->activeSubWindow();
    QPointer<CTarnlinkDoc> document = view->GetDocument();
    QVERIFY(!document->IsModified());
    if (changed)
        ChangeValues(view, online);
    QCOMPARE(document->IsModified(), changed);
    const QString title = document->GetTitle();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.sdf"));
    rig.t.AnswerFileDialog(file);
    rig.t.messages.clear();
    rig.t.answers = {answer};
    if (path == NewProject)
        rig.t.answers.prepend(IdYes);

    CloseBy(rig, path, page);
    QStringList asked;
    if (path == NewProject)
        asked.append(kNewProjectQuestion);
    if (changed)
        asked.append(kSaveQuestion.arg(title));
    QCOMPARE(rig.t.messages, asked);
    QCOMPARE(bool(page), kept);
    QCOMPARE(rig.frame->isVisible(), path != Exit || kept);
    if (kept)
        QVERIFY(document->IsModified());
    QCOMPARE(QFile::exists(file), answer == IdYes && changed);
    if (answer == IdYes && changed && !online) {
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("[s63]"));
    }
}

void TstCloseQuestion::exitAsksAboutEveryPageFirst()
{
    Rig rig;
    QPointer<CTarnlinkView> first = rig.OpenNew(kKev, QStringLiteral("00"));
    QVERIFY(first);
    ChangeValues(first, false);
    QPointer<CTarnlinkView> second = rig.OpenNew(kKev, QStringLiteral("01"));
    QVERIFY(second);
    ChangeValues(second, false);

    // "No" to the first and Cancel to the second: both stay, the first is not lost.
    rig.t.answers = {IdNo, IdCancel};
    QVERIFY(CCommandActions::Trigger(rig.frame, kAppExit));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(rig.t.messages.size(), 2);
    QVERIFY(first && second);
    QVERIFY(first->GetDocument()->IsModified());
    QVERIFY(rig.frame->isVisible());

    // Each is asked once, and goes.
    rig.t.messages.clear();
    rig.t.answers = {IdNo, IdNo};
    QVERIFY(CCommandActions::Trigger(rig.frame, kAppExit));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(rig.t.messages.size(), 2);
    QVERIFY(!first && !second);
    QVERIFY(!rig.frame->isVisible());
}

void TstCloseQuestion::openProjectKeepsPages()
{
    Rig rig;
    QPointer<CTarnlinkView> view = rig.OpenNew(kKev, QStringLiteral("00"));
    QVERIFY(view);
    ChangeValues(view, false);
    QTemporaryDir dir;
    const QString project = dir.filePath(QStringLiteral("plant.spf"));
    QFile file(project);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Tarnlink project\r\n");
    file.close();
    rig.t.AnswerFileDialog(project);
    rig.t.messages.clear();

    // A project opens in a window of its own; the page and its changes stay, unasked.
    QVERIFY(CCommandActions::Trigger(rig.frame, kOpenProject));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(rig.frame->MdiArea()->subWindowList().size(), 2);
    QVERIFY(view);
    QVERIFY(view->GetDocument()->IsModified());
    QCOMPARE(rig.t.messages, QStringList{});
}

void TstCloseQuestion::pollDropsChangedPageUnasked()
{
    Rig rig;
    QPointer<CTarnlinkView> view = rig.OpenOnline();
    QVERIFY(view);
    view->StatusTimer().stop();
    ChangeValues(view, true);
    QVERIFY(view->GetDocument()->IsModified());
    rig.t.messages.clear();
    rig.t.answer = IdCancel;

    // The stage stops answering: the poll drops the axis and its page goes with it. What
    // the page changed is in the stage already; there is nothing to ask about.
    rig.line.SetSilent(true);
    rig.t.port().SetLastingTimeout(100);
    rig.frame->OnStatusPoll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!view);
    for (const QString& message : std::as_const(rig.t.messages))
        QVERIFY2(!message.contains(QStringLiteral("speichern")), qPrintable(message));
}

void TstCloseQuestion::userChangesMarkModified_data()
{
    QTest::addColumn<bool>("online");
    QTest::addColumn<int>("control");
    for (bool online : {true, false}) {
        const char* where = online ? "online" : "offline";
        QTest::addRow("%s, name typed", where) << online << int(Ids::kNameEdit);
        QTest::addRow("%s, delay spin clicked", where) << online << int(Ids::kDelaySpin);
        QTest::addRow("%s, module switched on", where) << online << int(Ids::kQelSwitch);
        QTest::addRow("%s, module settings taken", where) << online << int(Ids::kQelSettingsButton);
    }
}

void TstCloseQuestion::userChangesMarkModified()
{
    QFETCH(bool, online);
    QFETCH(int, control);
    Rig rig;
    QPointer<CTarnlinkView> view =
        online ? rig.OpenOnline() : rig.OpenNew(kKev, QStringLiteral("00"));
    QVERIFY(view);
    view->StatusTimer().stop();
    QVERIFY(!view->GetDocument()->IsModified());
    QWidget* widget = Control(view, control);
    QVERIFY(widget && widget->isVisible());
    if (control == Ids::kQelSettingsButton) {
        QTest::mouseClick(Control<QAbstractButton>(view, Ids::kQelSwitch), Qt::LeftButton);
        view->GetDocument()->SetModifiedFlag(false);
        rig.app().ModalRunner().SetScript([](QDialog& shown) {
            auto* dialog = qobject_cast<CDlgSettingsQEL*>(&shown);
            if (!dialog)
                return int(QDialog::Rejected);
            dialog->Spin(CDlgSettingsQEL::kHeatTimeSpin)->stepUp();
            dialog->OnOK();
            return dialog->result();
        });
    }

    if (control == Ids::kNameEdit)
        QTest::keyClicks(widget, QStringLiteral("Hub"));
    else if (control == Ids::kDelaySpin)
        ClickSpinUp(qobject_cast<QSpinBox*>(widget));
    else
        QTest::mouseClick(widget, Qt::LeftButton);
    RunQueued(view);
    QVERIFY(view->GetDocument()->IsModified());
}

QTEST_MAIN(TstCloseQuestion)
#include "tst_closequestion.moc"
