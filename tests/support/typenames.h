// The device type named in a text, as the application finds it among its nine type names:
// for the readers' tests and fuzz targets, which run without the application object.
#pragma once

#include <QString>
#include <QStringList>

namespace TypeNames {

// 0..8 for the first type name the text contains, 9 for none.
inline int TypeNamedIn(const QString& text)
{
    static const QStringList names = {"KEV", "LQN", "HWT", "HWK", "HVR",
                                      "DRQ+", "UQT", "DRQ2+", "VNE+"};
    for (int type = 0; type < names.size(); ++type) {
        if (text.contains(names[type]))
            return type;
    }
    return static_cast<int>(names.size());
}

} // namespace TypeNames
