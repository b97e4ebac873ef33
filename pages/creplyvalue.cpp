#include "pages/creplyvalue.h"

#include <limits>

namespace {

qsizetype SkipBlanks(QStringView text, qsizetype i)
{
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t') ||
                               text[i] == QLatin1Char('\r') || text[i] == QLatin1Char('\n')))
        ++i;
    return i;
}

bool IsDigit(QStringView text, qsizetype i)
{
    return i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9');
}

qsizetype SkipDigits(QStringView text, qsizetype i)
{
    while (IsDigit(text, i))
        ++i;
    return i;
}

qsizetype SkipSign(QStringView text, qsizetype i)
{
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    return i;
}

} // namespace

QString CReplyValue::Text(const QString& reply, int echoLength)
{
    if (echoLength < 0 || echoLength >= reply.size())
        return {};
    return reply.mid(echoLength);
}

QString CReplyValue::Tail(const QString& reply, int count)
{
    return count <= 0 ? QString() : reply.right(count);
}

QChar CReplyValue::Last(const QString& reply)
{
    return reply.isEmpty() ? QChar() : reply.back();
}

int CReplyValue::ToInt(QStringView text)
{
    qsizetype i = SkipBlanks(text, 0);
    const bool negative = i < text.size() && text[i] == QLatin1Char('-');
    i = SkipSign(text, i);
    qint64 value = 0;
    constexpr qint64 kLimit = qint64(std::numeric_limits<int>::max()) + 1;
    for (; IsDigit(text, i); ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > kLimit)
            value = kLimit;
    }
    if (negative)
        return static_cast<int>(-value);
    return static_cast<int>(qMin<qint64>(value, std::numeric_limits<int>::max()));
}

double CReplyValue::ToFloat(QStringView text)
{
    const qsizetype start = SkipBlanks(text, 0);
    qsizetype i = SkipSign(text, start);
    const qsizetype intStart = i;
    i = SkipDigits(text, i);
    bool digits = i > intStart;
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        const qsizetype fraction = i + 1;
        const qsizetype end = SkipDigits(text, fraction);
        if (digits || end > fraction) {
            digits = true;
            i = end;
        }
    }
    if (!digits)
        return 0.0;
    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        const qsizetype exponent = SkipSign(text, i + 1);
        if (IsDigit(text, exponent))
            i = SkipDigits(text, exponent);
    }
    // QStringView::toDouble reads the C locale whatever the user's locale is.
    return text.mid(start, i - start).toDouble();
}
