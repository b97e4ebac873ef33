#include "pages/cdevicetypetables.h"

#include "pages/cpagecontrolids.h"

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
    {"PN?", QueryTarget::Name, 0},
    {"S?", QueryTarget::Slider, 0},
    {"R?", QueryTarget::Slider, 1},
    {"A?", QueryTarget::Slider, 2},
    {"M?", QueryTarget::Combo, CPageControlIds::kStepCombo},
    {"G?", QueryTarget::Combo, CPageControlIds::kDirectionCombo},
    {"L?", QueryTarget::Combo, CPageControlIds::kInputLogicCombo},
    {"T?", QueryTarget::DelayTime, 0},
    {"U?", QueryTarget::Combo, CPageControlIds::kActivationCombo},
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

const CCurrentScale& CDeviceTypeTables::CurrentScale(int deviceType)
{
    if (deviceType < 0 || deviceType >= static_cast<int>(std::size(kCurrentScales)))
        return kNoScale;
    return kCurrentScales[deviceType];
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
