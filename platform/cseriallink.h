// One serial port used without an event loop: the bus port opens it with a mode string,
// clears its input, writes a frame and waits for the answer bytes with a time limit.
// A port that reports a resource error (adapter unplugged) closes itself.
#pragma once

#include "platform/cserialmode.h"

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

class CSerialLink : public QObject {
    Q_OBJECT
public:
    explicit CSerialLink(QObject* parent = nullptr);

    // Opens the port by name ("ttyS0", "COM1" or a full device path) for reading and
    // writing and applies the settings that `mode` gives (see CSerialMode).
    bool Open(const QString& portName, const QString& mode);
    void Close();
    bool IsOpen() const;
    // The settings the open port runs with; nothing when it is closed.
    std::optional<CSerialMode> CurrentMode() const;

    bool ClearInput();
    bool Write(const QByteArray& bytes);

    // Bytes that can be read now; looks at the driver without waiting.
    qint64 BytesWaiting();
    QByteArray Read(qint64 maxBytes);

    // Blocks until more bytes arrive or `milliseconds` pass; false when none came.
    bool WaitForBytes(int milliseconds);

private:
    void OnError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
};
