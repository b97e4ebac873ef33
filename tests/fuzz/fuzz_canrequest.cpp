// The CAN form of a command text: any text either becomes one standard frame or is refused
// with a diagnostic.
#include "bus/ccancommandmap.h"
#include "tests/fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const CCanCommandMap::Request request = CCanCommandMap::Translate(FuzzInput::Bytes(data, size));
    if (!request.frame)
        return 0;
    FuzzInput::Require(request.frame->length >= 1 && request.frame->length <= 8,
                       "a frame carries one to eight bytes");
    FuzzInput::Require(request.frame->identifier < 0x800, "a request is a standard frame");
    return 0;
}
