#include "platform/csmallfilereader.h"

#include <QFile>

namespace {

using Result = CSmallFileReader::Result;
using Status = CSmallFileReader::Status;
constexpr qint64 kMaxBytes = CSmallFileReader::kMaxBytes;

// Opens `path` and refuses it when it is too large; with `wanted` false a file that tells its
// size is not read at all.
Result Take(const QString& path, bool wanted)
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
        if (!wanted) {
            result.status = Status::Read;
            return result;
        }
    }
    // A device that tells no size, or a file that grows while it is read, is read no further
    // than one byte past the limit.
    result.bytes = file.read(kMaxBytes + 1);
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
