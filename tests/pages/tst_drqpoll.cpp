// The DRQ+ on its page: the current delay shown from its table whatever position the stage or
// a file gives, and the status tick that follows the stage's switches, for one page and for
// two pages at once.
#include "tests/pages/pagerig.h"

#include <QPointer>

namespace {

// How often the page read the whole stage (each read opens with the name) at `address`.
int ReadsOf(const SimBus& bus, int address)
{
    int reads = 0;
    for (const SimRequest& request : bus.Requests())
        reads += request.address == address && request.command == "PN?";
    return reads;
}

// One tick of the page's status timer, the stage reporting operation state `state`.
int Tick(Rig& rig, CTarnlinkView* view, int address, int state)
{
    rig.SetOn(address, "PS", state);
    rig.bus.ClearLog();
    view->OnTimer();
    view->StatusTimer().stop();
    return ReadsOf(rig.bus, address);
}

} // namespace

class TstDrqPoll : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void delayTexts_data();
    void delayTexts();
    void delayFromFile_data();
    void delayFromFile();
    void pollFollowsSwitches();
    void twoPagesPollApart();
};

void TstDrqPoll::initTestCase()
{
    qputenv("TARNLINK_CAN", "nosuchplugin:can9");
}

void TstDrqPoll::delayTexts_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "1 ms";
    QTest::newRow("8") << 8 << "16 ms";
    QTest::newRow("9") << 9 << "20 ms";
    QTest::newRow("13") << 13 << "200 ms";
    QTest::newRow("15") << 15 << "1000 ms";
    QTest::newRow("beyond the table") << 16 << "";
    QTest::newRow("far beyond") << 30000 << "";
    QTest::newRow("negative") << -1 << "";
}

void TstDrqPoll::delayTexts()
{
    QFETCH(int, position);
    QFETCH(QString, text);
    Rig rig;
    CTarnlinkView* view = rig.OpenOnlineAxis(5, kDrqPlus, "DRQ+", "[05] Axis", {{"T", position}});
    QVERIFY(view);
    QLineEdit* delay = Control<QLineEdit>(view, Ids::kDelayText);
    QCOMPARE(delay->text(), text);

    // A scroll that comes from another control, or from none, changes nothing.
    view->OnVScroll(CTarnlinkView::kThumbPosition, 3, Control(view, Ids::kSliders[0]));
    view->OnVScroll(CTarnlinkView::kThumbPosition, 3, nullptr);
    QCOMPARE(delay->text(), text);
    // The spin's own steps stay in the table.
    QSpinBox* spin = Control<QSpinBox>(view, Ids::kDelaySpin);
    spin->setValue(14);
    QCOMPARE(delay->text(), QStringLiteral("500 ms"));
}

void TstDrqPoll::delayFromFile_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("in the table") << "[t12]" << "100 ms";
    QTest::newRow("beyond it") << "[t99]" << "";
    QTest::newRow("negative") << "[t-3]" << "";
}

void TstDrqPoll::delayFromFile()
{
    QFETCH(QString, line);
    QFETCH(QString, text);
    Rig rig;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("drq.sdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Address\t\t\t\t[09]\r\nController version and type:\t[bDRQ+ 1.62]\r\n"
               "Axis name:\t\t\t[pnAchse]\r\n\r\nCurrent delay time:\t\t" +
               line.toLatin1() + "\r\n");
    file.close();
    QVERIFY(rig.app().OpenDocumentFile(path));
    CTarnlinkView* view = rig.ActiveView();
    QVERIFY(view);
    QCOMPARE(view->DeviceType(), kDrqPlus);
    QCOMPARE(Control<QLineEdit>(view, Ids::kDelayText)->text(), text);
    QVERIFY(rig.t.messages.isEmpty());
}

void TstDrqPoll::pollFollowsSwitches()
{
    Rig rig;
    CTarnlinkView* view = rig.OpenOnlineAxis(5, kDrqPlus, "DRQ+", "[05] Axis");
    QVERIFY(view);
    QLineEdit* mode = Control<QLineEdit>(view, Ids::kModeEdit);
    QWidget* slider = Control(view, Ids::kSliders[1]);

    // Switches apply: read on every tick, the page locked.
    QCOMPARE(Tick(rig, view, 5, 0), 1);
    QVERIFY(!slider->isEnabled());
    QCOMPARE(mode->text(), QStringLiteral("Bus & Schalter"));
    QCOMPARE(Tick(rig, view, 5, 0), 1);
    // They no longer apply: read twice, half a second apart, then polling alone.
    rig.app().Sleeper().SetInstant(false);
    QCOMPARE(Tick(rig, view, 5, 1), 2);
    rig.app().Sleeper().SetInstant(true);
    QVERIFY(slider->isEnabled());
    QCOMPARE(mode->text(), QStringLiteral("Bus exklusiv"));
    const QList<SimRequest> requests = rig.bus.Requests();
    qint64 firstEnd = -1;
    qint64 secondStart = -1;
    for (const SimRequest& request : requests) {
        if (request.command == "B?" && firstEnd < 0)
            firstEnd = request.timeMs;
        else if (request.command == "PN?" && firstEnd >= 0)
            secondStart = request.timeMs;
    }
    QVERIFY(firstEnd >= 0 && secondStart >= 0);
    QVERIFY2(secondStart - firstEnd >= 500,
             qPrintable(QString::number(secondStart - firstEnd)));
    QCOMPARE(Tick(rig, view, 5, 1), 0);
    // Each tick asks the status word and the operation state first.
    QCOMPARE(rig.Commands(), (QStringList{"F?", "PS?"}));
    QVERIFY(rig.t.messages.isEmpty());
}

void TstDrqPoll::twoPagesPollApart()
{
    Rig rig;
    QPointer<CTarnlinkView> first = rig.OpenOnlineAxis(5, kDrqPlus, "DRQ+", "[05] Erste");
    QPointer<CTarnlinkView> second = rig.OpenOnlineAxis(9, kDrqPlus, "DRQ+", "[09] Zweite");
    QVERIFY(first && second && first != second);
    first->StatusTimer().stop();

    // The first stage's switches apply; the second's do not, and never did.
    QCOMPARE(Tick(rig, first, 5, 0), 1);
    QCOMPARE(Tick(rig, second, 9, 1), 0);
    QVERIFY(!Control(first, Ids::kStepCombo)->isEnabled());
    QVERIFY(Control(second, Ids::kStepCombo)->isEnabled());
    // The first page still knows its stage was locked.
    QCOMPARE(Tick(rig, first, 5, 1), 2);
    QCOMPARE(Tick(rig, second, 9, 0), 1);
    QCOMPARE(Tick(rig, first, 5, 1), 0);
    QCOMPARE(Tick(rig, second, 9, 1), 2);
}

QTEST_MAIN(TstDrqPoll)
#include "tst_drqpoll.moc"
