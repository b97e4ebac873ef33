// The axis list alone, without a window: axes appear, change and go under their addresses,
// each step says so once, and the allowed current is read from the label as it is set.
#include "pages/caxislist.h"

#include <QSignalSpy>
#include <QTest>

class TstAxisList : public QObject {
    Q_OBJECT
private slots:
    void allowedCurrentFromLabel_data();
    void allowedCurrentFromLabel();
    void appearChangeGo();
};

void TstAxisList::allowedCurrentFromLabel_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<float>("current");
    const float none = CAxisList::kNoAllowedCurrent;
    QTest::newRow("no current") << "[03] Achse" << none;
    QTest::newRow("decimal comma") << "[03] Achse;2,5" << 250.0f;
    QTest::newRow("decimal point") << "[03] Achse;1.25" << 125.0f;
    QTest::newRow("the last ';' counts") << "[03] A;1;3" << 300.0f;
    QTest::newRow("no digits: nothing allowed") << "[03] Achse;" << 0.0f;
    QTest::newRow("negative: none") << "[03] Achse;-1" << none;
    QTest::newRow("beyond any stage: held") << "[03] Achse;1e30" << 10000000.0f;
}

void TstAxisList::allowedCurrentFromLabel()
{
    QFETCH(QString, label);
    QFETCH(float, current);
    QCOMPARE(CAxisList::AllowedCurrentIn(label), current);
    // Computed where the label is set, whether it comes with the axis or later.
    CAxisList axes;
    QVERIFY(axes.Add(5, DeviceType::Kev, label, CAxisList::ImageGrey));
    QCOMPARE(axes.AllowedCurrent(5), current);
    axes.SetLabel(5, QStringLiteral("[05]"));
    QCOMPARE(axes.AllowedCurrent(5), CAxisList::kNoAllowedCurrent);
    axes.SetLabel(5, label);
    QCOMPARE(axes.AllowedCurrent(5), current);
}

void TstAxisList::appearChangeGo()
{
    CAxisList axes;
    QSignalSpy added(&axes, &CAxisList::axisAdded);
    QSignalSpy changed(&axes, &CAxisList::axisChanged);
    QSignalSpy removed(&axes, &CAxisList::axisRemoved);
    const auto said = [&] {
        const QList<int> counts{int(added.size()), int(changed.size()), int(removed.size())};
        added.clear();
        changed.clear();
        removed.clear();
        return counts;
    };

    // Appear: only addresses and types the bus and the tree can hold.
    QVERIFY(!axes.Add(-1, DeviceType::Kev, "x", CAxisList::ImageGreen));
    QVERIFY(!axes.Add(32, DeviceType::Kev, "x", CAxisList::ImageGreen));
    QVERIFY(!CDeviceType::FromInt(9));
    QCOMPARE(said(), QList<int>({0, 0, 0}));
    QVERIFY(axes.Add(31, DeviceType::VnePlus, "[31] Tisch;3", CAxisList::ImageGreen));
    QCOMPARE(added.first().first().toInt(), 31);
    QCOMPARE(said(), QList<int>({1, 0, 0}));
    QCOMPARE(axes.Count(), 1);
    QCOMPARE(axes.Type(31), DeviceType::VnePlus);
    QCOMPARE(axes.Image(31), int(CAxisList::ImageGreen));
    QCOMPARE(axes.Label(31), QStringLiteral("[31] Tisch;3"));

    // Change: once per real change.
    axes.SetImage(31, CAxisList::ImageRed);
    axes.SetImage(31, CAxisList::ImageRed);
    axes.SetLabel(31, QStringLiteral("[31] Tisch;4"));
    QCOMPARE(said(), QList<int>({0, 2, 0}));
    QCOMPARE(axes.AllowedCurrent(31), 400.0f);
    // An address without an axis stays empty.
    axes.SetImage(2, CAxisList::ImageRed);
    axes.SetLabel(2, QStringLiteral("[02]"));
    QCOMPARE(said(), QList<int>({0, 0, 0}));
    QCOMPARE(axes.Image(2), -1);
    QVERIFY(!axes.Type(2));

    // Another axis at a taken address first lets the old one go.
    QVERIFY(axes.Add(31, DeviceType::Kev, "[31]", CAxisList::ImageGrey));
    QCOMPARE(said(), QList<int>({1, 0, 1}));
    QCOMPARE(axes.Type(31), DeviceType::Kev);

    // Go.
    QVERIFY(axes.Add(4, DeviceType::Lqn, "[04]", CAxisList::ImageGrey));
    axes.Remove(31);
    axes.Remove(31);
    QCOMPARE(said(), QList<int>({1, 0, 1}));
    QVERIFY(!axes.Find(31));
    axes.Clear();
    QCOMPARE(removed.first().first().toInt(), 4);
    QCOMPARE(said(), QList<int>({0, 0, 1}));
    QCOMPARE(axes.Count(), 0);
}

QTEST_GUILESS_MAIN(TstAxisList)
#include "tst_axislist.moc"
