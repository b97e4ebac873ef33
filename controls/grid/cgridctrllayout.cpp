// The grid's sizes and geometry: row heights and column widths, the fixed extents, where
// each cell lies in the window and which cell lies under a point.
#include "controls/grid/cgridctrl.h"

#include "controls/grid/cgridcell.h"

// --- Sizes ---------------------------------------------------------------------------------

int CGridCtrl::GetRowHeight(int nRow) const
{
    return nRow >= 0 && nRow < m_nRows ? m_arRowHeights[size_t(nRow)] : -1;
}

int CGridCtrl::GetColumnWidth(int nCol) const
{
    return nCol >= 0 && nCol < m_nCols ? m_arColWidths[size_t(nCol)] : -1;
}

bool CGridCtrl::SetRowHeight(int nRow, int height)
{
    if (nRow < 0 || nRow >= m_nRows || height < 0)
        return false;
    m_arRowHeights.Set(size_t(nRow), height);
    ResetScrollBars();
    return true;
}

bool CGridCtrl::SetColumnWidth(int nCol, int width)
{
    if (nCol < 0 || nCol >= m_nCols || width < 0)
        return false;
    m_arColWidths.Set(size_t(nCol), width);
    ResetScrollBars();
    return true;
}

int CGridCtrl::GetFixedRowHeight() const
{
    int height = 0;
    for (int row = 0; row < m_nFixedRows; ++row)
        height += m_arRowHeights[size_t(row)];
    return height;
}

int CGridCtrl::GetFixedColumnWidth() const
{
    int width = 0;
    for (int col = 0; col < m_nFixedCols; ++col)
        width += m_arColWidths[size_t(col)];
    return width;
}

long CGridCtrl::GetVirtualHeight() const
{
    return m_arRowHeights.Total();
}

long CGridCtrl::GetVirtualWidth() const
{
    return m_arColWidths.Total();
}

// --- Geometry ------------------------------------------------------------------------------

CCellID CGridCtrl::GetTopleftNonFixedCell(bool bForceRecalculation)
{
    if (m_idTopLeftCell.IsValid() && !bForceRecalculation)
        return m_idTopLeftCell;
    const int vertPos = GetScrollPos32(Qt::Vertical);
    const int horzPos = GetScrollPos32(Qt::Horizontal);
    int row = m_nFixedRows;
    for (int top = 0; top < vertPos && row < m_nRows - 1; ++row)
        top += m_arRowHeights[size_t(row)];
    int col = m_nFixedCols;
    for (int left = 0; left < horzPos && col < m_nCols - 1; ++col)
        left += m_arColWidths[size_t(col)];
    m_idTopLeftCell = CCellID(row, col);
    return m_idTopLeftCell;
}

CCellRange CGridCtrl::GetVisibleNonFixedCellRange(QRect* pRect, bool bForceRecalculation)
{
    const QSize client = viewport()->size();
    const CCellID topLeft = GetTopleftNonFixedCell(bForceRecalculation);

    int bottom = GetFixedRowHeight();
    int maxRow = topLeft.row;
    for (int row = topLeft.row; row < m_nRows; ++row) {
        maxRow = row;
        bottom += GetRowHeight(row);
        if (bottom >= client.height()) {
            bottom = client.height();
            break;
        }
    }
    maxRow = qMin(maxRow, m_nRows - 1);

    int right = GetFixedColumnWidth();
    int maxCol = topLeft.col;
    for (int col = topLeft.col; col < m_nCols; ++col) {
        maxCol = col;
        right += GetColumnWidth(col);
        if (right >= client.width()) {
            right = client.width();
            break;
        }
    }
    maxCol = qMin(maxCol, m_nCols - 1);
    if (pRect)
        *pRect = QRect(QPoint(0, 0), QPoint(right, bottom));
    return {topLeft.row, topLeft.col, maxRow, maxCol};
}

bool CGridCtrl::GetCellOrigin(int nRow, int nCol, QPoint* p)
{
    if (!IsValid(nRow, nCol) || !p)
        return false;
    const CCellID topLeft = GetTopleftNonFixedCell();
    if ((nRow >= m_nFixedRows && nRow < topLeft.row) ||
        (nCol >= m_nFixedCols && nCol < topLeft.col))
        return false;
    int x = 0;
    if (nCol < m_nFixedCols) {
        for (int col = 0; col < nCol; ++col)
            x += m_arColWidths[size_t(col)];
    } else {
        x = GetFixedColumnWidth();
        for (int col = topLeft.col; col < nCol; ++col)
            x += m_arColWidths[size_t(col)];
    }
    int y = 0;
    if (nRow < m_nFixedRows) {
        for (int row = 0; row < nRow; ++row)
            y += m_arRowHeights[size_t(row)];
    } else {
        y = GetFixedRowHeight();
        for (int row = topLeft.row; row < nRow; ++row)
            y += m_arRowHeights[size_t(row)];
    }
    *p = QPoint(x, y);
    return true;
}

bool CGridCtrl::GetCellRect(int nRow, int nCol, QRect* pRect)
{
    QPoint origin;
    if (!pRect || !GetCellOrigin(nRow, nCol, &origin))
        return false;
    *pRect = QRect(origin, QSize(GetColumnWidth(nCol), GetRowHeight(nRow)));
    return true;
}

bool CGridCtrl::GetTextRect(int nRow, int nCol, QRect* pRect)
{
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell || !GetCellRect(nRow, nCol, pRect))
        return false;
    return cell->GetTextRect(pRect);
}

CCellID CGridCtrl::GetCellFromPt(QPoint point, bool bAllowFixedCellCheck)
{
    const CCellID topLeft = GetTopleftNonFixedCell();
    CCellID cell;
    const int fixedWidth = GetFixedColumnWidth();
    if (point.x() < 0 || (!bAllowFixedCellCheck && point.x() < fixedWidth)) {
        cell.col = -1;
    } else if (point.x() < fixedWidth) {
        int x = 0;
        int col = 0;
        for (; col < m_nFixedCols; ++col) {
            x += GetColumnWidth(col);
            if (x > point.x())
                break;
        }
        cell.col = col < m_nFixedCols ? col : -1;
    } else {
        int x = fixedWidth;
        int col = topLeft.col;
        for (; col < m_nCols; ++col) {
            x += GetColumnWidth(col);
            if (x > point.x())
                break;
        }
        cell.col = col < m_nCols ? col : -1;
    }
    const int fixedHeight = GetFixedRowHeight();
    if (point.y() < 0 || (!bAllowFixedCellCheck && point.y() < fixedHeight)) {
        cell.row = -1;
    } else if (point.y() < fixedHeight) {
        int y = 0;
        int row = 0;
        for (; row < m_nFixedRows; ++row) {
            y += GetRowHeight(row);
            if (y > point.y())
                break;
        }
        cell.row = row < m_nFixedRows ? row : -1;
    } else {
        int y = fixedHeight;
        int row = topLeft.row;
        for (; row < m_nRows; ++row) {
            y += GetRowHeight(row);
            if (y > point.y())
                break;
        }
        cell.row = row < m_nRows ? row : -1;
    }
    return cell;
}

bool CGridCtrl::IsCellVisible(int nRow, int nCol)
{
    if (!IsValid(nRow, nCol))
        return false;
    const CCellID topLeft = GetTopleftNonFixedCell();
    if ((nRow >= m_nFixedRows && nRow < topLeft.row) ||
        (nCol >= m_nFixedCols && nCol < topLeft.col))
        return false;
    // Cells past the last visible row or column need not be walked to.
    const CCellRange visible = GetVisibleNonFixedCellRange();
    if (nRow > visible.maxRow || nCol > visible.maxCol)
        return false;
    QPoint origin;
    if (!GetCellOrigin(nRow, nCol, &origin))
        return false;
    return origin.x() < viewport()->width() && origin.y() < viewport()->height();
}

bool CGridCtrl::IsCellEditable(const CCellID& cell) const
{
    return IsValid(cell) && m_bEditable && !(GetItemState(cell.row, cell.col) & GvisReadOnly);
}

bool CGridCtrl::IsCellSelected(int nRow, int nCol) const
{
    if (!m_bEnableSelection)
        return false;
    if (m_bVirtualMode)
        return m_SelectedCellMap.contains(SelectionKey(nRow, nCol));
    const CGridCellBase* cell = GetCell(nRow, nCol);
    return cell && cell->IsSelected();
}
