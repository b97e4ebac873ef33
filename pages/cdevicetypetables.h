// What the device types differ in, as data: how a type shapes the page, which parameters it
// reads in which order and where each value goes, and which values it writes. The shared
// code of the device types works through these tables; each type keeps only what no table
// can say. No widgets here.
#pragma once

#include <QString>
#include <QStringList>

#include <span>

// Where the value of one read goes on the page.
enum class QueryTarget {
    Name,        // edit 1006, the reply less two characters as text
    Slider,      // current slider `arg` (0 stop, 1 run, 2 boost)
    Combo,       // combo box numbered `arg`
    DelayTime,   // delay text through the scroll handler, then spin 1011
    LogicLevel,  // logic-level byte `arg` (0 clock .. 5 deselect)
    DisplayType, // display-menu entry `arg` (1 or 2); combo 1021 shows entry 1
    Lock,        // "ps0" locks the parameter controls, anything else frees them
    Firmware,    // the last four characters as the firmware number
    // "ps0" locks the parameter controls, anything else frees them; the mode text goes to
    // edit 1218 and the value to the selection of combo `arg`.
    OperationState,
    FrequencyEntry, // the entry of combo `arg` that begins with the value and " Hz"
    // The current shape into combo `arg`; the chopper frequency (combo 1024) can be chosen
    // only while a shape is on and the stage has not locked the parameters.
    ShapeAndChopper,
    Unused, // asked, but the page has no place for the answer
};

struct CParamQuery {
    const char* command; // the mnemonic followed by "?"
    QueryTarget target;
    int arg;
};

// Where the value of one write comes from.
enum class WriteSource {
    Slider,    // position of current slider `arg`
    Combo,     // selection of combo box `arg` (-1 when empty)
    DelaySpin, // position of spin 1011
    LogicLevel,  // logic-level byte `arg` (0 clock .. 5 deselect)
    DisplayType, // display-menu entry `arg` (1 or 2)
};

struct CParamWrite {
    const char* mnemonic;
    WriteSource source;
    int arg;
};

// How a type shapes the common part of the page; its step list, its current scale and the
// temperature module are in its row of CDeviceType.
struct CPageSetup {
    int sliderMax;
    int tickFrequency;
    int spinMin;
    int spinMax;
    double markerScale;
};

// What the tables say of one type.
struct CTypeTables {
    const CPageSetup& setup;
    std::span<const CParamQuery> reads;  // after the common reads
    std::span<const CParamWrite> writes; // after the common writes
    // The separate input levels a type reads in place of the one input logic "L?", and
    // writes after its own writes.
    std::span<const CParamQuery> levels;
};

class CDeviceTypeTables {
public:
    // Read by every type, in this order, the axis name first, before the type's own reads.
    static std::span<const CParamQuery> CommonReads();
    // Written by every type, in this order, after the axis name.
    static std::span<const CParamWrite> CommonWrites();

    // The writes of the first `count` separate input levels.
    static std::span<const CParamWrite> LevelWrites(std::size_t count);

    // The current delay time of a delay-spin position on the types that count the delay
    // in steps (HWT, DRQ+): "1 ms" for 0 up to "1000 ms" for 15; empty for any other
    // position.
    static QString DelayTableText(int position);

    // The chopper frequencies a UQT offers ("18 kHz" ..); the index is the value of "PE".
    static QStringList UqtChopperFrequencies();
    // Entry `index` of that list; empty for an index the list lacks.
    static QString UqtChopperFrequencyText(int index);
    // The overdrive frequencies a UQT offers, in Hz; the index is the value of "K".
    static std::span<const int> UqtOverdriveFrequencies();
    // Entry `index` of the UQT's overdrive-frequency list as its page shows it ("25000 Hz");
    // empty for an index the list lacks.
    static QString UqtOverdriveFrequencyText(int index);
    // The label of that list, the same in both languages.
    static QString UqtOverdriveFrequencyLabel();

    static const CPageSetup& KevSetup();
    // After the common reads; all but the module switch "XP?".
    static std::span<const CParamQuery> KevReads();
    static std::span<const CParamWrite> KevWrites(); // after the common writes

    static const CTypeTables& Lqn();
    static const CTypeTables& Hwt();
    static const CTypeTables& Hwk();
    static const CTypeTables& Hvr(); // as the HWK without overdrive
    static const CTypeTables& DrqPlus();
    static const CTypeTables& Uqt();
    static const CTypeTables& Drq2Plus(); // reads as the VNE+
    static const CTypeTables& VnePlus();  // writes only the common ones up to the direction
};
