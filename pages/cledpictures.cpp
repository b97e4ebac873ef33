#include "pages/cledpictures.h"

#include <QLabel>
#include <QPainter>
#include <QRadialGradient>

namespace {

constexpr const char* kPictureProperty = "picture";

QColor LampColour(int off)
{
    switch (off) {
    case CLedPictures::kGreenOff: return QColor(0, 220, 0);
    case CLedPictures::kYellowOff: return QColor(255, 220, 0);
    default: return QColor(240, 0, 0);
    }
}

QPixmap PaintLamp(const QColor& colour, bool on)
{
    QPixmap pixmap(CLedPictures::kSize, CLedPictures::kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // An unlit lamp keeps a dark shade of its colour, so the pairs stay told apart.
    const QColor body = on ? colour : colour.darker(300);
    QRadialGradient glow(QPointF(6, 6), 8);
    glow.setColorAt(0, on ? body.lighter(160) : body.lighter(130));
    glow.setColorAt(1, body);
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    painter.setBrush(glow);
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    return pixmap;
}

} // namespace

QPixmap CLedPictures::Picture(int id)
{
    if (id < kGreenOff || id > kRedOff + 1)
        return {};
    static QPixmap pictures[6];
    QPixmap& picture = pictures[id - kGreenOff];
    if (picture.isNull())
        picture = PaintLamp(LampColour(PairOff(id)), IsOn(id));
    return picture;
}

void CLedPictures::Show(QLabel* lamp, int id)
{
    if (!lamp)
        return;
    lamp->setPixmap(Picture(id));
    lamp->setProperty(kPictureProperty, id);
}

int CLedPictures::Shown(const QLabel* lamp)
{
    return lamp ? lamp->property(kPictureProperty).toInt() : 0;
}

void CLedPictures::Switch(QLabel* lamp, int offPicture, bool on)
{
    const int shown = Shown(lamp);
    if (on && shown == offPicture)
        Show(lamp, offPicture + 1);
    else if (!on && shown == offPicture + 1)
        Show(lamp, offPicture);
}
