// The current indicator under the sliders: three colours split at two points.
#include "pages/ccurindicator.h"

#include <QImage>
#include <QTest>

class TstCurIndicator : public QObject {
    Q_OBJECT
private slots:
    void segments_data();
    void segments();
};

void TstCurIndicator::segments_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("greenPixels");
    QTest::addColumn<int>("yellowPixels");

    QTest::newRow("both splits 0: all third colour") << 200 << 0 << 0 << 0 << 0;
    QTest::newRow("400 and 500 on 200 pixels") << 200 << 400 << 500 << 80 << 20;
    QTest::newRow("splits beyond the end clip") << 200 << 1000 << 1100 << 200 << 0;
    QTest::newRow("second below first") << 200 << 500 << 250 << 50 << 0;
    QTest::newRow("odd width truncates") << 333 << 150 << 250 << 49 << 34;
}

void TstCurIndicator::segments()
{
    QFETCH(int, width);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, greenPixels);
    QFETCH(int, yellowPixels);

    CCurIndicator bar;
    bar.resize(width, 4);
    bar.m_firstColor = QColor(0, 255, 0);
    bar.m_secondColor = QColor(255, 233, 37);
    bar.m_thirdColor = QColor(255, 0, 0);
    bar.m_firstSplit = quint32(first);
    bar.m_secondSplit = quint32(second);
    const QImage image = bar.grab().toImage();
    int green = 0, yellow = 0, red = 0;
    for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, 2);
        green += c == bar.m_firstColor;
        yellow += c == bar.m_secondColor;
        red += c == bar.m_thirdColor;
    }
    QCOMPARE(green, greenPixels);
    QCOMPARE(yellow, yellowPixels);
    QCOMPARE(red, width - greenPixels - yellowPixels);
}

QTEST_MAIN(TstCurIndicator)
#include "tst_curindicator.moc"
