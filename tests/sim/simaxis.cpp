#include "tests/sim/simaxis.h"

#include "tests/sim/simstatusreadings.h"

namespace {

// The parameters every type has: stop, run and boost current, step resolution, direction,
// logic level, delay time and activation.
const QMap<QByteArray, int> kGenericDefaults = {
    {"S", 10}, {"R", 20}, {"A", 25}, {"M", 2}, {"G", 0}, {"L", 0}, {"T", 5}, {"U", 0},
};

// KEV adds input and output function, operation mode and the temperature module with its
// settings, which are read by their bare mnemonic.
const QMap<QByteArray, int> kKevExtras = {
    {"T", 40},  {"H", 0},   {"O", 0},   {"PB", 0}, {"XP", 0}, {"XW", 0}, {"XX", 100},
    {"XY", 150}, {"XZ", 200}, {"XF", 1}, {"XT", 10}, {"XE", 0}, {"XO", 0}, {"XM", 215},
    {"XR", 230},
};
const QSet<QByteArray> kKevBare = {"XW", "XX", "XY", "XZ", "XF", "XT", "XE", "XO", "XM", "XR"};

// DRQ+ adds current shape, overdrive, bus mode and the operation state "PS", which its
// switches set (0: the switches apply) and the bus only reads.
const QMap<QByteArray, int> kDrqPlusExtras = {
    {"T", 10}, {"PC", 0}, {"PO", 0}, {"PX", 1}, {"PS", 1},
};

// UQT adds overdrive, chopper frequency and the overdrive frequency "PH" in Hz, which is
// written as a frequency or, with "K", as the index of the page's list.
const QMap<QByteArray, int> kUqtExtras = {{"T", 20}, {"PO", 0}, {"PE", 1}, {"PH", 10000}};

// The separate input levels of LQN (the first four), HWK and HVR, written "LT0" .. "LX1".
const QMap<QByteArray, int> kSixLevels = {{"LT", 0}, {"LD", 0}, {"LB", 0},
                                          {"LA", 0}, {"LR", 0}, {"LX", 0}};

// LQN adds current shape, chopper frequency, bus mode and the lock "PS" (0: locked), which
// the bus only reads.
const QMap<QByteArray, int> kLqnExtras = {
    {"T", 40}, {"PC", 1}, {"PE", 0}, {"PX", 0}, {"PS", 1},
    {"LT", 0}, {"LD", 0}, {"LB", 0}, {"LA", 0},
};

// HWT adds current shape, overdrive and bus mode; its delay is a step of a table.
const QMap<QByteArray, int> kHwtExtras = {{"T", 10}, {"PC", 0}, {"PO", 0}, {"PX", 0}};

// HWK and HVR add two display menus, bus mode and lock; the HWK also an overdrive.
const QMap<QByteArray, int> kHvrExtras = {{"T", 100}, {"PL", 0}, {"PM", 1}, {"PX", 0}, {"PS", 1}};

// The frequency of list entry `index` (0..34): 1 to 10 kHz in steps of 1 kHz, to 50 kHz in
// steps of 5 kHz, to 220 kHz in steps of 10 kHz; 0 for no entry.
int UqtFrequency(int index)
{
    if (index < 0 || index > 34)
        return 0;
    if (index < 10)
        return (index + 1) * 1000;
    if (index < 18)
        return 15000 + (index - 10) * 5000;
    return 60000 + (index - 18) * 10000;
}

bool IsDecimal(const QByteArray& text)
{
    if (text.isEmpty())
        return false;
    const int start = (text.at(0) == '-') ? 1 : 0;
    if (start == text.size())
        return false;
    for (int i = start; i < text.size(); ++i) {
        if (text.at(i) < '0' || text.at(i) > '9')
            return false;
    }
    return true;
}

} // namespace

SimAxis::SimAxis(const QByteArray& type, const QByteArray& version)
    : typeName(type), versionText(version), name("Axis"), params(kGenericDefaults),
      readings(SimStatusReadings::For(type))
{
    if (typeName == "KEV") {
        params.insert(kKevExtras);
        bareReads = kKevBare;
    } else if (typeName == "DRQ+") {
        params.insert(kDrqPlusExtras);
        readOnly = {"PS"};
    } else if (typeName == "UQT") {
        params.insert(kUqtExtras);
    } else if (typeName == "LQN") {
        params.insert(kLqnExtras);
        readOnly = {"PS"};
    } else if (typeName == "HWT") {
        params.insert(kHwtExtras);
    } else if (typeName == "HWK" || typeName == "HVR") {
        params.insert(kHvrExtras);
        params.insert(kSixLevels);
        if (typeName == "HWK")
            params.insert("PO", 0);
        else // currents up to 1.4 A
            params.insert({{"S", 3}, {"R", 8}, {"A", 12}});
        readOnly = {"PS"};
    }
    stored = params;
    defaults = params;
}

std::optional<QByteArray> SimAxis::Answer(const QByteArray& command)
{
    if (command == "B?" || command == "B")
        return "b" + versionText;
    if (command == "F?" || command == "F")
        return "f" + QByteArray::number(status);
    if (command == "PN?")
        return "pn" + name;
    if (command.startsWith("PN")) {
        name = command.mid(2);
        return "pn" + name;
    }
    if (command == "W") {
        stored = params;
        return QByteArray("w");
    }
    if (command == "E") {
        params = defaults;
        stored = defaults;
        return QByteArray("e");
    }
    if (command == "C") {
        params = stored;
        return QByteArray("c");
    }
    if (params.contains("XP")) {
        if (command == "XB")
            return "xb" + moduleVersion;
        if (command == "XC")
            return QByteArray("xc");
    }
    if (typeName == "UQT" && command.startsWith('K'))
        return SelectFrequency(command.mid(1));
    if (std::optional<QByteArray> answer = ReadOrWrite(command))
        return answer;
    const auto reading = readings.constFind(command);
    if (reading == readings.cend())
        return std::nullopt;
    return SimStatusReadings::Echo(command) + *reading;
}

std::optional<QByteArray> SimAxis::SelectFrequency(const QByteArray& index)
{
    if (!IsDecimal(index))
        return std::nullopt;
    bool valid = false;
    const int hertz = UqtFrequency(index.toInt(&valid));
    if (!valid)
        return std::nullopt;
    if (hertz == 0)
        return std::nullopt;
    params["PH"] = hertz;
    return "k" + index;
}

std::optional<QByteArray> SimAxis::ReadOrWrite(const QByteArray& command)
{
    // The longest known mnemonic wins: "PB1" is PB, "L?" is L.
    QByteArray mnemonic = command.left(2);
    if (!params.contains(mnemonic))
        mnemonic = command.left(1);
    auto it = params.find(mnemonic);
    if (it == params.end())
        return std::nullopt;
    const QByteArray rest = command.mid(mnemonic.size());
    const bool bare = bareReads.contains(mnemonic);
    if ((rest == "?" && !bare) || (rest.isEmpty() && bare))
        return mnemonic.toLower() + QByteArray::number(*it);
    if (!IsDecimal(rest) || readOnly.contains(mnemonic))
        return std::nullopt;
    *it = rest.toInt();
    return mnemonic.toLower() + QByteArray::number(*it);
}
