// One value line of a parameter file, as any bytes, taken apart behind the keys the
// readers use.
#include "pages/cparameterline.h"
#include "platform/cansitext.h"
#include "tests/fuzz/fuzzinput.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FuzzInput::Split in = FuzzInput::Switches(data, size);
    const QString line = CAnsiText::ToUnicode(in.rest);
    // The keys the readers look for are one to three letters behind "[".
    static const QStringList keys = {QStringLiteral("[s"), QStringLiteral("[pn"),
                                     QStringLiteral("[xw"), QStringLiteral("[")};
    const QString& key = keys[in.switches % keys.size()];
    CParameterLine::ParseKeyValue(line, static_cast<int>(key.size()));
    const QString bracket = CParameterLine::BracketText(line);
    FuzzInput::Require(bracket.size() <= line.size(), "bracket text lies inside the line");
    const QString after = CParameterLine::TextAfterKey(line, key);
    FuzzInput::Require(after.size() <= line.size(), "text after a key lies inside the line");
    return 0;
}
