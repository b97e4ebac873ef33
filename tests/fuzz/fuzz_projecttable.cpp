// The project view's table built from any parameter files: the input is split at zero
// bytes into files (an empty piece stands for a file that could not be read), against a
// power-stage tree that holds most addresses, each with some type.
#include "pages/cparameterfilereader.h"
#include "res/cstringtable.h"
#include "shell/cprojecttable.h"
#include "tests/fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QList<std::optional<QStringList>> files;
    for (const QByteArray& piece : FuzzInput::Bytes(data, size).split('\0')) {
        if (piece.isEmpty())
            files.append(std::nullopt);
        else
            files.append(CParameterFileReader::SplitLines(piece));
    }
    const CProjectTable::Context context{
        [](unsigned id) { return CStringTable::Lookup(id, UiLanguage::English); },
        [](int address) { return CDeviceType::FromInt(address % 10 == 9 ? -1 : address % 10); }};
    const CProjectTable::Result result = CProjectTable::Build(files, context);
    for (int mark : result.axisMarks)
        FuzzInput::Require(mark >= CProjectTable::MarkNone && mark <= CProjectTable::MarkRed,
                           "an axis mark is one of the four");
    return 0;
}
