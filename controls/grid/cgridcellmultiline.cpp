#include "controls/grid/cgridcellmultiline.h"

#include "controls/grid/cgridctrl.h"
#include "controls/grid/cgridtext.h"
#include "controls/grid/cinplacemultiline.h"

#include <QFontMetrics>
#include <QPainter>

std::unique_ptr<CGridCellBase> CGridCellMultiLine::CreateObject()
{
    return std::make_unique<CGridCellMultiLine>();
}

QWidget* CGridCellMultiLine::CreateEditor(int row, int col, const QRect& rect, int id,
                                          uint nChar)
{
    CGridCtrl* grid = GetGrid();
    auto* editor = new CInPlaceMultiLine(grid->viewport(), rect, id, row, col, GetText(), nChar);
    if (const CGridFont* font = grid->GetDefaultCell(false, false)->GetFont())
        editor->setFont(font->font);
    QObject::connect(editor, &CInPlaceMultiLine::EndLabelEdit, grid,
                     &CGridCtrl::OnEndInPlaceEdit);
    editor->Start();
    return editor;
}

QSize CGridCellMultiLine::GetCellExtentMultiLine(int width, QPainter* painter)
{
    QSize image(0, 0);
    CGridCtrl* grid = GetGrid();
    const int index = GetImage();
    if (grid && index >= 0 && index < grid->GetImageList().size())
        image = grid->GetImageList().at(index).size() + QSize(1, 1);

    const CGridDefaultCell* def = GetDefaultCell();
    if (!painter && !grid)
        return def ? QSize(def->GetWidth(), def->GetHeight()) : QSize();
    const QFont& font = FontForMeasuring().font;
    const QFontMetrics metrics =
        painter ? QFontMetrics(font, painter->device()) : QFontMetrics(font);
    const int margin = int(GetMargin());
    const int available = qMax(1, width - image.width() - 4 * margin);
    QSize text = GridText::CalcRect(metrics, GetText(), GetFormat(), available);
    text = Turned({text.width() + 4 * margin, text.height() + 2 * margin});
    return {text.width() + image.width(), qMax(text.height(), image.height())};
}
