// Values out of a stage's reply. A reply opens with the echoed mnemonic in lower case; the
// value behind it is read as the pages expect of a stage's number: leading blanks
// skipped, a sign, the digits up to the first other character (a unit or a trailing
// letter ends the number), 0 when there are none. Every function is safe on a short or
// empty reply (a CAN stage answers an unknown command with nothing).
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

class CReplyValue {
public:
    // The reply without its first `echoLength` characters; empty when it is shorter.
    static QString Text(const QString& reply, int echoLength);
    // The integer behind the echo.
    static int Int(const QString& reply, int echoLength) { return ToInt(Text(reply, echoLength)); }
    // The last `count` characters (all of a shorter reply).
    static QString Tail(const QString& reply, int count);
    // The last character; a null character for an empty reply.
    static QChar Last(const QString& reply);

    // Leading integer of `text`; 0 when there is none; clamped to the int range.
    static int ToInt(QStringView text);
    // Leading decimal number of `text` (point as decimal point, optional exponent).
    static double ToFloat(QStringView text);
};
