// The project file (.spf): a dated header and one line per axis that names the axis's
// device-type code, its bus address and its parameter file, which lies beside the project
// file. 8-bit Windows-1252 text with CR LF line ends, exchanged with the Windows program,
// so the file name keeps its leading "\" in the file and is mapped to this system's
// separator when read. No widgets here: the shell writes and reads projects through it.
#pragma once

#include "pages/cdevicetype.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class CProjectFile {
public:
    struct Axis {
        DeviceType deviceType = DeviceType::Kev;
        int address = 0;  // 0..31
        QString fileName; // of the parameter file, without directory
    };

    // One axis line as read: its bracket key ("[KEV 3]") and the full path of its file.
    struct Line {
        QString key;
        QString path;
    };

    // What a key names; none where it names no known type, -1 for no bus address.
    struct KeyParts {
        std::optional<DeviceType> deviceType;
        int address = -1;
    };

    using Labels = std::function<QString(unsigned)>;

    // The three-letter code a type's axes are listed with; empty for DRQ2+ and VNE+, which
    // the format has no code for.
    static QString TypeCode(DeviceType deviceType);
    // The name of a parameter document's file: its title, ".sdf" added unless the title
    // ends with it, and every character a file name cannot hold (the axis name may carry
    // them) replaced by "_".
    static QString ParameterFileName(const QString& title);

    // The whole file: the header and one line per axis that has a code, in ascending
    // address.
    static QByteArray Bytes(QList<Axis> axes, const Labels& label, const QDateTime& when);
    // The axis lines of a file in file order: lines that begin with "[", their files
    // joined to `projectDirectory`.
    static QList<Line> Read(const QByteArray& bytes, const QString& projectDirectory);
    // The type and address a key names: the code after "[", the decimal address after it.
    static KeyParts ParseKey(const QString& key);
};
