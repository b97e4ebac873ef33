// The grid's keyboard: moving the focus cell by the keyboard table (never out of the table),
// extending the selection with Shift, and opening an editor by typing or F2.
#include "controls/grid/cgridctrl.h"

#include "controls/grid/ctitletip.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScrollBar>

bool CGridCtrl::event(QEvent* event)
{
    // The tip is a window of its own: it does not go with the grid by itself.
    if (event->type() == QEvent::Hide)
        m_TitleTip->Hide();
    // Tab stays in the grid while it handles Tab; arrows and characters always do.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && m_bHandleTabKey && !(key->modifiers() & Qt::ControlModifier)) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

bool CGridCtrl::focusNextPrevChild(bool next)
{
    if (m_bHandleTabKey)
        return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void CGridCtrl::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_F2:
        OnKeyDown(key, mods);
        return;
    default:
        break;
    }
    if (IsValid(m_idCurrentCell) && HandleEditKey(key, mods))
        return;
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() && !(mods & Qt::ControlModifier)) {
        OnChar(text.at(0).unicode(), mods);
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Backspace) {
        OnChar(key == Qt::Key_Backspace ? '\b' : '\r', mods);
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

bool CGridCtrl::HandleEditKey(int key, Qt::KeyboardModifiers mods)
{
    const bool ctrl = mods & Qt::ControlModifier;
    if (ctrl && (key == Qt::Key_Insert || key == Qt::Key_C))
        OnEditCopy();
    else if (ctrl && key == Qt::Key_A)
        OnEditSelectAll();
    else if (ctrl && key == Qt::Key_V)
        OnEditPaste();
    else if (ctrl && key == Qt::Key_X)
        OnEditCut();
    else if ((mods & Qt::ShiftModifier) && key == Qt::Key_Insert)
        OnEditPaste();
    else if (key == Qt::Key_Delete)
        CutSelectedText();
    else
        return false;
    return true;
}

void CGridCtrl::inputMethodEvent(QInputMethodEvent* event)
{
    const QString text = event->commitString();
    if (!text.isEmpty() && m_MouseMode == MouseNothing)
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, QPoint(-1, -1), text.at(0).unicode());
    event->accept();
}

void CGridCtrl::OnChar(uint nChar, Qt::KeyboardModifiers mods)
{
    if ((mods & Qt::ControlModifier) || m_MouseMode != MouseNothing || nChar == 0x1b)
        return;
    if (nChar == '\t' && m_bHandleTabKey)
        return;
    OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, QPoint(-1, -1), nChar);
}

int CGridCtrl::NextVisibleRow(int row, int step, int minRow) const
{
    for (int r = row + step; r >= minRow && r < m_nRows; r += step)
        if (GetRowHeight(r) > 0)
            return r;
    return row; // no further row: the focus stays
}

int CGridCtrl::NextVisibleColumn(int col, int step, int minCol) const
{
    for (int c = col + step; c >= minCol && c < m_nCols; c += step)
        if (GetColumnWidth(c) > 0)
            return c;
    return col;
}

CCellID CGridCtrl::NextCellForKey(int key, Qt::KeyboardModifiers mods, bool* resetHorz)
{
    CCellID next = m_idCurrentCell;
    const bool ctrl = mods & Qt::ControlModifier;
    const int firstRow = m_nFixedRows;
    const int firstCol = m_nFixedCols;
    switch (key) {
    case Qt::Key_Down:
        next.row = NextVisibleRow(next.row, 1, firstRow);
        break;
    case Qt::Key_Up:
        next.row = NextVisibleRow(next.row, -1, firstRow);
        break;
    case Qt::Key_Right:
        next.col = NextVisibleColumn(next.col, 1, firstCol);
        break;
    case Qt::Key_Left:
        next.col = NextVisibleColumn(next.col, -1, firstCol);
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const bool back = key == Qt::Key_Backtab || (mods & Qt::ShiftModifier);
        const int col = NextVisibleColumn(next.col, back ? -1 : 1, firstCol);
        if (col != next.col) {
            next.col = col;
            break;
        }
        // At the end of a row Tab wraps to the next row; at the table's end it stays.
        const int row = NextVisibleRow(next.row, back ? -1 : 1, firstRow);
        if (row == next.row)
            break;
        const int wrapCol = back ? NextVisibleColumn(m_nCols, -1, firstCol)
                                 : NextVisibleColumn(firstCol - 1, 1, firstCol);
        if (wrapCol < firstCol || wrapCol >= m_nCols)
            break;
        next = CCellID(row, wrapCol);
        *resetHorz = !back;
        break;
    }
    case Qt::Key_PageDown:
    case Qt::Key_PageUp: {
        const int step = key == Qt::Key_PageDown ? 1 : -1;
        int remaining = viewport()->height() - GetFixedRowHeight();
        int row = next.row;
        while (remaining > 0) {
            const int r = NextVisibleRow(row, step, firstRow);
            if (r == row)
                break;
            remaining -= GetRowHeight(r);
            row = r;
        }
        next.row = row;
        break;
    }
    case Qt::Key_Home:
        next.col = NextVisibleColumn(firstCol - 1, 1, firstCol);
        if (ctrl)
            next.row = NextVisibleRow(firstRow - 1, 1, firstRow);
        break;
    case Qt::Key_End:
        next.col = NextVisibleColumn(m_nCols, -1, firstCol);
        if (ctrl)
            next.row = NextVisibleRow(m_nRows, -1, firstRow);
        break;
    default:
        break;
    }
    if (!IsValid(next))
        return m_idCurrentCell;
    return next;
}

void CGridCtrl::OnKeyDown(int key, Qt::KeyboardModifiers mods)
{
    if (!IsValid(m_idCurrentCell))
        return;
    if (key == Qt::Key_F2) {
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, QPoint(-1, -1), kGridMouseStart);
        return;
    }
    bool resetHorz = false;
    const CCellID next = NextCellForKey(key, mods, &resetHorz);
    if (next == m_idCurrentCell)
        return;
    if (m_MouseMode == MouseNothing)
        m_PrevSelectedCellMap.clear();
    const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
    if (!(mods & Qt::ShiftModifier) || tab)
        m_SelectionStartCell = next;
    if (!tab && (mods & Qt::ShiftModifier) && !IsValid(m_SelectionStartCell))
        m_SelectionStartCell = m_idCurrentCell;
    SendMessageToParent(next.row, next.col, GvnSelChanging);
    const MouseMode saved = m_MouseMode;
    if (m_MouseMode == MouseNothing)
        m_MouseMode = m_bListMode ? MouseSelectRow : MouseSelectCells;
    OnSelecting(next);
    m_MouseMode = saved;
    SetFocusCell(next);
    SendMessageToParent(next.row, next.col, GvnSelChanged);
    if (!IsCellVisible(next)) {
        if (resetHorz)
            SetScrollPos32(Qt::Horizontal, 0);
        EnsureVisible(next);
    }
}
