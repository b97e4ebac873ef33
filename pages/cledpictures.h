// The status lamps of the parameter page and the status overview: 16 x 16 pictures in
// off/on pairs, green 164/165, yellow 166/167 and red 168/169, painted when first asked for.
#pragma once

#include <QPixmap>

class QLabel;

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

    // Lamps are labels that show one picture and remember its number.
    static void Show(QLabel* lamp, int id);
    // The number of the picture `lamp` shows; 0 for none.
    static int Shown(const QLabel* lamp);
    // Lights or darkens `lamp` within the pair of `offPicture`. Only a lamp that shows the
    // other picture of the pair is redrawn, so an unchanged state does not flicker.
    static void Switch(QLabel* lamp, int offPicture, bool on);
};
