// The small types the grid and its owner share: cell coordinates and ranges, the item record
// that sets or reports many attributes at once, the notification record, and the numbers
// (state bits, item masks, text-format flags, notification codes) that travel in them.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QtGlobal>

// A cell coordinate; (-1, -1) is no cell.
struct CCellID {
    int row = -1;
    int col = -1;

    CCellID() = default;
    CCellID(int r, int c) : row(r), col(c) {}
    bool IsValid() const { return row >= 0 && col >= 0; }
    friend bool operator==(const CCellID& a, const CCellID& b)
    {
        return a.row == b.row && a.col == b.col;
    }
    friend bool operator!=(const CCellID& a, const CCellID& b) { return !(a == b); }
};

// A rectangle of cells, bounds inclusive.
struct CCellRange {
    int minRow = -1;
    int minCol = -1;
    int maxRow = -1;
    int maxCol = -1;

    CCellRange() = default;
    CCellRange(int r1, int c1, int r2, int c2) : minRow(r1), minCol(c1), maxRow(r2), maxCol(c2) {}
    bool IsValid() const
    {
        return minRow >= 0 && minCol >= 0 && maxRow >= 0 && maxCol >= 0 && minRow <= maxRow &&
               minCol <= maxCol;
    }
    bool InRange(const CCellID& cell) const
    {
        return cell.row >= minRow && cell.row <= maxRow && cell.col >= minCol &&
               cell.col <= maxCol;
    }
    friend bool operator==(const CCellRange& a, const CCellRange& b)
    {
        return a.minRow == b.minRow && a.minCol == b.minCol && a.maxRow == b.maxRow &&
               a.maxCol == b.maxCol;
    }
};

// Cell state bits.
enum GridCellState : quint32 {
    GvisFocused = 0x01,
    GvisSelected = 0x02,
    GvisDropHilited = 0x04,
    GvisReadOnly = 0x08,
    GvisFixed = 0x10,
    GvisFixedRow = 0x20,
    GvisFixedCol = 0x40,
    GvisModified = 0x80,
};

// Which fields of a GV_ITEM count.
enum GridItemMask : quint32 {
    GvifText = 0x01,
    GvifImage = 0x02,
    GvifParam = 0x04,
    GvifState = 0x08,
    GvifBkClr = 0x10,
    GvifFgClr = 0x20,
    GvifFormat = 0x40,
    GvifFont = 0x80,
    GvifMargin = 0x100,
    GvifAll = 0x1ff,
};

// Text-format flags of a cell, with the values of the Windows text-drawing flags the grid
// was first written with, so that stored formats keep their meaning.
enum GridTextFormat : quint32 {
    DtLeft = 0x0,
    DtTop = 0x0,
    DtCenter = 0x1,
    DtRight = 0x2,
    DtVCenter = 0x4,
    DtBottom = 0x8,
    DtWordBreak = 0x10,
    DtSingleLine = 0x20,
    DtCalcRect = 0x400,
    DtNoPrefix = 0x800,
    DtEditControl = 0x2000,
    DtEndEllipsis = 0x8000,
};

// A cell's font with the angle of its text, in tenths of a degree counter-clockwise: 900 reads
// from the bottom upwards, -900 from the top downwards; other angles are kept but written
// upright. Qt fonts carry no such angle, so it travels beside the font wherever the font goes.
struct CGridFont {
    QFont font;
    int nEscapement = 0;

    bool IsVertical() const { return IsVerticalEscapement(nEscapement); }
    static constexpr bool IsVerticalEscapement(int escapement)
    {
        return escapement == 900 || escapement == -900;
    }
};

// "Take the default cell's" for format and margin.
constexpr quint32 kGridUseDefault = 0xFFFFFFFFu;
// The format of a default cell: centred vertically on one line, cut with an ellipsis.
constexpr quint32 kGridDefaultFormat = DtVCenter | DtSingleLine | DtNoPrefix | DtEndEllipsis;

// Codes of the grid's notifications to its owner.
enum GridNotifyCode : int {
    NmClick = -2,
    NmDblClk = -3,
    NmRClick = -5,
    GvnSelChanging = -100,
    GvnSelChanged = -101,
    GvnBeginDrag = -109,
    GvnOdCacheHint = -113,
    GvnBeginLabelEdit = -175,
    GvnEndLabelEdit = -176,
    GvnGetDispInfo = -177,
};

// The "first character" that tells an editor it was opened by the mouse (or by F2).
constexpr uint kGridMouseStart = 1;
// Control id of the in-place editors.
constexpr int kInPlaceEditId = 8;

// Many attributes of one cell at once. An invalid colour means "take the default cell's".
struct GV_ITEM {
    int row = 0;
    int col = 0;
    quint32 mask = 0;
    quint32 nState = 0;
    quint32 nFormat = 0;
    int iImage = -1;
    QColor crBkClr;
    QColor crFgClr;
    qintptr lParam = 0;
    CGridFont lfFont;
    quint32 nMargin = 0;
    QString strText;
};

// A cell's attributes as the owner fills them in virtual mode, or an editor's result.
struct GV_DISPINFO {
    int code = 0;
    int idFrom = 0;
    GV_ITEM item;
};

// What an in-place editor reports when its edit ends: its text and the key that ended it.
inline GV_DISPINFO EndLabelEditInfo(int id, int row, int col, const QString& text, uint lastChar)
{
    GV_DISPINFO info;
    info.code = GvnEndLabelEdit;
    info.idFrom = id;
    info.item.row = row;
    info.item.col = col;
    info.item.mask = GvifText | GvifParam;
    info.item.strText = text;
    info.item.lParam = qintptr(lastChar);
    return info;
}

// What every notification carries: its code and the cell (for a cache hint, the range).
// The owner answers through `result`; below zero refuses an edit or a new text.
struct NM_GRIDVIEW {
    int code = 0;
    int iRow = -1;
    int iColumn = -1;
    CCellRange range;
    qintptr result = 0;
};
