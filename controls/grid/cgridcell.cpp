#include "controls/grid/cgridcell.h"

#include "controls/grid/cgridctrl.h"
#include "controls/grid/cgriddefaultcell.h"
#include "controls/grid/cinplaceedit.h"
#include "controls/grid/cinplaceeditor.h"

CGridCell::CGridCell()
{
    CGridCell::Reset();
}

CGridCell::~CGridCell() = default;

std::unique_ptr<CGridCellBase> CGridCell::CreateObject()
{
    return std::make_unique<CGridCell>();
}

void CGridCell::SetTextClr(const QColor& colour)
{
    m_bOwnFgClr = colour.isValid();
    m_crFgClr = m_bOwnFgClr ? colour.rgba() : 0;
}

void CGridCell::SetBackClr(const QColor& colour)
{
    m_bOwnBkClr = colour.isValid();
    m_crBkClr = m_bOwnBkClr ? colour.rgba() : 0;
}

QColor CGridCell::GetTextClr() const
{
    return m_bOwnFgClr ? QColor::fromRgba(m_crFgClr) : QColor();
}

QColor CGridCell::GetBackClr() const
{
    return m_bOwnBkClr ? QColor::fromRgba(m_crBkClr) : QColor();
}

void CGridCell::SetFont(const CGridFont* font)
{
    if (!font) {
        m_plfFont.reset();
        return;
    }
    if (!m_plfFont)
        m_plfFont = std::make_unique<CGridFont>(*font);
    else
        *m_plfFont = *font;
}

quint32 CGridCell::GetFormat() const
{
    if (m_nFormat == kGridUseDefault) {
        if (const CGridDefaultCell* def = GetDefaultCell())
            return def->GetFormat();
    }
    return m_nFormat;
}

const CGridFont* CGridCell::GetFont() const
{
    if (m_plfFont)
        return m_plfFont.get();
    const CGridDefaultCell* def = GetDefaultCell();
    return def ? def->GetFont() : nullptr;
}

quint32 CGridCell::GetMargin() const
{
    if (m_nMargin == kGridUseDefault) {
        if (const CGridDefaultCell* def = GetDefaultCell())
            return def->GetMargin();
    }
    return m_nMargin;
}

void CGridCell::Reset()
{
    CGridCellBase::Reset();
    m_strText.clear();
    m_nImage = -1;
    m_lParam = 0;
    m_pGrid = nullptr;
    m_bEditing = false;
    m_pEditWnd = nullptr;
    m_nFormat = kGridUseDefault;
    m_bOwnFgClr = m_bOwnBkClr = false;
    m_crFgClr = m_crBkClr = 0;
    m_nMargin = kGridUseDefault;
    m_plfFont.reset();
}

bool CGridCell::Edit(int row, int col, QRect rect, QPoint point, int id, uint nChar)
{
    (void)point;
    if (m_bEditing) {
        // A second start while the editor is open hands the key to that editor.
        if (auto* editor = dynamic_cast<CInPlaceEditor*>(m_pEditWnd.data()))
            editor->SendChar(nChar);
        return true;
    }
    m_bEditing = true;
    m_pEditWnd = CreateEditor(row, col, rect, id, nChar);
    return true;
}

QWidget* CGridCell::CreateEditor(int row, int col, const QRect& rect, int id, uint nChar)
{
    const quint32 format = GetFormat();
    Qt::Alignment align = Qt::AlignLeft;
    if (format & DtRight)
        align = Qt::AlignRight;
    else if (format & DtCenter)
        align = Qt::AlignHCenter;
    CGridCtrl* grid = GetGrid();
    auto* editor = new CInPlaceEdit(grid->viewport(), rect, align, id, row, col, GetText(), nChar);
    if (const CGridFont* font = grid->GetDefaultCell(false, false)->GetFont())
        editor->setFont(font->font);
    QObject::connect(editor, &CInPlaceEdit::EndLabelEdit, grid, &CGridCtrl::OnEndInPlaceEdit);
    editor->Start();
    return editor;
}

void CGridCell::EndEdit()
{
    if (auto* editor = dynamic_cast<CInPlaceEditor*>(m_pEditWnd.data()))
        editor->EndEdit();
}

void CGridCell::OnEndEdit()
{
    m_bEditing = false;
    m_pEditWnd = nullptr;
}
