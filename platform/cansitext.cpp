#include "platform/cansitext.h"

namespace {

// Bytes 0x80..0x9F of Windows-1252; 0 marks the five bytes the code page leaves undefined,
// which map to the C1 control of the same value (as Windows' MultiByteToWideChar does).
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t ToChar(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F && kHighControls[b - 0x80] != 0)
        return kHighControls[b - 0x80];
    return b;
}

char ToByte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
        if (kHighControls[i] == 0 && c == 0x80 + i)
            return static_cast<char>(c);
    }
    return '?';
}

} // namespace

QString CAnsiText::ToUnicode(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes)
        text.append(QChar(ToChar(static_cast<unsigned char>(b))));
    return text;
}

QByteArray CAnsiText::FromUnicode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text)
        bytes.append(ToByte(c.unicode()));
    return bytes;
}
