#include "platform/ctickclock.h"

#include <chrono>

std::int64_t CTickClock::Now()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
