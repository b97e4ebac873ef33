#include "controls/grid/cgridtext.h"

#include "controls/grid/cgriddefs.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

namespace {

bool WrapsWords(quint32 format)
{
    return (format & (DtWordBreak | DtSingleLine)) == DtWordBreak;
}

int AlignmentOf(quint32 format)
{
    int flags = Qt::AlignLeft;
    if (format & DtCenter)
        flags = Qt::AlignHCenter;
    if (format & DtRight)
        flags = Qt::AlignRight;
    // Vertical placement applies to single lines only; other text starts at the top.
    if ((format & DtSingleLine) && (format & DtBottom))
        flags |= Qt::AlignBottom;
    else if ((format & DtSingleLine) && (format & DtVCenter))
        flags |= Qt::AlignVCenter;
    else
        flags |= Qt::AlignTop;
    if (WrapsWords(format))
        flags |= Qt::TextWordWrap;
    return flags;
}

void DrawUpright(QPainter& painter, const QRect& rect, const QString& text, quint32 format)
{
    QString shown = (format & DtSingleLine) ? GridText::SingleLine(text) : text;
    if ((format & DtEndEllipsis) && !WrapsWords(format) && !shown.contains(QLatin1Char('\n')))
        shown = painter.fontMetrics().elidedText(shown, Qt::ElideRight, rect.width());
    painter.drawText(rect, AlignmentOf(format), shown);
}

} // namespace

namespace GridText {

QString SingleLine(const QString& text)
{
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line;
}

void Draw(QPainter& painter, const QRect& rect, const QString& text, quint32 format,
          int escapement)
{
    if (text.isEmpty() || rect.width() <= 0 || rect.height() <= 0)
        return;
    if (!CGridFont::IsVerticalEscapement(escapement)) {
        DrawUpright(painter, rect, text, format);
        return;
    }
    // The text is laid out in the rectangle turned on its side, so the format's alignment
    // follows the reading direction: turned counter-clockwise (900) a line starts at the
    // bottom and its top faces the left edge; turned clockwise (-900) it starts at the top
    // and its top faces the right edge.
    painter.save();
    if (escapement == 900) {
        painter.translate(rect.left(), rect.bottom() + 1);
        painter.rotate(-90);
    } else {
        painter.translate(rect.right() + 1, rect.top());
        painter.rotate(90);
    }
    DrawUpright(painter, QRect(0, 0, rect.height(), rect.width()), text, format);
    painter.restore();
}

QSize Extent(const QFontMetrics& metrics, const QString& text)
{
    return {metrics.horizontalAdvance(SingleLine(text)), metrics.height()};
}

QSize CalcRect(const QFontMetrics& metrics, const QString& text, quint32 format, int width)
{
    if (!WrapsWords(format))
        return Extent(metrics, text);
    const QRect box(0, 0, qMax(1, width), 0);
    return metrics.boundingRect(box, AlignmentOf(format), text).size();
}

QFont PixelFont(const QFont& font)
{
    if (font.pixelSize() > 0)
        return font;
    QFont sized(font);
    sized.setPixelSize(qMax(1, QFontInfo(font).pixelSize()));
    return sized;
}

} // namespace GridText
