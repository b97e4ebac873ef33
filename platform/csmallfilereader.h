// Reads one of the program's own files, a parameter file, a project file or the macro file,
// whole. All are small: a parameter file holds a few dozen lines, a project file a header and
// at most 32 axis lines, some kB. A file far larger than that is refused before it is read,
// so that a wrong file handed over costs neither seconds nor memory.
//
// Only a regular file is read (a link to one is followed). A named pipe would hold the
// program in its open until some other program writes to it, and a device or a socket may
// never end: they are refused, without waiting, from what was opened rather than from a look
// at the path beforehand, which another program could change in between.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class CSmallFileReader {
public:
    // Over a hundred times the largest real file; the message of a refusal names it as 1 MB.
    static constexpr qint64 kMaxBytes = 1024 * 1024;

    enum class Status { Read, Unreadable, NotRegular, TooLarge };

    struct Result {
        Status status = Status::Unreadable;
        QByteArray bytes;
        QString error; // the system's reason when the file could not be read
        bool IsRead() const { return status == Status::Read; }
        // Why the file was not read: the system's reason, or the caller's text for a refused
        // one.
        QString Reason(const QString& tooLarge, const QString& notRegular) const;
    };

    static Result Read(const QString& path);
    // Read's status for `path` as far as opening it and its size tell, for a check before the
    // file is read elsewhere: the file is opened, not read.
    static Status Probe(const QString& path);
};
