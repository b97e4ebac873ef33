// What the device types compute without a page: values out of stage replies (short and
// empty ones too), the current limit of the 0.1 A types and the delay table.
#include "pages/ccurrentlimit.h"
#include "pages/cdevicetypetables.h"
#include "pages/creplyvalue.h"

#include <QTest>

class TstDeviceTypes : public QObject {
    Q_OBJECT
private slots:
    void replyValues_data();
    void replyValues();
    void floatValues_data();
    void floatValues();
    void tenthsCurrentLimit_data();
    void tenthsCurrentLimit();
    void delayTable_data();
    void delayTable();
};

void TstDeviceTypes::replyValues_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("echo");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("lastFour");
    QTest::addColumn<QString>("last");

    QTest::newRow("one letter") << "s25" << 1 << "25" << 25 << "s25" << "5";
    QTest::newRow("two letters") << "pb1" << 2 << "1" << 1 << "pb1" << "1";
    QTest::newRow("negative") << "o-1" << 1 << "-1" << -1 << "o-1" << "1";
    QTest::newRow("name") << "pnHub 2" << 2 << "Hub 2" << 0 << "ub 2" << "2";
    QTest::newRow("digits then text") << "t40ms" << 1 << "40ms" << 40 << "40ms" << "s";
    QTest::newRow("blanks and sign") << "x  +7" << 1 << "  +7" << 7 << "  +7" << "7";
    QTest::newRow("echo only") << "xp" << 2 << "" << 0 << "xp" << "p";
    QTest::newRow("shorter than the echo") << "p" << 2 << "" << 0 << "p" << "p";
    QTest::newRow("empty CAN reply") << "" << 2 << "" << 0 << "" << "";
    QTest::newRow("too large") << "s99999999999" << 1 << "99999999999" << 2147483647 << "9999"
                               << "9";
    QTest::newRow("too small") << "s-99999999999" << 1 << "-99999999999" << int(-2147483648LL)
                               << "9999" << "9";
}

void TstDeviceTypes::replyValues()
{
    QFETCH(QString, reply);
    QFETCH(int, echo);
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(QString, lastFour);
    QFETCH(QString, last);
    QCOMPARE(CReplyValue::Text(reply, echo), text);
    QCOMPARE(CReplyValue::Int(reply, echo), value);
    QCOMPARE(CReplyValue::Tail(reply, 4), lastFour);
    const QChar lastChar = CReplyValue::Last(reply);
    QCOMPARE(lastChar.isNull() ? QString() : QString(lastChar), last);
}

void TstDeviceTypes::floatValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("firmware") << "1.62" << 1.62;
    QTest::newRow("from a version reply") << "bKEV 2.35" << 0.0;
    QTest::newRow("last four of it") << "2.35" << 2.35;
    QTest::newRow("trailing text") << "1.5A" << 1.5;
    QTest::newRow("no leading digit") << ".5" << 0.5;
    QTest::newRow("exponent") << "-1.5e2x" << -150.0;
    QTest::newRow("dangling exponent") << "2e" << 2.0;
    QTest::newRow("comma is no point") << "1,5" << 1.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("empty") << "" << 0.0;
}

void TstDeviceTypes::floatValues()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(CReplyValue::ToFloat(text), value);
}

void TstDeviceTypes::tenthsCurrentLimit_data()
{
    QTest::addColumn<unsigned>("mark");
    QTest::addColumn<unsigned>("kept");
    QTest::addColumn<unsigned>("limit");
    QTest::newRow("1.5 A") << 150u << 150u << 17u;
    QTest::newRow("below 2 A") << 199u << 199u << 21u;
    QTest::newRow("2 A") << 200u << 200u << 25u;
    QTest::newRow("below 4 A") << 399u << 399u << 44u;
    QTest::newRow("4 A") << 400u << 400u << 50u;
    QTest::newRow("margin from the kept current") << 150u << 450u << 25u;
    QTest::newRow("none") << 0u << 0u << 2u;
}

void TstDeviceTypes::tenthsCurrentLimit()
{
    QFETCH(unsigned, mark);
    QFETCH(unsigned, kept);
    QFETCH(unsigned, limit);
    QCOMPARE(CCurrentLimit::Tenths(mark, kept), limit);
}

void TstDeviceTypes::delayTable_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "1 ms";
    QTest::newRow("1") << 1 << "2 ms";
    QTest::newRow("8") << 8 << "16 ms";
    QTest::newRow("9") << 9 << "20 ms";
    QTest::newRow("11") << 11 << "60 ms";
    QTest::newRow("12") << 12 << "100 ms";
    QTest::newRow("13") << 13 << "200 ms";
    QTest::newRow("14") << 14 << "500 ms";
    QTest::newRow("15") << 15 << "1000 ms";
    QTest::newRow("past the table") << 16 << "";
    QTest::newRow("negative") << -1 << "";
}

void TstDeviceTypes::delayTable()
{
    QFETCH(int, position);
    QFETCH(QString, text);
    QCOMPARE(CDeviceTypeTables::DelayTableText(position), text);
}

QTEST_MAIN(TstDeviceTypes)
#include "tst_devicetypes.moc"
