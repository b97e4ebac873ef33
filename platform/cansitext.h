// 8-bit text as the power stages and the Windows program's files use it: Windows-1252.
// Our own table, so the conversion does not depend on which codecs the Qt build carries.
#pragma once

#include <QByteArray>
#include <QString>

class CAnsiText {
public:
    static QString ToUnicode(const QByteArray& bytes);
    // Characters without a Windows-1252 byte become '?', as the Windows conversion does.
    static QByteArray FromUnicode(const QString& text);
};
