// The frame of one document window inside the main window's MDI area. It holds the
// document's view, shows the document's title, and ends the document when the last frame
// of it is gone. While a dialog or message box runs, the code that started it may be this
// frame's view: the frame then closes only after the last one has ended.
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

    // Deletes the frame without asking: at once, or once no dialog or message box runs.
    void DeleteWindow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // What the frame does once the dialogs and message boxes have ended; a deletion
    // outranks a close.
    enum class Waiting { Nothing, Close, Delete };

    // True when a dialog or message box runs: the view's own dialogs end, and `action`
    // follows after the last one.
    bool WaitForModalRuns(Waiting action);
    void EndWaiting();

    QPointer<CDocument> m_document;
    Waiting m_waiting = Waiting::Nothing;
};
