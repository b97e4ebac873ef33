// The CAN link end to end: the real adapter and bus port on a virtualcan bus, with the
// stage simulator as the other node. Every device of this process meets on one loopback
// port of its own (see SimCanRelay for why it is one per process).
#include "tests/sim/simbus.h"
#include "tests/sim/simcannode.h"
#include "tests/sim/simcanrelay.h"
#include "tests/sim/simserialline.h"
#include "tests/support/fakebusporthost.h"
#include "tests/support/unansweredcommand.h"

#include "platform/ceventobject.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <QVersionNumber>

#include <cstdio>
#include <ctime>
#include <thread>
#include <unistd.h>

namespace {

// Collects what the process writes to standard output until Take().
class StdoutCapture {
public:
    StdoutCapture()
    {
        std::fflush(stdout);
        m_saved = dup(STDOUT_FILENO);
        m_file = std::tmpfile();
        dup2(fileno(m_file), STDOUT_FILENO);
    }
    ~StdoutCapture() { Take(); }
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    QByteArray Take()
    {
        if (m_saved < 0)
            return m_text;
        std::fflush(stdout);
        dup2(m_saved, STDOUT_FILENO);
        close(m_saved);
        m_saved = -1;
        QFile file;
        if (file.open(m_file, QIODevice::ReadOnly)) {
            file.seek(0);
            m_text = file.readAll();
        }
        std::fclose(m_file);
        return m_text;
    }

private:
    int m_saved = -1;
    std::FILE* m_file = nullptr;
    QByteArray m_text;
};

int ThreadCount()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/task"))
                                .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                                .size());
}

double ProcessCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

// A KEV at 5 and generic stages at 0, 10 and 31 on the test's bus, the simulator node on
// it, and the bus port of a fake host, whose adapter opens the bus that TARNLINK_CAN names. The
// node is on the bus before the host is built.
struct CanRig {
    SimBus bus;
    SimCanNode node;
    bool joined;
    FakeBusPortHost t;

    explicit CanRig(SimCanRelay& relay) : node(bus, relay), joined(Join()) {}
    CanRig(const QString& interfaceName, const QString& plugin)
        : node(bus, interfaceName, plugin), joined(Join())
    {
    }
    CBusPort& port() { return t.port(); }
    CCanAdapter& adapter() { return t.port().CanAdapter(); }
    bool Open()
    {
        port().SetInterface(BusInterface::Can);
        return joined && port().OpenOrClose(QString(), QString(), true);
    }

private:
    bool Join()
    {
        bus.AddAxis(5, "KEV", "KEV1.62");
        bus.AddAxis(0, "HWK");
        bus.AddAxis(10, "HWK");
        bus.AddAxis(31, "HWK");
        return node.Start();
    }
};

QByteArray HexOf(const QCanBusFrame& frame)
{
    return frame.payload().toHex(' ');
}

} // namespace

class TstCanLink : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void framesOnTheBus_data();
    void framesOnTheBus();
    void commandsWithoutCanFormSendNothing_data();
    void commandsWithoutCanFormSendNothing();
    void roundTripsThroughTheBusPort();
    void manyTransactionsKeepTheirAnswers();
    void timeoutEmptiesTheReply();
    void answerWithoutReplyRowIsNoAnswer();
    void extendedFrameNeverRaisesTheFlag();
    void startDiagnostics();
    void bitRateTable_data();
    void bitRateTable();
    void tenStartsLeaveOneReceiveThread();
    void noDevice_data();
    void noDevice();
    void eventObjectsWakeOnce();
    void startedNodeHearsTheNextFrame();
    void socketCanWhenNamed();

private:
    std::unique_ptr<SimCanRelay> m_relay;
};

void TstCanLink::initTestCase()
{
    // The plugins report every connection and every missing library; that would land
    // amid the adapter's diagnostics, which the tests read byte for byte.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.canbus.plugins.*=false"));
    m_relay = std::make_unique<SimCanRelay>();
    QVERIFY(m_relay->IsRunning());
}

void TstCanLink::init()
{
    // Set before each application is built: its adapter opens the card in its constructor.
    qputenv("TARNLINK_CAN", m_relay->DeviceSpec().toUtf8());
}

void TstCanLink::framesOnTheBus_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<uint>("identifier");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("reply");

    const QString timeout = QStringLiteral("TIMEOUT");
    QTest::newRow("S? at 5") << QByteArray("05S?") << 0x24Au << QByteArray("13")
                             << QStringLiteral("05s10");
    QTest::newRow("S25") << QByteArray("05S25") << 0x24Au << QByteArray("13 19 00 00 00")
                         << QStringLiteral("05s25");
    // The stage acknowledges the test revolution once it has turned.
    QTest::newRow("Z+") << QByteArray("05Z+") << 0x24Au << QByteArray("26 01 00 00 00")
                        << QStringLiteral("05z0");
    QTest::newRow("Z-") << QByteArray("05Z-") << 0x24Au << QByteArray("26 00 00 00 00")
                        << QStringLiteral("05z0");
    QTest::newRow("PN AXIS") << QByteArray("05PNAXIS") << 0x24Au
                             << QByteArray("06 41 58 49 53 00 00 00") << QStringLiteral("05pnAXIS");
    QTest::newRow("PN cut to 7") << QByteArray("05PNLONGNAME") << 0x24Au
                                 << QByteArray("06 4c 4f 4e 47 4e 41 4d")
                                 << QStringLiteral("05pnLONGNAM");
    QTest::newRow("BF?") << QByteArray("05BF?") << 0x24Au << QByteArray("05 00 00 00 00")
                         << timeout;
    QTest::newRow("B?") << QByteArray("05B?") << 0x24Au << QByteArray("04")
                        << QStringLiteral("05bKEV1.62");
    QTest::newRow("L?") << QByteArray("05L?") << 0x24Au << QByteArray("30")
                        << QStringLiteral("05l0");
    QTest::newRow("L1") << QByteArray("05L1") << 0x24Au << QByteArray("30 01 00 00 00")
                        << QStringLiteral("05l1");
    QTest::newRow("L*") << QByteArray("05L*") << 0x24Au << QByteArray("40 aa aa aa aa") << timeout;
    QTest::newRow("address 00") << QByteArray("00S?") << 0x240u << QByteArray("13")
                                << QStringLiteral("00s10");
    QTest::newRow("address 0A") << QByteArray("0AS?") << 0x254u << QByteArray("13")
                                << QStringLiteral("0As10");
    QTest::newRow("address 1F") << QByteArray("1FS?") << 0x27Eu << QByteArray("13")
                                << QStringLiteral("1Fs10");
}

void TstCanLink::framesOnTheBus()
{
    QFETCH(QByteArray, text);
    QFETCH(uint, identifier);
    QFETCH(QByteArray, data);
    QFETCH(QString, reply);

    // The default time: an answer crosses the relay and the node's thread within it however
    // busy the machine; a row without one waits it out.
    CanRig rig(*m_relay);
    QVERIFY(rig.Open());
    const QString answer = rig.adapter().Transact(text);
    QCOMPARE(answer, reply);
    QCOMPARE(rig.adapter().Reply(), reply);
    QVERIFY(rig.adapter().ReplyDone());
    QTRY_COMPARE(rig.node.Frames().size(), 1);
    const QCanBusFrame sent = rig.node.Frames().first();
    QCOMPARE(sent.frameId(), identifier);
    QVERIFY(!sent.hasExtendedFrameFormat());
    QCOMPARE(HexOf(sent), data);
}

void TstCanLink::commandsWithoutCanFormSendNothing_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("diagnostic");
    QTest::newRow("LT") << QByteArray("LT1") << QByteArray("bad command LT\n");
    QTest::newRow("LD") << QByteArray("LD0") << QByteArray("bad command LD\n");
    QTest::newRow("LB") << QByteArray("LB?") << QByteArray("bad command LB\n");
    QTest::newRow("LA") << QByteArray("LA1") << QByteArray("bad command LA\n");
    QTest::newRow("LR") << QByteArray("LR0") << QByteArray("bad command LR\n");
    QTest::newRow("LX") << QByteArray("LX1") << QByteArray("bad command LX\n");
    QTest::newRow("XB") << QByteArray("XB") << QByteArray("bad command X\n");
}

void TstCanLink::commandsWithoutCanFormSendNothing()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, diagnostic);

    CanRig rig(*m_relay);
    QVERIFY(rig.Open());
    QVERIFY(rig.port().Transact("5", "S?", nullptr, false));
    QTRY_COMPARE(rig.node.Frames().size(), 1);

    // The bus port takes the empty text as a reply: true, empty, no-answer cleared.
    LeaveUnanswered(rig.port());
    QTRY_COMPARE(rig.node.Frames().size(), 2);
    QString reply = QStringLiteral("old");
    StdoutCapture out;
    const bool ok = rig.port().Transact("5", command, &reply, true);
    const QByteArray printed = out.Take();
    QVERIFY(ok);
    QCOMPARE(reply, QString());
    QVERIFY(!rig.port().NoAnswer());
    QCOMPARE(printed, diagnostic);
    // The adapter keeps the last reply it built and says it built none now.
    QCOMPARE(rig.adapter().Reply(), QStringLiteral("TIMEOUT"));
    QVERIFY(!rig.adapter().ReplyDone());
    QTest::qWait(100);
    QCOMPARE(rig.node.Frames().size(), 2);
    QVERIFY(rig.t.messages.isEmpty());

    // A lower-case address has no CAN form either.
    StdoutCapture bad;
    QCOMPARE(rig.adapter().Transact("0a"), QString());
    QCOMPARE(bad.Take(), QByteArray("bad Hex-Data!"));
}

void TstCanLink::roundTripsThroughTheBusPort()
{
    CanRig rig(*m_relay);
    QVERIFY(rig.Open());
    QVERIFY(rig.port().IsOpen());
    QString reply;

    // One-byte address setting: CAN still sends two digits.
    rig.port().SetTwoByteAddress(false);
    QVERIFY(rig.port().Transact("5", "S?", &reply, true));
    QCOMPARE(reply, QStringLiteral("s10"));
    QCOMPARE(rig.node.Frames().last().frameId(), 0x24Au);

    QVERIFY(rig.port().Transact("5", "S25", &reply, true));
    QCOMPARE(reply, QStringLiteral("s25"));
    int stop = 0;
    rig.bus.WithAxis(5, [&](SimAxis& a) { stop = a.params.value("S"); });
    QCOMPARE(stop, 25);
    rig.port().SetTwoByteAddress(true);
    QVERIFY(rig.port().Transact("05", "S?", &reply, true));
    QCOMPARE(reply, QStringLiteral("s25"));

    QVERIFY(rig.port().Transact("5", "PNLinks", &reply, true));
    QCOMPARE(reply, QStringLiteral("pnLinks"));
    QVERIFY(rig.port().Transact("5", "PN?", &reply, true));
    QCOMPARE(reply, QStringLiteral("pnLinks"));
    QByteArray name;
    rig.bus.WithAxis(5, [&](SimAxis& a) { name = a.name; });
    QCOMPARE(name, QByteArray("Links"));

    QVERIFY(rig.port().Transact("1F", "B?", &reply, true));
    QCOMPARE(reply, QStringLiteral("bHWK 1.0")); // seven characters travel
    QVERIFY(rig.port().Transact("5", "B?", &reply, true));
    QCOMPARE(reply, QStringLiteral("bKEV1.62"));
    QVERIFY(!rig.port().NoAnswer());
    QVERIFY(rig.t.messages.isEmpty());

    // "Off" sends nothing and leaves the reply alone.
    const int sent = rig.node.Frames().size();
    QVERIFY(rig.port().Transact("Off", "S?", &reply, true));
    QCOMPARE(reply, QStringLiteral("bKEV1.62"));
    QTest::qWait(50);
    QCOMPARE(rig.node.Frames().size(), sent);
}

void TstCanLink::manyTransactionsKeepTheirAnswers()
{
    CanRig rig(*m_relay);
    QVERIFY(rig.Open());
    QString reply;
    for (int value = 0; value < 200; ++value) {
        const QByteArray command = "R" + QByteArray::number(value);
        QVERIFY(rig.port().Transact("5", command, &reply, true));
        QCOMPARE(reply, QStringLiteral("r%1").arg(value));
    }
}

void TstCanLink::timeoutEmptiesTheReply()
{
    CanRig rig(*m_relay);
    QVERIFY(rig.Open());
    rig.node.SetSilent(true);
    rig.port().SetLastingTimeout(300);
    QString reply = QStringLiteral("old");

    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = ProcessCpuMs();
    QVERIFY(!rig.port().Transact("5", "S?", &reply, false));
    const double cpuUsed = ProcessCpuMs() - cpuBefore;
    QVERIFY(clock.elapsed() >= 290);
    // The wait sleeps on a condition: a spinning wait would burn the whole 300 ms.
    QVERIFY2(cpuUsed < 100, qPrintable(QStringLiteral("%1 ms").arg(cpuUsed)));
    QCOMPARE(reply, QString());
    QVERIFY(rig.port().NoAnswer());
    QVERIFY(rig.t.messages.isEmpty());
    QCOMPARE(rig.adapter().Reply(), QStringLiteral("TIMEOUT"));
    QVERIFY(rig.adapter().ReplyDone());

    QVERIFY(!rig.port().Transact("5", "S?", &reply, true));
    QCOMPARE(rig.t.messages, QStringList{QStringLiteral("Schnittstelle TIMEOUT!")});

    rig.node.SetSilent(false);
    QVERIFY(rig.port().Transact("5", "S?", &reply, true));
    QCOMPARE(reply, QStringLiteral("s10"));
    QVERIFY(!rig.port().NoAnswer());
}

void TstCanLink::answerWithoutReplyRowIsNoAnswer()
{
    CanRig rig(*m_relay);
    QVERIFY(rig.Open());
    rig.node.SetGivenAnswer(QCanBusFrame(0x24B, QByteArray::fromHex("0901000000")));
    QString reply = QStringLiteral("old");
    QVERIFY(!rig.port().Transact("5", "S?", &reply, false));
    QCOMPARE(reply, QString());
    QVERIFY(rig.port().NoAnswer());
    QCOMPARE(rig.adapter().Reply(), QStringLiteral("TIMEOUT"));
}

void TstCanLink::extendedFrameNeverRaisesTheFlag()
{
    CanRig rig(*m_relay);
    QVERIFY(rig.Open());
    QCanBusFrame extended(0x24B, QByteArray::fromHex("1319000000"));
    extended.setExtendedFrameFormat(true);
    rig.node.SetGivenAnswer(extended);

    StdoutCapture out;
    const QString answer = rig.adapter().Transact("05S?");
    const QByteArray printed = out.Take();
    QCOMPARE(answer, QStringLiteral("TIMEOUT"));
    QVERIFY2(printed.contains("RCV XTD CAN1 Id     24b Dlc5 Data 13 19  0  0  0  0  0  0 T"),
             printed.constData());

    // A standard answer afterwards is taken as usual.
    rig.node.SetGivenAnswer(std::nullopt);
    QCOMPARE(rig.adapter().Transact("05S?"), QStringLiteral("05s10"));
}

void TstCanLink::startDiagnostics()
{
    SimBus bus;
    bus.AddAxis(5, "KEV");
    SimCanNode node(bus, *m_relay);
    QVERIFY(node.Start());

    StdoutCapture out;
    auto t = std::make_unique<FakeBusPortHost>();
    t->port().SetCanBitRate(3);
    t->port().SetInterface(BusInterface::Can);
    const bool opened = t->port().OpenOrClose(QString(), QString(), true);
    t->port().SetCanBitRate(5);
    t->port().OpenOrClose(QString(), QString(), true);
    t->port().Transact("5", "S25", nullptr, false);
    t.reset();
    const QByteArray printed = out.Take();
    QVERIFY(opened);

    const QVersionNumber qt = QLibraryInfo::version();
    const QByteArray versions = QStringLiteral("Software version: 1.00 \n"
                                               "Firmware version: %1.%2 \n"
                                               "Hardware version: 1.00 \n"
                                               "Chiptype CAN1: SJA1000\n"
                                               "Chiptype CAN2: \n"
                                               "Serial#: N\n")
                                    .arg(qt.majorVersion())
                                    .arg(qt.minorVersion(), 2, 10, QLatin1Char('0'))
                                    .toLatin1();
    const QByteArray frameLine = "13 19  0  0  0 " + QByteArray(9, ' ') + "\n";
    const QByteArray expected =
        "VORTAN " + versions + "you set it to 3\n" +
        "Baudrate: 125 kbaud\nInitialization successfull\nChip is running.\n\n\n" +
        "terminating thread\n" + versions + "you set it to 5\n" +
        "Baudrate: 50 kbaud\nInitialization successfull\nChip is running.\n\n\n" + frameLine +
        frameLine + "terminating thread\n";
    // The serial number is the device's own; everything else is fixed.
    QString text = QString::fromLatin1(printed);
    text.replace(QRegularExpression(QStringLiteral("Serial#: \\d+\n")),
                 QStringLiteral("Serial#: N\n"));
    QCOMPARE(text, QString::fromLatin1(expected));
}

void TstCanLink::bitRateTable_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<uint>("bitRate");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("0") << 0 << 1000000u << QByteArray("1 Mbaud");
    QTest::newRow("1") << 1 << 500000u << QByteArray("500 kbaud");
    QTest::newRow("2") << 2 << 250000u << QByteArray("250 kbaud");
    QTest::newRow("3") << 3 << 125000u << QByteArray("125 kbaud");
    QTest::newRow("4") << 4 << 100000u << QByteArray("100 kbaud");
    QTest::newRow("5") << 5 << 50000u << QByteArray("50 kbaud");
    QTest::newRow("6") << 6 << 10000u << QByteArray("10 kbaud");
    QTest::newRow("7 programs 0") << 7 << 1000000u << QByteArray("1 Mbaud");
    QTest::newRow("-1 programs 0") << -1 << 1000000u << QByteArray("1 Mbaud");
}

void TstCanLink::bitRateTable()
{
    QFETCH(int, index);
    QFETCH(uint, bitRate);
    QFETCH(QByteArray, name);

    CanRig rig(*m_relay);
    StdoutCapture out;
    rig.adapter().Start(index);
    const QByteArray printed = out.Take();
    QVERIFY(rig.adapter().IsOk());
    QCOMPARE(rig.adapter().Card().BitRate(), bitRate);
    QVERIFY(printed.contains("you set it to " + QByteArray::number(index) + "\n"));
    QVERIFY2(printed.endsWith("Baudrate: " + name +
                              "\nInitialization successfull\n"
                              "Chip is running.\n\n\n"),
             printed.constData());
    QCOMPARE(rig.adapter().Transact("05S?"), QStringLiteral("05s10"));
}

void TstCanLink::tenStartsLeaveOneReceiveThread()
{
    SimBus bus;
    bus.AddAxis(5, "KEV");
    SimCanNode node(bus, *m_relay);
    QVERIFY(node.Start());
    const int before = ThreadCount();
    {
        FakeBusPortHost t;
        t.port().SetInterface(BusInterface::Can);
        QVERIFY(t.port().OpenOrClose(QString(), QString(), true));
        const int afterOne = ThreadCount();
        StdoutCapture out;
        for (int i = 0; i < 9; ++i)
            t.port().OpenOrClose(QString(), QString(), true);
        const QByteArray printed = out.Take();
        QCOMPARE(ThreadCount(), afterOne);
        QCOMPARE(printed.count("terminating thread\n"), 9);
        QVERIFY(t.port().IsOpen());
        QString reply;
        QVERIFY(t.port().Transact("5", "S?", &reply, true));
        QCOMPARE(reply, QStringLiteral("s10"));
    }
    // The destructor ends the last receive thread and the card's device thread.
    QTRY_COMPARE(ThreadCount(), before);
}

void TstCanLink::noDevice_data()
{
    QTest::addColumn<QByteArray>("device");
    QTest::newRow("no such plugin") << QByteArray("nosuchplugin:can0");
    QTest::newRow("no such interface") << QByteArray("socketcan:tarnlinknone9");
    QTest::newRow("invalid virtualcan interface") << QByteArray("virtualcan:bogus");
    QTest::newRow("no interface named") << QByteArray("virtualcan");
    QTest::newRow("not set") << QByteArray();
}

void TstCanLink::noDevice()
{
    QFETCH(QByteArray, device);
    if (device.isEmpty()) {
        // The default is socketcan:can0, which a test machine normally lacks.
        if (QFile::exists(QStringLiteral("/sys/class/net/can0")))
            QSKIP("this machine has a can0");
        qunsetenv("TARNLINK_CAN");
    } else {
        qputenv("TARNLINK_CAN", device);
    }

    SimBus bus;
    bus.AddAxis(5, "KEV");
    SimSerialLine line(bus);
    QVERIFY(line.Start());
    StdoutCapture out;
    FakeBusPortHost t;
    const QByteArray printed = out.Take();
    CBusPort& port = t.port();
    QVERIFY(!port.CanAdapter().IsOk());
    QCOMPARE(printed, QByteArray("VORTAN unable to initialize\n"));

    port.SetInterface(BusInterface::Can);
    QVERIFY(!port.OpenOrClose(QString(), QString(), false));
    QCOMPARE(t.messages,
             QStringList{QStringLiteral("CAN Contoller konnte nicht angesprochen werden!")});
    QVERIFY(!port.IsOpen());

    port.SetInterface(BusInterface::Serial);
    QVERIFY(port.OpenOrClose(line.PortPath(), QStringLiteral("9600, n, 8, 1"), true));
    QString reply;
    QVERIFY(port.Transact("5", "S?", &reply, true));
    QCOMPARE(reply, QStringLiteral("s10"));
}

void TstCanLink::eventObjectsWakeOnce()
{
    CEventObject first;
    CEventObject second(first.SharedLock());
    second.Set();
    first.Set();
    QCOMPARE(CEventObject::WaitAny(first, second), 0);
    // Waking reset the event that woke; the other is still set.
    QCOMPARE(CEventObject::WaitAny(first, second), 1);

    int woken = -2;
    std::thread waiter([&] { woken = CEventObject::WaitAny(first, second); });
    QTest::qWait(50);
    second.Set();
    waiter.join();
    QCOMPARE(woken, 1);

    CEventObject apart;
    QCOMPARE(CEventObject::WaitAny(first, apart), -1);
}

void TstCanLink::startedNodeHearsTheNextFrame()
{
    // A node that has started hears a frame sent the moment after, even while the bus is
    // still taking it in: the first request of a test must not go past the simulator.
    SimBus bus;
    SimCanNode sender(bus, *m_relay);
    QVERIFY(sender.Start());
    const QCanBusFrame request(0x24A, QByteArray::fromHex("13"));
    for (int round = 0; round < 100; ++round) {
        SimCanNode node(bus, *m_relay);
        QVERIFY(node.Start());
        sender.Send(request);
        // Far longer than a frame takes on a busy machine; the wait ends when it comes.
        QDeadlineTimer deadline(20000);
        while (node.Frames().isEmpty() && !deadline.hasExpired())
            QThread::msleep(1);
        QCOMPARE(node.Frames().size(), 1);
    }
}

void TstCanLink::socketCanWhenNamed()
{
    // A SocketCAN interface, e.g. a vcan0 made with "ip link add dev vcan0 type vcan".
    const QString interfaceName = qEnvironmentVariable("TARNLINK_TEST_SOCKETCAN");
    if (interfaceName.isEmpty())
        QSKIP("TARNLINK_TEST_SOCKETCAN names no SocketCAN interface");
    qputenv("TARNLINK_CAN", "socketcan:" + interfaceName.toUtf8());
    CanRig rig(interfaceName, QStringLiteral("socketcan"));
    QVERIFY(rig.Open());
    QString reply;
    QVERIFY(rig.port().Transact("5", "S25", &reply, true));
    QCOMPARE(reply, QStringLiteral("s25"));
    QVERIFY(rig.port().Transact("5", "B?", &reply, true));
    QCOMPARE(reply, QStringLiteral("bKEV1.62"));
}

QTEST_MAIN(TstCanLink)
#include "tst_canlink.moc"
