// Every reply time-out the program gives the bus port, in milliseconds, named for the
// command or run that needs it. A command that needs another than the default goes through
// the Transact that takes its time-out, and a run of commands through a
// CBusPort::TimeoutScope: the port waits that long for these replies and then holds the
// default again, whatever the result.
#pragma once

#include <cstdint>

struct CReplyTimeouts {
    // What every command without one of its own waits, and what the port returns to.
    static constexpr std::uint32_t kDefault = 1000;

    // The stage writes its parameters into its own memory ("W").
    static constexpr std::uint32_t kStore = 2000;
    // The stage returns to its factory settings ("E").
    static constexpr std::uint32_t kLoadDefaults = 2000;
    // The stage restarts ("C").
    static constexpr std::uint32_t kReset = 3000;
    // The axis name written from the page's name button ("PN" + name).
    static constexpr std::uint32_t kPageName = 3000;
    // The axis name written inside a parameter transmission ("PN" + name).
    static constexpr std::uint32_t kTransmitName = 2000;
    // One motor revolution ("Z+", "Z-").
    static constexpr std::uint32_t kTurn = 10000;
    // The name asked of each axis the bus search finds ("PN?").
    static constexpr std::uint32_t kSearchName = 1000;

    // Each probe of the bus search ("B?") and of the baud-rate search: the search scans
    // 16 or 32 addresses quickly. The baud-rate search leaves it in place, and so does a
    // bus search that stops because the port is closed.
    static constexpr std::uint32_t kSearchProbe = 50;

    // The monitor sets these and leaves them in place (CBusPort::SetLastingTimeout): later
    // commands without a time-out of their own run with them, after the dialog too.
    // The monitor after its macro file was read.
    static constexpr std::uint32_t kMonitorMacros = 5000;
    // The monitor's command sequence.
    static constexpr std::uint32_t kMonitorSequence = 100;
};
