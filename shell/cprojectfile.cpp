#include "shell/cprojectfile.h"

#include "pages/caxislist.h"
#include "pages/cparameterfile.h"
#include "pages/creplyvalue.h"
#include "platform/cansitext.h"

#include <QDir>

#include <algorithm>

QString CProjectFile::TypeCode(DeviceType deviceType)
{
    return QString::fromLatin1(CDeviceType::Info(deviceType).fileCode);
}

QString CProjectFile::ParameterFileName(const QString& title)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    QString name = title;
    for (QChar& c : name) {
        if (forbidden.contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('_');
    }
    if (!name.endsWith(QStringLiteral(".sdf")))
        name += QStringLiteral(".sdf");
    return name;
}

QByteArray CProjectFile::Bytes(QList<Axis> axes, const Labels& label, const QDateTime& when)
{
    std::stable_sort(axes.begin(), axes.end(),
                     [](const Axis& a, const Axis& b) { return a.address < b.address; });
    QString text = CParameterFile::Header(label, when);
    for (const Axis& axis : axes) {
        const QString code = TypeCode(axis.deviceType);
        if (code.isEmpty())
            continue;
        text += QStringLiteral("[%1 %2] \\%3\r\n").arg(code).arg(axis.address).arg(axis.fileName);
    }
    return CAnsiText::FromUnicode(text);
}

QList<CProjectFile::Line> CProjectFile::Read(const QByteArray& bytes,
                                             const QString& projectDirectory)
{
    QList<Line> lines;
    for (QByteArray raw : bytes.split('\n')) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        const QString text = CAnsiText::ToUnicode(raw);
        if (!text.startsWith(QLatin1Char('[')))
            continue;
        // A line without "]" has no key; all of it names the file.
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        Line line;
        line.key = text.left(close + 1);
        QString rest = text.mid(close + 1);
        while (rest.startsWith(QLatin1Char(' ')))
            rest.remove(0, 1);
        while (rest.endsWith(QLatin1Char(' ')))
            rest.chop(1);
        rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
        while (rest.startsWith(QLatin1Char('/')))
            rest.remove(0, 1);
        line.path = projectDirectory.isEmpty() ? rest : QDir(projectDirectory).filePath(rest);
        lines.append(line);
    }
    return lines;
}

CProjectFile::KeyParts CProjectFile::ParseKey(const QString& key)
{
    KeyParts parts;
    if (!key.startsWith(QLatin1Char('[')))
        return parts;
    parts.deviceType = CDeviceType::OfFileCode(key.mid(1, 3));
    // The address stands after "[", the code and a blank, up to the "]".
    const qsizetype close = key.indexOf(QLatin1Char(']'));
    if (close < 0 || close <= 4)
        return parts;
    const QString number = key.mid(4, close - 4).trimmed();
    const bool digits = !number.isEmpty() && std::all_of(number.begin(), number.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    const int address = digits ? CReplyValue::ToInt(number) : -1;
    if (CAxisList::IsAddress(address))
        parts.address = address;
    return parts;
}
