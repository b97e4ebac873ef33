// What the bus port needs from the application around it: message texts in the current
// language, message boxes, the message pump that keeps the window alive while it listens,
// and a word when the port closed itself. The application object provides it; the bus port stays
// free of windows.
#pragma once

#include <QString>

class CBusPortHost {
public:
    virtual ~CBusPortHost() = default;

    virtual QString LoadResString(unsigned id) const = 0;
    virtual void PumpPendingMessages() = 0;
    // Shows a message box; `style` takes the MessageBoxStyle flags.
    virtual int ShowMessage(const QString& text, unsigned style) = 0;
    // The serial port closed itself (its adapter went away) while it was in use.
    virtual void OnPortLost() {}
};
