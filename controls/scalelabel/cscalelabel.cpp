#include "controls/scalelabel/cscalelabel.h"

#include <QEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

namespace {

// A number at the start of a piece, and whatever follows it.
const QRegularExpression kLeadingNumber(QStringLiteral("^(\\d+(?:[.,]\\d+)?)(.*)$"));

// The options the slider paints itself with, its handle moved to `position`.
QStyleOptionSlider OptionAt(const QSlider& slider, int position)
{
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.subControls = QStyle::SC_None;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = slider.orientation();
    option.minimum = slider.minimum();
    option.maximum = slider.maximum();
    option.tickPosition = slider.tickPosition();
    option.tickInterval = slider.tickInterval();
    option.upsideDown = slider.invertedAppearance() != (option.direction == Qt::RightToLeft);
    option.direction = Qt::LeftToRight; // the turn is in upsideDown
    option.sliderPosition = position;
    option.sliderValue = position;
    option.singleStep = slider.singleStep();
    option.pageStep = slider.pageStep();
    option.state |= QStyle::State_Horizontal;
    return option;
}

} // namespace

QList<CScaleLabel::Mark> CScaleLabel::Marks(const QString& text)
{
    QList<Mark> marks;
    const QStringList pieces = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& piece : pieces) {
        Mark mark;
        const QRegularExpressionMatch match = kLeadingNumber.match(piece);
        if (match.hasMatch()) {
            mark.number = match.captured(1);
            mark.suffix = match.captured(2);
            mark.value = QString(mark.number).replace(',', '.').toDouble();
        } else {
            mark.suffix = piece;
        }
        marks.append(mark);
    }
    return marks;
}

CScaleLabel::CScaleLabel(QWidget* parent) : QLabel(parent) {}

void CScaleLabel::SetSlider(QSlider* slider)
{
    if (m_slider) {
        m_slider->removeEventFilter(this);
        disconnect(m_slider, nullptr, this, nullptr);
    }
    m_slider = slider;
    if (m_slider) {
        // The marks follow the handle's places: the range and the slider's geometry.
        m_slider->installEventFilter(this);
        connect(slider, &QSlider::rangeChanged, this, [this] { update(); });
    }
    updateGeometry();
    update();
}

void CScaleLabel::SetStepsPerUnit(double steps)
{
    m_stepsPerUnit = steps;
    updateGeometry();
    update();
}

bool CScaleLabel::FollowsSlider() const
{
    const QSlider* slider = Slider();
    return slider && slider->orientation() == Qt::Horizontal && m_stepsPerUnit > 0.0;
}

int CScaleLabel::HandleCentreX(int position) const
{
    QSlider* slider = Slider();
    if (!slider)
        return 0;
    const QStyleOptionSlider option = OptionAt(*slider, position);
    const QRect handle = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                         QStyle::SC_SliderHandle, slider);
    return mapFromGlobal(slider->mapToGlobal(handle.center())).x();
}

QSize CScaleLabel::sizeHint() const
{
    if (!FollowsSlider())
        return QLabel::sizeHint();
    // The slider's width spreads the marks; the label needs room only for them side by side.
    const QFontMetrics metrics(font());
    int width = 0;
    for (const Mark& mark : Marks(text()))
        width += metrics.horizontalAdvance(mark.number + mark.suffix + QLatin1Char(' '));
    const QMargins margins = contentsMargins();
    return {width + margins.left() + margins.right(),
            metrics.height() + margins.top() + margins.bottom()};
}

QSize CScaleLabel::minimumSizeHint() const
{
    return FollowsSlider() ? sizeHint() : QLabel::minimumSizeHint();
}

void CScaleLabel::paintEvent(QPaintEvent* event)
{
    if (!FollowsSlider()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect area = contentsRect();
    const int flags = Qt::AlignLeft | static_cast<int>(alignment() & Qt::AlignVertical_Mask);
    const int blank = metrics.horizontalAdvance(QLatin1Char(' '));
    int drawnUpTo = area.left() - blank; // a word follows what was drawn last
    for (const Mark& mark : Marks(text())) {
        int left = drawnUpTo + blank;
        if (!mark.number.isEmpty()) {
            const int position = qRound(mark.value * m_stepsPerUnit);
            // A number the slider cannot reach has no place under it.
            if (position < Slider()->minimum() || position > Slider()->maximum())
                continue;
            left = HandleCentreX(position) - metrics.horizontalAdvance(mark.number) / 2;
        }
        const QString piece = mark.number + mark.suffix;
        const int width = metrics.horizontalAdvance(piece);
        // Kept whole inside the label even where that moves it off its place a little.
        left = std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - width));
        style()->drawItemText(&painter, QRect(left, area.top(), width, area.height()), flags,
                              palette(), isEnabled(), piece, foregroundRole());
        drawnUpTo = left + width;
    }
}

bool CScaleLabel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_slider) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::StyleChange:
        case QEvent::Show: update(); break;
        default: break;
        }
    }
    return QLabel::eventFilter(watched, event);
}
