// A macro file as any bytes: its lines, and every name looked up again.
#include "shell/cmacrofile.h"
#include "tests/fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CMacroFile file;
    if (!file.Read(FuzzInput::Bytes(data, size))) {
        FuzzInput::Require(file.Lines().isEmpty(), "a refused file holds no macros");
        return 0;
    }
    FuzzInput::Require(file.ComboEntries().size() == file.Lines().size(),
                       "one combo entry per line");
    for (const QString& line : file.Lines()) {
        FuzzInput::Require(!line.isEmpty(), "no empty line");
        FuzzInput::Require(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')),
                           "no line end inside a line");
        const QString name = CMacroFile::NameOf(line);
        const CMacroFile::Lookup lookup = file.Find(name);
        if (name.isEmpty()) {
            FuzzInput::Require(lookup.found == CMacroFile::Found::NoMacro, "no empty name");
            continue;
        }
        FuzzInput::Require(CMacroFile::NameOf(lookup.line) == name, "the name finds its line");
        FuzzInput::Require(lookup.command.size() < lookup.line.size(),
                           "the command is inside its line");
    }
    return 0;
}
