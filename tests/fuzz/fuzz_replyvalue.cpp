// Values out of any reply a stage (or a line with noise on it) may give.
#include "pages/creplyvalue.h"
#include "platform/cansitext.h"
#include "tests/fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FuzzInput::Split in = FuzzInput::Switches(data, size);
    const QString reply = CAnsiText::ToUnicode(in.rest);
    // Echoes are a few characters long; the readers' own constants, not outside input.
    const int count = static_cast<int>(in.switches & 0x0F);
    FuzzInput::Require(CReplyValue::Text(reply, count).size() <= reply.size(), "text is a part");
    FuzzInput::Require(CReplyValue::Tail(reply, count).size() <= reply.size(), "tail is a part");
    CReplyValue::Int(reply, count);
    CReplyValue::Last(reply);
    CReplyValue::ToFloat(reply);
    return 0;
}
