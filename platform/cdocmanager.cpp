#include "platform/cdocmanager.h"

#include "platform/cappsettings.h"
#include "platform/cdocument.h"
#include "platform/cdoctemplate.h"
#include "platform/cmessageboxservice.h"
#include "platform/cmdichildframe.h"
#include "platform/cmodalrunner.h"
#include "platform/cview.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QPrinter>
#include <QScopedValueRollback>

CDocManager::CDocManager(CAppSettings& settings, CModalRunner& runner)
    : m_settings(settings), m_runner(runner)
{
}

CDocManager::~CDocManager() = default;

void CDocManager::AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate)
{
    docTemplate->m_manager = this;
    m_templates.push_back(std::move(docTemplate));
}

CDocTemplate* CDocManager::FindTemplate(int resourceId) const
{
    for (const auto& docTemplate : m_templates) {
        if (docTemplate->ResourceId() == resourceId)
            return docTemplate.get();
    }
    return nullptr;
}

CDocTemplate* CDocManager::FindTemplateByDocName(const QString& docName) const
{
    for (const auto& docTemplate : m_templates) {
        if (docTemplate->GetDocString(CDocTemplate::docName) == docName)
            return docTemplate.get();
    }
    return nullptr;
}

void CDocManager::SetMdiArea(QMdiArea* area)
{
    if (m_area)
        disconnect(m_area, nullptr, this, nullptr);
    m_area = area;
    if (m_area)
        connect(m_area, &QMdiArea::subWindowActivated, this, &CDocManager::OnSubWindowActivated);
}

QPrinter& CDocManager::Printer()
{
    // Printouts are laid out in the printer's own pixels, as a printer device context has
    // them, not in screen pixels.
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void CDocManager::ReportFailure(Failure failure, const QString& path, const QString& reason) const
{
    if (m_reporter)
        m_reporter(failure, path, reason);
}

CDocument* CDocManager::OpenDocumentFile(const QString& path)
{
    if (m_templates.empty() || path.isEmpty())
        return nullptr;
    if (CDocument* open = FindOpenDocument(path)) {
        if (!open->Frames().isEmpty() && m_area)
            m_area->setActiveSubWindow(open->Frames().first());
        return open;
    }
    CDocTemplate* chosen = m_templates.front().get();
    for (const auto& docTemplate : m_templates) {
        if (docTemplate->MatchesExtension(path)) {
            chosen = docTemplate.get();
            break;
        }
    }
    return chosen->OpenDocumentFile(path);
}

CDocument* CDocManager::FindOpenDocument(const QString& path) const
{
    const QString wanted = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    for (const auto& docTemplate : m_templates) {
        for (const auto& document : docTemplate->Documents()) {
            if (!document->GetPathName().isEmpty() && document->GetPathName() == wanted)
                return document.get();
        }
    }
    return nullptr;
}

CMdiChildFrame* CDocManager::ActiveFrame() const
{
    return m_area ? qobject_cast<CMdiChildFrame*>(m_area->activeSubWindow()) : nullptr;
}

CDocument* CDocManager::ActiveDocument() const
{
    CMdiChildFrame* frame = ActiveFrame();
    return frame ? frame->GetActiveDocument() : nullptr;
}

bool CDocManager::CloseAllDocuments()
{
    if (!m_area)
        return true;
    if (!SaveAllModified())
        return false;
    QList<QPointer<QMdiSubWindow>> windows;
    for (QMdiSubWindow* window : m_area->subWindowList())
        windows.append(window);
    return CloseAnswered(windows);
}

bool CDocManager::CloseDocument(CDocument& document)
{
    if (!document.SaveModified())
        return false;
    QList<QPointer<QMdiSubWindow>> windows;
    for (CMdiChildFrame* frame : document.Frames())
        windows.append(frame);
    return CloseAnswered(windows);
}

bool CDocManager::CloseAnswered(const QList<QPointer<QMdiSubWindow>>& windows)
{
    // A "No" stands for the whole close: the windows go without a second question.
    const QScopedValueRollback answered(m_closingAnswered, true);
    for (const QPointer<QMdiSubWindow>& window : windows) {
        // close() leaves the deletion to the event loop: the command that closes may be
        // running from a menu of the window that goes.
        if (window && !window->close())
            return false;
    }
    return true;
}

void CDocManager::DeleteAllDocuments()
{
    if (!m_area)
        return;
    // Deleting a frame may end its document and with it further frames: look each up anew.
    QList<QPointer<QMdiSubWindow>> windows;
    for (QMdiSubWindow* window : m_area->subWindowList())
        windows.append(window);
    for (const QPointer<QMdiSubWindow>& window : windows)
        delete window.data();
}

bool CDocManager::SaveModified(CDocument& document)
{
    if (!document.IsModified() || m_closingAnswered)
        return true;
    if (!m_savePrompt)
        return true;
    switch (m_savePrompt(document.GetTitle())) {
    case IdYes:
        return document.DoFileSave();
    case IdNo:
        return true;
    default:
        return false;
    }
}

bool CDocManager::SaveAllModified()
{
    if (!m_area)
        return true;
    QList<QPointer<CDocument>> documents;
    for (QMdiSubWindow* window : m_area->subWindowList()) {
        auto* frame = qobject_cast<CMdiChildFrame*>(window);
        CDocument* document = frame ? frame->GetActiveDocument() : nullptr;
        if (document && !documents.contains(document))
            documents.append(document);
    }
    for (const QPointer<CDocument>& document : documents) {
        if (document && !SaveModified(*document))
            return false;
    }
    return true;
}

QStringList CDocManager::NameFilters(CDocTemplate* docTemplate) const
{
    QStringList filters;
    for (const auto& each : m_templates) {
        if (!docTemplate || each.get() == docTemplate)
            filters.append(each->GetDocString(CDocTemplate::filterName));
    }
    filters.removeAll(QString());
    return filters;
}

bool CDocManager::PromptFileName(QString& path, bool open, CDocTemplate* docTemplate,
                                 const QString& proposal)
{
    QString suffix;
    if (docTemplate)
        suffix = docTemplate->GetDocString(CDocTemplate::filterExt).remove(0, 1);
    return PromptFileName(path, open, NameFilters(docTemplate), suffix, proposal);
}

bool CDocManager::PromptFileName(QString& path, bool open, const QStringList& filters,
                                 const QString& defaultSuffix, const QString& proposal)
{
    QFileDialog dialog(m_area ? m_area->window() : nullptr);
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    if (!defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(defaultSuffix);
    if (!proposal.isEmpty())
        dialog.selectFile(proposal);
    if (m_runner.Run(dialog) != QDialog::Accepted)
        return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return false;
    path = chosen.first();
    return true;
}

void CDocManager::LoadRecentFiles()
{
    m_recentFiles.ReadList(m_settings);
    emit recentFilesChanged();
}

void CDocManager::AddToRecentFileList(const QString& path)
{
    m_recentFiles.Add(path);
    m_recentFiles.WriteList(m_settings);
    emit recentFilesChanged();
}

void CDocManager::RemoveRecentFile(int index)
{
    m_recentFiles.Remove(index);
    m_recentFiles.WriteList(m_settings);
    emit recentFilesChanged();
}

void CDocManager::ForgetFrame(CMdiChildFrame* frame)
{
    if (m_activeFrame == frame)
        m_activeFrame = nullptr;
}

void CDocManager::OnSubWindowActivated(QMdiSubWindow* window)
{
    auto* frame = qobject_cast<CMdiChildFrame*>(window);
    if (frame && frame == m_activeFrame)
        return;
    if (m_activeFrame) {
        if (CView* view = m_activeFrame->GetActiveView())
            view->OnActivateView(false);
    }
    m_activeFrame = frame;
    if (frame) {
        if (CView* view = frame->GetActiveView())
            view->OnActivateView(true);
    }
    emit activeFrameChanged(frame);
}
