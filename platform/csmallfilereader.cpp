#include "platform/csmallfilereader.h"

#include <QFile>

namespace {

using Result = CSmallFileReader::Result;
using Status = CSmallFileReader::Status;
constexpr qint64 kMaxBytes = CSmallFileReader::kMaxBytes;

// Opens `path` and refuses it when it is too large; with `read` false a file that tells its
// size is not read at all.
Result Take(const QString& path, bool read)
{
    Result result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    if (!file.isSequential()) {
        if (file.size() > kMaxBytes) {
            result.status = Status::TooLarge;
            return result;
        }
        if (!read) {
            result.status = Status::Read;
            return result;
        }
    }
    // A device that tells no size, or a file that grows while it is read, is read no further
    // than one byte past the limit; a file that tells its size is read to one byte past it,
    // so that a small file takes no buffer of the limit's size.
    const qint64 told = file.isSequential() ? kMaxBytes : file.size();
    result.bytes = file.read(told + 1);
    if (result.bytes.size() > told && told < kMaxBytes)
        result.bytes += file.read(kMaxBytes + 1 - result.bytes.size()); // it grew
    if (file.error() != QFileDevice::NoError) {
        result.bytes.clear();
        result.error = file.errorString();
        return result;
    }
    if (result.bytes.size() > kMaxBytes) {
        result.bytes.clear();
        result.status = Status::TooLarge;
        return result;
    }
    result.status = Status::Read;
    return result;
}

} // namespace

CSmallFileReader::Result CSmallFileReader::Read(const QString& path)
{
    return Take(path, true);
}

CSmallFileReader::Status CSmallFileReader::Probe(const QString& path)
{
    return Take(path, false).status;
}
