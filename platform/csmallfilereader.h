// Reads one of the program's own files, a parameter file or a project file, whole. Both are
// small: a parameter file holds a few dozen lines, a project file a header and at most 32
// axis lines, some kB. A file far larger than that is refused before it is read, so that a
// wrong file handed over costs neither seconds nor memory.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class CSmallFileReader {
public:
    // Over a hundred times the largest real file; the message of a refusal names it as 1 MB.
    static constexpr qint64 kMaxBytes = 1024 * 1024;

    enum class Status { Read, Unreadable, TooLarge };

    struct Result {
        Status status = Status::Unreadable;
        QByteArray bytes;
        QString error; // the system's reason when the file could not be read
        bool IsRead() const { return status == Status::Read; }
        // Why the file was not read: the system's reason, or `tooLarge` for a refused one.
        QString Reason(const QString& tooLarge) const
        {
            return status == Status::TooLarge ? tooLarge : error;
        }
    };

    static Result Read(const QString& path);
    // Read's status for `path` as far as opening it and its size tell, for a check before the
    // file is read elsewhere: a file that tells its size is opened, not read.
    static Status Probe(const QString& path);
};
