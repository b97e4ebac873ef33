#include "platform/clockkeystate.h"

#include <QGuiApplication>
#include <QLibrary>

// Last: the X11 headers define names (None, Status, KeyPress) that Qt's headers use too.
#if defined(TARNLINK_HAVE_XKB) && QT_CONFIG(xcb)
#define TARNLINK_READ_XKB 1
#include <X11/XKBlib.h>
#endif

#ifdef TARNLINK_READ_XKB
namespace {

// The keycodes of every X server name the first three indicators Caps Lock, Num Lock and
// Scroll Lock.
constexpr unsigned kCapsLock = 1u << 0;
constexpr unsigned kNumLock = 1u << 1;
constexpr unsigned kScrollLock = 1u << 2;

Display* X11Display()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

} // namespace
#endif

CLockKeyState::CLockKeyState()
{
#ifdef TARNLINK_READ_XKB
    if (X11Display())
        m_getIndicatorState = QLibrary::resolve(QStringLiteral("X11"), 6, "XkbGetIndicatorState");
#endif
}

std::optional<CLockKeyState::Keys> CLockKeyState::Read() const
{
#ifdef TARNLINK_READ_XKB
    Display* display = X11Display();
    if (!m_getIndicatorState || !display)
        return std::nullopt;
    const auto getState = reinterpret_cast<decltype(&XkbGetIndicatorState)>(m_getIndicatorState);
    unsigned state = 0;
    if (getState(display, XkbUseCoreKbd, &state) != Success)
        return std::nullopt;
    return Keys{(state & kCapsLock) != 0, (state & kNumLock) != 0, (state & kScrollLock) != 0};
#else
    return std::nullopt;
#endif
}
