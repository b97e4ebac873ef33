// The status lamps of the parameter page and the status overview: 16 x 16 pictures in
// off/on pairs, green 164/165, yellow 166/167 and red 168/169, painted when first asked for.
#pragma once

#include <QPixmap>

class CLedPictures {
public:
    static constexpr int kGreenOff = 164;
    static constexpr int kYellowOff = 166;
    static constexpr int kRedOff = 168;
    static constexpr int kSize = 16;

    // The picture numbered `id` (164..169); a null pixmap for any other number.
    static QPixmap Picture(int id);
    // The off picture of the pair that `id` belongs to.
    static int PairOff(int id) { return id - (id - kGreenOff) % 2; }
    static bool IsOn(int id) { return (id - kGreenOff) % 2 == 1; }
};
