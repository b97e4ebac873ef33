// A project file (.spf) as any bytes, its lines and each line's key taken apart.
#include "shell/cprojectfile.h"
#include "tests/fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QList<CProjectFile::Line> lines =
        CProjectFile::Read(FuzzInput::Bytes(data, size), QStringLiteral("/project"));
    for (const CProjectFile::Line& line : lines) {
        const CProjectFile::KeyParts key = CProjectFile::ParseKey(line.key);
        FuzzInput::Require(key.address >= -1 && key.address < 32, "an address is 0..31 or none");
        FuzzInput::Require(!key.deviceType ||
                               CDeviceType::FromInt(CDeviceType::ToInt(*key.deviceType)),
                           "a type is 0..8 or none");
    }
    return 0;
}
