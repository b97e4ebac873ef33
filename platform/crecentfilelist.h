// The list of the files opened last, newest first, kept in the settings under
// "Recent File List" as "File1" .. "FileN" so that it survives the run.
#pragma once

#include <QString>
#include <QStringList>

class CAppSettings;

class CRecentFileList {
public:
    static constexpr const char* kSection = "Recent File List";
    static constexpr const char* kEntryFormat = "File%1";

    explicit CRecentFileList(int size = 4) : m_size(size) {}

    int Size() const { return m_size; }
    int Count() const { return static_cast<int>(m_paths.size()); }
    bool IsEmpty() const { return m_paths.isEmpty(); }
    // Entry `index` (0 newest); empty outside the list.
    QString At(int index) const { return m_paths.value(index); }
    const QStringList& Entries() const { return m_paths; }

    // Puts `path` at the front; an entry for the same file moves there, the oldest entry
    // drops out when the list is full.
    void Add(const QString& path);
    void Remove(int index);

    void ReadList(const CAppSettings& settings);
    void WriteList(CAppSettings& settings) const;

private:
    static bool SameFile(const QString& a, const QString& b);

    int m_size;
    QStringList m_paths;
};
