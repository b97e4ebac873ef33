#include "pages/cdevicetype.h"

#include <iterator>

namespace {

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

// ---- the step lists ------------------------------------------------------------------------

constexpr const char* kKevSteps[] = {"1/1 ",  "1/2 ",  "1/4 ",  "1/5 ",   "1/8 ",  "1/10 ",
                                     "1/20 ", "1/32 ", "1/64 ", "1/128 ", "1/256 "};

constexpr const char* kThirteenSteps[] = {"1/1 ",  "1/2 ",  "1/4 ",  "1/5 ",   "1/8 ",
                                          "1/10 ", "1/16 ", "1/20 ", "1/32 ",  "1/64 ",
                                          "1/128 ", "1/256 ", "1/512 "};

// With "1/2,5 " written with a comma, as the HWK and the HVR pages show it; the HWK offers
// the first nine.
constexpr const char* kCommaSteps[] = {"1/1 ",  "1/2 ",  "1/2,5 ", "1/4 ",   "1/5 ",
                                       "1/8 ",  "1/10 ", "1/16 ",  "1/20 ",  "1/32 ",
                                       "1/64 ", "1/128 ", "1/256 ", "1/512 "};

// The resolutions of the types with 1/2.5 and 1/512; the project view writes the 2.5 of
// every type with a point.
constexpr const char* kFourteenSteps[] = {"1/1 ",  "1/2 ",  "1/2.5 ", "1/4 ",   "1/5 ",
                                          "1/8 ",  "1/10 ", "1/16 ",  "1/20 ",  "1/32 ",
                                          "1/64 ", "1/128 ", "1/256 ", "1/512 "};

constexpr const char* kDrq2PlusSteps[] = {"1/1 ",  "1/2 ",  "1/4 ",   "1/8 ",  "1/16 ",
                                          "1/32 ", "1/64 ", "1/128 ", "1/256 "};

// Full step, current-shaped, plain, current-shaped with boost, and the conventional half step.
constexpr const char* kVnePlusSteps[] = {"1/1 ",  "1/2 ",  "1/4 ",  "1/5 ", "1/10 ", "1/20 ",
                                         "1/2 ",  "1/4 ",  "1/5 ",  "1/10 ", "1/20 ", "1/4 ",
                                         "1/5 ",  "1/10 ", "1/20 ", "1/2 "};
constexpr const char* kVnePlusSuffixes[] = {
    "",           " (CS)",      " (CS)",      " (CS)",      " (CS)", " (CS)", "", "", "", "",
    "",           " (CS + BU)", " (CS + BU)", " (CS + BU)", " (CS + BU)", " (konv.)"};
static_assert(std::size(kVnePlusSteps) == std::size(kVnePlusSuffixes));

constexpr std::span<const char* const> kNone;

constexpr std::span<const char* const> First(std::span<const char* const> list, std::size_t n)
{
    return list.first(n);
}

using enum DeviceType;
using enum CurrentUnit;
using enum DelayKind;

// By type number. Each row: type, name, file code, group suffix, current unit, scale text,
// step list and its suffixes, delay, separate input levels, temperature module, and for the
// project view its step texts, one input logic, shape modes and the UQT's lists.
constexpr CDeviceTypeInfo kTypes[] = {
    {Kev, "KEV", "KEV", "", Tenth, kScaleTo6A, kKevSteps, kNone, Milliseconds, 0, true,
     {kKevSteps, true, false, false}},
    {Lqn, "LQN", "LQN", "+", Hundredth, kScaleTo2_5A, kThirteenSteps, kNone, Milliseconds, 4,
     false, {kThirteenSteps, false, true, false}},
    {Hwt, "HWT", "HWT", "+", Tenth, kScaleTo6A, kThirteenSteps, kNone, TableSteps, 0, false,
     {kThirteenSteps, true, false, false}},
    {Hwk, "HWK", "HWK", "+", Tenth, kScaleTo6A, First(kCommaSteps, 9), kNone, Milliseconds, 6,
     false, {First(kFourteenSteps, 9), false, false, false}},
    {Hvr, "HVR", "HVR", "+", Tenth, kScaleTo1_4A, kCommaSteps, kNone, Milliseconds, 6, false,
     {kFourteenSteps, false, false, false}},
    {DrqPlus, "DRQ+", "DRQ", "", Hundredth, kScaleTo6A, kFourteenSteps, kNone, TableSteps, 0,
     false, {kFourteenSteps, true, false, false}},
    {Uqt, "UQT", "UQK", "+", Hundredth, kScaleTo3_5A, kFourteenSteps, kNone, Milliseconds, 0,
     false, {kFourteenSteps, true, false, true}},
    {Drq2Plus, "DRQ2+", "", "", Hundredth, kScaleTo6A, kDrq2PlusSteps, kNone, Milliseconds, 0,
     false, {kNone, true, false, false}},
    {VnePlus, "VNE+", "", "/VNL+", Hundredth, kScaleTo10A, kVnePlusSteps, kVnePlusSuffixes,
     Milliseconds, 0, false, {kNone, false, false, false}},
};
static_assert(CDeviceType::RowForEveryType<std::size(kTypes)>());
static_assert(CDeviceType::RowsInTypeOrder<CDeviceTypeInfo>(kTypes),
              "every row of the type table stands at its type's number");

} // namespace

std::optional<DeviceType> CDeviceType::FromInt(int number)
{
    if (number < 0 || number >= kCount)
        return std::nullopt;
    return static_cast<DeviceType>(number);
}

const CDeviceTypeInfo& CDeviceType::Info(DeviceType type)
{
    return kTypes[Index(type)];
}

std::span<const CDeviceTypeInfo> CDeviceType::All()
{
    return kTypes;
}

QString CDeviceType::Name(DeviceType type)
{
    return QString::fromLatin1(Info(type).name);
}

std::optional<DeviceType> CDeviceType::NamedIn(const QString& text)
{
    for (const CDeviceTypeInfo& info : kTypes) {
        if (text.contains(QLatin1String(info.name)))
            return info.type;
    }
    return std::nullopt;
}

std::optional<DeviceType> CDeviceType::OfFileCode(const QString& code)
{
    if (code.isEmpty())
        return std::nullopt;
    for (const CDeviceTypeInfo& info : kTypes) {
        if (code == QLatin1String(info.fileCode))
            return info.type;
    }
    return std::nullopt;
}

int CDeviceType::StepsPerAmpere(CurrentUnit unit)
{
    return unit == Tenth ? 10 : 100;
}

QString CDeviceType::CurrentText(CurrentUnit unit, double steps)
{
    return QString::asprintf(unit == Tenth ? "%.1f A" : "%.2f A", steps / StepsPerAmpere(unit));
}
