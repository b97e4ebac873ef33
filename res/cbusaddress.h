// The address text of a page or a command that has no axis on the bus behind it: a page
// shown from a parameter file or made for a new axis. The bus port sends nothing to it.
#pragma once

#include <QString>

struct CBusAddress {
    static constexpr QLatin1String kOff{"Off"};
};
