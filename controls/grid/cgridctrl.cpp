// The grid's construction, options and cell storage: counts, fixed rows and columns, row
// heights and column widths, item attributes, and where each cell lies in the window.
#include "controls/grid/cgridctrl.h"

#include "controls/grid/cgridcell.h"
#include "controls/grid/ctitletip.h"

#include <QApplication>
#include <QGuiApplication>

#include <new>

CGridCtrl::CGridCtrl(int nRows, int nCols, int nFixedRows, int nFixedCols, QWidget* parent)
    : QAbstractScrollArea(parent), m_CellFactory(&CGridCell::CreateObject),
      m_cellDefault(std::make_unique<CGridDefaultCell>()),
      m_cellFixedColDef(std::make_unique<CGridDefaultCell>()),
      m_cellFixedRowDef(std::make_unique<CGridDefaultCell>()),
      m_cellFixedRowColDef(std::make_unique<CGridDefaultCell>()),
      m_pVirtualCell(std::make_unique<CGridCell>()),
      m_TitleTip(std::make_unique<CTitleTip>(viewport())),
      m_strPrintAppTitle(QGuiApplication::applicationDisplayName())
{
    setObjectName(QStringLiteral("GridCtrlWnd"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setFocusProxy(this);
    viewport()->setMouseTracking(true);
    viewport()->setAcceptDrops(true);
    viewport()->setAutoFillBackground(false);
    setFrameShape(QFrame::StyledPanel);
    ReadSystemColours();
    m_crGridBkColour = m_crShadow;
    m_autoScrollTimer.setInterval(kAutoScrollInterval);
    connect(&m_autoScrollTimer, &QTimer::timeout, this, &CGridCtrl::OnTimer);
    SetupDefaultCells();
    SetRowCount(nRows);
    SetColumnCount(nCols);
    SetFixedRowCount(nFixedRows);
    SetFixedColumnCount(nFixedCols);
    m_SelectedCellMap.clear();
    m_PrevSelectedCellMap.clear();
}

CGridCtrl::~CGridCtrl()
{
    // Every open editor ends while the grid is whole: one left to the window's teardown would
    // report its text to a grid that is already gone. Then the cells go; the title tip is a
    // member and goes with the grid. What the grid put on the clipboard stays there (the
    // clipboard holds its own copy).
    EndEditorsOutside(0, 0);
    m_bAllowDraw = false;
    DeleteAllItems();
}

bool CGridCtrl::Create(const QRect& rect, QWidget* parent, int id)
{
    setParent(parent);
    setGeometry(rect);
    m_nID = id;
    m_arRowHeights.Fill(m_cellDefault->GetHeight());
    m_arColWidths.Fill(m_cellDefault->GetWidth());
    ResetScrollBars();
    return true;
}

void CGridCtrl::ReadSystemColours()
{
    const QPalette pal = palette();
    m_crWindowText = pal.color(QPalette::WindowText);
    m_crWindowColour = pal.color(QPalette::Base);
    m_cr3DFace = pal.color(QPalette::Button);
    m_crShadow = pal.color(QPalette::Mid);
}

void CGridCtrl::SetupDefaultCells()
{
    for (CGridDefaultCell* cell : {m_cellDefault.get(), m_cellFixedColDef.get(),
                                   m_cellFixedRowDef.get(), m_cellFixedRowColDef.get()}) {
        cell->SetGrid(this);
        cell->SetTextClr(m_crWindowText);
        cell->SetBackClr(m_cr3DFace);
    }
    m_cellDefault->SetBackClr(m_crWindowColour);
}

// --- Options --------------------------------------------------------------------------------

void CGridCtrl::SetGridLines(int nWhichLines)
{
    m_nGridLines = nWhichLines;
    Refresh();
}

void CGridCtrl::SetGridLineColor(const QColor& colour)
{
    m_crGridLineColour = colour;
    Refresh();
}

void CGridCtrl::SetGridBkColor(const QColor& colour)
{
    m_crGridBkColour = colour;
    Refresh();
}

void CGridCtrl::SetListMode(bool bEnableListMode)
{
    ResetSelectedRange();
    m_bListMode = bEnableListMode;
    Refresh();
}

void CGridCtrl::EnableSelection(bool bEnable)
{
    ResetSelectedRange();
    m_bEnableSelection = bEnable;
    ResetSelectedRange();
}

void CGridCtrl::SetVirtualMode(bool bVirtual)
{
    DeleteAllItems();
    m_bVirtualMode = bVirtual;
}

void CGridCtrl::SetCallbackFunc(DispInfoCallback callback, qintptr lParam)
{
    m_pfnCallback = std::move(callback);
    m_lParam = lParam;
}

void CGridCtrl::SetImageList(const QList<QPixmap>& images)
{
    m_imageList = images;
    Refresh();
}

void CGridCtrl::SetDefaultCellType(CGridCellFactory factory)
{
    if (factory)
        m_CellFactory = std::move(factory);
}

void CGridCtrl::SetModified(bool bModified, int nRow, int nCol)
{
    // A change anywhere may put the sorted column out of order: its arrow goes.
    if (nCol < 0 || nCol == m_nSortColumn) {
        if (m_nSortColumn >= 0)
            InvalidateCellRect(0, m_nSortColumn);
        m_nSortColumn = -1;
    }
    if (nRow >= 0 && nCol >= 0) {
        if (CGridCellBase* cell = GetCell(nRow, nCol); cell && !m_bVirtualMode) {
            if (bModified) {
                cell->SetState(cell->GetState() | GvisModified);
                m_bModified = true;
            } else {
                cell->SetState(cell->GetState() & ~GvisModified);
            }
        }
    } else {
        m_bModified = bModified;
    }
    if (!m_bModified && !m_bVirtualMode) {
        for (CellRow& row : m_RowData)
            for (auto& cell : row)
                if (cell)
                    cell->SetState(cell->GetState() & ~GvisModified);
    }
}

bool CGridCtrl::GetModified(int nRow, int nCol) const
{
    if (nRow >= 0 && nCol >= 0) {
        const CGridCellBase* cell = GetCell(nRow, nCol);
        return cell && (cell->GetState() & GvisModified);
    }
    return m_bModified;
}

void CGridCtrl::AllowDraw(bool bAllow, bool bResetScrollBars)
{
    const bool wasAllowed = m_bAllowDraw;
    m_bAllowDraw = bAllow;
    if (bAllow && !wasAllowed) {
        if (bResetScrollBars)
            ResetScrollBars();
        Refresh();
    }
}

// --- Cells ---------------------------------------------------------------------------------

bool CGridCtrl::IsValid(int nRow, int nCol) const
{
    return nRow >= 0 && nRow < m_nRows && nCol >= 0 && nCol < m_nCols;
}

bool CGridCtrl::IsValid(const CCellRange& range) const
{
    return range.IsValid() && range.maxRow < m_nRows && range.maxCol < m_nCols;
}

bool CGridCtrl::IsCellFixed(int nRow, int nCol) const
{
    return nRow < m_nFixedRows || nCol < m_nFixedCols;
}

std::unique_ptr<CGridCellBase> CGridCtrl::CreateCell(int nRow, int nCol)
{
    std::unique_ptr<CGridCellBase> cell = m_CellFactory();
    if (!cell)
        return nullptr;
    cell->SetGrid(this);
    cell->SetCoords(nRow, nCol);
    quint32 state = cell->GetState();
    if (nCol < m_nFixedCols)
        state |= GvisFixed | GvisFixedCol;
    if (nRow < m_nFixedRows)
        state |= GvisFixed | GvisFixedRow;
    cell->SetState(state);
    if (const CGridDefaultCell* def = cell->GetDefaultCell())
        cell->SetFormat(def->GetFormat());
    return cell;
}

void CGridCtrl::DestroyCell(int nRow, int nCol)
{
    // Clearing the state takes the cell out of the selection first.
    SetItemState(nRow, nCol, 0);
    if (!m_bVirtualMode && nRow < int(m_RowData.size()) && nCol < int(m_RowData[nRow].size()))
        m_RowData[nRow][nCol].reset();
}

CGridCtrl::CellRow CGridCtrl::MakeRow(int nRow)
{
    CellRow row;
    row.reserve(size_t(m_nCols));
    for (int col = 0; col < m_nCols; ++col)
        row.push_back(CreateCell(nRow, col));
    return row;
}

CGridCellBase* CGridCtrl::GetCell(int nRow, int nCol) const
{
    if (!IsValid(nRow, nCol))
        return nullptr;
    if (m_bVirtualMode)
        return VirtualCell(nRow, nCol);
    return m_RowData[size_t(nRow)][size_t(nCol)].get();
}

CGridCellBase* CGridCtrl::VirtualCell(int nRow, int nCol) const
{
    const bool fixedRow = nRow < m_nFixedRows;
    const bool fixedCol = nCol < m_nFixedCols;
    const CGridDefaultCell* def = GetDefaultCell(fixedRow, fixedCol);
    GV_DISPINFO info;
    info.code = GvnGetDispInfo;
    info.idFrom = m_nID;
    GV_ITEM& item = info.item;
    item.row = nRow;
    item.col = nCol;
    item.mask = GvifAll;
    item.nFormat = def->GetFormat();
    item.iImage = def->GetImage();
    item.crBkClr = def->GetBackClr();
    item.crFgClr = def->GetTextClr();
    item.lParam = def->GetData();
    item.lfFont = *def->GetFont();
    item.nMargin = def->GetMargin();
    if (m_SelectedCellMap.contains(SelectionKey(nRow, nCol)))
        item.nState |= GvisSelected;
    if (fixedRow)
        item.nState |= GvisFixed | GvisFixedRow;
    if (fixedCol)
        item.nState |= GvisFixed | GvisFixedCol;
    if (CCellID(nRow, nCol) == m_idCurrentCell)
        item.nState |= GvisFocused;
    auto* self = const_cast<CGridCtrl*>(this);
    if (m_pfnCallback)
        m_pfnCallback(&info, m_lParam);
    else
        emit self->GetDispInfo(&info);

    CGridCellBase* cell = m_pVirtualCell.get();
    cell->SetGrid(self);
    cell->SetState(item.nState);
    cell->SetFormat(item.nFormat);
    cell->SetImage(item.iImage);
    cell->SetBackClr(item.crBkClr);
    cell->SetTextClr(item.crFgClr);
    cell->SetData(item.lParam);
    cell->SetFont(&item.lfFont);
    cell->SetMargin(item.nMargin);
    cell->SetText(item.strText);
    return cell;
}

bool CGridCtrl::SetCell(int nRow, int nCol, std::unique_ptr<CGridCellBase> cell)
{
    if (m_bVirtualMode || !IsValid(nRow, nCol) || !cell)
        return false;
    ReplaceCell(nRow, nCol, std::move(cell));
    return true;
}

std::unique_ptr<CGridCellBase> CGridCtrl::ReplaceCell(int nRow, int nCol,
                                                      std::unique_ptr<CGridCellBase> cell)
{
    if (m_bVirtualMode || !IsValid(nRow, nCol) || !cell)
        return nullptr;
    // The new cell belongs to this grid and takes the fixed bits of its place.
    cell->SetGrid(this);
    cell->SetCoords(nRow, nCol);
    const quint32 fixedBits = GvisFixed | GvisFixedRow | GvisFixedCol;
    const CGridCellBase* old = m_RowData[size_t(nRow)][size_t(nCol)].get();
    cell->SetState((cell->GetState() & ~fixedBits) | (old ? old->GetState() & fixedBits : 0));
    std::swap(m_RowData[size_t(nRow)][size_t(nCol)], cell);
    return cell;
}

CGridDefaultCell* CGridCtrl::GetDefaultCell(bool bFixedRow, bool bFixedCol) const
{
    if (bFixedRow && bFixedCol)
        return m_cellFixedRowColDef.get();
    if (bFixedRow)
        return m_cellFixedRowDef.get();
    if (bFixedCol)
        return m_cellFixedColDef.get();
    return m_cellDefault.get();
}

// --- Counts --------------------------------------------------------------------------------

bool CGridCtrl::SetRowCount(int nRows)
{
    if (nRows < 0)
        return false;
    if (nRows == m_nRows)
        return true;
    if (nRows < m_nRows)
        EndEditorsOutside(nRows, m_nCols);
    ResetTopLeft();
    m_PrevSelectedCellMap.clear();
    if (m_nFixedRows > nRows)
        m_nFixedRows = nRows;
    if (m_idCurrentCell.row >= nRows)
        SetFocusCell(-1, -1);
    const int oldRows = m_nRows;
    if (nRows < oldRows) {
        for (int row = nRows; row < oldRows; ++row)
            for (int col = 0; col < m_nCols; ++col)
                DestroyCell(row, col);
        // Virtual cells are not stored, so their selection is dropped by key.
        for (auto it = m_SelectedCellMap.begin(); it != m_SelectedCellMap.end();)
            it = it->row >= nRows ? m_SelectedCellMap.erase(it) : std::next(it);
        m_RowData.resize(m_bVirtualMode ? 0 : size_t(nRows));
        m_arRowHeights.Resize(size_t(nRows));
        m_nRows = nRows;
    } else {
        try {
            m_arRowHeights.Resize(size_t(nRows), m_cellDefault->GetHeight());
            if (!m_bVirtualMode) {
                m_RowData.reserve(size_t(nRows));
                for (int row = oldRows; row < nRows; ++row)
                    m_RowData.push_back(MakeRow(row));
            }
        } catch (const std::bad_alloc&) {
            // Keep what was obtained; the count never exceeds the rows that exist.
            m_nRows = int(m_bVirtualMode ? m_arRowHeights.Count()
                                         : qMin(m_arRowHeights.Count(), m_RowData.size()));
            m_arRowHeights.Resize(size_t(m_nRows));
            return false;
        }
        m_nRows = nRows;
    }
    SetModified(true);
    ResetScrollBars();
    Refresh();
    return true;
}

bool CGridCtrl::SetColumnCount(int nCols)
{
    if (nCols < 0)
        return false;
    if (nCols == m_nCols)
        return true;
    if (nCols < m_nCols)
        EndEditorsOutside(m_nRows, nCols);
    ResetTopLeft();
    m_PrevSelectedCellMap.clear();
    if (m_nFixedCols > nCols)
        m_nFixedCols = nCols;
    if (m_idCurrentCell.col >= nCols)
        SetFocusCell(-1, -1);
    const int oldCols = m_nCols;
    if (nCols < oldCols) {
        for (int row = 0; row < m_nRows; ++row)
            for (int col = nCols; col < oldCols; ++col)
                DestroyCell(row, col);
        for (auto it = m_SelectedCellMap.begin(); it != m_SelectedCellMap.end();)
            it = it->col >= nCols ? m_SelectedCellMap.erase(it) : std::next(it);
        for (CellRow& row : m_RowData)
            row.resize(size_t(nCols));
        m_arColWidths.Resize(size_t(nCols));
        m_nCols = nCols;
    } else {
        try {
            m_arColWidths.Resize(size_t(nCols), m_cellDefault->GetWidth());
            m_nCols = nCols;
            if (!m_bVirtualMode) {
                for (int row = 0; row < m_nRows; ++row) {
                    CellRow& cells = m_RowData[size_t(row)];
                    cells.reserve(size_t(nCols));
                    for (int col = oldCols; col < nCols; ++col)
                        cells.push_back(CreateCell(row, col));
                }
            }
        } catch (const std::bad_alloc&) {
            m_nCols = oldCols;
            m_arColWidths.Resize(size_t(oldCols));
            for (CellRow& row : m_RowData)
                row.resize(size_t(oldCols));
            return false;
        }
    }
    SetModified(true);
    ResetScrollBars();
    Refresh();
    return true;
}

void CGridCtrl::ResetCellColours(int fromRow, int toRow, int fromCol, int toCol)
{
    for (int row = fromRow; row < toRow; ++row) {
        for (int col = fromCol; col < toCol; ++col) {
            if (CGridCellBase* cell = GetCell(row, col)) {
                cell->SetBackClr(QColor());
                cell->SetTextClr(QColor());
            }
        }
    }
}

bool CGridCtrl::SetFixedRowCount(int nFixedRows)
{
    if (nFixedRows < 0)
        return false;
    if (nFixedRows == m_nFixedRows)
        return true;
    m_PrevSelectedCellMap.clear();
    SetSelectedRange(-1, -1, -1, -1, false, true);
    SetFocusCell(-1, -1);
    ResetTopLeft();
    if (nFixedRows > m_nRows && !SetRowCount(nFixedRows))
        return false;
    if (!m_bVirtualMode) {
        for (int row = m_nFixedRows; row < nFixedRows; ++row)
            for (int col = 0; col < m_nCols; ++col)
                if (CGridCellBase* cell = GetCell(row, col))
                    cell->SetState(cell->GetState() | GvisFixed | GvisFixedRow);
        for (int row = nFixedRows; row < m_nFixedRows; ++row)
            for (int col = 0; col < m_nCols; ++col)
                if (CGridCellBase* cell = GetCell(row, col))
                    cell->SetState(cell->GetState() &
                                   ~(col < m_nFixedCols ? quint32(GvisFixedRow)
                                                        : quint32(GvisFixed | GvisFixedRow)));
        const int from = qMin(m_nFixedRows, nFixedRows);
        const int to = qMax(m_nFixedRows, nFixedRows);
        ResetCellColours(from, to, 0, m_nCols);
    }
    m_nFixedRows = nFixedRows;
    ResetScrollBars();
    Refresh();
    return true;
}

bool CGridCtrl::SetFixedColumnCount(int nFixedCols)
{
    if (nFixedCols < 0)
        return false;
    if (nFixedCols == m_nFixedCols)
        return true;
    m_PrevSelectedCellMap.clear();
    SetSelectedRange(-1, -1, -1, -1, false, true);
    SetFocusCell(-1, -1);
    ResetTopLeft();
    if (nFixedCols > m_nCols && !SetColumnCount(nFixedCols))
        return false;
    if (!m_bVirtualMode) {
        for (int row = 0; row < m_nRows; ++row) {
            for (int col = m_nFixedCols; col < nFixedCols; ++col)
                if (CGridCellBase* cell = GetCell(row, col))
                    cell->SetState(cell->GetState() | GvisFixed | GvisFixedCol);
            for (int col = nFixedCols; col < m_nFixedCols; ++col)
                if (CGridCellBase* cell = GetCell(row, col))
                    cell->SetState(cell->GetState() &
                                   ~(row < m_nFixedRows ? quint32(GvisFixedCol)
                                                        : quint32(GvisFixed | GvisFixedCol)));
        }
        const int from = qMin(m_nFixedCols, nFixedCols);
        const int to = qMax(m_nFixedCols, nFixedCols);
        ResetCellColours(0, m_nRows, from, to);
    }
    m_nFixedCols = nFixedCols;
    ResetScrollBars();
    Refresh();
    return true;
}

int CGridCtrl::InsertRow(const QString& strHeading, int nRow)
{
    if (nRow >= 0 && (nRow < m_nFixedRows || nRow >= m_nRows))
        return -1;
    // The rows from nRow on move down: their editors end while their cells are in place.
    if (nRow >= 0)
        EndEditorsOutside(nRow, m_nCols);
    ResetTopLeft();
    m_PrevSelectedCellMap.clear();
    SetSelectedRange(-1, -1, -1, -1, false, true);
    SetFocusCell(-1, -1);
    if (m_nCols < 1)
        SetColumnCount(1);
    const bool append = nRow < 0;
    if (append)
        nRow = m_nRows;
    try {
        const int height = m_cellFixedRowDef->GetHeight();
        if (m_bVirtualMode) {
            m_arRowHeights.Insert(size_t(nRow), height);
        } else {
            CellRow row = MakeRow(nRow);
            m_RowData.insert(size_t(nRow), std::move(row));
            m_arRowHeights.Insert(size_t(nRow), height);
        }
    } catch (const std::bad_alloc&) {
        return -1;
    }
    ++m_nRows;
    if (!m_bVirtualMode) {
        CGridCellBase* cell = GetCell(nRow, 0);
        if (cell) {
            cell->SetText(strHeading);
            cell->SetState(cell->GetState() | GvisModified);
            if (!strHeading.isEmpty())
                m_arRowHeights.Set(size_t(nRow), cell->GetTextExtent(strHeading).height());
        }
    }
    if (m_idCurrentCell.row != -1 && nRow < m_idCurrentCell.row)
        m_idCurrentCell.row++;
    ResetScrollBarsLater();
    SetModified(true);
    Refresh();
    return nRow;
}

bool CGridCtrl::DeleteAllItems()
{
    EndEditorsOutside(0, 0);
    m_PrevSelectedCellMap.clear();
    SetSelectedRange(-1, -1, -1, -1, false, true);
    SetFocusCell(-1, -1);
    ResetTopLeft();
    m_SelectedCellMap.clear();
    m_arRowHeights.Clear();
    m_arColWidths.Clear();
    m_RowData.clear();
    m_nRows = m_nFixedRows = m_nCols = m_nFixedCols = 0;
    ResetScrollBars();
    SetModified(true);
    return true;
}

// --- Item attributes ---------------------------------------------------------------------

QString CGridCtrl::GetItemText(int nRow, int nCol) const
{
    const CGridCellBase* cell = GetCell(nRow, nCol);
    return cell ? cell->GetText() : QString();
}

bool CGridCtrl::SetItemText(int nRow, int nCol, const QString& str)
{
    CGridCellBase* cell = m_bVirtualMode ? nullptr : GetCell(nRow, nCol);
    if (!cell)
        return false;
    cell->SetText(str);
    SetModified(true, nRow, nCol);
    return true;
}

bool CGridCtrl::SetItemData(int nRow, int nCol, qintptr lParam)
{
    CGridCellBase* cell = m_bVirtualMode ? nullptr : GetCell(nRow, nCol);
    if (!cell)
        return false;
    cell->SetData(lParam);
    return true;
}

bool CGridCtrl::SetItemImage(int nRow, int nCol, int iImage)
{
    CGridCellBase* cell = m_bVirtualMode ? nullptr : GetCell(nRow, nCol);
    if (!cell)
        return false;
    cell->SetImage(iImage);
    return true;
}

bool CGridCtrl::SetItemFormat(int nRow, int nCol, quint32 nFormat)
{
    CGridCellBase* cell = m_bVirtualMode ? nullptr : GetCell(nRow, nCol);
    if (!cell)
        return false;
    cell->SetFormat(nFormat);
    return true;
}

quint32 CGridCtrl::GetItemFormat(int nRow, int nCol) const
{
    const CGridCellBase* cell = GetCell(nRow, nCol);
    return cell ? cell->GetFormat() : 0;
}

bool CGridCtrl::SetItemBkColour(int nRow, int nCol, const QColor& cr)
{
    CGridCellBase* cell = m_bVirtualMode ? nullptr : GetCell(nRow, nCol);
    if (!cell)
        return false;
    cell->SetBackClr(cr);
    return true;
}

QColor CGridCtrl::GetItemBkColour(int nRow, int nCol) const
{
    const CGridCellBase* cell = GetCell(nRow, nCol);
    return cell ? cell->GetBackClr() : QColor();
}

bool CGridCtrl::SetItemFgColour(int nRow, int nCol, const QColor& cr)
{
    CGridCellBase* cell = m_bVirtualMode ? nullptr : GetCell(nRow, nCol);
    if (!cell)
        return false;
    cell->SetTextClr(cr);
    return true;
}

QColor CGridCtrl::GetItemFgColour(int nRow, int nCol) const
{
    const CGridCellBase* cell = GetCell(nRow, nCol);
    return cell ? cell->GetTextClr() : QColor();
}

bool CGridCtrl::SetItemFont(int nRow, int nCol, const CGridFont* font)
{
    CGridCellBase* cell = m_bVirtualMode ? nullptr : GetCell(nRow, nCol);
    if (!cell)
        return false;
    cell->SetFont(font);
    return true;
}

const CGridFont* CGridCtrl::GetItemFont(int nRow, int nCol) const
{
    const CGridCellBase* cell = GetCell(nRow, nCol);
    return cell ? cell->GetFont() : nullptr;
}

bool CGridCtrl::SetItemMargin(int nRow, int nCol, quint32 nMargin)
{
    CGridCellBase* cell = m_bVirtualMode ? nullptr : GetCell(nRow, nCol);
    if (!cell)
        return false;
    cell->SetMargin(nMargin);
    return true;
}

bool CGridCtrl::SetItem(const GV_ITEM* pItem)
{
    if (!pItem || m_bVirtualMode)
        return false;
    CGridCellBase* cell = GetCell(pItem->row, pItem->col);
    if (!cell)
        return false;
    SetModified(true, pItem->row, pItem->col);
    if (pItem->mask & GvifText)
        cell->SetText(pItem->strText);
    if (pItem->mask & GvifParam)
        cell->SetData(pItem->lParam);
    if (pItem->mask & GvifImage)
        cell->SetImage(pItem->iImage);
    if (pItem->mask & GvifState)
        SetItemState(pItem->row, pItem->col, pItem->nState);
    if (pItem->mask & GvifFormat)
        cell->SetFormat(pItem->nFormat);
    if (pItem->mask & GvifBkClr)
        cell->SetBackClr(pItem->crBkClr);
    if (pItem->mask & GvifFgClr)
        cell->SetTextClr(pItem->crFgClr);
    if (pItem->mask & GvifFont)
        cell->SetFont(&pItem->lfFont);
    if (pItem->mask & GvifMargin)
        cell->SetMargin(pItem->nMargin);
    return true;
}

bool CGridCtrl::SetItemState(int nRow, int nCol, quint32 state)
{
    const quint64 key = SelectionKey(nRow, nCol);
    if (!IsValid(nRow, nCol)) {
        // A cell outside the table can only leave the selection, never join it.
        if (!(state & GvisSelected))
            m_SelectedCellMap.remove(key);
        return false;
    }
    const bool selected = m_SelectedCellMap.contains(key);
    if (!selected && (state & GvisSelected))
        m_SelectedCellMap.insert(key, CCellID(nRow, nCol));
    else if (selected && !(state & GvisSelected))
        m_SelectedCellMap.remove(key);
    if (m_bVirtualMode)
        return false;
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell)
        return false;
    cell->SetState(state);
    return true;
}

quint32 CGridCtrl::GetItemState(int nRow, int nCol) const
{
    const CGridCellBase* cell = GetCell(nRow, nCol);
    return cell ? cell->GetState() : 0;
}

qintptr CGridCtrl::SendMessageToParent(int nRow, int nCol, int nMessage)
{
    NM_GRIDVIEW nm;
    nm.code = nMessage;
    nm.iRow = nRow;
    nm.iColumn = nCol;
    emit Notify(&nm);
    return nm.result;
}

CTitleTip* CGridCtrl::GetTitleTip() const
{
    return m_TitleTip.get();
}
