#include "tests/sim/simaxis.h"

namespace {

// The generic parameter set: stop, run and boost current, step resolution, direction,
// logic level, delay time and activation.
const QMap<QByteArray, int> kGenericDefaults = {
    {"S", 10}, {"R", 20}, {"A", 25}, {"M", 2}, {"G", 0}, {"L", 0}, {"T", 5}, {"U", 0},
};

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
      stored(kGenericDefaults), defaults(kGenericDefaults)
{
}

std::optional<QByteArray> SimAxis::Answer(const QByteArray& command)
{
    if (command == "B?")
        return "b" + versionText;
    if (command == "F?")
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
    if (command.isEmpty())
        return std::nullopt;
    return ReadOrWrite(command.left(1), command.mid(1));
}

std::optional<QByteArray> SimAxis::ReadOrWrite(const QByteArray& mnemonic, const QByteArray& rest)
{
    auto it = params.find(mnemonic);
    if (it == params.end())
        return std::nullopt;
    if (rest == "?")
        return mnemonic.toLower() + QByteArray::number(*it);
    if (!IsDecimal(rest))
        return std::nullopt;
    *it = rest.toInt();
    return mnemonic.toLower() + QByteArray::number(*it);
}
