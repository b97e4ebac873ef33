// A view: the widget that shows a document inside its child frame. It is told when its
// window is first filled and when it is activated, and it prints through four hooks that
// the print and print-preview commands call in order.
#pragma once

#include "platform/cdocument.h"
#include "platform/cprintinfo.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

class CModalRunner;
class QDialog;
class QPainter;
class QPrinter;

class CView : public QWidget {
    Q_OBJECT
public:
    explicit CView(CDocument& document, QWidget* parent = nullptr);
    ~CView() override;

    CDocument* GetDocument() const { return m_document; }

    // Called once after the document is new or opened and before the window is shown.
    virtual void OnInitialUpdate() {}
    virtual void OnActivateView(bool activate) { (void)activate; }

    // Closes the view's window once the current event is done: a view that refuses what it
    // was given closes itself this way while it fills itself.
    void CloseFrameLater();
    // Also while the window waits for the dialogs and message boxes to end before it closes.
    bool IsClosing() const { return m_closing || m_closeWaiting; }

    // Runs `dialog` modally for the view. A view whose window is to close meanwhile ends the
    // dialog, and the result is a cancel.
    int RunModal(QDialog& dialog);
    // The window is to close once no dialog or message box runs any more (their callers may
    // be this view): the dialogs the view runs end now, it starts no new one, and it counts
    // as closing until the wait is over.
    void SetCloseWaiting(bool waiting);
    CModalRunner* ModalRunner() const { return m_runner; }

    // Printing. OnPreparePrinting sets the page range and asks for the printer (false
    // cancels); the others are called around and for every page.
    virtual bool OnPreparePrinting(CPrintInfo& info) { return DoPreparePrinting(info); }
    virtual void OnBeginPrinting(QPainter& painter, CPrintInfo& info);
    // Before each page: a view without a known page count prints one page.
    virtual void OnPrepareDC(QPainter& painter, CPrintInfo& info);
    virtual void OnPrint(QPainter& painter, CPrintInfo& info);
    virtual void OnEndPrinting(QPainter& painter, CPrintInfo& info);

    // Shows the print dialog for the range of `info`; true when the user prints.
    bool DoPreparePrinting(CPrintInfo& info);
    // The print and print-preview commands of the view.
    void OnFilePrint();
    void OnFilePrintPreview();
    // Prints the pages of `info`'s range onto `printer`; false when nothing could be
    // painted.
    bool PrintPages(QPrinter& printer, CPrintInfo& info);

    // Where the print dialogs run, which printer they use and who tells the user that the
    // printer could not be started.
    void SetPrintServices(CModalRunner* runner, QPrinter* printer,
                          std::function<void()> reportFailure = {});

private:
    QPointer<CDocument> m_document;
    CModalRunner* m_runner = nullptr;
    QPrinter* m_printer = nullptr;
    std::function<void()> m_reportPrintFailure;
    bool m_closing = false;
    bool m_closeWaiting = false;
    QList<QPointer<QDialog>> m_modalDialogs;
};
