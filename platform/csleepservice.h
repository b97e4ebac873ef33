// Pauses the calling thread, as the program does after a reset before it reads the stage
// again. Tests make it instant.
#pragma once

class CSleepService {
public:
    void Sleep(int milliseconds);
    void SetInstant(bool instant) { m_instant = instant; }

private:
    bool m_instant = false;
};
