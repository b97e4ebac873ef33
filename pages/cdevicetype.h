// The nine device types as one enumeration, and one row of data per type: its name and
// codes, how it counts currents and the delay, its step list, its input levels and how the
// project view reads its parameter file. The pages, the files, the project table, the tree
// and the status code read these rows; a new type is one row here and one class in
// pages/types. Numbers become types only through FromInt, at the edges where they are
// stored or chosen. No widgets here.
#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <span>

// The numbers are the device-type indexes that files and lists keep (the new-axis dialog
// and the tree's groups count in this order): they never change, and a new type goes last.
enum class DeviceType { Kev = 0, Lqn, Hwt, Hwk, Hvr, DrqPlus, Uqt, Drq2Plus, VnePlus };

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
    // One more than the last type's number.
    static constexpr int kCount = static_cast<int>(DeviceType::VnePlus) + 1;

    // The type of number `number`; none for a number no type has.
    static std::optional<DeviceType> FromInt(int number);
    static constexpr int ToInt(DeviceType type) { return static_cast<int>(type); }
    // The type's place in the arrays and lists kept by type.
    static constexpr std::size_t Index(DeviceType type) { return static_cast<std::size_t>(type); }

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
};
