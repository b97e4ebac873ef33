#include "platform/cview.h"

#include "platform/cdocument.h"
#include "platform/cmodalrunner.h"

#include <QMdiSubWindow>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>

CView::CView(CDocument& document, QWidget* parent) : QWidget(parent), m_document(&document) {}

CView::~CView() = default;

void CView::CloseFrameLater()
{
    m_closing = true;
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(w)) {
            QMetaObject::invokeMethod(frame, &QMdiSubWindow::close, Qt::QueuedConnection);
            return;
        }
    }
}

int CView::RunModal(QDialog& dialog)
{
    if (m_closeWaiting)
        return QDialog::Rejected;
    if (!m_runner)
        return dialog.exec();
    const QPointer<QDialog> running(&dialog);
    m_modalDialogs.append(running);
    const int result = m_runner->Run(dialog);
    m_modalDialogs.removeAll(running);
    return m_closeWaiting ? int(QDialog::Rejected) : result;
}

void CView::SetCloseWaiting(bool waiting)
{
    m_closeWaiting = waiting;
    if (!waiting)
        return;
    const QList<QPointer<QDialog>> running = m_modalDialogs;
    for (const QPointer<QDialog>& dialog : running) {
        if (dialog)
            dialog->reject();
    }
}

void CView::OnBeginPrinting(QPainter& painter, CPrintInfo& info)
{
    (void)painter;
    (void)info;
}

void CView::OnPrepareDC(QPainter& painter, CPrintInfo& info)
{
    (void)painter;
    info.m_bContinuePrinting =
        info.GetMaxPage() != CPrintInfo::kUnknownMaxPage || info.m_nCurPage == 1;
}

void CView::OnPrint(QPainter& painter, CPrintInfo& info)
{
    (void)painter;
    (void)info;
}

void CView::OnEndPrinting(QPainter& painter, CPrintInfo& info)
{
    (void)painter;
    (void)info;
}

void CView::SetPrintServices(CModalRunner* runner, QPrinter* printer,
                             std::function<void()> reportFailure)
{
    m_runner = runner;
    m_printer = printer;
    m_reportPrintFailure = std::move(reportFailure);
}

bool CView::DoPreparePrinting(CPrintInfo& info)
{
    if (info.m_bPreview)
        return true;
    if (!m_runner || !info.m_printer)
        return false;
    QPrintDialog dialog(info.m_printer, this);
    dialog.setMinMax(static_cast<int>(info.GetMinPage()), static_cast<int>(info.GetMaxPage()));
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    if (info.m_printer->printRange() == QPrinter::PageRange)
        info.SetRange(static_cast<unsigned>(info.m_printer->fromPage()),
                      static_cast<unsigned>(info.m_printer->toPage()));
    else
        info.SetRange(info.GetMinPage(), info.GetMaxPage());
    return true;
}

void CView::OnFilePrint()
{
    if (!m_printer)
        return;
    CPrintInfo info;
    info.m_printer = m_printer;
    if (!OnPreparePrinting(info))
        return;
    // A printer that cannot start (a PDF file that cannot be written, a queue that is gone)
    // is said so; the user would otherwise wait for a sheet that never comes.
    if (!PrintPages(*m_printer, info) && m_reportPrintFailure)
        m_reportPrintFailure();
}

void CView::OnFilePrintPreview()
{
    if (!m_printer || !m_runner)
        return;
    QPrintPreviewDialog dialog(m_printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
        CPrintInfo info;
        info.m_printer = printer;
        info.m_bPreview = true;
        if (OnPreparePrinting(info)) {
            info.SetRange(info.GetMinPage(), info.GetMaxPage());
            PrintPages(*printer, info);
        }
    });
    RunModal(dialog);
}

bool CView::PrintPages(QPrinter& printer, CPrintInfo& info)
{
    info.m_printer = &printer;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    OnBeginPrinting(painter, info);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    // A view may learn its page count only in OnBeginPrinting: the range ends there.
    const unsigned last = std::min(info.GetToPage(), info.GetMaxPage());
    bool first = true;
    for (info.m_nCurPage = std::max(info.GetFromPage(), info.GetMinPage()); info.m_nCurPage <= last;
         ++info.m_nCurPage) {
        OnPrepareDC(painter, info);
        if (!info.m_bContinuePrinting)
            break;
        if (!first)
            printer.newPage();
        first = false;
        info.m_rectDraw = QRect(QPoint(0, 0), page.size());
        painter.save();
        OnPrint(painter, info);
        painter.restore();
    }
    OnEndPrinting(painter, info);
    painter.end();
    return true;
}
