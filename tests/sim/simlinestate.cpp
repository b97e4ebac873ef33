// The kernel's termios2 carries the rate as a number; it cannot share a file with
// <termios.h>, whose struct of the same name it would clash with.
#include "tests/sim/simlinestate.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace {

int BaudOf(const termios2& t)
{
    switch (t.c_cflag & CBAUD) {
    case BOTHER: return static_cast<int>(t.c_ospeed);
    case B1200: return 1200;
    case B2400: return 2400;
    case B4800: return 4800;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    case B230400: return 230400;
    default: return -1;
    }
}

int DataBitsOf(unsigned flags)
{
    switch (flags & CSIZE) {
    case CS5: return 5;
    case CS6: return 6;
    case CS7: return 7;
    default: return 8;
    }
}

} // namespace

bool SimLineState::Read(int fd, SimLineState& state)
{
    termios2 t{};
    if (ioctl(fd, TCGETS2, &t) != 0)
        return false;
    state.baud = BaudOf(t);
    state.dataBits = DataBitsOf(t.c_cflag);
    state.parity = !(t.c_cflag & PARENB) ? 'n' : ((t.c_cflag & PARODD) ? 'o' : 'e');
    state.stopBits = (t.c_cflag & CSTOPB) ? 2 : 1;
    return true;
}
