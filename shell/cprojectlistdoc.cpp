#include "shell/cprojectlistdoc.h"

#include "shell/cprojectfile.h"

#include <QFile>
#include <QFileInfo>

bool CProjectListDoc::OnOpenDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SetOpenFailureReason(file.errorString());
        return false;
    }
    m_arrAxisFiles.clear();
    m_arrAxisKeys.clear();
    const QList<CProjectFile::Line> lines =
        CProjectFile::Read(file.readAll(), QFileInfo(path).absolutePath());
    for (const CProjectFile::Line& line : lines) {
        m_arrAxisFiles.append(line.path);
        m_arrAxisKeys.append(line.key);
    }
    SetModifiedFlag(false);
    return true;
}

bool CProjectListDoc::CanCloseFrame(CMdiChildFrame* frame)
{
    return !m_transferRunning && CDocument::CanCloseFrame(frame);
}
