// Text as the macro file holds it, for the tests that write one: two bytes per character,
// low byte first.
#pragma once

#include <QByteArray>
#include <QString>

namespace Utf16Text {

inline QByteArray LittleEndian(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

} // namespace Utf16Text
