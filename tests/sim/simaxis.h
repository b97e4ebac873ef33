// One simulated power stage: its device type and version text, name, parameters and status
// word. It answers a command text as a stage does (lower-case echo and value), or gives no
// answer for a command its type does not know.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QSet>

#include <optional>

class SimAxis {
public:
    SimAxis(const QByteArray& typeName, const QByteArray& versionText);

    std::optional<QByteArray> Answer(const QByteArray& command);

    QByteArray typeName;
    QByteArray versionText;   // answered to "B?" behind the echo "b"
    QByteArray name;
    QByteArray moduleVersion = "QEL 1.05"; // temperature module, answered to "XB"
    int status = 0;           // answered to "F?"
    QMap<QByteArray, int> params;   // working values by mnemonic
    QMap<QByteArray, int> stored;   // what "W" saved and "C" brings back
    QMap<QByteArray, int> defaults; // what "E" restores
    QSet<QByteArray> bareReads;     // mnemonics read without "?" (module settings, measures)
    QSet<QByteArray> readOnly;      // mnemonics the stage sets itself (switch states)
    // The status dialog's reads and test commands: the value behind the echo, by command.
    QMap<QByteArray, QByteArray> readings;

private:
    std::optional<QByteArray> ReadOrWrite(const QByteArray& command);
    // UQT's "K": the overdrive frequency by its index in the page's list.
    std::optional<QByteArray> SelectFrequency(const QByteArray& index);
};
