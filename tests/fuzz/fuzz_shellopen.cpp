// What arrives on the shell-open socket as any bytes: the files of a message, and the same
// files sent again arrive unchanged.
#include "shell/cshellopenchannel.h"
#include "tests/fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::optional<QStringList> files =
        CShellOpenChannel::FilesIn(FuzzInput::Bytes(data, size));
    if (!files)
        return 0;
    for (const QString& file : *files) {
        FuzzInput::Require(!file.isEmpty(), "no empty path");
        FuzzInput::Require(!file.contains(QChar(0)), "no path holds the end mark");
    }
    // A path that was not valid UTF-8 comes back with replacement characters; sent again it
    // stays as it is.
    FuzzInput::Require(CShellOpenChannel::FilesIn(CShellOpenChannel::Message(*files)) == files,
                       "files sent again arrive unchanged");
    return 0;
}
