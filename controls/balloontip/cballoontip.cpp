// The balloon: its outline, the delay before it shows and the test that hides it, and the
// tool map.
#include "controls/balloontip/cballoontip.h"

#include <QApplication>
#include <QCursor>
#include <QDataStream>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <algorithm>

namespace {

constexpr int kHideCheckMs = 5000;

} // namespace

CBalloonTip::CBalloonTip(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_font(QApplication::font())
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_showTimer.setSingleShot(true);
    connect(&m_showTimer, &QTimer::timeout, this, &CBalloonTip::OnDelayTimer);
    connect(&m_hideTimer, &QTimer::timeout, this, &CBalloonTip::OnHideTimer);
}

void CBalloonTip::InsertTool(QWidget* tool, const TipToolInfo& info)
{
    if (!tool)
        return;
    // Entries of windows that are gone make room first.
    std::erase_if(m_tools, [](const auto& entry) { return entry.first.isNull(); });
    for (auto& entry : m_tools) {
        if (entry.first == tool) {
            entry.second = info;
            return;
        }
    }
    m_tools.emplace_back(tool, info);
}

int CBalloonTip::ToolCount() const
{
    return int(std::count_if(m_tools.begin(), m_tools.end(),
                             [](const auto& entry) { return !entry.first.isNull(); }));
}

void CBalloonTip::SerializeTools(QDataStream& out) const
{
    out << quint32(ToolCount());
    for (const auto& [tool, info] : m_tools) {
        if (tool)
            out << info.text << info.value;
    }
}

void CBalloonTip::RemoveAllTools()
{
    m_tools.clear();
}

void CBalloonTip::Show(const QString& text, const QPoint* point)
{
    m_point = point ? *point : QCursor::pos();
    m_text = text;
    m_hideTimer.stop();
    m_showTimer.start(m_delay);
}

void CBalloonTip::SetIcon(const QIcon& icon, const QSize& size)
{
    m_icon = icon;
    m_iconSize = icon.isNull() ? QSize() : size;
    update();
}

void CBalloonTip::SetFont(const QFont& font)
{
    m_font = font;
}

QSize CBalloonTip::BodySize() const
{
    QSize text(0, 0);
    if (!m_text.isEmpty())
        text = QFontMetrics(m_font).boundingRect(QRect(), 0, m_text).size();
    int w = text.width() + 2 * kMarginX;
    int h = text.height() + 2 * kMarginY;
    if (!m_icon.isNull()) {
        w += m_iconSize.width() + kIconGap;
        h = qMax(h, m_iconSize.height());
    }
    return {w, h};
}

QRegion CBalloonTip::Outline() const
{
    const QSize body = BodySize();
    const int w = body.width();
    const int h = body.height();
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(0, 0, w, h), 6, 5);
    const QPolygon pointer(
        {QPoint(w - 12, h - 10), QPoint(w - 12, h + 15), QPoint(w - 37, h - 10)});
    return QRegion(rounded.toFillPolygon().toPolygon()).united(QRegion(pointer));
}

void CBalloonTip::setVisible(bool visible)
{
    if (!visible) {
        m_showTimer.stop();
        m_hideTimer.stop();
    }
    QWidget::setVisible(visible);
}

void CBalloonTip::OnDelayTimer()
{
    const QSize body = BodySize();
    const int fullHeight = body.height() + kPointerHeight;
    setFixedSize(body.width(), fullHeight);
    setMask(Outline());
    // The pointer's tip lands exactly on the stored point.
    move(m_point.x() - body.width() + 12, m_point.y() - fullHeight + 10);
    show();
    raise();
    m_hideTimer.start(kHideCheckMs);
}

void CBalloonTip::OnHideTimer()
{
    if (QCursor::pos() != m_point) {
        m_hideTimer.stop();
        hide();
    }
}

void CBalloonTip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRegion outline = Outline();
    const QPalette& pal = palette();
    painter.setClipRegion(outline);
    painter.fillRect(rect(), pal.color(QPalette::Base));
    // Outer frame three pixels wide, inner frame one pixel, following the outline.
    QPainterPath path;
    path.addRegion(outline);
    painter.setClipping(false);
    painter.setPen(QPen(pal.color(QPalette::Button), 3));
    painter.drawPath(path);
    painter.setPen(QPen(pal.color(QPalette::Text), 1));
    painter.drawPath(path);

    int left = kMarginX;
    if (!m_icon.isNull()) {
        m_icon.paint(&painter, QRect(QPoint(kMarginX, kMarginY), m_iconSize));
        left += m_iconSize.width() + kIconGap;
    }
    painter.setFont(m_font);
    painter.setPen(pal.color(QPalette::Text));
    painter.drawText(rect().adjusted(left, kMarginY, 0, 0), Qt::AlignLeft | Qt::AlignTop, m_text);
}
