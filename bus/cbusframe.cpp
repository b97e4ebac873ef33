#include "bus/cbusframe.h"

QByteArray CBusFrame::AddressForm(const QByteArray& address, bool twoByteAddress)
{
    if (twoByteAddress && address.size() == 1)
        return QByteArray("0") + address;
    if (!twoByteAddress && address.size() == 2)
        return address.right(1);
    return address;
}

QByteArray CBusFrame::Checksum(const QByteArray& bytes)
{
    unsigned char sum = 0;
    for (char b : bytes)
        sum ^= static_cast<unsigned char>(b);
    return QByteArray::number(sum, 16).toUpper().rightJustified(2, '0');
}

std::optional<QByteArray> CBusFrame::Build(const QByteArray& address, const QByteArray& command,
                                           bool withChecksum)
{
    QByteArray body = address + command;
    if (withChecksum)
        body += ':';
    QByteArray frame;
    frame.reserve(body.size() + 4);
    frame += kStx;
    frame += body;
    if (withChecksum)
        frame += Checksum(body);
    frame += kEtx;
    if (frame.size() > kMaxFrameLength)
        return std::nullopt;
    return frame;
}

CBusFrame::Reply CBusFrame::Parse(const QByteArray& frame, bool twoByteAddress, bool withChecksum)
{
    Reply reply;
    const qsizetype dataStart = 1 + (twoByteAddress ? 2 : 1);
    if (!withChecksum) {
        const qsizetype dataEnd = frame.size() - 1; // ETX
        if (dataEnd > dataStart)
            reply.data = frame.mid(dataStart, dataEnd - dataStart);
        return reply;
    }
    // ... data ":" d d ETX: the ":" stands four from the end.
    const qsizetype colon = frame.size() - 4;
    if (colon < 1) {
        reply.checksumOk = false;
        return reply;
    }
    if (colon > dataStart)
        reply.data = frame.mid(dataStart, colon - dataStart);
    const QByteArray computed = Checksum(frame.mid(1, colon));
    reply.checksumOk = frame.at(colon) == ':' && frame.mid(colon + 1, 2) == computed;
    return reply;
}

bool CBusFrame::FromOtherAddress(const QByteArray& frame, const QByteArray& address,
                                 bool twoByteAddress)
{
    const qsizetype width = twoByteAddress ? 2 : 1;
    if (address.size() != width || frame.size() < 1 + width + 1 || frame.at(0) != kStx)
        return false;
    return frame.mid(1, width).compare(address, Qt::CaseInsensitive) != 0;
}
