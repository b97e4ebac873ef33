// The serial line's mode strings and the 8-bit text of the bus.
#include "platform/cansitext.h"
#include "platform/cserialmode.h"

#include <QTest>

class TstSerialPlatform : public QObject {
    Q_OBJECT
private slots:
    void modeString_data();
    void modeString();
    void ansiText();
};

void TstSerialPlatform::modeString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("rate");       // 0: not given
    QTest::addColumn<int>("parity");     // -1: not given
    QTest::addColumn<int>("dataBits");   // 0: not given
    QTest::addColumn<int>("stopBits");   // 0: not given

    QTest::newRow("stored default") << "9600, n, 8, 1" << true << 9600 << int(QSerialPort::NoParity)
                                    << 8 << int(QSerialPort::OneStop);
    QTest::newRow("no blanks, upper case") << "19200,E,7,2" << true << 19200
                                           << int(QSerialPort::EvenParity) << 7
                                           << int(QSerialPort::TwoStop);
    QTest::newRow("odd parity, one and a half") << "4800, o, 8, 1.5" << true << 4800
                                                << int(QSerialPort::OddParity) << 8
                                                << int(QSerialPort::OneAndHalfStop);
    QTest::newRow("rate alone") << "115200" << true << 115200 << -1 << 0 << 0;
    QTest::newRow("empty") << "" << false << 0 << -1 << 0 << 0;
    QTest::newRow("rate not a number") << "fast, n, 8, 1" << false << 0 << -1 << 0 << 0;
    QTest::newRow("unknown parity keeps the rate") << "9600, x, 8, 1" << false << 9600 << -1 << 0
                                                   << 0;
    QTest::newRow("nine data bits") << "9600, n, 9, 1" << false << 9600
                                    << int(QSerialPort::NoParity) << 0 << 0;
    QTest::newRow("five fields") << "9600, n, 8, 1, 1" << false << 0 << -1 << 0 << 0;
}

void TstSerialPlatform::modeString()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, rate);
    QFETCH(int, parity);
    QFETCH(int, dataBits);
    QFETCH(int, stopBits);

    const CSerialMode mode = CSerialMode::Parse(text);
    QCOMPARE(mode.valid, valid);
    QCOMPARE(mode.rate.value_or(0), rate);
    QCOMPARE(mode.parity ? int(*mode.parity) : -1, parity);
    QCOMPARE(mode.dataBits ? int(*mode.dataBits) : 0, dataBits);
    QCOMPARE(mode.stopBits ? int(*mode.stopBits) : 0, stopBits);
}

void TstSerialPlatform::ansiText()
{
    // Windows-1252, not Latin-1: the euro sign and the typographic quotes live in 0x80..0x9F.
    const QByteArray bytes("\x80 \x84" "Achse\x93 \xE4\xF6\xFC\xDF \xB0" "C \x81");
    const QString text = QStringLiteral("€ „Achse“ äöüß °C \u0081");
    QCOMPARE(CAnsiText::ToUnicode(bytes), text);
    QCOMPARE(CAnsiText::FromUnicode(text), bytes);
    // Characters the code page cannot carry become '?', never a multi-byte sequence.
    QCOMPARE(CAnsiText::FromUnicode(QStringLiteral("Ω→x")), QByteArray("??x"));
    // Every byte survives the round trip.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(CAnsiText::FromUnicode(CAnsiText::ToUnicode(all)), all);
}

QTEST_APPLESS_MAIN(TstSerialPlatform)
#include "tst_serialplatform.moc"
