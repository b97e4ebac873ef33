// The program's pictures, painted when they are first asked for: the toolbar buttons,
// the five images of the axis tree (yellow, grey, green and red lamp, device box), the
// picture of the About box and the window icon.
#pragma once

#include <QIcon>
#include <QPixmap>

class CArtwork {
public:
    static constexpr int kTreeImageCount = 5;

    // The toolbar picture of command `command`; a null icon for a command without one.
    static QIcon CommandIcon(int command);
    // Tree image `index` (0 yellow, 1 grey, 2 green, 3 red lamp, 4 device box), 16 x 15.
    static QPixmap TreeImage(int index);
    static QPixmap AboutPicture();
    // The transfer report's pictures by kind: 0 information, 1 warning, 2 error; 16 x 16.
    static QPixmap ReportImage(int kind);
    static QIcon AppIcon();

private:
    static QPixmap Lamp(const QColor& colour);
    static QPixmap DeviceBox(int width, int height);
};
