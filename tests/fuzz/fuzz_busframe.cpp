// The serial frame: any bytes taken apart as a reply in every address width and checksum
// mode, and any address and command built into a frame that must take apart again.
#include "bus/cbusframe.h"
#include "tests/fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FuzzInput::Split in = FuzzInput::Switches(data, size);
    const bool twoByte = in.switches & 1;
    const bool withChecksum = in.switches & 2;

    const CBusFrame::Reply reply = CBusFrame::Parse(in.rest, twoByte, withChecksum);
    FuzzInput::Require(reply.data.size() <= in.rest.size(), "reply data lies inside the frame");

    // The first bytes as the address, the rest as the command.
    const QByteArray address = CBusFrame::AddressForm(in.rest.left(in.switches >> 6), twoByte);
    const QByteArray command = in.rest.mid(in.switches >> 6);
    const std::optional<QByteArray> frame = CBusFrame::Build(address, command, withChecksum);
    if (!frame)
        return 0;
    FuzzInput::Require(frame->size() <= CBusFrame::kMaxFrameLength, "a built frame fits");
    if (address.size() == (twoByte ? 2 : 1)) {
        const CBusFrame::Reply back = CBusFrame::Parse(*frame, twoByte, withChecksum);
        FuzzInput::Require(back.checksumOk, "a built frame's checksum holds");
        FuzzInput::Require(back.data == command, "a built frame gives its command back");
    }
    return 0;
}
