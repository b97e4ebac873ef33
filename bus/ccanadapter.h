// The CAN interface card behind the bus port. Until the card layer exists the adapter
// reports that no card is there, so opening the bus on CAN fails cleanly.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

class CCanAdapter {
public:
    // Programs the card for a bit-rate index and starts it; always 1, read IsOk() after.
    int Start(int bitRateIndex);
    // Sends "AA" + command as a CAN frame and returns the reply text, "TIMEOUT", or an
    // empty text for a command that has no CAN form.
    QString Transact(const QByteArray& text);

    bool IsOk() const { return m_ok != 0; }

    std::uint32_t m_replyTimeout = 1000;

private:
    int m_ok = 0;
};
