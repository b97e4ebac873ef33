// The serial frame of the bus: STX, address, command, optional ":" and XOR checksum as two
// upper-case hex digits, ETX. Building a request and taking a reply apart, with no port.
#pragma once

#include <QByteArray>

#include <optional>

class CBusFrame {
public:
    static constexpr char kStx = 0x02;
    static constexpr char kEtx = 0x03;
    // The send buffer holds 1024 bytes with a terminating zero, so a frame has at most 1023.
    static constexpr int kMaxFrameLength = 1023;

    // In two-byte mode a one-character address gets a leading "0"; in one-byte mode a
    // two-character address keeps only its last character. Other lengths pass unchanged.
    static QByteArray AddressForm(const QByteArray& address, bool twoByteAddress);

    // XOR of all bytes, as "%02X".
    static QByteArray Checksum(const QByteArray& bytes);

    // The whole frame for `address` (already in its address form) and `command`;
    // nothing when it would be longer than kMaxFrameLength.
    static std::optional<QByteArray> Build(const QByteArray& address, const QByteArray& command,
                                           bool withChecksum);

    struct Reply {
        QByteArray data;       // between the address echo and ":" or ETX
        bool checksumOk = true;
    };

    // Takes apart a received frame that ends with ETX. The address echo is one character
    // in one-byte mode and two in two-byte mode. A frame too short for its parts gives
    // empty data (and, with checksum, a checksum error) rather than reading past its end.
    static Reply Parse(const QByteArray& frame, bool twoByteAddress, bool withChecksum);
    // Whether a received frame that ends with ETX is plainly the answer of another stage:
    // it opens with STX and an address echo (of the mode's width) that is not `address`, the
    // address as sent. Such a frame is a late answer to an earlier command. A frame too short
    // for an echo, or with other bytes before its STX, is not told apart.
    static bool FromOtherAddress(const QByteArray& frame, const QByteArray& address,
                                 bool twoByteAddress);
};
