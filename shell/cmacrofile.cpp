#include "shell/cmacrofile.h"

#include "platform/csmallfilereader.h"

const QString CMacroFile::kFileName = QStringLiteral("Makrodefinition.txt");

namespace {

constexpr char16_t kByteOrderMark = 0xFEFF;
constexpr char16_t kSwappedMark = 0xFFFE;

} // namespace

bool CMacroFile::Load(const QString& path)
{
    m_lines.clear();
    const CSmallFileReader::Result file = CSmallFileReader::Read(path);
    return file.IsRead() && Read(file.bytes);
}

bool CMacroFile::Read(const QByteArray& bytes)
{
    m_lines.clear();
    // Every character of a line the monitor can use (the TAB, the brackets, the command)
    // has a zero high byte, so 8-bit text shows itself by having none at all.
    if (!bytes.isEmpty() && !bytes.contains('\0'))
        return false;
    const qsizetype units = bytes.size() / 2;
    QString text;
    text.reserve(units);
    for (qsizetype i = 0; i < units; ++i) {
        const auto low = static_cast<unsigned char>(bytes.at(2 * i));
        const auto high = static_cast<unsigned char>(bytes.at(2 * i + 1));
        text.append(QChar(static_cast<char16_t>(low | (high << 8))));
    }
    if (text.startsWith(QChar(kSwappedMark)))
        return false;
    if (text.startsWith(QChar(kByteOrderMark)))
        text.remove(0, 1);

    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r')) {
            line.append(c);
            continue;
        }
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        if (!line.isEmpty())
            m_lines.append(line);
        line.clear();
    }
    if (!line.isEmpty())
        m_lines.append(line);
    return true;
}

QStringList CMacroFile::ComboEntries() const
{
    QStringList entries;
    entries.reserve(m_lines.size());
    for (const QString& line : m_lines)
        entries.append(NameOf(line) + QLatin1Char(' '));
    return entries;
}

QString CMacroFile::NameOf(const QString& line)
{
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    return tab < 0 ? QString() : line.left(tab);
}

bool CMacroFile::CommandOf(const QString& line, QString* command)
{
    const qsizetype open = line.indexOf(QLatin1Char('['));
    if (open < 0)
        return false;
    const qsizetype close = line.indexOf(QLatin1Char(']'), open + 1);
    if (close < 0)
        return false;
    *command = line.mid(open + 1, close - open - 1);
    return true;
}

CMacroFile::Typed CMacroFile::Split(const QString& typed)
{
    const qsizetype blank = typed.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return {typed, QString()};
    return {typed.left(blank), typed.mid(blank).trimmed()};
}

CMacroFile::Lookup CMacroFile::Find(const QString& name) const
{
    Lookup lookup;
    if (name.isEmpty())
        return lookup;
    for (auto it = m_lines.crbegin(); it != m_lines.crend(); ++it) {
        if (NameOf(*it) != name)
            continue;
        lookup.line = *it;
        lookup.found = CommandOf(*it, &lookup.command) ? Found::Command : Found::NoCommand;
        return lookup;
    }
    return lookup;
}
