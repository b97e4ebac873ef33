// Where a new document window opens in the MDI area: on the cascade, each place a title bar
// right of and below the one before, at the first place no open window takes, and only at
// places where the whole window lies inside the workspace. A window larger than the workspace
// opens at its top left corner.
#pragma once

#include <QList>
#include <QPoint>
#include <QSize>

class CCascadePlacer {
public:
    // `taken`: the top left corners of the windows already open.
    static QPoint Place(const QSize& window, const QSize& workspace, int step,
                        const QList<QPoint>& taken);
};
