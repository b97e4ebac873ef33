// Reads the line settings that the program put on its end of the pseudo-terminal,
// including rates without a classic speed constant (14400, 28800), which Linux keeps as a
// plain number.
#pragma once

struct SimLineState {
    int baud = -1;
    int dataBits = 8;
    char parity = 'n';
    int stopBits = 1;

    static bool Read(int fd, SimLineState& state);
};
