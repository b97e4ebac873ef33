// A paint device for tests that keeps what is painted on it: every text run with its
// position and font, every line and rectangle with its pen. Tests of printed output paint
// onto it and read the texts back where a PDF or a picture would hide them in glyphs.
#pragma once

#include <QFont>
#include <QLineF>
#include <QList>
#include <QPaintDevice>
#include <QPen>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <memory>

class PaintRecorder : public QPaintDevice {
public:
    struct Text {
        QPointF baseline; // left end of the run's baseline
        QString text;
        QFont font;
    };
    struct Line {
        QLineF line;
        qreal width;
    };
    struct Rect {
        QRectF rect;
        qreal width;
    };

    // A page of `size` device pixels at `dpi` dots per inch.
    explicit PaintRecorder(QSize size, int dpi = 600);
    ~PaintRecorder() override;

    QPaintEngine* paintEngine() const override;

    QList<Text> texts;
    QList<Line> lines;
    QList<Rect> rects;

    // The text runs on each baseline, top to bottom; the runs of one baseline left to
    // right, joined by a blank, blank runs left out.
    QStringList TextLines() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize m_size;
    int m_dpi;
    std::unique_ptr<QPaintEngine> m_engine;
};
