// How the grid control fares with 100,000 rows x 10 columns: setting every text, painting
// one screen, scrolling by a page and sorting by a column; the memory a cell takes; how
// long scrolling the last row into view takes as the rows grow tenfold; and how long filling
// a grid row by row takes, the way the project view fills its table, and how long pasting
// many lines into such a table takes, into a small one and near the top of a large one.
#include "controls/grid/cgridcell.h"
#include "controls/grid/cgridctrl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;

// The process's resident memory in kilobytes (Linux).
long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
    }
    return 0;
}

double PaintOnceMs(CGridCtrl& grid)
{
    QPixmap target(grid.viewport()->size());
    QElapsedTimer timer;
    timer.start();
    QPainter painter(&target);
    grid.OnDraw(&painter, grid.viewport()->rect());
    painter.end();
    return timer.nsecsElapsed() / 1.0e6;
}

// EnsureVisible from the top to the last cell of a grid of `rows` x kCols. The grid keeps no
// cells (virtual mode): scrolling looks at row heights only, and a million rows of cells
// would not fit the memory of a test machine.
double EnsureVisibleLastRowMs(int rows)
{
    CGridCtrl grid;
    grid.SetVirtualMode(true);
    grid.resize(1000, 700);
    grid.SetRowCount(rows);
    grid.SetColumnCount(kCols);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    grid.show();
    QElapsedTimer timer;
    timer.start();
    grid.EnsureVisible(rows - 1, kCols - 1);
    return timer.nsecsElapsed() / 1.0e6;
}

// The time since `timer` started once the event loop has taken in what the grid posted
// (a layout for its scroll bars, a paint): the window shows the result only then.
double ShownMs(const QElapsedTimer& timer)
{
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1.0e6;
}

// Appends `rows` rows to a shown two-column grid with a heading row, each with a label, a
// right-aligned value and a background, as the project view does for a project's lines.
double FillRowsMs(int rows)
{
    CGridCtrl grid(1, 2, 1, 0);
    grid.resize(1000, 700);
    grid.show();
    QElapsedTimer timer;
    timer.start();
    for (int r = 0; r < rows; ++r) {
        const int row = grid.InsertRow(QString());
        grid.SetItemText(row, 0, QStringLiteral("Stop current:"));
        grid.SetItemText(row, 1, QStringLiteral("1.0 A"));
        grid.SetItemFormat(row, 1, DtRight | DtVCenter | DtSingleLine | DtNoPrefix);
        grid.SetItemBkColour(row, 0, Qt::yellow);
    }
    return ShownMs(timer);
}

// Pastes `lines` lines (each ending in `lineEnd`) onto the value column of `row` in a shown
// grid of the project view's shape: a label column kept from pastes, a heading row and `rows`
// rows.
double PasteLinesMs(int lines, const QString& lineEnd, int rows = 100, int row = 50)
{
    CGridCtrl grid(rows + 1, 2, 1, 0);
    grid.SetProtectFirstColumn(true);
    grid.resize(1000, 700);
    grid.show();
    QString text;
    for (int line = 0; line < lines; ++line)
        text += QStringLiteral("value %1").arg(line) + lineEnd;
    QMimeData data;
    data.setText(text);
    QElapsedTimer timer;
    timer.start();
    grid.PasteTextToGrid(CCellID(row, 1), &data);
    return ShownMs(timer);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const long before = ResidentKb();
    CGridCtrl grid(0, 0, 0, 0);
    grid.resize(1000, 700);
    grid.show();
    QElapsedTimer timer;
    timer.start();
    grid.SetRowCount(kRows);
    grid.SetColumnCount(kCols);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    const double createMs = timer.nsecsElapsed() / 1.0e6;
    timer.restart();
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            grid.SetItemText(r, c, QString::number((r * 7919 + c) % 100003));
    const double textMs = timer.nsecsElapsed() / 1.0e6;
    const long after = ResidentKb();

    const double paintTopMs = PaintOnceMs(grid);
    grid.SetScrollPos32(Qt::Vertical, grid.GetScrollPos32(Qt::Vertical) + 600);
    const double paintPageMs = PaintOnceMs(grid);
    grid.EnsureVisible(kRows - 1, kCols - 1);
    const double paintEndMs = PaintOnceMs(grid);
    timer.restart();
    grid.SortTextItems(3, true);
    const double sortMs = timer.nsecsElapsed() / 1.0e6;

    std::printf("grid of %d rows x %d columns\n", kRows, kCols);
    std::printf("%-34s %10.1f ms\n", "create the cells", createMs);
    std::printf("%-34s %10.1f ms\n", "set every text", textMs);
    std::printf("%-34s %10.2f ms\n", "paint one screen at the top", paintTopMs);
    std::printf("%-34s %10.2f ms\n", "paint after scrolling a page", paintPageMs);
    std::printf("%-34s %10.2f ms\n", "paint one screen at the end", paintEndMs);
    std::printf("%-34s %10.1f ms\n", "sort by column 3", sortMs);
    std::printf("%-34s %10.0f bytes (sizeof cell %zu)\n", "memory per cell, texts included",
                (after - before) * 1024.0 / (double(kRows) * kCols), sizeof(CGridCell));
    std::printf("EnsureVisible to the last row\n");
    for (int rows : {10000, 100000, 1000000})
        std::printf("%29d rows %10.2f ms\n", rows, EnsureVisibleLastRowMs(rows));
    std::printf("fill row by row (InsertRow, two texts, a format, a colour)\n");
    for (int rows : {100000, 1000000}) {
        const double ms = FillRowsMs(rows);
        std::printf("%29d rows %10.1f ms %8.2f us a row\n", rows, ms, ms * 1000.0 / rows);
    }
    for (const char* lineEnd : {"\r\n", "\t\r\n"}) {
        std::printf("paste lines ending in %s onto a value cell\n",
                    lineEnd[0] == '\t' ? "a tab" : "CR LF");
        for (int lines : {10000, 100000}) {
            const double ms = PasteLinesMs(lines, QString::fromLatin1(lineEnd));
            std::printf("%28d lines %10.1f ms %8.2f us a line\n", lines, ms, ms * 1000.0 / lines);
        }
    }
    // Every pasted line inserts a row above all the rows below it.
    std::printf("paste 100000 lines onto row 10 of a grid of\n");
    for (int rows : {100000, 200000}) {
        const double ms = PasteLinesMs(100000, QStringLiteral("\r\n"), rows, 10);
        std::printf("%29d rows %10.1f ms %8.2f us a line\n", rows, ms, ms * 1000.0 / 100000);
    }
    return 0;
}
