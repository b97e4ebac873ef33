// The one connection to the power stages: a serial port (text frames, optional checksum)
// or the CAN card. Every command to an axis goes through Transact: one command to one bus
// address, one reply back, with a time-out measured from the last byte received.
#pragma once

#include "bus/ccanadapter.h"
#include "bus/creplytimeouts.h"
#include "platform/cseriallink.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

class CBusPortHost;

class CBusPort {
public:
    static constexpr std::uint32_t kDefaultTimeout = CReplyTimeouts::kDefault;

    explicit CBusPort(CBusPortHost& host);
    ~CBusPort();
    CBusPort(const CBusPort&) = delete;
    CBusPort& operator=(const CBusPort&) = delete;

    // Opens the link when it is closed and closes it when it is open. Name and settings
    // are kept also when the call closes.
    bool OpenOrClose(const QString& portName, const QString& settings, bool showErrors);

    // Sends `command` to `address` ("%X" of the bus address, or "Off" for no axis) and
    // puts the data of the answer into `reply`. False: no answer, wrong checksum, or the
    // port is closed.
    bool Transact(QString address, QByteArray command, QString* reply, bool showErrors);
    // The same for a command that waits `timeoutMs` for its reply (CReplyTimeouts); the
    // port holds the default time-out again afterwards, whatever the result.
    bool Transact(QString address, QByteArray command, QString* reply, bool showErrors,
                  std::uint32_t timeoutMs);
    // Whether `command` to `address` fits on the wire: a serial frame holds 1023 bytes,
    // the CAN adapter takes 99 characters of address and command. Transact refuses a
    // longer one without a message, so a caller that sends what the user typed asks first.
    bool CommandFits(const QString& address, const QByteArray& command) const;

    bool IsOpen() const { return m_open; }
    // Forgets an open CAN connection (it has no close step) so that the serial port can be
    // probed while the CAN interface is configured.
    void MarkClosed() { m_open = false; }
    // The line settings of the open serial port; nothing when it is closed or on CAN.
    std::optional<CSerialMode> GetCommState() const;
    const QString& PortName() const { return m_portName; }
    const QString& Settings() const { return m_settings; }
    CCanAdapter& CanAdapter() { return m_canAdapter; }

    // Set and read directly by the shell and the pages.
    std::uint32_t m_replyTimeout = kDefaultTimeout;
    bool m_noAnswer = false;
    bool m_twoByteAddress = false;
    bool m_listen = false;
    std::uint32_t m_checksum = 0;
    std::uint32_t m_canBitRateIndex = 3;
    std::uint32_t m_interfaceType = 0; // 0 serial, 1 CAN

private:
    enum class Wait { Complete, ListenEnded, ListenText, TimedOut, Overlong, PortLost };

    bool OpenSerial(bool showErrors);
    bool OpenCan();
    bool TransactSerial(const QString& address, const QByteArray& command, QString* reply,
                        bool showErrors);
    bool TransactCan(const QString& address, const QByteArray& command, QString* reply,
                     bool showErrors);
    QByteArray SerialAddress(const QString& address) const;
    static QByteArray CanBody(const QString& address, const QByteArray& command);
    Wait ReceiveReply(QByteArray& received);
    bool SerialIsOpen();
    bool ReportClosed();

    CBusPortHost& m_host;
    CSerialLink m_link;
    CCanAdapter m_canAdapter;
    bool m_open = false;
    QString m_portName;
    QString m_settings;
};
