// The parameter file (.sdf) of one axis: labelled text lines, each value written behind
// its label as "[", a lower-case key, the value and "]". Built here from the values a page
// collects, as Windows-1252 text with CR LF line ends, so files move unchanged between
// this program and the Windows one.
#pragma once

#include "pages/cdevicetype.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <span>

class CParameterFile {
public:
    // Where a device type's own lines take their value from.
    enum class Source {
        InputCombo,  // combo 1021
        OutputCombo, // combo 1024
        ModeCombo,   // combo 1025
        LogicCombo,  // combo 1022
        Display1,
        Display2,
        LogicClock,
        LogicDirection,
        LogicBoost,
        LogicActivation,
        LogicReset,
        LogicDeselect,
        Count
    };

    struct TypeLine {
        unsigned label;
        const char* key;
        Source source;
    };

    struct Content {
        DeviceType deviceType = DeviceType::Kev;
        QString address;     // as on the bus, or the file address of an offline page
        QString versionText; // begins with the echo "b"
        QString name;
        int stopCurrent = 0;
        int runCurrent = 0;
        int boostCurrent = 0;
        int stepResolution = 0;
        int direction = 0;
        int delayTime = 0;
        int activation = 0;
        std::array<int, static_cast<std::size_t>(Source::Count)> sources{};
        // The types with the temperature module only (KEV).
        bool moduleTicked = false;
        bool moduleOnline = false;  // lines are the stage's replies "xb.." .. "xt.."
        QStringList moduleLines;    // offline: the six stored settings "xw0" .. "xt10"
    };

    using Labels = std::function<QString(unsigned)>;

    // The device type's own lines, in file order.
    static std::span<const TypeLine> TypeLines(DeviceType deviceType);

    static QString Text(const Content& content, const Labels& label, const QDateTime& when);
    // The dated header line, the dash line and the empty line that open a parameter file
    // and a project file alike.
    static QString Header(const Labels& label, const QDateTime& when);
    static QByteArray Bytes(const Content& content, const Labels& label, const QDateTime& when);

private:
    static QString ModuleBlock(const Content& content, const Labels& label);
};
