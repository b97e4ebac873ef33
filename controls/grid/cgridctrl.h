// The grid control: a table of cells with fixed heading rows and columns, painted by the
// grid itself and scrolled in pixels. It keeps the cells, their row heights and column
// widths, the focus cell and the selection; it selects, resizes, sorts and edits cells from
// the mouse and the keyboard; it copies, pastes, drags and drops cell texts as tab-separated
// text; and it prints itself page by page. The owner hears of clicks, selection changes and
// edits through Notify and may refuse an edit by answering below zero.
#pragma once

#include "controls/grid/cgridcellbase.h"
#include "controls/grid/cgriddefaultcell.h"
#include "controls/grid/cgriddefs.h"
#include "controls/grid/cgridgapvector.h"
#include "controls/grid/cgridsizes.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class CTitleTip;
class QMimeData;
class QPrinter;
struct CPrintInfo;

class CGridCtrl : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Fills a cell's attributes in virtual mode instead of the owner's GetDispInfo.
    using DispInfoCallback = std::function<bool(GV_DISPINFO* info, qintptr lParam)>;
    // Orders two cells for sorting: below zero, zero or above zero.
    using CompareFunction =
        std::function<int(const CGridCellBase* a, const CGridCellBase* b, qintptr data)>;

    enum MouseMode {
        MouseNothing = 0,
        MouseSelectAll = 1,
        MouseSelectCol = 2,
        MouseSelectRow = 3,
        MouseSelectCells = 4,
        MouseOverRowDivide = 6,
        MouseSizingRow = 7,
        MouseOverColDivide = 8,
        MouseSizingCol = 9,
        MousePrepareEdit = 10,
        MousePrepareDrag = 11,
        MouseDragging = 12,
    };

    // The auto-scroll timer's interval: from a selecting click until the button is let go,
    // the selection follows the mouse beyond the table's edges.
    static constexpr int kAutoScrollInterval = 25;
    static constexpr int kResizeCaptureRange = 3;
    static constexpr int kWheelDelta = 120;

    explicit CGridCtrl(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0,
                       QWidget* parent = nullptr);
    ~CGridCtrl() override;

    // Places the grid in `parent` at `rect` with control id `id`; every row and column
    // takes the normal default cell's height and width.
    bool Create(const QRect& rect, QWidget* parent, int id);

    // --- Options -------------------------------------------------------------------------
    void SetEditable(bool bEditable = true) { m_bEditable = bEditable; }
    bool IsEditable() const { return m_bEditable; }
    void EnableDragAndDrop(bool bAllow = true) { m_bAllowDragAndDrop = bAllow; }
    bool GetDragAndDrop() const { return m_bAllowDragAndDrop; }
    void SetRowResize(bool bResize = true) { m_bAllowRowResize = bResize; }
    bool GetRowResize() const { return m_bAllowRowResize; }
    void SetColumnResize(bool bResize = true) { m_bAllowColumnResize = bResize; }
    bool GetColumnResize() const { return m_bAllowColumnResize; }
    // A column of width 0 can be pulled open again at its divider.
    void SetUnhideHiddenColumns(bool bUnhide = true) { m_bUnhideHiddenColumns = bUnhide; }
    bool GetUnhideHiddenColumns() const { return m_bUnhideHiddenColumns; }
    // Sizing a column (or row) down to nothing hides it; off, one pixel stays.
    void SetHideColumnsBySizing(bool bHide = true) { m_bHideColumnsBySizing = bHide; }
    bool GetHideColumnsBySizing() const { return m_bHideColumnsBySizing; }
    void EnableTitleTips(bool bEnable = true) { m_bTitleTips = bEnable; }
    bool GetTitleTips() const { return m_bTitleTips; }
    enum GridLines { GvlNone = 0, GvlHorz = 1, GvlVert = 2, GvlBoth = 3 };
    void SetGridLines(int nWhichLines = GvlBoth);
    int GetGridLines() const { return m_nGridLines; }
    void SetGridLineColor(const QColor& colour);
    QColor GetGridLineColor() const { return m_crGridLineColour; }
    void SetGridBkColor(const QColor& colour);
    QColor GetGridBkColor() const { return m_crGridBkColour; }
    void SetListMode(bool bEnableListMode = true);
    bool GetListMode() const { return m_bListMode; }
    void SetSingleRowSelection(bool bSing = true) { m_bSingleRowSelection = bSing; }
    bool GetSingleRowSelection() const { return m_bSingleRowSelection; }
    void SetSingleColSelection(bool bSing = true) { m_bSingleColSelection = bSing; }
    bool GetSingleColSelection() const { return m_bSingleColSelection; }
    void EnableSelection(bool bEnable = true);
    bool IsSelectable() const { return m_bEnableSelection; }
    void SetFixedColumnSelection(bool bSelect = true) { m_bFixedColumnSelection = bSelect; }
    bool GetFixedColumnSelection() const { return m_bFixedColumnSelection; }
    void SetFixedRowSelection(bool bSelect = true) { m_bFixedRowSelection = bSelect; }
    bool GetFixedRowSelection() const { return m_bFixedRowSelection; }
    void SetHeaderSort(bool bSortOnClick = true) { m_bSortOnClick = bSortOnClick; }
    bool GetHeaderSort() const { return m_bSortOnClick; }
    void SetHandleTabKey(bool bHandleTab = true) { m_bHandleTabKey = bHandleTab; }
    bool GetHandleTabKey() const { return m_bHandleTabKey; }
    void SetDoubleBuffering(bool bBuffer = true) { m_bDoubleBuffer = bBuffer; }
    bool GetDoubleBuffering() const { return m_bDoubleBuffer; }
    void SetTrackFocusCell(bool bTrack = true) { m_bTrackFocusCell = bTrack; }
    bool GetTrackFocusCell() const { return m_bTrackFocusCell; }
    void SetFrameFocusCell(bool bFrame = true) { m_bFrameFocus = bFrame; }
    bool GetFrameFocusCell() const { return m_bFrameFocus; }
    enum AutoSizeStyle { GvsHeader = 1, GvsData = 2, GvsBoth = 3 };
    void SetAutoSizeStyle(int nStyle = GvsBoth) { m_nAutoSizeColumnStyle = nStyle; }
    int GetAutoSizeStyle() const { return m_nAutoSizeColumnStyle; }
    void SetVirtualMode(bool bVirtual);
    bool GetVirtualMode() const { return m_bVirtualMode; }
    void SetCallbackFunc(DispInfoCallback callback, qintptr lParam);
    void SetImageList(const QList<QPixmap>& images);
    const QList<QPixmap>& GetImageList() const { return m_imageList; }
    void SetCompareFunction(CompareFunction compare) { m_pfnCompare = std::move(compare); }
    void SetShadedPrintOut(bool bEnable = true) { m_bShadedPrintOut = bEnable; }
    bool GetShadedPrintOut() const { return m_bShadedPrintOut; }
    void SetScreenScalePrinting(bool bScreen = true) { m_bPrintScreenScale = bScreen; }
    bool GetScreenScalePrinting() const { return m_bPrintScreenScale; }
    // Paste and drop write nothing into column 0 and leave its texts as they are (no row
    // numbering): for an owner whose column 0 holds labels.
    void SetProtectFirstColumn(bool bProtect = true) { m_bProtectFirstColumn = bProtect; }
    // The kind of cell new cells are made as.
    void SetDefaultCellType(CGridCellFactory factory);
    void SetModified(bool bModified = true, int nRow = -1, int nCol = -1);
    bool GetModified(int nRow = -1, int nCol = -1) const;
    // Turns drawing on or off; turning it on repaints (and resets the scroll bars).
    void AllowDraw(bool bAllow, bool bResetScrollBars = false);
    bool IsDrawAllowed() const { return m_bAllowDraw; }

    // --- The table ----------------------------------------------------------------------
    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetFixedRowCount() const { return m_nFixedRows; }
    bool SetRowCount(int nRows = 10);
    bool SetColumnCount(int nCols = 10);
    bool SetFixedRowCount(int nFixedRows = 1);
    bool SetFixedColumnCount(int nFixedCols = 1);
    int InsertRow(const QString& strHeading, int nRow = -1);
    bool DeleteAllItems();
    bool IsValid(int nRow, int nCol) const;
    bool IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }
    bool IsValid(const CCellRange& range) const;

    CGridCellBase* GetCell(int nRow, int nCol) const;
    bool SetCell(int nRow, int nCol, std::unique_ptr<CGridCellBase> cell);
    // Puts `cell` in place of (nRow, nCol) and hands the previous cell back.
    std::unique_ptr<CGridCellBase> ReplaceCell(int nRow, int nCol,
                                               std::unique_ptr<CGridCellBase> cell);
    CGridDefaultCell* GetDefaultCell(bool bFixedRow, bool bFixedCol) const;

    QString GetItemText(int nRow, int nCol) const;
    bool SetItemText(int nRow, int nCol, const QString& str);
    bool SetItemData(int nRow, int nCol, qintptr lParam);
    bool SetItemImage(int nRow, int nCol, int iImage);
    bool SetItemFormat(int nRow, int nCol, quint32 nFormat);
    quint32 GetItemFormat(int nRow, int nCol) const;
    bool SetItemBkColour(int nRow, int nCol, const QColor& cr = QColor());
    QColor GetItemBkColour(int nRow, int nCol) const;
    bool SetItemFgColour(int nRow, int nCol, const QColor& cr = QColor());
    QColor GetItemFgColour(int nRow, int nCol) const;
    bool SetItemFont(int nRow, int nCol, const CGridFont* font);
    const CGridFont* GetItemFont(int nRow, int nCol) const;
    bool SetItemMargin(int nRow, int nCol, quint32 nMargin);
    bool SetItem(const GV_ITEM* pItem);
    bool SetItemState(int nRow, int nCol, quint32 state);
    quint32 GetItemState(int nRow, int nCol) const;

    int GetRowHeight(int nRow) const;
    int GetColumnWidth(int nCol) const;
    bool SetRowHeight(int nRow, int height);
    bool SetColumnWidth(int nCol, int width);
    int GetFixedRowHeight() const;
    int GetFixedColumnWidth() const;
    long GetVirtualHeight() const;
    long GetVirtualWidth() const;

    bool GetCellOrigin(int nRow, int nCol, QPoint* p);
    bool GetCellRect(int nRow, int nCol, QRect* pRect);
    bool GetCellRect(const CCellID& cell, QRect* pRect)
    {
        return GetCellRect(cell.row, cell.col, pRect);
    }
    bool GetTextRect(int nRow, int nCol, QRect* pRect);
    CCellID GetCellFromPt(QPoint point, bool bAllowFixedCellCheck = true);
    CCellID GetTopleftNonFixedCell(bool bForceRecalculation = false);
    CCellRange GetVisibleNonFixedCellRange(QRect* pRect = nullptr,
                                           bool bForceRecalculation = false);
    bool IsCellVisible(int nRow, int nCol);
    bool IsCellVisible(const CCellID& cell) { return IsCellVisible(cell.row, cell.col); }
    bool IsCellEditable(const CCellID& cell) const;
    bool IsCellSelected(int nRow, int nCol) const;
    bool IsCellFixed(int nRow, int nCol) const;

    // --- Focus and selection ------------------------------------------------------------
    CCellID GetFocusCell() const { return m_idCurrentCell; }
    CCellID SetFocusCell(int nRow, int nCol);
    CCellID SetFocusCell(const CCellID& cell) { return SetFocusCell(cell.row, cell.col); }
    void SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol,
                          bool bForceRepaint = false, bool bSelectCells = true);
    void SetSelectedRange(const CCellRange& range, bool bForceRepaint = false,
                          bool bSelectCells = true);
    CCellRange GetSelectedCellRange() const;
    int GetSelectedCount() const { return int(m_SelectedCellMap.size()); }
    void ResetSelectedRange();
    void SelectAllCells();
    void SelectCells(CCellID currentCell, bool bForceRedraw = false, bool bSelectCells = true);
    void SelectRows(CCellID currentCell, bool bForceRedraw = false, bool bSelectCells = true);
    void SelectColumns(CCellID currentCell, bool bForceRedraw = false, bool bSelectCells = true);

    // --- Sizes and sorting ---------------------------------------------------------------
    bool AutoSizeColumn(int nCol, int nAutoSizeStyle = 0, bool bResetScroll = true);
    bool AutoSizeRow(int nRow, bool bResetScroll = true);
    void AutoSizeRows();
    bool SortTextItems(int nCol, bool bAscending, qintptr data = 0);
    bool SortItems(const CompareFunction& compare, int nCol, bool bAscending, qintptr data = 0,
                   int low = 0, int high = -1);
    int GetSortColumn() const { return m_nSortColumn; }
    bool GetSortAscending() const { return m_bAscending; }
    // The ordinal text comparison rows sort by when no compare function is set.
    static int CompareTextItems(const CGridCellBase* a, const CGridCellBase* b, qintptr data);

    // --- Painting and scrolling ------------------------------------------------------------
    void EnsureVisible(int nRow, int nCol);
    void EnsureVisible(const CCellID& cell) { EnsureVisible(cell.row, cell.col); }
    void Refresh();
    bool RedrawCell(int nRow, int nCol);
    bool InvalidateCellRect(int nRow, int nCol);
    // Fits the bars' ranges to the table and the window. Inserting a row does it later, once
    // for a whole run of insertions (see ResetScrollBarsLater).
    void ResetScrollBars();
    int GetScrollPos32(Qt::Orientation bar) const;
    void SetScrollPos32(Qt::Orientation bar, int nPos);
    // Paints the grid as it shows in its window, with `clip` as the area to paint.
    virtual void OnDraw(QPainter* painter, const QRect& clip);

    // --- Notifications -----------------------------------------------------------------------
    qintptr SendMessageToParent(int nRow, int nCol, int nMessage);

    // --- Editing -----------------------------------------------------------------------------
    virtual void OnEditCell(int nRow, int nCol, QPoint point, uint nChar);
    virtual void OnEndEditCell(int nRow, int nCol, const QString& str);
    virtual bool ValidateEdit(int nRow, int nCol, const QString& str);
    virtual void EndEditing();
    // Writes a text into a cell the way an edit does, with the owner's say; false when the
    // cell kept its text.
    bool UpdateItemText(int nRow, int nCol, const QString& str);
    // An editor finished: the new text and the key that ended it.
    void OnEndInPlaceEdit(const GV_DISPINFO& info);
    // Ends every open editor whose cell lies outside a table of `nRows` x `nCols`; (0, 0)
    // ends them all. Runs before cells go away or rows move, so no editor reports to a cell
    // (or a grid) that is gone, or to the cell that took its place.
    void EndEditorsOutside(int nRows, int nCols);
    CTitleTip* GetTitleTip() const;

    // --- Clipboard, drag and drop -----------------------------------------------------------
    // Empties every selected cell through UpdateItemText; the clipboard is not touched.
    virtual void CutSelectedText();
    // The selected range as text: tab between cells, CR LF between rows; null when there
    // is no valid selection.
    virtual std::unique_ptr<QMimeData> CopyTextFromGrid();
    virtual bool PasteTextToGrid(CCellID cell, const QMimeData* pDataObject,
                                 bool bSelectPastedCells = true);
    virtual void OnBeginDrag();
    virtual Qt::DropAction OnDragEnter(const QMimeData* pDataObject, Qt::KeyboardModifiers keyState,
                                       QPoint point);
    virtual Qt::DropAction OnDragOver(const QMimeData* pDataObject, Qt::KeyboardModifiers keyState,
                                      QPoint point);
    virtual void OnDragLeave();
    virtual bool OnDrop(const QMimeData* pDataObject, Qt::DropAction dropEffect, QPoint point);
    // A picture of the focus cell as it shows, for a drag; the normal cells' background is
    // left transparent. `pHotSpot` gets its lower right corner. Null without a visible focus
    // cell.
    virtual QPixmap CreateDragImage(QPoint* pHotSpot);
    virtual void OnEditCut();
    virtual void OnEditCopy();
    virtual void OnEditPaste();
    virtual void OnEditSelectAll();
    CCellID GetLastDragOverCell() const { return m_LastDragOverCell; }

    // --- Printing ------------------------------------------------------------------------------
    // The owner's print loop calls these: once before, once per page, once after.
    virtual void OnBeginPrinting(QPainter* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(QPainter* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(QPainter* pDC, CPrintInfo* pInfo);
    // Prints every page onto `printer` (a PDF printer writes a file); false when the printer
    // could not be painted on.
    bool Print(QPrinter* printer);
    int GetPrintPageCount() const { return m_nPageCount; }
    int GetPrintPagesAcross() const { return m_nPagesAcross; }
    QSize GetPrintLogicalPage() const { return m_LogicalPageSize; }
    // The title a page's header shows in its middle: the nearest window title up the chain.
    QString GetPrintWindowTitle() const;

    MouseMode GetMouseMode() const { return m_MouseMode; }

signals:
    // Every notification of the grid; the owner may set `nm->result`.
    void Notify(NM_GRIDVIEW* nm);
    // Virtual mode: fill in `info->item` for the cell it names.
    void GetDispInfo(GV_DISPINFO* info);
    // A click ended on a cell (posted after the click's notifications).
    void Command(int id);

protected:
    virtual void PrintFixedRowCells(int nStartColumn, int nStopColumn, int& row, QRect& rect,
                                    QPainter* pDC, bool& bFirst);
    virtual void PrintColumnHeadings(QPainter* pDC, CPrintInfo* pInfo);
    virtual void PrintHeader(QPainter* pDC, CPrintInfo* pInfo);
    virtual void PrintFooter(QPainter* pDC, CPrintInfo* pInfo);
    virtual void PrintRowButtons(QPainter* pDC, CPrintInfo* pInfo);
    virtual void OnFixedColumnClick(CCellID& cell);
    virtual void OnFixedRowClick(CCellID& cell);
    virtual std::unique_ptr<CGridCellBase> CreateCell(int nRow, int nCol);
    virtual void DestroyCell(int nRow, int nCol);
    // Runs a drag of `data` and returns what the drop did; tests replace it.
    virtual Qt::DropAction DoDragDrop(std::unique_ptr<QMimeData> data);
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // In virtual mode, tells the owner which cells are about to be asked for; an empty range
    // says the asking is over.
    void SendCacheHint(const CCellRange& range);

    friend class CGridCellBase;
    using CellRow = std::vector<std::unique_ptr<CGridCellBase>>;

    // Storage and layout (cgridctrl.cpp).
    void SetupDefaultCells();
    void ReadSystemColours();
    CGridCellBase* VirtualCell(int nRow, int nCol) const;
    CellRow MakeRow(int nRow);
    void ResetTopLeft() { m_idTopLeftCell = CCellID(); }
    // Cells moving into or out of the fixed area take the colours of their new kind.
    void ResetCellColours(int fromRow, int toRow, int fromCol, int toCol);

    // Selection (cgridctrlselect.cpp).
    static quint64 SelectionKey(int nRow, int nCol);
    void OnSelecting(const CCellID& currentCell);
    void SetFocusRedraw(const CCellID& cell, bool bFocus);

    // Painting and scrolling (cgridctrlpaint.cpp).
    void EraseBkgnd(QPainter* painter, const QRect& clip);
    enum ScrollCode { LineBack, LineForward, PageBack, PageForward, ToStart, ToEnd };
    void ScrollBy(Qt::Orientation bar, int code);
    // `forward` one-line scrolls, then `back` ones, landing where as many ScrollBy calls
    // would, in one move.
    void ScrollLines(Qt::Orientation bar, int forward, int back);
    bool NeedsVerticalBar(int usableHeight) const;
    // A fill or paste inserts its rows one by one: the bars are reset once after the run, at
    // the next turn of the event loop, or before anything reads or moves them if that comes
    // first, instead of once a row (each reset posts the scroll area a layout of its own).
    void ResetScrollBarsLater();
    void ResetScrollBarsIfDue();

    // Mouse and keys (cgridctrlmouse.cpp, cgridctrlkeys.cpp).
    bool MouseOverColumnResizeArea(const QPoint& point);
    bool MouseOverRowResizeArea(const QPoint& point);
    void OnLButtonDown(Qt::KeyboardModifiers mods, QPoint point);
    void OnLButtonUp(QPoint point);
    void OnLButtonDblClk(QPoint point);
    void OnRButtonUp(QPoint point);
    void OnMouseMove(Qt::MouseButtons buttons, QPoint point);
    void StartColumnSizing(QPoint point);
    void StartRowSizing(QPoint point);
    // Takes away the band of a sizing that ends without a new size.
    void ClearSizingBand();
    void OnTimer();
    void OnKeyDown(int key, Qt::KeyboardModifiers mods);
    void OnChar(uint nChar, Qt::KeyboardModifiers mods);
    // Runs the Edit command a key stands for; false when the key is none of them.
    bool HandleEditKey(int key, Qt::KeyboardModifiers mods);
    CCellID NextCellForKey(int key, Qt::KeyboardModifiers mods, bool* resetHorz);
    int NextVisibleRow(int row, int step, int minRow) const;
    int NextVisibleColumn(int col, int step, int minCol) const;
    // Sets the mode for a mouse over a divider (or over none), then the cursor.
    void UpdateResizeCursor(const QPoint& point);
    // The cursor for the mouse at `point`: a sizing cursor over a divider, else the one the
    // cell under it sets, the arrow outside the table; unchanged while dragging.
    void OnSetCursor(const QPoint& point);
    // Moves the band of a sizing to `point`, kept within m_SizingClip.
    void MoveSizingBand(QPoint point);
    void ShowTitleTip(const CCellID& cell);
    void SetMouseCursor(Qt::CursorShape shape);

    // Clipboard (cgridctrlclipboard.cpp).
    bool IsMultiLineCell(int nRow, int nCol) const;
    // Column 0 while the owner keeps it from pastes and drops.
    bool IsProtectedColumn(int nCol) const { return m_bProtectFirstColumn && nCol == 0; }
    void PasteLine(int nRow, int nCol, int targetRow, QStringView line, bool& rowMultiLine,
                   bool tabSeen, int& maxRow, int& maxCol);
    void InsertPasteRow(int targetRow);
    void NumberRows(int fromRow);
    bool HandleDropEvent(QEvent* event);

    // Printing (cgridctrlprint.cpp).
    void DrawPrintedLines(QPainter* painter, const QRect& rect, bool topLine, bool leftLine,
                          int y0);
    QFont BoldPrinterFont() const;

    // The table.
    int m_nRows = 0;
    int m_nFixedRows = 0;
    int m_nCols = 0;
    int m_nFixedCols = 0;
    CGridSizes m_arRowHeights;
    CGridSizes m_arColWidths;
    // The rows stand around a gap: a paste inserts its rows one under the other without
    // moving the rows below each time.
    CGridGapVector<CellRow> m_RowData;
    CGridCellFactory m_CellFactory;
    std::unique_ptr<CGridDefaultCell> m_cellDefault;
    std::unique_ptr<CGridDefaultCell> m_cellFixedColDef;
    std::unique_ptr<CGridDefaultCell> m_cellFixedRowDef;
    std::unique_ptr<CGridDefaultCell> m_cellFixedRowColDef;
    // Virtual mode: one cell per grid, filled anew for each request.
    std::unique_ptr<CGridCellBase> m_pVirtualCell;
    DispInfoCallback m_pfnCallback;
    qintptr m_lParam = 0;
    int m_nID = 0;

    // Focus and selection. The selection keys hold row and column in full, so no two cells
    // of any table share a key.
    CCellID m_idCurrentCell;
    mutable CCellID m_idTopLeftCell;
    CCellID m_LeftClickDownCell;
    CCellID m_SelectionStartCell;
    QHash<quint64, CCellID> m_SelectedCellMap;
    QHash<quint64, CCellID> m_PrevSelectedCellMap;

    // Options.
    int m_nGridLines = GvlBoth;
    QColor m_crGridLineColour{192, 192, 192};
    QColor m_crGridBkColour;
    QColor m_crWindowText, m_crWindowColour, m_cr3DFace, m_crShadow;
    bool m_bEditable = true;
    bool m_bModified = false;
    bool m_bAllowDragAndDrop = false;
    bool m_bListMode = false;
    bool m_bSingleRowSelection = false;
    bool m_bSingleColSelection = false;
    bool m_bAllowDraw = true;
    bool m_bEnableSelection = true;
    bool m_bFixedColumnSelection = true;
    bool m_bFixedRowSelection = true;
    bool m_bSortOnClick = false;
    bool m_bHandleTabKey = true;
    bool m_bDoubleBuffer = true;
    bool m_bTitleTips = true;
    bool m_bAllowRowResize = true;
    bool m_bAllowColumnResize = true;
    bool m_bUnhideHiddenColumns = true;
    bool m_bHideColumnsBySizing = true;
    bool m_bTrackFocusCell = true;
    bool m_bFrameFocus = true;
    bool m_bVirtualMode = false;
    bool m_bShadedPrintOut = true;
    bool m_bPrintScreenScale = false;
    bool m_bProtectFirstColumn = false;
    int m_nAutoSizeColumnStyle = GvsBoth;
    QList<QPixmap> m_imageList;
    int m_nSortColumn = -1;
    bool m_bAscending = true;
    CompareFunction m_pfnCompare;

    // Mouse and keyboard.
    MouseMode m_MouseMode = MouseNothing;
    bool m_bLMouseButtonDown = false;
    bool m_bRMouseButtonDown = false;
    QPoint m_LeftClickDownPoint;
    QPoint m_LastMousePoint;
    int m_nResizeCaptureRange = kResizeCaptureRange;
    int m_nSizingIndex = -1;   // the row or column being sized
    int m_nWheelRemainder = 0; // wheel delta not yet turned into lines
    QTimer m_autoScrollTimer; // every kAutoScrollInterval ms while a selecting button is down
    bool m_bMouseMovedSinceDown = false;
    QRect m_SizingBand; // the band shown while a row or column is sized
    QRect m_SizingClip; // where that band may go
    bool m_bScrollBarsDue = false;     // rows went in since the bars were last reset
    bool m_bScrollResetPosted = false; // a reset waits in the event queue
    CCellID m_idMouseOverCell;

    // Set while open editors are ended by the grid rather than by the user.
    bool m_bEndingEditors = false;

    // Title tip, drop target, drag.
    std::unique_ptr<CTitleTip> m_TitleTip;
    CCellID m_LastDragOverCell;
    QString m_strPrintAppTitle;

    // Printing, in grid pixels; sizes in characters are turned into pixels by m_CharSize.
    QFont m_PrinterFont;
    bool m_bPrinterFontValid = false;
    QSize m_CharSize;
    int m_nHeaderHeight = 2;
    int m_nFooterHeight = 2;
    int m_nLeftMargin = 4;
    int m_nRightMargin = 4;
    int m_nGap = 1;
    QSize m_PaperSize;
    QSize m_LogicalPageSize;
    int m_nPageHeight = 0;
    int m_nPageWidth = 0;
    int m_nPageCount = 0;
    int m_nPagesAcross = 1;
    std::vector<int> m_PageFirstRows;
    std::vector<int> m_PageFirstCols;
    int m_nPageFirstRow = 0;
    int m_nPageFirstCol = 0;
};
