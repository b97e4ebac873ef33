// The view of a project document inside its child window.
#pragma once

#include "platform/cview.h"

class CProjectListDoc;

class CProjectListView : public CView {
    Q_OBJECT
public:
    explicit CProjectListView(CDocument& document, QWidget* parent = nullptr);

    CProjectListDoc* GetDocument() const;
};
