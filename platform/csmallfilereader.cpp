#include "platform/csmallfilereader.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using Result = CSmallFileReader::Result;
using Status = CSmallFileReader::Status;
constexpr qint64 kMaxBytes = CSmallFileReader::kMaxBytes;

// Opens `path` into `file` when it is a regular file; otherwise the status says why not, and
// `error` holds the system's reason where there is one.
Status OpenRegular(const QString& path, QFile& file, QString& error)
{
#ifdef Q_OS_UNIX
    // Without O_NONBLOCK, opening a named pipe waits for a writer; with it, nothing waits.
    // O_NOCTTY keeps a terminal from becoming the program's own.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = qt_error_string(errno);
        return Status::Unreadable;
    }
    struct stat info = {};
    const bool known = ::fstat(fd, &info) == 0;
    const int statError = errno;
    if (!known || !S_ISREG(info.st_mode)) {
        ::close(fd);
        if (known)
            return Status::NotRegular;
        error = qt_error_string(statError);
        return Status::Unreadable;
    }
    // A regular file's reads never wait, so the flag may stay. The file closes the handle.
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        error = file.errorString();
        return Status::Unreadable;
    }
    return Status::Read;
#else
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return Status::Unreadable;
    }
    return file.isSequential() ? Status::NotRegular : Status::Read;
#endif
}

// Opens `path` and refuses it when it is no regular file or too large; with `read` false the
// file is not read at all.
Result Take(const QString& path, bool read)
{
    Result result;
    QFile file;
    result.status = OpenRegular(path, file, result.error);
    if (result.status != Status::Read)
        return result;
    if (file.size() > kMaxBytes) {
        result.status = Status::TooLarge;
        return result;
    }
    if (!read)
        return result;
    // A file is read to one byte past the size it tells, so that a small file takes no
    // buffer of the limit's size; one that grows while it is read (or a system file that
    // tells no size) is read on, no further than one byte past the limit.
    const qint64 told = file.size();
    result.bytes = file.read(told + 1);
    if (result.bytes.size() > told && told < kMaxBytes)
        result.bytes += file.read(kMaxBytes + 1 - result.bytes.size()); // it grew
    if (file.error() != QFileDevice::NoError) {
        result.bytes.clear();
        result.error = file.errorString();
        result.status = Status::Unreadable;
        return result;
    }
    if (result.bytes.size() > kMaxBytes) {
        result.bytes.clear();
        result.status = Status::TooLarge;
    }
    return result;
}

} // namespace

QString CSmallFileReader::Result::Reason(const QString& tooLarge, const QString& notRegular) const
{
    switch (status) {
    case Status::TooLarge:
        return tooLarge;
    case Status::NotRegular:
        return notRegular;
    case Status::Read:
    case Status::Unreadable:
        break;
    }
    return error;
}

CSmallFileReader::Result CSmallFileReader::Read(const QString& path)
{
    return Take(path, true);
}

CSmallFileReader::Status CSmallFileReader::Probe(const QString& path)
{
    return Take(path, false).status;
}
