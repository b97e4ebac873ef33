#include "shell/cprojecttable.h"

#include "pages/cdevicetypetables.h"
#include "pages/cparameterline.h"
#include "pages/creplyvalue.h"
#include "res/cstringids.h"

#include <array>

namespace {

constexpr int kDisplayMenuCount = 5;

// How the view reads the lines of a file of `type`; those of a file of no known type as
// written, with six logic levels.
const CProjectDecoding& DecodingOf(std::optional<DeviceType> type)
{
    static constexpr CProjectDecoding kUnknownType{{}, false, false, false};
    return type ? CDeviceType::Info(*type).project : kUnknownType;
}

// A list entry by the value's index; the value as written where it is no index of the list.
QString ListText(const QString& value, QString (*entry)(int))
{
    bool number = false;
    const QString text = entry(value.toInt(&number));
    return number && !text.isEmpty() ? text : value;
}

bool IsOne(const QString& value)
{
    return value == QLatin1String("1");
}

bool IsZero(const QString& value)
{
    return value == QLatin1String("0");
}

} // namespace

struct CProjectTable::Axis {
    int address = -1;               // 0..31, or -1 for an address the bus cannot carry
    QString addressText;            // "[%02d]", or the file's text when it is no bus address
    std::optional<DeviceType> type; // the file's device type, from its "[b" line
    bool shaded = false;
};

QString CProjectTable::FormatCurrent(const QString& value, std::optional<DeviceType> deviceType)
{
    const CurrentUnit unit =
        deviceType ? CDeviceType::Info(*deviceType).currentUnit : CurrentUnit::Tenth;
    return CDeviceType::CurrentText(unit, CReplyValue::ToFloat(value));
}

QString CProjectTable::StepText(std::optional<DeviceType> deviceType, const QString& value,
                                const QString& stepWord)
{
    const std::span<const char* const> steps = DecodingOf(deviceType).steps;
    bool number = false;
    const int index = value.toInt(&number);
    if (!number || index < 0 || index >= static_cast<int>(steps.size()))
        return value;
    return QString::fromLatin1(steps[static_cast<std::size_t>(index)]) + stepWord;
}

CProjectTable::Result CProjectTable::Build(const QList<std::optional<QStringList>>& files,
                                           const Context& context)
{
    Result result;
    bool shaded = false;
    for (const std::optional<QStringList>& file : files) {
        // A file that cannot be read adds nothing and keeps the shading where it is.
        if (!file)
            continue;
        shaded = !shaded;
        Axis axis;
        axis.shaded = shaded;
        for (const QString& line : *file)
            AddLine(line, axis, context, result);
    }
    // An axis of the tree that no file of the project names.
    for (int address = 0; address < CAxisList::kAddressSlots; ++address) {
        int& mark = result.axisMarks[static_cast<std::size_t>(address)];
        if (mark == MarkNone && context.treeTypeOf(address))
            mark = MarkRed;
    }
    return result;
}

void CProjectTable::AddLine(const QString& line, Axis& axis, const Context& context, Result& result)
{
    if (line.contains(QLatin1String("Address"))) {
        const QString text = CParameterLine::BracketText(line).trimmed();
        bool hex = false;
        const int address = text.toInt(&hex, 16);
        const bool onBus =
            hex && !text.isEmpty() && text.size() <= 2 && CAxisList::IsAddress(address);
        axis.address = onBus ? address : -1;
        axis.addressText = onBus ? QString::asprintf("[%02d]", address)
                                 : QLatin1Char('[') + text + QLatin1Char(']');
    }
    if (!line.contains(QLatin1Char('[')))
        return;
    QString value;
    Row row = DecodeLine(line, axis, context, result, value);
    // A setting the page did not know when it saved is written as -1: it shows as unknown,
    // not as a current, a step or a choice. A name is shown as written.
    if (value == QLatin1String("-1") && !row.heading && !line.contains(QLatin1String("[pn")))
        row.value = QString::fromLatin1(kUnknownValue);
    row.shaded = axis.shaded;
    result.rows.append(row);
}

CProjectTable::Row CProjectTable::DecodeLine(const QString& line, Axis& axis,
                                             const Context& context, Result& result,
                                             QString& value)
{
    const auto& label = context.label;
    const auto has = [&line](const char* key) { return line.contains(QLatin1String(key)); };
    const auto after = [&line, &value](const char* key) {
        value = CParameterLine::TextAfterKey(line, QString::fromLatin1(key));
        return value;
    };
    const auto choose = [&label](bool first, unsigned a, unsigned b) {
        return label(first ? a : b);
    };

    if (has("[b")) {
        const QString value = after("[b");
        axis.type = CDeviceType::NamedIn(value);
        MarkAxis(axis, context, result);
        return {label(CStringIds::kIdsAddressAndTypeHeading),
                axis.addressText + QStringLiteral(" - ") + value, true};
    }
    if (has("[pn"))
        return {label(CStringIds::kIdsAxisNameLabel), after("[pn")};
    static constexpr const char* kCurrents[3] = {"[s", "[r", "[a"};
    for (unsigned i = 0; i < 3; ++i) {
        if (has(kCurrents[i]))
            return {label(CStringIds::kIdsStopCurrentLabel + i),
                    FormatCurrent(after(kCurrents[i]), axis.type)};
    }
    if (has("[m"))
        return {label(CStringIds::kIdsStepResolutionLabel),
                StepText(axis.type, after("[m"), label(CStringIds::kIdsStepWord))};
    if (has("[g"))
        return {label(CStringIds::kIdsDirectionLabel),
                choose(IsOne(after("[g")), CStringIds::kIdsPositive, CStringIds::kIdsNegative)};
    if (has("[t")) {
        const QString value = after("[t");
        bool number = false;
        const int position = value.toInt(&number);
        const QString text = CDeviceTypeTables::DelayTableText(position);
        // The types that count the delay in steps; a step past the table shows as written.
        if (axis.type && CDeviceType::Info(*axis.type).delay == DelayKind::TableSteps)
            return {label(CStringIds::kIdsDelayTimeLabel),
                    number && !text.isEmpty() ? text : value};
        return {label(CStringIds::kIdsDelayTimeLabel), value + QStringLiteral(" ms")};
    }
    if (has("[u"))
        return {label(CStringIds::kIdsActivationLabel),
                choose(IsOne(after("[u")), CStringIds::kIdsDeactivated, CStringIds::kIdsActivated)};
    if (has("[pc")) {
        const QString value = after("[pc");
        if (IsZero(value))
            return {label(CStringIds::kIdsCurrentShape), label(CStringIds::kIdsOff)};
        if (!DecodingOf(axis.type).shapeModes)
            return {label(CStringIds::kIdsCurrentShape), label(CStringIds::kIdsOn)};
        return {label(CStringIds::kIdsCurrentShape),
                IsOne(value) ? QStringLiteral("Standard Mode") : QStringLiteral("Expert Mode")};
    }
    if (has("[h"))
        return {label(CStringIds::kIdsInputFunctionLabel),
                IsOne(after("[h")) ? label(CStringIds::kIdsActivation) : QStringLiteral("Boost")};
    if (has("[pl") || has("[pm")) {
        const QString value = after(has("[pl") ? "[pl" : "[pm");
        bool number = false;
        const int menu = value.toInt(&number);
        const QString text = number && menu >= 0 && menu < kDisplayMenuCount
                                 ? label(CStringIds::kIdsDisplayMenus + static_cast<unsigned>(menu))
                                 : value;
        return {has("[pl") ? QStringLiteral("Display Menu 1:") : QStringLiteral("Display Menu 2:"),
                text};
    }
    if (has("[pe")) {
        const QString value = after("[pe");
        const QString chopper = label(CStringIds::kIdsChopperFrequency);
        if (DecodingOf(axis.type).uqtLists)
            return {chopper, ListText(value, CDeviceTypeTables::UqtChopperFrequencyText)};
        return {chopper, IsZero(value)  ? QStringLiteral("50 kHz")
                         : IsOne(value) ? QStringLiteral("75 kHz")
                                        : QStringLiteral("100 kHz")};
    }
    if (has("[o")) {
        const QString value = after("[o");
        return {label(CStringIds::kIdsOutputFunctionLabel),
                IsZero(value)  ? label(CStringIds::kIdsErrorSum)
                : IsOne(value) ? label(CStringIds::kIdsBasicPosition)
                               : QStringLiteral("Ready")};
    }
    if (has("[po"))
        return {QStringLiteral("Overdrive:"),
                choose(IsZero(after("[po")), CStringIds::kIdsOff, CStringIds::kIdsOn)};
    const bool oneInputLogic = DecodingOf(axis.type).oneInputLogic;
    if (oneInputLogic && has("[l"))
        return {label(CStringIds::kIdsInputLogicLabel),
                choose(IsOne(after("[l")), CStringIds::kIdsLowActive, CStringIds::kIdsHighActive)};
    static constexpr const char* kLogicKeys[6] = {"[lt", "[ld", "[lb", "[la", "[lr", "[lx"};
    for (unsigned i = 0; i < 6; ++i) {
        if (!oneInputLogic && has(kLogicKeys[i]))
            return {QStringLiteral("Logik --> ") + label(CStringIds::kIdsFirstLogicLabel + i),
                    choose(IsOne(after(kLogicKeys[i])), CStringIds::kIdsLowActive,
                           CStringIds::kIdsHighActive)};
    }
    if (has("[px")) {
        const QString value = after("[px");
        // A UQT keeps its overdrive frequency's list index there, not a bus mode.
        if (DecodingOf(axis.type).uqtLists)
            return {CDeviceTypeTables::UqtOverdriveFrequencyLabel(),
                    ListText(value, CDeviceTypeTables::UqtOverdriveFrequencyText)};
        return {label(CStringIds::kIdsOperationModeLabel),
                choose(IsZero(value), CStringIds::kIdsBusAndSwitch, CStringIds::kIdsBusExclusive)};
    }
    if (has("[pb"))
        return {label(CStringIds::kIdsOperationModeLabel),
                IsZero(after("[pb")) ? QStringLiteral("Bus") : QStringLiteral("Standalone")};
    if (has("[xp"))
        return {QStringLiteral("QEL - Status"), IsZero(after("[xp"))
                                                    ? QStringLiteral("QEL offline")
                                                    : QStringLiteral("QEL online")};
    if (has("[xb"))
        return {label(CStringIds::kIdsQelVersionLabel), after("[xb")};
    if (has("[xw"))
        return {label(CStringIds::kIdsQelFirstLabel),
                IsZero(after("[xw")) ? QStringLiteral("Pt100") : QStringLiteral("K - Element")};
    static constexpr const char* kLimits[3] = {"[xx", "[xy", "[xz"};
    for (unsigned i = 0; i < 3; ++i) {
        if (has(kLimits[i]))
            return {label(CStringIds::kIdsTemperatureLimit1 + i),
                    after(kLimits[i]) + QStringLiteral(" \u00b0C")};
    }
    if (has("[xf"))
        return {label(CStringIds::kIdsLedLimitLabel),
                QStringLiteral("Limit %1").arg(CReplyValue::ToInt(after("[xf")))};
    if (has("[xt"))
        return {label(CStringIds::kIdsHeatTimeLabel), after("[xt") + QStringLiteral(" min")};
    // The address line and lines of no known key keep an empty row.
    return {};
}

void CProjectTable::MarkAxis(const Axis& axis, const Context& context, Result& result)
{
    if (axis.address < 0)
        return;
    const std::optional<DeviceType> treeType = context.treeTypeOf(axis.address);
    if (treeType) {
        result.axisMarks[static_cast<std::size_t>(axis.address)] =
            treeType == axis.type ? MarkGreen : MarkYellow;
    } else if (axis.type) {
        // The project's axis is missing from the tree: its type's group shows it.
        result.groupMarks[CDeviceType::Index(*axis.type)] = MarkRed;
    }
}
