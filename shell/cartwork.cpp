#include "shell/cartwork.h"

#include "res/ccommandid.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kButtonSize = 16;

QPixmap Canvas(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void DrawPage(QPainter& p)
{
    QPainterPath page;
    page.moveTo(3, 1);
    page.lineTo(10, 1);
    page.lineTo(13, 4);
    page.lineTo(13, 14);
    page.lineTo(3, 14);
    page.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(10, 1, 10, 4);
    p.drawLine(10, 4, 13, 4);
}

void DrawFolder(QPainter& p)
{
    p.setPen(QPen(QColor(0x80, 0x60, 0x00), 1));
    p.setBrush(QColor(0xf0, 0xd0, 0x50));
    p.drawRect(1, 4, 12, 9);
    p.drawRect(1, 2, 5, 2);
    p.setBrush(QColor(0xf8, 0xe8, 0x90));
    p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(13, 13), QPoint(1, 13)}));
}

void DrawDisk(QPainter& p, const QColor& body)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(body);
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(0xc0, 0xc0, 0xc0));
    p.drawRect(4, 9, 7, 5);
}

void DrawPrinter(QPainter& p)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 8, 5);
    p.setBrush(QColor(0xc0, 0xc0, 0xc0));
    p.drawRect(1, 6, 14, 6);
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 8, 5);
    p.setPen(Qt::green);
    p.drawPoint(13, 8);
}

void DrawQuestion(QPainter& p)
{
    p.setPen(QPen(QColor(0x00, 0x00, 0x80), 1));
    p.setBrush(QColor(0xff, 0xff, 0xe0));
    p.drawEllipse(1, 1, 13, 13);
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawMagnifier(QPainter& p)
{
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(0xd0, 0xe8, 0xff));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    p.setPen(QPen(QColor(0x60, 0x40, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
}

void DrawReset(QPainter& p)
{
    p.setPen(QPen(QColor(0xb0, 0x20, 0x20), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2, 2, 12, 12), 60 * 16, 280 * 16);
    p.setBrush(QColor(0xb0, 0x20, 0x20));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(9, 0), QPointF(14, 3), QPointF(9, 6)}));
}

} // namespace

QIcon CArtwork::CommandIcon(int command)
{
    QPixmap pixmap = Canvas(kButtonSize, kButtonSize);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (command) {
    case CCommandId::kFileNew: DrawPage(p); break;
    case CCommandId::kFileOpen: DrawFolder(p); break;
    case CCommandId::kFileSave: DrawDisk(p, QColor(0x30, 0x50, 0xa0)); break;
    case CCommandId::kSaveProject: DrawDisk(p, QColor(0x30, 0x90, 0x50)); break;
    case CCommandId::kFilePrint: DrawPrinter(p); break;
    case CCommandId::kAppAbout: DrawQuestion(p); break;
    case CCommandId::kSearch: DrawMagnifier(p); break;
    case CCommandId::kReset: DrawReset(p); break;
    default: return {};
    }
    p.end();
    return QIcon(pixmap);
}

QPixmap CArtwork::Lamp(const QColor& colour)
{
    QPixmap pixmap = Canvas(16, 15);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(6, 5), 7);
    glow.setColorAt(0, colour.lighter(170));
    glow.setColorAt(1, colour);
    p.setPen(QPen(colour.darker(200), 1));
    p.setBrush(glow);
    p.drawEllipse(QRectF(2.5, 2, 11, 11));
    return pixmap;
}

QPixmap CArtwork::DeviceBox(int width, int height)
{
    QPixmap pixmap = Canvas(width, height);
    QPainter p(&pixmap);
    const qreal sx = width / 16.0;
    const qreal sy = height / 15.0;
    p.scale(sx, sy);
    p.setPen(QPen(QColor(0x20, 0x28, 0x30), 1));
    p.setBrush(QColor(0x5a, 0x6b, 0x7d));
    p.drawRect(1, 3, 14, 10);
    p.setBrush(QColor(0xd8, 0xe4, 0xef));
    p.drawRect(3, 5, 10, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3f, 0xbf, 0x4a));
    p.drawRect(3, 10, 2, 2);
    p.setBrush(QColor(0xf0, 0xc4, 0x19));
    p.drawRect(7, 10, 2, 2);
    p.setBrush(QColor(0xd9, 0x41, 0x2b));
    p.drawRect(11, 10, 2, 2);
    return pixmap;
}

QPixmap CArtwork::TreeImage(int index)
{
    switch (index) {
    case 0: return Lamp(QColor(0xf0, 0xc0, 0x10));
    case 1: return Lamp(QColor(0x90, 0x90, 0x90));
    case 2: return Lamp(QColor(0x20, 0xb0, 0x30));
    case 3: return Lamp(QColor(0xd0, 0x20, 0x20));
    case 4: return DeviceBox(16, 15);
    default: return {};
    }
}

QPixmap CArtwork::AboutPicture()
{
    return DeviceBox(64, 60);
}

QIcon CArtwork::AppIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(DeviceBox(size, size));
    return icon;
}

QPixmap CArtwork::ReportImage(int kind)
{
    QPixmap pixmap = Canvas(16, 16);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    switch (kind) {
    case 0: // a blue "i" in a circle
        p.setBrush(QColor(0x20, 0x50, 0xd0));
        p.drawEllipse(1, 1, 14, 14);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("i"));
        break;
    case 1: // a black "!" in a yellow triangle
        p.setBrush(QColor(0xf6, 0xdd, 0x08));
        p.drawPolygon(QPolygon({QPoint(8, 1), QPoint(15, 14), QPoint(1, 14)}));
        p.drawText(QRect(0, 3, 16, 12), Qt::AlignCenter, QStringLiteral("!"));
        break;
    default: // a white cross in a red circle
        p.setBrush(QColor(0xd0, 0x10, 0x10));
        p.drawEllipse(1, 1, 14, 14);
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(5, 5, 11, 11);
        p.drawLine(11, 5, 5, 11);
        break;
    }
    return pixmap;
}
