// The device types as one enumeration, and one row of data per type: its name and codes,
// how it counts currents and the delay, its step list, its input levels and how the project
// view reads its parameter file. The pages, the files, the project table, the tree and the
// status code read these rows. Numbers become types only through FromInt, at the edges where
// they are stored or chosen. No widgets here.
//
// A new type is its name last in TARNLINK_DEVICE_TYPES, which makes the enumerator and the
// count. The build then stops, naming the type, until it has its row in every table kept by
// type (the rows in cdevicetype.cpp, its own lines in cparameterfile.cpp) and its case in
// every switch over the types (a switch that misses a type is an error), the factory
// CEndstufe::Create among them, which wants its page: a class in pages/types over tables of
// its own in CDeviceTypeTables.
#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <span>
#include <utility>

// Every type in the order of its number, the device-type index that files and lists keep (the
// new-axis dialog and the tree's groups count in this order): the numbers never change, and a
// new type goes last. The enumeration and CDeviceType::kCount are made from this one list.
#define TARNLINK_DEVICE_TYPES(TYPE)                                                            \
    TYPE(Kev) TYPE(Lqn) TYPE(Hwt) TYPE(Hwk) TYPE(Hvr) TYPE(DrqPlus) TYPE(Uqt) TYPE(Drq2Plus)   \
    TYPE(VnePlus)

#define TARNLINK_DEVICE_TYPE_ENUMERATOR(type) type,
enum class DeviceType { TARNLINK_DEVICE_TYPES(TARNLINK_DEVICE_TYPE_ENUMERATOR) };
#undef TARNLINK_DEVICE_TYPE_ENUMERATOR

// What one slider position counts.
enum class CurrentUnit { Tenth, Hundredth };

// What one position of the delay spin counts: a millisecond, or a step of the delay table
// (CDeviceTypeTables::DelayTableText).
enum class DelayKind { Milliseconds, TableSteps };

// How the project view shows the lines of a type's parameter file where the types differ.
struct CProjectDecoding {
    // The texts of the step-resolution values, each followed by the step word; empty where
    // the view shows the value as written.
    std::span<const char* const> steps;
    // One input logic "[l"; otherwise the separate levels "[lt" .. "[lx".
    bool oneInputLogic;
    // "[pc" names the standard or the expert mode where the others say "On".
    bool shapeModes;
    // "[pe" and "[px" are indexes into the UQT's chopper-frequency and overdrive-frequency
    // lists (CDeviceTypeTables), not the 50, 75 or 100 kHz and the bus mode of the others.
    bool uqtLists;
};

struct CDeviceTypeInfo {
    DeviceType type;
    const char* name;        // in the stage's version reply, the file's "[b" line and the lists
    const char* fileCode;    // of the project file's axis lines; empty where the format has none
    const char* groupSuffix; // behind the name in the tree's group label
    CurrentUnit currentUnit;
    const char* scaleText;                     // under the three current sliders
    std::span<const char* const> steps;        // of the page's step list, each before the step word
    std::span<const char* const> stepSuffixes; // behind the step word, by entry; empty for none
    DelayKind delay;
    int inputLevels;        // separate input levels in place of one input logic; 0 for none
    bool temperatureModule; // the page keeps the temperature module (QEL) and its settings
    CProjectDecoding project;
};

class CDeviceType {
public:
    // How many types there are: one more than the last type's number.
#define TARNLINK_DEVICE_TYPE_ONE(type) +1
    static constexpr int kCount = 0 TARNLINK_DEVICE_TYPES(TARNLINK_DEVICE_TYPE_ONE);
#undef TARNLINK_DEVICE_TYPE_ONE

    // The type of number `number`; none for a number no type has.
    static std::optional<DeviceType> FromInt(int number);
    static constexpr int ToInt(DeviceType type) { return static_cast<int>(type); }
    // The type's place in the arrays and lists kept by type.
    static constexpr std::size_t Index(DeviceType type) { return static_cast<std::size_t>(type); }

    // For a static_assert beside every table kept by type, with `rows` rows, row i for the
    // type numbered i: the build stops, naming each type the table has no row for, and when
    // the table has more rows than there are types.
    template <std::size_t rows>
    static constexpr bool RowForEveryType()
    {
        static_assert(rows <= std::size_t(kCount),
                      "a table kept by device type has more rows than types");
        return RowsFor<rows>(std::make_index_sequence<kCount>());
    }
    // For a static_assert beside a table kept by type whose rows name their type: whether
    // each row stands at its type's number.
    template <typename Row>
    static constexpr bool RowsInTypeOrder(std::span<const Row> rows)
    {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (Index(rows[i].type) != i)
                return false;
        }
        return true;
    }

    static const CDeviceTypeInfo& Info(DeviceType type);
    // Every type's row, in the order of their numbers.
    static std::span<const CDeviceTypeInfo> All();

    static QString Name(DeviceType type);
    // The type whose name `text` contains (a version reply, a "[b" line), the first in
    // number order; none when no name occurs in it.
    static std::optional<DeviceType> NamedIn(const QString& text);
    // The type a project-file code stands for; none for an empty code or one no type has.
    static std::optional<DeviceType> OfFileCode(const QString& code);

    // Slider positions per ampere, 10 or 100, which places each number of a scale text under
    // its slider position.
    static int StepsPerAmpere(CurrentUnit unit);
    // A current of `steps` slider positions: "%.1f A" in 0.1 A, "%.2f A" in 0.01 A.
    static QString CurrentText(CurrentUnit unit, double steps);

private:
    template <DeviceType type, std::size_t rows>
    static constexpr bool RowFor()
    {
        // The compiler's note names the type, and the line of the table's static_assert.
        static_assert(Index(type) < rows,
                      "a table kept by device type has no row for this type: add its row");
        return true;
    }
    template <std::size_t rows, std::size_t... number>
    static constexpr bool RowsFor(std::index_sequence<number...>)
    {
        return (RowFor<static_cast<DeviceType>(number), rows>() && ...);
    }
};
