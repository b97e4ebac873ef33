#include "pages/cparameterfile.h"

#include "platform/cansitext.h"
#include "res/cstringids.h"

#include <algorithm>

namespace {

using Ids = CStringIds;
using Source = CParameterFile::Source;
using TypeLine = CParameterFile::TypeLine;

constexpr int kDashes = 74;

constexpr unsigned kInput = Ids::kIdsFileInputFunction;
constexpr unsigned kLogic = Ids::kIdsFileInputLogic;
constexpr unsigned kOutput = Ids::kIdsFileOutputFunction;
constexpr unsigned kMode = Ids::kIdsFileOperationMode;
constexpr unsigned kDisplay1 = Ids::kIdsFileDisplay1;
constexpr unsigned kDisplay2 = Ids::kIdsFileDisplay2;

// The lines of `parts` one after another: the tables below are built, and checked, while the
// program compiles.
template <std::size_t... n>
constexpr std::array<TypeLine, (n + ...)> Joined(const std::array<TypeLine, n>&... parts)
{
    std::array<TypeLine, (n + ...)> lines{};
    auto end = lines.begin();
    ((end = std::copy(parts.begin(), parts.end(), end)), ...);
    return lines;
}

// The separate input levels: the LQN has the first four.
constexpr auto kLogicFour = std::to_array<TypeLine>({
    {Ids::kIdsFileLogicClock, "lt", Source::LogicClock},
    {Ids::kIdsFileLogicDirection, "ld", Source::LogicDirection},
    {Ids::kIdsFileLogicBoost, "lb", Source::LogicBoost},
    {Ids::kIdsFileLogicActivation, "la", Source::LogicActivation},
});
constexpr auto kLogicSix =
    Joined(kLogicFour, std::to_array<TypeLine>({
                           {Ids::kIdsFileLogicReset, "lr", Source::LogicReset},
                           {Ids::kIdsFileLogicDeselect, "lx", Source::LogicDeselect},
                       }));
constexpr auto kModeLast = std::to_array<TypeLine>({{kMode, "px", Source::ModeCombo}});

// KEV; its input logic, which the stage reads and takes back, after its own lines
constexpr TypeLine kKevLines[] = {{kInput, "h", Source::InputCombo},
                                  {kOutput, "o", Source::OutputCombo},
                                  {kMode, "pb", Source::ModeCombo},
                                  {kLogic, "l", Source::LogicCombo}};
constexpr auto kLqnLines = Joined(std::to_array<TypeLine>({{kInput, "pc", Source::InputCombo},
                                                           {kOutput, "pe", Source::OutputCombo}}),
                                  kLogicFour, kModeLast);
// HWT and DRQ+
constexpr TypeLine kComboLines[] = {{kInput, "pc", Source::InputCombo},
                                    {kOutput, "po", Source::OutputCombo},
                                    {kLogic, "l", Source::LogicCombo},
                                    {kMode, "px", Source::ModeCombo}};
// HWK and HVR: the two display menus, the HWK's overdrive, all six levels.
constexpr auto kDisplays = std::to_array<TypeLine>(
    {{kDisplay1, "pl", Source::Display1}, {kDisplay2, "pm", Source::Display2}});
constexpr auto kHwkLines =
    Joined(kDisplays, std::to_array<TypeLine>({{kOutput, "po", Source::OutputCombo}}), kLogicSix,
           kModeLast);
constexpr auto kHvrLines = Joined(kDisplays, kLogicSix, kModeLast);
// UQT: overdrive, chopper frequency and input logic, which its stage reads and takes back,
// under the keys of their commands; the overdrive frequency as its list index.
constexpr TypeLine kUqtLines[] = {{kInput, "po", Source::InputCombo},
                                  {kOutput, "pe", Source::OutputCombo},
                                  {kLogic, "l", Source::LogicCombo},
                                  {kMode, "px", Source::ModeCombo}};
constexpr TypeLine kDrq2PlusLines[] = {{kLogic, "l", Source::LogicCombo}};

struct TypeLinesRow {
    DeviceType type;
    std::span<const TypeLine> lines;
};

// By type number.
constexpr TypeLinesRow kTypeLines[] = {
    {DeviceType::Kev, kKevLines},     {DeviceType::Lqn, kLqnLines},
    {DeviceType::Hwt, kComboLines},   {DeviceType::Hwk, kHwkLines},
    {DeviceType::Hvr, kHvrLines},     {DeviceType::DrqPlus, kComboLines},
    {DeviceType::Uqt, kUqtLines},     {DeviceType::Drq2Plus, kDrq2PlusLines},
    {DeviceType::VnePlus, kModeLast},
};
static_assert(CDeviceType::RowForEveryType<std::size(kTypeLines)>());
static_assert(CDeviceType::RowsInTypeOrder<TypeLinesRow>(kTypeLines),
              "every type's lines stand at its type's number");

QString ValueLine(const QString& label, const char* key, int value)
{
    return label + QLatin1String(key) + QString::number(value) + QStringLiteral("]\r\n");
}

} // namespace

std::span<const CParameterFile::TypeLine> CParameterFile::TypeLines(DeviceType deviceType)
{
    return kTypeLines[CDeviceType::Index(deviceType)].lines;
}

QString CParameterFile::Header(const Labels& label, const QDateTime& when)
{
    const QString crlf = QStringLiteral("\r\n");
    return label(Ids::kIdsFileHeading) + when.toString(QStringLiteral("dd.MM.yy - HH:mm")) +
           crlf + QString(kDashes, QLatin1Char('-')) + crlf + crlf;
}

QString CParameterFile::Text(const Content& c, const Labels& label, const QDateTime& when)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = Header(label, when);
    text += label(Ids::kIdsAddressLabel) + c.address + QStringLiteral("]") + crlf;
    text += label(Ids::kIdsFileVersion) + c.versionText + QStringLiteral("]") + crlf;
    text += label(Ids::kIdsFileName) + c.name + QStringLiteral("]") + crlf + crlf;
    text += label(Ids::kIdsFileCurrentHeading);
    text += ValueLine(label(Ids::kIdsFileStopCurrent), "s", c.stopCurrent);
    text += ValueLine(label(Ids::kIdsFileRunCurrent), "r", c.runCurrent);
    text += ValueLine(label(Ids::kIdsFileBoostCurrent), "a", c.boostCurrent) + crlf;
    text += label(Ids::kIdsFileParameterHeading);
    text += ValueLine(label(Ids::kIdsFileStep), "m", c.stepResolution);
    text += ValueLine(label(Ids::kIdsFileDirection), "g", c.direction);
    text += ValueLine(label(Ids::kIdsFileDelay), "t", c.delayTime);
    text += ValueLine(label(Ids::kIdsFileActivation), "u", c.activation);
    for (const TypeLine& line : TypeLines(c.deviceType))
        text += ValueLine(label(line.label), line.key,
                          c.sources[static_cast<std::size_t>(line.source)]);
    if (CDeviceType::Info(c.deviceType).temperatureModule)
        text += ModuleBlock(c, label);
    return text;
}

QString CParameterFile::ModuleBlock(const Content& c, const Labels& label)
{
    if (!c.moduleTicked)
        return label(Ids::kIdsFileModule) + QStringLiteral("0]\r\n") +
               label(Ids::kIdsFileNoModule);
    QString block = label(Ids::kIdsFileModule) + QStringLiteral("1]\r\n");
    // Online the stage's version comes first; offline files keep only the six settings.
    const unsigned firstLabel =
        c.moduleOnline ? Ids::kIdsFileModuleVersion : Ids::kIdsFileFirstSetting;
    for (int i = 0; i < c.moduleLines.size(); ++i)
        block += label(firstLabel + static_cast<unsigned>(i)) + c.moduleLines.at(i) +
                 QStringLiteral("]\r\n");
    return block;
}

QByteArray CParameterFile::Bytes(const Content& content, const Labels& label, const QDateTime& when)
{
    return CAnsiText::FromUnicode(Text(content, label, when));
}
