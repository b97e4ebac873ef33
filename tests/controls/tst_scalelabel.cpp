// The scale under a slider: every number of the scale text stands under the slider's handle
// at the position it names, for the current scales of all nine device types and at more
// than one width, measured from the pixels drawn.
#include "controls/scalelabel/cscalelabel.h"
#include "tests/support/sliderpixels.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPointer>
#include <QSlider>
#include <QTest>

class TstScaleLabel : public QObject {
    Q_OBJECT
private slots:
    void numbersStandUnderHandle_data();
    void numbersStandUnderHandle();
};

void TstScaleLabel::numbersStandUnderHandle_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("sliderMax");
    QTest::addColumn<int>("stepsPerUnit");
    QTest::addColumn<QStringList>("numbers");

    const QString sixAmps =
        QStringLiteral("0         1,0      2,0      3,0       4,0      5,0      6,0     A");
    const QStringList sixAmpNumbers = {"0", "1,0", "2,0", "3,0", "4,0", "5,0", "6,0"};
    QTest::newRow("KEV") << sixAmps << 63 << 10 << sixAmpNumbers;
    QTest::newRow("LQN")
        << QStringLiteral("0            0,5         1,0          1,5         2,0         2,5 A")
        << 250 << 100 << QStringList{"0", "0,5", "1,0", "1,5", "2,0", "2,5"};
    QTest::newRow("HWT") << sixAmps << 63 << 10 << sixAmpNumbers;
    QTest::newRow("HWK") << sixAmps << 63 << 10 << sixAmpNumbers;
    QTest::newRow("HVR")
        << QStringLiteral("0       0,2     0,4      0,6     0,8      1,0     1,2     1,4 A") << 14
        << 10 << QStringList{"0", "0,2", "0,4", "0,6", "0,8", "1,0", "1,2", "1,4"};
    QTest::newRow("DRQ+") << sixAmps << 630 << 100 << sixAmpNumbers;
    QTest::newRow("UQT")
        << QStringLiteral("0       0,5      1,0     1,5     2,0     2,5     3,0      3,5A") << 350
        << 100 << QStringList{"0", "0,5", "1,0", "1,5", "2,0", "2,5", "3,0", "3,5"};
    QTest::newRow("DRQ2+") << sixAmps << 630 << 100 << sixAmpNumbers;
    QTest::newRow("VNE+")
        << QStringLiteral("0          2,0        4,0        6,0         8,0       10,0       A")
        << 1100 << 100 << QStringList{"0", "2,0", "4,0", "6,0", "8,0", "10,0"};
}

void TstScaleLabel::numbersStandUnderHandle()
{
    QFETCH(QString, text);
    QFETCH(int, sliderMax);
    QFETCH(int, stepsPerUnit);
    QFETCH(QStringList, numbers);

    // As on the page: the slider with its value text beside it, the scale under both.
    QWidget box;
    auto* grid = new QGridLayout(&box);
    QPointer<QSlider> slider = new QSlider(Qt::Horizontal, &box);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setRange(0, sliderMax);
    auto* value = new QLineEdit(&box);
    value->setFixedWidth(64);
    QPointer<CScaleLabel> scale = new CScaleLabel(&box);
    scale->SetSlider(slider);
    scale->setText(text);
    scale->SetStepsPerUnit(stepsPerUnit);
    grid->addWidget(slider, 0, 0);
    grid->addWidget(value, 0, 1);
    grid->addWidget(scale, 1, 0, 1, 2);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    for (int width : {360, 900}) {
        box.resize(width, box.sizeHint().height());
        QTRY_COMPARE(slider->width() > width / 2, true);
        for (const QString& number : numbers) {
            const double amperes = QString(number).replace(',', '.').toDouble();
            slider->setValue(qRound(amperes * stepsPerUnit));
            const int handle = SliderPixels::HandleCentre(slider, scale);
            const int drawn = SliderPixels::NumberCentre(scale, number, handle);
            QVERIFY2(qAbs(drawn - handle) <= 3,
                     qPrintable(QString::asprintf("%s at width %d: at %d, handle at %d",
                                                  qPrintable(number), width, drawn, handle)));
        }
    }
    // The text is kept as it was given.
    QCOMPARE(scale->text(), text);
}

QTEST_MAIN(TstScaleLabel)
#include "tst_scalelabel.moc"
