// Where a slider's handle and the numbers of a scale are drawn, read from the widgets' own
// pixels, so that tests compare what the user sees rather than what the code computed.
#pragma once

#include <QFontMetrics>
#include <QImage>
#include <QList>
#include <QSlider>
#include <QWidget>

namespace SliderPixels {

// The columns of `image` in row `y` (every row for -1) that differ from its top-left pixel.
inline QList<int> InkColumns(const QImage& image, int y = -1)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        for (int row = y < 0 ? 0 : y; row < (y < 0 ? image.height() : y + 1); ++row) {
            if (image.pixel(x, row) != image.pixel(0, 0)) {
                columns.append(x);
                break;
            }
        }
    }
    return columns;
}

// The centre x of the handle at the slider's position, in `in`'s coordinates: the middle
// of the topmost painted row, which the handle, taller than the groove, paints alone.
inline int HandleCentre(QSlider* slider, const QWidget* in)
{
    const QImage image = slider->grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
        if (const QList<int> ink = InkColumns(image, y); !ink.isEmpty()) {
            const QPoint centre((ink.first() + ink.last()) / 2, 0);
            return in->mapFromGlobal(slider->mapToGlobal(centre)).x();
        }
    }
    return -1;
}

// The middle of the groove in column `x` of `slider`: the first run of painted rows from
// the top, which the tick marks below leave apart.
inline int GrooveRow(QSlider* slider, int x)
{
    const QImage image = slider->grab().toImage();
    int first = -1;
    for (int y = 0; y < image.height(); ++y) {
        const bool ink = image.pixel(x, y) != image.pixel(0, 0);
        if (ink && first < 0)
            first = y;
        else if (!ink && first >= 0)
            return (first + y - 1) / 2;
    }
    return first;
}

// The centre of `number` as `scale` draws it: the run of ink columns (glyphs fewer than
// four blank columns apart) nearest to `expected`, whose left edge begins the number.
inline int NumberCentre(QWidget* scale, const QString& number, int expected)
{
    const QList<int> ink = InkColumns(scale->grab().toImage());
    int bestLeft = -1;
    int bestDistance = 0;
    for (qsizetype i = 0; i < ink.size();) {
        qsizetype end = i;
        while (end + 1 < ink.size() && ink.at(end + 1) - ink.at(end) <= 4)
            ++end;
        const int distance = qMax(0, qMax(ink.at(i) - expected, expected - ink.at(end)));
        if (bestLeft < 0 || distance < bestDistance) {
            bestLeft = ink.at(i);
            bestDistance = distance;
        }
        i = end + 1;
    }
    return bestLeft < 0 ? -1
                        : bestLeft + QFontMetrics(scale->font()).boundingRect(number).width() / 2;
}

} // namespace SliderPixels
