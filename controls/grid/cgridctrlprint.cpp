// Printing the grid: a printer font, the table laid out on a logical page in grid pixels,
// the pages counted, and each page painted with its header, heading rows, row headings,
// cells with black grid lines, and a footer with the page number.
#include "controls/grid/cgridctrl.h"

#include "platform/cprintinfo.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

namespace {

// Where each page starts along one axis: a page ends when the next size would overflow
// `usable`; a page always takes at least one row or column, so one too large for a page
// still prints (cut off) instead of leaving blank pages.
std::vector<int> PageStarts(int first, int count, int usable, const std::function<int(int)>& size)
{
    std::vector<int> starts{first};
    int sum = 0;
    for (int i = first; i < count; ++i) {
        sum += size(i);
        if (sum > usable && i != starts.back()) {
            starts.push_back(i);
            sum = size(i);
        }
    }
    return starts;
}

} // namespace

QFont CGridCtrl::BoldPrinterFont() const
{
    QFont bold = m_PrinterFont;
    bold.setBold(true);
    return bold;
}

QString CGridCtrl::GetPrintWindowTitle() const
{
    for (const QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (!w->windowTitle().isEmpty())
            return w->windowTitle();
    return QString();
}

void CGridCtrl::OnBeginPrinting(QPainter* pDC, CPrintInfo* pInfo)
{
    m_nPagesAcross = 1;
    m_nPageCount = 0;
    if (!pDC || !pInfo || !pDC->device())
        return;
    m_PrinterFont = QFont(QStringLiteral("Arial"));
    m_PrinterFont.setPixelSize(10);
    m_bPrinterFontValid = true;
    const QFontMetrics metrics(m_PrinterFont);
    const QString sample = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ");
    m_CharSize = QSize(qMax(1, metrics.horizontalAdvance(sample.left(52)) / 52),
                       qMax(1, metrics.height()));
    const int marginWidth = (m_nLeftMargin + m_nRightMargin) * m_CharSize.width();
    QPaintDevice* device = pDC->device();
    m_PaperSize = QSize(device->width(), device->height());
    if (m_PaperSize.isEmpty()) {
        m_bPrinterFontValid = false;
        return;
    }
    if (m_bPrintScreenScale) {
        const int screenX = logicalDpiX();
        const int screenY = logicalDpiY();
        m_LogicalPageSize = QSize(m_PaperSize.width() * screenX / device->logicalDpiX() * 3 / 4,
                                  m_PaperSize.height() * screenY / device->logicalDpiY() * 3 / 4);
    } else {
        const int width = int(GetVirtualWidth()) + marginWidth;
        m_LogicalPageSize = QSize(
            width, int(qint64(width) * m_PaperSize.height() / m_PaperSize.width()));
    }
    m_nPageHeight = m_LogicalPageSize.height() -
                    (m_nHeaderHeight + m_nFooterHeight + 2 * m_nGap) * m_CharSize.height() -
                    GetFixedRowHeight();
    m_PageFirstRows = PageStarts(m_nFixedRows, m_nRows, m_nPageHeight,
                                 [this](int row) { return GetRowHeight(row); });
    m_nPageWidth = m_LogicalPageSize.width() - GetFixedColumnWidth() - marginWidth;
    m_PageFirstCols = {m_nFixedCols};
    if (m_bPrintScreenScale)
        m_PageFirstCols = PageStarts(m_nFixedCols, m_nCols, m_nPageWidth,
                                     [this](int col) { return GetColumnWidth(col); });
    m_nPagesAcross = int(m_PageFirstCols.size());
    m_nPageCount = int(m_PageFirstRows.size()) * m_nPagesAcross;
    pInfo->SetMaxPage(unsigned(m_nPageCount));
    if (pInfo->GetToPage() != CPrintInfo::kUnknownMaxPage &&
        pInfo->GetToPage() <= unsigned(m_nPageCount))
        pInfo->SetMaxPage(pInfo->GetToPage());
    pInfo->m_nCurPage = 1;
}

void CGridCtrl::OnEndPrinting(QPainter* pDC, CPrintInfo* pInfo)
{
    (void)pDC;
    (void)pInfo;
    m_bPrinterFontValid = false;
}

void CGridCtrl::DrawPrintedLines(QPainter* painter, const QRect& rect, bool topLine,
                                 bool leftLine, int y0)
{
    const int x0 = rect.left() == 0 ? rect.left() : rect.left() - 1;
    if (m_nGridLines & GvlHorz) {
        painter->drawLine(x0, rect.bottom(), rect.right(), rect.bottom());
        if (topLine)
            painter->drawLine(x0, rect.top() - (y0 == rect.top() ? 0 : 1), rect.right(),
                              rect.top() - (y0 == rect.top() ? 0 : 1));
    }
    if (m_nGridLines & GvlVert) {
        painter->drawLine(rect.right(), y0, rect.right(), rect.bottom());
        if (leftLine)
            painter->drawLine(rect.left() == 0 ? 0 : rect.left() - 1, y0,
                              rect.left() == 0 ? 0 : rect.left() - 1, rect.bottom());
    }
}

void CGridCtrl::OnPrint(QPainter* pDC, CPrintInfo* pInfo)
{
    // Without a printer font (printing could not begin) there is nothing to lay out.
    if (!pDC || !pInfo || !m_bPrinterFontValid || m_nPageCount <= 0)
        return;
    const int page = int(pInfo->m_nCurPage);
    if (page < 1 || page > m_nPageCount)
        return;
    // Every path out restores the painter's font, pen and origin.
    pDC->save();
    pDC->setFont(m_PrinterFont);
    pDC->setPen(QPen(Qt::black, 0));
    pDC->setWindow(QRect(QPoint(-m_nLeftMargin * m_CharSize.width(), 0), m_LogicalPageSize));
    pDC->setViewport(QRect(QPoint(0, 0), m_PaperSize));
    const int marginWidth = (m_nLeftMargin + m_nRightMargin) * m_CharSize.width();
    pInfo->m_rectDraw = QRect(0, 0, m_LogicalPageSize.width() - marginWidth,
                              m_nHeaderHeight * m_CharSize.height());
    PrintHeader(pDC, pInfo);
    const int headingTop = (m_nHeaderHeight + m_nGap) * m_CharSize.height();
    const int rowPage = (page - 1) / m_nPagesAcross;
    const int colPage = (page - 1) % m_nPagesAcross;
    m_nPageFirstRow = m_PageFirstRows[size_t(rowPage)];
    m_nPageFirstCol = m_PageFirstCols[size_t(colPage)];
    const int fixedWidth = GetFixedColumnWidth();
    const int fixedHeight = GetFixedRowHeight();

    pDC->save();
    pDC->translate(0, headingTop + fixedHeight);
    PrintRowButtons(pDC, pInfo);
    pDC->restore();

    pDC->save();
    pDC->translate(0, headingTop);
    const int savedFirstCol = m_nPageFirstCol;
    m_nPageWidth += fixedWidth;
    if (m_nPageFirstCol == m_nFixedCols)
        m_nPageFirstCol = 0;
    PrintColumnHeadings(pDC, pInfo);
    m_nPageFirstCol = savedFirstCol;
    m_nPageWidth -= fixedWidth;
    pDC->restore();

    if (m_nPageFirstRow < m_nRows) {
        pDC->save();
        pDC->translate(fixedWidth, headingTop + fixedHeight);
        pDC->setClipRect(QRect(0, 0, m_nPageWidth, m_nPageHeight));
        QRect rect(0, 0, 0, 0);
        for (int row = m_nPageFirstRow; row < m_nRows; ++row) {
            rect.setTop(row == m_nPageFirstRow ? 0 : rect.bottom() + 1);
            rect.setBottom(rect.top() + GetRowHeight(row) - 1);
            // The page's first row prints even when it is taller than the page (cut off).
            if (rect.bottom() >= m_nPageHeight && row != m_nPageFirstRow)
                break;
            if (GetRowHeight(row) <= 0)
                continue;
            rect.setRight(-1);
            for (int col = m_nPageFirstCol; col < m_nCols; ++col) {
                rect.setLeft(rect.right() + 1);
                rect.setRight(rect.left() + GetColumnWidth(col) - 1);
                if (rect.right() >= m_nPageWidth)
                    break;
                if (GetColumnWidth(col) <= 0)
                    continue;
                if (CGridCellBase* cell = GetCell(row, col))
                    cell->PrintCell(pDC, row, col, rect);
                pDC->setPen(QPen(Qt::black, 0));
                DrawPrintedLines(pDC, rect, row == 0, col == 0,
                                 row == m_nPageFirstRow ? rect.top() : rect.top() - 1);
            }
        }
        pDC->restore();

        pInfo->m_rectDraw.setTop(0);
        pInfo->m_rectDraw.setBottom(m_nFooterHeight * m_CharSize.height());
        pDC->save();
        pDC->translate(0, m_LogicalPageSize.height() - m_nFooterHeight * m_CharSize.height());
        PrintFooter(pDC, pInfo);
        pDC->restore();
    }
    pDC->restore();
}

void CGridCtrl::PrintColumnHeadings(QPainter* pDC, CPrintInfo* pInfo)
{
    (void)pInfo;
    QRect rect(0, 0, 0, 0);
    rect.setBottom(-1);
    bool first = true;
    for (int row = 0; row < m_nFixedRows; ++row) {
        rect.setTop(rect.bottom() + 1);
        rect.setBottom(rect.top() + GetRowHeight(row) - 1);
        rect.setRight(-1);
        if (m_nPageFirstCol >= m_nFixedCols) {
            const bool before = first;
            PrintFixedRowCells(0, m_nFixedCols, row, rect, pDC, first);
            first = before;
        }
        PrintFixedRowCells(m_nPageFirstCol, m_nCols, row, rect, pDC, first);
    }
}

void CGridCtrl::PrintFixedRowCells(int nStartColumn, int nStopColumn, int& row, QRect& rect,
                                   QPainter* pDC, bool& bFirst)
{
    for (int col = nStartColumn; col < nStopColumn; ++col) {
        rect.setLeft(rect.right() + 1);
        rect.setRight(rect.left() + GetColumnWidth(col) - 1);
        if (rect.right() >= m_nPageWidth)
            break;
        if (GetColumnWidth(col) <= 0)
            continue;
        if (CGridCellBase* cell = GetCell(row, col))
            cell->PrintCell(pDC, row, col, rect);
        pDC->setPen(QPen(Qt::black, 0));
        DrawPrintedLines(pDC, rect, row == 0, bFirst, row == 0 ? rect.top() : rect.top() - 1);
        bFirst = false;
    }
}

void CGridCtrl::PrintRowButtons(QPainter* pDC, CPrintInfo* pInfo)
{
    (void)pInfo;
    QRect rect(0, 0, 0, 0);
    rect.setRight(-1);
    for (int col = 0; col < m_nFixedCols; ++col) {
        rect.setLeft(rect.right() + 1);
        rect.setRight(rect.left() + GetColumnWidth(col) - 1);
        bool top = true;
        rect.setBottom(-1);
        for (int row = m_nPageFirstRow; row < m_nRows; ++row) {
            rect.setTop(rect.bottom() + 1);
            rect.setBottom(rect.top() + GetRowHeight(row) - 1);
            if (rect.bottom() >= m_nPageHeight && row != m_nPageFirstRow)
                break;
            if (CGridCellBase* cell = GetCell(row, col))
                cell->PrintCell(pDC, row, col, rect);
            pDC->setPen(QPen(Qt::black, 0));
            DrawPrintedLines(pDC, rect, top, col == 0, row == 0 ? rect.top() : rect.top() - 1);
            top = false;
        }
    }
}

void CGridCtrl::PrintHeader(QPainter* pDC, CPrintInfo* pInfo)
{
    const QRect rect = pInfo->m_rectDraw;
    pDC->save();
    pDC->setFont(BoldPrinterFont());
    const QString middle = GetPrintWindowTitle();
    if (!middle.isEmpty())
        pDC->drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, middle);
    if (!m_strPrintAppTitle.isEmpty())
        pDC->drawText(rect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                      m_strPrintAppTitle);
    pDC->restore();
    pDC->setPen(QPen(Qt::black, 0));
    pDC->drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
}

void CGridCtrl::PrintFooter(QPainter* pDC, CPrintInfo* pInfo)
{
    const QRect rect = pInfo->m_rectDraw;
    const QString left =
        QStringLiteral("Page %1 of %2").arg(pInfo->m_nCurPage).arg(m_nPageCount);
    const QString right =
        QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
    pDC->setPen(QPen(Qt::black, 0));
    pDC->drawLine(rect.left(), rect.top(), rect.right(), rect.top());
    pDC->save();
    pDC->setFont(BoldPrinterFont());
    pDC->setPen(Qt::black);
    pDC->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, left);
    pDC->drawText(rect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, right);
    pDC->restore();
}

bool CGridCtrl::Print(QPrinter* printer)
{
    QPainter painter;
    if (!printer || !painter.begin(printer))
        return false;
    CPrintInfo info;
    info.m_printer = printer;
    OnBeginPrinting(&painter, &info);
    const unsigned last = info.GetMaxPage() == CPrintInfo::kUnknownMaxPage ? 0 : info.GetMaxPage();
    for (unsigned page = 1; page <= last && info.m_bContinuePrinting; ++page) {
        if (page > 1)
            printer->newPage();
        info.m_nCurPage = page;
        OnPrint(&painter, &info);
    }
    OnEndPrinting(&painter, &info);
    return painter.end();
}
