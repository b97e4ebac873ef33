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
    return m_file.isOpen() || m_file.open(QIODevice::WriteOnly);
}

bool CSaveFileWriter::Commit(const QByteArray& bytes)
{
    if (!Open())
        return false;
    // The flush is checked here because commit() does not check it reliably.
    const bool written = m_file.write(bytes) == bytes.size() && m_file.flush() &&
                         m_file.error() == QFileDevice::NoError;
    if (!written) {
        m_file.cancelWriting();
        return false;
    }
    return m_file.commit();
}

bool CSaveFileWriter::WriteFile(const QString& path, const QByteArray& bytes)
{
    CSaveFileWriter writer(path);
    return writer.Commit(bytes);
}
