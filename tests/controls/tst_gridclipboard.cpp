// The grid's clipboard and drag and drop: the text a copy forms, paste into narrow grids and
// onto read-only cells, cut, and drags within one grid and between two.
#include "controls/grid/cgridcellmultiline.h"
#include "controls/grid/cgridctrl.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPointer>
#include <QTest>

namespace {

// A grid whose drag enters `target`, moves over a cell and drops there, the way the window
// system would: a drop follows only when the last move was accepted.
class CDropGrid : public CGridCtrl {
public:
    using CGridCtrl::CGridCtrl;
    QPointer<CGridCtrl> target;
    CCellID dropCell;
    Qt::KeyboardModifiers mods;
    QList<Qt::DropAction> answers; // of the enter and the move
    bool hilited = false;          // the cell was highlighted before the drop

protected:
    Qt::DropAction DoDragDrop(std::unique_ptr<QMimeData> data) override
    {
        QRect rect;
        target->GetCellRect(dropCell, &rect);
        answers = {target->OnDragEnter(data.get(), mods, rect.center()),
                   target->OnDragOver(data.get(), mods, rect.center())};
        hilited = target->GetItemState(dropCell.row, dropCell.col) & GvisDropHilited;
        const Qt::DropAction action = answers.last();
        if (action == Qt::IgnoreAction || !target->OnDrop(data.get(), action, rect.center()))
            return Qt::IgnoreAction;
        return action;
    }
};

// Rows x cols with one fixed row and column; non-fixed texts are letters from 'a' on.
void Fill(CGridCtrl* grid, int rows, int cols)
{
    grid->SetRowCount(rows);
    grid->SetColumnCount(cols);
    grid->SetFixedRowCount(1);
    grid->SetFixedColumnCount(1);
    char letter = 'a';
    for (int r = 1; r < rows; ++r)
        for (int c = 1; c < cols; ++c)
            grid->SetItemText(r, c, QString(QLatin1Char(letter++)));
    grid->resize(500, 400);
}

// Makes the cell at (row, col) a multi-line cell with the same text.
void MakeMultiLine(CGridCtrl* grid, int row, int col)
{
    auto cell = CGridCellMultiLine::CreateObject();
    cell->SetText(grid->GetItemText(row, col));
    grid->SetCell(row, col, std::move(cell));
}

// Makes every non-fixed cell of column `col` a multi-line cell with the same text.
void MakeMultiLine(CGridCtrl* grid, int col)
{
    for (int r = 1; r < grid->GetRowCount(); ++r)
        MakeMultiLine(grid, r, col);
}

QMimeData* TextData(const QString& text)
{
    auto* data = new QMimeData;
    data->setText(text);
    return data;
}

} // namespace

class TstGridClipboard : public QObject {
    Q_OBJECT
private slots:
    void copyFormsText_data();
    void copyFormsText();
    void pasteNarrowGridDropsOverflow_data();
    void pasteNarrowGridDropsOverflow();
    void pasteLinesInsertsAndNumbersRows_data();
    void pasteLinesInsertsAndNumbersRows();
    void pasteKeepsProtectedFirstColumn();
    void cutEmptiesButReadOnlyStays();
    void dragMovesOrCopies_data();
    void dragMovesOrCopies();
    void dragImageShowsFocusCell();
};

void TstGridClipboard::copyFormsText_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QString>("text");
    QTest::newRow("all selected") << "all"
                                  << "a\tb\tc\r\nd\te\tf";
    QTest::newRow("one unselected") << "unselect b"
                                    << "a\t\tc\r\nd\te\tf";
    QTest::newRow("hidden column") << "hide column 2"
                                   << "a\tc\r\nd\tf";
    QTest::newRow("hidden last row") << "hide row 2"
                                     << "a\tb\tc\r\n";
    QTest::newRow("multi-line row ends") << "multi-line"
                                         << "a\tb\tc\x03"
                                            "d\te\tf\x03";
}

void TstGridClipboard::copyFormsText()
{
    QFETCH(QString, variant);
    QFETCH(QString, text);
    QPointer<CGridCtrl> grid = new CGridCtrl;
    Fill(grid, 3, 4);
    if (variant == QLatin1String("multi-line"))
        MakeMultiLine(grid, 3);
    grid->SetSelectedRange(1, 1, 2, 3);
    if (variant == QLatin1String("unselect b"))
        grid->SetItemState(1, 2, grid->GetItemState(1, 2) & ~GvisSelected);
    if (variant == QLatin1String("hide column 2"))
        grid->SetColumnWidth(2, 0);
    if (variant == QLatin1String("hide row 2"))
        grid->SetRowHeight(2, 0);
    std::unique_ptr<QMimeData> data = grid->CopyTextFromGrid();
    QVERIFY(data);
    QCOMPARE(data->text(), text);
    delete grid;
}

void TstGridClipboard::pasteNarrowGridDropsOverflow_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("col");
    QTest::newRow("both cells of a row at the last column") << "x\ty" << 1;
    QTest::newRow("outside text with tabs") << "p\tq\tr\ts\r\nt\tu" << 1;
    QTest::newRow("at column 0") << "m\tn" << 0;
    QTest::newRow("no tab") << "w" << 1;
}

void TstGridClipboard::pasteNarrowGridDropsOverflow()
{
    QFETCH(QString, text);
    QFETCH(int, col);
    // The two-column shape of a project grid: labels in column 0, values in column 1.
    QPointer<CGridCtrl> grid = new CGridCtrl(4, 2, 1, 0);
    for (int r = 1; r < 4; ++r)
        grid->SetItemText(r, 0, QStringLiteral("label %1").arg(r));
    std::unique_ptr<QMimeData> data(TextData(text));
    QVERIFY(grid->PasteTextToGrid(CCellID(2, col), data.get()));
    QCOMPARE(grid->GetColumnCount(), 2);
    // Each pasted line first inserts a row; the first cell's text lands in the paste column
    // (column 0 is numbered afterwards), and what lies beyond the edge is dropped.
    QStringList column;
    for (int r = 2; r < grid->GetRowCount(); ++r)
        column << grid->GetItemText(r, 1);
    if (col == 1)
        QVERIFY(column.contains(text.section(QLatin1Char('\t'), 0, 0)));
    QCOMPARE(grid->GetItemText(grid->GetRowCount() - 1, 0),
             QString::number(grid->GetRowCount() - 1));
    delete grid;
}

void TstGridClipboard::pasteLinesInsertsAndNumbersRows_data()
{
    // A grid of `rows` x `cols` filled by Fill, with multi-line cells where listed; the rows
    // from 1 on after the paste, their first three cells joined by tabs.
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QList<CCellID>>("multiLine");
    QTest::addColumn<QString>("text");
    QTest::addColumn<CCellID>("at");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<CCellID>("focus");
    QTest::addColumn<CCellRange>("selected");
    QTest::newRow("lines without tabs")
        << 4 << 3 << QList<CCellID>{} << "one\r\n a \r" << CCellID(2, 1)
        << QStringList{"\ta\tb", "2\tone\t", "3\ta\t", "4\tc\td", "5\te\tf"} << CCellID(3, 1)
        << CCellRange(2, 1, 3, 1);
    // The start row's class is read one column right of the offset counted from column 0:
    // (1, 1) is a plain cell, so a row goes in first.
    QTest::newRow("tabbed line, multi-line column 2")
        << 3 << 3 << QList<CCellID>{CCellID(1, 2), CCellID(2, 2)} << "x\ty" << CCellID(1, 1)
        << QStringList{"1\tx\ty", "2\ta\tb", "3\tc\td"} << CCellID(1, 1)
        << CCellRange(1, 1, 1, 2);
    // A copy whose last column is empty ends each line in a tab: that adds no cell, so each
    // line inserts one row, in order (the project view's two columns).
    QTest::newRow("lines ending in a tab")
        << 3 << 2 << QList<CCellID>{} << "a1\t\nb2\t\nc3\t\n" << CCellID(1, 1)
        << QStringList{"1\ta1\t", "2\tb2\t", "3\tc3\t", "4\ta\t", "5\tb\t"} << CCellID(4, 1)
        << CCellRange(1, 1, 3, 1);
    // The grid's own copy of such cells: past the right edge the CR before each line end is
    // dropped and takes no row of its own.
    QTest::newRow("copied lines ending in a tab")
        << 3 << 2 << QList<CCellID>{} << "a1\t\r\nb2\t\r\nc3\t" << CCellID(1, 1)
        << QStringList{"1\ta1\t", "2\tb2\t", "3\tc3\t", "4\ta\t", "5\tb\t"} << CCellID(3, 1)
        << CCellRange(1, 1, 3, 1);
    // Every line reads the classes in the start row, whose multi-line cells take the text in
    // place; the plain cells of the rows below would have had rows inserted.
    QTest::newRow("lines below a multi-line start row")
        << 4 << 3 << QList<CCellID>{CCellID(1, 1), CCellID(1, 2)} << "x\ty\r\nz\tw"
        << CCellID(1, 1) << QStringList{"1\tx\ty", "2\tz\tw", "3\te\tf"} << CCellID(2, 1)
        << CCellRange(1, 1, 2, 2);
}

void TstGridClipboard::pasteLinesInsertsAndNumbersRows()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(QList<CCellID>, multiLine);
    QFETCH(QString, text);
    QFETCH(CCellID, at);
    QFETCH(QStringList, after);
    QFETCH(CCellID, focus);
    QFETCH(CCellRange, selected);
    QPointer<CGridCtrl> grid = new CGridCtrl;
    Fill(grid, rows, cols);
    for (const CCellID& cell : multiLine)
        MakeMultiLine(grid, cell.row, cell.col);
    std::unique_ptr<QMimeData> data(TextData(text));
    QVERIFY(grid->PasteTextToGrid(at, data.get()));
    QStringList got;
    for (int r = 1; r < grid->GetRowCount(); ++r)
        got << QStringList{grid->GetItemText(r, 0), grid->GetItemText(r, 1),
                           grid->GetItemText(r, 2)}
                   .join(QLatin1Char('\t'));
    QCOMPARE(got, after);
    for (int r = at.row; r < grid->GetRowCount(); ++r)
        QVERIFY(grid->GetItemFormat(r, 0) & DtRight);
    QCOMPARE(grid->GetFocusCell(), focus);
    QCOMPARE(grid->GetSelectedCellRange(), selected);
    delete grid;
}

void TstGridClipboard::pasteKeepsProtectedFirstColumn()
{
    QPointer<CGridCtrl> grid = new CGridCtrl(4, 2, 1, 0);
    grid->SetProtectFirstColumn(true);
    for (int r = 1; r < 4; ++r)
        grid->SetItemText(r, 0, QStringLiteral("label %1").arg(r));
    std::unique_ptr<QMimeData> data(TextData(QStringLiteral("x\ty\r\nz")));
    QVERIFY(!grid->PasteTextToGrid(CCellID(1, 0), data.get()));
    QVERIFY(grid->PasteTextToGrid(CCellID(1, 1), data.get()));
    QStringList labels;
    for (int r = 0; r < grid->GetRowCount(); ++r)
        labels << grid->GetItemText(r, 0);
    QVERIFY(labels.contains(QStringLiteral("label 1")));
    QVERIFY(labels.contains(QStringLiteral("label 3")));
    QVERIFY(!labels.contains(QStringLiteral("1")));
    delete grid;
}

void TstGridClipboard::cutEmptiesButReadOnlyStays()
{
    QPointer<CGridCtrl> grid = new CGridCtrl;
    Fill(grid, 3, 3);
    grid->SetItemState(1, 2, grid->GetItemState(1, 2) | GvisReadOnly);
    grid->SetSelectedRange(1, 1, 2, 2);
    grid->SetFocusCell(1, 1);
    QTest::keyClick(grid.data(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("a\tb\r\nc\td"));
    QCOMPARE(grid->GetItemText(1, 1), QString());
    QCOMPARE(grid->GetItemText(1, 2), QStringLiteral("b"));
    QCOMPARE(grid->GetItemText(2, 2), QString());
    delete grid;
}

void TstGridClipboard::dragMovesOrCopies_data()
{
    QTest::addColumn<bool>("twoGrids");
    QTest::addColumn<bool>("copy");
    QTest::addColumn<CCellID>("dropCell");
    QTest::addColumn<QString>("sourceAfter");
    const CCellID cell(3, 3);
    QTest::newRow("move within one grid") << false << false << cell << "a";
    QTest::newRow("copy within one grid") << false << true << cell << "a";
    QTest::newRow("move between grids") << true << false << cell << "";
    QTest::newRow("copy between grids") << true << true << cell << "a";
    // The protected label column shows no drop coming, and none happens.
    QTest::newRow("onto the protected column") << true << false << CCellID(3, 0) << "a";
}

void TstGridClipboard::dragMovesOrCopies()
{
    QFETCH(bool, twoGrids);
    QFETCH(bool, copy);
    QFETCH(CCellID, dropCell);
    QFETCH(QString, sourceAfter);
    QPointer<CDropGrid> source = new CDropGrid;
    QPointer<CGridCtrl> other = new CGridCtrl;
    Fill(source, 4, 4);
    Fill(other, 4, 4);
    for (CGridCtrl* grid : {static_cast<CGridCtrl*>(source.data()), other.data()}) {
        grid->EnableDragAndDrop(true);
        grid->SetProtectFirstColumn(true);
        // As in the project view, column 0 is a normal column that a drag can reach.
        grid->SetFixedColumnCount(0);
        grid->show();
    }
    source->target = twoGrids ? other.data() : static_cast<CGridCtrl*>(source.data());
    source->dropCell = dropCell;
    source->mods = copy ? Qt::ControlModifier : Qt::NoModifier;
    source->SetSelectedRange(1, 1, 1, 1);
    source->SetFocusCell(1, 1);
    source->OnBeginDrag();
    CGridCtrl* target = source->target;
    QCOMPARE(source->GetItemText(1, 1), sourceAfter);
    const bool takes = dropCell.col != 0;
    const Qt::DropAction effect = !takes ? Qt::IgnoreAction
                                  : copy ? Qt::CopyAction
                                         : Qt::MoveAction;
    QCOMPARE(source->answers, QList<Qt::DropAction>({effect, effect}));
    QCOMPARE(source->hilited, takes);
    QVERIFY(!(target->GetItemState(dropCell.row, dropCell.col) & GvisDropHilited));
    if (takes) {
        // A drop that inserts rows moves the target's old rows down by one.
        QCOMPARE(target->GetItemText(3, 3), QStringLiteral("a"));
        QCOMPARE(target->GetLastDragOverCell(), CCellID(3, 3));
    } else {
        QCOMPARE(target->GetRowCount(), 4);
    }
    QCOMPARE(target->GetSelectedCount(), 0);
    delete source;
    delete other;
}

void TstGridClipboard::dragImageShowsFocusCell()
{
    CGridCtrl grid;
    Fill(&grid, 5, 5);
    grid.show();
    QPoint hotSpot(-1, -1);
    QVERIFY(grid.CreateDragImage(&hotSpot).isNull()); // no focus cell

    grid.SetItemBkColour(2, 2, Qt::green);
    grid.SetFocusCell(2, 2);
    QRect cell;
    QVERIFY(grid.GetCellRect(2, 2, &cell));
    const QImage own = grid.CreateDragImage(&hotSpot).toImage();
    QCOMPARE(own.size(), cell.size());
    QCOMPARE(hotSpot, QPoint(cell.width(), cell.height()));
    QCOMPARE(own.pixelColor(2, 2), QColor(Qt::green));
    // The focus frame is drawn as on the screen.
    QVERIFY(own.pixelColor(0, cell.height() / 2) != QColor(Qt::green));

    // A cell on the grid's own background leaves that background out of the picture.
    grid.SetFocusCell(3, 3);
    const QImage plain = grid.CreateDragImage(&hotSpot).toImage();
    QCOMPARE(plain.size(), cell.size());
    QCOMPARE(plain.pixelColor(2, 2).alpha(), 0);

    // Scrolled out of view it has no picture.
    grid.SetRowCount(60);
    grid.SetFocusCell(2, 2);
    grid.EnsureVisible(59, 2);
    QVERIFY(grid.CreateDragImage(&hotSpot).isNull());
}

QTEST_MAIN(TstGridClipboard)
#include "tst_gridclipboard.moc"
