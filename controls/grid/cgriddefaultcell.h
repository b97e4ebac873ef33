// A grid's default cell: the attributes a cell of its kind (normal, fixed row, fixed column,
// or both) takes when it leaves its own unset, plus the width and height new rows and
// columns get. Setting its font measures the margin and those sizes anew.
#pragma once

#include "controls/grid/cgridcell.h"

class CGridDefaultCell : public CGridCell {
public:
    CGridDefaultCell();
    ~CGridDefaultCell() override;

    void SetData(qintptr) override {}
    void SetState(quint32) override {}
    // A default cell is never written to by the user.
    quint32 GetState() const override { return CGridCell::GetState() | GvisReadOnly; }
    void SetFont(const CGridFont* font) override;
    const CGridFont* GetFont() const override { return &m_Font; }

    quint32 GetStyle() const { return m_dwStyle; }
    void SetStyle(quint32 style) { m_dwStyle = style; }
    int GetWidth() const { return m_Size.width(); }
    int GetHeight() const { return m_Size.height(); }
    void SetWidth(int width) { m_Size.setWidth(width); }
    void SetHeight(int height) { m_Size.setHeight(height); }

private:
    QSize m_Size{30, 10};
    CGridFont m_Font;
    quint32 m_dwStyle = 0;
};
