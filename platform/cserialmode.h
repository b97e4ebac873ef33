// Serial line settings written as the program stores them: "9600, n, 8, 1" (rate, parity
// letter, data bits, stop bits). Fields may be left off from the right; what is missing or
// unreadable is simply not given, and the port keeps its own value for it.
#pragma once

#include <QSerialPort>
#include <QString>

#include <optional>

struct CSerialMode {
    std::optional<qint32> rate;
    std::optional<QSerialPort::Parity> parity;
    std::optional<QSerialPort::DataBits> dataBits;
    std::optional<QSerialPort::StopBits> stopBits;

    // False when a field that is present cannot be read; the fields read before it are kept.
    bool valid = true;

    static CSerialMode Parse(const QString& text);
};
