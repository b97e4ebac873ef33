#include "tests/sim/simstatusreadings.h"

namespace {

using Readings = QMap<QByteArray, QByteArray>;

// Every type reports its status word and runs the test functions.
const Readings kCommon = {{"FH", "0000"}, {"Z+", ""}, {"Z-", ""}, {"J", ""}};
// Scales of temperature, voltage and current: tenths of a unit per step.
const Readings kScales = {{"DS?", "10"}, {"VS?", "10"}, {"IS?", "10"}};
// Temperature in tenths of a degree, supply voltage in tenths of a volt, state "0" ready.
const Readings kTemperature = {{"D", "350"}};
const Readings kVoltage = {{"V", "240"}};
const Readings kState = {{"Q", "0"}};
// Current in tenths of an ampere and the levels of the output and the input.
const Readings kCurrentAndLevels = {{"I", "15"}, {"PO", "0"}, {"PE", "0"}};

Readings Joined(std::initializer_list<const Readings*> parts)
{
    Readings joined = kCommon;
    for (const Readings* part : parts)
        joined.insert(*part);
    return joined;
}

} // namespace

QMap<QByteArray, QByteArray> SimStatusReadings::For(const QByteArray& typeName)
{
    if (typeName == "KEV")
        return Joined({&kTemperature, &kVoltage, &kState, &kCurrentAndLevels});
    if (typeName == "HWK")
        return Joined({&kScales, &kTemperature, &kVoltage, &kState, &kCurrentAndLevels});
    if (typeName == "HWT")
        return Joined({&kScales, &kState});
    if (typeName == "LQN" || typeName == "HVR" || typeName == "DRQ2+")
        return Joined({&kScales, &kTemperature, &kVoltage, &kState});
    if (typeName == "DRQ+") {
        Readings readings = Joined({&kScales, &kTemperature, &kVoltage, &kState});
        // FPGA version: the hexadecimal digits at the reply's index 7 and at its end.
        readings.insert("BF?", "FPGA0a03");
        return readings;
    }
    if (typeName == "UQT") {
        Readings readings = Joined({&kTemperature, &kState});
        readings.insert("BF?", "V 1.3");
        return readings;
    }
    if (typeName == "VNE+") {
        Readings readings = Joined({&kScales, &kState});
        readings.insert("BF?", "V 2.1");
        return readings;
    }
    return {};
}

QByteArray SimStatusReadings::Echo(const QByteArray& command)
{
    QByteArray echo = command.toLower();
    if (echo.endsWith('?'))
        echo.chop(1);
    return echo;
}
