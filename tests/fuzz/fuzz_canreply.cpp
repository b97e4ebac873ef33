// An answer frame as any node on the CAN bus may send it: any identifier, any length (also
// one the driver should never hand over), any data.
#include "bus/ccancommandmap.h"
#include "tests/fuzz/fuzzinput.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CCanCommandMap::Frame frame;
    if (size < 5)
        return 0;
    std::memcpy(&frame.identifier, data, 4);
    frame.length = static_cast<std::int8_t>(data[4]);
    std::memcpy(frame.data.data(), data + 5, std::min<std::size_t>(size - 5, frame.data.size()));

    const std::optional<QByteArray> reply = CCanCommandMap::ReplyText(frame);
    if (reply)
        FuzzInput::Require(reply->size() >= 3, "a reply text has its address digits and echo");
    return 0;
}
