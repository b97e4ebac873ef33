// The stored line settings ("9600, n, 8, 1") as any text the settings file may hold.
#include "platform/cserialmode.h"
#include "tests/fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const CSerialMode mode = CSerialMode::Parse(QString::fromUtf8(FuzzInput::Bytes(data, size)));
    if (mode.rate)
        FuzzInput::Require(*mode.rate > 0, "a rate read is positive");
    return 0;
}
