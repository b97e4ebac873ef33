// The grid's painting and scrolling: background, fixed and visible cells, grid lines, the
// band shown while a row or column is sized, and the pixel scroll positions. Painting visits
// only the cells that show, so a screen costs the same however many rows the grid holds.
#include "controls/grid/cgridctrl.h"

#include "controls/grid/cgridlinescroll.h"
#include "controls/grid/ctitletip.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

namespace {

// Paints cells from (firstRow, firstCol) on, the first one starting at pixel (x, y), as far
// as `lastRow` / `lastCol` and the clip allow.
struct CellBlock {
    int firstRow, lastRow, y;
    int firstCol, lastCol, x;
};

} // namespace

void CGridCtrl::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    OnDraw(&painter, event->rect());
    if (!m_SizingBand.isNull()) {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(m_SizingBand, Qt::white);
    }
}

void CGridCtrl::OnDraw(QPainter* painter, const QRect& clip)
{
    if (!m_bAllowDraw || !painter)
        return;
    EraseBkgnd(painter, clip);
    const int fixedRowHeight = GetFixedRowHeight();
    const int fixedColWidth = GetFixedColumnWidth();
    const CCellRange visible = GetVisibleNonFixedCellRange();
    SendCacheHint(visible);

    auto paintBlock = [&](const CellBlock& block) {
        int bottom = block.y - 1;
        for (int row = block.firstRow; row <= block.lastRow; ++row) {
            const int height = GetRowHeight(row);
            if (height <= 0)
                continue;
            const int top = bottom + 1;
            bottom = top + height - 1;
            if (top > clip.bottom())
                break;
            if (bottom < clip.top())
                continue;
            int right = block.x - 1;
            for (int col = block.firstCol; col <= block.lastCol; ++col) {
                const int width = GetColumnWidth(col);
                if (width <= 0)
                    continue;
                const int left = right + 1;
                right = left + width - 1;
                if (left > clip.right())
                    break;
                if (right < clip.left())
                    continue;
                if (CGridCellBase* cell = GetCell(row, col)) {
                    cell->SetCoords(row, col);
                    cell->Draw(painter, row, col, QRect(QPoint(left, top), QPoint(right, bottom)),
                               false);
                }
            }
        }
    };
    paintBlock({0, m_nFixedRows - 1, 0, 0, m_nFixedCols - 1, 0});
    paintBlock({visible.minRow, visible.maxRow, fixedRowHeight, 0, m_nFixedCols - 1, 0});
    paintBlock({0, m_nFixedRows - 1, 0, visible.minCol, visible.maxCol, fixedColWidth});
    paintBlock({visible.minRow, visible.maxRow, fixedRowHeight, visible.minCol, visible.maxCol,
                fixedColWidth});

    QRect visRect;
    GetVisibleNonFixedCellRange(&visRect);
    painter->setPen(QPen(m_crGridLineColour, 0));
    if (m_nGridLines & GvlVert) {
        int x = fixedColWidth;
        for (int col = visible.minCol; col <= visible.maxCol && col >= 0; ++col) {
            if (GetColumnWidth(col) <= 0)
                continue;
            x += GetColumnWidth(col);
            painter->drawLine(x - 1, fixedRowHeight, x - 1, visRect.bottom());
        }
    }
    if (m_nGridLines & GvlHorz) {
        int y = fixedRowHeight;
        for (int row = visible.minRow; row <= visible.maxRow && row >= 0; ++row) {
            if (GetRowHeight(row) <= 0)
                continue;
            y += GetRowHeight(row);
            painter->drawLine(fixedColWidth, y - 1, visRect.right(), y - 1);
        }
    }
    painter->setPen(Qt::NoPen);
    SendCacheHint(CCellRange());
}

void CGridCtrl::EraseBkgnd(QPainter* painter, const QRect& clip)
{
    if (clip.isEmpty())
        return;
    QRect visRect;
    GetVisibleNonFixedCellRange(&visRect);
    const int fixedColWidth = GetFixedColumnWidth();
    const int fixedRowHeight = GetFixedRowHeight();
    // Rectangles here run from left/top to right/bottom exclusive.
    auto fill = [painter](int l, int t, int r, int b, const QColor& colour) {
        if (r > l && b > t)
            painter->fillRect(QRect(l, t, r - l, b - t), colour);
    };
    const int clipRight = clip.right() + 1;
    const int clipBottom = clip.bottom() + 1;
    if (clip.left() < fixedColWidth) {
        if (clip.top() < fixedRowHeight)
            fill(clip.left(), clip.top(), fixedColWidth, fixedRowHeight,
                 m_cellFixedRowColDef->GetBackClr());
        if (clip.top() < visRect.bottom())
            fill(clip.left(), clip.top(), fixedColWidth, visRect.bottom(),
                 m_cellFixedColDef->GetBackClr());
    }
    if (clip.top() < fixedRowHeight && clipRight > fixedColWidth && clip.left() < visRect.right())
        fill(fixedColWidth - 1, clip.top(), visRect.right(), fixedRowHeight,
             m_cellFixedRowDef->GetBackClr());
    fill(qMax(clip.left(), fixedColWidth), qMax(clip.top(), fixedRowHeight),
         qMin(clipRight, visRect.right()), qMin(clipBottom, visRect.bottom()),
         m_cellDefault->GetBackClr());
    if (clipRight > visRect.right())
        fill(visRect.right(), clip.top(), clipRight, clipBottom, m_crGridBkColour);
    if (clipBottom > visRect.bottom() && clip.left() < visRect.right())
        fill(clip.left(), visRect.bottom(), visRect.right(), clipBottom, m_crGridBkColour);
}

// --- Scroll bars -----------------------------------------------------------------------------

int CGridCtrl::GetScrollPos32(Qt::Orientation bar) const
{
    return bar == Qt::Vertical ? verticalScrollBar()->value() : horizontalScrollBar()->value();
}

void CGridCtrl::SetScrollPos32(Qt::Orientation bar, int nPos)
{
    ResetScrollBarsIfDue();
    QScrollBar* scroll = bar == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
    scroll->setValue(nPos);
    ResetTopLeft();
}

bool CGridCtrl::NeedsVerticalBar(int usableHeight) const
{
    const int fixedRowHeight = GetFixedRowHeight();
    return GetVirtualHeight() - fixedRowHeight > usableHeight - fixedRowHeight;
}

void CGridCtrl::ResetScrollBarsLater()
{
    m_bScrollBarsDue = true;
    if (m_bScrollResetPosted)
        return;
    m_bScrollResetPosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_bScrollResetPosted = false;
            ResetScrollBarsIfDue();
        },
        Qt::QueuedConnection);
}

void CGridCtrl::ResetScrollBarsIfDue()
{
    if (m_bScrollBarsDue)
        ResetScrollBars();
}

void CGridCtrl::ResetScrollBars()
{
    m_bScrollBarsDue = false;
    if (!m_bAllowDraw)
        return;
    // The whole area the bars may take from, as if neither were shown.
    QSize usable = maximumViewportSize();
    if (usable.isEmpty())
        return;
    const int fixedRowHeight = GetFixedRowHeight();
    const int fixedColWidth = GetFixedColumnWidth();
    const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    int vertMax = 0;
    int horzMax = 0;
    if (fixedRowHeight < usable.height() && fixedColWidth < usable.width()) {
        bool vert = NeedsVerticalBar(usable.height());
        if (vert)
            usable.rwidth() -= barWidth;
        const bool horz = GetVirtualWidth() - fixedColWidth > usable.width() - fixedColWidth;
        if (horz) {
            usable.rheight() -= barWidth;
            // A horizontal bar may hide the last row: then the rows need a bar as well.
            if (!vert && NeedsVerticalBar(usable.height())) {
                vert = true;
                usable.rwidth() -= barWidth;
            }
        }
        if (vert)
            vertMax = int(GetVirtualHeight() - fixedRowHeight - 1);
        if (horz)
            horzMax = int(GetVirtualWidth() - fixedColWidth - 1);
    }
    const int vertPage = vertMax ? qMax(1, usable.height() - fixedRowHeight) : 0;
    const int horzPage = horzMax ? qMax(1, usable.width() - fixedColWidth) : 0;
    // A bar's top position leaves a full page in view.
    verticalScrollBar()->setRange(0, vertMax ? qMax(0, vertMax - vertPage + 1) : 0);
    verticalScrollBar()->setPageStep(qMax(1, vertPage));
    horizontalScrollBar()->setRange(0, horzMax ? qMax(0, horzMax - horzPage + 1) : 0);
    horizontalScrollBar()->setPageStep(qMax(1, horzPage));
    ResetTopLeft();
}

void CGridCtrl::scrollContentsBy(int dx, int dy)
{
    (void)dx;
    (void)dy;
    EndEditing();
    m_TitleTip->Hide();
    ResetTopLeft();
    viewport()->update();
}

void CGridCtrl::ScrollBy(Qt::Orientation bar, int code)
{
    ResetScrollBarsIfDue();
    const bool vertical = bar == Qt::Vertical;
    QScrollBar* scroll = vertical ? verticalScrollBar() : horizontalScrollBar();
    const int pos = scroll->value();
    const CCellID topLeft = GetTopleftNonFixedCell();
    const CGridSizes& sizes = vertical ? m_arRowHeights : m_arColWidths;
    const int top = vertical ? topLeft.row : topLeft.col;
    const int fixedExtent = vertical ? GetFixedRowHeight() : GetFixedColumnWidth();
    const int client = vertical ? viewport()->height() : viewport()->width();
    int newPos = pos;
    switch (code) {
    case LineBack:
        newPos = CGridLineScroll::BackFrom(sizes, vertical ? m_nFixedRows : m_nFixedCols, top, pos);
        break;
    case LineForward:
        newPos = CGridLineScroll::ForwardFrom(sizes, top, pos, scroll->maximum());
        break;
    case PageBack:
        newPos = qMax(0, pos - (client - fixedExtent));
        break;
    case PageForward:
        newPos = pos + (client - fixedExtent);
        break;
    case ToStart:
        newPos = 0;
        break;
    case ToEnd:
        newPos = scroll->maximum();
        break;
    default:
        break;
    }
    newPos = qBound(0, newPos, scroll->maximum());
    if (newPos != pos)
        SetScrollPos32(bar, newPos);
}

void CGridCtrl::ScrollLines(Qt::Orientation bar, int forward, int back)
{
    if (forward <= 0 && back <= 0)
        return;
    ResetScrollBarsIfDue();
    const bool vertical = bar == Qt::Vertical;
    QScrollBar* scroll = vertical ? verticalScrollBar() : horizontalScrollBar();
    const CCellID topLeft = GetTopleftNonFixedCell();
    CGridLineScroll lines(vertical ? m_arRowHeights : m_arColWidths,
                          vertical ? m_nFixedRows : m_nFixedCols, scroll->maximum(),
                          scroll->value(), vertical ? topLeft.row : topLeft.col);
    lines.Forward(forward);
    lines.Back(back);
    if (lines.Position() != scroll->value())
        SetScrollPos32(bar, lines.Position());
}

void CGridCtrl::EnsureVisible(int nRow, int nCol)
{
    if (!m_bAllowDraw || !IsValid(nRow, nCol))
        return;
    ResetScrollBarsIfDue();
    // A line for every shown row (column) between the visible ones and the target.
    const CCellRange visible = GetVisibleNonFixedCellRange();
    const auto shown = [](const CGridSizes& sizes, int from, int to) {
        int count = 0;
        for (int index = from; index <= to; ++index)
            count += sizes[size_t(index)] > 0 ? 1 : 0;
        return count;
    };
    if (nCol >= m_nFixedCols)
        ScrollLines(Qt::Horizontal, shown(m_arColWidths, visible.maxCol + 1, nCol),
                    shown(m_arColWidths, nCol, visible.minCol - 1));
    if (nRow >= m_nFixedRows)
        ScrollLines(Qt::Vertical, shown(m_arRowHeights, visible.maxRow + 1, nRow),
                    shown(m_arRowHeights, nRow, visible.minRow - 1));
    // A cell still cut off at the right or bottom edge is brought in line by line.
    QRect rect;
    while (GetCellRect(nRow, nCol, &rect) && rect.right() >= viewport()->width() &&
           rect.left() > GetFixedColumnWidth() && horizontalScrollBar()->maximum() > 0) {
        const int before = GetScrollPos32(Qt::Horizontal);
        ScrollBy(Qt::Horizontal, LineForward);
        if (GetScrollPos32(Qt::Horizontal) == before)
            break;
    }
    while (GetCellRect(nRow, nCol, &rect) && rect.bottom() >= viewport()->height() &&
           rect.top() > GetFixedRowHeight() && verticalScrollBar()->maximum() > 0) {
        const int before = GetScrollPos32(Qt::Vertical);
        ScrollBy(Qt::Vertical, LineForward);
        if (GetScrollPos32(Qt::Vertical) == before)
            break;
    }
}

void CGridCtrl::Refresh()
{
    if (m_bAllowDraw)
        viewport()->update();
}

bool CGridCtrl::RedrawCell(int nRow, int nCol)
{
    if (!m_bAllowDraw || !IsCellVisible(nRow, nCol))
        return false;
    return InvalidateCellRect(nRow, nCol);
}

bool CGridCtrl::InvalidateCellRect(int nRow, int nCol)
{
    if (!m_bAllowDraw || !IsCellVisible(nRow, nCol))
        return false;
    QRect rect;
    if (!GetCellRect(nRow, nCol, &rect))
        return false;
    viewport()->update(rect.adjusted(0, 0, 1, 1));
    return true;
}

void CGridCtrl::resizeEvent(QResizeEvent* event)
{
    EndEditing();
    QAbstractScrollArea::resizeEvent(event);
    ResetScrollBars();
}

void CGridCtrl::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        // The grid's font becomes every default cell's, and with it their sizes.
        const CGridFont gridFont{font()};
        for (CGridDefaultCell* cell : {m_cellDefault.get(), m_cellFixedColDef.get(),
                                       m_cellFixedRowDef.get(), m_cellFixedRowColDef.get()})
            cell->SetFont(&gridFont);
        Refresh();
    } else if (event->type() == QEvent::PaletteChange) {
        // Default colours that followed the system follow it further; own colours stay.
        const QColor oldText = m_crWindowText;
        const QColor oldWindow = m_crWindowColour;
        const QColor oldFace = m_cr3DFace;
        const QColor oldShadow = m_crShadow;
        ReadSystemColours();
        for (CGridDefaultCell* cell : {m_cellDefault.get(), m_cellFixedColDef.get(),
                                       m_cellFixedRowDef.get(), m_cellFixedRowColDef.get()}) {
            if (cell->GetTextClr() == oldText)
                cell->SetTextClr(m_crWindowText);
            if (cell->GetBackClr() == oldWindow)
                cell->SetBackClr(m_crWindowColour);
            else if (cell->GetBackClr() == oldFace)
                cell->SetBackClr(m_cr3DFace);
        }
        if (m_crGridBkColour == oldShadow)
            m_crGridBkColour = m_crShadow;
        Refresh();
    }
}
