// Reading a parameter file (.sdf) apart from the page that shows it: the file's bytes into
// lines, whether the file is usable at all, the axis it describes and the value each line
// sets, in the order the page applies them. No widgets here; the page applies the result.
#pragma once

#include "pages/cdevicetype.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class CParameterFileReader {
public:
    // What a value line sets, in the order in which one line's keys are applied. Keys are
    // found as plain substrings, so one line may set several ("[lt1]" also matches "[l").
    // That is safe for stored files: a type's file holds either its "[l" line or its six
    // logic lines, never both, so the extra match only sets an entry (the input logic, to
    // 0) that the file does not save.
    enum class Key {
        Name,           // "[pn", text
        StopCurrent,    // "[s"
        RunCurrent,     // "[r"
        BoostCurrent,   // "[a"
        StepResolution, // "[m"
        Direction,      // "[g"
        InputFunction,  // "[h"
        InputLogic,     // "[l"
        LogicClock,     // "[lt" .. "[lx": the six logic-level bytes
        LogicDirection,
        LogicBoost,
        LogicActivation,
        LogicReset,
        LogicDeselect,
        DelayTime,        // "[t"
        Activation,       // "[u"
        OutputFunction,   // "[o"
        OperationState,   // "[px"
        CurrentShape,     // "[pc"
        Overdrive,        // "[po"
        ChopperFrequency, // "[pe"
        DisplayMenu1,     // "[pl"
        DisplayMenu2,     // "[pm"
        OperationMode,    // "[pb"
        ModuleSwitch,     // "[xp", only when on: off ends the reading
        ModuleSetting,    // "[xw" .. "[xt": `index` 0..5, `text` the whole bracket text
    };

    struct Value {
        Key key;
        int number = 0;
        QString text;
        int index = 0;
    };

    // One line of the file and what it sets.
    struct Line {
        QList<Value> values;
        // The temperature module is switched off here: nothing after it applies.
        bool endsReading = false;
    };

    // The axis an address line names, with the type and name lines below it.
    struct Axis {
        QString address;     // two hexadecimal digits as written, or what the file holds
        QString typeLine;    // the whole line below the address line
        QString versionText; // its bracket text, "b" and the stage's version
        std::optional<DeviceType> type; // the device type named in the type line
        QString name;        // the axis name from "[pn", empty when there is none
    };

    enum class Refusal {
        None,
        NoAddressLine, // no line carries the address label
        BadAddress,    // an address that is not one or two hexadecimal digits of 0..31
        MissingLines,  // the type and name lines below an address line are missing
        UnknownType,   // the type line names none of the nine types
    };

    struct Result {
        Refusal refusal = Refusal::None;
        QList<Axis> axes;
        QList<Line> lines; // up to the line that ends the reading
        bool Usable() const { return refusal == Refusal::None; }
    };

    // The file's bytes (Windows-1252, lines ended by CR LF or LF) as text lines, each ended
    // by "\r\n" again.
    static QStringList SplitLines(const QByteArray& bytes);
    // What `lines` say. `addressLabel` is the label of the address line in the current
    // language.
    static Result Read(const QStringList& lines, const QString& addressLabel);
    // The axis of one address line with the two lines below it.
    static Axis AxisOf(const QString& address, const QString& typeLine, const QString& nameLine);
    // What one value line sets.
    static Line ReadLine(const QString& line);

private:
    static Refusal CheckAddressLines(const QStringList& lines, const QString& addressLabel);
};
