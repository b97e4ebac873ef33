#include "platform/cdocument.h"

#include "platform/cdocmanager.h"
#include "platform/cdoctemplate.h"
#include "platform/cmdichildframe.h"

#include <QDir>
#include <QFileInfo>

CDocument::CDocument() = default;

CDocument::~CDocument() = default;

void CDocument::SetTitle(const QString& title)
{
    m_title = title;
    emit titleChanged(m_title);
}

void CDocument::SetPathName(const QString& path, bool addToRecentFiles)
{
    const QFileInfo info(path);
    m_pathName = QDir::cleanPath(info.absoluteFilePath());
    SetTitle(info.fileName());
    if (addToRecentFiles && m_template && m_template->Manager())
        m_template->Manager()->AddToRecentFileList(m_pathName);
}

bool CDocument::OnNewDocument()
{
    m_pathName.clear();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const QString& /*path*/)
{
    return false;
}

bool CDocument::OnSaveDocument(const QString& path)
{
    (void)path;
    return false;
}

bool CDocument::CanCloseFrame(CMdiChildFrame* frame)
{
    (void)frame;
    // Other frames keep the document open; only the last one asks.
    return m_frames.size() > 1 || SaveModified();
}

bool CDocument::SaveModified()
{
    CDocManager* manager = m_template ? m_template->Manager() : nullptr;
    return !manager || manager->SaveModified(*this);
}

bool CDocument::DoFileSave()
{
    return DoSave(m_pathName, true);
}

bool CDocument::DoSave(const QString& path, bool replace)
{
    CDocManager* manager = m_template ? m_template->Manager() : nullptr;
    QString target = path;
    if (target.isEmpty()) {
        if (!manager || !manager->PromptFileName(target, false, m_template, m_title))
            return false;
    }
    if (!OnSaveDocument(target)) {
        if (manager)
            manager->ReportFailure(CDocManager::Failure::Save, target, m_saveFailureReason);
        return false;
    }
    if (replace)
        SetPathName(target);
    SetModifiedFlag(false);
    return true;
}

CView* CDocument::FirstView() const
{
    return m_frames.isEmpty() ? nullptr : m_frames.first()->GetActiveView();
}

void CDocument::AddFrame(CMdiChildFrame* frame)
{
    if (!m_frames.contains(frame))
        m_frames.append(frame);
}

void CDocument::RemoveFrame(CMdiChildFrame* frame)
{
    m_frames.removeAll(frame);
    if (m_template && m_template->Manager())
        m_template->Manager()->ForgetFrame(frame);
    if (m_frames.isEmpty() && m_template)
        m_template->RemoveDocument(this); // deletes this document
}
