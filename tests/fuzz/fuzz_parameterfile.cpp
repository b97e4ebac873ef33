// A parameter file (.sdf) as any bytes a disk or a mail may hand over, read with the address
// label of either language.
#include "pages/cparameterfilereader.h"
#include "res/cstringtable.h"
#include "tests/fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList lines = CParameterFileReader::SplitLines(FuzzInput::Bytes(data, size));
    for (const UiLanguage language : {UiLanguage::German, UiLanguage::English}) {
        const CParameterFileReader::Result result =
            CParameterFileReader::Read(lines, CStringTable::Lookup(10101, language));
        FuzzInput::Require(result.Usable() || result.axes.isEmpty(),
                           "a refused file names no axis");
        FuzzInput::Require(result.lines.size() <= lines.size(), "at most one reading per line");
        for (const CParameterFileReader::Axis& axis : result.axes)
            FuzzInput::Require(axis.type.has_value(), "an axis has one of the nine types");
    }
    return 0;
}
