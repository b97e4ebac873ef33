// The title tip: a frameless tool-tip window placed over the cell, painted with the tooltip
// colours. While it shows it watches the program's events for the key, click or loss of
// focus that ends it.
#include "controls/grid/ctitletip.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

CTitleTip::CTitleTip(QWidget* grid)
    : QWidget(grid, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_grid(grid)
{
    setObjectName(QStringLiteral("GridTitleTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    hide();
}

CTitleTip::~CTitleTip()
{
    Hide();
}

bool CTitleTip::Show(QRect rectTitle, const QString& text, int xoffset, const QRect* hoverRect,
                     const QFont* font, const QColor& textColour, const QColor& backColour)
{
    if (rectTitle.isEmpty() || isVisible() || !m_grid || !QGuiApplication::focusWindow())
        return false;
    const QFont useFont = font ? *font : m_grid->font();
    // The text and the frame's two pixels.
    const int width = QFontMetrics(useFont).horizontalAdvance(text) + 2;
    const int right = rectTitle.left() + xoffset + width + xoffset;
    if (right <= rectTitle.right() - xoffset)
        return false; // the text fits
    const QRect hover = (hoverRect ? *hoverRect : rectTitle).adjusted(0, 0, 1, 1);
    m_rectHoverGlobal = hover.translated(m_grid->mapToGlobal(QPoint(0, 0)));
    m_text = text;
    m_textColour = textColour;
    m_backColour = backColour;
    setFont(useFont);
    const QPoint topLeft = m_grid->mapToGlobal(QPoint(rectTitle.left() + xoffset, rectTitle.top()));
    setGeometry(QRect(topLeft, QSize(width + xoffset, rectTitle.height())));
    if (!m_bWatching) {
        qApp->installEventFilter(this);
        m_bWatching = true;
    }
    show();
    return true;
}

void CTitleTip::Hide()
{
    if (m_bWatching) {
        qApp->removeEventFilter(this);
        m_bWatching = false;
    }
    hide();
}

bool CTitleTip::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        Hide();
        PassOn(*static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease:
        PassOn(*static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseMove: {
        const auto& move = *static_cast<QMouseEvent*>(event);
        if (!m_rectHoverGlobal.contains(move.globalPosition().toPoint()))
            Hide();
        PassOn(move);
        return true;
    }
    case QEvent::Leave:
        // Off the tip and off its cell: nothing is left to show it for.
        if (!m_rectHoverGlobal.contains(QCursor::pos()))
            Hide();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void CTitleTip::PassOn(const QMouseEvent& event)
{
    if (!m_grid)
        return;
    const QPointF global = event.globalPosition();
    QMouseEvent passed(event.type(), m_grid->mapFromGlobal(global), global, event.button(),
                       event.buttons(), event.modifiers());
    QApplication::sendEvent(m_grid, &passed);
}

bool CTitleTip::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::ApplicationDeactivate:
        // The event goes on to its window; the tip only steps aside.
        Hide();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void CTitleTip::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter painter(this);
    const QPalette& pal = palette();
    painter.fillRect(rect(),
                     m_backColour.isValid() ? m_backColour : pal.color(QPalette::ToolTipBase));
    painter.setPen(pal.color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(m_textColour.isValid() ? m_textColour : pal.color(QPalette::ToolTipText));
    painter.drawText(rect().adjusted(1, 0, -1, 0), Qt::AlignVCenter | Qt::AlignLeft, m_text);
}
