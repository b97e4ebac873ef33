// How long one transaction takes over a pseudo-terminal against the stage simulator, next
// to the time its bytes need on a real line; and how much processor time the calling
// thread burns while it waits out a time-out (a spinning wait would use all of it).
#include "platform/ctickclock.h"
#include "tests/sim/simbus.h"
#include "tests/sim/simserialline.h"
#include "tests/support/testapp.h"

#include <QCoreApplication>

#include <cstdio>
#include <ctime>

namespace {

double ThreadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1.0e6;
}

// 10 bits per character: start, 8 data, stop.
double WireMs(int bytes, int baud)
{
    return bytes * 10.0 * 1000.0 / baud;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication qapp(argc, argv);
    TestApp t;
    SimBus bus;
    bus.AddAxis(5, "KEV", "KEV 1.62");
    SimSerialLine line(bus);
    line.Start();
    CBusPort& port = t.port();
    if (!port.OpenOrClose(line.PortPath(), QStringLiteral("9600, n, 8, 1"), false)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(line.PortPath()));
        return 1;
    }

    constexpr int kRounds = 200;
    QString reply;
    const auto start = CTickClock::Now();
    for (int i = 0; i < kRounds; ++i)
        port.Transact(QStringLiteral("5"), "S?", &reply, false);
    const double roundTrip = double(CTickClock::Now() - start) / kRounds;
    // "\x02" "5S?" "\x03" out, "\x02" "5s10" "\x03" back.
    const int bytes = 5 + 6;

    port.SetLastingTimeout(1000);
    const double cpuBefore = ThreadCpuMs();
    const auto waitStart = CTickClock::Now();
    port.Transact(QStringLiteral("9"), "B?", &reply, false);
    const double waited = double(CTickClock::Now() - waitStart);
    const double cpu = ThreadCpuMs() - cpuBefore;

    std::printf("%-44s %12s\n", "measure", "value");
    std::printf("%-44s %9.2f ms\n", "round trip S? over pseudo-terminal (mean)", roundTrip);
    std::printf("%-44s %9.2f ms\n", "wire time of its 11 bytes at 9600 baud", WireMs(bytes, 9600));
    std::printf("%-44s %9.2f ms\n", "wire time of its 11 bytes at 115200 baud",
                WireMs(bytes, 115200));
    std::printf("%-44s %9.0f ms\n", "time-out wait (reply time-out 1000 ms)", waited);
    std::printf("%-44s %9.2f ms\n", "processor time of the waiting thread", cpu);
    std::printf("%-44s %9.2f %%  (target < 2 %%)\n", "share of the wait", 100.0 * cpu / waited);
    return 0;
}
