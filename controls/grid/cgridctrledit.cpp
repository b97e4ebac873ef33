// In-place editing in the grid: opening an editor over a cell, taking its text back with the
// owner's say (a refused text is rolled back), and moving on after Tab or an arrow key.
#include "controls/grid/cgridctrl.h"

#include "controls/grid/cinplaceeditor.h"
#include "controls/grid/ctitletip.h"

#include <QScopedValueRollback>

void CGridCtrl::OnEditCell(int nRow, int nCol, QPoint point, uint nChar)
{
    m_TitleTip->Hide();
    if (!IsValid(nRow, nCol) || !m_bEditable)
        return;
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell || (cell->GetState() & GvisReadOnly))
        return;
    EnsureVisible(nRow, nCol);
    QRect rect;
    if (!IsCellVisible(nRow, nCol) || !GetCellRect(nRow, nCol, &rect))
        return;
    if (SendMessageToParent(nRow, nCol, GvnBeginLabelEdit) < 0)
        return;
    cell->Edit(nRow, nCol, rect, point, kInPlaceEditId, nChar);
}

void CGridCtrl::EndEditorsOutside(int nRows, int nCols)
{
    // The focus may have moved on since an edit started, so the focus cell's editor is not
    // the only one that can be open. Every editor the grid opened sits on its viewport until
    // it is deleted; one that has already ended ignores a second end.
    const QScopedValueRollback<bool> ending(m_bEndingEditors, true);
    const QList<QWidget*> children = viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    const QList<QPointer<QWidget>> editors(children.cbegin(), children.cend());
    for (const QPointer<QWidget>& widget : editors) {
        auto* editor = dynamic_cast<CInPlaceEditor*>(widget.data());
        if (!editor)
            continue;
        const CCellID cell = editor->EditedCell();
        if (cell.row >= nRows || cell.col >= nCols)
            editor->EndEdit();
    }
}

bool CGridCtrl::ValidateEdit(int nRow, int nCol, const QString& str)
{
    CGridCellBase* cell = GetCell(nRow, nCol);
    return !cell || cell->ValidateEdit(str);
}

void CGridCtrl::EndEditing()
{
    if (CGridCellBase* cell = GetCell(m_idCurrentCell.row, m_idCurrentCell.col))
        cell->EndEdit();
}

void CGridCtrl::OnEndEditCell(int nRow, int nCol, const QString& str)
{
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell)
        return;
    const QString oldText = cell->GetText();
    if (str != oldText) {
        if (!m_bVirtualMode) {
            cell->SetText(str);
            SetModified(true, nRow, nCol);
        }
        if (!ValidateEdit(nRow, nCol, str) ||
            SendMessageToParent(nRow, nCol, GvnEndLabelEdit) < 0) {
            cell->SetText(oldText);
            SetModified(true, nRow, nCol);
        } else {
            SetModified(true, nRow, nCol);
            RedrawCell(nRow, nCol);
        }
    }
    cell->OnEndEdit();
    viewport()->update();
}

bool CGridCtrl::UpdateItemText(int nRow, int nCol, const QString& str)
{
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!m_bEditable || !cell || cell->IsReadOnly())
        return false;
    if (SendMessageToParent(nRow, nCol, GvnBeginLabelEdit) < 0)
        return false;
    const QString oldText = cell->GetText();
    if (str == oldText)
        return false;
    cell->SetText(str);
    if (ValidateEdit(nRow, nCol, str) && SendMessageToParent(nRow, nCol, GvnEndLabelEdit) >= 0) {
        SetModified(true, nRow, nCol);
        RedrawCell(nRow, nCol);
        return true;
    }
    cell->SetText(oldText);
    return false;
}

void CGridCtrl::OnEndInPlaceEdit(const GV_DISPINFO& info)
{
    OnEndEditCell(info.item.row, info.item.col, info.item.strText);
    // An edit the grid ends itself (its cell going away) moves nowhere.
    if (m_bEndingEditors)
        return;
    const int key = int(info.item.lParam);
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down: {
        const CCellID before = m_idCurrentCell;
        OnKeyDown(key, Qt::NoModifier);
        // At the table's end the focus stays and no second editor opens on the same cell.
        if (m_idCurrentCell != before)
            OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, QPoint(-1, -1), uint(key));
        break;
    }
    default:
        break;
    }
}
