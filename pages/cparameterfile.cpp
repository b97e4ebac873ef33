#include "pages/cparameterfile.h"

#include "platform/cansitext.h"

namespace {

using Source = CParameterFile::Source;
using TypeLine = CParameterFile::TypeLine;

constexpr int kDashes = 74;

const std::vector<TypeLine> kLogicSix = {
    {10128, "lt", Source::LogicClock},      {10129, "ld", Source::LogicDirection},
    {10130, "lb", Source::LogicBoost},      {10131, "la", Source::LogicActivation},
    {10132, "lr", Source::LogicReset},      {10133, "lx", Source::LogicDeselect},
};

std::vector<TypeLine> Join(std::vector<TypeLine> first, const std::vector<TypeLine>& more)
{
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

// By type number.
const std::vector<TypeLine> kTypeLines[] = {
    // KEV; its input logic, which the stage reads and takes back, after its own lines
    {{10111, "h", Source::InputCombo}, {10115, "o", Source::OutputCombo},
     {10116, "pb", Source::ModeCombo}, {10112, "l", Source::LogicCombo}},
    // LQN
    Join(Join({{10111, "pc", Source::InputCombo}, {10115, "pe", Source::OutputCombo}},
              {kLogicSix.begin(), kLogicSix.begin() + 4}),
         {{10116, "px", Source::ModeCombo}}),
    // HWT
    {{10111, "pc", Source::InputCombo}, {10115, "po", Source::OutputCombo},
     {10112, "l", Source::LogicCombo}, {10116, "px", Source::ModeCombo}},
    // HWK
    Join(Join({{10126, "pl", Source::Display1}, {10127, "pm", Source::Display2},
               {10115, "po", Source::OutputCombo}},
              kLogicSix),
         {{10116, "px", Source::ModeCombo}}),
    // HVR
    Join(Join({{10126, "pl", Source::Display1}, {10127, "pm", Source::Display2}}, kLogicSix),
         {{10116, "px", Source::ModeCombo}}),
    // DRQ+
    {{10111, "pc", Source::InputCombo}, {10115, "po", Source::OutputCombo},
     {10112, "l", Source::LogicCombo}, {10116, "px", Source::ModeCombo}},
    // UQT: overdrive, chopper frequency and input logic, which its stage reads and takes
    // back, under the keys of their commands; the overdrive frequency as its list index.
    {{10111, "po", Source::InputCombo}, {10115, "pe", Source::OutputCombo},
     {10112, "l", Source::LogicCombo}, {10116, "px", Source::ModeCombo}},
    // DRQ2+
    {{10112, "l", Source::LogicCombo}},
    // VNE+
    {{10116, "px", Source::ModeCombo}},
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
    return label(10100) + when.toString(QStringLiteral("dd.MM.yy - HH:mm")) + crlf +
           QString(kDashes, QLatin1Char('-')) + crlf + crlf;
}

QString CParameterFile::Text(const Content& c, const Labels& label, const QDateTime& when)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = Header(label, when);
    text += label(10101) + c.address + QStringLiteral("]") + crlf;
    text += label(10102) + c.versionText + QStringLiteral("]") + crlf;
    text += label(10103) + c.name + QStringLiteral("]") + crlf + crlf;
    text += label(10104);
    text += ValueLine(label(10105), "s", c.stopCurrent);
    text += ValueLine(label(10106), "r", c.runCurrent);
    text += ValueLine(label(10107), "a", c.boostCurrent) + crlf;
    text += label(10108);
    text += ValueLine(label(10109), "m", c.stepResolution);
    text += ValueLine(label(10110), "g", c.direction);
    text += ValueLine(label(10113), "t", c.delayTime);
    text += ValueLine(label(10114), "u", c.activation);
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
        return label(10117) + QStringLiteral("0]\r\n") + label(10118);
    QString block = label(10117) + QStringLiteral("1]\r\n");
    // Online the stage's version comes first; offline files keep only the six settings.
    const unsigned firstLabel = c.moduleOnline ? 10119 : 10120;
    for (int i = 0; i < c.moduleLines.size(); ++i)
        block += label(firstLabel + static_cast<unsigned>(i)) + c.moduleLines.at(i) +
                 QStringLiteral("]\r\n");
    return block;
}

QByteArray CParameterFile::Bytes(const Content& content, const Labels& label, const QDateTime& when)
{
    return CAnsiText::FromUnicode(Text(content, label, when));
}
