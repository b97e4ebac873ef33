// The CAN form of the stage commands. A command text as the bus port hands it over, two
// hex address digits and the command ("05S25"), becomes one standard frame: identifier
// 0x240 + 2 x address, a command byte, then a 32-bit value or up to seven name characters.
// An answer frame (identifier 0x241 + 2 x address) becomes the reply text the serial line
// would have given ("05s25"). Pure translation, no device.
#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>
#include <optional>

class CCanCommandMap {
public:
    static constexpr std::uint32_t kRequestBase = 0x240;
    static constexpr std::uint32_t kAnswerBase = 0x241;

    struct Frame {
        std::uint32_t identifier = 0;
        int length = 0;
        std::array<std::uint8_t, 8> data{};
    };

    struct Request {
        std::optional<Frame> frame; // none: the text has no CAN form
        QByteArray diagnostic;      // what is printed when it has none
    };

    static Request Translate(const QByteArray& text);

    // The reply text of an answer frame; none when its first byte names no reply.
    static std::optional<QByteArray> ReplyText(const Frame& answer);
};
