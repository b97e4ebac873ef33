// Where a slider's handle and the marks of a scale are drawn, read from the widgets' own
// pixels, so that tests compare what the user sees rather than what the code computed.
#pragma once

#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QList>
#include <QSlider>
#include <QWidget>

#include <cstdlib>

namespace SliderPixels {

// The colour most of the image has.
inline QRgb Background(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb most = 0;
    int best = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > best) {
            best = it.value();
            most = it.key();
        }
    }
    return most;
}

// The centre x of the handle at the slider's position, in `in`'s coordinates: the middle
// of the topmost painted row, which the handle, taller than the groove, paints alone.
inline int HandleCentre(QSlider* slider, const QWidget* in)
{
    const QImage image = slider->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const QRgb background = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        int first = -1;
        int last = -1;
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        if (first >= 0) {
            const QPoint centre(qRound((first + last) / 2.0 / ratio), 0);
            return in->mapFromGlobal(slider->mapToGlobal(centre)).x();
        }
    }
    return -1;
}

struct Run {
    int left;
    int right;
};

// The runs of columns of `widget` that carry ink; runs fewer than `gap` blank columns apart
// count as one (the glyphs of one number).
inline QList<Run> InkRuns(QWidget* widget, int gap = 4)
{
    const QImage image = widget->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const QRgb background = Background(image);
    QList<Run> runs;
    int blank = gap;
    for (int x = 0; x < image.width(); ++x) {
        bool ink = false;
        for (int y = 0; y < image.height() && !ink; ++y)
            ink = image.pixel(x, y) != background;
        if (!ink) {
            ++blank;
            continue;
        }
        const int at = qRound(x / ratio);
        if (blank >= gap || runs.isEmpty())
            runs.append({at, at});
        runs.last().right = at;
        blank = 0;
    }
    return runs;
}

// The centre of the number `number` as drawn: the run nearest to `expected`, whose left edge
// begins the number's glyphs; -1 when nothing is drawn.
inline int NumberCentre(const QList<Run>& runs, const QString& number, const QFont& font,
                        int expected)
{
    const Run* nearest = nullptr;
    int distance = 0;
    for (const Run& run : runs) {
        const int d = expected < run.left ? run.left - expected
                      : expected > run.right ? expected - run.right
                                             : 0;
        if (!nearest || d < distance) {
            nearest = &run;
            distance = d;
        }
    }
    if (!nearest)
        return -1;
    return nearest->left + QFontMetrics(font).boundingRect(number).width() / 2;
}

} // namespace SliderPixels
