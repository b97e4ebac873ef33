#include "platform/crecentfilelist.h"

#include "platform/cappsettings.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString EntryKey(int index)
{
    return QString::fromLatin1(CRecentFileList::kEntryFormat).arg(index + 1);
}

QString Section()
{
    return QString::fromLatin1(CRecentFileList::kSection);
}

} // namespace

bool CRecentFileList::SameFile(const QString& a, const QString& b)
{
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

void CRecentFileList::Add(const QString& path)
{
    if (path.isEmpty() || m_size <= 0)
        return;
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    for (int i = 0; i < m_paths.size(); ++i) {
        if (SameFile(m_paths[i], absolute)) {
            m_paths.removeAt(i);
            break;
        }
    }
    m_paths.prepend(absolute);
    while (m_paths.size() > m_size)
        m_paths.removeLast();
}

void CRecentFileList::Remove(int index)
{
    if (index >= 0 && index < m_paths.size())
        m_paths.removeAt(index);
}

void CRecentFileList::ReadList(const CAppSettings& settings)
{
    m_paths.clear();
    for (int i = 0; i < m_size; ++i) {
        const QString path = settings.GetProfileString(Section(), EntryKey(i), QString());
        if (!path.isEmpty())
            m_paths.append(path);
    }
}

void CRecentFileList::WriteList(CAppSettings& settings) const
{
    for (int i = 0; i < m_size; ++i)
        settings.WriteProfileString(Section(), EntryKey(i), m_paths.value(i));
}
