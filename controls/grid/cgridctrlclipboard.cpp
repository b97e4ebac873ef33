// The grid's clipboard and drag and drop: the selected range as tab-separated text, cut,
// paste (lines become rows, cells follow tabs), dragging the selection out and dropping
// text onto a cell. Every cell text written goes through UpdateItemText, so the owner may
// refuse it.
#include "controls/grid/cgridctrl.h"

#include "controls/grid/cgridcellmultiline.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr QChar kMultiLineRowEnd(0x0003);

// Where the pasted line that starts at `from` ends: at the next multi-line row end while the
// text holds one, else at the next line feed; -1 when neither follows. `nextRowEnd` keeps the
// next row end found (-1 once none is left), so a paste reads its text once over rather than
// once a line.
qsizetype LineEnd(QStringView text, qsizetype from, qsizetype& nextRowEnd)
{
    if (nextRowEnd >= 0 && nextRowEnd < from)
        nextRowEnd = text.indexOf(kMultiLineRowEnd, from);
    return nextRowEnd >= 0 ? nextRowEnd : text.indexOf(QLatin1Char('\n'), from);
}

} // namespace

bool CGridCtrl::IsMultiLineCell(int nRow, int nCol) const
{
    return dynamic_cast<const CGridCellMultiLine*>(GetCell(nRow, nCol)) != nullptr;
}

std::unique_ptr<QMimeData> CGridCtrl::CopyTextFromGrid()
{
    const CCellRange range = GetSelectedCellRange();
    if (!range.IsValid() || range.maxRow >= m_nRows || range.maxCol >= m_nCols)
        return nullptr;
    SendCacheHint(range);
    QString text;
    for (int row = range.minRow; row <= range.maxRow; ++row) {
        if (GetRowHeight(row) <= 0)
            continue;
        bool lastMultiLine = false;
        for (int col = range.minCol; col <= range.maxCol; ++col) {
            if (GetColumnWidth(col) <= 0)
                continue;
            const CGridCellBase* cell = GetCell(row, col);
            if (cell && cell->IsSelected())
                text += cell->GetText();
            lastMultiLine = dynamic_cast<const CGridCellMultiLine*>(cell) != nullptr;
            if (col != range.maxCol)
                text += QLatin1Char('\t');
        }
        if (lastMultiLine)
            text += kMultiLineRowEnd;
        else if (row != range.maxRow)
            text += QStringLiteral("\r\n");
    }
    SendCacheHint(CCellRange());
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    return data;
}

void CGridCtrl::OnEditCopy()
{
    if (std::unique_ptr<QMimeData> data = CopyTextFromGrid())
        QApplication::clipboard()->setMimeData(data.release());
}

void CGridCtrl::OnEditCut()
{
    if (!m_bEditable)
        return;
    std::unique_ptr<QMimeData> data = CopyTextFromGrid();
    if (!data)
        return;
    QApplication::clipboard()->setMimeData(data.release());
    CutSelectedText();
}

void CGridCtrl::CutSelectedText()
{
    if (!m_bEditable)
        return;
    const QList<CCellID> cells = m_SelectedCellMap.values();
    for (const CCellID& cell : cells)
        UpdateItemText(cell.row, cell.col, QString());
}

void CGridCtrl::OnEditPaste()
{
    if (!m_bEditable)
        return;
    const CCellRange range = GetSelectedCellRange();
    CCellID cell;
    if (range.IsValid())
        cell = CCellID(range.minRow, range.minCol);
    else if (IsValid(m_idCurrentCell))
        cell = m_idCurrentCell;
    else
        cell = GetTopleftNonFixedCell(false);
    if (!IsValid(cell))
        return;
    CGridCellBase* pCell = GetCell(cell.row, cell.col);
    if (pCell && pCell->IsEditing()) {
        // An open editor pastes into its own text.
        if (QWidget* editor = pCell->GetEditWnd())
            QMetaObject::invokeMethod(editor, "paste");
        return;
    }
    if (const QMimeData* data = QApplication::clipboard()->mimeData())
        PasteTextToGrid(cell, data, true);
}

void CGridCtrl::OnEditSelectAll()
{
    SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GvnSelChanging);
    if (m_bEnableSelection)
        SetSelectedRange(m_nFixedRows, m_nFixedCols, m_nRows - 1, m_nCols - 1, false, true);
    SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GvnSelChanged);
}

void CGridCtrl::InsertPasteRow(int targetRow)
{
    InsertRow(QString(), targetRow);
    GV_ITEM item;
    item.mask = GvifText | GvifFormat | GvifMargin;
    item.row = targetRow;
    item.col = 1;
    item.nFormat = DtVCenter | DtSingleLine | DtNoPrefix | DtEndEllipsis;
    item.nMargin = 4;
    SetItem(&item);
    item.col = 2;
    item.nFormat = DtVCenter | DtWordBreak;
    SetItem(&item);
    if (!m_bVirtualMode && IsValid(targetRow, 2) && m_nCols > 2) {
        auto multi = CGridCellMultiLine::CreateObject();
        if (const CGridCellBase* old = GetCell(targetRow, 2))
            multi->CopyFrom(*old);
        ReplaceCell(targetRow, 2, std::move(multi));
    }
}

void CGridCtrl::PasteLine(int nRow, int nCol, int targetRow, QStringView line,
                          bool& rowMultiLine, bool tabSeen, int& maxRow, int& maxCol)
{
    int colOffset = 0;
    while (!line.isEmpty()) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        const QStringView cellText = tab < 0 ? line : line.left(tab);
        // The class of the start row's cell one column right of the offset decides (counted
        // from column 0, not from the paste column); past the grid's edge the previous class
        // holds, but no cell there asks for a row: a later cell of the line stays in the row
        // the line has (or is dropped) rather than pushing that row down under a blank one,
        // as a CR after a tab that ends the line would on every line.
        const bool classInside = IsValid(nRow, colOffset + 1);
        if (tabSeen && classInside)
            rowMultiLine = IsMultiLineCell(nRow, colOffset + 1);
        if (!rowMultiLine && (classInside || colOffset == 0))
            InsertPasteRow(targetRow);
        int targetCol = nCol + colOffset;
        while (IsValid(targetRow, targetCol) && GetColumnWidth(targetCol) == 0) {
            ++targetCol;
            ++colOffset;
        }
        // Text beyond the grid's edge, or into a protected first column, is dropped.
        if (IsValid(targetRow, targetCol) && !IsProtectedColumn(targetCol)) {
            UpdateItemText(targetRow, targetCol, cellText.trimmed().toString());
            SetItemState(targetRow, targetCol, GetItemState(targetRow, targetCol) & ~GvisSelected);
            maxRow = qMax(maxRow, targetRow);
            maxCol = qMax(maxCol, targetCol);
        }
        // The next cell is what follows the tab: a tab that ends the line leaves nothing, so
        // it adds no empty cell (and no second row).
        line = tab < 0 ? QStringView() : line.mid(tab + 1);
        ++colOffset;
    }
}

void CGridCtrl::NumberRows(int fromRow)
{
    GV_ITEM item;
    item.mask = GvifText | GvifFormat;
    item.col = 0;
    item.nFormat = DtRight | DtVCenter | DtSingleLine | DtNoPrefix | DtEndEllipsis;
    for (int row = qMax(fromRow, 0); row < m_nRows; ++row) {
        item.row = row;
        item.strText = QString::number(row);
        SetItem(&item);
    }
}

bool CGridCtrl::PasteTextToGrid(CCellID cell, const QMimeData* pDataObject, bool bSelectPastedCells)
{
    const CGridCellBase* pasteCell = GetCell(cell.row, cell.col);
    if (!IsValid(cell) || !m_bEditable || (pasteCell && pasteCell->IsReadOnly()) || !pDataObject ||
        !pDataObject->hasText())
        return false;
    // A first column the owner keeps its labels in gets nothing, and no rows move under it.
    if (IsProtectedColumn(cell.col))
        return false;
    QString text = pDataObject->text();
    const int nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    bool rowMultiLine = IsMultiLineCell(cell.row, cell.col);
    EndEditing();
    int rowOffset = 0;
    int maxRow = -1;
    int maxCol = -1;
    bool tabSeen = false;
    qsizetype from = 0;
    qsizetype nextRowEnd = text.indexOf(kMultiLineRowEnd);
    bool more = true;
    while (more) {
        const qsizetype end = LineEnd(text, from, nextRowEnd);
        more = end >= 0;
        const QStringView line = QStringView(text).mid(from, more ? end - from : -1);
        from = end + 1;
        if (line.contains(QLatin1Char('\t')))
            tabSeen = true;
        int targetRow = cell.row + rowOffset;
        while (IsValid(targetRow, 0) && GetRowHeight(targetRow) == 0) {
            ++targetRow;
            ++rowOffset;
        }
        if (rowMultiLine && !tabSeen && line.isEmpty() && more)
            SetItemText(targetRow, 2, QString());
        if (!line.isEmpty())
            PasteLine(cell.row, cell.col, targetRow, line, rowMultiLine, tabSeen, maxRow, maxCol);
        ++rowOffset;
    }
    if (bSelectPastedCells) {
        SetSelectedRange(cell.row, cell.col, maxRow, maxCol, true, true);
    } else {
        ResetSelectedRange();
        Refresh();
    }
    if (rowMultiLine && !tabSeen) {
        SetFocusCell(cell.row + rowOffset, 2);
    } else {
        EndEditing();
        if (!m_bProtectFirstColumn)
            NumberRows(cell.row);
        AutoSizeRows();
        SetFocusCell(cell.row + rowOffset - 1, 1);
    }
    return true;
}

// --- Drag and drop ---------------------------------------------------------------------------

Qt::DropAction CGridCtrl::DoDragDrop(std::unique_ptr<QMimeData> data)
{
    auto* drag = new QDrag(this); // the drag deletes itself once it ends
    drag->setMimeData(data.release());
    QPoint hotSpot;
    const QPixmap image = CreateDragImage(&hotSpot);
    if (!image.isNull()) {
        drag->setPixmap(image);
        drag->setHotSpot(hotSpot);
    }
    return drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
}

QPixmap CGridCtrl::CreateDragImage(QPoint* pHotSpot)
{
    const CCellID focus = m_idCurrentCell;
    QRect rect;
    if (!GetCellRect(focus, &rect))
        return QPixmap();
    rect.moveTopLeft(QPoint(0, 0));
    if (pHotSpot)
        *pHotSpot = QPoint(rect.width(), rect.height());
    if (rect.isEmpty())
        return QPixmap(); // a hidden row or column shows nothing to drag
    const QColor maskColour = m_cellDefault->GetBackClr();
    QPixmap image(rect.size());
    image.fill(maskColour);
    if (CGridCellBase* cell = GetCell(focus.row, focus.col)) {
        QPainter painter(&image);
        cell->SetCoords(focus.row, focus.col);
        cell->Draw(&painter, focus.row, focus.col, rect, false);
    }
    image.setMask(image.createMaskFromColor(maskColour, Qt::MaskInColor));
    return image;
}

void CGridCtrl::OnBeginDrag()
{
    if (!m_bAllowDragAndDrop)
        return;
    std::unique_ptr<QMimeData> data = CopyTextFromGrid();
    if (!data)
        return;
    const CCellRange range = GetSelectedCellRange();
    SendMessageToParent(range.minRow, range.minCol, GvnBeginDrag);
    m_MouseMode = MouseDragging;
    m_bLMouseButtonDown = false;
    const Qt::DropAction action = DoDragDrop(std::move(data));
    if (action == Qt::MoveAction)
        CutSelectedText();
    m_MouseMode = MouseNothing;
}

Qt::DropAction CGridCtrl::OnDragEnter(const QMimeData* pDataObject, Qt::KeyboardModifiers keyState,
                                      QPoint point)
{
    if (!m_bAllowDragAndDrop || !pDataObject || !pDataObject->hasText())
        return Qt::IgnoreAction;
    m_LastDragOverCell = GetCellFromPt(point, false);
    if (!IsValid(m_LastDragOverCell) || !IsCellEditable(m_LastDragOverCell) ||
        IsProtectedColumn(m_LastDragOverCell.col))
        return Qt::IgnoreAction;
    const CCellID cell = m_LastDragOverCell;
    SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GvisDropHilited);
    RedrawCell(cell.row, cell.col);
    return (keyState & Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction;
}

Qt::DropAction CGridCtrl::OnDragOver(const QMimeData* pDataObject, Qt::KeyboardModifiers keyState,
                                     QPoint point)
{
    if (!m_bAllowDragAndDrop || !m_bEditable || !pDataObject || !pDataObject->hasText())
        return Qt::IgnoreAction;
    const CCellID cell = GetCellFromPt(point, false);
    // A protected column refuses the drop, so it shows none coming: no cell of the grid
    // stays highlighted while the drag is over it.
    if (!IsValid(cell) || IsProtectedColumn(cell.col)) {
        OnDragLeave();
        m_LastDragOverCell = CCellID();
        return Qt::IgnoreAction;
    }
    if (!IsCellEditable(cell))
        return Qt::IgnoreAction;
    const Qt::DropAction action =
        (keyState & Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction;
    if (cell == m_LastDragOverCell)
        return action;
    OnDragLeave();
    m_LastDragOverCell = cell;
    SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GvisDropHilited);
    RedrawCell(cell.row, cell.col);
    return action;
}

void CGridCtrl::OnDragLeave()
{
    const CCellID cell = m_LastDragOverCell;
    if (!IsValid(cell))
        return;
    SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) & ~GvisDropHilited);
    RedrawCell(cell.row, cell.col);
}

bool CGridCtrl::OnDrop(const QMimeData* pDataObject, Qt::DropAction dropEffect, QPoint point)
{
    (void)dropEffect;
    (void)point;
    m_MouseMode = MouseNothing;
    if (!m_bAllowDragAndDrop || !m_bEditable)
        return false;
    const CGridCellBase* cell = GetCell(m_LastDragOverCell.row, m_LastDragOverCell.col);
    if (cell && cell->IsReadOnly())
        return false;
    OnDragLeave();
    return PasteTextToGrid(m_LastDragOverCell, pDataObject, false);
}

bool CGridCtrl::HandleDropEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        const QPoint point = drag->position().toPoint();
        const Qt::DropAction action = event->type() == QEvent::DragEnter
                                          ? OnDragEnter(drag->mimeData(), drag->modifiers(), point)
                                          : OnDragOver(drag->mimeData(), drag->modifiers(), point);
        if (event->type() == QEvent::DragEnter)
            drag->accept(); // moves over fixed cells still reach the grid
        if (action == Qt::IgnoreAction) {
            drag->ignore(QRect(point, QSize(1, 1)));
        } else {
            drag->setDropAction(action);
            drag->accept(QRect(point, QSize(1, 1)));
        }
        return true;
    }
    case QEvent::DragLeave:
        OnDragLeave();
        return true;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const Qt::DropAction action =
            (drop->modifiers() & Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction;
        if (OnDrop(drop->mimeData(), action, drop->position().toPoint())) {
            drop->setDropAction(action);
            drop->accept();
        } else {
            drop->ignore();
        }
        return true;
    }
    default:
        return false;
    }
}
