#include "pages/cparameterfile.h"

#include "platform/cansitext.h"
#include "res/cstringids.h"

namespace {

using Ids = CStringIds;
using Source = CParameterFile::Source;
using TypeLine = CParameterFile::TypeLine;

constexpr int kDashes = 74;

const std::vector<TypeLine> kLogicSix = {
    {Ids::kIdsFileLogicClock, "lt", Source::LogicClock},
    {Ids::kIdsFileLogicDirection, "ld", Source::LogicDirection},
    {Ids::kIdsFileLogicBoost, "lb", Source::LogicBoost},
    {Ids::kIdsFileLogicActivation, "la", Source::LogicActivation},
    {Ids::kIdsFileLogicReset, "lr", Source::LogicReset},
    {Ids::kIdsFileLogicDeselect, "lx", Source::LogicDeselect},
};

std::vector<TypeLine> Join(std::vector<TypeLine> first, const std::vector<TypeLine>& more)
{
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

constexpr unsigned kInput = Ids::kIdsFileInputFunction;
constexpr unsigned kLogic = Ids::kIdsFileInputLogic;
constexpr unsigned kOutput = Ids::kIdsFileOutputFunction;
constexpr unsigned kMode = Ids::kIdsFileOperationMode;
constexpr unsigned kDisplay1 = Ids::kIdsFileDisplay1;
constexpr unsigned kDisplay2 = Ids::kIdsFileDisplay2;

// By type number.
const std::vector<TypeLine> kTypeLines[] = {
    // KEV; its input logic, which the stage reads and takes back, after its own lines
    {{kInput, "h", Source::InputCombo}, {kOutput, "o", Source::OutputCombo},
     {kMode, "pb", Source::ModeCombo}, {kLogic, "l", Source::LogicCombo}},
    // LQN
    Join(Join({{kInput, "pc", Source::InputCombo}, {kOutput, "pe", Source::OutputCombo}},
              {kLogicSix.begin(), kLogicSix.begin() + 4}),
         {{kMode, "px", Source::ModeCombo}}),
    // HWT
    {{kInput, "pc", Source::InputCombo}, {kOutput, "po", Source::OutputCombo},
     {kLogic, "l", Source::LogicCombo}, {kMode, "px", Source::ModeCombo}},
    // HWK
    Join(Join({{kDisplay1, "pl", Source::Display1}, {kDisplay2, "pm", Source::Display2},
               {kOutput, "po", Source::OutputCombo}},
              kLogicSix),
         {{kMode, "px", Source::ModeCombo}}),
    // HVR
    Join(Join({{kDisplay1, "pl", Source::Display1}, {kDisplay2, "pm", Source::Display2}},
              kLogicSix),
         {{kMode, "px", Source::ModeCombo}}),
    // DRQ+
    {{kInput, "pc", Source::InputCombo}, {kOutput, "po", Source::OutputCombo},
     {kLogic, "l", Source::LogicCombo}, {kMode, "px", Source::ModeCombo}},
    // UQT: overdrive, chopper frequency and input logic, which its stage reads and takes
    // back, under the keys of their commands; the overdrive frequency as its list index.
    {{kInput, "po", Source::InputCombo}, {kOutput, "pe", Source::OutputCombo},
     {kLogic, "l", Source::LogicCombo}, {kMode, "px", Source::ModeCombo}},
    // DRQ2+
    {{kLogic, "l", Source::LogicCombo}},
    // VNE+
    {{kMode, "px", Source::ModeCombo}},
};
static_assert(std::size(kTypeLines) == CDeviceType::kCount, "one entry per device type");

QString ValueLine(const QString& label, const char* key, int value)
{
    return label + QLatin1String(key) + QString::number(value) + QStringLiteral("]\r\n");
}

} // namespace

const std::vector<TypeLine>& CParameterFile::TypeLines(DeviceType deviceType)
{
    return kTypeLines[CDeviceType::Index(deviceType)];
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
