#include "controls/busyblocks/cbusyblocksctrl.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kDefaultSubSteps = 5;

// A block: a one-pixel outline on the rectangle's own pixels, the inside filled, so that a
// block never reaches into the gap beside it or past the bar's edge.
void FillOutlined(QPainter& painter, const QRect& rect, const QColor& border, const QColor& fill)
{
    if (rect.isEmpty())
        return;
    painter.fillRect(rect, border);
    painter.fillRect(rect.adjusted(1, 1, -1, -1), fill);
}

} // namespace

CBusyBlocksCtrl::CBusyBlocksCtrl(int blockCount, int position, QWidget* parent)
    : QWidget(parent), m_blockCount(blockCount), m_position(position),
      m_subStepCount(blockCount * kDefaultSubSteps)
{
    m_background = SystemBackground();
    // Every pixel is painted each time, into Qt's back buffer: nothing flickers.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_timer.setInterval(m_interval);
    connect(&m_timer, &QTimer::timeout, this, &CBusyBlocksCtrl::Step);
    RecalcLayout();
}

CBusyBlocksCtrl::~CBusyBlocksCtrl()
{
    Stop();
}

QColor CBusyBlocksCtrl::SystemBackground() const
{
    return palette().color(QPalette::Button);
}

void CBusyBlocksCtrl::SetBlockCount(int count)
{
    m_blockCount = count;
    RecalcLayout();
    update();
}

void CBusyBlocksCtrl::SetPosition(int position)
{
    m_position = position;
    update();
}

void CBusyBlocksCtrl::SetGap(int gap)
{
    m_gap = gap;
    RecalcLayout();
    update();
}

void CBusyBlocksCtrl::SetInterval(int milliseconds)
{
    m_interval = milliseconds;
    // A running animation takes the new pace at once.
    m_timer.setInterval(std::max(1, milliseconds));
}

void CBusyBlocksCtrl::SetRange(int lower, int upper)
{
    m_rangeLower = lower;
    m_rangeUpper = upper;
}

void CBusyBlocksCtrl::SetMode(int mode)
{
    Stop();
    // Only a known mode is taken, so one bad call cannot leave the bar in a mode from which
    // no other is accepted.
    if (mode != kBusy && mode != kProgress)
        return;
    m_mode = mode;
    if (mode == kProgress)
        m_direction = 1;
}

void CBusyBlocksCtrl::Start()
{
    if (!(m_mode & kBusy))
        return;
    Stop();
    m_timer.start();
}

void CBusyBlocksCtrl::Stop()
{
    m_timer.stop();
}

int CBusyBlocksCtrl::AnimationLength() const
{
    if (!(m_mode & kBusy))
        return 0;
    if (m_groupMode == kSingleBlock)
        return m_blockCount;
    if (m_groupMode == kGrowingBar)
        return m_subStepCount;
    return 0;
}

void CBusyBlocksCtrl::Step()
{
    if (m_mode & kBusy) {
        const int n = AnimationLength();
        // Compared with >= and <=: a count lowered below the position still wraps.
        switch (m_style) {
        case kBounce:
            if (m_position >= n - 1)
                m_direction = -1;
            if (m_position < 1)
                m_direction = 1;
            break;
        case kForward:
            if (m_position >= n - 1)
                m_position = -1;
            break;
        case kBackward:
            if (m_position <= 0)
                m_position = n;
            break;
        default:
            break;
        }
    }
    m_position += m_direction;
    update();
}

void CBusyBlocksCtrl::SetStyle(int style)
{
    m_style = style;
    if (!(m_mode & kBusy))
        return;
    if (style == kForward)
        m_direction = 1;
    else if (style == kBackward)
        m_direction = -1;
}

void CBusyBlocksCtrl::SetGroupMode(int groupMode)
{
    if (!(m_mode & kBusy))
        return;
    m_groupMode = groupMode;
    // The count first: a backward run starts from it.
    if (groupMode == kGrowingBar)
        m_subStepCount = m_subStepsPerBlock * m_blockCount;
    Reset();
}

void CBusyBlocksCtrl::SetSubStepsPerBlock(int subSteps)
{
    m_subStepsPerBlock = subSteps;
    if (!(m_mode & kBusy))
        return;
    if (m_groupMode == kGrowingBar)
        m_subStepCount = m_subStepsPerBlock * m_blockCount;
    Reset();
}

void CBusyBlocksCtrl::SetBackgroundColour(const QColor& colour)
{
    m_background = colour;
    update();
}

void CBusyBlocksCtrl::SetBlockFillColour(const QColor& colour)
{
    m_blockFill = colour;
    update();
}

void CBusyBlocksCtrl::SetBlockBorderColour(const QColor& colour)
{
    m_blockBorder = colour;
    update();
}

void CBusyBlocksCtrl::SetHighlightFillColour(const QColor& colour)
{
    m_highlightFill = colour;
    update();
}

void CBusyBlocksCtrl::SetHighlightBorderColour(const QColor& colour)
{
    m_highlightBorder = colour;
    update();
}

void CBusyBlocksCtrl::RecalcLayout()
{
    const QRect area = rect();
    m_blockHeight = area.height();
    m_blockWidth =
        m_blockCount > 0 ? double(area.width() - m_gap * m_blockCount) / double(m_blockCount) : 0.0;
}

void CBusyBlocksCtrl::Reset()
{
    if (!(m_mode & kBusy)) {
        m_position = 0;
        m_direction = 1;
        return;
    }
    if (m_style == kBackward) {
        m_position = m_groupMode == kGrowingBar ? m_subStepCount : m_blockCount;
        m_direction = -1;
    } else {
        m_position = 0;
        m_direction = 1;
    }
}

void CBusyBlocksCtrl::SetSystemBackground(bool system)
{
    m_systemBackground = system;
    if (system)
        m_background = SystemBackground();
    update();
}

QRect CBusyBlocksCtrl::BlockRect(int index) const
{
    const double left = index * (m_gap + m_blockWidth);
    const int x = int(left);
    return QRect(QPoint(x, 0), QPoint(int(left + m_blockWidth) - 1, int(m_blockHeight) - 1));
}

double CBusyBlocksCtrl::Level() const
{
    double d = 0.0;
    double position = m_position;
    if (m_mode == kProgress) {
        d = double(m_rangeUpper) - double(m_rangeLower);
        position -= m_rangeLower;
    } else if ((m_mode & kBusy) && m_groupMode == kGrowingBar) {
        d = m_subStepCount;
    } else {
        return -1.0;
    }
    // A bar without blocks or without a span has no level to show.
    if (d == 0.0 || m_blockCount <= 0)
        return -1.0;
    // A value outside the range shows an empty or a full bar.
    return std::clamp(m_blockCount * position / d, 0.0, double(m_blockCount));
}

void CBusyBlocksCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawBackground(painter, rect());
    DrawBlocks(painter);
}

void CBusyBlocksCtrl::DrawBlocks(QPainter& painter)
{
    if (m_blockCount <= 0 || m_blockWidth <= 0.0)
        return;
    if ((m_mode & kBusy) && m_groupMode == kSingleBlock) {
        for (int i = 0; i < m_blockCount; ++i) {
            if (i == m_position)
                DrawHiliteBlock(painter, BlockRect(i));
            else
                DrawBlock(painter, BlockRect(i));
        }
        return;
    }
    const double level = Level();
    if (level < 0.0)
        return;
    const int full = int(level);
    for (int i = 0; i < m_blockCount; ++i) {
        if (i < full)
            DrawHiliteBlock(painter, BlockRect(i));
        else
            DrawBlock(painter, BlockRect(i));
    }
    const int partial = int((level - full) * m_blockWidth);
    if (full < m_blockCount && partial != 0)
        DrawPartialBlock(painter, BlockRect(full), partial);
}

void CBusyBlocksCtrl::DrawBackground(QPainter& painter, const QRect& rect)
{
    painter.fillRect(rect, m_background);
}

void CBusyBlocksCtrl::DrawBlock(QPainter& painter, const QRect& rect)
{
    FillOutlined(painter, rect, m_blockBorder, m_blockFill);
}

void CBusyBlocksCtrl::DrawHiliteBlock(QPainter& painter, const QRect& rect)
{
    FillOutlined(painter, rect, m_highlightBorder, m_highlightFill);
}

void CBusyBlocksCtrl::DrawPartialBlock(QPainter& painter, const QRect& rect, int width)
{
    QRect inner = rect.adjusted(1, 1, -1, -1);
    // Never past the block's own outline.
    inner.setRight(std::min(inner.left() + width - 1, inner.right()));
    if (!inner.isEmpty())
        painter.fillRect(inner, m_highlightFill);
}

void CBusyBlocksCtrl::resizeEvent(QResizeEvent* event)
{
    // Layouts size the bar after its owner has set it up: the blocks follow the new size.
    RecalcLayout();
    QWidget::resizeEvent(event);
}

void CBusyBlocksCtrl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange && m_systemBackground) {
        m_background = SystemBackground();
        update();
    }
    QWidget::changeEvent(event);
}
