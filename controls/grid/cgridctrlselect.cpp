// The grid's focus cell and selection, auto-sizing of rows and columns, and sorting.
#include "controls/grid/cgridctrl.h"

#include "controls/grid/cgridcellmultiline.h"

#include <QApplication>
#include <QScopeGuard>

#include <utility>

namespace {

// A selection change that visits more cells than this shows the wait cursor while it runs;
// a smaller one is over before a cursor could be seen to change.
constexpr qint64 kWaitCursorCells = 100000;

} // namespace

quint64 CGridCtrl::SelectionKey(int nRow, int nCol)
{
    return (quint64(quint32(nRow)) << 32) | quint32(nCol);
}

// --- Focus ---------------------------------------------------------------------------------

void CGridCtrl::SetFocusRedraw(const CCellID& cell, bool bFocus)
{
    if (!IsValid(cell))
        return;
    const quint32 state = GetItemState(cell.row, cell.col);
    SetItemState(cell.row, cell.col, bFocus ? state | GvisFocused : state & ~GvisFocused);
    RedrawCell(cell.row, cell.col);
}

CCellID CGridCtrl::SetFocusCell(int nRow, int nCol)
{
    const CCellID prev = m_idCurrentCell;
    CCellID cell(nRow, nCol);
    if (cell == prev)
        return prev;
    if (cell.row != -1 && cell.row < m_nFixedRows)
        cell.row = m_nFixedRows;
    if (cell.col != -1 && cell.col < m_nFixedCols)
        cell.col = m_nFixedCols;
    // The focus is a cell of the table or none; a cell outside would be read later.
    const bool none = cell.row == -1 && cell.col == -1;
    if (!none && !IsValid(cell))
        return prev;
    if (cell == prev)
        return prev;

    SetFocusRedraw(prev, false);
    m_idCurrentCell = cell;
    SetFocusRedraw(cell, true);
    if (m_bTrackFocusCell) {
        // The headings of the focus row and column are drawn sunken: redraw the old and
        // new ones.
        if (prev.col != cell.col) {
            for (int row = 0; row < m_nFixedRows; ++row) {
                RedrawCell(row, prev.col);
                RedrawCell(row, cell.col);
            }
        }
        if (prev.row != cell.row) {
            for (int col = 0; col < m_nFixedCols; ++col) {
                RedrawCell(prev.row, col);
                RedrawCell(cell.row, col);
            }
        }
    }
    return prev;
}

// --- Selection -----------------------------------------------------------------------------

void CGridCtrl::SetSelectedRange(const CCellRange& range, bool bForceRepaint, bool bSelectCells)
{
    SetSelectedRange(range.minRow, range.minCol, range.maxRow, range.maxCol, bForceRepaint,
                     bSelectCells);
}

void CGridCtrl::SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol,
                                 bool bForceRepaint, bool bSelectCells)
{
    (void)bForceRepaint; // cells are repainted with the next paint either way
    if (!m_bEnableSelection)
        return;
    if (nMinRow >= 0 && nMinRow < m_nFixedRows)
        nMinRow = m_nFixedRows;
    if (nMaxRow >= 0 && nMaxRow < m_nFixedRows)
        nMaxRow = m_nFixedRows;
    if (nMinCol >= 0 && nMinCol < m_nFixedCols)
        nMinCol = m_nFixedCols;
    if (nMaxCol >= 0 && nMaxCol < m_nFixedCols)
        nMaxCol = m_nFixedCols;
    qint64 work = bSelectCells ? m_SelectedCellMap.size() + m_PrevSelectedCellMap.size() : 0;
    if (nMinRow >= 0 && nMinCol >= 0)
        work += qint64(qMax(0, qMin(nMaxRow, m_nRows - 1) - nMinRow + 1)) *
                qMax(0, qMin(nMaxCol, m_nCols - 1) - nMinCol + 1);
    const bool wait = work > kWaitCursorCells;
    if (wait)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([wait] {
        if (wait)
            QApplication::restoreOverrideCursor();
    });
    bool changed = false;

    if (bSelectCells) {
        const QHash<quint64, CCellID> selected = std::exchange(m_SelectedCellMap, {});
        for (const CCellID& cell : selected) {
            if (!IsValid(cell))
                continue;
            SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) & ~GvisSelected);
            changed = true;
        }
        // Cells kept from before a Ctrl-click join the new selection, as long as they are
        // still in the table.
        const bool allBounds = nMinRow >= 0 && nMinCol >= 0 && nMaxRow >= 0 && nMaxCol >= 0;
        if (!(m_bListMode && m_bSingleRowSelection) && allBounds) {
            for (const CCellID& cell : std::as_const(m_PrevSelectedCellMap)) {
                if (!IsValid(cell) || IsCellFixed(cell.row, cell.col))
                    continue;
                SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GvisSelected);
                changed = true;
            }
        }
    }

    if (nMinRow >= 0 && nMinCol >= 0) {
        const int maxRow = qMin(nMaxRow, m_nRows - 1);
        const int maxCol = qMin(nMaxCol, m_nCols - 1);
        for (int row = nMinRow; row <= maxRow; ++row) {
            for (int col = nMinCol; col <= maxCol; ++col) {
                const quint32 state = GetItemState(row, col);
                const bool isSelected = m_bVirtualMode
                                            ? m_SelectedCellMap.contains(SelectionKey(row, col))
                                            : (state & GvisSelected);
                if (bSelectCells && !isSelected)
                    SetItemState(row, col, state | GvisSelected);
                else if (!bSelectCells && isSelected)
                    SetItemState(row, col, state & ~GvisSelected);
                else
                    continue;
                changed = true;
            }
        }
    }
    if (changed)
        Refresh();
}

CCellRange CGridCtrl::GetSelectedCellRange() const
{
    if (m_SelectedCellMap.isEmpty())
        return {m_nRows, m_nCols, -1, -1};
    CCellRange range(m_nRows, m_nCols, -1, -1);
    for (const CCellID& cell : m_SelectedCellMap) {
        range.minRow = qMin(range.minRow, cell.row);
        range.minCol = qMin(range.minCol, cell.col);
        range.maxRow = qMax(range.maxRow, cell.row);
        range.maxCol = qMax(range.maxCol, cell.col);
    }
    return range;
}

void CGridCtrl::ResetSelectedRange()
{
    m_PrevSelectedCellMap.clear();
    SetSelectedRange(-1, -1, -1, -1, false, true);
    SetFocusCell(-1, -1);
}

void CGridCtrl::SelectAllCells()
{
    if (!m_bEnableSelection)
        return;
    SetSelectedRange(m_nFixedRows, m_nFixedCols, m_nRows - 1, m_nCols - 1);
}

void CGridCtrl::SelectCells(CCellID currentCell, bool bForceRedraw, bool bSelectCells)
{
    if (!m_bEnableSelection || !IsValid(currentCell) ||
        IsCellFixed(currentCell.row, currentCell.col))
        return;
    const CCellID start = IsValid(m_SelectionStartCell) ? m_SelectionStartCell : currentCell;
    SetSelectedRange(qMin(start.row, currentCell.row), qMin(start.col, currentCell.col),
                     qMax(start.row, currentCell.row), qMax(start.col, currentCell.col),
                     bForceRedraw, bSelectCells);
}

void CGridCtrl::SelectRows(CCellID currentCell, bool bForceRedraw, bool bSelectCells)
{
    if (!m_bEnableSelection || !IsValid(currentCell) || currentCell.row < m_nFixedRows)
        return;
    const int startRow = IsValid(m_SelectionStartCell) ? m_SelectionStartCell.row
                                                       : currentCell.row;
    if (m_bListMode && m_bSingleRowSelection)
        SetSelectedRange(currentCell.row, m_nFixedCols, currentCell.row, m_nCols - 1,
                         bForceRedraw, bSelectCells);
    else
        SetSelectedRange(qMin(startRow, currentCell.row), m_nFixedCols,
                         qMax(startRow, currentCell.row), m_nCols - 1, bForceRedraw,
                         bSelectCells);
}

void CGridCtrl::SelectColumns(CCellID currentCell, bool bForceRedraw, bool bSelectCells)
{
    if (!m_bEnableSelection || !IsValid(currentCell) || currentCell.col < m_nFixedCols)
        return;
    const int startCol = IsValid(m_SelectionStartCell) ? m_SelectionStartCell.col
                                                       : currentCell.col;
    if (m_bSingleColSelection)
        SetSelectedRange(m_nFixedRows, currentCell.col, m_nRows - 1, currentCell.col,
                         bForceRedraw, bSelectCells);
    else
        SetSelectedRange(m_nFixedRows, qMin(startCol, currentCell.col), m_nRows - 1,
                         qMax(startCol, currentCell.col), bForceRedraw, bSelectCells);
}

void CGridCtrl::OnSelecting(const CCellID& currentCell)
{
    if (!m_bEnableSelection)
        return;
    switch (m_MouseMode) {
    case MouseSelectAll:
        SelectAllCells();
        break;
    case MouseSelectCol:
        SelectColumns(currentCell, false);
        break;
    case MouseSelectRow:
        SelectRows(currentCell, false);
        break;
    case MouseSelectCells:
        SelectCells(currentCell, false);
        break;
    default:
        break;
    }
}

// --- Auto-sizing ---------------------------------------------------------------------------

namespace {

QSize ExtentOf(CGridCellBase* cell, int columnWidth)
{
    if (auto* multi = dynamic_cast<CGridCellMultiLine*>(cell))
        return multi->GetCellExtentMultiLine(columnWidth);
    return cell->GetCellExtent();
}

} // namespace

bool CGridCtrl::AutoSizeColumn(int nCol, int nAutoSizeStyle, bool bResetScroll)
{
    if (nCol < 0 || nCol >= m_nCols || GetColumnWidth(nCol) == 0)
        return false;
    const int style = nAutoSizeStyle ? nAutoSizeStyle : m_nAutoSizeColumnStyle;
    const int startRow = (style & GvsHeader) ? 0 : m_nFixedRows;
    const int endRow = (style & GvsData) ? m_nRows - 1 : m_nFixedRows - 1;
    SendCacheHint(CCellRange(startRow, nCol, endRow, nCol));
    int width = 0;
    for (int row = startRow; row <= endRow; ++row)
        if (CGridCellBase* cell = GetCell(row, nCol))
            width = qMax(width, ExtentOf(cell, GetColumnWidth(nCol)).width());
    m_arColWidths.Set(size_t(nCol), width);
    SendCacheHint(CCellRange());
    if (bResetScroll)
        ResetScrollBars();
    return true;
}

bool CGridCtrl::AutoSizeRow(int nRow, bool bResetScroll)
{
    if (nRow < 0 || nRow >= m_nRows || GetRowHeight(nRow) == 0)
        return false;
    SendCacheHint(CCellRange(nRow, 0, nRow, m_nCols - 1));
    int height = 0;
    for (int col = 0; col < m_nCols; ++col)
        if (CGridCellBase* cell = GetCell(nRow, col))
            height = qMax(height, ExtentOf(cell, GetColumnWidth(col)).height());
    m_arRowHeights.Set(size_t(nRow), height);
    SendCacheHint(CCellRange());
    if (bResetScroll)
        ResetScrollBars();
    return true;
}

void CGridCtrl::AutoSizeRows()
{
    for (int row = 0; row < m_nRows; ++row)
        if (GetRowHeight(row) > 0)
            AutoSizeRow(row, false);
    ResetScrollBars();
}

// --- Sorting -------------------------------------------------------------------------------

int CGridCtrl::CompareTextItems(const CGridCellBase* a, const CGridCellBase* b, qintptr)
{
    const QString textA = a ? a->GetText() : QString();
    const QString textB = b ? b->GetText() : QString();
    return QString::compare(textA, textB, Qt::CaseSensitive);
}

bool CGridCtrl::SortTextItems(int nCol, bool bAscending, qintptr data)
{
    if (nCol < 0 || nCol >= m_nCols)
        return false;
    if (m_nSortColumn >= 0)
        InvalidateCellRect(0, m_nSortColumn);
    m_nSortColumn = nCol;
    InvalidateCellRect(0, nCol);
    m_bAscending = bAscending;
    ResetSelectedRange();
    const CompareFunction compare = m_pfnCompare ? m_pfnCompare : &CGridCtrl::CompareTextItems;
    return SortItems(compare, nCol, bAscending, data, m_nFixedRows, -1);
}

bool CGridCtrl::SortItems(const CompareFunction& compare, int nCol, bool bAscending,
                          qintptr data, int low, int high)
{
    if (nCol < 0 || nCol >= m_nCols || m_bVirtualMode || !compare)
        return false;
    if (high == -1)
        high = m_nRows - 1;
    low = qMax(low, 0);
    high = qMin(high, m_nRows - 1);
    // Rows from `low` on may change places: their editors end first, on the cells they
    // were opened on.
    EndEditorsOutside(low, m_nCols);
    const int sign = bAscending ? 1 : -1;
    auto cell = [&](int row) { return m_RowData[size_t(row)][size_t(nCol)].get(); };
    auto order = [&](const CGridCellBase* a, const CGridCellBase* b) {
        return sign * compare(a, b, data);
    };
    // Quicksort on the middle cell; the smaller side is sorted first so that the depth
    // stays small whatever the order of the rows.
    std::vector<std::pair<int, int>> pending{{low, high}};
    while (!pending.empty()) {
        auto [lowBound, highBound] = pending.back();
        pending.pop_back();
        if (highBound <= lowBound)
            continue;
        const CGridCellBase* pivot = cell((lowBound + highBound) / 2);
        int lo = lowBound;
        int hi = highBound;
        while (lo <= hi) {
            while (lo < highBound && order(cell(lo), pivot) < 0)
                ++lo;
            while (hi > lowBound && order(cell(hi), pivot) > 0)
                --hi;
            if (lo <= hi) {
                if (order(cell(lo), cell(hi)) != 0) {
                    std::swap(m_RowData[size_t(lo)], m_RowData[size_t(hi)]);
                    m_arRowHeights.Swap(size_t(lo), size_t(hi));
                }
                ++lo;
                --hi;
            }
        }
        std::pair<int, int> left{lowBound, hi};
        std::pair<int, int> right{lo, highBound};
        if (left.second - left.first > right.second - right.first)
            std::swap(left, right);
        pending.push_back(right);
        pending.push_back(left);
    }
    Refresh();
    return true;
}

void CGridCtrl::SendCacheHint(const CCellRange& range)
{
    if (!m_bVirtualMode)
        return;
    NM_GRIDVIEW hint;
    hint.code = GvnOdCacheHint;
    hint.range = range;
    emit Notify(&hint);
}
