#include "shell/cchildframe.h"

#include "shell/cartwork.h"

#include <QMouseEvent>
#include <QStyle>

CChildFrame::CChildFrame(QWidget* parent) : CMdiChildFrame(parent)
{
    setWindowIcon(CArtwork::AppIcon());
}

void CChildFrame::PreCreateWindow()
{
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void CChildFrame::KeepPageSize()
{
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))
        return;
    const QSize size = sizeHint().expandedTo(minimumSizeHint());
    setFixedSize(size);
}

void CChildFrame::showEvent(QShowEvent* event)
{
    CMdiChildFrame::showEvent(event);
    KeepPageSize();
}

void CChildFrame::changeEvent(QEvent* event)
{
    CMdiChildFrame::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    if (windowState() & Qt::WindowMaximized) {
        // The MDI area maximises a newly activated window when another one was
        // maximised; a parameter page keeps its size instead.
        showNormal();
        return;
    }
    KeepPageSize();
}

bool CChildFrame::OnSizingBorder(const QPoint& position) const
{
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const QRect inner = rect().adjusted(border, border, -border, -border);
    return !inner.contains(position);
}

bool CChildFrame::event(QEvent* event)
{
    // The frame's border does not start a resize; the title bar still moves the window.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::HoverMove:
        if (const auto* mouse = dynamic_cast<QSinglePointEvent*>(event);
            mouse && OnSizingBorder(mouse->position().toPoint()) &&
            !(windowState() & Qt::WindowMinimized)) {
            if (event->type() != QEvent::HoverMove)
                return true;
            unsetCursor();
        }
        break;
    case QEvent::LayoutRequest: {
        // What the page shows changes its size (the current bars appear): the frame follows.
        const bool handled = CMdiChildFrame::event(event);
        KeepPageSize();
        return handled;
    }
    default: break;
    }
    return CMdiChildFrame::event(event);
}
