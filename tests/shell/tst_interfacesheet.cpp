// The interface-parameter sheet: the serial page with its port probe and baud-rate search,
// and the CAN page, against the stage simulator on a pseudo-terminal.
#include "platform/ccontrolids.h"
#include "platform/cpropertysheet.h"
#include "shell/ccansettings.h"
#include "shell/cdlginterface.h"
#include "tests/sim/simbus.h"
#include "tests/sim/simserialline.h"
#include "tests/support/testapp.h"
#include "tests/support/unansweredcommand.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

struct Sheet {
    CPropertySheet sheet{QString()};
    CDlgInterface* serial;
    CCanSettings* can;

    explicit Sheet(CTarnlinkApp& app)
        : serial(new CDlgInterface(app)), can(new CCanSettings(app))
    {
        sheet.AddPage(serial, QStringLiteral("RS232 / RS485"));
        sheet.AddPage(can, QStringLiteral("CAN"));
    }
    template <typename T = QComboBox>
    T* Control(int id) { return CControlIds::Find<T>(&sheet, id); }
};

} // namespace

class TstInterfaceSheet : public QObject {
    Q_OBJECT
private slots:
    void texts_data();
    void texts();
    void probeListsPortsAndKeepsSelection();
    void okBuildsSettings();
    void searchFindsRateAndWidth();
    void searchCancelled();
    void searchWithoutStage();
    void canPage();
};

void TstInterfaceSheet::texts_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("searchButton");
    QTest::addColumn<QString>("rateGroup");
    QTest::addColumn<QString>("parityLabel");
    QTest::newRow("German") << int(UiLanguage::German) << "Schnittstellenparameter" << "Suchen"
                            << "Baudrate && Adr. Byte(s)" << "Parität:";
    QTest::newRow("English") << int(UiLanguage::English) << "Interface parameters" << "Search"
                             << "Baud rate" << "Parity:";
}

void TstInterfaceSheet::texts()
{
    QFETCH(int, language);
    QFETCH(QString, caption);
    QFETCH(QString, searchButton);
    QFETCH(QString, rateGroup);
    QFETCH(QString, parityLabel);
    TestApp t;
    t.app().SetUiLanguage(UiLanguage(language));
    Sheet s(t.app());
    s.sheet.Activate();
    QCOMPARE(s.sheet.windowTitle(), caption);
    QCOMPARE(s.Control<QPushButton>(1116)->text(), searchButton);
    QCOMPARE(s.Control<QGroupBox>(1120)->title(), rateGroup);
    QCOMPARE(s.Control<QLabel>(1124)->text(), parityLabel);
    // The progress bar and its cancel button belong to a running search only.
    QVERIFY(s.Control<QProgressBar>(1115)->isHidden());
    QVERIFY(s.Control<QPushButton>(1118)->isHidden());
}

void TstInterfaceSheet::probeListsPortsAndKeepsSelection()
{
    TestApp t;
    SimBus bus;
    SimSerialLine line(bus);
    QVERIFY(line.Start());
    CBusPort& port = t.port();
    port.SetTwoByteAddress(true);
    port.SetChecksum(true);
    QVERIFY(port.OpenOrClose(line.PortPath(), QStringLiteral("19200, n, 8, 1"), true));

    Sheet s(t.app());
    s.serial->m_settings = QStringLiteral("19200");
    s.serial->m_parity = 2;
    s.serial->m_stopBits = 2;
    s.sheet.Activate();
    // The probe leaves the port closed, lists the configured port and selects it.
    QVERIFY(!port.IsOpen());
    QCOMPARE(s.Control(1097)->currentText(), line.PortPath());
    QCOMPARE(s.Control(1098)->currentText(), QStringLiteral("19200"));
    QCOMPARE(s.Control(1099)->currentText(), QStringLiteral("8"));
    QCOMPARE(s.Control(1100)->currentText(), QStringLiteral("even"));
    QCOMPARE(s.Control(1101)->currentText(), QStringLiteral("2"));
    QCOMPARE(s.Control(1144)->currentText(), QStringLiteral("2 Byte"));
    QCOMPARE(s.Control(1102)->currentText(), QStringLiteral("mit CS"));
    QCOMPARE(port.Interface(), BusInterface::Serial);
    QVERIFY(t.messages.isEmpty());
}

void TstInterfaceSheet::okBuildsSettings()
{
    TestApp t;
    Sheet s(t.app());
    s.sheet.Activate();
    s.Control(1097)->setEditText(QStringLiteral("/dev/ttyUSB3"));
    s.Control(1098)->setCurrentIndex(2);
    s.Control(1100)->setCurrentIndex(2);
    s.Control(1099)->setCurrentIndex(1);
    s.Control(1101)->setCurrentIndex(0);
    s.Control(1144)->setCurrentIndex(1);
    s.Control(1102)->setCurrentIndex(1);
    s.sheet.accept();
    QCOMPARE(s.serial->m_portName, QStringLiteral("/dev/ttyUSB3"));
    QCOMPARE(s.serial->m_settings, QStringLiteral("19200, e, 8, 1"));
    QVERIFY(t.port().TwoByteAddress());
    QCOMPARE(int(t.app().m_addressCount), 32);
    QCOMPARE(t.port().Checksum(), true);
    QCOMPARE(t.app().Settings().Checksum(), 1);
    QVERIFY(s.serial->m_cancel);
}

void TstInterfaceSheet::searchFindsRateAndWidth()
{
    TestApp t;
    SimBus bus;
    bus.AddAxis(3, "HWK", "HWK 2.10");
    SimSerialLine line(bus, SimLineSettings{.baud = 38400, .twoByteAddress = true});
    QVERIFY(line.Start());
    CBusPort& port = t.port();
    QVERIFY(port.OpenOrClose(line.PortPath(), QStringLiteral("9600, n, 8, 1"), true));
    Sheet s(t.app());
    s.sheet.Activate();
    QCOMPARE(s.Control(1097)->currentText(), line.PortPath());

    s.Control<QPushButton>(1116)->click();

    // Every probe of addresses 0..2 and the one-byte probes of 3 come first; only those at
    // 38400 reach the stages, the last of them is the two-byte "B?" to 03 that answers.
    const QList<SimRequest> heard = bus.Requests();
    QCOMPARE(heard.size(), 8);
    QCOMPARE(heard.last().addressText, QByteArray("03"));
    QCOMPARE(heard.last().command, QByteArray("B?"));
    QCOMPARE(heard.at(6).frame, QByteArray("\x02" "3B?\x03"));
    QCOMPARE(s.Control(1098)->currentText(), QStringLiteral("38400"));
    QCOMPARE(s.Control(1144)->currentText(), QStringLiteral("2 Byte"));
    QCOMPARE(int(t.app().m_addressCount), 32);
    QCOMPARE(s.Control<QGroupBox>(1117)->title(),
             QStringLiteral("Baudrate suchen - Status: ERFOLG!"));
    QCOMPARE(t.messages, QStringList{QStringLiteral("Steuerung HWK 2.10 an ") + line.PortPath() +
                                     QStringLiteral(" mit 38400 BAUD gefunden!")});
    // The port stays open at the rate found, with the search's short time-out.
    QVERIFY(port.IsOpen());
    QCOMPARE(port.GetCommState()->rate.value_or(0), 38400);
    QCOMPARE(port.ReplyTimeout(), 50u);
    QVERIFY(s.Control<QProgressBar>(1115)->isHidden());
}

void TstInterfaceSheet::searchCancelled()
{
    TestApp t;
    SimBus bus;
    SimSerialLine line(bus);
    QVERIFY(line.Start());
    CBusPort& port = t.port();
    QVERIFY(port.OpenOrClose(line.PortPath(), QStringLiteral("9600, n, 8, 1"), true));
    Sheet s(t.app());
    s.sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.sheet));
    const QSize before = s.sheet.size();
    s.Control(1098)->setCurrentIndex(1);
    s.Control(1144)->setCurrentIndex(1);

    bool sawProgress = false;
    QSize during;
    QTimer::singleShot(400, [&] {
        sawProgress = !s.Control<QProgressBar>(1115)->isHidden();
        during = s.sheet.size();
        s.Control<QPushButton>(1118)->click();
    });
    s.Control<QPushButton>(1116)->click();

    QVERIFY(sawProgress);
    // The sheet grew in height for the search and has its size back.
    QCOMPARE(during.width(), before.width());
    QVERIFY(during.height() > before.height());
    QTRY_COMPARE(s.sheet.size(), before);
    QCOMPARE(s.Control<QGroupBox>(1117)->title(),
             QStringLiteral("Baudrate suchen - Status: Abgebrochen"));
    QVERIFY(t.messages.isEmpty());
    QCOMPARE(s.Control(1098)->currentText(), QStringLiteral("14400"));
    QCOMPARE(s.Control(1144)->currentText(), QStringLiteral("1 Byte"));
    QVERIFY(!port.TwoByteAddress());
    QCOMPARE(int(t.app().m_addressCount), 16);
    // The last rate probed stays open.
    QVERIFY(port.IsOpen());
    QVERIFY(CDlgInterface::Rates().contains(QString::number(port.GetCommState()->rate.value_or(0))));
    QVERIFY(s.Control<QProgressBar>(1115)->isHidden());
}

void TstInterfaceSheet::searchWithoutStage()
{
    TestApp t;
    t.app().SetUiLanguage(UiLanguage::English);
    SimBus bus;
    SimSerialLine line(bus);
    QVERIFY(line.Start());
    Sheet s(t.app());
    s.sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.sheet));
    const QSize before = s.sheet.size();
    s.Control(1097)->setEditText(line.PortPath());
    s.Control(1144)->setCurrentIndex(1);
    // Nothing answers on this line: each of the 448 probes may give up early.
    s.serial->m_searchTimeoutMs = 5;
    s.Control<QPushButton>(1116)->click();
    // The longer status text fits the sheet as it was.
    QTRY_COMPARE(s.sheet.size(), before);
    QCOMPARE(t.messages, QStringList{QStringLiteral("No controller connected to ") +
                                     line.PortPath() + QStringLiteral(" ")});
    QCOMPARE(s.Control<QGroupBox>(1117)->title(),
             QStringLiteral("Search Baud rate - Status: No controller connected!"));
    QCOMPARE(s.Control(1144)->currentText(), QStringLiteral("1 Byte"));
    QCOMPARE(int(t.app().m_addressCount), 16);
    // 32 addresses, both widths, seven rates each. Which rate the line had when a frame was
    // read depends on how soon the simulator read it, so the frames are counted at any rate;
    // the last one may still be on the line. A frame read late may meet the line's own rate,
    // so the ones taken as requests are bounded loosely: a search that never changed the rate
    // would have all 448 taken.
    QTRY_COMPARE(bus.Requests().size() + line.RejectedFrames(), 32 * 2 * 7);
    QVERIFY(bus.Requests().size() <= 32 * 2 * 2);
}

void TstInterfaceSheet::canPage()
{
    TestApp t;
    CBusPort& port = t.port();
    port.SetInterface(BusInterface::Can);
    t.app().Settings().SetCanBaud(2);
    Sheet s(t.app());
    s.sheet.SetActivePage(1);
    s.sheet.Activate();
    // Only the CAN page was shown: the type stays CAN and the serial page is not set up.
    QCOMPARE(port.Interface(), BusInterface::Can);
    QVERIFY(!s.serial->IsInitialized());
    QCOMPARE(s.Control(1220)->currentText(), QStringLiteral("250 kbaud"));
    LeaveUnanswered(port);

    // Showing the serial page probes the ports and makes the interface serial.
    s.sheet.SetActivePage(0);
    QVERIFY(s.serial->IsInitialized());
    QCOMPARE(port.Interface(), BusInterface::Serial);
    s.sheet.SetActivePage(1);
    QCOMPARE(port.Interface(), BusInterface::Can);
    QVERIFY(!port.NoAnswer());

    s.Control(1220)->setCurrentIndex(0);
    s.sheet.accept();
    QCOMPARE(s.can->m_selectedIndex, 0);

    // A stored index without a rate name selects the first rate.
    t.app().Settings().SetCanBaud(9);
    Sheet other(t.app());
    other.sheet.SetActivePage(1);
    other.sheet.Activate();
    QCOMPARE(other.Control(1220)->currentIndex(), 0);
}

QTEST_MAIN(TstInterfaceSheet)
#include "tst_interfacesheet.moc"
