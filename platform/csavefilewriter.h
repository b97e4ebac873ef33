// Writes a whole file or nothing. The bytes go to a temporary file beside the target, which
// replaces the target only when every byte is known to have reached the disk; on any failure
// the target stays as it was, byte for byte, and the caller hears of it, with the system's
// reason.
//
// Every file the program writes goes through here. QSaveFile::commit() alone is not enough:
// in Qt 6.4 it reports success when the write was only buffered and the final flush failed
// (a full disk, a file-size limit), and then puts an empty file in the target's place.
#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

class CSaveFileWriter {
public:
    explicit CSaveFileWriter(const QString& path);
    ~CSaveFileWriter();
    CSaveFileWriter(const CSaveFileWriter&) = delete;
    CSaveFileWriter& operator=(const CSaveFileWriter&) = delete;

    // Makes the temporary file ready; false when the target's folder cannot take it. A
    // writer that is opened and then dropped without Commit leaves the target untouched.
    bool Open();
    // Writes `bytes`, flushes, and replaces the target; false (and the target unchanged)
    // when any step fails.
    bool Commit(const QByteArray& bytes);

    // Why the last Open or Commit failed, as the system put it; empty while none failed.
    const QString& ErrorString() const { return m_error; }

    // Open and Commit in one step; on failure `error`, when given, takes the reason.
    static bool WriteFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

private:
    bool Fail();

    QSaveFile m_file;
    QString m_error;
};
