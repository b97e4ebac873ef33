#include "platform/ccascadeplacer.h"

#include <algorithm>

QPoint CCascadePlacer::Place(const QSize& window, const QSize& workspace, int step,
                             const QList<QPoint>& taken)
{
    step = std::max(step, 1);
    const int room =
        std::min(workspace.width() - window.width(), workspace.height() - window.height());
    const int places = std::max(room, 0) / step + 1;
    for (int place = 0; place < places; ++place) {
        const QPoint corner(place * step, place * step);
        if (!taken.contains(corner))
            return corner;
    }
    // Every place is taken: the cascade starts again from the top.
    const int place = static_cast<int>(taken.size() % places);
    return {place * step, place * step};
}
