#include "shell/cprojectlistdoc.h"

#include "platform/csmallfilereader.h"
#include "res/cstringids.h"
#include "shell/cprojectfile.h"

#include <QFileInfo>

bool CProjectListDoc::OnOpenDocument(const QString& path)
{
    const CSmallFileReader::Result file = CSmallFileReader::Read(path);
    if (!file.IsRead()) {
        SetOpenFailureReason(file.Reason(m_labels(CStringIds::kIdsTooLargeToOpen),
                                         m_labels(CStringIds::kIdsNotRegularFile)));
        return false;
    }
    m_arrAxisFiles.clear();
    m_arrAxisKeys.clear();
    const QList<CProjectFile::Line> lines =
        CProjectFile::Read(file.bytes, QFileInfo(path).absolutePath());
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
