#include "pages/ctarnlinkview.h"

#include "pages/ctarnlinkdoc.h"
#include "shell/ctarnlinkapp.h"

CTarnlinkView::CTarnlinkView(CDocument& document, QWidget* parent) : CView(document, parent)
{
    setMinimumSize(400, 300);
}

CTarnlinkDoc* CTarnlinkView::GetDocument() const
{
    return qobject_cast<CTarnlinkDoc*>(CView::GetDocument());
}

void CTarnlinkView::OnInitialUpdate()
{
    if (const CTarnlinkApp* app = CTarnlinkApp::Instance()) {
        m_address = app->m_nextAddress;
        m_deviceType = app->m_currentType;
    }
}
