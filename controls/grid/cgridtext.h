// Drawing and measuring a cell's text by its text-format flags (GridTextFormat), on the
// screen and on paper alike. Needs no widget.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QFontMetrics;
class QPainter;

namespace GridText {

// The text as one line: line breaks count as blanks.
QString SingleLine(const QString& text);
// Draws `text` into `rect` (its pixels, inclusive) as `format` says, turned on its side for
// a vertical `escapement` (see CGridFont).
void Draw(QPainter& painter, const QRect& rect, const QString& text, quint32 format,
          int escapement = 0);
// Width and height of `text` written on one line.
QSize Extent(const QFontMetrics& metrics, const QString& text);
// The size `text` takes when drawn with `format` into a box `width` pixels wide (word
// breaking when the format asks for it).
QSize CalcRect(const QFontMetrics& metrics, const QString& text, quint32 format, int width);

// `font` sized in screen pixels, so that it keeps its size where one unit is one screen
// pixel (the logical page of a printed grid).
QFont PixelFont(const QFont& font);

} // namespace GridText
