// What a simulated stage answers to the reads of the power-stage status dialog (measures,
// scales, status words, versions) and to its test commands, per device type. Each entry is
// the value the stage puts behind its echo; a type answers only the commands listed for it.
#pragma once

#include <QByteArray>
#include <QMap>

class SimStatusReadings {
public:
    // The readings a stage of `typeName` starts with.
    static QMap<QByteArray, QByteArray> For(const QByteArray& typeName);
    // The echo of `command`: its letters in lower case, without the question mark.
    static QByteArray Echo(const QByteArray& command);
};
