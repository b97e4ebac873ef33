// The one connection to the power stages: a serial port (text frames, optional checksum)
// or the CAN card. Every command to an axis goes through Transact: one command to one bus
// address, one reply back, with a time-out measured from the last byte received.
#pragma once

#include "bus/businterface.h"
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

    // The serial port or the CAN card: what the next OpenOrClose opens and what Transact
    // talks through.
    BusInterface Interface() const { return m_interface; }
    void SetInterface(BusInterface way) { m_interface = way; }
    // The CAN card's rate, an index into CCanAdapter's table, programmed by the next
    // OpenOrClose on CAN.
    int CanBitRate() const { return m_canBitRate; }
    void SetCanBitRate(int index) { m_canBitRate = index; }
    // Addresses travel as two hex digits (32 axes) instead of one (16).
    bool TwoByteAddress() const { return m_twoByteAddress; }
    void SetTwoByteAddress(bool twoByte) { m_twoByteAddress = twoByte; }
    // Frames carry ":" and a two-digit XOR checksum.
    bool Checksum() const { return m_checksum; }
    void SetChecksum(bool on) { m_checksum = on; }

    // How long Transact waits for the next byte of a reply.
    std::uint32_t ReplyTimeout() const { return m_replyTimeout; }
    // The time-out that every later command without one of its own waits, left in place
    // after the run that sets it: the monitor's and the baud-rate search's, and the
    // default again where a run that left a short one is undone.
    void SetLastingTimeout(std::uint32_t timeoutMs) { m_replyTimeout = timeoutMs; }

    // For the length of a caller's work: the port waits `timeoutMs` for each reply, and on
    // every way out of the scope it waits the default again, as after a command with a
    // time-out of its own, unless the work keeps its time-out for later commands.
    class TimeoutScope {
    public:
        TimeoutScope(CBusPort& port, std::uint32_t timeoutMs);
        ~TimeoutScope();
        TimeoutScope(const TimeoutScope&) = delete;
        TimeoutScope& operator=(const TimeoutScope&) = delete;

        // The work's time-out stays when the scope ends.
        void Keep() { m_keep = true; }

    private:
        CBusPort& m_port;
        bool m_keep = false;
    };

    // The last command found no answer in time; a good reply clears it.
    bool NoAnswer() const { return m_noAnswer; }
    // A new start that must not count an earlier unanswered command.
    void ForgetNoAnswer() { m_noAnswer = false; }

    // Listen mode: Transact sends nothing and returns whatever text arrives, with no
    // deadline, until StopListening (the monitor's test stream). A transaction that
    // listens when it is stopped returns at once.
    bool IsListening() const { return m_listen; }
    void StartListening() { m_listen = true; }
    void StopListening() { m_listen = false; }

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
    BusInterface m_interface = BusInterface::Serial;
    int m_canBitRate = 3;
    bool m_twoByteAddress = false;
    bool m_checksum = false;
    std::uint32_t m_replyTimeout = kDefaultTimeout;
    bool m_noAnswer = false;
    bool m_listen = false;
};
