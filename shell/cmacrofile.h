// The macro file "Makrodefinition.txt" of the monitor: 16-bit little-endian text, one macro
// per line, the macro's name before the first TAB and its bus command between "[" and "]"
// somewhere after it. No widgets here: the monitor reads and looks up macros through it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class CMacroFile {
public:
    static const QString kFileName;

    enum class Found { Command, NoMacro, NoCommand };
    struct Lookup {
        Found found = Found::NoMacro;
        QString command;
        QString line; // the macro's whole line, when there is one
    };

    // What the user typed into the macro combo: the name, and after a blank a parameter
    // that is appended to the macro's command.
    struct Typed {
        QString name;
        QString parameter;
    };

    // Reads the file at `path`; false when it cannot be read (nor a regular file, nor one
    // over the small-file limit) or is not 16-bit text, and then no macros are known.
    bool Load(const QString& path);
    // Takes the file's bytes apart into its non-empty lines. A byte-order mark is skipped;
    // a line ends at LF, CR LF or a lone CR; a last odd byte is no character. False for
    // 8-bit text (no zero byte at all) and for big-endian text.
    bool Read(const QByteArray& bytes);

    // The non-empty lines, whole, in file order.
    const QStringList& Lines() const { return m_lines; }
    // What the combo lists: each line's name followed by one blank, in file order.
    QStringList ComboEntries() const;

    // The text before the line's first TAB; empty for a line without one.
    static QString NameOf(const QString& line);
    // The text between the line's first "[" and the first "]" after it; false when the
    // line has no such pair.
    static bool CommandOf(const QString& line, QString* command);
    static Typed Split(const QString& typed);

    // The macro named `name` exactly; of two lines with the same name the later one
    // counts. An empty name names no macro.
    Lookup Find(const QString& name) const;

private:
    QStringList m_lines;
};
