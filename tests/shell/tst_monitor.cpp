// The monitor against the simulator: the log in both styles and colours, single commands
// and macros on Enter, the sequence once and looped, the stream test after "Z#", the ways
// the dialog closes while they run, and the frame's command that opens it.
#include "bus/creplytimeouts.h"
#include "platform/ccontrolids.h"
#include "res/ccommandid.h"
#include "shell/cdlgmonitor.h"
#include "shell/cmainframe.h"
#include "tests/sim/simbus.h"
#include "tests/sim/simserialline.h"
#include "tests/support/namedpipe.h"
#include "tests/support/testapp.h"
#include "tests/support/utf16text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

const QString kMode = QStringLiteral("9600, n, 8, 1");
constexpr int kQuickTimeoutMs = 150;

// A monitor on a bus with a KEV at address 5, opened on a pseudo-terminal.
struct Rig {
    TestApp t;
    SimBus bus;
    SimSerialLine line{bus};
    QPointer<CDlgMonitor> dialog;

    Rig()
    {
        bus.AddAxis(5, "KEV", "KEV 1.62");
        line.Start();
        t.port().OpenOrClose(line.PortPath(), kMode, true);
        WriteMacros(QByteArray()); // no macros, and nothing to complain about
    }
    ~Rig() { delete dialog.data(); }

    QString MacroPath() { return QDir(t.app().ProgramDirectory()).filePath(CMacroFile::kFileName); }
    void WriteMacros(const QByteArray& bytes)
    {
        QFile file(MacroPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    CDlgMonitor* Open()
    {
        dialog = new CDlgMonitor(t.app());
        dialog->OnInitDialog();
        return dialog;
    }
    template <typename T = QWidget>
    T* Control(int id)
    {
        return CControlIds::Find<T>(dialog, id);
    }
    QString Log() { return Control<QTextEdit>(CDlgMonitor::kLogId)->toPlainText(); }
    QList<QByteArray> Commands()
    {
        QList<QByteArray> out;
        for (const SimRequest& r : bus.Requests())
            out.append(r.command);
        return out;
    }
    void SetSequence(const QStringList& commands)
    {
        for (int i = 0; i < commands.size(); ++i)
            Control<QLineEdit>(CDlgMonitor::kFirstSequenceId + i)->setText(commands.at(i));
    }
};

// Actions a test schedules while a loop of the dialog runs; those that have not run by the
// end of the test never run.
class Later {
public:
    void At(int ms, const std::function<void()>& action)
    {
        auto timer = std::make_unique<QTimer>();
        timer->setSingleShot(true);
        QObject::connect(timer.get(), &QTimer::timeout, action);
        timer->start(ms);
        m_timers.push_back(std::move(timer));
    }
    // Runs `action` once, as soon as `condition` holds, however long that takes.
    void When(const std::function<bool()>& condition, const std::function<void()>& action)
    {
        auto timer = std::make_unique<QTimer>();
        QTimer* watch = timer.get();
        QObject::connect(watch, &QTimer::timeout, [watch, condition, action] {
            if (!condition())
                return;
            watch->stop();
            action();
        });
        timer->start(10);
        m_timers.push_back(std::move(timer));
    }

private:
    std::vector<std::unique_ptr<QTimer>> m_timers;
};

// Each line of the log with the colour of its first character.
QList<QPair<QString, QColor>> ColouredLines(const QTextEdit* log)
{
    QList<QPair<QString, QColor>> lines;
    for (QTextBlock block = log->document()->begin(); block.isValid(); block = block.next()) {
        if (block.text().isEmpty())
            continue;
        const QColor colour = block.begin().fragment().charFormat().foreground().color();
        lines.append({block.text(), colour});
    }
    return lines;
}

// The checksum digits worked out afresh: XOR of every character, two upper-case digits.
QString XorDigits(const QByteArray& text)
{
    int sum = 0;
    for (char c : text)
        sum ^= static_cast<unsigned char>(c);
    return QString::asprintf("%02X", sum);
}

// The ways a running loop can be ended from outside.
enum class Stop { Release, CloseButton, Escape, WindowClose, Destroyed };

void StopBy(Rig& rig, Stop stop)
{
    CDlgMonitor* dialog = rig.dialog;
    switch (stop) {
    case Stop::Release:
        rig.Control<QPushButton>(CDlgMonitor::kTestId)->click();
        break;
    case Stop::CloseButton:
        rig.Control<QPushButton>(CDlgMonitor::kCloseId)->click();
        break;
    case Stop::Escape:
        QTest::keyClick(dialog, Qt::Key_Escape);
        break;
    case Stop::WindowClose:
        dialog->close();
        break;
    case Stop::Destroyed:
        delete dialog;
        break;
    }
}

} // namespace

class TstMonitor : public QObject {
    Q_OBJECT
private slots:
    void initDialog();
    void missingOrUnreadableMacroFile_data();
    void missingOrUnreadableMacroFile();
    void logStyles_data();
    void logStyles();
    void enterSendsAndKeepsTheDialogOpen();
    void typedCommandReplacesTheSentOne();
    void macrosFromTheFile();
    void refusedSends_data();
    void refusedSends();
    void sequenceOnce();
    void sequenceLoopUntilUnchecked();
    void streamTestEndsAtEtx();
    void streamCollectedFromPieces();
    void loopsEndWhenStopped_data();
    void loopsEndWhenStopped();
    void streamTestOnClosedPort();
    void silentStageIsNoted_data();
    void silentStageIsNoted();
    void frameCommandStopsThePoll();
};

void TstMonitor::initDialog()
{
    Rig rig;
    rig.WriteMacros(Utf16Text::LittleEndian(QStringLiteral("\uFEFFREF\tReferenz [0R]\r\n")));
    rig.Open();
    QCOMPARE(rig.t.port().ReplyTimeout(), CDlgMonitor::kMacroTimeoutMs);
    QVERIFY(rig.t.messages.isEmpty());
    QCOMPARE(rig.dialog->windowTitle(), QStringLiteral("Direktbetrieb"));
    QCOMPARE(rig.Control<QLineEdit>(CDlgMonitor::kAddressId)->text(), QStringLiteral("00"));
    auto* style = rig.Control<QComboBox>(CDlgMonitor::kLogStyleId);
    QCOMPARE(style->count(), 2);
    QCOMPARE(style->itemText(0), QStringLiteral("Nur Daten"));
    QCOMPARE(style->itemText(1), QStringLiteral("Volles Protokoll"));
    for (int id = CDlgMonitor::kFirstSequenceId; id < CDlgMonitor::kFirstSequenceId + 4; ++id)
        QVERIFY(rig.Control<QLineEdit>(id));
    QCOMPARE(rig.Control<QCheckBox>(CDlgMonitor::kLoopId)->text(), QStringLiteral("Loop"));
    QCOMPARE(rig.Control<QPushButton>(CDlgMonitor::kSendId)->text(), QStringLiteral("Senden"));
    QVERIFY(rig.Control<QPushButton>(CDlgMonitor::kTestId)->isCheckable());
    QCOMPARE(rig.Control<QPushButton>(CDlgMonitor::kCloseId)->text(),
             QStringLiteral("Schließen"));
    const QFont font = rig.Control<QTextEdit>(CDlgMonitor::kLogId)->font();
    QVERIFY(QFontInfo(font).fixedPitch());
    QCOMPARE(font.pointSize(), 12);
    // The field starts empty; the list holds the macro.
    auto* macros = rig.Control<QComboBox>(CDlgMonitor::kMacroId);
    QCOMPARE(macros->currentText(), QString());
    QCOMPARE(macros->count(), 1);
}

void TstMonitor::missingOrUnreadableMacroFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("missing") << "missing" << QByteArray();
    QTest::addRow("8-bit text") << "file" << QByteArray("REF\tReferenz [0R]\r\n");
    QTest::addRow("named pipe") << "named pipe" << QByteArray();
}

void TstMonitor::missingOrUnreadableMacroFile()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    Rig rig;
    std::optional<NamedPipe> pipe;
    if (kind == QStringLiteral("file")) {
        rig.WriteMacros(bytes);
    } else {
        QVERIFY(QFile::remove(rig.MacroPath()));
        if (kind == QStringLiteral("named pipe"))
            QVERIFY(pipe.emplace(rig.MacroPath()).IsMade());
    }
    rig.t.port().SetLastingTimeout(1234);
    rig.Open();
    QCOMPARE(rig.t.messages,
             QStringList{QStringLiteral("Makrodefinitionen konnten nicht geladen werden!")});
    QCOMPARE(rig.Control<QComboBox>(CDlgMonitor::kMacroId)->count(), 0);
    QCOMPARE(rig.t.port().ReplyTimeout(), 1234u);
    QVERIFY(rig.dialog->Macros().Lines().isEmpty());
    QVERIFY(!pipe || !pipe->Waited());
}

void TstMonitor::logStyles_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("received");
    const QString stx(QChar(2));
    const QString etx(QChar(3));
    QTest::addRow("Nur Daten") << int(CDlgMonitor::DataOnly) << "--> 05S?"
                               << "<-- 05s10";
    QTest::addRow("Volles Protokoll")
        << int(CDlgMonitor::FullProtocol)
        << "--> " + stx + "05S?:" + XorDigits("05S?:") + etx
        << "<-- " + stx + "05s10:" + XorDigits("05s10:") + etx;
}

void TstMonitor::logStyles()
{
    QFETCH(int, style);
    QFETCH(QString, sent);
    QFETCH(QString, received);
    for (bool checksum : {false, true}) {
        Rig rig;
        // The framed form is shown whether or not the line carries checksums.
        rig.t.port().SetChecksum(checksum);
        rig.Open();
        rig.Control<QLineEdit>(CDlgMonitor::kAddressId)->setText(QStringLiteral("05"));
        rig.Control<QComboBox>(CDlgMonitor::kLogStyleId)->setCurrentIndex(style);
        rig.Control<QLineEdit>(CDlgMonitor::kCommandId)->setText(QStringLiteral("S?"));
        rig.dialog->OnCommandEnter();
        QCOMPARE(rig.Log(), sent + "\n" + received + "\n");
        const auto lines = ColouredLines(rig.Control<QTextEdit>(CDlgMonitor::kLogId));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0).second, QColor(0, 0, 255));
        QCOMPARE(lines.at(1).second, QColor(45, 224, 40));
        QCOMPARE(rig.Commands(), QList<QByteArray>{"S?"});
    }
}

void TstMonitor::enterSendsAndKeepsTheDialogOpen()
{
    Rig rig;
    rig.WriteMacros(Utf16Text::LittleEndian(QStringLiteral("RUN\tLaufstrom [R?]\r\n")));
    rig.Open();
    rig.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.dialog));
    rig.Control<QLineEdit>(CDlgMonitor::kAddressId)->setText(QStringLiteral("5"));
    auto* command = rig.Control<QLineEdit>(CDlgMonitor::kCommandId);
    command->setFocus();
    QTest::keyClicks(command, QStringLiteral("S?"));
    QTest::keyClick(command, Qt::Key_Return);
    QVERIFY(rig.dialog->isVisible());
    QCOMPARE(rig.Commands(), QList<QByteArray>{"S?"});

    auto* combo = rig.Control<QComboBox>(CDlgMonitor::kMacroId);
    combo->setFocus();
    QTest::keyClicks(combo, QStringLiteral("RUN"));
    QTest::keyClick(combo, Qt::Key_Return);
    QTRY_COMPARE(rig.Commands().size(), 2);
    QCOMPARE(rig.Commands().last(), QByteArray("R?"));
    // Enter elsewhere sends nothing and closes nothing.
    QTest::keyClick(rig.Control<QLineEdit>(CDlgMonitor::kFirstSequenceId), Qt::Key_Enter);
    QTest::keyClick(rig.dialog, Qt::Key_Return);
    QCoreApplication::processEvents();
    QVERIFY(rig.dialog->isVisible());
    QCOMPARE(rig.dialog->result(), int(QDialog::Rejected));
    QCOMPARE(rig.Commands().size(), 2);
    QCOMPARE(rig.Log().count(QStringLiteral("-->")), 2);
}

void TstMonitor::typedCommandReplacesTheSentOne()
{
    Rig rig;
    rig.Open();
    rig.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.dialog));
    rig.Control<QLineEdit>(CDlgMonitor::kAddressId)->setText(QStringLiteral("5"));
    auto* command = rig.Control<QLineEdit>(CDlgMonitor::kCommandId);
    command->setFocus();
    QTest::keyClicks(command, QStringLiteral("S?"));
    QTest::keyClick(command, Qt::Key_Return);
    QTest::keyClicks(command, QStringLiteral("PN?"));
    QTest::keyClick(command, Qt::Key_Return);
    // Enter on the field as it is sends the same command again.
    QTest::keyClick(command, Qt::Key_Return);
    QCOMPARE(rig.Commands(), (QList<QByteArray>{"S?", "PN?", "PN?"}));
    QCOMPARE(command->text(), QStringLiteral("PN?"));
    QVERIFY(command->hasFocus());

    // A command too long to send stays as typed, to be mended.
    QTest::keyClicks(command, QString(1100, QLatin1Char('S')));
    QTest::keyClick(command, Qt::Key_Return);
    QTest::keyClick(command, Qt::Key_Backspace);
    QCOMPARE(command->text(), QString(1099, QLatin1Char('S')));
    QCOMPARE(rig.Commands().size(), 3);
}

void TstMonitor::macrosFromTheFile()
{
    Rig rig;
    rig.WriteMacros(Utf16Text::LittleEndian(
        QStringLiteral("REF\tReferenz fahren [0R]\r\n"
                       "REF2\tzweite Referenz [S?]\n"
                       "\r\n"
                       "ohne Tab [F?]\r\n"
                       "HOME\talter Nullpunkt [R?]\r\n"
                       "HOME\tneuer Nullpunkt [A?]\n")));
    rig.Open();
    // "0R5" and "0R" get no answer from the simulator and wait this out; the others are
    // answered within it, however busy the machine.
    rig.t.port().SetLastingTimeout(CReplyTimeouts::kDefault);
    auto* combo = rig.Control<QComboBox>(CDlgMonitor::kMacroId);
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries.append(combo->itemText(i));
    QCOMPARE(entries, (QStringList{"REF ", "REF2 ", " ", "HOME ", "HOME "}));
    rig.Control<QLineEdit>(CDlgMonitor::kAddressId)->setText(QStringLiteral("05"));

    combo->setEditText(QStringLiteral("REF 5"));
    rig.dialog->OnMacroEnter();
    QCOMPARE(rig.Control<QLineEdit>(CDlgMonitor::kCommandId)->text(), QStringLiteral("050R5"));
    combo->setCurrentIndex(1); // "REF2 " from the list: no parameter
    rig.dialog->OnMacroEnter();
    combo->setEditText(QStringLiteral("REF"));
    rig.dialog->OnMacroEnter();
    combo->setEditText(QStringLiteral("HOME"));
    rig.dialog->OnMacroEnter();
    QCOMPARE(rig.Commands(), (QList<QByteArray>{"0R5", "S?", "0R", "A?"}));
    QCOMPARE(rig.bus.Requests().first().address, 5);
    QVERIFY(rig.Log().startsWith(QStringLiteral("--> 050R5\n<-- 05\n--> 05S?\n<-- 05s10\n")));
}

void TstMonitor::refusedSends_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("note");
    const QString longText(1100, QLatin1Char('S'));
    QTest::addRow("command too long") << "command" << longText << "Befehl zu lang";
    QTest::addRow("macro parameter too long") << "macro" << "REF " + longText << "Befehl zu lang";
    QTest::addRow("sequence too long") << "sequence" << longText << "Befehl zu lang";
    QTest::addRow("macro without brackets") << "macro" << "NOBR" << "keinen Befehl";
    QTest::addRow("macro without closing bracket") << "macro" << "OPEN" << "keinen Befehl";
    QTest::addRow("unknown macro") << "macro" << "REF3" << "nicht gefunden";
    QTest::addRow("empty macro name") << "macro" << "" << "nicht gefunden";
}

void TstMonitor::refusedSends()
{
    QFETCH(QString, where);
    QFETCH(QString, text);
    QFETCH(QString, note);
    Rig rig;
    rig.WriteMacros(Utf16Text::LittleEndian(QStringLiteral("REF\t[0R]\r\n"
                                                           "NOBR\tkein Befehl\r\n"
                                                           "OPEN\tnur [S?\r\n"
                                                           "ohne Tab [S?]\r\n")));
    rig.Open();
    if (where == QLatin1String("command")) {
        rig.Control<QLineEdit>(CDlgMonitor::kCommandId)->setText(text);
        rig.dialog->OnCommandEnter();
    } else if (where == QLatin1String("macro")) {
        rig.Control<QComboBox>(CDlgMonitor::kMacroId)->setEditText(text);
        rig.dialog->OnMacroEnter();
    } else {
        rig.SetSequence({text});
        rig.dialog->OnBnClickedSend();
    }
    QVERIFY2(rig.Log().contains(note), qPrintable(rig.Log().left(80)));
    QVERIFY(rig.Log().contains(QStringLiteral("nicht gesendet")) ||
            rig.Log().contains(QStringLiteral("nichts gesendet")));
    QVERIFY(!rig.Log().contains(QStringLiteral("-->")));
    QTest::qWait(50);
    QVERIFY(rig.bus.Requests().isEmpty());
    QVERIFY(rig.t.messages.isEmpty());
}

void TstMonitor::sequenceOnce()
{
    Rig rig;
    rig.Open();
    rig.SetSequence({"5S?", "", "5R?", "5A?"});
    rig.dialog->OnBnClickedSend();
    QCOMPARE(rig.Commands(), (QList<QByteArray>{"S?", "R?", "A?"}));
    QCOMPARE(rig.Log(), QStringLiteral("s10\nr20\na25\n"));
    QCOMPARE(rig.t.port().ReplyTimeout(), CDlgMonitor::kSequenceTimeoutMs);
    QVERIFY(!rig.dialog->IsSequenceRunning());
    // A stage that does not answer is passed over without a message.
    rig.SetSequence({"9S?", "", "", ""});
    rig.dialog->OnBnClickedSend();
    QVERIFY(rig.t.messages.isEmpty());
    QCOMPARE(rig.Log(), QStringLiteral("s10\nr20\na25\n\n"));
}

void TstMonitor::sequenceLoopUntilUnchecked()
{
    Rig rig;
    rig.Open();
    rig.SetSequence({"5S?", "5R?", "", "5A?"});
    auto* loop = rig.Control<QCheckBox>(CDlgMonitor::kLoopId);
    loop->setChecked(true);
    Later later;
    later.When([&rig] { return rig.Commands().size() >= 6; }, [loop] { loop->setChecked(false); });
    rig.dialog->OnBnClickedSend();
    const QList<QByteArray> commands = rig.Commands();
    // Several passes, the last one complete.
    QVERIFY2(commands.size() >= 6, qPrintable(QString::number(commands.size())));
    QCOMPARE(commands.size() % 3, 0);
    QCOMPARE(commands.mid(0, 3), (QList<QByteArray>{"S?", "R?", "A?"}));
    QVERIFY(!rig.dialog->IsSequenceRunning());
    QVERIFY(!rig.Log().contains(QStringLiteral("-->")));
    // Loop with nothing to send ends at once.
    rig.SetSequence({"", "", "", ""});
    loop->setChecked(true);
    rig.dialog->OnBnClickedSend();
    QVERIFY(!rig.dialog->IsSequenceRunning());
}

void TstMonitor::streamTestEndsAtEtx()
{
    Rig rig;
    rig.bus.AddAxis(0, "KEV");
    rig.Open();
    auto* test = rig.Control<QPushButton>(CDlgMonitor::kTestId);
    test->setChecked(true);
    // The first frame of the stream ends the test. One that went on, or waited out the reply
    // time-out instead, would still run when the watchdog lets the button go.
    rig.t.port().SetLastingTimeout(60000);
    bool missed = false;
    Later later;
    later.At(20000, [&] {
        missed = true;
        test->setChecked(false);
        rig.t.port().StopListening();
    });
    rig.dialog->OnBnClickedTestStage();
    QVERIFY2(!missed, "the test did not end at the first frame");
    QCOMPARE(rig.Commands(), QList<QByteArray>{"Z#"});
    QCOMPARE(rig.bus.Requests().first().address, 0);
    // The stream as it came, framing and all.
    const QString log = rig.Log();
    QVERIFY2(log.startsWith(QChar(2) + QStringLiteral("0z")), qPrintable(log));
    QVERIFY(log.endsWith(QChar(3)));
    QVERIFY(!rig.t.port().IsListening());
    QVERIFY(!test->isChecked());
    QVERIFY(!rig.dialog->IsStreamTestRunning());
    QVERIFY(rig.t.messages.isEmpty());
}

void TstMonitor::streamCollectedFromPieces()
{
    Rig rig; // nothing at address 0 streams by itself: the pieces come from the test
    rig.Open();
    rig.Control<QTextEdit>(CDlgMonitor::kLogId)->setPlainText(QStringLiteral("vorher"));
    const QByteArray stx(1, '\x02');
    const QByteArray etx(1, '\x03');
    Later later;
    later.At(100, [&] { rig.line.SendRaw(stx + "0 12"); });
    later.At(200, [&] { rig.line.SendRaw(QByteArray("\r\n34") + etx + "5"); });
    later.At(300, [&] { rig.line.SendRaw(etx); });
    auto* test = rig.Control<QPushButton>(CDlgMonitor::kTestId);
    test->setChecked(true);
    rig.dialog->OnBnClickedTestStage();
    // An ETX inside a piece does not end the test; the log holds the whole stream alone.
    QCOMPARE(rig.Log(), QString::fromLatin1(stx + "0 12\n34" + etx + "5" + etx));
    QVERIFY(!rig.t.port().IsListening());
    QVERIFY(!test->isChecked());
}

void TstMonitor::loopsEndWhenStopped_data()
{
    QTest::addColumn<bool>("stream");
    QTest::addColumn<int>("stop");
    const std::pair<const char*, Stop> stops[] = {
        {"Schließen", Stop::CloseButton}, {"Escape", Stop::Escape},
        {"window close", Stop::WindowClose}, {"dialog destroyed", Stop::Destroyed}};
    for (const auto& [name, stop] : stops) {
        QTest::addRow("sequence, %s", name) << false << int(stop);
        QTest::addRow("silent stream, %s", name) << true << int(stop);
    }
    QTest::addRow("silent stream, button released") << true << int(Stop::Release);
}

void TstMonitor::loopsEndWhenStopped()
{
    QFETCH(bool, stream);
    QFETCH(int, stop);
    Rig rig; // no stage at address 0: nothing streams
    rig.Open();
    rig.dialog->show();
    rig.SetSequence({"5S?", "5R?", "5A?", "5M?"});
    rig.Control<QCheckBox>(CDlgMonitor::kLoopId)->setChecked(true);
    auto* test = rig.Control<QPushButton>(CDlgMonitor::kTestId);
    test->setChecked(stream);
    bool listenedMeanwhile = false;
    Later later;
    // Stopped once a sequence has sent twice, or once the stream test listens.
    later.When([&] { return stream ? rig.t.port().IsListening() : rig.bus.Requests().size() > 1; },
               [&] {
                   listenedMeanwhile = rig.t.port().IsListening();
                   StopBy(rig, Stop(stop));
               });
    // Should the stop be missed, the loops still end, and late: the test then fails.
    bool missed = false;
    later.At(20000, [&] {
        missed = true;
        if (rig.dialog) {
            rig.Control<QCheckBox>(CDlgMonitor::kLoopId)->setChecked(false);
            rig.t.port().StopListening();
        }
    });
    if (stream)
        rig.dialog->OnBnClickedTestStage();
    else
        rig.dialog->OnBnClickedSend();
    QVERIFY2(!missed, "the loop went on after the stop");
    QCOMPARE(listenedMeanwhile, stream);
    QVERIFY(!rig.t.port().IsListening());
    // Nothing is sent once the loop has ended.
    const qsizetype sent = rig.bus.Requests().size();
    QCOMPARE(sent > 1, !stream);
    QTest::qWait(100);
    QCOMPARE(rig.bus.Requests().size(), sent);
    if (Stop(stop) == Stop::Destroyed) {
        QVERIFY(rig.dialog.isNull());
        return;
    }
    QVERIFY(!test->isChecked());
    QVERIFY(!rig.dialog->IsStreamTestRunning() && !rig.dialog->IsSequenceRunning());
    QCOMPARE(rig.dialog->isVisible(), Stop(stop) == Stop::Release);
    // The port still works.
    QString reply;
    QVERIFY(rig.t.port().Transact(QStringLiteral("5"), "S?", &reply, true));
    QCOMPARE(reply, QStringLiteral("s10"));
}

void TstMonitor::streamTestOnClosedPort()
{
    Rig rig;
    rig.t.port().OpenOrClose(QString(), QString(), false);
    rig.Open();
    auto* test = rig.Control<QPushButton>(CDlgMonitor::kTestId);
    test->setChecked(true);
    rig.dialog->OnBnClickedTestStage();
    // One message, then the button is up again.
    QCOMPARE(rig.t.messages.size(), 1);
    QVERIFY(!test->isChecked());
    QVERIFY(!rig.t.port().IsListening());
}

void TstMonitor::silentStageIsNoted_data()
{
    QTest::addColumn<int>("releaseAfterMs");
    QTest::addColumn<int>("replyTimeoutMs");
    QTest::addColumn<bool>("notedMeanwhile");
    // Far apart: a busy machine that serves both timers late still serves the earlier first.
    QTest::addRow("released before the reply time-out") << 50 << 20000 << false;
    QTest::addRow("released after the reply time-out")
        << 3 * kQuickTimeoutMs << kQuickTimeoutMs << true;
}

void TstMonitor::silentStageIsNoted()
{
    QFETCH(int, releaseAfterMs);
    QFETCH(int, replyTimeoutMs);
    QFETCH(bool, notedMeanwhile);
    const QString note = QStringLiteral("Keine Antwort auf \"Z#\"");
    Rig rig; // no stage at address 0: nothing answers "Z#"
    rig.Open();
    rig.dialog->show();
    rig.t.port().SetLastingTimeout(std::uint32_t(replyTimeoutMs));
    rig.Control<QTextEdit>(CDlgMonitor::kLogId)->setPlainText(QStringLiteral("vorher"));
    auto* test = rig.Control<QPushButton>(CDlgMonitor::kTestId);
    QString logMeanwhile;
    Later later;
    later.At(releaseAfterMs, [&] {
        logMeanwhile = rig.Log();
        test->click();
    });
    test->click();
    QVERIFY(!test->isChecked());
    QVERIFY(!rig.t.port().IsListening());
    // While the button is down the log says so once the reply time-out has passed; when the
    // test ends the log holds the note alone.
    QCOMPARE(logMeanwhile.contains(note), notedMeanwhile);
    QCOMPARE(rig.Log(), note + QLatin1Char('\n'));
    QCOMPARE(rig.Commands(), QList<QByteArray>{"Z#"});
    QVERIFY(rig.t.messages.isEmpty());
    // A stage that streams gets no note.
    rig.bus.AddAxis(0, "KEV");
    test->click();
    QVERIFY(!test->isChecked());
    QVERIFY(rig.Log().endsWith(QChar(3)));
    QVERIFY(!rig.Log().contains(note));
}

void TstMonitor::frameCommandStopsThePoll()
{
    SimBus bus;
    SimSerialLine line{bus};
    bus.AddAxis(5, "KEV", "KEV 1.62");
    line.Start();
    TestApp t;
    t.app().Settings().SetActiveCom(line.PortPath());
    QVERIFY(t.app().InitInstance());
    CMainFrame* frame = t.app().MainFrame();
    frame->StatusTimer().start();
    bool pollDuring = true;
    bool sawMonitor = false;
    t.app().ModalRunner().SetScript([&](QDialog& dialog) {
        pollDuring = frame->StatusTimer().isActive();
        QPointer<CDlgMonitor> monitor = qobject_cast<CDlgMonitor*>(&dialog);
        sawMonitor = monitor && CControlIds::Of(monitor) == CDlgMonitor::kDialogId;
        if (monitor) {
            CControlIds::Find<QLineEdit>(monitor, CDlgMonitor::kAddressId)->setText("5");
            CControlIds::Find<QLineEdit>(monitor, CDlgMonitor::kCommandId)->setText("S?");
            monitor->OnCommandEnter();
            monitor->OnCancel();
        }
        return dialog.result();
    });
    frame->CommandAction(CCommandId::kMonitor)->trigger();
    QVERIFY(sawMonitor);
    QVERIFY(!pollDuring);
    QVERIFY(frame->StatusTimer().isActive());
    QVERIFY(!t.port().IsListening());
    QCOMPARE(bus.Requests().last().command, QByteArray("S?"));
    // No macro file beside the program: the monitor said so.
    QCOMPARE(t.messages,
             QStringList{QStringLiteral("Makrodefinitionen konnten nicht geladen werden!")});
}

QTEST_MAIN(TstMonitor)
#include "tst_monitor.moc"
