// stagesim: serves a simulated bus of power stages on a pseudo-terminal, so that the
// program can be tried without hardware. Prints the terminal's path, then runs until
// interrupted.
//
//   stagesim [--baud N] [--format n,8,1] [--two-byte] ADDRESS:TYPE[:VERSION] ...
//   stagesim --baud 9600 3:KEV 5:HWK "7:LQN:LQN 1.12"
#include "tests/sim/simbus.h"
#include "tests/sim/simserialline.h"

#include <QByteArray>
#include <QList>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnSignal(int)
{
    g_stop = 1;
}

int Usage()
{
    std::fprintf(stderr, "usage: stagesim [--baud N] [--format n,8,1] [--two-byte] "
                         "ADDRESS:TYPE[:VERSION] ...\n");
    return 2;
}

bool ParseFormat(const QByteArray& text, SimLineSettings& line)
{
    const QList<QByteArray> parts = text.split(',');
    if (parts.size() != 3 || parts[0].size() != 1)
        return false;
    line.parity = parts[0].toLower().at(0);
    line.dataBits = parts[1].toInt();
    line.stopBits = parts[2].toInt();
    return (line.parity == 'n' || line.parity == 'e' || line.parity == 'o') &&
           line.dataBits >= 5 && line.dataBits <= 8 && (line.stopBits == 1 || line.stopBits == 2);
}

bool ParseAxis(const QByteArray& text, SimBus& bus)
{
    const QList<QByteArray> parts = text.split(':');
    bool ok = false;
    const int address = parts.value(0).toInt(&ok);
    if (!ok || address < 0 || address > 31 || parts.size() < 2 || parts[1].isEmpty())
        return false;
    bus.AddAxis(address, parts[1], parts.value(2));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    SimBus bus;
    SimLineSettings line;
    int axes = 0;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--baud" && i + 1 < argc) {
            line.baud = std::atoi(argv[++i]);
        } else if (arg == "--format" && i + 1 < argc) {
            if (!ParseFormat(argv[++i], line))
                return Usage();
        } else if (arg == "--two-byte") {
            line.twoByteAddress = true;
        } else if (ParseAxis(arg, bus)) {
            ++axes;
        } else {
            return Usage();
        }
    }
    if (axes == 0)
        return Usage();

    SimSerialLine serial(bus, line);
    if (!serial.Start()) {
        std::fprintf(stderr, "stagesim: cannot open a pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    std::printf("%s\n", serial.PortPath().toLocal8Bit().constData());
    std::fflush(stdout);

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    while (!g_stop)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return 0;
}
