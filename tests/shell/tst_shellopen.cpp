// A file opened from the desktop while the program runs: the later start hands its files to
// the running program over the per-user local socket and ends at once; the running program
// opens them offline and comes to the front; a running program that does not answer is
// reported by the start; a socket left by a program that crashed does not stop the next start
// from becoming the running one.
#include "pages/ctarnlinkview.h"
#include "platform/cmdichildframe.h"
#include "shell/cmainframe.h"
#include "shell/cshellopenchannel.h"
#include "tests/support/testapp.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

using Role = CShellOpenChannel::Role;

namespace {

const QString kProgram = QStringLiteral(TARNLINK_PROGRAM);


// The stored settings of a program started by a test: a serial port that does not exist,
// so that no test takes the machine's own.
QProcessEnvironment ProgramEnvironment(const QTemporaryDir& config)
{
    QSettings settings(config.filePath(QStringLiteral("Korvane GmbH/Tarnlink.conf")),
                       QSettings::IniFormat);
    settings.setValue(QStringLiteral("Settings/ActiveCom"), TestApp::kNoPort);
    settings.sync();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("TARNLINK_CAN"), QStringLiteral("nosuchplugin:can9"));
    return environment;
}

// A later start of the program, on a thread of its own as in a process of its own, while
// this thread serves the running side.
Role ClaimFromLaterStart(const QString& name, const QStringList& files)
{
    std::atomic<bool> done = false;
    Role role = Role::Alone;
    std::thread start([&] {
        role = CShellOpenChannel(name).Claim(files);
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    start.join();
    return role;
}

} // namespace

class TstShellOpen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void handOver_data();
    void handOver();
    void whatOthersSend_data();
    void whatOthersSend();
    void secondStartHandsOverAndEnds();
    void secondStartToProgramNotAnswering_data();
    void secondStartToProgramNotAnswering();
    void socketOfCrashedProgramTakenOver();
    void filesWaitForABusyProgram();
};

void TstShellOpen::initTestCase()
{
    // The channel is named after the user: a user of this test's own keeps it apart from a
    // program the machine's user may be running, and from other runs of this test.
    qputenv("USER",
            QByteArray("tarnlinktest") + QByteArray::number(QCoreApplication::applicationPid()));
    // No CAN card: the adapter finds nothing under this name.
    qputenv("TARNLINK_CAN", "nosuchplugin:can9");
    QLoggingCategory::setFilterRules(QStringLiteral("qt.canbus.plugins.*=false"));
}

void TstShellOpen::handOver_data()
{
    QTest::addColumn<QStringList>("named");
    QTest::addColumn<QStringList>("arrived");
    const QString here = QDir::currentPath();
    QTest::newRow("no file: the window only comes to the front") << QStringList{} << QStringList{};
    QTest::newRow("relative to the start's own folder")
        << QStringList{"Achse 7.sdf"} << QStringList{here + "/Achse 7.sdf"};
    QTest::newRow("two files in their order, umlauts")
        << QStringList{"/tmp/Prüfstand/Dreh tisch.sdf", "/tmp/b.spf"}
        << QStringList{"/tmp/Prüfstand/Dreh tisch.sdf", "/tmp/b.spf"};
}

void TstShellOpen::handOver()
{
    QFETCH(QStringList, named);
    QFETCH(QStringList, arrived);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("channel"));
    CShellOpenChannel running(name);
    QSignalSpy handed(&running, &CShellOpenChannel::filesHandedOver);
    QCOMPARE(running.Claim({}), Role::Serving);

    QCOMPARE(ClaimFromLaterStart(name, named), Role::HandedOver);
    QTRY_COMPARE(handed.size(), 1);
    QCOMPARE(handed.first().first().toStringList(), arrived);
}

void TstShellOpen::whatOthersSend_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QStringList>("files");
    const QByteArray header = CShellOpenChannel::Message({});
    QTest::newRow("not a start of the program")
        << QByteArray("/tmp/a.sdf\0", 11) << false << QStringList{};
    QTest::newRow("a path cut off is not taken")
        << header + QByteArray("/tmp/a.sdf\0/tmp/b", 17) << true << QStringList{"/tmp/a.sdf"};
    QTest::newRow("empty paths are skipped")
        << header + QByteArray("\0/tmp/a.sdf\0\0", 13) << true << QStringList{"/tmp/a.sdf"};
    QTest::newRow("more than any command line")
        << header + QByteArray(2 * 1024 * 1024, 'a') << false << QStringList{};
}

void TstShellOpen::whatOthersSend()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, taken);
    QFETCH(QStringList, files);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("channel"));
    CShellOpenChannel running(name);
    QSignalSpy handed(&running, &CShellOpenChannel::filesHandedOver);
    QCOMPARE(running.Claim({}), Role::Serving);

    QLocalSocket other;
    other.connectToServer(name);
    QVERIFY(other.waitForConnected(1000));
    other.write(bytes);
    // The running program reads while this side writes; a connection it drops ends here.
    QTRY_VERIFY(other.bytesToWrite() == 0 || other.state() == QLocalSocket::UnconnectedState);
    other.disconnectFromServer();
    QTRY_COMPARE(other.state(), QLocalSocket::UnconnectedState);
    if (taken) {
        QTRY_COMPARE(handed.size(), 1);
        QCOMPARE(handed.first().first().toStringList(), files);
    }

    // Whatever came before, the next start is still served.
    QCOMPARE(ClaimFromLaterStart(name, {QStringLiteral("/tmp/c.sdf")}), Role::HandedOver);
    QTRY_COMPARE(handed.size(), taken ? 2 : 1);
    QCOMPARE(handed.last().first().toStringList(), QStringList{"/tmp/c.sdf"});
}

void TstShellOpen::secondStartHandsOverAndEnds()
{
    QTemporaryDir files;
    QTemporaryDir config;
    const QString path = TestApp::WriteKevFile(files, QStringLiteral("Achse 7.sdf"));
    QVERIFY(!path.isEmpty());
    TestApp t;
    CShellOpenChannel channel(CShellOpenChannel::UserChannelName());
    QCOMPARE(channel.Claim({}), Role::Serving);
    QVERIFY(t.app().InitInstance({}, &channel));
    // The running program keeps no lock that a later start would have to wait for.
    QLockFile decision(channel.DecisionLockPath());
    QVERIFY(decision.tryLock(0));
    decision.unlock();
    const QPointer<CMainFrame> frame = t.app().MainFrame();
    frame->showMinimized();
    QTRY_VERIFY(frame->isMinimized());

    // The desktop starts the program in the file's folder with the file's name.
    QProcess second;
    second.setProcessEnvironment(ProgramEnvironment(config));
    second.setWorkingDirectory(files.path());
    second.start(kProgram, {QStringLiteral("Achse 7.sdf")});
    // This side answers from its event loop.
    QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 60000);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    // The bus port, whose CAN card says so on standard output when it starts, was never made.
    QVERIFY(!second.readAllStandardOutput().contains("VORTAN"));

    QTRY_COMPARE(t.app().DocumentWindows().size(), 1);
    QVERIFY(frame);
    CMdiChildFrame* window = t.app().DocumentWindows().first();
    QCOMPARE(window->windowTitle(), QStringLiteral("[Offline] Achse 7.sdf"));
    const CTarnlinkView* view = CTarnlinkView::Of(window);
    QVERIFY(view);
    QCOMPARE(view->AddressText(), QStringLiteral("Off"));
    QVERIFY(!frame->isMinimized());
    // Only the missing port of the test's settings was reported, not the file.
    QCOMPARE(t.messages, QStringList{QStringLiteral("Schnittstelle kann nicht geöffnet werden!")});
}

void TstShellOpen::secondStartToProgramNotAnswering_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("named");
    QTest::addColumn<QString>("said");
    QTest::newRow("German, a file")
        << 0 << QStringList{"Achse 7.sdf"}
        << QStringLiteral("Tarnlink läuft bereits, antwortet aber nicht. Diese Dateien konnten "
                          "ihm nicht übergeben werden: %1/Achse 7.sdf");
    QTest::newRow("English, no file")
        << 1 << QStringList{} << QStringLiteral("Tarnlink is already running but doesn’t answer.");
}

void TstShellOpen::secondStartToProgramNotAnswering()
{
    QFETCH(int, language);
    QFETCH(QStringList, named);
    QFETCH(QString, said);
    QTemporaryDir config;
    QTemporaryDir files;
    // A program that listens but never takes a connection up, as one that hangs.
    const QString name = CShellOpenChannel::UserChannelName();
    QLocalServer::removeServer(name);
    QLocalServer hanging;
    QVERIFY(hanging.listen(name));
    QProcessEnvironment environment = ProgramEnvironment(config);
    QSettings(config.filePath(QStringLiteral("Korvane GmbH/Tarnlink.conf")), QSettings::IniFormat)
        .setValue(QStringLiteral("Settings/Language"), language);

    QProcess second;
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(files.path());
    second.start(kProgram, named);
    QVERIFY(second.waitForStarted());
    // The start waits a few seconds for an answer, then tells the user on standard error and
    // in a box, which holds it until the user closes it: it has not ended as if all was well.
    const QString line = QString(said).replace(QStringLiteral("%1"), files.path());
    QByteArray error;
    const auto told = [&] {
        error += second.readAllStandardError();
        return QString::fromLocal8Bit(error).split(QLatin1Char('\n')).contains(line) ||
               second.state() == QProcess::NotRunning;
    };
    QTRY_VERIFY_WITH_TIMEOUT(told(), 60000);
    QVERIFY2(QString::fromLocal8Bit(error).split(QLatin1Char('\n')).contains(line),
             error.constData());
    QCOMPARE(second.state(), QProcess::Running);
    // It made no bus port.
    QVERIFY(!second.readAllStandardOutput().contains("VORTAN"));
    // What it said was not handed over must not open after all when the program comes back.
    QLocalSocket* late = hanging.nextPendingConnection();
    QVERIFY(late);
    late->waitForReadyRead(200);
    QCOMPARE(late->readAll(), QByteArray());
    second.kill();
    QVERIFY(second.waitForFinished());
}

void TstShellOpen::socketOfCrashedProgramTakenOver()
{
    QTemporaryDir config;
    const QString name = CShellOpenChannel::UserChannelName();
    QProcess first;
    first.setProcessEnvironment(ProgramEnvironment(config));
    first.start(kProgram, {});
    QVERIFY(first.waitForStarted());
    auto listening = [&name] {
        QLocalSocket probe;
        probe.connectToServer(name);
        const bool connected = probe.waitForConnected(100);
        probe.abort();
        return connected;
    };
    QTRY_VERIFY_WITH_TIMEOUT(listening(), 20000);
    first.kill();
    QVERIFY(first.waitForFinished());

    // What the crash left behind blocks a server that does not clear it.
    QVERIFY(!listening());
    QLocalServer naive;
    QVERIFY(!naive.listen(name));

    CShellOpenChannel channel(name);
    QSignalSpy handed(&channel, &CShellOpenChannel::filesHandedOver);
    QCOMPARE(channel.Claim({}), Role::Serving);
    QCOMPARE(ClaimFromLaterStart(name, {QStringLiteral("/tmp/a.sdf")}), Role::HandedOver);
    QTRY_COMPARE(handed.size(), 1);
    QCOMPARE(handed.first().first().toStringList(), QStringList{"/tmp/a.sdf"});
}

void TstShellOpen::filesWaitForABusyProgram()
{
    QTemporaryDir files;
    const QString path = TestApp::WriteKevFile(files, QStringLiteral("Achse 7.sdf"));
    TestApp t;
    QVERIFY(t.app().InitInstance());
    CMainFrame* frame = t.app().MainFrame();
    // A project is being transmitted when the file arrives: it waits, and is not lost.
    frame->BlockProjectCommands(true);
    t.app().OnShellOpen({path});
    QTest::qWait(700);
    QCOMPARE(frame->MdiArea()->subWindowList().size(), 0);
    frame->BlockProjectCommands(false);
    QTRY_COMPARE(frame->MdiArea()->subWindowList().size(), 1);
    QTest::qWait(700);
    QCOMPARE(frame->MdiArea()->subWindowList().size(), 1);
}

QTEST_MAIN(TstShellOpen)
#include "tst_shellopen.moc"
