#include "shell/cprojectlistview.h"

#include "shell/cprojectlistdoc.h"

CProjectListView::CProjectListView(CDocument& document, QWidget* parent)
    : CView(document, parent)
{
    setMinimumSize(400, 200);
}

CProjectListDoc* CProjectListView::GetDocument() const
{
    return qobject_cast<CProjectListDoc*>(CView::GetDocument());
}
