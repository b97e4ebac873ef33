// The keyboard's lock keys as the windowing system tells them: on X11 through the keyboard
// extension's indicator state. The X11 library is loaded when the program runs on X11, so the
// program builds and starts where there is none; there, and where the platform tells nothing
// (offscreen, Wayland), there is no state.
#pragma once

#include <QFunctionPointer>

#include <optional>

class CLockKeyState {
public:
    struct Keys {
        bool caps = false;
        bool num = false;
        bool scroll = false;
        bool operator==(const Keys&) const = default;
    };

    CLockKeyState();

    // The state now; nothing where the platform does not tell it.
    std::optional<Keys> Read() const;

private:
    QFunctionPointer m_getIndicatorState = nullptr;
};
