// Reads back a PDF the printer wrote (its pages, its text, its words and where they stand),
// so printing tests check what reached paper.
#pragma once

#include <QFile>
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>

// The number of page objects in the PDF at `path`; -1 when it cannot be read.
inline int PdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(file.readAll()).count(page));
}

// What poppler's pdftotext writes for the PDF at `path` with `option`; empty when the tool
// or the file is missing.
inline QString PdfToText(const QString& option, const QString& path)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {option, path, QStringLiteral("-")});
    if (!tool.waitForFinished(10000) || tool.exitCode() != 0)
        return QString();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// The text of the PDF at `path` in the order it was drawn; empty when the tool or the file is
// missing.
inline QString PdfText(const QString& path)
{
    return PdfToText(QStringLiteral("-raw"), path);
}

// One word of a PDF page and its box in points, as poppler's pdftotext lays the page out.
struct PdfWord {
    QRectF box;
    QString text;
};

// The words of the PDF at `path` with their boxes, in the order pdftotext reads them; empty
// when the tool or the file is missing.
inline QList<PdfWord> PdfWords(const QString& path)
{
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" yMax=\"([-\\d.]+)\">"
        "([^<]*)</word>"));
    const QString html = PdfToText(QStringLiteral("-bbox"), path);
    QList<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString text = m.captured(5);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        // Ligatures the face drew ("fl", "ff") read back as their letters.
        text = text.normalized(QString::NormalizationForm_KC);
        words.append({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                             QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                      text});
    }
    return words;
}
