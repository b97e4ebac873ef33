// The CAN translation on its own: command texts to request frames, answer frames to reply
// texts, and the commands that have no CAN form.
#include "bus/ccancommandmap.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<QByteArray>)

namespace {

QByteArray HexOf(const CCanCommandMap::Frame& frame)
{
    return QByteArray(reinterpret_cast<const char*>(frame.data.data()), frame.length).toHex(' ');
}

CCanCommandMap::Frame FrameOf(std::uint32_t identifier, const QByteArray& hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    CCanCommandMap::Frame frame;
    frame.identifier = identifier;
    frame.length = static_cast<int>(bytes.size());
    for (qsizetype i = 0; i < bytes.size() && i < 8; ++i)
        frame.data[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bytes.at(i));
    return frame;
}

} // namespace

class TstCanMap : public QObject {
    Q_OBJECT
private slots:
    void requestFrames_data();
    void requestFrames();
    void commandsWithoutCanForm_data();
    void commandsWithoutCanForm();
    void replyTexts_data();
    void replyTexts();
};

void TstCanMap::requestFrames_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<uint>("identifier");
    QTest::addColumn<QByteArray>("data"); // hex, as many bytes as the frame's length

    QTest::newRow("S? reads") << QByteArray("05S?") << 0x24Au << QByteArray("13");
    QTest::newRow("S25 writes") << QByteArray("05S25") << 0x24Au << QByteArray("13 19 00 00 00");
    QTest::newRow("Z+ is 1") << QByteArray("05Z+") << 0x24Au << QByteArray("26 01 00 00 00");
    QTest::newRow("Z- is 0") << QByteArray("05Z-") << 0x24Au << QByteArray("26 00 00 00 00");
    QTest::newRow("PN with a name")
        << QByteArray("05PNAXIS") << 0x24Au << QByteArray("06 41 58 49 53 00 00 00");
    QTest::newRow("PN name cut to 7")
        << QByteArray("05PNLONGNAME") << 0x24Au << QByteArray("06 4c 4f 4e 47 4e 41 4d");
    QTest::newRow("PN 8-bit name")
        << QByteArray("05PNF\xFChrung") << 0x24Au << QByteArray("06 46 fc 68 72 75 6e 67");
    QTest::newRow("PN? reads") << QByteArray("05PN?") << 0x24Au << QByteArray("06");
    QTest::newRow("BF? carries a zero value")
        << QByteArray("05BF?") << 0x24Au << QByteArray("05 00 00 00 00");
    QTest::newRow("B? reads") << QByteArray("05B?") << 0x24Au << QByteArray("04");
    QTest::newRow("bare B reads") << QByteArray("05B") << 0x24Au << QByteArray("04");
    QTest::newRow("L? reads") << QByteArray("05L?") << 0x24Au << QByteArray("30");
    QTest::newRow("L1 writes") << QByteArray("05L1") << 0x24Au << QByteArray("30 01 00 00 00");
    QTest::newRow("L* alternating bits")
        << QByteArray("05L*") << 0x24Au << QByteArray("40 aa aa aa aa");
    QTest::newRow("W alone") << QByteArray("05W") << 0x24Au << QByteArray("39");
    QTest::newRow("C alone") << QByteArray("05C") << 0x24Au << QByteArray("20");
    QTest::newRow("PH 225000")
        << QByteArray("05PH225000") << 0x24Au << QByteArray("25 e8 6e 03 00");
    QTest::newRow("PB, PS and PX share a byte")
        << QByteArray("05PX1") << 0x24Au << QByteArray("07 01 00 00 00");
    QTest::newRow("PK? reads") << QByteArray("05PK?") << 0x24Au << QByteArray("34");
    QTest::newRow("every character shifts")
        << QByteArray("05S2x5") << 0x24Au << QByteArray("13 cd 00 00 00");
    QTest::newRow("no sign") << QByteArray("05S-5") << 0x24Au << QByteArray("13 05 00 00 00");
    QTest::newRow("address 00") << QByteArray("00S?") << 0x240u << QByteArray("13");
    QTest::newRow("address 0A") << QByteArray("0AS?") << 0x254u << QByteArray("13");
    QTest::newRow("address 1F") << QByteArray("1FS?") << 0x27Eu << QByteArray("13");
}

void TstCanMap::requestFrames()
{
    QFETCH(QByteArray, text);
    QFETCH(uint, identifier);
    QFETCH(QByteArray, data);
    const CCanCommandMap::Request request = CCanCommandMap::Translate(text);
    QVERIFY2(request.frame, request.diagnostic.constData());
    QCOMPARE(request.frame->identifier, identifier);
    QCOMPARE(HexOf(*request.frame), data);
    // Bytes past the length are never left over from anything.
    for (std::size_t i = static_cast<std::size_t>(request.frame->length); i < 8; ++i)
        QCOMPARE(request.frame->data[i], std::uint8_t(0));
}

void TstCanMap::commandsWithoutCanForm_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("diagnostic");

    QTest::newRow("lower-case address") << QByteArray("0a") << QByteArray("bad Hex-Data!");
    QTest::newRow("one address digit") << QByteArray("5S?") << QByteArray("bad Hex-Data!");
    QTest::newRow("empty") << QByteArray() << QByteArray("bad Hex-Data!");
    QTest::newRow("no command") << QByteArray("05") << QByteArray("bad command code\n");
    QTest::newRow("lower-case command") << QByteArray("05s?") << QByteArray("bad command code\n");
    QTest::newRow("letter without row") << QByteArray("05I") << QByteArray("bad command I\n");
    QTest::newRow("temperature module") << QByteArray("05XB") << QByteArray("bad command X\n");
    QTest::newRow("P without letter") << QByteArray("05P?") << QByteArray("bad subcommand code\n");
    QTest::newRow("P letter without row") << QByteArray("05PA1") << QByteArray("bad command PA\n");
    QTest::newRow("LT clock") << QByteArray("05LT1") << QByteArray("bad command LT\n");
    QTest::newRow("LD direction") << QByteArray("05LD0") << QByteArray("bad command LD\n");
    QTest::newRow("LB boost") << QByteArray("05LB?") << QByteArray("bad command LB\n");
    QTest::newRow("LA activation") << QByteArray("05LA1") << QByteArray("bad command LA\n");
    QTest::newRow("LR reset") << QByteArray("05LR0") << QByteArray("bad command LR\n");
    QTest::newRow("LX deselect") << QByteArray("05LX1") << QByteArray("bad command LX\n");
}

void TstCanMap::commandsWithoutCanForm()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, diagnostic);
    const CCanCommandMap::Request request = CCanCommandMap::Translate(text);
    QVERIFY(!request.frame);
    QCOMPARE(request.diagnostic, diagnostic);
}

void TstCanMap::replyTexts_data()
{
    QTest::addColumn<uint>("identifier");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<std::optional<QByteArray>>("reply");

    using Reply = std::optional<QByteArray>;
    QTest::newRow("s25") << 0x24Bu << QByteArray("13 19 00 00 00") << Reply("05s25");
    QTest::newRow("signed value") << 0x24Bu << QByteArray("13 ff ff ff ff") << Reply("05s-1");
    QTest::newRow("large value")
        << 0x24Bu << QByteArray("25 e8 6e 03 00") << Reply("05ph225000");
    QTest::newRow("short numeric answer") << 0x24Bu << QByteArray("13") << Reply("05s0");
    QTest::newRow("version text")
        << 0x24Bu << QByteArray("04 4b 45 56 31 2e 36 32") << Reply("05bKEV1.62");
    QTest::newRow("firmware text") << 0x24Bu << QByteArray("05 32 2e 31") << Reply("05b2.1");
    QTest::newRow("name ends at zero") << 0x24Bu << QByteArray("06 41 58 00 53") << Reply("05pnAX");
    QTest::newRow("bus mode echo") << 0x24Bu << QByteArray("07 01 00 00 00") << Reply("05ps1");
    QTest::newRow("address 0") << 0x241u << QByteArray("13 0a 00 00 00") << Reply("00s10");
    QTest::newRow("address 31") << 0x27Fu << QByteArray("30 01 00 00 00") << Reply("1Fl1");
    QTest::newRow("foreign identifier keeps two digits")
        << 0x100u << QByteArray("13 19 00 00 00") << Reply("5Fs25");
    QTest::newRow("identifier above 31 bits")
        << 0x80000000u << QByteArray("13 19 00 00 00") << Reply("DFs25");
    QTest::newRow("code without reply row") << 0x24Bu << QByteArray("09 01 00 00 00") << Reply();
    QTest::newRow("L* code has no reply") << 0x24Bu << QByteArray("40 aa aa aa aa") << Reply();
    QTest::newRow("code past the map") << 0x24Bu << QByteArray("c8 01") << Reply();
    QTest::newRow("no data") << 0x24Bu << QByteArray() << Reply();
}

void TstCanMap::replyTexts()
{
    QFETCH(uint, identifier);
    QFETCH(QByteArray, data);
    QFETCH(std::optional<QByteArray>, reply);
    QCOMPARE(CCanCommandMap::ReplyText(FrameOf(identifier, data)), reply);
}

QTEST_APPLESS_MAIN(TstCanMap)
#include "tst_canmap.moc"
