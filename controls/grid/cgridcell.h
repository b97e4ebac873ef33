// The ordinary grid cell: it keeps its own text, data, image, format, colours, font and
// margin (each may be left to the default cell) and edits its text in a one-line editor.
#pragma once

#include "controls/grid/cgridcellbase.h"

#include <QPointer>
#include <QWidget>

class CGridCell : public CGridCellBase {
public:
    CGridCell();
    ~CGridCell() override;

    static std::unique_ptr<CGridCellBase> CreateObject();

    void SetText(const QString& text) override { m_strText = text; }
    void SetImage(int image) override { m_nImage = image; }
    void SetData(qintptr data) override { m_lParam = data; }
    void SetFormat(quint32 format) override { m_nFormat = format; }
    void SetTextClr(const QColor& colour) override;
    void SetBackClr(const QColor& colour) override;
    void SetFont(const CGridFont* font) override;
    void SetMargin(quint32 margin) override { m_nMargin = margin; }
    void SetGrid(CGridCtrl* grid) override { m_pGrid = grid; }
    void SetCoords(int, int) override {}

    QString GetText() const override { return m_strText; }
    int GetImage() const override { return m_nImage; }
    qintptr GetData() const override { return m_lParam; }
    quint32 GetFormat() const override;
    QColor GetTextClr() const override;
    QColor GetBackClr() const override;
    const CGridFont* GetFont() const override;
    CGridCtrl* GetGrid() const override { return m_pGrid; }
    QWidget* GetEditWnd() const override { return m_pEditWnd; }
    quint32 GetMargin() const override;
    bool IsDefaultFont() const override { return !m_plfFont; }
    bool IsEditing() const override { return m_bEditing; }

    void Reset() override;
    bool Edit(int row, int col, QRect rect, QPoint point, int id, uint nChar) override;
    void EndEdit() override;
    void OnEndEdit() override;

protected:
    // Opens the editor window of this kind of cell; the multi-line cell opens its own.
    virtual QWidget* CreateEditor(int row, int col, const QRect& rect, int id, uint nChar);

private:
    QString m_strText;
    qintptr m_lParam = 0;
    int m_nImage = -1;
    quint32 m_nFormat = kGridUseDefault;
    QRgb m_crFgClr = 0;
    QRgb m_crBkClr = 0;
    quint32 m_nMargin = kGridUseDefault;
    bool m_bOwnFgClr = false;
    bool m_bOwnBkClr = false;
    bool m_bEditing = false;
    std::unique_ptr<CGridFont> m_plfFont;
    CGridCtrl* m_pGrid = nullptr;
    QPointer<QWidget> m_pEditWnd;
};
