#include "controls/grid/cgriddefaultcell.h"

#include "controls/grid/cgridtext.h"

#include <QApplication>
#include <QFontMetrics>

CGridDefaultCell::CGridDefaultCell()
{
    SetFormat(kGridDefaultFormat);
    SetTextClr(QColor());
    SetBackClr(QColor());
    const CGridFont font{QApplication::font()};
    CGridDefaultCell::SetFont(&font);
}

CGridDefaultCell::~CGridDefaultCell() = default;

void CGridDefaultCell::SetFont(const CGridFont* font)
{
    if (!font)
        return;
    m_Font = *font;
    CGridCell::SetFont(font);
    // The margin is one blank; the size fits twelve capitals between two blanks, one and
    // a half lines high.
    const QFontMetrics metrics(m_Font.font);
    SetMargin(quint32(metrics.horizontalAdvance(QLatin1Char(' '))));
    const QSize sample = GridText::Extent(metrics, QStringLiteral(" XXXXXXXXXXXX "));
    m_Size = QSize(sample.width(), sample.height() * 3 / 2);
}
