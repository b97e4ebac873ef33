// Printing the grid to PDF: the page count follows the row heights, every page carries the
// heading rows and a footer with its number, a row taller than a page still prints, and a
// grid with heading rows only prints one page without a footer.
#include "controls/grid/cgridctrl.h"
#include "platform/cprintinfo.h"
#include "tests/support/pdfpages.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Records what each printed page contained.
class CRecordingGrid : public CGridCtrl {
public:
    using CGridCtrl::CGridCtrl;
    QList<unsigned> footers;
    QList<unsigned> headings;

protected:
    void PrintFooter(QPainter* pDC, CPrintInfo* pInfo) override
    {
        footers << pInfo->m_nCurPage;
        CGridCtrl::PrintFooter(pDC, pInfo);
    }
    void PrintColumnHeadings(QPainter* pDC, CPrintInfo* pInfo) override
    {
        headings << pInfo->m_nCurPage;
        CGridCtrl::PrintColumnHeadings(pDC, pInfo);
    }
};

} // namespace

class TstGridPrint : public QObject {
    Q_OBJECT
private slots:
    void printsPages_data();
    void printsPages();
    void tallRowPrintsOnItsPage();
    void noPrinterFontPrintsNothing();
};

void TstGridPrint::printsPages_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("tallRow"); // -1: none
    QTest::newRow("200 rows") << 200 << -1;
    QTest::newRow("heading rows only") << 1 << -1;
    QTest::newRow("row taller than a page") << 40 << 5;
}

void TstGridPrint::printsPages()
{
    QFETCH(int, rows);
    QFETCH(int, tallRow);
    QTemporaryDir dir;
    QPointer<CRecordingGrid> grid = new CRecordingGrid(rows, 4, 1, 1);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 4; ++c)
            grid->SetItemText(r, c, QStringLiteral("r%1c%2").arg(r).arg(c));
    if (tallRow >= 0)
        grid->SetRowHeight(tallRow, 5000);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = dir.filePath(QStringLiteral("grid.pdf"));
    printer.setOutputFileName(path);
    QVERIFY(grid->Print(&printer));
    const int pages = grid->GetPrintPageCount();
    QVERIFY(pages >= 1);
    QCOMPARE(PdfPageCount(path), pages);
    QCOMPARE(grid->GetPrintPagesAcross(), 1);
    QCOMPARE(grid->headings.size(), pages);
    if (rows == 1) {
        QCOMPARE(pages, 1);
        QVERIFY(grid->footers.isEmpty());
    } else {
        QCOMPARE(grid->footers.size(), pages);
        QVERIFY(pages > 1);
    }
    // The grid's whole width fits the page, whose height follows the paper's proportions.
    const QSize page = grid->GetPrintLogicalPage();
    QVERIFY(page.width() > grid->GetVirtualWidth());
    const QRect paper = printer.pageLayout().paintRectPixels(printer.resolution());
    QVERIFY(qAbs(double(page.height()) / page.width() - double(paper.height()) / paper.width()) <
            0.01);
    delete grid;
}

void TstGridPrint::tallRowPrintsOnItsPage()
{
    // Paint the tall row's page onto an image: its cells show below the headings.
    QPointer<CGridCtrl> grid = new CGridCtrl(4, 3, 1, 1);
    grid->SetRowHeight(1, 5000);
    grid->SetItemBkColour(1, 1, Qt::red);
    QImage image(600, 800, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CPrintInfo info;
    grid->OnBeginPrinting(&painter, &info);
    QCOMPARE(grid->GetPrintPageCount(), 2);
    info.m_nCurPage = 1;
    grid->OnPrint(&painter, &info);
    grid->OnEndPrinting(&painter, &info);
    painter.end();
    int red = 0;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            red += image.pixelColor(x, y) == QColor(Qt::red);
    QVERIFY(red > 100);
    delete grid;
}

void TstGridPrint::noPrinterFontPrintsNothing()
{
    QPointer<CGridCtrl> grid = new CGridCtrl(4, 3, 1, 1);
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CPrintInfo info;
    grid->OnPrint(&painter, &info); // printing never began
    QCOMPARE(grid->GetPrintPagesAcross(), 1);
    painter.end();
    QCOMPARE(image.pixelColor(50, 50), QColor(Qt::white));
    delete grid;
}

QTEST_MAIN(TstGridPrint)
#include "tst_gridprint.moc"
