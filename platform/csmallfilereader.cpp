#include "platform/csmallfilereader.h"

#include <QFile>

CSmallFileReader::Result CSmallFileReader::Read(const QString& path)
{
    Result result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    if (!file.isSequential() && file.size() > kMaxBytes) {
        result.status = Status::TooLarge;
        return result;
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
