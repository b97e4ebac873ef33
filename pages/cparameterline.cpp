#include "pages/cparameterline.h"

#include "pages/creplyvalue.h"

QString CParameterLine::Mid(const QString& text, qsizetype start, qsizetype count)
{
    start = qMax<qsizetype>(0, start);
    if (count <= 0 || start >= text.size())
        return {};
    return text.mid(start, count);
}

int CParameterLine::ParseKeyValue(const QString& line, int keyLength)
{
    const qsizetype start = line.indexOf(QLatin1Char('[')) + keyLength;
    const qsizetype end = line.indexOf(QLatin1Char(']'));
    return CReplyValue::ToInt(Mid(line, start, end - start));
}

QString CParameterLine::BracketText(const QString& line)
{
    const qsizetype open = line.indexOf(QLatin1Char('['));
    const qsizetype close = line.indexOf(QLatin1Char(']'));
    return Mid(line, open + 1, close - open - 1);
}

QString CParameterLine::TextAfterKey(const QString& line, const QString& key)
{
    const qsizetype at = line.indexOf(key);
    if (at < 0)
        return {};
    const qsizetype start = at + key.size();
    return Mid(line, start, line.indexOf(QLatin1Char(']')) - start);
}
