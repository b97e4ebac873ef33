#include "platform/cmdichildframe.h"

#include "platform/cdocument.h"
#include "platform/cview.h"

#include <QCloseEvent>
#include <QMenu>

CMdiChildFrame::CMdiChildFrame(QWidget* parent) : QMdiSubWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Ctrl+F4 belongs to the main window, which closes the active window the way File Close
    // does; the window's own menu would make the key ambiguous.
    if (QMenu* menu = systemMenu()) {
        const QKeySequence closeKey(Qt::ControlModifier | Qt::Key_F4);
        const QList<QAction*> actions = menu->actions();
        for (QAction* action : actions) {
            QList<QKeySequence> keys = action->shortcuts();
            if (keys.removeAll(closeKey) > 0)
                action->setShortcuts(keys);
        }
    }
}

CMdiChildFrame::~CMdiChildFrame()
{
    // The view goes before the document it shows.
    delete widget();
    if (m_document)
        m_document->RemoveFrame(this);
}

void CMdiChildFrame::Attach(CDocument& document, CView* view)
{
    m_document = &document;
    document.AddFrame(this);
    setWidget(view);
    setWindowTitle(document.GetTitle());
    connect(&document, &CDocument::titleChanged, this, &QWidget::setWindowTitle);
}

CView* CMdiChildFrame::GetActiveView() const
{
    return qobject_cast<CView*>(widget());
}

void CMdiChildFrame::closeEvent(QCloseEvent* event)
{
    if (m_document && !m_document->CanCloseFrame(this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
