#include "tests/support/paintrecorder.h"

#include <QMap>
#include <QPaintEngine>
#include <QTextItem>

#include <algorithm>

namespace {

class RecordingEngine : public QPaintEngine {
public:
    explicit RecordingEngine(PaintRecorder& device) : QPaintEngine(AllFeatures), m_device(device)
    {
    }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyPen)
            m_pen = state.pen();
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        m_device.texts.append({m_transform.map(p), item.text(), item.font()});
    }
    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            m_device.lines.append({m_transform.map(lines[i]), m_pen.widthF()});
    }
    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            m_device.rects.append({m_transform.mapRect(rects[i]), m_pen.widthF()});
    }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}

private:
    PaintRecorder& m_device;
    QPen m_pen;
    QTransform m_transform;
};

} // namespace

PaintRecorder::PaintRecorder(QSize size, int dpi)
    : m_size(size), m_dpi(dpi), m_engine(std::make_unique<RecordingEngine>(*this))
{
}

PaintRecorder::~PaintRecorder() = default;

QPaintEngine* PaintRecorder::paintEngine() const
{
    return m_engine.get();
}

int PaintRecorder::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return m_size.width();
    case PdmHeight: return m_size.height();
    case PdmWidthMM: return qRound(m_size.width() * 25.4 / m_dpi);
    case PdmHeightMM: return qRound(m_size.height() * 25.4 / m_dpi);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return m_dpi;
    case PdmNumColors: return 0xffffff;
    case PdmDepth: return 32;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    default: return QPaintDevice::metric(metric);
    }
}

QStringList PaintRecorder::TextLines() const
{
    QMap<qreal, QList<Text>> byBaseline;
    for (const Text& run : texts) {
        if (!run.text.trimmed().isEmpty())
            byBaseline[run.baseline.y()].append(run);
    }
    QStringList out;
    for (auto it = byBaseline.begin(); it != byBaseline.end(); ++it) {
        QList<Text> runs = it.value();
        std::sort(runs.begin(), runs.end(), [](const Text& a, const Text& b) {
            return a.baseline.x() < b.baseline.x();
        });
        QStringList parts;
        for (const Text& run : runs)
            parts.append(run.text.trimmed());
        out.append(parts.join(QLatin1Char(' ')));
    }
    return out;
}
