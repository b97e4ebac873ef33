// The title tip: a frameless child over the grid's viewport, painted with the tooltip colours.
#include "controls/grid/ctitletip.h"

#include <QFontMetrics>
#include <QPainter>

CTitleTip::CTitleTip(QWidget* grid) : QWidget(nullptr), m_grid(grid)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

bool CTitleTip::Show(QRect rectTitle, const QString& text, int xoffset, const QRect* hoverRect,
                     const QFont* font, const QColor& textColour, const QColor& backColour)
{
    if (rectTitle.isEmpty() || isVisible() || !m_grid)
        return false;
    const QFont useFont = font ? *font : m_grid->font();
    const int width = QFontMetrics(useFont).horizontalAdvance(text) + 2;
    const int right = rectTitle.left() + xoffset + width + xoffset;
    if (right <= rectTitle.right() - xoffset)
        return false; // the text fits
    m_rectHover = (hoverRect ? *hoverRect : rectTitle).adjusted(0, 0, 1, 1);
    m_text = text;
    m_textColour = textColour;
    m_backColour = backColour;
    setFont(useFont);
    if (parentWidget() != m_grid)
        setParent(m_grid);
    // Never wider than the window it shows in.
    const int maxRight = qMax(rectTitle.right(), m_grid->width() - 1);
    setGeometry(QRect(QPoint(rectTitle.left() + xoffset, rectTitle.top()),
                      QPoint(qMin(right, maxRight), rectTitle.bottom())));
    show();
    raise();
    return true;
}

void CTitleTip::Hide()
{
    hide();
}

void CTitleTip::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter painter(this);
    const QPalette& pal = palette();
    painter.fillRect(rect(), m_backColour.isValid() ? m_backColour : pal.color(QPalette::ToolTipBase));
    painter.setPen(pal.color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(m_textColour.isValid() ? m_textColour : pal.color(QPalette::ToolTipText));
    painter.drawText(rect().adjusted(1, 0, -1, 0), Qt::AlignVCenter | Qt::AlignLeft, m_text);
}
