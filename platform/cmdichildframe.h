// The frame of one document window inside the main window's MDI area. It holds the
// document's view, shows the document's title, and ends the document when the last frame
// of it is gone.
#pragma once

#include "platform/cdocument.h"

#include <QMdiSubWindow>
#include <QPointer>

class CView;

class CMdiChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CMdiChildFrame(QWidget* parent = nullptr);
    ~CMdiChildFrame() override;

    // Puts `view` into the frame and ties the frame to `document`.
    void Attach(CDocument& document, CView* view);

    CDocument* GetActiveDocument() const { return m_document; }
    CView* GetActiveView() const;

    // Called once before the frame is first shown: the place to change its window style.
    virtual void PreCreateWindow() {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<CDocument> m_document;
};
