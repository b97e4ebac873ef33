#include "platform/cseriallink.h"

namespace {

constexpr int kWriteTimeoutMs = 1000;

} // namespace

CSerialLink::CSerialLink(QObject* parent) : QObject(parent)
{
    connect(&m_port, &QSerialPort::errorOccurred, this, &CSerialLink::OnError);
}

bool CSerialLink::Open(const QString& portName, const QString& mode)
{
    if (m_port.isOpen())
        m_port.close();
    if (portName.isEmpty())
        return false;
    // The settings go on before the port opens, so that it starts with all of them and
    // reports them as it runs. Settings that cannot be read are left as the port has them;
    // the stage then simply does not answer, as it would at a wrong rate.
    const CSerialMode settings = CSerialMode::Parse(mode);
    m_port.setPortName(portName);
    if (settings.rate)
        m_port.setBaudRate(*settings.rate);
    if (settings.parity)
        m_port.setParity(*settings.parity);
    if (settings.dataBits)
        m_port.setDataBits(*settings.dataBits);
    if (settings.stopBits)
        m_port.setStopBits(*settings.stopBits);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    return m_port.open(QIODevice::ReadWrite);
}

void CSerialLink::Close()
{
    if (m_port.isOpen())
        m_port.close();
}

bool CSerialLink::IsOpen() const
{
    return m_port.isOpen();
}

std::optional<CSerialMode> CSerialLink::CurrentMode() const
{
    if (!m_port.isOpen())
        return std::nullopt;
    CSerialMode mode;
    mode.rate = m_port.baudRate();
    mode.parity = m_port.parity();
    mode.dataBits = m_port.dataBits();
    mode.stopBits = m_port.stopBits();
    return mode;
}

bool CSerialLink::ClearInput()
{
    return m_port.isOpen() && m_port.clear(QSerialPort::Input);
}

bool CSerialLink::Write(const QByteArray& bytes)
{
    if (!m_port.isOpen() || m_port.write(bytes) != bytes.size())
        return false;
    while (m_port.isOpen() && m_port.bytesToWrite() > 0) {
        if (!m_port.waitForBytesWritten(kWriteTimeoutMs))
            return false;
    }
    return m_port.isOpen();
}

qint64 CSerialLink::BytesWaiting()
{
    if (!m_port.isOpen())
        return 0;
    if (m_port.bytesAvailable() == 0)
        m_port.waitForReadyRead(0);
    return m_port.isOpen() ? m_port.bytesAvailable() : 0;
}

QByteArray CSerialLink::Read(qint64 maxBytes)
{
    return m_port.isOpen() ? m_port.read(maxBytes) : QByteArray();
}

bool CSerialLink::WaitForBytes(int milliseconds)
{
    if (!m_port.isOpen())
        return false;
    if (m_port.bytesAvailable() > 0)
        return true;
    return m_port.waitForReadyRead(qMax(0, milliseconds));
}

void CSerialLink::OnError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::ResourceError)
        m_port.close();
}
