// A grid cell whose text wraps over several lines and is edited in a multi-line editor.
#pragma once

#include "controls/grid/cgridcell.h"

class CGridCellMultiLine : public CGridCell {
public:
    static std::unique_ptr<CGridCellBase> CreateObject();

    // The size the cell needs when its column is `width` pixels wide.
    QSize GetCellExtentMultiLine(int width, QPainter* painter = nullptr);

protected:
    QWidget* CreateEditor(int row, int col, const QRect& rect, int id, uint nChar) override;
};
