#include "platform/csavefilewriter.h"

CSaveFileWriter::CSaveFileWriter(const QString& path) : m_file(path) {}

CSaveFileWriter::~CSaveFileWriter()
{
    // A writer that never committed must not leave a half file behind, nor replace the
    // target with one.
    if (m_file.isOpen())
        m_file.cancelWriting();
}

bool CSaveFileWriter::Open()
{
    return m_file.isOpen() || m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || Fail();
}

bool CSaveFileWriter::Commit(const QByteArray& bytes)
{
    if (!Open())
        return false;
    // A write that stops short (a full disk) records no reason; the next one, which fails,
    // records the system's. Unbuffered, every write reaches the file here, not in commit(),
    // which does not check its flush reliably.
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 wrote = m_file.write(bytes.constData() + done, bytes.size() - done);
        if (wrote <= 0)
            break;
        done += wrote;
    }
    const bool written =
        done == bytes.size() && m_file.flush() && m_file.error() == QFileDevice::NoError;
    if (!written) {
        Fail();
        m_file.cancelWriting();
        return false;
    }
    return m_file.commit() || Fail();
}

bool CSaveFileWriter::Fail()
{
    // Without an error recorded, Qt's text would be "Unknown error".
    m_error = m_file.error() != QFileDevice::NoError ? m_file.errorString() : QString();
    return false;
}

bool CSaveFileWriter::WriteFile(const QString& path, const QByteArray& bytes, QString* error)
{
    CSaveFileWriter writer(path);
    const bool written = writer.Commit(bytes);
    if (!written && error)
        *error = writer.ErrorString();
    return written;
}
