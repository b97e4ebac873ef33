// Documents through the application: the axis window opened from the tree or found again,
// files from the command line, File Open and the recent files as offline documents, and
// the frames of parameter and project windows.
#include "pages/ctarnlinkdoc.h"
#include "pages/ctarnlinkview.h"
#include "platform/ccommandactions.h"
#include "platform/cdocmanager.h"
#include "platform/cdoctemplate.h"
#include "platform/cmdichildframe.h"
#include "platform/csmallfilereader.h"
#include "shell/cchildframe.h"
#include "shell/cchildlist.h"
#include "shell/cmainframe.h"
#include "shell/cprojectlistdoc.h"
#include "shell/cprojectlistview.h"
#include "tests/support/namedpipe.h"
#include "tests/support/testapp.h"

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QPointer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

// Where a file that cannot be opened lies, made in `dir`: its path.
QString UnopenableFile(const QTemporaryDir& dir, const QString& kind)
{
    if (kind == QStringLiteral("missing"))
        return dir.filePath(QStringLiteral("fehlt.sdf"));
    if (kind == QStringLiteral("named pipe"))
        return dir.filePath(QStringLiteral("rohr.sdf")); // the test's NamedPipe
    if (kind.startsWith(QStringLiteral("directory"))) {
        const QString name = kind.mid(kind.indexOf(QLatin1Char(' ')) + 1);
        QDir(dir.path()).mkdir(name);
        return dir.filePath(name);
    }
    const bool folder = kind == QStringLiteral("in unreadable folder");
    const QString directory = folder ? dir.filePath(QStringLiteral("zu")) : dir.path();
    QDir(dir.path()).mkdir(QStringLiteral("zu"));
    const QString path = TestApp::WriteKevFile(dir, QStringLiteral("zu/achse.sdf"));
    QFile::setPermissions(folder ? directory : path, QFileDevice::Permissions());
    return path;
}

} // namespace

class TstShellDocs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void axisWindowFoundByTitle_data();
    void axisWindowFoundByTitle();
    void projectWindowIsNotAnAxisWindow();
    void offlineItemFoundByTreeItem_data();
    void offlineItemFoundByTreeItem();
    void commandLineFileOpensOffline();
    void openFailureNamesFileAndReason_data();
    void openFailureNamesFileAndReason();
    void fileOpenGivesOfflineDocument();
    void recentFilesOpenOffline();
    void missingRecentFileLeavesList();
    void refusedFileStaysOutOfRecentList_data();
    void refusedFileStaysOutOfRecentList();
    void frameTitleNamesActiveWindow();
    void parameterFrameKeepsItsSize();
    void closeCommandFollowsActiveWindow();

private:
    CMdiChildFrame* OpenAxis(CTarnlinkApp& app, const QString& address, const QString& label);
};

void TstShellDocs::initTestCase()
{
    qputenv("TARNLINK_CAN", "nosuchplugin:can9");
}

CMdiChildFrame* TstShellDocs::OpenAxis(CTarnlinkApp& app, const QString& address,
                                       const QString& label)
{
    app.OpenAxisDocument(CPageOpening::ForAxis(address, label, DeviceType::DrqPlus));
    return qobject_cast<CMdiChildFrame*>(app.MainFrame()->MdiArea()->activeSubWindow());
}

void TstShellDocs::axisWindowFoundByTitle_data()
{
    QTest::addColumn<QString>("windowLabel");
    QTest::addColumn<QString>("askedLabel");
    QTest::addColumn<bool>("found");
    QTest::newRow("same label") << "[05] Achse X"
                                << "[05] Achse X" << true;
    QTest::newRow("label with blanks") << "[05] Achse X"
                                       << "  [05] Achse X " << true;
    QTest::newRow("file title without .sdf") << "[Offline] x.sdf"
                                             << "[Offline] x" << true;
    QTest::newRow("other axis") << "[05] Achse X"
                                << "[06] Achse Y" << false;
    QTest::newRow("differs in case") << "[05] Achse X"
                                     << "[05] achse x" << false;
}

void TstShellDocs::axisWindowFoundByTitle()
{
    QFETCH(QString, windowLabel);
    QFETCH(QString, askedLabel);
    QFETCH(bool, found);
    TestApp t;
    QVERIFY(t.app().InitInstance());
    CTarnlinkApp& app = t.app();
    QMdiArea* area = app.MainFrame()->MdiArea();

    CMdiChildFrame* first = OpenAxis(app, QStringLiteral("5"), windowLabel);
    QVERIFY(first);
    QCOMPARE(first->windowTitle(), windowLabel);
    QVERIFY(!app.m_windowReused);
    auto* view = qobject_cast<CTarnlinkView*>(first->GetActiveView());
    QVERIFY(view);
    QCOMPARE(view->AddressText(), QStringLiteral("5"));
    QVERIFY(qobject_cast<CChildFrame*>(first));

    // Another window in front, then the same axis again.
    CMdiChildFrame* other = OpenAxis(app, QStringLiteral("9"), QStringLiteral("[09] Andere"));
    QCOMPARE(area->activeSubWindow(), other);
    CMdiChildFrame* again = OpenAxis(app, QStringLiteral("5"), askedLabel);
    if (found) {
        QCOMPARE(again, first);
        QCOMPARE(area->subWindowList().size(), 2);
        QVERIFY(app.m_windowReused);
    } else {
        QVERIFY(again != first && again != other);
        QCOMPARE(area->subWindowList().size(), 3);
        QVERIFY(!app.m_windowReused);
    }
}

void TstShellDocs::projectWindowIsNotAnAxisWindow()
{
    TestApp t;
    QVERIFY(t.app().InitInstance());
    CTarnlinkApp& app = t.app();
    QMdiArea* area = app.MainFrame()->MdiArea();
    const QString label = QStringLiteral("[03] Achse");
    CMdiChildFrame* axis = OpenAxis(app, QStringLiteral("3"), label);

    // A project window titled like the axis, in front of it.
    CDocTemplate* projects = app.DocManager().FindTemplate(130);
    QVERIFY(projects);
    CDocument* project = projects->OpenDocumentFile(QString());
    QVERIFY(qobject_cast<CProjectListDoc*>(project));
    project->SetTitle(label);
    CMdiChildFrame* projectFrame = project->Frames().first();
    QVERIFY(qobject_cast<CChildList*>(projectFrame));
    QVERIFY(qobject_cast<CProjectListView*>(projectFrame->GetActiveView()));
    QCOMPARE(area->activeSubWindow(), projectFrame);
    QCOMPARE(CMainFrame::ParameterViewOf(projectFrame), nullptr);
    QCOMPARE(app.MainFrame()->ChildFrames(), (QList<CMdiChildFrame*>{projectFrame, axis}));

    CMdiChildFrame* found = OpenAxis(app, QStringLiteral("3"), label);
    QCOMPARE(found, axis);
    QCOMPARE(area->subWindowList().size(), 2);
    QVERIFY(app.m_windowReused);

    // With only the project window left, the axis gets a window of its own.
    axis->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(area->subWindowList().size(), 1);
    CMdiChildFrame* opened = OpenAxis(app, QStringLiteral("3"), label);
    QVERIFY(opened != projectFrame);
    QVERIFY(CMainFrame::ParameterViewOf(opened));
    QVERIFY(!app.m_windowReused);
}

void TstShellDocs::offlineItemFoundByTreeItem_data()
{
    QTest::addColumn<bool>("reusedBefore");
    QTest::newRow("flag set stays") << true;
    QTest::newRow("flag clear stays") << false;
}

void TstShellDocs::offlineItemFoundByTreeItem()
{
    QFETCH(bool, reusedBefore);
    TestApp t;
    QVERIFY(t.app().InitInstance());
    CTarnlinkApp& app = t.app();
    CMainFrame* frame = app.MainFrame();
    QMdiArea* area = frame->MdiArea();

    app.Axes().Add(4, DeviceType::Kev, QStringLiteral("[04] Achse"), CMainFrame::ImageGrey);
    app.Axes().Add(6, DeviceType::Kev, QStringLiteral("[06] Achse"), CMainFrame::ImageGrey);

    const QString label = QStringLiteral("[Offline] [04] Achse");
    CMdiChildFrame* own = OpenAxis(app, QStringLiteral("Off"), label);
    qobject_cast<CTarnlinkView*>(own->GetActiveView())->SetAxisAddress(4);
    // A window with the same title but another tree item, in front.
    CMdiChildFrame* twin =
        OpenAxis(app, QStringLiteral("Off"), QStringLiteral("[Offline] [06] Achse"));
    twin->GetActiveDocument()->SetTitle(label);
    qobject_cast<CTarnlinkView*>(twin->GetActiveView())->SetAxisAddress(6);
    QCOMPARE(area->activeSubWindow(), twin);

    frame->TreeCtrl()->setCurrentItem(frame->AxisItem(4));
    app.m_windowReused = reusedBefore;
    QCOMPARE(OpenAxis(app, QStringLiteral("Off"), label), own);
    QCOMPARE(app.m_windowReused, reusedBefore);
    QCOMPARE(area->subWindowList().size(), 2);

    // An offline item that no window shows opens a new one, whatever the titles say.
    app.Axes().Add(7, DeviceType::Lqn, QStringLiteral("[07] Achse"), CMainFrame::ImageGrey);
    frame->TreeCtrl()->setCurrentItem(frame->AxisItem(7));
    CMdiChildFrame* opened = OpenAxis(app, QStringLiteral("Off"), label);
    QVERIFY(opened != own && opened != twin);
    QCOMPARE(area->subWindowList().size(), 3);
    QVERIFY(!app.m_windowReused);
}

void TstShellDocs::commandLineFileOpensOffline()
{
    QTemporaryDir dir;
    const QString path = TestApp::WriteKevFile(dir, QStringLiteral("achse.sdf"));
    TestApp t;
    QVERIFY(t.app().InitInstance({QStringLiteral("tarnlink"), QStringLiteral("-style"), path}));
    QMdiArea* area = t.app().MainFrame()->MdiArea();
    // Nothing opens during the start-up itself, and never an empty document.
    QVERIFY(area->subWindowList().isEmpty());
    QTRY_COMPARE(area->subWindowList().size(), 1);
    auto* frame = qobject_cast<CMdiChildFrame*>(area->subWindowList().first());
    auto* document = qobject_cast<CTarnlinkDoc*>(frame->GetActiveDocument());
    QVERIFY(document);
    QCOMPARE(document->GetPathName(), path);
    QCOMPARE(document->GetTitle(), QStringLiteral("[Offline] achse.sdf"));
    auto* view = qobject_cast<CTarnlinkView*>(frame->GetActiveView());
    QCOMPARE(view->AddressText(), QStringLiteral("Off"));
    QCOMPARE(t.app().GetRecentFileList().At(0), path);
    QTest::qWait(20);
    QCOMPARE(area->subWindowList().size(), 1);
}

void TstShellDocs::openFailureNamesFileAndReason_data()
{
    QTest::addColumn<bool>("commandLine"); // else File Open
    QTest::addColumn<QString>("kind");
    for (const bool commandLine : {true, false}) {
        for (const char* kind : {"missing", "directory x.sdf", "directory x.spf", "unreadable",
                                 "in unreadable folder", "named pipe"})
            QTest::addRow("%s, %s", commandLine ? "command line" : "File Open", kind)
                << commandLine << QString::fromLatin1(kind);
    }
}

void TstShellDocs::openFailureNamesFileAndReason()
{
    QFETCH(bool, commandLine);
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const NamedPipe pipe(dir.filePath(QStringLiteral("rohr.sdf")));
    QVERIFY(pipe.IsMade());
    const QString path = UnopenableFile(dir, kind);
    const auto restore = qScopeGuard([&dir] {
        QFile::setPermissions(dir.filePath(QStringLiteral("zu")), QFileDevice::ReadOwner |
                                                                      QFileDevice::WriteOwner |
                                                                      QFileDevice::ExeOwner);
    });
    // A folder or a pipe is no file at all; the rest is a file the system will not open.
    const bool regular = !kind.startsWith(QStringLiteral("directory")) &&
                         kind != QStringLiteral("named pipe");
    if (regular && QFile(path).open(QIODevice::ReadOnly))
        QSKIP("runs with the right to read every file (as root): no file is unreadable");

    // The command line in German, File Open in English.
    TestApp t;
    t.app().Settings().SetActiveCom(QStringLiteral("ttyTarnlinkNone"));
    QString failed = QStringLiteral("Das Dokument konnte nicht geöffnet werden.");
    QString reason = QStringLiteral(
        "Keine reguläre Datei, sondern ein Ordner, eine benannte Pipe, ein Socket oder ein Gerät.");
    if (commandLine) {
        QVERIFY(t.app().InitInstance({QStringLiteral("tarnlink"), path}));
        QTRY_COMPARE(t.messages.size(), 2);
    } else {
        QVERIFY(t.app().InitInstance());
        t.app().OnLanguageEnglish();
        failed = QStringLiteral("Failed to open document.");
        reason = QStringLiteral(
            "Not a regular file but a folder, a named pipe, a socket or a device.");
        t.messages.clear();
        t.AnswerFileDialog(path);
        QVERIFY(CCommandActions::Trigger(t.app().MainFrame(), 57601));
        QCOMPARE(t.messages.size(), 1);
    }
    // What Qt says when it is asked to open the file.
    if (regular) {
        QFile probe(path);
        QVERIFY(!probe.open(QIODevice::ReadOnly));
        QVERIFY(!probe.errorString().isEmpty());
        reason = probe.errorString();
    }
    QCOMPARE(t.messages.last(), failed + QStringLiteral("\r\n") + QDir::toNativeSeparators(path) +
                                    QStringLiteral("\r\n") + reason);
    QVERIFY(!pipe.Waited());
    QVERIFY(t.app().MainFrame()->MdiArea()->subWindowList().isEmpty());
    QVERIFY(t.app().GetRecentFileList().IsEmpty());
}

void TstShellDocs::fileOpenGivesOfflineDocument()
{
    QTemporaryDir dir;
    const QString path = TestApp::WriteKevFile(dir, QStringLiteral("vorlage.sdf"));
    TestApp t;
    QVERIFY(t.app().InitInstance());
    t.AnswerFileDialog(path);
    QVERIFY(CCommandActions::Trigger(t.app().MainFrame(), 57601));
    CDocument* document = t.app().DocManager().ActiveDocument();
    QVERIFY(qobject_cast<CTarnlinkDoc*>(document));
    QCOMPARE(document->GetTitle(), QStringLiteral("[Offline] vorlage.sdf"));
    auto* view = qobject_cast<CTarnlinkView*>(document->FirstView());
    QCOMPARE(view->AddressText(), QStringLiteral("Off"));
    // The menu lists it as the newest recent file.
    QAction* recent = t.app().MainFrame()->CommandAction(57616);
    QVERIFY(recent->isEnabled());
    QCOMPARE(recent->text(), QStringLiteral("&1 ") + path);
}

void TstShellDocs::recentFilesOpenOffline()
{
    QTemporaryDir dir;
    const QString older = TestApp::WriteKevFile(dir, QStringLiteral("alt.sdf"));
    const QString newer = TestApp::WriteKevFile(dir, QStringLiteral("neu.sdf"));
    TestApp t;
    t.app().DocManager().AddToRecentFileList(older);
    t.app().DocManager().AddToRecentFileList(newer);
    QVERIFY(t.app().InitInstance());
    CMainFrame* frame = t.app().MainFrame();
    QCOMPARE(frame->CommandAction(57617)->text(), QStringLiteral("&2 ") + older);
    QVERIFY(frame->CommandAction(57617)->isEnabled());
    QVERIFY(!frame->CommandAction(57618)->isEnabled());

    QVERIFY(CCommandActions::Trigger(frame, 57617));
    CDocument* document = t.app().DocManager().ActiveDocument();
    QVERIFY(document);
    QCOMPARE(document->GetPathName(), older);
    QCOMPARE(document->GetTitle(), QStringLiteral("[Offline] alt.sdf"));
    QCOMPARE(qobject_cast<CTarnlinkView*>(document->FirstView())->AddressText(),
             QStringLiteral("Off"));
    // Opened, it moves to the front of the list and of the menu.
    QCOMPARE(t.app().GetRecentFileList().Entries(), (QStringList{older, newer}));
    QCOMPARE(frame->CommandAction(57616)->text(), QStringLiteral("&1 ") + older);
}

void TstShellDocs::missingRecentFileLeavesList()
{
    QTemporaryDir dir;
    const QString kept = TestApp::WriteKevFile(dir, QStringLiteral("da.sdf"));
    const QString gone = dir.filePath(QStringLiteral("weg.sdf"));
    TestApp t;
    t.app().DocManager().AddToRecentFileList(kept);
    t.app().DocManager().AddToRecentFileList(gone);
    t.app().Settings().SetActiveCom(QStringLiteral("ttyTarnlinkNone"));
    QVERIFY(t.app().InitInstance());
    t.messages.clear();
    QVERIFY(CCommandActions::Trigger(t.app().MainFrame(), 57616));
    QCOMPARE(t.messages.size(), 1);
    QVERIFY2(t.messages.first().startsWith(QStringLiteral("Das Dokument konnte nicht geöffnet "
                                                          "werden.\r\n") +
                                           QDir::toNativeSeparators(gone) + QStringLiteral("\r\n")),
             qPrintable(t.messages.first()));
    QCOMPARE(t.app().GetRecentFileList().Entries(), QStringList{kept});
    QCOMPARE(t.app().MainFrame()->CommandAction(57616)->text(), QStringLiteral("&1 ") + kept);
    QVERIFY(!t.app().MainFrame()->CommandAction(57617)->isEnabled());
    QVERIFY(t.app().MainFrame()->MdiArea()->subWindowList().isEmpty());
}

void TstShellDocs::refusedFileStaysOutOfRecentList_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message"); // the start of the one message shown
    QTest::addColumn<QString>("end");     // and its end
    const QByteArray kev("Tarnlink parameter file of 16.08.18 - 14:05\r\n"
                         "Address\t\t\t\t[05]\r\nController version and type:\t[bKEV]\r\n"
                         "Axis name:\t\t\t[pnAchse]\r\n");
    QTest::newRow("not a parameter file")
        << "falsch.sdf" << QByteArray("Einkaufsliste\r\nBrot\r\n")
        << "Die Datei ist keine gültige Parameterdatei" << QString();
    QTest::newRow("address of an online axis of another type")
        << "falsch.sdf" << kev << "Endstufe HWK mit Adresse [05] existiert bereits!" << QString();
    // Good files but for their size, which no real one comes near.
    const QString tooLarge = QStringLiteral(
        "\r\nDie Datei ist größer als 1 MB und damit viel größer als jede Parameter- oder "
        "Projektdatei.");
    const QByteArray padding(CSmallFileReader::kMaxBytes, '\n');
    QTest::newRow("parameter file over 1 MB")
        << "falsch.sdf" << kev + padding << "Das Dokument konnte nicht geöffnet werden.\r\n"
        << tooLarge;
    QTest::newRow("project file over 1 MB")
        << "falsch.spf" << QByteArray("[KEV 3] \\a.sdf\r\n") + padding
        << "Das Dokument konnte nicht geöffnet werden.\r\n"
        << tooLarge;
}

void TstShellDocs::refusedFileStaysOutOfRecentList()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QFETCH(QString, end);
    QTemporaryDir dir;
    QStringList kept;
    for (const char* kevName : {"a.sdf", "b.sdf", "c.sdf", "d.sdf"})
        kept.prepend(TestApp::WriteKevFile(dir, QString::fromLatin1(kevName)));
    const QString refused = dir.filePath(name);
    QFile file(refused);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    TestApp t;
    for (auto it = kept.crbegin(); it != kept.crend(); ++it)
        t.app().DocManager().AddToRecentFileList(*it);
    t.app().Settings().SetActiveCom(QStringLiteral("ttyTarnlinkNone"));
    QVERIFY(t.app().InitInstance());
    CMainFrame* frame = t.app().MainFrame();
    t.app().Axes().Add(5, DeviceType::Hwk, QStringLiteral("[05] Achse"), CMainFrame::ImageGreen);
    t.messages.clear();

    t.AnswerFileDialog(refused);
    QVERIFY(CCommandActions::Trigger(frame, 57601));
    QCOMPARE(t.messages.size(), 1);
    QVERIFY2(t.messages.first().startsWith(message), qPrintable(t.messages.first()));
    QVERIFY2(t.messages.first().endsWith(end), qPrintable(t.messages.first()));
    QTRY_VERIFY(frame->MdiArea()->subWindowList().isEmpty());
    QCOMPARE(t.app().GetRecentFileList().Entries(), kept);
    QCOMPARE(frame->CommandAction(57616)->text(), QStringLiteral("&1 ") + kept.first());
}

void TstShellDocs::frameTitleNamesActiveWindow()
{
    TestApp t;
    QVERIFY(t.app().InitInstance());
    CMainFrame* frame = t.app().MainFrame();
    QCOMPARE(frame->windowTitle(), QStringLiteral("Tarnlink"));
    QPointer<CMdiChildFrame> first =
        OpenAxis(t.app(), QStringLiteral("Off"), QStringLiteral("[01] Achse"));
    QVERIFY(first);
    QCOMPARE(frame->windowTitle(), QStringLiteral("Tarnlink - [01] Achse"));
    QPointer<CMdiChildFrame> second =
        OpenAxis(t.app(), QStringLiteral("Off"), QStringLiteral("[02] Achse"));
    QVERIFY(second && second != first);
    QCOMPARE(frame->windowTitle(), QStringLiteral("Tarnlink - [02] Achse"));
    // The title follows the active window's own title, and its place.
    second->setWindowTitle(QStringLiteral("[02] Vorschub"));
    QCOMPARE(frame->windowTitle(), QStringLiteral("Tarnlink - [02] Vorschub"));
    frame->MdiArea()->setActiveSubWindow(first);
    QCOMPARE(frame->windowTitle(), QStringLiteral("Tarnlink - [01] Achse"));
    first->close();
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(frame->windowTitle(), QStringLiteral("Tarnlink"));
}

void TstShellDocs::parameterFrameKeepsItsSize()
{
    TestApp t;
    QVERIFY(t.app().InitInstance());
    CMdiChildFrame* axis = OpenAxis(t.app(), QStringLiteral("2"), QStringLiteral("[02] Achse"));
    QVERIFY(QTest::qWaitForWindowExposed(axis));
    QVERIFY(!(axis->windowFlags() & Qt::WindowMaximizeButtonHint));
    const QSize size = axis->size();
    QCOMPARE(axis->minimumSize(), axis->maximumSize());
    axis->resize(size + QSize(80, 60));
    QCOMPARE(axis->size(), size);
    axis->showMaximized();
    QVERIFY(!axis->isMaximized());
    QCOMPARE(axis->size(), size);

    // Dragging the frame's lower right corner does not resize it.
    const QPoint corner(axis->width() - 2, axis->height() - 2);
    QTest::mousePress(axis, Qt::LeftButton, {}, corner);
    QTest::mouseMove(axis, corner + QPoint(40, 40));
    QTest::mouseRelease(axis, Qt::LeftButton, {}, corner + QPoint(40, 40));
    QCOMPARE(axis->size(), size);

    // Minimised and restored it comes back at its size.
    axis->showMinimized();
    QVERIFY(axis->isMinimized());
    axis->showNormal();
    QCOMPARE(axis->size(), size);

    // A project window is an ordinary window.
    CDocument* project = t.app().DocManager().FindTemplate(130)->OpenDocumentFile(QString());
    CMdiChildFrame* list = project->Frames().first();
    QVERIFY(list->windowFlags() & Qt::WindowMaximizeButtonHint);
    list->showMaximized();
    QVERIFY(list->isMaximized());
    // Activating the axis window does not maximise it like its neighbour.
    t.app().MainFrame()->MdiArea()->setActiveSubWindow(axis);
    QVERIFY(!axis->isMaximized());
    QCOMPARE(axis->size(), size);
}

void TstShellDocs::closeCommandFollowsActiveWindow()
{
    TestApp t;
    QVERIFY(t.app().InitInstance());
    CMainFrame* frame = t.app().MainFrame();
    QAction* close = frame->CommandAction(57602);
    QVERIFY(!close->isEnabled());
    OpenAxis(t.app(), QStringLiteral("1"), QStringLiteral("[01] Achse"));
    QVERIFY(close->isEnabled());
    QVERIFY(frame->CommandAction(57603)->isEnabled());
    QVERIFY(CCommandActions::Trigger(frame, 57602));
    QVERIFY(frame->MdiArea()->subWindowList().isEmpty());
    QVERIFY(!close->isEnabled());
    QVERIFY(!frame->CommandAction(57607)->isEnabled());

    // Exit closes the document windows and then the main window.
    QPointer<CMdiChildFrame> open =
        OpenAxis(t.app(), QStringLiteral("1"), QStringLiteral("[01] Achse"));
    QVERIFY(CCommandActions::Trigger(frame, 57665));
    QVERIFY(!frame->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(open.isNull());
}

QTEST_MAIN(TstShellDocs)
#include "tst_shelldocs.moc"
