#include "shell/cprojecttable.h"

#include "pages/cdevicetypetables.h"
#include "pages/cparameterline.h"
#include "pages/creplyvalue.h"
#include "res/cstringids.h"

#include <array>

namespace {

enum Type { Kev = 0, Lqn, Hwt, Hwk, Hvr, DrqPlus, Uqt, Drq2Plus, VnePlus };

constexpr int kDisplayMenuCount = 5;

// The step lists of the six types the project view has a step-text row for (KEV, LQN,
// HWT, HWK, HVR, DRQ+); the UQT's is its page's list; the other types' values are shown as
// they stand.
const QStringList kKevSteps = {"1", "2", "4", "5", "8", "10", "20", "32", "64", "128", "256"};
const QStringList kLqnSteps = {"1",  "2",  "4",  "5",   "8",   "10", "16",
                               "20", "32", "64", "128", "256", "512"};
const QStringList kHwkSteps = {"1", "2", "2.5", "4", "5", "8", "10", "16", "20"};
const QStringList kDrqSteps = {"1",  "2",  "2.5", "4",  "5",   "8",   "10",
                               "16", "20", "32",  "64", "128", "256", "512"};

const QStringList* StepDivisors(int type)
{
    switch (type) {
    case Kev:
        return &kKevSteps;
    case Lqn:
    case Hwt:
        return &kLqnSteps;
    case Hwk:
        return &kHwkSteps;
    case Hvr:
    case DrqPlus:
        return &kDrqSteps;
    default:
        return nullptr;
    }
}

// The types whose currents count in 0.01 A; the others count in 0.1 A.
bool CountsHundredths(int type)
{
    return type == Lqn || type == DrqPlus || type == Uqt || type == Drq2Plus || type == VnePlus;
}

// The types with one input logic level ("[l"); the others have six ("[lt" .. "[lx").
bool HasOneLogicLevel(int type)
{
    return type == Kev || type == Hwt || type == DrqPlus || type == Uqt || type == Drq2Plus;
}

// The UQT's chopper frequencies by their list index; another value shows as written.
QString UqtChopperText(const QString& value)
{
    static const QStringList texts = {"18 kHz", "20 kHz", "22 kHz", "25 kHz"};
    bool number = false;
    const int index = value.toInt(&number);
    return number && index >= 0 && index < texts.size() ? texts.at(index) : value;
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
    int address = -1;      // 0..31, or -1 for an address the bus cannot carry
    QString addressText;   // "[%02d]", or the file's text when it is no bus address
    int type = kTypeCount; // the file's device type, from its "[b" line
    bool shaded = false;
};

QString CProjectTable::FormatCurrent(const QString& value, int deviceType)
{
    const double amps = CReplyValue::ToFloat(value);
    return CountsHundredths(deviceType) ? QString::asprintf("%0.2f A", amps / 100.0)
                                        : QString::asprintf("%0.1f A", amps / 10.0);
}

QString CProjectTable::StepText(int deviceType, const QString& value, const QString& stepWord)
{
    const QStringList* divisors = StepDivisors(deviceType);
    bool number = false;
    const int index = value.toInt(&number);
    if (deviceType == Uqt) {
        const std::span<const char* const> prefixes = CDeviceTypeTables::Uqt().setup.stepPrefixes;
        if (!number || index < 0 || index >= static_cast<int>(prefixes.size()))
            return value;
        return QString::fromLatin1(prefixes[static_cast<std::size_t>(index)]) + stepWord;
    }
    if (!divisors || !number || index < 0 || index >= divisors->size())
        return value;
    return QStringLiteral("1/") + divisors->at(index) + QLatin1Char(' ') + stepWord;
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
    for (int address = 0; address < kAddressSlots; ++address) {
        int& mark = result.axisMarks[static_cast<std::size_t>(address)];
        if (mark == MarkNone && context.treeTypeOf(address) >= 0)
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
            hex && !text.isEmpty() && text.size() <= 2 && address >= 0 && address < kAddressSlots;
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
        axis.type = context.typeNamedIn(value);
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
        if (axis.type == Hwt || axis.type == DrqPlus)
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
        if (axis.type != Lqn)
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
        if (axis.type == Uqt)
            return {chopper, UqtChopperText(value)};
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
    if (HasOneLogicLevel(axis.type) && has("[l"))
        return {label(CStringIds::kIdsInputLogicLabel),
                choose(IsOne(after("[l")), CStringIds::kIdsLowActive, CStringIds::kIdsHighActive)};
    static constexpr const char* kLogicKeys[6] = {"[lt", "[ld", "[lb", "[la", "[lr", "[lx"};
    for (unsigned i = 0; i < 6; ++i) {
        if (!HasOneLogicLevel(axis.type) && has(kLogicKeys[i]))
            return {QStringLiteral("Logik --> ") + label(CStringIds::kIdsFirstLogicLabel + i),
                    choose(IsOne(after(kLogicKeys[i])), CStringIds::kIdsLowActive,
                           CStringIds::kIdsHighActive)};
    }
    if (has("[px")) {
        const QString value = after("[px");
        // A UQT keeps its overdrive frequency's list index there, not a bus mode.
        if (axis.type == Uqt) {
            bool number = false;
            const QString text = CDeviceTypeTables::UqtOverdriveFrequencyText(value.toInt(&number));
            return {CDeviceTypeTables::UqtOverdriveFrequencyLabel(),
                    number && !text.isEmpty() ? text : value};
        }
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
    const int treeType = context.treeTypeOf(axis.address);
    if (treeType >= 0) {
        result.axisMarks[static_cast<std::size_t>(axis.address)] =
            treeType == axis.type ? MarkGreen : MarkYellow;
    } else if (axis.type >= 0 && axis.type < kTypeCount) {
        // The project's axis is missing from the tree: its type's group shows it.
        result.groupMarks[static_cast<std::size_t>(axis.type)] = MarkRed;
    }
}
