#include "pages/cparameterfilereader.h"

#include "pages/caxislist.h"
#include "pages/cdevicetype.h"
#include "pages/cparameterline.h"
#include "platform/cansitext.h"

#include <algorithm>
#include <array>

namespace {

using Key = CParameterFileReader::Key;

// The keys whose value is a number right behind the key, in the order they are applied
// within one line (the name comes first, the module switch and settings last).
struct NumberKey {
    const char* key;
    Key meaning;
};

constexpr std::array<NumberKey, 23> kNumberKeys = {{
    {"[s", Key::StopCurrent},    {"[r", Key::RunCurrent},        {"[a", Key::BoostCurrent},
    {"[m", Key::StepResolution}, {"[g", Key::Direction},         {"[h", Key::InputFunction},
    {"[l", Key::InputLogic},     {"[lt", Key::LogicClock},       {"[ld", Key::LogicDirection},
    {"[lb", Key::LogicBoost},    {"[la", Key::LogicActivation},  {"[lr", Key::LogicReset},
    {"[lx", Key::LogicDeselect}, {"[t", Key::DelayTime},         {"[u", Key::Activation},
    {"[o", Key::OutputFunction}, {"[px", Key::OperationState},   {"[pc", Key::CurrentShape},
    {"[po", Key::Overdrive},     {"[pe", Key::ChopperFrequency}, {"[pl", Key::DisplayMenu1},
    {"[pm", Key::DisplayMenu2},  {"[pb", Key::OperationMode},
}};

constexpr std::array<const char*, 6> kModuleKeys = {"[xw", "[xx", "[xy", "[xz", "[xf", "[xt"};

bool IsHexDigit(QChar c)
{
    const QChar upper = c.toUpper();
    return c.isDigit() || (upper >= QLatin1Char('A') && upper <= QLatin1Char('F'));
}

bool IsBusAddress(const QString& address)
{
    if (address.isEmpty() || address.size() > 2 ||
        !std::all_of(address.begin(), address.end(), IsHexDigit))
        return false;
    bool hex = false;
    const int value = address.toInt(&hex, 16);
    return hex && CAxisList::IsAddress(value);
}

} // namespace

QStringList CParameterFileReader::SplitLines(const QByteArray& bytes)
{
    QStringList lines;
    QList<QByteArray> parts = bytes.split('\n');
    if (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();
    for (QByteArray& part : parts) {
        if (part.endsWith('\r'))
            part.chop(1);
        lines.append(CAnsiText::ToUnicode(part) + QStringLiteral("\r\n"));
    }
    return lines;
}

CParameterFileReader::Refusal CParameterFileReader::CheckAddressLines(const QStringList& lines,
                                                                      const QString& addressLabel)
{
    // Every address line needs a bus address and, below it, a type line naming a known
    // type and the name line; a file without any address line is no parameter file.
    bool any = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].contains(addressLabel))
            continue;
        any = true;
        if (!IsBusAddress(CParameterLine::BracketText(lines[i])))
            return Refusal::BadAddress;
        if (i + 2 >= lines.size())
            return Refusal::MissingLines;
        if (!CDeviceType::NamedIn(lines[i + 1]))
            return Refusal::UnknownType;
    }
    return any ? Refusal::None : Refusal::NoAddressLine;
}

CParameterFileReader::Result CParameterFileReader::Read(const QStringList& lines,
                                                        const QString& addressLabel)
{
    Result result;
    result.refusal = CheckAddressLines(lines, addressLabel);
    if (!result.Usable())
        return result;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].contains(addressLabel))
            result.axes.append(AxisOf(CParameterLine::BracketText(lines[i]), lines.value(i + 1),
                                      lines.value(i + 2)));
    }
    for (const QString& line : lines) {
        result.lines.append(ReadLine(line));
        if (result.lines.last().endsReading)
            break;
    }
    return result;
}

CParameterFileReader::Axis CParameterFileReader::AxisOf(const QString& address,
                                                        const QString& typeLine,
                                                        const QString& nameLine)
{
    Axis axis;
    axis.address = address.size() == 1 ? QLatin1Char('0') + address : address;
    axis.typeLine = typeLine;
    axis.versionText = CParameterLine::BracketText(typeLine);
    axis.type = CDeviceType::NamedIn(typeLine);
    if (nameLine.contains(QStringLiteral("[pn")))
        axis.name = CParameterLine::TextAfterKey(nameLine, QStringLiteral("[pn"));
    return axis;
}

CParameterFileReader::Line CParameterFileReader::ReadLine(const QString& line)
{
    Line result;
    const auto has = [&line](const char* key) { return line.contains(QLatin1String(key)); };
    if (has("[pn")) {
        const QString name = CParameterLine::TextAfterKey(line, QStringLiteral("[pn"));
        if (!name.isEmpty())
            result.values.append({Key::Name, 0, name, 0});
    }
    for (const NumberKey& key : kNumberKeys) {
        if (has(key.key))
            result.values.append(
                {key.meaning,
                 CParameterLine::ParseKeyValue(line, static_cast<int>(qstrlen(key.key))),
                 {},
                 0});
    }
    if (has("[xp")) {
        // A module switched off ends the reading: nothing after it applies.
        const int on = CParameterLine::ParseKeyValue(line, 3);
        if (on == 0) {
            result.endsReading = true;
            return result;
        }
        result.values.append({Key::ModuleSwitch, on, {}, 0});
    }
    for (int i = 0; i < static_cast<int>(kModuleKeys.size()); ++i) {
        if (has(kModuleKeys[static_cast<std::size_t>(i)]))
            result.values.append({Key::ModuleSetting, 0, CParameterLine::BracketText(line), i});
    }
    return result;
}
