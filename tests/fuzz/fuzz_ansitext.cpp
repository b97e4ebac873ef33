// Windows-1252: any bytes turn into text and back unchanged, and any text turns into as many
// bytes as it has characters.
#include "platform/cansitext.h"
#include "tests/fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzInput::Bytes(data, size);
    const QString text = CAnsiText::ToUnicode(bytes);
    FuzzInput::Require(CAnsiText::FromUnicode(text) == bytes, "every byte survives a round trip");

    const QString any = QString::fromUtf16(reinterpret_cast<const char16_t*>(data),
                                           static_cast<qsizetype>(size / 2));
    FuzzInput::Require(CAnsiText::FromUnicode(any).size() == any.size(),
                       "one byte per character");
    return 0;
}
