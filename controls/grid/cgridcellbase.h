// The interface of every grid cell: its attributes (text, data, image, format, colours,
// font, margin, state), how it measures and paints itself on the screen and on paper, and
// the hooks the grid calls while the cell is edited or clicked. Attributes left unset are
// taken from the grid's default cell of the cell's kind.
#pragma once

#include "controls/grid/cgriddefs.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class CGridCtrl;
class CGridDefaultCell;
class QPainter;
class QWidget;

class CGridCellBase {
public:
    CGridCellBase() = default;
    CGridCellBase(const CGridCellBase&) = delete;
    virtual ~CGridCellBase();

    virtual void SetText(const QString& text) = 0;
    virtual void SetImage(int image) = 0;
    virtual void SetData(qintptr data) = 0;
    virtual void SetState(quint32 state) { m_nState = state; }
    virtual void SetFormat(quint32 format) = 0;
    // An invalid colour means "take the default cell's".
    virtual void SetTextClr(const QColor& colour) = 0;
    virtual void SetBackClr(const QColor& colour) = 0;
    // Null drops the cell's own font; otherwise the cell keeps a copy, angle and all.
    virtual void SetFont(const CGridFont* font) = 0;
    virtual void SetMargin(quint32 margin) = 0;
    virtual void SetGrid(CGridCtrl* grid) = 0;
    virtual void SetCoords(int row, int col) = 0;

    virtual QString GetText() const = 0;
    virtual QString GetTipText() const { return GetText(); }
    virtual int GetImage() const = 0;
    virtual qintptr GetData() const = 0;
    virtual quint32 GetState() const { return m_nState; }
    virtual quint32 GetFormat() const = 0;
    virtual QColor GetTextClr() const = 0;
    virtual QColor GetBackClr() const = 0;
    // The cell's own font, or its default cell's; null without either.
    virtual const CGridFont* GetFont() const = 0;
    virtual CGridCtrl* GetGrid() const = 0;
    virtual QWidget* GetEditWnd() const = 0;
    virtual quint32 GetMargin() const = 0;
    virtual CGridDefaultCell* GetDefaultCell() const;
    virtual bool IsDefaultFont() const = 0;
    virtual bool IsEditing() const = 0;

    virtual bool IsFocused() const { return GetState() & GvisFocused; }
    virtual bool IsFixed() const { return GetState() & GvisFixed; }
    virtual bool IsFixedCol() const { return GetState() & GvisFixedCol; }
    virtual bool IsFixedRow() const { return GetState() & GvisFixedRow; }
    virtual bool IsSelected() const { return GetState() & GvisSelected; }
    virtual bool IsReadOnly() const { return GetState() & GvisReadOnly; }
    virtual bool IsModified() const { return GetState() & GvisModified; }
    virtual bool IsDropHighlighted() const { return GetState() & GvisDropHilited; }

    // Copies every attribute of `cell` through the setters.
    virtual void CopyFrom(const CGridCellBase& cell);
    CGridCellBase& operator=(const CGridCellBase& cell)
    {
        CopyFrom(cell);
        return *this;
    }
    virtual void Reset() { m_nState = 0; }

    // `rect` holds the cell's left and top pixel and, as right and bottom, the pixel of its
    // grid lines (QRect::right() and bottom() are that pixel).
    virtual bool Draw(QPainter* painter, int row, int col, QRect rect, bool bEraseBkgnd);
    virtual bool GetTextRect(QRect* rect);
    virtual bool GetTipTextRect(QRect* rect) { return GetTextRect(rect); }
    // The size `text` needs in this cell; measured for `painter`'s device when given.
    virtual QSize GetTextExtent(const QString& text, QPainter* painter = nullptr);
    virtual QSize GetCellExtent(QPainter* painter = nullptr);

    virtual bool Edit(int row, int col, QRect rect, QPoint point, int id, uint nChar);
    virtual bool ValidateEdit(const QString& text);
    virtual void EndEdit() {}
    virtual void PrintCell(QPainter* painter, int row, int col, QRect rect);
    virtual void OnEndEdit() {}

    virtual void OnMouseEnter() {}
    virtual void OnMouseOver() {}
    virtual void OnMouseLeave() {}
    virtual void OnClick(QPoint point);
    virtual void OnClickDown(QPoint point);
    virtual void OnRClick(QPoint point);
    virtual void OnDblClick(QPoint point);
    virtual bool OnSetCursor();

protected:
    // The colours a cell is painted with once "take the default" is resolved.
    QColor ResolvedTextClr() const;
    QColor ResolvedBackClr() const;
    // A measured text extent turned for vertical text: the axes swap and the new height
    // gets four more margins.
    QSize Turned(const QSize& extent) const;
    // The font the cell is measured and painted with; a plain font without any.
    const CGridFont& FontForMeasuring() const;

private:
    void DrawFixedEdge(QPainter& painter, const QRect& rect, bool sunken) const;
    void DrawSortArrow(QPainter& painter, int col, QRect& rect) const;

    quint32 m_nState = 0;
};

// Makes a cell of the kind a grid creates its cells as.
using CGridCellFactory = std::function<std::unique_ptr<CGridCellBase>()>;
