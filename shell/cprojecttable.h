// What the project view shows, worked out without the grid: for every axis file of a
// project one heading row and one row per parameter line, each value decoded for the axis's
// device type, and the marks that tell for each axis of the power-stage tree whether the
// project holds it with the same type. The view copies the rows into its grid and paints
// the marks; this class reads nothing but the lines it is given.
#pragma once

#include "pages/caxislist.h"
#include "pages/cdevicetype.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class CProjectTable {
public:
    // What a value the file marks as unknown ("-1") shows.
    static constexpr const char* kUnknownValue = "?";

    struct Row {
        QString label;
        QString value;
        bool heading = false; // the axis's address and type, in the heading colour
        bool shaded = false;  // every other file's rows
    };

    enum Mark { MarkNone = 0, MarkGreen = 1, MarkYellow = 2, MarkRed = 3 };

    struct Result {
        QList<Row> rows;
        std::array<int, CAxisList::kAddressSlots> axisMarks{};
        std::array<int, CDeviceType::kCount> groupMarks{}; // by type number
    };

    struct Context {
        // Texts of the current language by string id.
        std::function<QString(unsigned)> label;
        // The device type of the tree group that lists the axis at an address; none when
        // the tree has no item for it.
        std::function<std::optional<DeviceType>(int)> treeTypeOf;
    };

    // One entry per project line: the lines of its parameter file, or nothing when the file
    // could not be read.
    static Result Build(const QList<std::optional<QStringList>>& files, const Context& context);

    // "%.1f A" or "%.2f A" of a current as the type counts it (0.1 A or 0.01 A); a file of
    // no known type counts in 0.1 A.
    static QString FormatCurrent(const QString& value, std::optional<DeviceType> deviceType);
    // The text of a step-resolution value of a type; the number itself where the type's
    // list has no such entry.
    static QString StepText(std::optional<DeviceType> deviceType, const QString& value,
                            const QString& stepWord);

private:
    struct Axis;
    static void AddLine(const QString& line, Axis& axis, const Context& context, Result& result);
    // `value` receives the text the row's value was decoded from.
    static Row DecodeLine(const QString& line, Axis& axis, const Context& context, Result& result,
                          QString& value);
    static void MarkAxis(const Axis& axis, const Context& context, Result& result);
};
