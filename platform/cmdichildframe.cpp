#include "platform/cmdichildframe.h"

#include "platform/cdocument.h"
#include "platform/cview.h"

#include <QCloseEvent>

CMdiChildFrame::CMdiChildFrame(QWidget* parent) : QMdiSubWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
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
