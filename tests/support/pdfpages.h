// Counts the pages of a PDF the printer wrote, so printing tests check what reached paper.
#pragma once

#include <QFile>
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
