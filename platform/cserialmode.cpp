#include "platform/cserialmode.h"

#include <QStringList>

namespace {

std::optional<QSerialPort::Parity> ParityOf(const QString& field)
{
    if (field.size() != 1)
        return std::nullopt;
    switch (field.at(0).toLower().toLatin1()) {
    case 'n': return QSerialPort::NoParity;
    case 'e': return QSerialPort::EvenParity;
    case 'o': return QSerialPort::OddParity;
    case 'm': return QSerialPort::MarkParity;
    case 's': return QSerialPort::SpaceParity;
    default: return std::nullopt;
    }
}

std::optional<QSerialPort::DataBits> DataBitsOf(const QString& field)
{
    bool ok = false;
    const int bits = field.toInt(&ok);
    if (!ok || bits < 5 || bits > 8)
        return std::nullopt;
    return static_cast<QSerialPort::DataBits>(bits);
}

std::optional<QSerialPort::StopBits> StopBitsOf(const QString& field)
{
    if (field == QLatin1String("1"))
        return QSerialPort::OneStop;
    if (field == QLatin1String("1.5"))
        return QSerialPort::OneAndHalfStop;
    if (field == QLatin1String("2"))
        return QSerialPort::TwoStop;
    return std::nullopt;
}

} // namespace

CSerialMode CSerialMode::Parse(const QString& text)
{
    CSerialMode mode;
    const QStringList fields = text.split(QLatin1Char(','));
    if (text.trimmed().isEmpty() || fields.size() > 4) {
        mode.valid = false;
        return mode;
    }
    for (int i = 0; i < fields.size() && mode.valid; ++i) {
        const QString field = fields.at(i).trimmed();
        switch (i) {
        case 0: {
            bool ok = false;
            const qint32 rate = field.toInt(&ok);
            if (ok && rate > 0)
                mode.rate = rate;
            else
                mode.valid = false;
            break;
        }
        case 1:
            mode.parity = ParityOf(field);
            mode.valid = mode.parity.has_value();
            break;
        case 2:
            mode.dataBits = DataBitsOf(field);
            mode.valid = mode.dataBits.has_value();
            break;
        case 3:
            mode.stopBits = StopBitsOf(field);
            mode.valid = mode.stopBits.has_value();
            break;
        }
    }
    return mode;
}
