// The way the bus port reaches the stages: the serial port or the CAN card. The settings
// keep the choice as the number "ComType"; the two functions below are the only place that
// turns one into the other.
#pragma once

enum class BusInterface { Serial, Can };

// "ComType" 1 is the CAN card; any other number, a stored one the program never wrote too,
// is the serial port, the default.
constexpr BusInterface BusInterfaceOfComType(int comType)
{
    return comType == 1 ? BusInterface::Can : BusInterface::Serial;
}

constexpr int ComTypeOf(BusInterface way)
{
    return way == BusInterface::Can ? 1 : 0;
}
