#include "pages/cdevicetypetables.h"

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

// ---- the current scales, one text per current range --------------------------------------

constexpr const char* kScaleTo1_4A =
    "0       0,2     0,4      0,6     0,8      1,0     1,2     1,4 A";
constexpr const char* kScaleTo2_5A =
    "0            0,5         1,0          1,5         2,0         2,5 A";
constexpr const char* kScaleTo3_5A =
    "0       0,5      1,0     1,5     2,0     2,5     3,0      3,5A";
constexpr const char* kScaleTo6A =
    "0         1,0      2,0      3,0       4,0      5,0      6,0     A";
constexpr const char* kScaleTo10A =
    "0          2,0        4,0        6,0         8,0       10,0       A";

// By device-type index: KEV, LQN, HWT, HWK, HVR, DRQ+, UQT, DRQ2+, VNE+.
constexpr CCurrentScale kCurrentScales[] = {
    {kScaleTo6A, 10},    {kScaleTo2_5A, 100}, {kScaleTo6A, 10},
    {kScaleTo6A, 10},    {kScaleTo1_4A, 10},  {kScaleTo6A, 100},
    {kScaleTo3_5A, 100}, {kScaleTo6A, 100},   {kScaleTo10A, 100},
};

constexpr CCurrentScale kNoScale = {"", 0};

// ---- KEV: 0.1 A per slider step up to 6.3 A, and the temperature module ------------------

constexpr const char* kKevSteps[] = {"1/1 ",  "1/2 ",  "1/4 ",  "1/5 ",   "1/8 ",  "1/10 ",
                                     "1/20 ", "1/32 ", "1/64 ", "1/128 ", "1/256 "};

const CPageSetup kKevSetup = {
    63,
    5,
    kKevSteps,
    kScaleTo6A,
    1,
    200,
    1.59,
    true,
};

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

constexpr const char* kThirteenSteps[] = {"1/1 ",  "1/2 ",  "1/4 ",  "1/5 ",   "1/8 ",
                                          "1/10 ", "1/16 ", "1/20 ", "1/32 ",  "1/64 ",
                                          "1/128 ", "1/256 ", "1/512 "};

const CPageSetup kLqnSetup = {250, 25, kThirteenSteps, kScaleTo2_5A, 1, 200, 4.0, false};

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

const CPageSetup kHwtSetup = {63, 5, kThirteenSteps, kScaleTo6A, 0, 15, 1.59, false};

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

// With "1/2,5 " written with a comma; the HWK offers the first nine.
constexpr const char* kCommaSteps[] = {"1/1 ",  "1/2 ",  "1/2,5 ", "1/4 ",   "1/5 ",
                                       "1/8 ",  "1/10 ", "1/16 ",  "1/20 ",  "1/32 ",
                                       "1/64 ", "1/128 ", "1/256 ", "1/512 "};

const CPageSetup kHwkSetup = {
    63, 5, std::span<const char* const>(kCommaSteps).first(9), kScaleTo6A, 0, 1000, 1.59, false};
const CPageSetup kHvrSetup = {14, 2, kCommaSteps, kScaleTo1_4A, 0, 1000, 7.14, false};

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

// The resolutions of the types with 1/2.5 and 1/512.
constexpr const char* kFourteenSteps[] = {"1/1 ",  "1/2 ",  "1/2.5 ", "1/4 ",   "1/5 ",
                                          "1/8 ",  "1/10 ", "1/16 ",  "1/20 ",  "1/32 ",
                                          "1/64 ", "1/128 ", "1/256 ", "1/512 "};

const CPageSetup kDrqPlusSetup = {630, 50, kFourteenSteps, kScaleTo6A, 0, 15, 1.59, false};

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

const CPageSetup kUqtSetup = {
    350,
    25,
    kFourteenSteps,
    kScaleTo3_5A,
    1,
    150,
    2.86,
    false,
};

constexpr int kUqtFrequencies[] = {
    1000,   2000,   3000,   4000,   5000,   6000,   7000,   8000,   9000,
    10000,  15000,  20000,  25000,  30000,  35000,  40000,  45000,  50000,
    60000,  70000,  80000,  90000,  100000, 110000, 120000, 130000, 140000,
    150000, 160000, 170000, 180000, 190000, 200000, 210000, 220000,
};

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

constexpr const char* kDrq2PlusSteps[] = {"1/1 ",  "1/2 ",  "1/4 ",   "1/8 ",  "1/16 ",
                                          "1/32 ", "1/64 ", "1/128 ", "1/256 "};

const CPageSetup kDrq2PlusSetup = {630, 50, kDrq2PlusSteps, kScaleTo6A, 0, 1000, 1.59, false};

constexpr CParamWrite kDrq2PlusWrites[] = {
    {"L", WriteSource::Combo, CPageControlIds::kInputLogicCombo},
};

// ---- VNE+: 0.01 A per slider step up to 11 A, currents and steps alone -------------------

// Full step, current-shaped, plain, current-shaped with boost, and the conventional half step.
constexpr const char* kVnePlusSteps[] = {"1/1 ",  "1/2 ",  "1/4 ",  "1/5 ", "1/10 ", "1/20 ",
                                         "1/2 ",  "1/4 ",  "1/5 ",  "1/10 ", "1/20 ", "1/4 ",
                                         "1/5 ",  "1/10 ", "1/20 ", "1/2 "};
constexpr const char* kVnePlusSuffixes[] = {
    "",           " (CS)",      " (CS)",      " (CS)",      " (CS)", " (CS)", "", "", "", "",
    "",           " (CS + BU)", " (CS + BU)", " (CS + BU)", " (CS + BU)", " (konv.)"};
static_assert(std::size(kVnePlusSteps) == std::size(kVnePlusSuffixes));

const CPageSetup kVnePlusSetup = {
    1100,
    100,
    kVnePlusSteps,
    kScaleTo10A,
    0,
    1000,
    0.909,
    false,
};

constexpr CParamQuery kVnePlusReads[] = {
    {"B?", QueryTarget::Firmware, 0},
};

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

bool CDeviceTypeTables::DelayInSteps(int deviceType)
{
    constexpr int kHwt = 2;
    constexpr int kDrqPlus = 5;
    return deviceType == kHwt || deviceType == kDrqPlus;
}

const CCurrentScale& CDeviceTypeTables::CurrentScale(int deviceType)
{
    if (deviceType < 0 || deviceType >= static_cast<int>(std::size(kCurrentScales)))
        return kNoScale;
    return kCurrentScales[deviceType];
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
                                    std::span<const CParamQuery>(kLevelReads).first(4)};
    return tables;
}

const CTypeTables& CDeviceTypeTables::Hwt()
{
    static const CTypeTables tables{kHwtSetup, kHwtReads, kHwtWrites, {}};
    return tables;
}

const CTypeTables& CDeviceTypeTables::Hwk()
{
    static const CTypeTables tables{kHwkSetup, kHwkReads, kHwkWrites, kLevelReads};
    return tables;
}

const CTypeTables& CDeviceTypeTables::Hvr()
{
    static const CTypeTables tables{kHvrSetup, kHvrReads, kHvrWrites, kLevelReads};
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

std::span<const char* const> CDeviceTypeTables::VnePlusStepSuffixes()
{
    return kVnePlusSuffixes;
}
