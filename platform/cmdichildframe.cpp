#include "platform/cmdichildframe.h"

#include "platform/cdocument.h"
#include "platform/cmodalrunner.h"
#include "platform/cview.h"

#include <QCloseEvent>
#include <QMenu>

#include <algorithm>
#include <utility>

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

void CMdiChildFrame::DeleteWindow()
{
    if (!WaitForModalRuns(Waiting::Delete))
        delete this;
}

bool CMdiChildFrame::WaitForModalRuns(Waiting action)
{
    CView* view = GetActiveView();
    CModalRunner* runner = view ? view->ModalRunner() : nullptr;
    if (!runner || !runner->IsRunning())
        return false;
    if (m_waiting == Waiting::Nothing)
        runner->AfterModalRuns(this, [this] { EndWaiting(); });
    m_waiting = std::max(m_waiting, action);
    view->SetCloseWaiting(true);
    return true;
}

void CMdiChildFrame::EndWaiting()
{
    const Waiting action = std::exchange(m_waiting, Waiting::Nothing);
    if (CView* view = GetActiveView())
        view->SetCloseWaiting(false);
    // From the event loop: deleted later, as a window whose own event is being handled.
    if (action == Waiting::Delete)
        deleteLater();
    else
        close();
}

void CMdiChildFrame::closeEvent(QCloseEvent* event)
{
    if (WaitForModalRuns(Waiting::Close)) {
        event->ignore();
        return;
    }
    if (m_document && !m_document->CanCloseFrame(this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
