#include "pages/cdevicetypetables.h"

#include "pages/cdevicetype.h"
#include "pages/cpagecontrolids.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr CParamWrite kCommonWrites[] = {
    {"S", WriteSource::Slider, 0},
    {"R", WriteSource::Slider, 1},
    {"A", WriteSource::Slider, 2},
    {"M", WriteSource::Combo, CPageControlIds::kStepCombo},
    {"G", WriteSource::Combo, CPageControlIds::kDirectionCombo},
    {"T", WriteSource::DelaySpin, 0},
    {"U", WriteSource::Combo, CPageControlIds::kActivationCombo},
};

constexpr CParamQuery kCommonReads[] = {
    {"PN?", QueryTarget::Name, 0},
    {"S?", QueryTarget::Slider, 0},
    {"R?", QueryTarget::Slider, 1},
    {"A?", QueryTarget::Slider, 2},
    {"M?", QueryTarget::Combo, CPageControlIds::kStepCombo},
    {"G?", QueryTarget::Combo, CPageControlIds::kDirectionCombo},
    {"L?", QueryTarget::Combo, CPageControlIds::kInputLogicCombo},
    {"T?", QueryTarget::DelayTime, 0},
    {"U?", QueryTarget::Combo, CPageControlIds::kActivationCombo},
};

// ---- KEV: 0.1 A per slider step up to 6.3 A, and the temperature module ------------------

const CPageSetup kKevSetup = {63, 5, 1, 200, 1.59};

constexpr CParamQuery kKevReads[] = {
    {"H?", QueryTarget::Combo, CPageControlIds::kInputFunctionCombo},
    {"O?", QueryTarget::Combo, CPageControlIds::kOutputFunctionCombo},
    {"PB?", QueryTarget::Combo, CPageControlIds::kOperationModeCombo},
    {"B?", QueryTarget::Firmware, 0},
};

constexpr CParamWrite kKevWrites[] = {
    {"H", WriteSource::Combo, CPageControlIds::kInputFunctionCombo},
    {"O", WriteSource::Combo, CPageControlIds::kOutputFunctionCombo},
    {"PB", WriteSource::Combo, CPageControlIds::kOperationModeCombo},
    {"L", WriteSource::Combo, CPageControlIds::kInputLogicCombo},
};

// ---- what the types with six input levels read and write ---------------------------------

constexpr CParamQuery kLevelReads[] = {
    {"LT?", QueryTarget::LogicLevel, 0}, {"LD?", QueryTarget::LogicLevel, 1},
    {"LB?", QueryTarget::LogicLevel, 2}, {"LA?", QueryTarget::LogicLevel, 3},
    {"LR?", QueryTarget::LogicLevel, 4}, {"LX?", QueryTarget::LogicLevel, 5},
};

// The levels are written last, after a type's own writes.
constexpr CParamWrite kLevelWrites[] = {
    {"LT", WriteSource::LogicLevel, 0}, {"LD", WriteSource::LogicLevel, 1},
    {"LB", WriteSource::LogicLevel, 2}, {"LA", WriteSource::LogicLevel, 3},
    {"LR", WriteSource::LogicLevel, 4}, {"LX", WriteSource::LogicLevel, 5},
};

// ---- LQN: 0.01 A per slider step up to 2.5 A, current shape with chopper, four levels ----

const CPageSetup kLqnSetup = {250, 25, 1, 200, 4.0};

// The lock first: a locked stage keeps its chopper frequency out of reach.
constexpr CParamQuery kLqnReads[] = {
    {"PS?", QueryTarget::Lock, 0},
    {"PC?", QueryTarget::ShapeAndChopper, CPageControlIds::kInputFunctionCombo},
    {"PE?", QueryTarget::Combo, CPageControlIds::kOutputFunctionCombo},
    {"PX?", QueryTarget::Combo, CPageControlIds::kOperationModeCombo},
    {"B?", QueryTarget::Firmware, 0},
};

constexpr CParamWrite kLqnWrites[] = {
    {"PC", WriteSource::Combo, CPageControlIds::kInputFunctionCombo},
    {"PE", WriteSource::Combo, CPageControlIds::kOutputFunctionCombo},
    {"PX", WriteSource::Combo, CPageControlIds::kOperationModeCombo},
};

// ---- HWT: 0.1 A per slider step up to 6.3 A, the delay in steps --------------------------

const CPageSetup kHwtSetup = {63, 5, 0, 15, 1.59};

constexpr CParamQuery kHwtReads[] = {
    {"PC?", QueryTarget::Combo, CPageControlIds::kInputFunctionCombo},
    {"PO?", QueryTarget::Combo, CPageControlIds::kOutputFunctionCombo},
    {"PX?", QueryTarget::Combo, CPageControlIds::kOperationModeCombo},
    {"B?", QueryTarget::Firmware, 0},
};

constexpr CParamWrite kHwtWrites[] = {
    {"PC", WriteSource::Combo, CPageControlIds::kInputFunctionCombo},
    {"PO", WriteSource::Combo, CPageControlIds::kOutputFunctionCombo},
    {"PX", WriteSource::Combo, CPageControlIds::kOperationModeCombo},
    {"L", WriteSource::Combo, CPageControlIds::kInputLogicCombo},
};

// ---- HWK and HVR: 0.1 A per slider step, two display menus, six levels, a lock -----------

const CPageSetup kHwkSetup = {63, 5, 0, 1000, 1.59};
const CPageSetup kHvrSetup = {14, 2, 0, 1000, 7.14};

constexpr CParamQuery kHwkReads[] = {
    {"PS?", QueryTarget::Lock, 0},
    {"PL?", QueryTarget::DisplayType, 1},
    {"PM?", QueryTarget::DisplayType, 2},
    {"PO?", QueryTarget::Combo, CPageControlIds::kOutputFunctionCombo},
    {"PX?", QueryTarget::Combo, CPageControlIds::kOperationModeCombo},
    {"B?", QueryTarget::Firmware, 0},
};

constexpr CParamWrite kHwkWrites[] = {
    {"PL", WriteSource::DisplayType, 1},
    {"PM", WriteSource::DisplayType, 2},
    {"PO", WriteSource::Combo, CPageControlIds::kOutputFunctionCombo},
    {"PX", WriteSource::Combo, CPageControlIds::kOperationModeCombo},
};

// The HVR has no overdrive.
constexpr CParamQuery kHvrReads[] = {
    {"PS?", QueryTarget::Lock, 0},
    {"PL?", QueryTarget::DisplayType, 1},
    {"PM?", QueryTarget::DisplayType, 2},
    {"PX?", QueryTarget::Combo, CPageControlIds::kOperationModeCombo},
    {"B?", QueryTarget::Firmware, 0},
};

constexpr CParamWrite kHvrWrites[] = {
    {"PL", WriteSource::DisplayType, 1},
    {"PM", WriteSource::DisplayType, 2},
    {"PX", WriteSource::Combo, CPageControlIds::kOperationModeCombo},
};

// ---- DRQ+: 0.01 A per slider step up to 6.3 A, the delay in steps, a parameter lock -------

const CPageSetup kDrqPlusSetup = {630, 50, 0, 15, 1.59};

constexpr CParamQuery kDrqPlusReads[] = {
    {"PC?", QueryTarget::Combo, CPageControlIds::kInputFunctionCombo},
    {"PO?", QueryTarget::Combo, CPageControlIds::kOutputFunctionCombo},
    {"PX?", QueryTarget::Unused, 0},
    {"PS?", QueryTarget::OperationState, CPageControlIds::kOperationModeCombo},
    {"B?", QueryTarget::Firmware, 0},
};

// The overdrive is written after the current shape, as on the HWT.
constexpr CParamWrite kDrqPlusWrites[] = {
    {"PC", WriteSource::Combo, CPageControlIds::kInputFunctionCombo},
    {"PO", WriteSource::Combo, CPageControlIds::kOutputFunctionCombo},
    {"L", WriteSource::Combo, CPageControlIds::kInputLogicCombo},
};

// ---- UQT: 0.01 A per slider step up to 3.5 A, overdrive and its frequency ----------------

const CPageSetup kUqtSetup = {350, 25, 1, 150, 2.86};

constexpr int kUqtFrequencies[] = {
    1000,   2000,   3000,   4000,   5000,   6000,   7000,   8000,   9000,
    10000,  15000,  20000,  25000,  30000,  35000,  40000,  45000,  50000,
    60000,  70000,  80000,  90000,  100000, 110000, 120000, 130000, 140000,
    150000, 160000, 170000, 180000, 190000, 200000, 210000, 220000,
};

constexpr const char* kUqtChopperFrequencies[] = {"18 kHz", "20 kHz", "22 kHz", "25 kHz"};

// No version either: the stage is known by its type alone.
constexpr CParamQuery kUqtReads[] = {
    {"PO?", QueryTarget::Combo, CPageControlIds::kInputFunctionCombo},
    {"PE?", QueryTarget::Combo, CPageControlIds::kOutputFunctionCombo},
    {"PH?", QueryTarget::FrequencyEntry, CPageControlIds::kOperationModeCombo},
};

// The overdrive frequency goes out as its list index.
constexpr CParamWrite kUqtWrites[] = {
    {"PO", WriteSource::Combo, CPageControlIds::kInputFunctionCombo},
    {"PE", WriteSource::Combo, CPageControlIds::kOutputFunctionCombo},
    {"K", WriteSource::Combo, CPageControlIds::kOperationModeCombo},
    {"L", WriteSource::Combo, CPageControlIds::kInputLogicCombo},
};

// ---- DRQ2+: 0.01 A per slider step up to 6.3 A, the input logic its only extra -----------

const CPageSetup kDrq2PlusSetup = {630, 50, 0, 1000, 1.59};

constexpr CParamWrite kDrq2PlusWrites[] = {
    {"L", WriteSource::Combo, CPageControlIds::kInputLogicCombo},
};

// ---- VNE+: 0.01 A per slider step up to 11 A, currents and steps alone -------------------

const CPageSetup kVnePlusSetup = {1100, 100, 0, 1000, 0.909};

constexpr CParamQuery kVnePlusReads[] = {
    {"B?", QueryTarget::Firmware, 0},
};

// The reads of the separate input levels a type has in place of the one input logic.
std::span<const CParamQuery> LevelReadsOf(DeviceType type)
{
    const auto count = static_cast<std::size_t>(CDeviceType::Info(type).inputLevels);
    return std::span<const CParamQuery>(kLevelReads).first(count);
}

} // namespace

QString CDeviceTypeTables::DelayTableText(int position)
{
    // Finer steps for the short delays, coarser ones for the long.
    static constexpr int kMilliseconds[16] = {1,  2,  4,  6,   8,   10,  12,  14,
                                              16, 20, 40, 60, 100, 200, 500, 1000};
    if (position < 0 || position > 15)
        return {};
    return QStringLiteral("%1 ms").arg(kMilliseconds[position]);
}

std::span<const CParamQuery> CDeviceTypeTables::CommonReads()
{
    return kCommonReads;
}

std::span<const CParamWrite> CDeviceTypeTables::CommonWrites()
{
    return kCommonWrites;
}

const CPageSetup& CDeviceTypeTables::KevSetup()
{
    return kKevSetup;
}

std::span<const CParamQuery> CDeviceTypeTables::KevReads()
{
    return kKevReads;
}

std::span<const CParamWrite> CDeviceTypeTables::KevWrites()
{
    return kKevWrites;
}

std::span<const CParamWrite> CDeviceTypeTables::LevelWrites(std::size_t count)
{
    return std::span<const CParamWrite>(kLevelWrites).first(std::min(count, std::size(kLevelWrites)));
}

QStringList CDeviceTypeTables::UqtChopperFrequencies()
{
    return {std::begin(kUqtChopperFrequencies), std::end(kUqtChopperFrequencies)};
}

QString CDeviceTypeTables::UqtChopperFrequencyText(int index)
{
    return UqtChopperFrequencies().value(index);
}

std::span<const int> CDeviceTypeTables::UqtOverdriveFrequencies()
{
    return kUqtFrequencies;
}

QString CDeviceTypeTables::UqtOverdriveFrequencyText(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(kUqtFrequencies)))
        return QString();
    return QStringLiteral("%1 Hz").arg(kUqtFrequencies[index]);
}

QString CDeviceTypeTables::UqtOverdriveFrequencyLabel()
{
    return QStringLiteral("Overdrive Frequenz");
}

const CTypeTables& CDeviceTypeTables::Lqn()
{
    static const CTypeTables tables{kLqnSetup, kLqnReads, kLqnWrites,
                                    LevelReadsOf(DeviceType::Lqn)};
    return tables;
}

const CTypeTables& CDeviceTypeTables::Hwt()
{
    static const CTypeTables tables{kHwtSetup, kHwtReads, kHwtWrites, {}};
    return tables;
}

const CTypeTables& CDeviceTypeTables::Hwk()
{
    static const CTypeTables tables{kHwkSetup, kHwkReads, kHwkWrites,
                                    LevelReadsOf(DeviceType::Hwk)};
    return tables;
}

const CTypeTables& CDeviceTypeTables::Hvr()
{
    static const CTypeTables tables{kHvrSetup, kHvrReads, kHvrWrites,
                                    LevelReadsOf(DeviceType::Hvr)};
    return tables;
}

const CTypeTables& CDeviceTypeTables::DrqPlus()
{
    static const CTypeTables tables{kDrqPlusSetup, kDrqPlusReads, kDrqPlusWrites, {}};
    return tables;
}

const CTypeTables& CDeviceTypeTables::Uqt()
{
    static const CTypeTables tables{kUqtSetup, kUqtReads, kUqtWrites, {}};
    return tables;
}

const CTypeTables& CDeviceTypeTables::Drq2Plus()
{
    static const CTypeTables tables{kDrq2PlusSetup, kVnePlusReads, kDrq2PlusWrites, {}};
    return tables;
}

const CTypeTables& CDeviceTypeTables::VnePlus()
{
    static const CTypeTables tables{kVnePlusSetup, kVnePlusReads, {}, {}};
    return tables;
}
