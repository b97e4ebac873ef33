// The page's commands against the simulated bus: store, defaults, reset and naming with
// their reply time-outs, the list writes, the watchdog lamp and display radios, the name
// filter with its balloon tip, and the transmission of an offline page to its axis.
#include "controls/balloontip/cballoontip.h"
#include "tests/pages/pagerig.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRadioButton>

namespace {

const QString kTimeout = QStringLiteral("Schnittstelle TIMEOUT!");
const QString kDefaultsQuestion = QStringLiteral(
    "! Achtung ! Eingestellte Parameter werden mit\r\nEndstufeninternen Grundparametern "
    "überschrieben.\r\nFortfahren?");

// What a KEV page reads again after a reset, its module switched off.
QStringList KevReread()
{
    return kKevReads + QStringList{QStringLiteral("XP0")};
}

void Click(CTarnlinkView* view, int id)
{
    auto* button = Control<QAbstractButton>(view, id);
    QVERIFY(button && button->isVisible() && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TstPageCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void longWrites_data();
    void longWrites();
    void nameTitleAfterAnotherPage_data();
    void nameTitleAfterAnotherPage();
    void singleWrites_data();
    void singleWrites();
    void watchdogAndDisplayRadios();
    void nameFilter_data();
    void nameFilter();
    void transmitRefusedOffline_data();
    void transmitRefusedOffline();
    void transmit_data();
    void transmit();
};

void TstPageCommands::initTestCase()
{
    qputenv("TARNLINK_CAN", "nosuchplugin:can9");
}

void TstPageCommands::longWrites_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("name");       // typed into the name edit first
    QTest::addColumn<QByteArray>("delayed"); // the command the stage answers late
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("label"); // title and tree label afterwards
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("polling");

    const QString unchanged = QStringLiteral("[03] Axis");
    QTest::newRow("store answered late")
        << int(Ids::kStoreButton) << int(IdOk) << QString() << QByteArray("W") << 1500
        << QStringList{"W"} << QStringList{} << unchanged << false << false;
    QTest::newRow("store answered too late")
        << int(Ids::kStoreButton) << int(IdOk) << QString() << QByteArray("W") << 2300
        << QStringList{"W"} << QStringList{kTimeout} << unchanged << false << false;
    QTest::newRow("defaults") << int(Ids::kDefaultsButton) << int(IdOk) << QString()
                              << QByteArray("E") << 1500 << QStringList{"E", "C"} + KevReread()
                              << QStringList{kDefaultsQuestion} << QStringLiteral("[03] ") << true
                              << true;
    QTest::newRow("defaults cancelled")
        << int(Ids::kDefaultsButton) << int(IdCancel) << QString() << QByteArray("E") << 0
        << QStringList{} << QStringList{kDefaultsQuestion} << unchanged << false << false;
    QTest::newRow("reset") << int(Ids::kResetButton) << int(IdOk) << QString() << QByteArray("C")
                           << 2500 << QStringList{"C"} + KevReread() << QStringList{} << unchanged
                           << false << true;
    QTest::newRow("set name") << int(Ids::kSetNameButton) << int(IdOk)
                              << QStringLiteral("Zylinder Ö;2,5")
                              << QByteArray("PNZylinder \xD6;2,5") << 2500
                              << QStringList{"PNZylinder Ö;2,5"} << QStringList{}
                              << QStringLiteral("[03] Zylinder Ö;2,5") << false << false;
    QTest::newRow("set name not answered")
        << int(Ids::kSetNameButton) << int(IdOk) << QStringLiteral("Hub") << QByteArray("PNHub")
        << 3300 << QStringList{"PNHub"} << QStringList{kTimeout} << unchanged << false << false;
}

void TstPageCommands::longWrites()
{
    QFETCH(int, button);
    QFETCH(int, answer);
    QFETCH(QString, name);
    QFETCH(QByteArray, delayed);
    QFETCH(int, delayMs);
    QFETCH(QStringList, commands);
    QFETCH(QStringList, messages);
    QFETCH(QString, label);
    QFETCH(bool, modified);
    QFETCH(bool, polling);
    Rig rig;
    CTarnlinkView* view = rig.OpenOnline();
    QVERIFY(view);
    view->StatusTimer().stop();
    if (!name.isEmpty())
        Control<QLineEdit>(view, Ids::kNameEdit)->setText(name);
    rig.line.SetCommandDelay(delayed, delayMs);
    rig.bus.ClearLog();
    rig.t.answer = answer;

    Click(view, button);
    QCOMPARE(rig.Commands(), commands);
    for (const SimRequest& request : rig.bus.Requests())
        QCOMPARE(request.address, 3);
    QCOMPARE(rig.t.messages, messages);
    // Later commands wait the usual time again.
    QCOMPARE(rig.t.port().ReplyTimeout(), 1000u);
    QCOMPARE(view->GetDocument()->GetTitle(), label);
    QCOMPARE(rig.frame->AxisItem(3)->text(0), label);
    QCOMPARE(view->GetDocument()->IsModified(), modified);
    QCOMPARE(view->StatusTimer().isActive(), polling);
    if (label.endsWith(QStringLiteral(";2,5")))
        QCOMPARE(view->m_allowedMark, 250);
}

void TstPageCommands::nameTitleAfterAnotherPage_data()
{
    QTest::addColumn<bool>("online");
    QTest::addColumn<QString>("title");
    QTest::newRow("online page, a new axis opened after it") << true << "[03] Hub";
    QTest::newRow("new axis, an online page opened after it") << false << "[Offline] [04] Hub";
}

void TstPageCommands::nameTitleAfterAnotherPage()
{
    QFETCH(bool, online);
    QFETCH(QString, title);
    Rig rig;
    CTarnlinkView* view = online ? rig.OpenOnline() : rig.OpenNew(kKev, QStringLiteral("04"));
    QVERIFY(view);
    view->StatusTimer().stop();
    // The page opened last is of the other kind: the title still says what this page is.
    QVERIFY(online ? rig.OpenNew(kKev, QStringLiteral("04")) : rig.OpenOnline());
    Control<QLineEdit>(view, Ids::kNameEdit)->setText(QStringLiteral("Hub"));
    Click(view, Ids::kSetNameButton);
    QCOMPARE(view->GetDocument()->GetTitle(), title);
}

void TstPageCommands::singleWrites_data()
{
    QTest::addColumn<int>("control");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("modified");
    QTest::newRow("step resolution") << int(Ids::kStepCombo) << "M1" << true;
    QTest::newRow("direction") << int(Ids::kDirectionCombo) << "G1" << true;
    QTest::newRow("input logic") << int(Ids::kInputLogicCombo) << "L1" << true;
    QTest::newRow("activation") << int(Ids::kActivationCombo) << "U1" << true;
    QTest::newRow("module reset") << int(Ids::kQelResetButton) << "XC" << false;
}

void TstPageCommands::singleWrites()
{
    QFETCH(int, control);
    QFETCH(QString, command);
    QFETCH(bool, modified);
    Rig rig;
    rig.Set("XP", 1);
    CTarnlinkView* view = rig.OpenOnline();
    QVERIFY(view);
    view->StatusTimer().stop();
    rig.bus.ClearLog();
    if (auto* combo = Control<QComboBox>(view, control)) {
        // A selection the page makes is not written.
        combo->setCurrentIndex(0);
        QVERIFY(rig.Commands().isEmpty());
        QTest::keyClick(combo, Qt::Key_Down);
    } else {
        Click(view, control);
    }
    QCOMPARE(rig.Commands(), QStringList{command});
    QCOMPARE(view->GetDocument()->IsModified(), modified);
}

void TstPageCommands::watchdogAndDisplayRadios()
{
    Rig rig;
    CTarnlinkView* view = rig.OpenOnline();
    QVERIFY(view);
    view->StatusTimer().stop();
    rig.bus.WithAxis(3, [](SimAxis& a) { a.status = 0x80; });
    view->OnTimer();
    view->StatusTimer().stop();
    QCOMPARE(view->LampImage(Ids::kWatchdogLamp), CLedPictures::kYellowOff + 1);
    rig.bus.ClearLog();
    Click(view, Ids::kClearWatchdogButton);
    QCOMPARE(view->LampImage(Ids::kWatchdogLamp), CLedPictures::kYellowOff);
    Click(view, Ids::kClearWatchdogButton);
    QCOMPARE(view->LampImage(Ids::kWatchdogLamp), CLedPictures::kYellowOff);
    QVERIFY(rig.Commands().isEmpty());

    // The radios show the stored selection of each display; nothing is written.
    QComboBox* menu = Control<QComboBox>(view, Ids::kInputFunctionCombo);
    view->m_displayType1 = 1;
    view->m_displayType2 = 0;
    Control<QRadioButton>(view, Ids::kDisplay2Radio)->click();
    QCOMPARE(menu->currentIndex(), 0);
    Control<QRadioButton>(view, Ids::kDisplay1Radio)->click();
    QCOMPARE(menu->currentIndex(), 1);
    view->m_displayType2 = 5;
    Control<QRadioButton>(view, Ids::kDisplay2Radio)->click();
    QCOMPARE(menu->currentIndex(), -1);
    QVERIFY(rig.Commands().isEmpty());
}

void TstPageCommands::nameFilter_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("cleaned");

    QTest::newRow("typed at the end") << false << "ab|" << QString() << "ab";
    QTest::newRow("pasted inside") << false << ""
                                   << "a|b"
                                   << "ab";
    QTest::newRow("every character")
        << true << "x" << QStringLiteral("/\\:*?<>|\"[]y;1,5") << "xy;1,5";
    QTest::newRow("bracket typed") << false << "Hub]" << QString() << "Hub";
}

void TstPageCommands::nameFilter()
{
    QFETCH(bool, english);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, cleaned);
    Rig rig;
    if (english)
        rig.app().OnLanguageEnglish();
    CTarnlinkView* view = rig.OpenNew(kKev, QStringLiteral("04"));
    QVERIFY(view);
    auto* edit = Control<QLineEdit>(view, Ids::kNameEdit);
    auto* tip = view->findChild<CBalloonTip*>();
    QVERIFY(tip);
    edit->setFocus();
    QTest::keyClicks(edit, typed);
    if (!pasted.isEmpty()) {
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keySequence(edit, QKeySequence::Paste);
    }
    QCOMPARE(edit->text(), cleaned);
    QCOMPARE(edit->cursorPosition(), cleaned.size());
    const QString heading =
        english ? QStringLiteral("Don’t use the following characters for a power stage name:")
                : QStringLiteral("Ein Endstufenname darf keines der folgenden Zeichen enthalten:");
    const QString characters = QStringLiteral("/ \\ : * ? < > | \"");
    QCOMPARE(tip->Text(), heading + QLatin1Char('\n') + QString(16, QLatin1Char(' ')) + characters);
    QCOMPARE(tip->TipPoint(), edit->mapToGlobal(QPoint(edit->width() - 10, 10)));
    QTRY_VERIFY(tip->isVisible());

    // A character that is allowed takes the tip away.
    QTest::keyClick(edit, Qt::Key_C);
    QCOMPARE(edit->text(), cleaned + QLatin1Char('c'));
    QVERIFY(!tip->isVisible());
}

void TstPageCommands::transmitRefusedOffline_data()
{
    QTest::addColumn<bool>("transfer");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("by the user")
        << false
        << QStringList{"Zielachse [10] ist nicht online, Daten können nicht übertragen werden!"};
    QTest::newRow("during a project transfer") << true << QStringList{};
}

void TstPageCommands::transmitRefusedOffline()
{
    QFETCH(bool, transfer);
    QFETCH(QStringList, messages);
    Rig rig;
    CTarnlinkView* view = rig.OpenNew(kKev, QStringLiteral("0A"));
    QVERIFY(view);
    QCOMPARE(CMainFrame::ItemImage(rig.frame->AxisItem(view->AxisAddress())),
             int(CMainFrame::ImageGrey));
    rig.bus.ClearLog();
    rig.app().m_transferRunning = transfer;
    if (transfer)
        QVERIFY(!view->OnBnClickedTransmit());
    else
        Click(view, Ids::kTransmitButton);
    QCOMPARE(rig.t.messages, messages);
    QVERIFY(rig.Commands().isEmpty());
    // The page stays for the user to keep or save.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(rig.ActiveView(), view);
}

void TstPageCommands::transmit_data()
{
    QTest::addColumn<QByteArray>("missing"); // a parameter the stage does not know
    QTest::addColumn<int>("delay");          // what the page holds: -1 unknown
    QTest::addColumn<int>("run");            // beyond 63 clipped
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("all written") << QByteArray() << 40 << 2 << true
                                 << QStringList{"PNZylinder", "S1", "R2", "A4",  "M0", "G0", "T40",
                                                "U0",         "H0", "O0", "PB0", "L0", "XP0"}
                                 << QStringList{};
    QTest::newRow("a write fails")
        << QByteArray("M") << 40 << 2 << false << QStringList{"PNZylinder", "S1", "R2", "A4", "M0"}
        << QStringList{kTimeout};
    // What the page does not send as it holds it is said before the page closes.
    QTest::newRow("delay unknown") << QByteArray() << -1 << 2 << true
                                   << QStringList{"PNZylinder", "S1", "R2", "A4",  "M0", "G0",
                                                  "U0",         "H0", "O0", "PB0", "L0", "XP0"}
                                   << QStringList{"Achse 3: Daten übertragen, nicht gesendet: T"};
    QTest::newRow("delay unknown, run current clipped")
        << QByteArray() << -1 << 70 << true
        << QStringList{"PNZylinder", "S1", "R63", "A4",  "M0", "G0",
                       "U0",         "H0", "O0",  "PB0", "L0", "XP0"}
        << QStringList{"Achse 3: Daten übertragen, nicht gesendet: T; begrenzt gesendet: R"};
}

void TstPageCommands::transmit()
{
    QFETCH(QByteArray, missing);
    QFETCH(int, delay);
    QFETCH(int, run);
    QFETCH(bool, result);
    QFETCH(QStringList, commands);
    QFETCH(QStringList, messages);
    Rig rig;
    CTarnlinkView* online = rig.OpenOnline();
    QVERIFY(online);
    // A new axis with the online axis's address joins its tree item.
    CTarnlinkView* file = rig.OpenNew(kKev, QStringLiteral("03"));
    QVERIFY(file && file != online);
    QCOMPARE(file->AxisAddress(), 3);
    QCOMPARE(CMainFrame::ItemImage(rig.frame->AxisItem(3)), int(CMainFrame::ImageYellow));
    QTest::keyClicks(Control<QLineEdit>(file, Ids::kNameEdit), QStringLiteral("Zylinder"));
    file->SetDelay(delay);
    file->SetCurrent(1, run);
    rig.bus.WithAxis(3, [&](SimAxis& a) { a.params.remove(missing); });
    rig.line.SetCommandDelay("PNZylinder", 1500);
    rig.bus.ClearLog();

    QCOMPARE(file->OnBnClickedTransmit(), result);
    QCOMPARE(rig.Commands(), commands);
    QCOMPARE(rig.t.messages, messages);
    QCOMPARE(rig.t.port().ReplyTimeout(), 1000u);
    // The online page of the axis went first; the file page follows once the event is done.
    QCOMPARE(rig.frame->MdiArea()->subWindowList().size(), 1);
    QCOMPARE(rig.ActiveView(), file);
    // The label keeps its name until the stage's is read back.
    QCOMPARE(rig.frame->AxisItem(3)->text(0), QStringLiteral("[03] Axis"));

    rig.bus.ClearLog();
    rig.line.SetCommandDelay("PNZylinder", 0);
    // The typed name is a change the page's file does not hold yet: the close asks.
    const QString question =
        QStringLiteral("Änderungen in %1 speichern?").arg(file->GetDocument()->GetTitle());
    rig.t.answer = IdNo;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(rig.frame->MdiArea()->subWindowList().isEmpty());
    QVERIFY(rig.t.messages.endsWith(question));
    // Closing read the name back (written before the failed write) and completed the label.
    QCOMPARE(rig.Commands(), QStringList{"PN?"});
    QCOMPARE(rig.frame->AxisItem(3)->text(0), QStringLiteral("[03] Zylinder"));
    QCOMPARE(CMainFrame::ItemImage(rig.frame->AxisItem(3)), int(CMainFrame::ImageGreen));
}

QTEST_MAIN(TstPageCommands)
#include "tst_pagecommands.moc"
