// Finding the stages: the bus search, the status poll on timer 20, the reset, opening an
// axis by double-click, and the interface-parameters command, against the simulator.
#include "bus/creplytimeouts.h"
#include "controls/dockingbar/cmybar.h"
#include "pages/ctarnlinkdoc.h"
#include "pages/ctarnlinkview.h"
#include "platform/ccontrolids.h"
#include "platform/cdoctemplate.h"
#include "platform/cmodalrunner.h"
#include "platform/cpropertysheet.h"
#include "shell/ccansettings.h"
#include "shell/cdlginterface.h"
#include "shell/cmainframe.h"
#include "tests/support/simbusapp.h"

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstdint>

namespace {

// The program started on a simulated serial bus.
struct Rig : SimBusApp {
    explicit Rig(bool twoByte = false)
        : SimBusApp([twoByte](SimBusApp& rig) {
              rig.t.app().Settings().SetAxAddr(twoByte ? 1 : 0);
          })
    {
    }
    QTreeWidgetItem* Item(int address) { return frame->AxisItem(address); }
    QStringList Labels(DeviceType type)
    {
        QStringList labels;
        const QTreeWidgetItem* group = frame->GroupItem(type);
        for (int i = 0; i < group->childCount(); ++i)
            labels.append(group->child(i)->text(0));
        return labels;
    }
    void AddOffline(int address, DeviceType type, const QString& label)
    {
        t.app().Axes().Add(address, type, label, CMainFrame::ImageGrey);
    }
    void SetStatus(int address, int status)
    {
        bus.WithAxis(address, [status](SimAxis& a) { a.status = status; });
    }
    QStringList Commands()
    {
        QStringList out;
        for (const SimRequest& r : bus.Requests())
            out.append(QString::fromLatin1(r.addressText + ":" + r.command));
        return out;
    }
};

constexpr DeviceType kKev = DeviceType::Kev;
constexpr DeviceType kHwk = DeviceType::Hwk;

} // namespace

class TstBusSearch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void searchSixteenAddresses();
    void searchThirtyTwoAddresses();
    void offlineItemFoundAgain();
    void cancelSearch();
    void searchWithoutAxesLeavesTimerStopped();
    void searchOnClosedPort();
    void secondSearchWhileRunningReturns();
    void pollTurnsItemsRedAndBack();
    void pollReadsStatusAsEveryValue();
    void pollAndResetStopAtOfflineItem();
    void pollDropsAxisThatStopsAnswering();
    void pollFindsPortGone();
    void resetSendsCToEveryAxis();
    void doubleClickOpensAxis();
    void deletedItemIsReleasedByPages();
    void stuckAxisIsRepaired_data();
    void stuckAxisIsRepaired();
    void interfaceSheetOkSerial();
    void interfaceSheetCancelRestores();
    void interfaceSheetOkCan();
    void interfaceSheetShowsRunningSettings_data();
    void interfaceSheetShowsRunningSettings();
    void pagePollWaitsForInterfaceSheet();
};

void TstBusSearch::initTestCase()
{
    qputenv("TARNLINK_CAN", "nosuchplugin:can9");
}

void TstBusSearch::searchSixteenAddresses()
{
    Rig rig;
    rig.bus.AddAxis(3, "KEV", "KEV 1.62");
    rig.bus.AddAxis(5, "HWK", "HWK 2.10");
    rig.bus.WithAxis(3, [](SimAxis& a) { a.name = "Hub"; });
    rig.bus.WithAxis(5, [](SimAxis& a) { a.name = "Vorschub"; });
    // The name comes late: fine within 1000 ms, too late for the 50 ms of a probe.
    rig.line.SetCommandDelay("PN?", 300);
    // What the port waits for each reply, seen whenever the search lets events through:
    // before each probe.
    QSet<std::uint32_t> waits;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout,
                     [&] { waits.insert(rig.t.port().ReplyTimeout()); });
    watch.start(0);
    rig.frame->OnSearch();
    watch.stop();
    QCOMPARE(waits, QSet<std::uint32_t>{CReplyTimeouts::kSearchProbe});

    QStringList expected;
    for (int a = 0; a < 16; ++a) {
        expected.append(QString::number(a, 16).toUpper() + ":B?");
        if (a == 3 || a == 5)
            expected.append(QString::number(a) + ":PN?");
    }
    QCOMPARE(rig.Commands(), expected);
    // Probes of empty addresses follow each other after the 50 ms time-out. The simulator
    // notes a frame when it gets round to reading it, which a loaded machine delays now and
    // then, so the time-out shows in the mean gap, which a busy machine can only lengthen.
    const QList<SimRequest> log = rig.bus.Requests();
    qint64 gaps = 0;
    int count = 0;
    for (int i = 1; i < log.size(); ++i) {
        if (log.at(i - 1).command == "B?" && log.at(i).command == "B?" &&
            log.at(i - 1).address != 3 && log.at(i - 1).address != 5) {
            const auto gap = log.at(i).timeMs - log.at(i - 1).timeMs;
            gaps += gap;
            ++count;
        }
    }
    QVERIFY(count > 0);
    QVERIFY2(gaps / count >= 45, qPrintable(QString::number(gaps / count)));
    QCOMPARE(rig.Labels(kKev), QStringList{QStringLiteral("[03] Hub")});
    QCOMPARE(rig.Labels(kHwk), QStringList{QStringLiteral("[05] Vorschub")});
    QCOMPARE(CMainFrame::ItemImage(rig.Item(3)), int(CMainFrame::ImageGreen));
    QCOMPARE(CMainFrame::ItemImage(rig.Item(5)), int(CMainFrame::ImageGreen));
    QVERIFY(rig.frame->GroupItem(kKev)->isExpanded());
    QVERIFY(rig.frame->RootItem()->isExpanded());
    QVERIFY(rig.frame->StatusTimer().isActive());
    QCOMPARE(rig.frame->StatusTimer().interval(), 2000);
    QCOMPARE(rig.frame->PaneText(CMainFrame::PaneMessage), QStringLiteral("Bereit"));
    QCOMPARE(rig.t.port().ReplyTimeout(), 1000u);
    QVERIFY(!rig.frame->IsSearchRunning());
    QVERIFY(rig.t.messages.isEmpty());
}

void TstBusSearch::searchThirtyTwoAddresses()
{
    Rig rig(true);
    rig.line.SetSettings(SimLineSettings{.twoByteAddress = true});
    rig.bus.AddAxis(30, "HWK");
    rig.bus.AddAxis(17, "HWK");
    rig.bus.AddAxis(2, "DRQ2+");
    rig.frame->OnSearch();
    QCOMPARE(rig.bus.Requests().first().addressText, QByteArray("00"));
    QCOMPARE(rig.bus.Requests().last().addressText, QByteArray("1F"));
    // Sorted by label, which is address order.
    QCOMPARE(rig.Labels(kHwk),
             (QStringList{QStringLiteral("[17] Axis"), QStringLiteral("[30] Axis")}));
    QCOMPARE(rig.Labels(DeviceType::Drq2Plus), QStringList{QStringLiteral("[02] Axis")});
    QVERIFY(rig.Labels(DeviceType::DrqPlus).isEmpty()); // "DRQ2+" does not name DRQ+
}

void TstBusSearch::offlineItemFoundAgain()
{
    Rig rig;
    rig.bus.AddAxis(3, "KEV");
    rig.bus.AddAxis(4, "KEV");
    QVERIFY(rig.OpenNew(kKev, QStringLiteral("03")));
    rig.AddOffline(4, kHwk, QStringLiteral("[04] Andere"));
    rig.AddOffline(9, kKev, QStringLiteral("[09] Weg"));
    rig.frame->OnSearch();
    // Same type: the offline item of the open page turns yellow and keeps its label.
    QCOMPARE(rig.Item(3)->text(0), QStringLiteral("[03]"));
    QCOMPARE(CMainFrame::ItemImage(rig.Item(3)), int(CMainFrame::ImageYellow));
    // Other type: replaced by a new green item under the stage's own group.
    QCOMPARE(rig.Item(4)->parent(), rig.frame->GroupItem(kKev));
    QCOMPARE(rig.Item(4)->text(0), QStringLiteral("[04] Axis"));
    QCOMPARE(CMainFrame::ItemImage(rig.Item(4)), int(CMainFrame::ImageGreen));
    QVERIFY(rig.Labels(kHwk).isEmpty());
    // An offline axis that is not on the bus stays.
    QCOMPARE(CMainFrame::ItemImage(rig.Item(9)), int(CMainFrame::ImageGrey));

    // The next search turns the yellow item grey before probing, then yellow again.
    rig.bus.RemoveAxis(3);
    rig.frame->OnSearch();
    QCOMPARE(CMainFrame::ItemImage(rig.Item(3)), int(CMainFrame::ImageGrey));
}

void TstBusSearch::cancelSearch()
{
    Rig rig;
    rig.bus.AddAxis(1, "KEV");
    rig.bus.AddAxis(12, "KEV");
    bool buttonShown = false;
    // Cancelled as soon as the axis at 1 is listed, however long the search took for it.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!rig.Item(1))
            return;
        watch.stop();
        auto* cancel = CControlIds::Find<QPushButton>(rig.frame, CMainFrame::kCancelSearchId);
        buttonShown = cancel && cancel->text() == QStringLiteral("Abbruch") &&
                      CControlIds::Find<QProgressBar>(rig.frame, 1);
        if (cancel)
            cancel->click();
    });
    watch.start(0);
    rig.frame->OnSearch();
    QVERIFY(buttonShown);
    QVERIFY(rig.Item(1));
    QVERIFY(!rig.Item(12));
    QVERIFY(rig.bus.Requests().size() < 12);
    QCOMPARE(rig.frame->PaneText(CMainFrame::PaneMessage), QStringLiteral("Bereit"));
    QVERIFY(!CControlIds::Find<QPushButton>(rig.frame, CMainFrame::kCancelSearchId));
    QVERIFY(rig.frame->StatusTimer().isActive()); // an axis was added before the cancel
}

void TstBusSearch::searchWithoutAxesLeavesTimerStopped()
{
    Rig rig;
    rig.frame->StatusTimer().start();
    rig.frame->OnSearch();
    QVERIFY(!rig.frame->StatusTimer().isActive());
    QCOMPARE(rig.bus.Requests().size(), 16);
}

void TstBusSearch::searchOnClosedPort()
{
    Rig rig;
    rig.bus.AddAxis(3, "KEV");
    rig.t.port().OpenOrClose(QString(), QString(), false);
    rig.frame->OnSearch();
    QVERIFY(rig.bus.Requests().isEmpty());
    QCOMPARE(rig.t.port().ReplyTimeout(), 50u);
    QCOMPARE(rig.frame->PaneText(CMainFrame::PaneMessage), QStringLiteral("Bereit"));
    QVERIFY(!rig.frame->IsSearchRunning());
    QVERIFY(!rig.frame->StatusTimer().isActive());
}

void TstBusSearch::secondSearchWhileRunningReturns()
{
    Rig rig;
    int nested = 0;
    QTimer::singleShot(100, [&] {
        rig.frame->OnSearch(); // returns at once: a search is running
        ++nested;
    });
    rig.frame->OnSearch();
    QCOMPARE(nested, 1);
    QCOMPARE(rig.bus.Requests().size(), 16);
}

void TstBusSearch::pollTurnsItemsRedAndBack()
{
    Rig rig;
    rig.bus.AddAxis(1, "KEV");
    rig.bus.AddAxis(2, "KEV");
    rig.frame->OnSearch();
    QVERIFY(rig.OpenNew(kKev, QStringLiteral("02")));
    QCOMPARE(CMainFrame::ItemImage(rig.Item(2)), int(CMainFrame::ImageYellow));

    for (int bit : {1, 2, 4}) {
        rig.SetStatus(1, bit | 0x20);
        rig.frame->OnStatusPoll();
        QCOMPARE(CMainFrame::ItemImage(rig.Item(1)), int(CMainFrame::ImageRed));
        rig.SetStatus(1, 0x20); // bits 3.. do not count
        rig.frame->OnStatusPoll();
        QCOMPARE(CMainFrame::ItemImage(rig.Item(1)), int(CMainFrame::ImageGreen));
    }
    // A yellow item that turned red comes back yellow...
    rig.SetStatus(2, 1);
    rig.frame->OnStatusPoll();
    QCOMPARE(CMainFrame::ItemImage(rig.Item(2)), int(CMainFrame::ImageRed));
    rig.SetStatus(2, 0);
    rig.frame->OnStatusPoll();
    QCOMPARE(CMainFrame::ItemImage(rig.Item(2)), int(CMainFrame::ImageYellow));
    // ...unless another item turned red in between: one flag serves all.
    rig.SetStatus(2, 1);
    rig.frame->OnStatusPoll();
    rig.SetStatus(1, 2);
    rig.frame->OnStatusPoll();
    rig.SetStatus(1, 0);
    rig.SetStatus(2, 0);
    rig.frame->OnStatusPoll();
    QCOMPARE(CMainFrame::ItemImage(rig.Item(2)), int(CMainFrame::ImageGreen));
    QVERIFY(rig.t.messages.isEmpty());
}

void TstBusSearch::pollReadsStatusAsEveryValue()
{
    Rig rig;
    rig.bus.AddAxis(1, "KEV");
    rig.frame->OnSearch();
    // A status word followed by a character that is no digit is still that word.
    rig.line.SetGivenReply(1, QByteArray("\x02"
                                         "1f3x\x03"));
    rig.frame->OnStatusPoll();
    QCOMPARE(CMainFrame::ItemImage(rig.Item(1)), int(CMainFrame::ImageRed));
    rig.line.SetGivenReply(1, QByteArray("\x02"
                                         "1f0 \x03"));
    rig.frame->OnStatusPoll();
    QCOMPARE(CMainFrame::ItemImage(rig.Item(1)), int(CMainFrame::ImageGreen));
    QVERIFY(rig.t.messages.isEmpty());
}

void TstBusSearch::pollAndResetStopAtOfflineItem()
{
    Rig rig;
    for (int a : {0, 1, 3})
        rig.bus.AddAxis(a, "KEV");
    rig.frame->OnSearch();
    rig.AddOffline(2, kKev, QStringLiteral("[02] Datei"));

    rig.bus.ClearLog();
    rig.frame->OnStatusPoll();
    QCOMPARE(rig.Commands(), (QStringList{"0:F?", "1:F?"}));

    rig.bus.ClearLog();
    rig.frame->OnReset();
    QCOMPARE(rig.Commands(), (QStringList{"0:C", "1:C"}));
    QVERIFY(!rig.frame->StatusTimer().isActive());
}

void TstBusSearch::pollDropsAxisThatStopsAnswering()
{
    Rig rig;
    rig.bus.AddAxis(3, "KEV");
    rig.bus.AddAxis(6, "KEV");
    rig.frame->OnSearch();
    rig.bus.RemoveAxis(6);
    rig.bus.ClearLog();
    rig.frame->OnStatusPoll();
    QCOMPARE(rig.t.messages,
             QStringList{QStringLiteral(
                 "Schnittstelle TIMEOUT Achse [6]\r\nvorhandene Endstufen werden neu gesucht!")});
    QVERIFY(!rig.Item(6));
    QVERIFY(rig.Item(3));
    // A new search ran, and the poll runs again.
    QVERIFY(rig.Commands().contains(QStringLiteral("F:B?")));
    QVERIFY(rig.frame->StatusTimer().isActive());

    rig.t.app().SetUiLanguage(UiLanguage::English);
    rig.bus.RemoveAxis(3);
    rig.frame->OnStatusPoll();
    QCOMPARE(rig.t.messages.last(),
             QStringLiteral("Interface TIMEOUT Axis [3]\r\nPower stage is deleted from list!"));
}

void TstBusSearch::pollFindsPortGone()
{
    Rig rig;
    rig.bus.AddAxis(3, "KEV");
    rig.frame->OnSearch();
    const CBusPort& port = rig.t.port();
    QCOMPARE(rig.frame->PaneText(CMainFrame::PaneInterface),
             port.PortName() + " <Open> " + port.Settings());
    // The adapter goes away between two ticks: the interface pane says so.
    rig.line.Stop();
    rig.frame->OnStatusPoll();
    QVERIFY(!port.IsOpen());
    QCOMPARE(rig.frame->PaneText(CMainFrame::PaneInterface),
             port.PortName() + " <!CLOSED!> " + port.Settings());
    QCOMPARE(rig.t.messages.value(0), QStringLiteral("Schnittstelle kann nicht geöffnet werden!"));
}

void TstBusSearch::resetSendsCToEveryAxis()
{
    Rig rig;
    rig.bus.AddAxis(2, "KEV");
    rig.bus.AddAxis(9, "HWK");
    rig.frame->OnSearch();
    rig.bus.ClearLog();
    rig.frame->OnReset();
    QCOMPARE(rig.Commands(), (QStringList{"2:C", "9:C"}));
    QVERIFY(rig.frame->StatusTimer().isActive());

    // A stage that does not answer ends the command with the port's message; no poll.
    rig.line.SetSilent(true);
    rig.frame->OnReset();
    QCOMPARE(rig.t.messages, QStringList{QStringLiteral("Schnittstelle TIMEOUT!")});
    QVERIFY(!rig.frame->StatusTimer().isActive());
}

void TstBusSearch::doubleClickOpensAxis()
{
    Rig rig;
    rig.AddOffline(4, kHwk, QStringLiteral("[04]"));
    QTreeWidget* tree = rig.frame->TreeCtrl();
    tree->setCurrentItem(rig.Item(4));
    rig.t.port().SetLastingTimeout(50);
    rig.frame->OnTreeNotify();
    QMdiSubWindow* window = rig.frame->MdiArea()->activeSubWindow();
    QVERIFY(window);
    QVERIFY2(window->windowTitle().startsWith(QStringLiteral("[Offline] [04] ")),
             qPrintable(window->windowTitle()));
    const CTarnlinkView* view = CMainFrame::ParameterViewOf(window);
    QVERIFY(view);
    QCOMPARE(view->DeviceType(), kHwk);
    QCOMPARE(view->AddressText(), QStringLiteral("4"));

    // A group item is no axis: nothing opens.
    const int windows = rig.frame->MdiArea()->subWindowList().size();
    tree->setCurrentItem(rig.frame->GroupItem(kKev));
    rig.frame->OnTreeNotify();
    QCOMPARE(rig.frame->MdiArea()->subWindowList().size(), windows);
}

void TstBusSearch::deletedItemIsReleasedByPages()
{
    Rig rig;
    rig.bus.AddAxis(3, "KEV");
    rig.frame->OnSearch();
    // A new axis at 05 stays open (an offline page whose file fails to read would close
    // itself during the search).
    const QPointer<CTarnlinkView> view = rig.OpenNew(kKev, QStringLiteral("05"));
    QVERIFY(view);
    // The page shows the found axis at 3; a new search deletes its green item and puts a
    // new one in its place. The page stays and no longer points at the deleted item.
    QCOMPARE(CMainFrame::ItemImage(rig.Item(3)), int(CMainFrame::ImageGreen));
    view->SetAxisAddress(3);
    rig.frame->OnSearch();
    QVERIFY(rig.Item(3));
    QVERIFY(view);
    QCOMPARE(view->AxisAddress(), -1);
}

void TstBusSearch::stuckAxisIsRepaired_data()
{
    QTest::addColumn<int>("action"); // 0 search, 1 poll, 2 online page closed, 3 file opened
    QTest::addColumn<int>("image");
    QTest::addColumn<QString>("label");
    QTest::newRow("search") << 0 << int(CMainFrame::ImageGreen) << "[07] Hub";
    QTest::newRow("poll") << 1 << int(CMainFrame::ImageGreen) << "[07] ";
    QTest::newRow("online page closed") << 2 << int(CMainFrame::ImageGreen) << "[07] Hub";
    QTest::newRow("file opened") << 3 << int(CMainFrame::ImageYellow) << "[07] ";
}

void TstBusSearch::stuckAxisIsRepaired()
{
    QFETCH(int, action);
    QFETCH(int, image);
    QFETCH(QString, label);
    Rig rig;
    QTemporaryDir dir;
    rig.bus.AddAxis(7, "KEV");
    rig.bus.WithAxis(7, [](SimAxis& a) { a.name = "Hub"; });
    rig.frame->OnSearch();
    rig.frame->StatusTimer().stop();
    // An axis left yellow and nameless by a page that is gone, the flag of a red spell too.
    rig.t.app().Axes().SetImage(7, CMainFrame::ImageYellow);
    rig.t.app().Axes().SetLabel(7, QStringLiteral("[07] "));
    rig.t.app().m_rememberedYellow = true;

    if (action == 0) {
        rig.frame->OnSearch();
    } else if (action == 1) {
        rig.frame->OnStatusPoll();
    } else if (action == 2) {
        rig.frame->TreeCtrl()->setCurrentItem(rig.Item(7));
        rig.frame->OnTreeNotify();
        QPointer<QMdiSubWindow> page = rig.frame->MdiArea()->activeSubWindow();
        QVERIFY(CMainFrame::ParameterViewOf(page));
        delete page.data();
    } else {
        // The file opens and its page holds the axis.
        QVERIFY(rig.t.app().OpenDocumentFile(TestApp::WriteKevFile(dir, "a.sdf")));
        QCoreApplication::sendPostedEvents();
        QCOMPARE(rig.frame->MdiArea()->subWindowList().size(), 1);
        const CTarnlinkView* view =
            CMainFrame::ParameterViewOf(rig.frame->MdiArea()->activeSubWindow());
        QVERIFY(view && !view->IsClosing());
        QCOMPARE(view->AxisAddress(), 7);
    }
    QCOMPARE(CMainFrame::ItemImage(rig.Item(7)), image);
    QCOMPARE(rig.Item(7)->text(0), label);
    QVERIFY(rig.t.messages.isEmpty());
}

void TstBusSearch::interfaceSheetOkSerial()
{
    Rig rig;
    rig.bus.AddAxis(3, "KEV");
    SimBus otherBus;
    otherBus.AddAxis(7, "HWK");
    SimSerialLine other(otherBus, SimLineSettings{.baud = 19200});
    QVERIFY(other.Start());
    rig.t.app().ModalRunner().SetScript([&](QDialog& dialog) {
        auto& sheet = static_cast<CPropertySheet&>(dialog);
        sheet.Activate();
        // The page shows the port as it runs.
        auto* rate = CControlIds::Find<QComboBox>(&sheet, 1098);
        if (rate->currentText() != QStringLiteral("9600"))
            return int(QDialog::Rejected);
        CControlIds::Find<QComboBox>(&sheet, 1097)->setEditText(other.PortPath());
        rate->setCurrentIndex(2);
        sheet.accept();
        return sheet.result();
    });
    rig.frame->OnInterfaceParameters();
    QCOMPARE(rig.t.app().Settings().ActiveCom(), other.PortPath());
    QCOMPARE(rig.t.app().Settings().ComParameter(), QStringLiteral("19200, n, 8, 1"));
    QCOMPARE(rig.t.app().Settings().ComType(), 0);
    QCOMPARE(rig.frame->PaneText(CMainFrame::PaneInterface),
             other.PortPath() + QStringLiteral(" <Open> 19200, n, 8, 1"));
    // The search ran on the new port.
    QCOMPARE(rig.Labels(kHwk), QStringList{QStringLiteral("[07] Axis")});
    QVERIFY(rig.frame->StatusTimer().isActive());
}

void TstBusSearch::interfaceSheetCancelRestores()
{
    Rig rig;
    rig.bus.AddAxis(3, "KEV");
    rig.frame->OnSearch();
    rig.t.app().ModalRunner().SetScript([&](QDialog& dialog) {
        auto& sheet = static_cast<CPropertySheet&>(dialog);
        sheet.Activate();
        // Show the CAN page, search the baud rate briefly, then cancel the sheet.
        sheet.SetActivePage(1);
        sheet.SetActivePage(0);
        QTimer::singleShot(150, [&] { CControlIds::Find<QPushButton>(&sheet, 1118)->click(); });
        CControlIds::Find<QPushButton>(&sheet, 1116)->click();
        sheet.SetActivePage(1);
        sheet.reject();
        return sheet.result();
    });
    rig.frame->OnInterfaceParameters();
    CBusPort& port = rig.t.port();
    QCOMPARE(port.Interface(), BusInterface::Serial);
    QVERIFY(port.IsOpen());
    QCOMPARE(port.ReplyTimeout(), 1000u);
    QCOMPARE(port.Settings(), QStringLiteral("9600, n, 8, 1"));
    QVERIFY(rig.frame->StatusTimer().isActive());
    // Nothing was written.
    QCOMPARE(rig.t.app().Settings().ComType(), 0);
    // The line still works at its full settings.
    QString reply;
    QVERIFY(port.Transact(QStringLiteral("3"), "B?", &reply, true));
}

void TstBusSearch::interfaceSheetOkCan()
{
    Rig rig;
    rig.t.app().ModalRunner().SetScript([&](QDialog& dialog) {
        auto& sheet = static_cast<CPropertySheet&>(dialog);
        sheet.Activate();
        sheet.SetActivePage(1);
        CControlIds::Find<QComboBox>(&sheet, 1220)->setCurrentIndex(1);
        sheet.accept();
        return sheet.result();
    });
    rig.frame->OnInterfaceParameters();
    // No card here: the adapter's message, pane 4 disconnected, "CANBaud" not written.
    QCOMPARE(rig.t.messages,
             QStringList{QStringLiteral("CAN Contoller konnte nicht angesprochen werden!")});
    QCOMPARE(rig.frame->PaneText(CMainFrame::PaneInterface), QStringLiteral("CAN <Disconnected>"));
    QCOMPARE(rig.t.app().Settings().ComType(), 1);
    QCOMPARE(rig.t.app().Settings().AxAddr(), 1);
    QCOMPARE(rig.t.app().Settings().GetProfileInt(QStringLiteral("Settings"),
                                                  QStringLiteral("CANBaud"), -5),
             -5);
    QVERIFY(rig.t.port().TwoByteAddress());
    QCOMPARE(int(rig.t.app().m_addressCount), 32);
}

void TstBusSearch::interfaceSheetShowsRunningSettings_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("dataBits");
    QTest::addColumn<QString>("parity");
    QTest::addColumn<QString>("stopBits");
    QTest::addColumn<QString>("settings");
    QTest::newRow("even parity") << "19200"
                                 << "8"
                                 << "even"
                                 << "1"
                                 << "19200, e, 8, 1";
    QTest::newRow("odd parity, 7 bits, 2 stop bits") << "38400"
                                                     << "7"
                                                     << "odd"
                                                     << "2"
                                                     << "38400, o, 7, 2";
}

void TstBusSearch::interfaceSheetShowsRunningSettings()
{
    QFETCH(QString, rate);
    QFETCH(QString, dataBits);
    QFETCH(QString, parity);
    QFETCH(QString, stopBits);
    QFETCH(QString, settings);
    Rig rig;
    const QList<int> format = {1098, 1099, 1100, 1101};
    const QStringList chosen = {rate, dataBits, parity, stopBits};
    QStringList shown;
    rig.t.app().ModalRunner().SetScript([&](QDialog& dialog) {
        auto& sheet = static_cast<CPropertySheet&>(dialog);
        sheet.Activate();
        shown.clear();
        for (int id : format)
            shown.append(CControlIds::Find<QComboBox>(&sheet, id)->currentText());
        for (int i = 0; i < format.size(); ++i) {
            auto* combo = CControlIds::Find<QComboBox>(&sheet, format.at(i));
            combo->setCurrentIndex(combo->findText(chosen.at(i)));
        }
        sheet.accept();
        return sheet.result();
    });
    rig.frame->OnInterfaceParameters();
    QCOMPARE(rig.frame->PaneText(CMainFrame::PaneInterface),
             rig.line.PortPath() + QStringLiteral(" <Open> ") + settings);

    // Opened again, the sheet shows what the port runs with, and OK keeps it.
    rig.frame->OnInterfaceParameters();
    QCOMPARE(shown, chosen);
    QCOMPARE(rig.t.port().Settings(), settings);
    QCOMPARE(rig.t.app().Settings().ComParameter(), settings);
}

void TstBusSearch::pagePollWaitsForInterfaceSheet()
{
    Rig rig;
    rig.bus.AddAxis(3, "KEV");
    rig.frame->OnSearch();
    rig.frame->TreeCtrl()->setCurrentItem(rig.Item(3));
    rig.frame->OnTreeNotify();
    QPointer<CTarnlinkView> view =
        CMainFrame::ParameterViewOf(rig.frame->MdiArea()->activeSubWindow());
    QVERIFY(view);
    QVERIFY(view->StatusTimer().isActive());

    bool portClosed = false;
    rig.t.app().ModalRunner().SetScript([&](QDialog& dialog) {
        auto& sheet = static_cast<CPropertySheet&>(dialog);
        // The port probe closes the port; the page's poll ticks meanwhile.
        sheet.Activate();
        portClosed = !rig.t.port().IsOpen();
        QTest::qWait(3 * CTarnlinkView::kStatusPollMs);
        sheet.reject();
        return sheet.result();
    });
    rig.frame->OnInterfaceParameters();
    QVERIFY(portClosed);
    QVERIFY(rig.t.messages.isEmpty());

    // With the sheet gone the page polls again.
    QVERIFY(view);
    rig.bus.ClearLog();
    QTRY_VERIFY_WITH_TIMEOUT(rig.Commands().contains(QStringLiteral("3:F?")), 20000);
    QVERIFY(rig.t.messages.isEmpty());
}

QTEST_MAIN(TstBusSearch)
#include "tst_bussearch.moc"
