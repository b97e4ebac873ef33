// What the power-stage status dialog makes of a stage's replies, without a window: the
// scales of the measures, the FPGA version, which colour a bar takes (the dialog paints it),
// the lamps of the state reply, and which of the dialog's controls each device type shows.
#pragma once

#include "pages/cdevicetype.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

class CStageStatus {
public:
    // The colours of a measure's bar: in range, near a limit, beyond it.
    enum class BarColour { Green, Yellow, Red };

    static constexpr int kDefaultScale = 10;
    static inline const QString kNotAvailable = QStringLiteral("N/A");

    // Raw steps per unit from the reply to "DS?", "VS?" or "IS?": the number behind the
    // two-letter echo. A "-1" asks for the default of 10. Nothing when the reply holds no
    // positive number: then no value can be worked out.
    static std::optional<int> Scale(const QString& reply);
    // Whether `type` reports its own scales; the KEV and the UQT, and every stage on CAN,
    // work with the default.
    static bool AsksScales(DeviceType type, bool can);

    // The FPGA version as shown from the reply to "BF?"; "N/A" for a reply too short to
    // hold one.
    static QString FpgaVersion(DeviceType type, const QString& reply);

    // The colour of the voltage bar for `raw` at `scale` on a stage of `type`.
    static BarColour VoltageColour(DeviceType type, int raw, int scale);
    static BarColour TemperatureColour(int raw, int scale);

    // The four state lamps (ready, undervoltage, overtemperature, short circuit) for the
    // value of the reply to "Q". An LQN with a firmware above 1.0 reports a short circuit
    // as "3" and lights both of the last two.
    static std::array<bool, 4> StateLamps(const QString& value, bool lqnNewFirmware);
    // An LQN above firmware 1.0 reports neither measures nor their scales.
    static bool IsNewLqn(DeviceType type, float firmware);

    struct Layout {
        QList<int> hidden;   // control numbers
        QList<int> disabled; // control numbers
    };
    static Layout LayoutFor(DeviceType type, float firmware);
};
