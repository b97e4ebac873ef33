// The real bus port over a pseudo-terminal, with the stage simulator on the other end.
#include "tests/sim/simbus.h"
#include "tests/sim/simserialline.h"
#include "tests/support/fakebusporthost.h"
#include "tests/support/unansweredcommand.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <stop_token>
#include <thread>

namespace {

const QString kMode = QStringLiteral("9600, n, 8, 1");

// A bus with a KEV at address 5 and an HWK at 7, served on a pseudo-terminal and opened by
// the bus port of a fake host.
struct Rig {
    FakeBusPortHost t;
    SimBus bus;
    SimSerialLine line;

    explicit Rig(SimLineSettings settings = {}) : line(bus, settings)
    {
        bus.AddAxis(5, "KEV", "KEV 1.62");
        bus.AddAxis(7, "HWK", "HWK 2.10");
        line.Start();
    }
    bool Open(const QString& mode = kMode)
    {
        return port().OpenOrClose(line.PortPath(), mode, true);
    }
    CBusPort& port() { return t.port(); }
};

} // namespace

class TstBusPort : public QObject {
    Q_OBJECT
private slots:
    void framesOnTheWire();
    void replyDataAndEcho();
    void checksumReplies();
    void replyInPieces();
    void etxInsideAPieceDoesNotEndTheWait();
    void timeoutSetsNoAnswer();
    void ownTimeoutForOneCommand_data();
    void ownTimeoutForOneCommand();
    void babblingDeviceEndsTheTransaction();
    void offAndClosedPort();
    void testStreamAndListenMode();
    void listenModeEndsFromThePump();
    void wrongLineSettingsGetNoAnswer();
    void oversizedCommandIsRefused();
    void commandFitsTheWire_data();
    void commandFitsTheWire();
    void malformedReplies();
    void openOrCloseToggles();
    void canWithoutCardFails();
    void portThatDisappears();
};

void TstBusPort::framesOnTheWire()
{
    Rig rig(SimLineSettings{.twoByteAddress = true});
    QVERIFY(rig.Open());
    QString reply;
    rig.port().SetTwoByteAddress(true);
    QVERIFY(rig.port().Transact("7", "B?", &reply, true));
    QCOMPARE(reply, QStringLiteral("bHWK 2.10"));
    QCOMPARE(rig.bus.Requests().last().frame.toHex(' '), QByteArray("02 30 37 42 3f 03"));

    // One-byte mode sends only the last digit of a two-digit address.
    rig.line.SetSettings(SimLineSettings{});
    rig.port().SetTwoByteAddress(false);
    rig.bus.ClearLog();
    rig.port().Transact("0F", "S?", &reply, false);
    QCOMPARE(rig.bus.Requests().size(), 1);
    QCOMPARE(rig.bus.Requests().first().frame, QByteArray("\x02"
                                                          "FS?\x03"));

    // Checksum mode: ":" and the XOR of 35 53 3F 3A as upper-case hex, 63.
    rig.port().SetChecksum(true);
    QVERIFY(rig.port().Transact("5", "S?", &reply, true));
    QCOMPARE(rig.bus.Requests().last().frame.toHex(' '), QByteArray("02 35 53 3f 3a 36 33 03"));
    QCOMPARE(reply, QStringLiteral("s10"));
    QVERIFY(rig.t.messages.isEmpty());
}

void TstBusPort::replyDataAndEcho()
{
    Rig rig;
    QVERIFY(rig.Open());
    QString reply;
    QVERIFY(rig.port().Transact("5", "R25", &reply, true));
    QCOMPARE(reply, QStringLiteral("r25"));
    QVERIFY(rig.port().Transact("5", "R?", &reply, true));
    QCOMPARE(reply, QStringLiteral("r25"));
    // 8-bit names travel as Windows-1252 both ways.
    QVERIFY(rig.port().Transact("5",
                                QByteArray("PNF\xFC"
                                           "hrung"),
                                &reply, true));
    QCOMPARE(reply, QStringLiteral("pnFührung"));
    // A stage that answers after its command gave up on it is no answer to the next command
    // to another stage (whether the first one saw its answer in time or not).
    rig.line.SetCommandDelay("B?", 300);
    rig.port().Transact("7", "B?", &reply, false, 50);
    QVERIFY(rig.port().Transact("5", "S?", &reply, true));
    QVERIFY2(reply.startsWith(QLatin1Char('s')), qPrintable(reply));
    rig.line.SetCommandDelay("B?", 0);
    rig.bus.WithAxis(5, [](SimAxis& a) {
        QCOMPARE(a.name, QByteArray("F\xFC"
                                    "hrung"));
    });
}

void TstBusPort::checksumReplies()
{
    Rig rig;
    QVERIFY(rig.Open());
    rig.port().SetChecksum(true);
    QString reply;
    // "5pn" + name: choose a name whose checksum digits contain letters.
    rig.bus.WithAxis(5, [](SimAxis& a) { a.name = "K"; }); // reply checksum 5A
    QVERIFY(rig.port().Transact("5", "PN?", &reply, true));
    QCOMPARE(reply, QStringLiteral("pnK"));

    // Lower-case digits are a checksum error: message, false, reply holds the data, and
    // the no-answer flag keeps whatever it was.
    rig.line.SetChecksumFault(SimSerialLine::ChecksumFault::LowerCase);
    for (bool before : {false, true}) {
        rig.t.messages.clear();
        if (before)
            LeaveUnanswered(rig.port());
        else
            rig.port().ForgetNoAnswer();
        reply = QStringLiteral("old");
        QVERIFY(!rig.port().Transact("5", "PN?", &reply, false));
        QCOMPARE(rig.t.messages, QStringList{QStringLiteral("Wrong Checksum!")});
        QCOMPARE(reply, QStringLiteral("pnK"));
        QCOMPARE(rig.port().NoAnswer(), before);
    }

    rig.line.SetChecksumFault(SimSerialLine::ChecksumFault::Wrong);
    rig.t.messages.clear();
    QVERIFY(!rig.port().Transact("5", "S?", &reply, true));
    QCOMPARE(rig.t.messages, QStringList{QStringLiteral("Wrong Checksum!")});

    // A good reply clears the flag again.
    rig.line.SetChecksumFault(SimSerialLine::ChecksumFault::None);
    LeaveUnanswered(rig.port());
    QVERIFY(rig.port().Transact("5", "S?", &reply, true));
    QVERIFY(!rig.port().NoAnswer());
}

void TstBusPort::replyInPieces()
{
    Rig rig;
    QVERIFY(rig.Open());
    // Four pieces 500 ms apart take well over the 1000 ms time-out in all, but every
    // piece comes within 1000 ms of the one before, whatever a busy machine adds to a gap.
    rig.port().SetLastingTimeout(CReplyTimeouts::kDefault);
    rig.line.SetSplit(4, 500);
    QString reply;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(rig.port().Transact("7", "B?", &reply, true));
    QVERIFY(clock.elapsed() >= CReplyTimeouts::kDefault);
    QCOMPARE(reply, QStringLiteral("bHWK 2.10"));
    QVERIFY(rig.t.messages.isEmpty());

    // A gap longer than the time-out ends the wait.
    rig.port().SetLastingTimeout(200);
    rig.line.SetSplit(2, 400);
    QVERIFY(!rig.port().Transact("7", "B?", &reply, false));
    QVERIFY(rig.port().NoAnswer());
}

void TstBusPort::etxInsideAPieceDoesNotEndTheWait()
{
    Rig rig;
    QVERIFY(rig.Open());
    rig.port().SetLastingTimeout(300);
    QString reply = QStringLiteral("old");
    rig.line.SetGivenReply(1, QByteArray("\x02"
                                         "5s1\x03"
                                         "xy"));
    QVERIFY(!rig.port().Transact("5", "S?", &reply, false));
    QVERIFY(rig.port().NoAnswer());
    QCOMPARE(reply, QStringLiteral("old"));

    // When a later piece ends with ETX, everything up to it is the reply. It follows the
    // first piece once the stage has had the request; the port waits far longer than a busy
    // machine can delay it, and no longer than it takes to come.
    rig.port().SetLastingTimeout(CReplyTimeouts::kTurn);
    rig.bus.ClearLog();
    rig.line.SetGivenReply(1, QByteArray("\x02"
                                         "5s1\x03"
                                         "xy"));
    rig.line.SetSplit(1, 0);
    std::thread later([&] {
        for (int i = 0; i < 1000 && rig.bus.Requests().isEmpty(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        rig.line.SendRaw("z\x03");
    });
    const bool ok = rig.port().Transact("5", "S?", &reply, false);
    later.join();
    QVERIFY(ok);
    QCOMPARE(reply, QStringLiteral("s1\x03xyz"));
}

void TstBusPort::timeoutSetsNoAnswer()
{
    Rig rig;
    QVERIFY(rig.Open());
    rig.port().SetLastingTimeout(100);
    QString reply = QStringLiteral("old");

    // No axis at 9: without show-errors no message, with it message 10000.
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!rig.port().Transact("9", "B?", &reply, false));
    // That a short time-out ends the wait before a longer one would is the "shorter than
    // left" row of ownTimeoutForOneCommand.
    QVERIFY(clock.elapsed() >= 100);
    QVERIFY(rig.port().NoAnswer());
    QVERIFY(rig.t.messages.isEmpty());
    QCOMPARE(reply, QStringLiteral("old"));

    QVERIFY(!rig.port().Transact("9", "B?", &reply, true));
    QCOMPARE(rig.t.messages, QStringList{QStringLiteral("Schnittstelle TIMEOUT!")});
    rig.t.SetUiLanguage(UiLanguage::English);
    QVERIFY(!rig.port().Transact("9", "B?", &reply, true));
    QCOMPARE(rig.t.messages.last(), QStringLiteral("Interface TIMEOUT!"));

    // A silent stage at a real address behaves alike; a good reply clears the flag. It has
    // the full time to come.
    rig.line.SetSilent(true);
    QVERIFY(!rig.port().Transact("5", "S?", &reply, false));
    rig.line.SetSilent(false);
    rig.port().SetLastingTimeout(CReplyTimeouts::kDefault);
    QVERIFY(rig.port().Transact("5", "S?", &reply, false));
    QVERIFY(!rig.port().NoAnswer());
    QCOMPARE(reply, QStringLiteral("s10"));
}

void TstBusPort::ownTimeoutForOneCommand_data()
{
    QTest::addColumn<std::uint32_t>("left");
    QTest::addColumn<QString>("address");
    QTest::addColumn<std::uint32_t>("own");
    QTest::addColumn<bool>("answered");
    QTest::addColumn<QStringList>("messages");

    // A reply 400 ms late reaches a command with a longer time-out of its own, although
    // the monitor's sequence left 100 ms.
    QTest::newRow("longer than left") << 100u << "7" << CReplyTimeouts::kStore << true
                                      << QStringList();
    // The same reply is too late for a command with a short time-out of its own: it gives up
    // after its own wait, not the 5000 ms the monitor left, in which the reply would come.
    QTest::newRow("shorter than left")
        << CReplyTimeouts::kMonitorMacros << "7" << 100u << false
        << QStringList{QStringLiteral("Schnittstelle TIMEOUT!")};
}

void TstBusPort::ownTimeoutForOneCommand()
{
    QFETCH(std::uint32_t, left);
    QFETCH(QString, address);
    QFETCH(std::uint32_t, own);
    QFETCH(bool, answered);
    QFETCH(QStringList, messages);

    Rig rig;
    QVERIFY(rig.Open());
    rig.line.SetCommandDelay("B?", 400);
    rig.port().SetLastingTimeout(left);
    QString reply;
    QCOMPARE(rig.port().Transact(address, "B?", &reply, true, own), answered);
    QCOMPARE(rig.port().NoAnswer(), !answered);
    QCOMPARE(rig.t.messages, messages);
    // Whatever the result, later commands wait the default again.
    QCOMPARE(rig.port().ReplyTimeout(), CReplyTimeouts::kDefault);
}

void TstBusPort::babblingDeviceEndsTheTransaction()
{
    Rig rig;
    QVERIFY(rig.Open());
    QString reply = QStringLiteral("old");

    // Each piece restarts the time-out; the reply growing past the longest frame ends it.
    // The line babbles on until a watchdog stops it long after that should have happened,
    // so however slowly either side runs, a port that waits for the babble to end is seen.
    // No stage is at 3: an answer ending in ETX among the babble would end the reply early.
    rig.line.SetBabble(std::numeric_limits<int>::max());
    std::jthread watchdog([&rig](std::stop_token stop) {
        std::mutex mutex;
        std::condition_variable_any wake;
        std::unique_lock lock(mutex);
        if (!wake.wait_for(lock, stop, std::chrono::seconds(20), [] { return false; }) &&
            !stop.stop_requested())
            rig.line.SetBabble(0);
    });
    QVERIFY(!rig.port().Transact("3", "S?", &reply, true));
    QVERIFY2(rig.line.BabbleLeft() > 0, "the transaction waited for the babble to end");
    watchdog.request_stop();
    watchdog.join();
    rig.line.SetBabble(0);
    QVERIFY(rig.port().NoAnswer());
    QCOMPARE(rig.t.messages, QStringList{QStringLiteral("Schnittstelle TIMEOUT!")});
    QCOMPARE(reply, QStringLiteral("old"));

    // Once the line is quiet, the next command to another axis gets its answer.
    QVERIFY(rig.port().Transact("7", "B?", &reply, true));
    QCOMPARE(reply, QStringLiteral("bHWK 2.10"));
    QVERIFY(!rig.port().NoAnswer());

    // Listen mode streams: whatever is waiting is handed over, however long.
    const QByteArray stream(3000, 'x');
    rig.port().StartListening();
    rig.line.SendRaw(stream);
    QTest::qWait(100);
    QVERIFY(rig.port().Transact(QString(), QByteArray(), &reply, true));
    QCOMPARE(reply.size(), stream.size());
    rig.port().StopListening();
}

void TstBusPort::offAndClosedPort()
{
    Rig rig;
    QString reply = QStringLiteral("old");

    // Closed: "Off" fails silently, any other address shows 10003 in the current language.
    QVERIFY(!rig.port().Transact("Off", "S?", &reply, true));
    QVERIFY(rig.t.messages.isEmpty());
    QVERIFY(!rig.port().Transact("5", "S?", &reply, false));
    QCOMPARE(rig.t.messages,
             QStringList{QStringLiteral("Schnittstelle kann nicht geöffnet werden!")});
    rig.t.SetUiLanguage(UiLanguage::English);
    QVERIFY(!rig.port().Transact("5", "S?", &reply, false));
    QCOMPARE(rig.t.messages.last(), QStringLiteral("Interface can't be opened!"));

    // Open: "Off" succeeds, sends nothing and leaves the reply alone.
    QVERIFY(rig.Open());
    rig.bus.ClearLog();
    QVERIFY(rig.port().Transact("Off", "S?", &reply, true));
    QCOMPARE(reply, QStringLiteral("old"));
    QTest::qWait(50);
    QVERIFY(rig.bus.Requests().isEmpty());
}

void TstBusPort::testStreamAndListenMode()
{
    Rig rig;
    QVERIFY(rig.Open());
    QString reply = QStringLiteral("old");
    // "Z#" returns at once, without waiting for an answer: a port that waited would take the
    // stream's first frame for the reply.
    rig.port().SetLastingTimeout(CReplyTimeouts::kTurn);
    QVERIFY(rig.port().Transact("5", "Z#", &reply, true));
    QCOMPARE(reply, QStringLiteral("old"));

    // Listen mode sends nothing and hands back the raw stream, framing included.
    QTRY_COMPARE(rig.bus.Requests().size(), 1);
    rig.port().StartListening();
    const int requestsBefore = rig.bus.Requests().size();
    QVERIFY(rig.port().Transact(QString(), QByteArray(), &reply, true));
    QVERIFY2(reply.startsWith(QChar(0x02)) && reply.contains(QStringLiteral("5z")),
             qPrintable(reply));
    QCOMPARE(rig.bus.Requests().size(), requestsBefore);
    rig.port().StopListening();
}

void TstBusPort::listenModeEndsFromThePump()
{
    Rig rig;
    QVERIFY(rig.Open());
    rig.port().StartListening();
    bool repainted = false;
    // Nothing arrives; a handler served by the pump switches listen mode off.
    QTimer::singleShot(50, [&] { repainted = true; });
    QTimer::singleShot(200, [&] { rig.port().StopListening(); });
    QString reply = QStringLiteral("old");
    QElapsedTimer clock;
    clock.start();
    QVERIFY(rig.port().Transact(QString(), QByteArray(), &reply, true));
    // The switch comes after 200 ms, from a handler the pump served.
    QVERIFY(clock.elapsed() >= 150);
    QVERIFY(repainted);
    QCOMPARE(reply, QStringLiteral("old"));
}

void TstBusPort::wrongLineSettingsGetNoAnswer()
{
    // The stages answer within the default time, however busy the machine; those that do not
    // hear the port wait it out.
    Rig rig;
    QString reply;
    QVERIFY(rig.Open(QStringLiteral("19200, n, 8, 1")));
    QVERIFY(!rig.port().Transact("5", "B?", &reply, false));
    QVERIFY(rig.line.RejectedFrames() > 0);
    QVERIFY(rig.port().OpenOrClose(QString(), QString(), true)); // closes

    QVERIFY(rig.Open());
    QVERIFY(rig.port().Transact("5", "B?", &reply, false));
    QCOMPARE(reply, QStringLiteral("bKEV 1.62"));

    // Rates without a classic speed constant are told apart too.
    rig.line.SetSettings(SimLineSettings{.baud = 14400});
    QVERIFY(rig.port().OpenOrClose(QString(), QString(), true));
    QVERIFY(rig.Open(QStringLiteral("28800, n, 8, 1")));
    QVERIFY(!rig.port().Transact("5", "B?", &reply, false));
    QVERIFY(rig.port().OpenOrClose(QString(), QString(), true));
    QVERIFY(rig.Open(QStringLiteral("14400, n, 8, 1")));
    QVERIFY(rig.port().Transact("5", "B?", &reply, false));

    // A line of stages set to 7 data bits with even parity does not hear an 8N1 port.
    rig.line.SetSettings(SimLineSettings{.baud = 14400, .parity = 'e', .dataBits = 7});
    QVERIFY(!rig.port().Transact("5", "B?", &reply, false));
    QVERIFY(rig.port().NoAnswer());
}

void TstBusPort::oversizedCommandIsRefused()
{
    Rig rig;
    QVERIFY(rig.Open());
    QString reply = QStringLiteral("old");
    // STX, one address character, the command and ETX: 1024 bytes are one too many.
    QVERIFY(!rig.port().Transact("5", QByteArray(1021, 'A'), &reply, true));
    QVERIFY(!rig.port().Transact("05", QByteArray(1021, 'A'), &reply, true));
    rig.port().SetChecksum(true);
    QVERIFY(!rig.port().Transact("5", QByteArray(1018, 'A'), &reply, true));
    rig.port().SetChecksum(false);
    QTest::qWait(100);
    QVERIFY(rig.bus.Requests().isEmpty());
    QVERIFY(rig.t.messages.isEmpty());
    QCOMPARE(reply, QStringLiteral("old"));
    // 1023 bytes still go out (the stage has no such command and stays silent).
    rig.port().SetLastingTimeout(100);
    QVERIFY(!rig.port().Transact("5", QByteArray(1020, 'A'), &reply, false));
    QCOMPARE(rig.bus.Requests().size(), 1);
    QCOMPARE(rig.bus.Requests().first().frame.size(), 1023);
}

void TstBusPort::commandFitsTheWire_data()
{
    QTest::addColumn<int>("interfaceType");
    QTest::addColumn<bool>("twoByte");
    QTest::addColumn<bool>("checksum");
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("fits");
    // Serial: STX, address, command, (":" and two digits), ETX in 1023 bytes.
    QTest::addRow("serial 1023 bytes") << 0 << false << false << "5" << 1020 << true;
    QTest::addRow("serial 1024 bytes") << 0 << false << false << "5" << 1021 << false;
    QTest::addRow("serial two digits cut to one") << 0 << false << false << "05" << 1020 << true;
    QTest::addRow("serial two-byte address") << 0 << true << false << "5" << 1020 << false;
    QTest::addRow("serial no address") << 0 << false << false << "" << 1021 << true;
    QTest::addRow("serial checksum fits") << 0 << false << true << "5" << 1017 << true;
    QTest::addRow("serial checksum too long") << 0 << false << true << "5" << 1018 << false;
    // CAN: two address digits and the command in 99 characters.
    QTest::addRow("can 99 characters") << 1 << false << false << "5" << 97 << true;
    QTest::addRow("can 100 characters") << 1 << false << false << "05" << 98 << false;
}

void TstBusPort::commandFitsTheWire()
{
    QFETCH(int, interfaceType);
    QFETCH(bool, twoByte);
    QFETCH(bool, checksum);
    QFETCH(QString, address);
    QFETCH(int, length);
    QFETCH(bool, fits);
    FakeBusPortHost t;
    t.port().SetInterface(BusInterfaceOfComType(interfaceType));
    t.port().SetTwoByteAddress(twoByte);
    t.port().SetChecksum(checksum);
    QCOMPARE(t.port().CommandFits(address, QByteArray(length, 'A')), fits);
}

void TstBusPort::malformedReplies()
{
    Rig rig;
    QVERIFY(rig.Open());
    QString reply;
    // STX and ETX only: nothing after the echo to read.
    rig.line.SetGivenReply(1, QByteArray("\x02\x03"));
    QVERIFY(rig.port().Transact("5", "S?", &reply, false));
    QCOMPARE(reply, QString());

    rig.port().SetChecksum(true);
    rig.line.SetGivenReply(1, QByteArray("\x02\x03"));
    QVERIFY(!rig.port().Transact("5", "S?", &reply, false));
    QCOMPARE(rig.t.messages.last(), QStringLiteral("Wrong Checksum!"));
    rig.port().SetChecksum(false);

    // A reply of the longest frame, 1023 bytes, is collected whole; one byte more is not
    // a frame of the protocol and fails the transaction.
    const QByteArray data = "s" + QByteArray(1019, '7');
    rig.line.SetGivenReply(1, "\x02"
                              "5" +
                                  data + "\x03");
    QVERIFY(rig.port().Transact("5", "S?", &reply, false));
    QCOMPARE(reply, QString::fromLatin1(data));
    rig.line.SetGivenReply(1, "\x02"
                              "5" +
                                  data + "7\x03");
    QVERIFY(!rig.port().Transact("5", "S?", &reply, false));
    QVERIFY(rig.port().NoAnswer());
    QCOMPARE(reply, QString::fromLatin1(data));

    // Garbage the line picked up before the frame is taken as part of it, as the stage
    // protocol has no way to tell; the port must still not fail.
    rig.line.SetGarbage("\xFF");
    QVERIFY(rig.port().Transact("5", "S?", &reply, false));
    rig.line.SetGarbage({});
}

void TstBusPort::openOrCloseToggles()
{
    Rig rig;
    QVERIFY(rig.Open());
    QVERIFY(rig.port().IsOpen());
    // The close call keeps the names it was given.
    QVERIFY(rig.port().OpenOrClose(QString(), QString(), true));
    QVERIFY(!rig.port().IsOpen());
    QCOMPARE(rig.port().PortName(), QString());
    // Opening an empty name or a missing device fails with 10003 only when asked to show it.
    QVERIFY(!rig.port().OpenOrClose(QString(), QString(), false));
    QVERIFY(rig.t.messages.isEmpty());
    QVERIFY(!rig.port().OpenOrClose(QStringLiteral("/dev/does-not-exist"), kMode, true));
    QCOMPARE(rig.t.messages,
             QStringList{QStringLiteral("Schnittstelle kann nicht geöffnet werden!")});
    QCOMPARE(rig.port().PortName(), QStringLiteral("/dev/does-not-exist"));
    QCOMPARE(rig.port().Settings(), kMode);
    QVERIFY(!rig.port().IsOpen());
}

void TstBusPort::canWithoutCardFails()
{
    Rig rig;
    QVERIFY(rig.Open());
    rig.port().SetInterface(BusInterface::Can);
    QVERIFY(!rig.port().OpenOrClose(QString(), QString(), false));
    QCOMPARE(rig.t.messages,
             QStringList{QStringLiteral("CAN Contoller konnte nicht angesprochen werden!")});
    QVERIFY(!rig.port().IsOpen());
    // Back on the serial interface the line works again.
    rig.port().SetInterface(BusInterface::Serial);
    QVERIFY(rig.Open());
    QString reply;
    QVERIFY(rig.port().Transact("5", "S?", &reply, false));
}

void TstBusPort::portThatDisappears()
{
    Rig rig;
    QVERIFY(rig.Open());
    QString reply;
    QVERIFY(rig.port().Transact("5", "S?", &reply, false));
    // The adapter goes away: the port closes itself and reports as a closed port does.
    rig.line.Stop();
    rig.port().SetLastingTimeout(200);
    QVERIFY(!rig.port().Transact("5", "S?", &reply, false));
    // The first command after finds the port gone and says so once.
    QVERIFY(!rig.port().IsOpen());
    QCOMPARE(rig.t.messages,
             QStringList{QStringLiteral("Schnittstelle kann nicht geöffnet werden!")});
    QVERIFY(!rig.port().Transact("5", "S?", &reply, false));
    QVERIFY(!rig.port().IsOpen());
    QCOMPARE(rig.t.messages.last(), QStringLiteral("Schnittstelle kann nicht geöffnet werden!"));
}

QTEST_MAIN(TstBusPort)
#include "tst_busport.moc"
