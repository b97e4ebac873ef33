// Frames and replies of the serial bus, without a port.
#include "bus/cbusframe.h"

#include <QTest>

class TstBusFrame : public QObject {
    Q_OBJECT
private slots:
    void build_data();
    void build();
    void refusesOversizedFrame();
    void parse_data();
    void parse();
};

void TstBusFrame::build_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<bool>("twoByte");
    QTest::addColumn<bool>("checksum");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("frame");

    QTest::newRow("two-byte pads address 7")
        << QByteArray("7") << true << false << QByteArray("B?")
        << QByteArray::fromHex("023037423F03");
    QTest::newRow("one-byte keeps last digit of 0F")
        << QByteArray("0F") << false << false << QByteArray("S?")
        << QByteArray::fromHex("0246533F03");
    QTest::newRow("no checksum, address 5")
        << QByteArray("5") << false << false << QByteArray("S?")
        << QByteArray::fromHex("0235533F03");
    QTest::newRow("checksum, address 5: digits 63")
        << QByteArray("5") << false << true << QByteArray("S?")
        << QByteArray::fromHex("0235533F3A363303");
    QTest::newRow("three-character address passes unchanged")
        << QByteArray("123") << true << false << QByteArray("F?")
        << QByteArray::fromHex("02313233463F03");
    QTest::newRow("checksum digits are upper case")
        << QByteArray("1F") << true << true << QByteArray("PN?")
        << QByteArray("\x02" "1FPN?:6C\x03");
}

void TstBusFrame::build()
{
    QFETCH(QByteArray, address);
    QFETCH(bool, twoByte);
    QFETCH(bool, checksum);
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, frame);

    const auto built = CBusFrame::Build(CBusFrame::AddressForm(address, twoByte), command, checksum);
    QVERIFY(built.has_value());
    QCOMPARE(built->toHex(' '), frame.toHex(' '));
}

void TstBusFrame::refusesOversizedFrame()
{
    // STX + address + command + ETX: 1023 bytes fit, 1024 do not.
    QVERIFY(CBusFrame::Build("5", QByteArray(1020, 'A'), false).has_value());
    QVERIFY(!CBusFrame::Build("5", QByteArray(1021, 'A'), false).has_value());
    QVERIFY(!CBusFrame::Build("5", QByteArray(1018, 'A'), true).has_value());
}

void TstBusFrame::parse_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<bool>("twoByte");
    QTest::addColumn<bool>("checksum");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("checksumOk");

    QTest::newRow("one-byte echo") << QByteArray("\x02" "5s25\x03") << false << false
                                   << QByteArray("s25") << true;
    QTest::newRow("two-byte echo") << QByteArray("\x02" "07bKEV 1.62\x03") << true << false
                                   << QByteArray("bKEV 1.62") << true;
    QTest::newRow("echo width follows the mode, not the address sent")
        << QByteArray("\x02" "07s1\x03") << false << false << QByteArray("7s1") << true;
    QTest::newRow("checksum good") << QByteArray("\x02" "5s25:") + CBusFrame::Checksum("5s25:") +
                                          "\x03"
                                   << false << true << QByteArray("s25") << true;
    QTest::newRow("lower-case checksum digits are wrong")
        << QByteArray("\x02" "5pnK:5a\x03") << false << true << QByteArray("pnK") << false;
    QTest::newRow("upper-case digits of the same reply")
        << QByteArray("\x02" "5pnK:5A\x03") << false << true << QByteArray("pnK") << true;
    QTest::newRow("STX and ETX only") << QByteArray("\x02\x03") << true << false << QByteArray()
                                      << true;
    QTest::newRow("ETX alone") << QByteArray("\x03") << false << false << QByteArray() << true;
    QTest::newRow("too short for a checksum") << QByteArray("\x02" "5\x03") << false << true
                                              << QByteArray() << false;
    QTest::newRow("checksum digits without colon")
        << QByteArray("\x02" "5s25x") + CBusFrame::Checksum("5s25x") + "\x03" << false << true
        << QByteArray("s25") << false;
}

void TstBusFrame::parse()
{
    QFETCH(QByteArray, frame);
    QFETCH(bool, twoByte);
    QFETCH(bool, checksum);
    QFETCH(QByteArray, data);
    QFETCH(bool, checksumOk);

    const CBusFrame::Reply reply = CBusFrame::Parse(frame, twoByte, checksum);
    QCOMPARE(reply.data, data);
    QCOMPARE(reply.checksumOk, checksumOk);
}

QTEST_APPLESS_MAIN(TstBusFrame)
#include "tst_busframe.moc"
