// Reading the value lines of a parameter file: each value stands behind a label as "[",
// a lower-case key, the value and "]". These helpers take a line apart by its first "["
// and its first "]", so that stored files load the values they were saved with, and they
// are safe on lines that lack a bracket or a value.
#pragma once

#include <QString>

class CParameterLine {
public:
    // The integer after "[" + key, where `keyLength` counts the "[" and the key letters
    // (2 for "[s", 3 for "[pc"), up to the first "]"; 0 when there are no digits.
    static int ParseKeyValue(const QString& line, int keyLength);
    // The text between the first "[" and the first "]" (empty when there is none).
    static QString BracketText(const QString& line);
    // The text after `key` (such as "[pn") up to the first "]" of the line.
    static QString TextAfterKey(const QString& line, const QString& key);

private:
    // The part of `text` from `start` with `count` characters, clipped to the text.
    static QString Mid(const QString& text, qsizetype start, qsizetype count);
};
