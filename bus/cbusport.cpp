#include "bus/cbusport.h"

#include "bus/cbusframe.h"
#include "bus/cbusporthost.h"
#include "platform/cansitext.h"
#include "platform/cmessageboxstyle.h"
#include "platform/ctickclock.h"
#include "res/cbusaddress.h"
#include "res/cstringids.h"

#include <utility>

namespace {

const QString kCanNotReady = QStringLiteral("CAN Contoller konnte nicht angesprochen werden!");
const QString kWrongChecksum = QStringLiteral("Wrong Checksum!");
const QString kCanTimeout = QStringLiteral("TIMEOUT");

// At most this much is taken from the driver per pass; the rest waits for the next pass.
constexpr qint64 kReadChunk = 4095;
// The CAN adapter works on a 100-character buffer.
constexpr qsizetype kMaxCanBody = 99;
// While listening, the window is served at least this often.
constexpr int kListenPumpMs = 10;

} // namespace

CBusPort::CBusPort(CBusPortHost& host) : m_host(host) {}

CBusPort::~CBusPort()
{
    m_link.Close();
}

bool CBusPort::OpenOrClose(const QString& portName, const QString& settings, bool showErrors)
{
    m_portName = portName;
    m_settings = settings;
    switch (m_interface) {
    case BusInterface::Serial:
        return OpenSerial(showErrors);
    case BusInterface::Can:
        return OpenCan();
    }
    return true;
}

bool CBusPort::OpenSerial(bool showErrors)
{
    if (m_open) {
        m_link.Close();
        m_open = false;
        return true;
    }
    if (!m_link.Open(m_portName, m_settings)) {
        if (showErrors)
            m_host.ShowMessage(m_host.LoadResString(CStringIds::kIdsCannotOpen), MbOk);
        return false;
    }
    m_open = true;
    return true;
}

bool CBusPort::OpenCan()
{
    // The link may have been serial before the interface was switched.
    m_link.Close();
    m_canAdapter.Start(m_canBitRate);
    m_open = m_canAdapter.IsOk();
    if (!m_open)
        m_host.ShowMessage(kCanNotReady, MbOk | MbIconError);
    return m_open;
}

std::optional<CSerialMode> CBusPort::GetCommState() const
{
    if (!m_open || m_interface != BusInterface::Serial)
        return std::nullopt;
    return m_link.CurrentMode();
}

bool CBusPort::Transact(QString address, QByteArray command, QString* reply, bool showErrors)
{
    if (m_interface == BusInterface::Can)
        return TransactCan(address, command, reply, showErrors);
    return TransactSerial(address, command, reply, showErrors);
}

bool CBusPort::Transact(QString address, QByteArray command, QString* reply, bool showErrors,
                        std::uint32_t timeoutMs)
{
    const TimeoutScope ownTimeout(*this, timeoutMs);
    return Transact(std::move(address), std::move(command), reply, showErrors);
}

CBusPort::TimeoutScope::TimeoutScope(CBusPort& port, std::uint32_t timeoutMs) : m_port(port)
{
    m_port.m_replyTimeout = timeoutMs;
}

CBusPort::TimeoutScope::~TimeoutScope()
{
    if (!m_keep)
        m_port.m_replyTimeout = kDefaultTimeout;
}

bool CBusPort::CommandFits(const QString& address, const QByteArray& command) const
{
    if (m_interface == BusInterface::Can)
        return CanBody(address, command).size() <= kMaxCanBody;
    return CBusFrame::Build(SerialAddress(address), command, m_checksum).has_value();
}

QByteArray CBusPort::SerialAddress(const QString& address) const
{
    return CBusFrame::AddressForm(CAnsiText::FromUnicode(address), m_twoByteAddress);
}

QByteArray CBusPort::CanBody(const QString& address, const QByteArray& command)
{
    // The CAN translation reads two address digits, so the address goes in that form
    // whatever the address width of the serial bus is.
    return CBusFrame::AddressForm(CAnsiText::FromUnicode(address), true) + command;
}

bool CBusPort::SerialIsOpen()
{
    // An adapter that was unplugged closes its port; the bus port follows, and the program
    // learns that its port is closed now.
    if (m_open && !m_link.IsOpen()) {
        m_open = false;
        m_host.OnPortLost();
    }
    return m_open;
}

bool CBusPort::ReportClosed()
{
    m_host.ShowMessage(m_host.LoadResString(CStringIds::kIdsCannotOpen), MbOk);
    return false;
}

bool CBusPort::TransactSerial(const QString& address, const QByteArray& command, QString* reply,
                              bool showErrors)
{
    if (!SerialIsOpen())
        return address == CBusAddress::kOff ? false : ReportClosed();
    if (address == CBusAddress::kOff)
        return true;

    const std::optional<QByteArray> frame =
        CBusFrame::Build(SerialAddress(address), command, m_checksum);
    if (!frame)
        return false;

    const bool listenAtStart = m_listen;
    if (!listenAtStart) {
        // A purge or a write can fail because the adapter has gone: the port has closed
        // itself then, and says so as a closed port does.
        if (!m_link.ClearInput() || !m_link.Write(*frame)) {
            SerialIsOpen();
            return m_open ? false : ReportClosed();
        }
    }
    if (frame->contains("Z#"))
        return true;

    QByteArray received;
    for (bool answered = false; !answered;) {
        switch (ReceiveReply(received)) {
        case Wait::ListenEnded:
            return true;
        case Wait::ListenText:
            if (reply)
                *reply = CAnsiText::ToUnicode(received);
            return true;
        case Wait::TimedOut:
        case Wait::Overlong:
            if (showErrors)
                m_host.ShowMessage(m_host.LoadResString(CStringIds::kIdsTimeout), MbOk);
            m_noAnswer = true;
            return false;
        case Wait::PortLost:
            return ReportClosed();
        case Wait::Complete:
            break;
        }
        // A stage that answered an earlier command after its time-out had run out, past the
        // purge before this one, would be taken for this address's answer (a search would
        // list it under another address's number and type): its frame is dropped, and the
        // wait goes on for this address's own.
        const qsizetype firstEnd = received.indexOf(CBusFrame::kEtx) + 1;
        answered = !CBusFrame::FromOtherAddress(received.left(firstEnd), SerialAddress(address),
                                                m_twoByteAddress);
        if (!answered)
            received.remove(0, firstEnd);
    }

    const CBusFrame::Reply parsed = CBusFrame::Parse(received, m_twoByteAddress, m_checksum);
    if (reply)
        *reply = CAnsiText::ToUnicode(parsed.data);
    if (!parsed.checksumOk) {
        m_host.ShowMessage(kWrongChecksum, MbOk);
        return false;
    }
    m_noAnswer = false;
    return true;
}

CBusPort::Wait CBusPort::ReceiveReply(QByteArray& received)
{
    const bool listenAtStart = m_listen;
    std::int64_t deadline = CTickClock::Now() + m_replyTimeout;
    for (;;) {
        if (!SerialIsOpen())
            return Wait::PortLost;
        if (m_link.BytesWaiting() > 0) {
            // Every piece that arrives gives the stage the full time-out again.
            deadline = CTickClock::Now() + m_replyTimeout;
            // A reply is taken one byte past the longest frame at most; what stays in the
            // driver is cleared before the next command.
            const qint64 room =
                m_listen ? kReadChunk : CBusFrame::kMaxFrameLength + 1 - received.size();
            received += m_link.Read(qMin(kReadChunk, room));
        }
        if (listenAtStart && !m_listen)
            return Wait::ListenEnded;
        if (m_listen) {
            if (!received.isEmpty())
                return Wait::ListenText;
            m_host.PumpPendingMessages();
            m_link.WaitForBytes(kListenPumpMs);
            continue;
        }
        const std::int64_t now = CTickClock::Now();
        if (now > deadline)
            return Wait::TimedOut;
        // A device that keeps sending without ETX would otherwise hold the transaction open
        // for ever, each piece restarting the time-out.
        if (received.size() > CBusFrame::kMaxFrameLength)
            return Wait::Overlong;
        if (!received.isEmpty() && received.endsWith(CBusFrame::kEtx))
            return Wait::Complete;
        // Sleep in the driver until more bytes come or the time-out has run out.
        m_link.WaitForBytes(static_cast<int>(deadline - now) + 1);
    }
}

bool CBusPort::TransactCan(const QString& address, const QByteArray& command, QString* reply,
                           bool showErrors)
{
    if (address == CBusAddress::kOff)
        return true;
    m_canAdapter.m_replyTimeout = m_replyTimeout;
    const QByteArray body = CanBody(address, command);
    if (body.size() > kMaxCanBody)
        return false;
    const QString answer = m_canAdapter.Transact(body);
    if (answer == kCanTimeout) {
        if (showErrors)
            m_host.ShowMessage(m_host.LoadResString(CStringIds::kIdsTimeout), MbOk);
        m_noAnswer = true;
        if (reply)
            reply->clear();
        return false;
    }
    if (reply)
        *reply = answer.mid(2);
    m_noAnswer = false;
    return true;
}
