// The grid's mouse: selecting by click, Shift, Ctrl and drag (with auto-scroll), sizing rows
// and columns at their dividers, editing by a second click or a double click, sorting by a
// heading click, the wheel (with the remainder of fine wheels carried), and the title tip.
#include "controls/grid/cgridctrl.h"

#include "controls/grid/ctitletip.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

bool CGridCtrl::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave) {
        // The tip belongs to the cell under the mouse; with the mouse gone it goes too. The
        // tip appearing under the mouse is reported as a leave as well: the mouse is still
        // over the grid then, and the tip stays.
        if (!viewport()->rect().contains(viewport()->mapFromGlobal(QCursor::pos()))) {
            m_TitleTip->Hide();
        }
        if (m_MouseMode == MouseNothing)
            m_idMouseOverCell = CCellID();
    }
    if (HandleDropEvent(event))
        return true;
    return QAbstractScrollArea::viewportEvent(event);
}

bool CGridCtrl::MouseOverColumnResizeArea(const QPoint& point)
{
    if (point.y() >= GetFixedRowHeight())
        return false;
    const CCellID cell = GetCellFromPt(point);
    QPoint origin;
    if (!IsValid(cell) || !GetCellOrigin(cell.row, cell.col, &origin))
        return false;
    const int endx = origin.x() + GetColumnWidth(cell.col);
    return (point.x() - origin.x() < m_nResizeCaptureRange && cell.col != 0) ||
           endx - point.x() < m_nResizeCaptureRange;
}

bool CGridCtrl::MouseOverRowResizeArea(const QPoint& point)
{
    if (point.x() >= GetFixedColumnWidth())
        return false;
    const CCellID cell = GetCellFromPt(point);
    QPoint origin;
    if (!IsValid(cell) || !GetCellOrigin(cell.row, cell.col, &origin))
        return false;
    const int endy = origin.y() + GetRowHeight(cell.row);
    return (point.y() - origin.y() < m_nResizeCaptureRange && cell.row != 0) ||
           endy - point.y() < m_nResizeCaptureRange;
}

void CGridCtrl::SetMouseCursor(Qt::CursorShape shape)
{
    viewport()->setCursor(shape);
}

void CGridCtrl::UpdateResizeCursor(const QPoint& point)
{
    if (m_bAllowColumnResize && MouseOverColumnResizeArea(point))
        m_MouseMode = MouseOverColDivide;
    else if (m_bAllowRowResize && MouseOverRowResizeArea(point))
        m_MouseMode = MouseOverRowDivide;
    else
        m_MouseMode = MouseNothing;
    OnSetCursor(point);
}

void CGridCtrl::OnSetCursor(const QPoint& point)
{
    switch (m_MouseMode) {
    case MouseOverRowDivide:
        SetMouseCursor(Qt::SizeVerCursor);
        return;
    case MouseOverColDivide:
        SetMouseCursor(Qt::SizeHorCursor);
        return;
    case MouseDragging:
        return;
    default:
        break;
    }
    // The cell under the mouse chooses its own cursor; outside the table it is the arrow.
    const CCellID cell = m_bVirtualMode ? CCellID() : GetCellFromPt(point);
    CGridCellBase* pCell = GetCell(cell.row, cell.col);
    if (!pCell || !pCell->OnSetCursor())
        SetMouseCursor(Qt::ArrowCursor);
}

void CGridCtrl::ShowTitleTip(const CCellID& cell)
{
    if (!m_bTitleTips || m_bRMouseButtonDown)
        return;
    CGridCellBase* pCell = GetCell(cell.row, cell.col);
    if (!pCell || pCell->IsEditing() || pCell->GetTipText().isEmpty())
        return;
    QRect textRect, cellRect;
    if (!GetCellRect(cell.row, cell.col, &cellRect))
        return;
    textRect = cellRect;
    pCell->SetCoords(cell.row, cell.col);
    if (!pCell->GetTipTextRect(&textRect))
        return;
    const CGridFont* font = pCell->GetFont();
    m_TitleTip->Show(textRect, pCell->GetTipText(), 0, &cellRect, font ? &font->font : nullptr);
}

void CGridCtrl::mouseMoveEvent(QMouseEvent* event)
{
    OnMouseMove(event->buttons(), event->position().toPoint());
}

void CGridCtrl::OnMouseMove(Qt::MouseButtons buttons, QPoint point)
{
    if (!viewport()->rect().contains(point) && m_MouseMode != MouseDragging &&
        !(buttons & Qt::LeftButton))
        return;
    if (!(buttons & Qt::LeftButton) || m_MouseMode == MouseNothing) {
        // A sizing whose release another window took ends without a new size; its band goes.
        if (!(buttons & Qt::LeftButton))
            ClearSizingBand();
        UpdateResizeCursor(point);
        if (m_MouseMode == MouseNothing) {
            const CCellID cell = GetCellFromPt(point);
            if (cell != m_idMouseOverCell) {
                m_TitleTip->Hide();
                m_idMouseOverCell = cell;
            }
            if (CGridCellBase* pCell = GetCell(cell.row, cell.col))
                pCell->OnMouseOver();
            if (IsValid(cell) && !m_TitleTip->isVisible())
                ShowTitleTip(cell);
        }
        m_LastMousePoint = point;
        return;
    }
    if (!IsValid(m_LeftClickDownCell)) {
        m_LastMousePoint = point;
        return;
    }
    m_bMouseMovedSinceDown = true;
    switch (m_MouseMode) {
    case MouseSelectAll:
    case MouseSelectCol:
    case MouseSelectRow:
    case MouseSelectCells: {
        const CCellID cell = GetCellFromPt(point);
        if (!IsValid(cell))
            break;
        if (IsValid(m_idCurrentCell))
            OnSelecting(cell);
        if ((cell.row >= m_nFixedRows && cell.col >= m_nFixedCols) ||
            m_MouseMode == MouseSelectCol || m_MouseMode == MouseSelectRow)
            SetFocusCell(qMax(cell.row, m_nFixedRows), qMax(cell.col, m_nFixedCols));
        break;
    }
    case MouseSizingRow:
    case MouseSizingCol:
        MoveSizingBand(point);
        break;
    case MousePrepareEdit:
    case MousePrepareDrag:
        // With drag and drop off a click on the focus cell still edits, however the hand
        // shook.
        if (m_bAllowDragAndDrop &&
            (point - m_LeftClickDownPoint).manhattanLength() >= QApplication::startDragDistance()) {
            m_MouseMode = MousePrepareDrag;
            OnBeginDrag();
        }
        break;
    default:
        break;
    }
    m_LastMousePoint = point;
}

void CGridCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->modifiers(), event->position().toPoint());
    else if (event->button() == Qt::RightButton)
        m_bRMouseButtonDown = true;
}

void CGridCtrl::StartColumnSizing(QPoint point)
{
    const CCellID cell = GetCellFromPt(point);
    QPoint origin;
    if (!IsValid(cell) || !GetCellOrigin(cell.row, cell.col, &origin))
        return;
    int col = cell.col;
    QRect visible;
    GetVisibleNonFixedCellRange(&visible);
    const int last = m_nCols - 1;
    if (GetColumnWidth(last) < m_nResizeCaptureRange &&
        qAbs(point.x() - visible.right()) < m_nResizeCaptureRange) {
        // A last column too narrow to be caught at its own divider (or hidden) is sized
        // at the table's right edge, where it would otherwise be out of reach.
        col = last;
    } else if (point.x() - origin.x() < m_nResizeCaptureRange) {
        // Near the left edge the column to the left is sized.
        --col;
        if (!m_bUnhideHiddenColumns)
            while (col >= 0 && GetColumnWidth(col) == 0)
                --col;
        if (col < 0) {
            m_MouseMode = MouseNothing;
            return;
        }
    }
    m_nSizingIndex = col;
    m_MouseMode = MouseSizingCol;
    QPoint start;
    GetCellOrigin(cell.row, col, &start);
    m_SizingClip = QRect(start.x() + 1, 0, qMax(1, viewport()->width() - GetFixedColumnWidth()),
                         viewport()->height());
    MoveSizingBand(point);
}

void CGridCtrl::StartRowSizing(QPoint point)
{
    const CCellID cell = GetCellFromPt(point);
    QPoint origin;
    if (!IsValid(cell) || !GetCellOrigin(cell.row, cell.col, &origin))
        return;
    int row = cell.row;
    QRect visible;
    GetVisibleNonFixedCellRange(&visible);
    const int last = m_nRows - 1;
    if (GetRowHeight(last) < m_nResizeCaptureRange &&
        qAbs(point.y() - visible.bottom()) < m_nResizeCaptureRange) {
        row = last;
    } else if (point.y() - origin.y() < m_nResizeCaptureRange) {
        --row;
        if (!m_bUnhideHiddenColumns)
            while (row >= 0 && GetRowHeight(row) == 0)
                --row;
        if (row < 0) {
            m_MouseMode = MouseNothing;
            return;
        }
    }
    m_nSizingIndex = row;
    m_MouseMode = MouseSizingRow;
    QPoint start;
    GetCellOrigin(row, cell.col, &start);
    m_SizingClip = QRect(0, start.y() + 1, viewport()->width(),
                         qMax(1, viewport()->height() - GetFixedRowHeight()));
    MoveSizingBand(point);
}

void CGridCtrl::MoveSizingBand(QPoint point)
{
    // The pointer cannot be confined to a rectangle portably, so the band keeps to the
    // rectangle the pointer would be kept in: it never runs left of (above) the sized
    // column (row) nor further than a client's width (height) past it.
    if (m_MouseMode == MouseSizingCol) {
        const int x = qBound(m_SizingClip.left(), point.x(), m_SizingClip.right());
        m_SizingBand = QRect(x, 0, 2, viewport()->height());
    } else {
        const int y = qBound(m_SizingClip.top(), point.y(), m_SizingClip.bottom());
        m_SizingBand = QRect(0, y, viewport()->width(), 2);
    }
    viewport()->update();
}

void CGridCtrl::ClearSizingBand()
{
    if (m_SizingBand.isNull())
        return;
    m_SizingBand = QRect();
    viewport()->update();
}

void CGridCtrl::OnLButtonDown(Qt::KeyboardModifiers mods, QPoint point)
{
    setFocus(Qt::MouseFocusReason);
    m_TitleTip->Hide();
    m_LeftClickDownPoint = point;
    m_bLMouseButtonDown = true;
    m_bMouseMovedSinceDown = false;
    m_LeftClickDownCell = GetCellFromPt(point);
    if (!IsValid(m_LeftClickDownCell))
        return;
    const bool shift = mods & Qt::ShiftModifier;
    const bool ctrl = mods & Qt::ControlModifier;
    if (!shift)
        m_SelectionStartCell = m_LeftClickDownCell;
    else if (!IsValid(m_SelectionStartCell))
        m_SelectionStartCell = m_idCurrentCell;
    EndEditing();
    CGridCellBase* cell = GetCell(m_LeftClickDownCell.row, m_LeftClickDownCell.col);
    QRect cellRect;
    GetCellRect(m_LeftClickDownCell, &cellRect);
    if (cell)
        cell->OnClickDown(point - cellRect.topLeft());
    QRect textRect = cellRect;
    bool inText = false;
    if (cell) {
        cell->SetCoords(m_LeftClickDownCell.row, m_LeftClickDownCell.col);
        inText = cell->GetTextRect(&textRect) && textRect.contains(point);
    }
    if (m_LeftClickDownCell == m_idCurrentCell && !ctrl && inText &&
        IsCellEditable(m_LeftClickDownCell)) {
        m_MouseMode = MousePrepareEdit;
        return;
    }
    if (!IsCellSelected(m_LeftClickDownCell.row, m_LeftClickDownCell.col)) {
        if (m_MouseMode != MouseOverRowDivide && m_MouseMode != MouseOverColDivide) {
            if (IsCellFixed(m_LeftClickDownCell.row, m_LeftClickDownCell.col))
                SetFocusCell(-1, -1);
            else
                SetFocusCell(m_LeftClickDownCell);
        }
    } else {
        SetFocusCell(m_LeftClickDownCell);
        if (ctrl) {
            if (m_bListMode)
                SelectRows(m_LeftClickDownCell, true, false);
            else
                SelectCells(m_LeftClickDownCell, true, false);
            return;
        }
        if (m_bAllowDragAndDrop)
            m_MouseMode = MousePrepareDrag;
    }
    if (m_MouseMode == MouseNothing)
        UpdateResizeCursor(point);
    if (m_MouseMode == MouseOverColDivide) {
        StartColumnSizing(point);
    } else if (m_MouseMode == MouseOverRowDivide) {
        StartRowSizing(point);
    } else if (m_MouseMode != MousePrepareDrag) {
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GvnSelChanging);
        m_PrevSelectedCellMap.clear();
        if (ctrl)
            m_PrevSelectedCellMap = m_SelectedCellMap;
        CCellID clicked = m_LeftClickDownCell;
        if (clicked.row < m_nFixedRows) {
            OnFixedRowClick(clicked);
        } else if (clicked.col < m_nFixedCols) {
            OnFixedColumnClick(clicked);
        } else {
            m_MouseMode = m_bListMode ? MouseSelectRow : MouseSelectCells;
            OnSelecting(clicked);
        }
        if (!m_autoScrollTimer.isActive())
            m_autoScrollTimer.start();
    }
    m_LastMousePoint = point;
}

void CGridCtrl::OnFixedRowClick(CCellID& cell)
{
    if (!IsValid(cell))
        return;
    if (m_bSortOnClick) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const bool ascending = !(cell.col == m_nSortColumn && m_bAscending);
        SortTextItems(cell.col, ascending);
        QApplication::restoreOverrideCursor();
        viewport()->update();
    }
    if (m_bFixedRowSelection) {
        m_MouseMode = cell.col < m_nFixedCols ? MouseSelectAll : MouseSelectCol;
        OnSelecting(cell);
    }
}

void CGridCtrl::OnFixedColumnClick(CCellID& cell)
{
    if (!IsValid(cell) || !m_bFixedColumnSelection)
        return;
    m_MouseMode = cell.row < m_nFixedRows ? MouseSelectAll : MouseSelectRow;
    OnSelecting(cell);
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonUp(event->position().toPoint());
    else if (event->button() == Qt::RightButton)
        OnRButtonUp(event->position().toPoint());
}

void CGridCtrl::OnLButtonUp(QPoint point)
{
    m_bLMouseButtonDown = false;
    m_autoScrollTimer.stop();
    QPoint origin;
    QPoint inCell = GetCellOrigin(m_idCurrentCell.row, m_idCurrentCell.col, &origin)
                        ? point - origin
                        : QPoint(0, 0);
    const CCellID focus = m_idCurrentCell;
    switch (m_MouseMode) {
    case MousePrepareEdit:
        OnEditCell(focus.row, focus.col, inCell, kGridMouseStart);
        break;
    case MousePrepareDrag:
        if (CGridCellBase* cell = GetCell(focus.row, focus.col))
            cell->OnClick(inCell);
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, NmClick);
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GvnSelChanging);
        ResetSelectedRange();
        SetFocusCell(-1, -1);
        SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GvnSelChanged);
        break;
    case MouseSizingCol:
    case MouseSizingRow: {
        const bool col = m_MouseMode == MouseSizingCol;
        m_SizingBand = QRect();
        QPoint start;
        if (m_bMouseMovedSinceDown &&
            GetCellOrigin(col ? 0 : m_nSizingIndex, col ? m_nSizingIndex : 0, &start)) {
            // The release keeps to the band's far bound, so a drag past the grid's edge
            // makes the column (row) no larger than a client less the fixed ones; towards
            // the near side the point may still size it down to nothing.
            const int size = col ? qMin(point.x(), m_SizingClip.right()) - start.x()
                                 : qMin(point.y(), m_SizingClip.bottom()) - start.y();
            const int least = m_bHideColumnsBySizing ? 0 : 1;
            if (col)
                SetColumnWidth(m_nSizingIndex, qMax(least, size));
            else
                SetRowHeight(m_nSizingIndex, qMax(least, size));
            ResetScrollBars();
        }
        viewport()->update();
        break;
    }
    default:
        SendMessageToParent(focus.row, focus.col, GvnSelChanged);
        if (CGridCellBase* cell = GetCell(focus.row, focus.col))
            cell->OnClick(inCell);
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, NmClick);
        break;
    }
    m_MouseMode = MouseNothing;
    SetMouseCursor(Qt::ArrowCursor);
    if (IsValid(m_LeftClickDownCell)) {
        const int id = m_nID;
        QMetaObject::invokeMethod(
            this, [this, id] { emit Command(id); }, Qt::QueuedConnection);
    }
}

void CGridCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonDblClk(event->position().toPoint());
}

void CGridCtrl::OnLButtonDblClk(QPoint point)
{
    const CCellID cell = GetCellFromPt(point);
    if (m_MouseMode == MouseOverColDivide || m_MouseMode == MouseSizingCol) {
        QPoint origin;
        if (IsValid(cell) && GetCellOrigin(cell.row, cell.col, &origin)) {
            int col = cell.col;
            if (point.x() - origin.x() < m_nResizeCaptureRange)
                do
                    --col;
                while (col > 0 && GetColumnWidth(col) == 0);
            if (col >= 0)
                AutoSizeColumn(col, m_nAutoSizeColumnStyle);
            viewport()->update();
        }
    } else if (m_MouseMode == MouseOverRowDivide || m_MouseMode == MouseSizingRow) {
        QPoint origin;
        if (IsValid(cell) && GetCellOrigin(cell.row, cell.col, &origin)) {
            int row = cell.row;
            if (point.y() - origin.y() < m_nResizeCaptureRange)
                do
                    --row;
                while (row > 0 && GetRowHeight(row) == 0);
            if (row >= 0)
                AutoSizeRow(row);
            viewport()->update();
        }
    } else if (m_MouseMode == MouseNothing || m_MouseMode == MouseSelectCells ||
               m_MouseMode == MouseSelectRow || m_MouseMode == MousePrepareEdit) {
        QRect textRect;
        CGridCellBase* pCell = GetCell(cell.row, cell.col);
        const bool fixed = !IsValid(cell) || IsCellFixed(cell.row, cell.col);
        if (pCell && !fixed && GetCellRect(cell, &textRect)) {
            pCell->SetCoords(cell.row, cell.col);
            if (pCell->GetTextRect(&textRect) && textRect.contains(point) &&
                (m_bListMode || !IsCellFixed(m_LeftClickDownCell.row, m_LeftClickDownCell.col)))
                OnEditCell(cell.row, cell.col, point, kGridMouseStart);
        }
        if (pCell) {
            QRect rect;
            GetCellRect(cell, &rect);
            pCell->OnDblClick(point - rect.topLeft());
            SendMessageToParent(cell.row, cell.col, NmDblClk);
        }
    }
    // The press before the double click began sizing and drew its band; the release that
    // follows no longer sizes, so the band goes here or it stays drawn over the cells.
    ClearSizingBand();
    m_MouseMode = MouseNothing;
}

void CGridCtrl::OnRButtonUp(QPoint point)
{
    m_bRMouseButtonDown = false;
    EndEditing();
    CCellID cell = GetCellFromPt(point);
    if (!IsValid(cell)) {
        SendMessageToParent(-1, -1, NmRClick);
        return;
    }
    SetFocusCell(-1, -1);
    cell.row = qMax(cell.row, m_nFixedRows);
    cell.col = qMax(cell.col, m_nFixedCols);
    if (!IsValid(cell))
        return;
    SetFocusCell(cell);
    QRect rect;
    GetCellRect(cell, &rect);
    if (CGridCellBase* pCell = GetCell(cell.row, cell.col))
        pCell->OnRClick(point - rect.topLeft());
    SendMessageToParent(cell.row, cell.col, NmRClick);
}

void CGridCtrl::OnTimer()
{
    // A window that opened while the button was down takes its release, and the grid never
    // hears of it: the gesture ends here rather than scrolling on without a button.
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        m_autoScrollTimer.stop();
        m_bLMouseButtonDown = false;
        m_MouseMode = MouseNothing;
        return;
    }
    const QPoint pt = viewport()->mapFromGlobal(QCursor::pos());
    const QRect client = viewport()->rect();
    const int x = qBound(0, pt.x(), client.right());
    const int y = qBound(0, pt.y(), client.bottom());
    // Each step is bounded by the table: no key moves the focus outside it.
    if (pt.y() > client.bottom()) {
        OnKeyDown(Qt::Key_Down, Qt::ShiftModifier);
        OnSelecting(GetCellFromPt(QPoint(x, client.bottom())));
    } else if (pt.y() < GetFixedRowHeight()) {
        OnKeyDown(Qt::Key_Up, Qt::ShiftModifier);
        OnSelecting(GetCellFromPt(QPoint(x, GetFixedRowHeight() + 1)));
    }
    if (pt.x() > client.right()) {
        OnKeyDown(Qt::Key_Right, Qt::ShiftModifier);
        OnSelecting(GetCellFromPt(QPoint(client.right(), y)));
    } else if (pt.x() < GetFixedColumnWidth()) {
        OnKeyDown(Qt::Key_Left, Qt::ShiftModifier);
        OnSelecting(GetCellFromPt(QPoint(GetFixedColumnWidth() + 1, y)));
    }
}

void CGridCtrl::wheelEvent(QWheelEvent* event)
{
    // Fine wheels and touchpads send parts of a notch: the rest waits for the next event.
    m_nWheelRemainder += event->angleDelta().y();
    const int notches = m_nWheelRemainder / kWheelDelta;
    m_nWheelRemainder -= notches * kWheelDelta;
    const int lines = QApplication::wheelScrollLines();
    for (int i = 0; i < qAbs(notches) * qMax(1, lines); ++i)
        ScrollBy(Qt::Vertical, notches > 0 ? LineBack : LineForward);
    event->accept();
}
