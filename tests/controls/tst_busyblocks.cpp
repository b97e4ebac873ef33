// The busy blocks bar as the user sees it: the level of progress mode, the animation of busy
// mode and the colours, all read from the pixels of the drawn bar.
#include "controls/busyblocks/cbusyblocksctrl.h"

#include <QImage>
#include <QTest>

namespace {

// 10 blocks of 20 pixels with a gap of 1: block i starts at 21 i, its inside is 18 wide.
constexpr int kWidth = 210;
constexpr int kHeight = 20;

struct Bar {
    CBusyBlocksCtrl ctrl;
    explicit Bar(int blocks) : ctrl(blocks, 0)
    {
        ctrl.resize(blocks * 21, kHeight);
        ctrl.RecalcLayout();
    }
    QImage Pixels() { return ctrl.grab().toImage(); }

    // Per block: how many pixels of its middle row show the highlight fill colour.
    QList<int> Lit()
    {
        const QImage image = Pixels();
        QList<int> lit;
        for (int i = 0; i < ctrl.BlockCount(); ++i) {
            const QRect block = ctrl.BlockRect(i);
            int count = 0;
            for (int x = block.left(); x <= block.right(); ++x)
                count += image.pixelColor(x, kHeight / 2) == ctrl.HighlightFillColour();
            lit.append(count);
        }
        return lit;
    }
    // The blocks drawn as highlighted, by index.
    QList<int> Highlighted()
    {
        QList<int> blocks;
        const QList<int> lit = Lit();
        for (int i = 0; i < lit.size(); ++i) {
            if (lit[i] > 0)
                blocks.append(i);
        }
        return blocks;
    }
};

QList<int> Levels(std::initializer_list<int> values)
{
    return QList<int>(values);
}

} // namespace

class TstBusyBlocks : public QObject {
    Q_OBJECT
private slots:
    void progressLevel_data();
    void progressLevel();
    void nothingToDivideDrawsBackground_data();
    void nothingToDivideDrawsBackground();
    void animation_data();
    void animation();
    void unknownModeRefused();
    void runsOnTimer();
    void background();
};

void TstBusyBlocks::progressLevel_data()
{
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("position");
    QTest::addColumn<QList<int>>("lit"); // highlight-fill pixels on each block's middle row

    QTest::newRow("250 of 0..1000: two and a half")
        << 0 << 1000 << 250 << Levels({18, 18, 10, 0, 0, 0, 0, 0, 0, 0});
    QTest::newRow("position 0: none") << 0 << 1000 << 0 << Levels({0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    QTest::newRow("upper end: all")
        << 0 << 1000 << 1000 << Levels({18, 18, 18, 18, 18, 18, 18, 18, 18, 18});
    QTest::newRow("lower end is subtracted")
        << 500 << 1500 << 750 << Levels({18, 18, 10, 0, 0, 0, 0, 0, 0, 0});
    QTest::newRow("below the range: none")
        << 0 << 1000 << -50 << Levels({0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    QTest::newRow("beyond the range: all")
        << 0 << 5000 << 5200 << Levels({18, 18, 18, 18, 18, 18, 18, 18, 18, 18});
}

void TstBusyBlocks::progressLevel()
{
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(int, position);
    QFETCH(QList<int>, lit);
    Bar bar(10);
    bar.ctrl.SetMode(CBusyBlocksCtrl::kProgress);
    bar.ctrl.SetRange(lower, upper);
    bar.ctrl.SetPosition(position);
    QCOMPARE(bar.ctrl.BlockWidth(), 20.0);
    QCOMPARE(bar.Lit(), lit);
    // A normal block keeps its own fill and outline.
    const QImage image = bar.Pixels();
    const QRect last = bar.ctrl.BlockRect(9);
    const bool lastLit = lit.last() == 18;
    QCOMPARE(image.pixelColor(last.center()),
             lastLit ? CBusyBlocksCtrl::kDefaultHighlightFill : CBusyBlocksCtrl::kDefaultBlockFill);
    QCOMPARE(image.pixelColor(last.left(), 0), CBusyBlocksCtrl::kDefaultBorder);
    QCOMPARE(image.pixelColor(last.right() + 1, 5), bar.ctrl.BackgroundColour());
}

void TstBusyBlocks::nothingToDivideDrawsBackground_data()
{
    QTest::addColumn<int>("blocks");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("subSteps");

    QTest::newRow("no blocks, progress") << 0 << int(CBusyBlocksCtrl::kProgress) << 0 << 100 << 5;
    QTest::newRow("no blocks, growing bar") << 0 << int(CBusyBlocksCtrl::kBusy) << 0 << 100 << 5;
    QTest::newRow("empty range") << 10 << int(CBusyBlocksCtrl::kProgress) << 50 << 50 << 5;
    QTest::newRow("no sub-steps") << 10 << int(CBusyBlocksCtrl::kBusy) << 0 << 100 << 0;
}

void TstBusyBlocks::nothingToDivideDrawsBackground()
{
    QFETCH(int, blocks);
    QFETCH(int, mode);
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(int, subSteps);
    CBusyBlocksCtrl ctrl(blocks, 30);
    ctrl.resize(kWidth, kHeight);
    ctrl.SetMode(mode);
    ctrl.SetRange(lower, upper);
    ctrl.SetGroupMode(CBusyBlocksCtrl::kGrowingBar);
    ctrl.SetSubStepsPerBlock(subSteps);
    ctrl.SetPosition(30);
    ctrl.RecalcLayout();
    ctrl.Step();
    const QImage image = ctrl.grab().toImage();
    for (int x = 0; x < kWidth; x += 7)
        QCOMPARE(image.pixelColor(x, kHeight / 2), ctrl.BackgroundColour());
}

void TstBusyBlocks::animation_data()
{
    QTest::addColumn<int>("blocks");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("start");              // -1: the reset's start
    QTest::addColumn<int>("lowerCount");         // 0: keep the count
    QTest::addColumn<QList<int>>("highlighted"); // the block lit after each step

    QTest::newRow("bounce over 8") << 8 << int(CBusyBlocksCtrl::kBounce) << -1 << 0
                                   << Levels({1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1, 0, 1});
    QTest::newRow("forward wraps")
        << 4 << int(CBusyBlocksCtrl::kForward) << -1 << 0 << Levels({1, 2, 3, 0, 1});
    QTest::newRow("backward wraps")
        << 4 << int(CBusyBlocksCtrl::kBackward) << -1 << 0 << Levels({3, 2, 1, 0, 3});
    QTest::newRow("forward past a lowered count")
        << 8 << int(CBusyBlocksCtrl::kForward) << 6 << 4 << Levels({0, 1, 2, 3, 0});
    QTest::newRow("bounce past a lowered count")
        << 8 << int(CBusyBlocksCtrl::kBounce) << 6 << 4 << Levels({-1, -1, 3, 2, 1, 0, 1});
}

void TstBusyBlocks::animation()
{
    QFETCH(int, blocks);
    QFETCH(int, style);
    QFETCH(int, start);
    QFETCH(int, lowerCount);
    QFETCH(QList<int>, highlighted);
    Bar bar(blocks);
    bar.ctrl.SetStyle(style);
    bar.ctrl.Reset();
    if (start >= 0)
        bar.ctrl.SetPosition(start);
    if (lowerCount > 0)
        bar.ctrl.SetBlockCount(lowerCount);
    QList<int> seen;
    for (qsizetype i = 0; i < highlighted.size(); ++i) {
        bar.ctrl.Step();
        const QList<int> lit = bar.Highlighted();
        QVERIFY2(lit.size() <= 1, "more than one block lit");
        seen.append(lit.isEmpty() ? -1 : lit.first());
    }
    QCOMPARE(seen, highlighted);
}

void TstBusyBlocks::unknownModeRefused()
{
    Bar bar(10);
    bar.ctrl.SetRange(0, 100);
    bar.ctrl.SetPosition(50);
    bar.ctrl.SetMode(3);
    QCOMPARE(bar.ctrl.Mode(), CBusyBlocksCtrl::kBusy);
    // The bar still takes a good mode after a bad one.
    bar.ctrl.SetMode(CBusyBlocksCtrl::kProgress);
    QCOMPARE(bar.ctrl.Mode(), CBusyBlocksCtrl::kProgress);
    QCOMPARE(bar.Lit(), Levels({18, 18, 18, 18, 18, 0, 0, 0, 0, 0}));
    bar.ctrl.SetMode(0);
    QCOMPARE(bar.ctrl.Mode(), CBusyBlocksCtrl::kProgress);
    bar.ctrl.SetMode(CBusyBlocksCtrl::kBusy);
    QCOMPARE(bar.ctrl.Mode(), CBusyBlocksCtrl::kBusy);
}

void TstBusyBlocks::runsOnTimer()
{
    Bar bar(8);
    bar.ctrl.SetInterval(5);
    bar.ctrl.SetMode(CBusyBlocksCtrl::kProgress);
    bar.ctrl.Start();
    QVERIFY(!bar.ctrl.IsRunning());
    bar.ctrl.SetMode(CBusyBlocksCtrl::kBusy);
    bar.ctrl.Start();
    QVERIFY(bar.ctrl.IsRunning());
    QTRY_VERIFY(bar.ctrl.Position() >= 3);
    // A change of mode ends the animation.
    bar.ctrl.SetMode(CBusyBlocksCtrl::kBusy);
    QVERIFY(!bar.ctrl.IsRunning());
    const int stopped = bar.ctrl.Position();
    QTest::qWait(30);
    QCOMPARE(bar.ctrl.Position(), stopped);
}

void TstBusyBlocks::background()
{
    Bar bar(10);
    QPalette palette = bar.ctrl.palette();
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    bar.ctrl.setPalette(palette);
    QCOMPARE(bar.Pixels().pixelColor(kWidth - 1, 0), QColor(10, 20, 30));
    // A colour of its own stays when the system's colours change.
    bar.ctrl.SetSystemBackground(false);
    bar.ctrl.SetBackgroundColour(QColor(200, 0, 0));
    palette.setColor(QPalette::Button, QColor(40, 50, 60));
    bar.ctrl.setPalette(palette);
    QCOMPARE(bar.Pixels().pixelColor(kWidth - 1, 0), QColor(200, 0, 0));
    bar.ctrl.SetSystemBackground(true);
    QCOMPARE(bar.Pixels().pixelColor(kWidth - 1, 0), QColor(40, 50, 60));
}

QTEST_MAIN(TstBusyBlocks)
#include "tst_busyblocks.moc"
