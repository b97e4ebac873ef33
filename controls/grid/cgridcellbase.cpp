#include "controls/grid/cgridcellbase.h"

#include "controls/grid/cgridctrl.h"
#include "controls/grid/cgriddefaultcell.h"
#include "controls/grid/cgridtext.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace {

// A cell rectangle carries its right and bottom grid-line pixel; the area inside the lines
// ends one pixel before.
QRect Inner(const QRect& r)
{
    return QRect(QPoint(r.left(), r.top()), QPoint(r.right() - 1, r.bottom() - 1));
}

// The whole rectangle, grid-line pixels included.
QRect Grown(const QRect& r)
{
    return r;
}

int WidthOf(const QRect& r)
{
    return r.right() - r.left();
}

int HeightOf(const QRect& r)
{
    return r.bottom() - r.top();
}

} // namespace

CGridCellBase::~CGridCellBase() = default;

CGridDefaultCell* CGridCellBase::GetDefaultCell() const
{
    CGridCtrl* grid = GetGrid();
    if (!grid)
        return nullptr;
    return grid->GetDefaultCell(IsFixedRow(), IsFixedCol());
}

void CGridCellBase::CopyFrom(const CGridCellBase& cell)
{
    if (&cell == this)
        return;
    SetGrid(cell.GetGrid());
    SetText(cell.GetText());
    SetImage(cell.GetImage());
    SetData(cell.GetData());
    SetState(cell.GetState());
    SetFormat(cell.GetFormat());
    SetTextClr(cell.GetTextClr());
    SetBackClr(cell.GetBackClr());
    SetFont(cell.IsDefaultFont() ? nullptr : cell.GetFont());
    SetMargin(cell.GetMargin());
}

QColor CGridCellBase::ResolvedTextClr() const
{
    QColor colour = GetTextClr();
    if (!colour.isValid()) {
        if (const CGridDefaultCell* def = GetDefaultCell())
            colour = def->GetTextClr();
    }
    if (!colour.isValid() && GetGrid())
        colour = GetGrid()->palette().color(QPalette::WindowText);
    return colour;
}

QColor CGridCellBase::ResolvedBackClr() const
{
    QColor colour = GetBackClr();
    if (!colour.isValid()) {
        if (const CGridDefaultCell* def = GetDefaultCell())
            colour = def->GetBackClr();
    }
    if (!colour.isValid() && GetGrid())
        colour = GetGrid()->palette().color(QPalette::Base);
    return colour;
}

const CGridFont& CGridCellBase::FontForMeasuring() const
{
    static const CGridFont fallback;
    const CGridFont* font = GetFont();
    return font ? *font : fallback;
}

QSize CGridCellBase::Turned(const QSize& extent) const
{
    if (!FontForMeasuring().IsVertical())
        return extent;
    return {extent.height(), extent.width() + 4 * int(GetMargin())};
}

void CGridCellBase::DrawFixedEdge(QPainter& painter, const QRect& rect, bool sunken) const
{
    const QPalette& pal = GetGrid()->palette();
    const QColor light = pal.color(QPalette::Light);
    const QColor dark = pal.color(QPalette::Shadow);
    const QRect r = sunken ? Grown(rect) : rect;
    const QPoint tl(r.left(), r.top());
    const QPoint tr(r.right(), r.top());
    const QPoint bl(r.left(), r.bottom());
    const QPoint br(r.right(), r.bottom());
    // Raised: light on top and left, dark on right and bottom; sunken the other way round.
    painter.setPen(sunken ? dark : light);
    painter.drawLine(tr, tl);
    painter.drawLine(tl, bl);
    painter.setPen(sunken ? light : dark);
    painter.drawLine(tr, br);
    painter.drawLine(br, bl);
}

void CGridCellBase::DrawSortArrow(QPainter& painter, int col, QRect& rect) const
{
    const CGridCtrl* grid = GetGrid();
    if (col != grid->GetSortColumn())
        return;
    int s = painter.fontMetrics().height() - 4;
    if (s >= HeightOf(rect))
        s = HeightOf(rect) - 4;
    if (rect.left() + s >= rect.right())
        return;
    // Under text that reads upwards the arrow sits in the middle, and the text keeps the
    // cell's whole width.
    const bool upwards = FontForMeasuring().nEscapement == 900;
    const int y = rect.bottom() - s - 2;
    const int x = upwards ? (rect.right() + rect.left() - s) / 2 : rect.right() - s;
    const QPalette& pal = grid->palette();
    const QPen shadow(pal.color(QPalette::Dark), 0);
    const QPen light(pal.color(QPalette::Light), 0);
    auto triangle = [&](const QPen& pen, int dx, int dy, bool up) {
        painter.setPen(pen);
        QPolygon poly;
        if (up)
            poly << QPoint(x + dx, y + s + dy) << QPoint(x + s / 2 + dx, y + dy)
                 << QPoint(x + s + dx, y + s + dy) << QPoint(x + dx, y + s + dy);
        else
            poly << QPoint(x + dx, y + dy) << QPoint(x + s / 2 + dx, y + s + dy)
                 << QPoint(x + s + dx, y + dy) << QPoint(x + dx, y + dy);
        painter.drawPolyline(poly);
    };
    const bool up = grid->GetSortAscending();
    triangle(light, 1, 1, up);
    triangle(shadow, 0, 0, up);
    if (!upwards)
        rect.setRight(rect.right() - s);
}

bool CGridCellBase::Draw(QPainter* painter, int row, int col, QRect rect, bool bEraseBkgnd)
{
    CGridCtrl* grid = GetGrid();
    if (!grid || !painter || WidthOf(rect) <= 0 || HeightOf(rect) <= 0)
        return false;
    const CGridDefaultCell* def = GetDefaultCell();
    if (!def)
        return false;
    painter->save();
    const QPalette& pal = grid->palette();

    QColor textClr = ResolvedTextClr();
    QColor backClr = ResolvedBackClr();
    if (GetBackClr().isValid())
        bEraseBkgnd = true;

    if (!IsFocused() && !IsDropHighlighted()) {
        if (IsSelected()) {
            painter->fillRect(Grown(rect), pal.color(QPalette::Highlight));
            textClr = pal.color(QPalette::HighlightedText);
        } else if (bEraseBkgnd) {
            painter->fillRect(Grown(rect), backClr);
        }
    } else {
        if (IsSelected()) {
            backClr = pal.color(QPalette::Highlight);
            textClr = pal.color(QPalette::HighlightedText);
            bEraseBkgnd = true;
        }
        if (bEraseBkgnd)
            painter->fillRect(Grown(rect), backClr);
        // With grid lines the frame stays inside them; without, it takes the line pixels.
        QRect frame = grid->GetGridLines() != CGridCtrl::GvlNone ? Inner(rect) : Grown(rect);
        if (grid->GetFrameFocusCell()) {
            painter->setPen(QPen(textClr, 0));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(frame.adjusted(0, 0, -1, -1));
        }
    }

    if (IsFixed() && grid->GetGridLines() != CGridCtrl::GvlNone) {
        const CCellID focus = grid->GetFocusCell();
        const bool raised = !grid->GetTrackFocusCell() || !focus.IsValid() ||
                            (focus.row != row && focus.col != col);
        DrawFixedEdge(*painter, Inner(rect), !raised);
        rect.adjust(1, 1, -1, -1);
    }

    painter->setFont(FontForMeasuring().font);
    painter->setPen(textClr);

    const int margin = int(GetMargin());
    rect.adjust(margin, margin, -margin, -margin);
    rect.adjust(0, 0, 1, 1);

    const QList<QPixmap>& images = grid->GetImageList();
    const int image = GetImage();
    if (image >= 0 && image < images.size()) {
        const QSize size = images.at(image).size();
        if (rect.left() + size.width() <= rect.right() &&
            rect.top() + size.height() <= rect.bottom())
            painter->drawPixmap(rect.topLeft(), images.at(image));
    }

    if (row == 0)
        DrawSortArrow(*painter, col, rect);

    GetTextRect(&rect);
    rect.adjust(0, 0, 1, 1);
    GridText::Draw(*painter, Inner(rect), GetText(), GetFormat() | DtNoPrefix | DtEditControl,
                   FontForMeasuring().nEscapement);
    painter->restore();
    return true;
}

bool CGridCellBase::GetTextRect(QRect* rect)
{
    CGridCtrl* grid = GetGrid();
    const int image = GetImage();
    if (rect && grid && image >= 0 && image < grid->GetImageList().size())
        rect->setLeft(rect->left() + grid->GetImageList().at(image).width() + 1 +
                      int(GetMargin()));
    return true;
}

QSize CGridCellBase::GetTextExtent(const QString& text, QPainter* painter)
{
    const CGridDefaultCell* def = GetDefaultCell();
    if (text.isEmpty() || (!painter && !GetGrid()))
        return def ? QSize(def->GetWidth(), def->GetHeight()) : QSize();
    if (GetMargin() > 4)
        SetMargin(4);
    const int margin = int(GetMargin());
    const QFont& font = FontForMeasuring().font;
    const QFontMetrics metrics =
        painter ? QFontMetrics(font, painter->device()) : QFontMetrics(font);
    const quint32 format = GetFormat();
    QSize size;
    if ((format & (DtWordBreak | DtSingleLine)) == DtWordBreak) {
        int widest = 0;
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (const QString& line : lines)
            widest = qMax(widest, GridText::Extent(metrics, line).width());
        size = GridText::CalcRect(metrics, text, format, widest + 1);
    } else {
        size = GridText::Extent(metrics, text);
    }
    return Turned({size.width() + 2 * margin, size.height() + 2 * margin});
}

QSize CGridCellBase::GetCellExtent(QPainter* painter)
{
    const QSize text = GetTextExtent(GetText(), painter);
    QSize image(0, 0);
    CGridCtrl* grid = GetGrid();
    const int index = GetImage();
    if (grid && index >= 0 && index < grid->GetImageList().size()) {
        const QSize size = grid->GetImageList().at(index).size();
        const int margin = int(GetMargin());
        image = QSize(size.width(), size.height() + 2 * margin);
        if (text.width() > 2 * margin)
            image.rwidth() += margin;
    }
    QSize size(text.width() + image.width() + 1, qMax(text.height(), image.height()) + 1);
    if (IsFixed())
        size += QSize(1, 1);
    return size;
}

bool CGridCellBase::Edit(int, int, QRect, QPoint, int, uint)
{
    return false;
}

bool CGridCellBase::ValidateEdit(const QString&)
{
    return true;
}

void CGridCellBase::PrintCell(QPainter* painter, int row, int col, QRect rect)
{
    (void)row;
    (void)col;
    CGridCtrl* grid = GetGrid();
    if (!grid || !painter || WidthOf(rect) <= 0 || HeightOf(rect) <= 0)
        return;
    painter->save();
    QColor textClr(Qt::black);
    if (grid->GetShadedPrintOut()) {
        const CGridDefaultCell* def = GetDefaultCell();
        if (!def) {
            painter->restore();
            return;
        }
        QColor backClr;
        if (IsFixed())
            backClr = GetBackClr().isValid() ? GetBackClr() : def->GetBackClr();
        else if (GetBackClr().isValid() && GetBackClr() != def->GetBackClr())
            backClr = GetBackClr();
        textClr = ResolvedTextClr();
        // On a printer without colours a coloured text would come out too pale or too
        // dark; its grey follows the eye's weighting of the channels.
        const auto* printer = dynamic_cast<const QPrinter*>(painter->device());
        if (printer && printer->colorMode() == QPrinter::GrayScale && !backClr.isValid())
            textClr = QColor(int(textClr.red() * 0.3), int(textClr.green() * 0.59),
                             int(textClr.blue() * 0.11));
        if (backClr.isValid())
            painter->fillRect(Grown(rect), backClr);
    }
    painter->setPen(textClr);
    painter->setFont(GridText::PixelFont(FontForMeasuring().font));

    if (IsFixed() && grid->GetGridLines() != CGridCtrl::GvlNone) {
        DrawFixedEdge(*painter, Inner(rect), false);
        painter->setPen(textClr);
        rect.adjust(1, 1, -1, -1);
    }
    const int margin = int(GetMargin());
    rect.adjust(margin, 0, -margin, 0);

    const QList<QPixmap>& images = grid->GetImageList();
    const int image = GetImage();
    if (image >= 0 && image < images.size()) {
        painter->drawPixmap(rect.topLeft(), images.at(image));
        rect.setLeft(rect.left() + margin + images.at(image).width());
    }
    if (!(GetFormat() & DtSingleLine))
        rect.setTop(rect.top() + 2);
    GridText::Draw(*painter, Inner(rect), GetText(), GetFormat() | DtNoPrefix,
                   FontForMeasuring().nEscapement);
    painter->restore();
}

void CGridCellBase::OnClick(QPoint) {}
void CGridCellBase::OnClickDown(QPoint) {}
void CGridCellBase::OnRClick(QPoint) {}
void CGridCellBase::OnDblClick(QPoint) {}

bool CGridCellBase::OnSetCursor()
{
    if (CGridCtrl* grid = GetGrid())
        grid->viewport()->setCursor(Qt::ArrowCursor);
    return true;
}
