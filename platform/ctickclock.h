// A monotonic millisecond clock for time-outs; it never jumps with the wall clock.
#pragma once

#include <cstdint>

class CTickClock {
public:
    static std::int64_t Now();
};
