// The logic-level dialog: the radios that show the six input levels (four on an LQN), each
// click written to the stage at once, what it keeps when a write fails, and the page's
// button that opens it and takes the levels back.
#include "pages/cdlgsetlogic.h"
#include "tests/pages/pagerig.h"

#include <QPointer>
#include <QRadioButton>

namespace {

constexpr int kAddress = 5;
const QString kTimeout = QStringLiteral("Schnittstelle TIMEOUT!");

using Levels = std::array<qint8, 6>;

QList<int> CheckedRadios(const QDialog& dialog)
{
    QList<int> checked;
    for (int id = CDlgSetLogic::kFirstRadio; id < CDlgSetLogic::kFirstRadio + 12; ++id) {
        if (CControlIds::Find<QRadioButton>(&dialog, id)->isChecked())
            checked.append(id);
    }
    return checked;
}

QRadioButton* Radio(const QDialog& dialog, int id)
{
    return CControlIds::Find<QRadioButton>(&dialog, id);
}

} // namespace

Q_DECLARE_METATYPE(Levels)

class TstLogicDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void radiosShowLevels_data();
    void radiosShowLevels();
    void clickWrites_data();
    void clickWrites();
    void openedFromThePage();
    void lqnPassesTheLastTwoThrough();
};

void TstLogicDialog::initTestCase()
{
    qputenv("TARNLINK_CAN", "nosuchplugin:can9");
}

void TstLogicDialog::radiosShowLevels_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<Levels>("levels");
    QTest::addColumn<QList<int>>("checked");
    QTest::addColumn<bool>("lastRowsShown");
    QTest::newRow("HWK 0 1 0 0 1 1") << kHwk << Levels{0, 1, 0, 0, 1, 1}
                                     << QList<int>{1201, 1204, 1205, 1207, 1210, 1212} << true;
    QTest::newRow("LQN, four rows") << kLqn << Levels{1, 0, 1, 0, 0, 1}
                                    << QList<int>{1202, 1203, 1206, 1207, 1209, 1212} << false;
    // A level the page does not know shows neither side.
    QTest::newRow("unknown levels")
        << kHvr << Levels{-1, 1, -1, 0, 7, -1} << QList<int>{1204, 1207} << true;
}

void TstLogicDialog::radiosShowLevels()
{
    QFETCH(DeviceType, type);
    QFETCH(Levels, levels);
    QFETCH(QList<int>, checked);
    QFETCH(bool, lastRowsShown);
    Rig rig;
    CDlgSetLogic dialog(rig.t.port());
    dialog.m_deviceType = type;
    dialog.m_levels = levels;
    dialog.OnInitDialog();
    QCOMPARE(CheckedRadios(dialog), checked);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Einstellung Logikpegel"));
    for (int id : {1199, 1200, 1209, 1210, 1211, 1212})
        QCOMPARE(CControlIds::Find(&dialog, id)->isHidden(), !lastRowsShown);
    for (int id : {1195, 1198, 1201, 1208})
        QVERIFY(!CControlIds::Find(&dialog, id)->isHidden());
    QCOMPARE(CControlIds::Find<QLabel>(&dialog, 1196)->text(), QStringLiteral("Drehrichtung\t:"));
    QVERIFY(rig.Commands().isEmpty());
}

void TstLogicDialog::clickWrites_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<int>("radio");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<int>("level");   // of the clicked row afterwards
    QTest::addColumn<int>("checked"); // the row's selected radio afterwards

    // The rows start at the levels 0 1 0 0 1 1.
    QTest::newRow("clock negative") << "5" << false << 1202 << QStringList{"LT1"} << 1 << 1202;
    QTest::newRow("deselect positive") << "5" << false << 1211 << QStringList{"LX0"} << 0
                                       << 1211;
    QTest::newRow("the selected radio again") << "5" << false << 1204 << QStringList{"LD1"} << 1
                                              << 1204;
    QTest::newRow("boost negative") << "5" << false << 1206 << QStringList{"LB1"} << 1 << 1206;
    // The stage did not take it: the old level and its radio stay.
    QTest::newRow("write failed") << "5" << true << 1206 << QStringList{"LB1"} << 0 << 1205;
    // An offline page keeps the choice for its file.
    QTest::newRow("offline") << "Off" << false << 1208 << QStringList{} << 1 << 1208;
}

void TstLogicDialog::clickWrites()
{
    QFETCH(QString, address);
    QFETCH(bool, silent);
    QFETCH(int, radio);
    QFETCH(QStringList, sent);
    QFETCH(int, level);
    QFETCH(int, checked);
    Rig rig;
    rig.bus.AddAxis(kAddress, "HWK");
    CDlgSetLogic dialog(rig.t.port());
    dialog.m_deviceType = kHwk;
    dialog.m_address = address;
    dialog.m_levels = {0, 1, 0, 0, 1, 1};
    dialog.OnInitDialog();
    rig.line.SetSilent(silent);
    // A silent stage is waited for briefly; one that answers has the full time.
    if (silent)
        rig.t.port().SetLastingTimeout(200);
    rig.bus.ClearLog();

    Radio(dialog, radio)->click();
    QCOMPARE(rig.Commands(), sent);
    const int row = (radio - CDlgSetLogic::kFirstRadio) / 2;
    QCOMPARE(int(dialog.m_levels[static_cast<std::size_t>(row)]), level);
    QVERIFY(Radio(dialog, checked)->isChecked());
    QCOMPARE(rig.t.messages, silent ? QStringList{kTimeout} : QStringList{});
    if (!silent && address != QStringLiteral("Off")) {
        int held = -1;
        rig.bus.WithAxis(kAddress, [&](SimAxis& a) { held = a.params[sent.first().left(2).toLatin1()]; });
        QCOMPARE(held, level);
    }
}

void TstLogicDialog::openedFromThePage()
{
    Rig rig;
    CTarnlinkView* view = rig.OpenOnlineAxis(kAddress, kHwk, "HWK", "[05] Axis",
                                             {{"LT", 0}, {"LD", 0}, {"LR", 1}});
    QVERIFY(view);
    QVERIFY(!view->GetDocument()->IsModified());
    QList<int> shown;
    rig.app().ModalRunner().SetScript([&shown](QDialog& dialog) {
        shown = CheckedRadios(dialog);
        Radio(dialog, 1204)->click();
        Radio(dialog, 1209)->click();
        return int(QDialog::Accepted);
    });
    rig.bus.ClearLog();
    QTest::mouseClick(Control<QAbstractButton>(view, Ids::kLogicButton), Qt::LeftButton);
    QCOMPARE(shown, (QList<int>{1201, 1203, 1205, 1207, 1210, 1211}));
    QCOMPARE(rig.Commands(), (QStringList{"LD1", "LR0"}));
    QCOMPARE(view->m_logicLevels, (Levels{0, 1, 0, 0, 0, 0}));
    QVERIFY(view->GetDocument()->IsModified());
}

void TstLogicDialog::lqnPassesTheLastTwoThrough()
{
    Rig rig;
    QPointer<CTarnlinkView> view = rig.OpenNew(kLqn, QStringLiteral("05"));
    QVERIFY(view);
    // A file could have left the last two levels; an LQN never shows or writes them.
    view->m_logicLevels = {0, 0, 0, 0, 1, 0};
    bool hidden = false;
    rig.app().ModalRunner().SetScript([&hidden](QDialog& dialog) {
        hidden = CControlIds::Find(&dialog, 1210)->isHidden();
        Radio(dialog, 1202)->click();
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(Control<QAbstractButton>(view, Ids::kLogicButton), Qt::LeftButton);
    QVERIFY(hidden);
    // Whatever the dialog's result, the levels chosen in it stay.
    QCOMPARE(view->m_logicLevels, (Levels{1, 0, 0, 0, 1, 0}));
    QVERIFY(rig.Commands().isEmpty());
}

QTEST_MAIN(TstLogicDialog)
#include "tst_logicdialog.moc"
