// What the stage-status dialog makes of a stage's replies, without the dialog: the colour of
// the voltage and temperature bars at each limit of their bands, by device type and scale,
// and the four state lamps of the reply to "Q".
#include "pages/cstagestatus.h"

#include "pages/cdevicetype.h"

#include <QTest>

namespace {

using Status = CStageStatus;
using Colour = Status::BarColour;
using Lamps = std::array<bool, 4>; // ready, undervoltage, overtemperature, short circuit

using Type = std::optional<DeviceType>; // none: a row of the temperature bar
constexpr DeviceType kKev = DeviceType::Kev, kLqn = DeviceType::Lqn, kHvr = DeviceType::Hvr;
const Type kTemperature;

} // namespace

Q_DECLARE_METATYPE(Colour)
Q_DECLARE_METATYPE(Type)
Q_DECLARE_METATYPE(DeviceType)
Q_DECLARE_METATYPE(Lamps)

class TstStageStatus : public QObject {
    Q_OBJECT
private slots:
    void barColour_data();
    void barColour();
    void stateLamps_data();
    void stateLamps();
};

void TstStageStatus::barColour_data()
{
    QTest::addColumn<Type>("type");
    QTest::addColumn<int>("raw");
    QTest::addColumn<int>("scale");
    QTest::addColumn<Colour>("colour");

    // Each band's limits in units of the scale: yellow below the first, green below the
    // second, yellow below the third, red from there on.
    struct Bands {
        const char* name;
        DeviceType type;
        int scale;
        int low, good, high;
    };
    const Bands voltages[] = {{"KEV", kKev, 10, 30, 75, 80},
                              {"LQN", kLqn, 10, 16, 50, 55},
                              {"HVR at scale 20", kHvr, 20, 20, 30, 40}};
    for (const Bands& b : voltages) {
        QTest::addRow("%s voltage just below %d", b.name, b.low)
            << Type(b.type) << b.low * b.scale - 1 << b.scale << Colour::Yellow;
        QTest::addRow("%s voltage at %d", b.name, b.low)
            << Type(b.type) << b.low * b.scale << b.scale << Colour::Green;
        QTest::addRow("%s voltage just below %d", b.name, b.good)
            << Type(b.type) << b.good * b.scale - 1 << b.scale << Colour::Green;
        QTest::addRow("%s voltage at %d", b.name, b.good)
            << Type(b.type) << b.good * b.scale << b.scale << Colour::Yellow;
        QTest::addRow("%s voltage just below %d", b.name, b.high)
            << Type(b.type) << b.high * b.scale - 1 << b.scale << Colour::Yellow;
        QTest::addRow("%s voltage at %d", b.name, b.high)
            << Type(b.type) << b.high * b.scale << b.scale << Colour::Red;
    }
    QTest::newRow("temperature below zero") << kTemperature << -50 << 10 << Colour::Green;
    QTest::newRow("temperature just below 60") << kTemperature << 599 << 10 << Colour::Green;
    QTest::newRow("temperature at 60") << kTemperature << 600 << 10 << Colour::Yellow;
    QTest::newRow("temperature just below 80") << kTemperature << 799 << 10 << Colour::Yellow;
    QTest::newRow("temperature at 80") << kTemperature << 800 << 10 << Colour::Red;
    QTest::newRow("temperature just below 60, scale 20")
        << kTemperature << 1199 << 20 << Colour::Green;
    QTest::newRow("temperature just below 80, scale 20")
        << kTemperature << 1599 << 20 << Colour::Yellow;
}

void TstStageStatus::barColour()
{
    QFETCH(Type, type);
    QFETCH(int, raw);
    QFETCH(int, scale);
    QFETCH(Colour, colour);
    if (!type)
        QCOMPARE(Status::TemperatureColour(raw, scale), colour);
    else
        QCOMPARE(Status::VoltageColour(*type, raw, scale), colour);
}

void TstStageStatus::stateLamps_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<float>("firmware");
    QTest::addColumn<QString>("state");
    QTest::addColumn<Lamps>("lamps");

    QTest::newRow("ready") << kKev << 0.0f << "0" << Lamps{true, false, false, false};
    QTest::newRow("undervoltage") << kKev << 0.0f << "1" << Lamps{false, true, false, false};
    QTest::newRow("overtemperature") << kKev << 0.0f << "2" << Lamps{false, false, true, false};
    QTest::newRow("short circuit") << kKev << 0.0f << "3" << Lamps{false, false, false, true};
    QTest::newRow("unknown state") << kKev << 0.0f << "7" << Lamps{false, false, false, false};
    QTest::newRow("no state") << kKev << 0.0f << "" << Lamps{false, false, false, false};
    QTest::newRow("KEV above 1.0") << kKev << 2.0f << "3" << Lamps{false, false, false, true};
    QTest::newRow("LQN 1.0 short circuit")
        << kLqn << 1.0f << "3" << Lamps{false, false, false, true};
    QTest::newRow("LQN 1.0 overtemperature")
        << kLqn << 1.0f << "2" << Lamps{false, false, true, false};
    QTest::newRow("new LQN short circuit")
        << kLqn << 1.1f << "3" << Lamps{false, false, true, true};
    QTest::newRow("new LQN 2") << kLqn << 1.1f << "2" << Lamps{false, false, false, false};
    QTest::newRow("new LQN ready") << kLqn << 1.1f << "0" << Lamps{true, false, false, false};
    QTest::newRow("new LQN undervoltage")
        << kLqn << 1.1f << "1" << Lamps{false, true, false, false};
}

void TstStageStatus::stateLamps()
{
    QFETCH(DeviceType, type);
    QFETCH(float, firmware);
    QFETCH(QString, state);
    QFETCH(Lamps, lamps);
    QCOMPARE(Status::StateLamps(state, Status::IsNewLqn(type, firmware)), lamps);
}

QTEST_GUILESS_MAIN(TstStageStatus)
#include "tst_stagestatus.moc"
