// Counts the pages of a PDF the printer wrote, so printing tests check what reached paper.
#pragma once

#include <QFile>
#include <QProcess>
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

// The text of the PDF at `path` in the order it was drawn, read by poppler's pdftotext;
// empty when the tool or the file is missing.
inline QString PdfText(const QString& path)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")});
    if (!tool.waitForFinished(10000) || tool.exitCode() != 0)
        return QString();
    return QString::fromUtf8(tool.readAllStandardOutput());
}
