// The bus port as it is after a stage kept silent: one command to address 29 ("D" with
// one-byte addresses, 13), where no test stocks a stage, given a short time-out of its own,
// sets the port's no-answer flag as any unanswered command does. No message is shown.
#pragma once

#include "bus/cbusport.h"

#include <QString>

inline void LeaveUnanswered(CBusPort& port)
{
    constexpr std::uint32_t kShortMs = 50;
    port.Transact(QStringLiteral("1D"), "B?", nullptr, false, kShortMs);
}
