// The grid's mouse and keyboard as a user drives them: the keys over hidden rows and columns
// and past the fixed cells, Home, End and the page keys, selecting by drag, by Shift and Ctrl
// clicks and from the headings, auto-scroll while a drag is outside, sizing rows and columns
// at their dividers and a double click on a divider.
#include "controls/grid/cgridcell.h"
#include "controls/grid/cgridctrl.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

constexpr int kWidth = 50;
constexpr int kHeight = 20;

// A shown grid of `rows` x `cols` with one fixed row and column, every column kWidth and
// every row kHeight pixels; cell texts are "r,c".
QPointer<CGridCtrl> MakeGrid(int rows, int cols)
{
    QPointer<CGridCtrl> grid = new CGridCtrl(rows, cols, 1, 1);
    for (int c = 0; c < cols; ++c)
        grid->SetColumnWidth(c, kWidth);
    for (int r = 0; r < rows; ++r) {
        grid->SetRowHeight(r, kHeight);
        for (int c = 0; c < cols; ++c)
            grid->SetItemText(r, c, QStringLiteral("%1,%2").arg(r).arg(c));
    }
    grid->resize(400, 300);
    grid->show();
    return grid;
}

QRect CellRect(CGridCtrl* grid, const CCellID& cell)
{
    QRect rect;
    grid->GetCellRect(cell, &rect);
    return rect;
}

QPoint CellCentre(CGridCtrl* grid, const CCellID& cell)
{
    return CellRect(grid, cell).center();
}

QList<CCellID> Selected(CGridCtrl* grid)
{
    QList<CCellID> cells;
    for (int r = 0; r < grid->GetRowCount(); ++r)
        for (int c = 0; c < grid->GetColumnCount(); ++c)
            if (grid->IsCellSelected(r, c))
                cells.append(CCellID(r, c));
    return cells;
}

// `cells` in the order Selected() lists them.
QList<CCellID> Sorted(QList<CCellID> cells)
{
    std::sort(cells.begin(), cells.end(), [](const CCellID& a, const CCellID& b) {
        return std::pair(a.row, a.col) < std::pair(b.row, b.col);
    });
    return cells;
}

// Every cell of rows `rows` and columns `cols` (bounds included).
QList<CCellID> Block(QPair<int, int> rows, QPair<int, int> cols)
{
    QList<CCellID> cells;
    for (int r = rows.first; r <= rows.second; ++r)
        for (int c = cols.first; c <= cols.second; ++c)
            cells.append(CCellID(r, c));
    return cells;
}

// A click of `button` on `cell` with `mods` held.
struct Press {
    CCellID cell;
    Qt::KeyboardModifiers mods;
    Qt::MouseButton button = Qt::LeftButton;
};
using Presses = QList<Press>;

void Click(CGridCtrl* grid, const Press& press)
{
    QTest::mouseClick(grid->viewport(), press.button, press.mods, CellCentre(grid, press.cell));
}

// The point of a divider in the headings: the far edge of `cell` or, with `before`, one
// pixel inside it past the divider before it.
QPoint DividerOf(CGridCtrl* grid, const CCellID& cell, bool rows, bool before)
{
    const QRect rect = CellRect(grid, cell);
    if (rows)
        return {rect.center().x(), before ? rect.top() + 1 : rect.bottom()};
    return {before ? rect.left() + 1 : rect.right(), rect.center().y()};
}

// The left button released on a window that opened while it was down; the grid never
// hears of the release.
void ReleaseOnAnotherWindow()
{
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, dialog.rect().center());
    dialog.close();
}

// With `elsewhere` the release goes to another window, and then the mouse comes back.
void Drag(QWidget* viewport, QPoint from, QPoint to, bool elsewhere = false)
{
    QTest::mouseMove(viewport, from);
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    if (to != from) {
        QTest::mouseMove(viewport, (from + to) / 2);
        QTest::mouseMove(viewport, to);
    }
    if (!elsewhere) {
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
        return;
    }
    ReleaseOnAnotherWindow();
    // Sent straight to the grid: a move without a button goes through the cursor, which may
    // stand there already.
    const QPoint back = viewport->rect().center();
    QMouseEvent move(QEvent::MouseMove, back, viewport->mapToGlobal(back), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
}

// The grid's picture once its pending layout is done.
QImage Look(CGridCtrl* grid)
{
    QCoreApplication::processEvents();
    return grid->viewport()->grab().toImage();
}

// The picture of a grid that was given `grid`'s sizes, texts, cell states and focus
// directly: nothing that a mouse gesture drew stays behind.
QImage PlainLook(CGridCtrl* grid)
{
    CGridCtrl twin(grid->GetRowCount(), grid->GetColumnCount(), 1, 1);
    twin.resize(grid->size());
    for (int r = 0; r < grid->GetRowCount(); ++r) {
        twin.SetRowHeight(r, grid->GetRowHeight(r));
        for (int c = 0; c < grid->GetColumnCount(); ++c) {
            twin.SetItemText(r, c, grid->GetItemText(r, c));
            twin.SetItemState(r, c, grid->GetItemState(r, c));
        }
    }
    twin.SetFocusCell(grid->GetFocusCell());
    for (int c = 0; c < grid->GetColumnCount(); ++c)
        twin.SetColumnWidth(c, grid->GetColumnWidth(c));
    twin.show();
    return Look(&twin);
}

void DoubleClick(QWidget* viewport, QPoint at)
{
    QTest::mouseMove(viewport, at);
    QTest::mousePress(viewport, Qt::LeftButton, {}, at);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
    QTest::mousePress(viewport, Qt::LeftButton, {}, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
}

// The mouse, its button held, moved to `at` (also outside the grid) and left there.
void MoveCursorTo(QWidget* viewport, QPoint at)
{
    QTest::mouseMove(viewport, at);
    QCursor::setPos(viewport->mapToGlobal(at));
}

// A cell that shows the pointing hand over itself.
class CHandCell : public CGridCell {
public:
    bool OnSetCursor() override
    {
        GetGrid()->viewport()->setCursor(Qt::PointingHandCursor);
        return true;
    }
};

// A cell that notes whether the wait cursor was up when its state changed.
class CWaitWatchCell : public CGridCell {
public:
    explicit CWaitWatchCell(bool* sawWait) : m_sawWait(sawWait) {}
    void SetState(quint32 state) override
    {
        const QCursor* cursor = QApplication::overrideCursor();
        *m_sawWait |= cursor && cursor->shape() == Qt::WaitCursor;
        CGridCell::SetState(state);
    }

private:
    bool* m_sawWait;
};

// The first pixel, along row (or column) `line` of the viewport, where `after` differs
// from `before`; -1 where none does.
int FirstDifference(const QImage& before, const QImage& after, bool rows, int line)
{
    const int length = rows ? before.height() : before.width();
    for (int i = 0; i < length; ++i) {
        const QPoint at = rows ? QPoint(line, i) : QPoint(i, line);
        if (before.pixel(at) != after.pixel(at))
            return i;
    }
    return -1;
}

} // namespace

namespace QTest {
template <> char* toString(const CCellID& cell)
{
    return qstrdup(QStringLiteral("(%1, %2)").arg(cell.row).arg(cell.col).toLatin1().constData());
}
} // namespace QTest

Q_DECLARE_METATYPE(Press)

class TstGridInput : public QObject {
    Q_OBJECT
private slots:
    void keysMoveAndSelect_data();
    void keysMoveAndSelect();
    void pageKeysMoveByAPage_data();
    void pageKeysMoveByAPage();
    void keysScrollTheFocusIntoView();
    void clicksSelect_data();
    void clicksSelect();
    void dragSelects_data();
    void dragSelects();
    void autoScrollWhileDraggingOutside_data();
    void autoScrollWhileDraggingOutside();
    void dividersSize_data();
    void dividersSize();
    void dividerDoubleClickFits_data();
    void dividerDoubleClickFits();
    void headingClicksSort();
    void cursorFollowsTheMouse_data();
    void cursorFollowsTheMouse();
    void sizingBandKeepsToTheSizedOne_data();
    void sizingBandKeepsToTheSizedOne();
    void largeSelectionShowsWaitCursor_data();
    void largeSelectionShowsWaitCursor();
};

void TstGridInput::keysMoveAndSelect_data()
{
    // A 12 x 7 grid; the start cell is clicked, then the keys go to the grid.
    QTest::addColumn<int>("fixedRows");
    QTest::addColumn<QList<int>>("hiddenRows");
    QTest::addColumn<QList<int>>("hiddenCols");
    QTest::addColumn<CCellID>("start");
    QTest::addColumn<QList<QKeyCombination>>("keys");
    QTest::addColumn<CCellID>("focus");
    QTest::addColumn<CCellRange>("selected");

    using Keys = QList<QKeyCombination>;
    const auto shift = Qt::ShiftModifier;
    const auto ctrl = Qt::ControlModifier;
    const QList<int> none;
    QTest::newRow("down over a hidden row")
        << 1 << QList<int>{4} << none << CCellID(3, 2) << Keys{Qt::Key_Down} << CCellID(5, 2)
        << CCellRange(5, 2, 5, 2);
    QTest::newRow("up over a hidden row")
        << 1 << QList<int>{4} << none << CCellID(5, 2) << Keys{Qt::Key_Up} << CCellID(3, 2)
        << CCellRange(3, 2, 3, 2);
    QTest::newRow("up stays below two fixed rows")
        << 2 << none << none << CCellID(2, 2) << Keys{Qt::Key_Up} << CCellID(2, 2)
        << CCellRange(2, 2, 2, 2);
    QTest::newRow("down stays on the last shown row")
        << 1 << QList<int>{11} << none << CCellID(10, 2) << Keys{Qt::Key_Down} << CCellID(10, 2)
        << CCellRange(10, 2, 10, 2);
    QTest::newRow("right over a hidden column")
        << 1 << none << QList<int>{3} << CCellID(2, 2) << Keys{Qt::Key_Right} << CCellID(2, 4)
        << CCellRange(2, 4, 2, 4);
    QTest::newRow("left over a hidden column")
        << 1 << none << QList<int>{3} << CCellID(2, 4) << Keys{Qt::Key_Left} << CCellID(2, 2)
        << CCellRange(2, 2, 2, 2);
    QTest::newRow("left stays on the first shown column")
        << 1 << none << QList<int>{1} << CCellID(2, 2) << Keys{Qt::Key_Left} << CCellID(2, 2)
        << CCellRange(2, 2, 2, 2);
    QTest::newRow("home: the first shown column")
        << 1 << none << QList<int>{1} << CCellID(3, 5) << Keys{Qt::Key_Home} << CCellID(3, 2)
        << CCellRange(3, 2, 3, 2);
    QTest::newRow("end: the last shown column")
        << 1 << none << QList<int>{6} << CCellID(3, 2) << Keys{Qt::Key_End} << CCellID(3, 5)
        << CCellRange(3, 5, 3, 5);
    QTest::newRow("ctrl+home: the first shown cell")
        << 2 << QList<int>{2} << QList<int>{1} << CCellID(8, 5)
        << Keys{QKeyCombination(ctrl, Qt::Key_Home)} << CCellID(3, 2) << CCellRange(3, 2, 3, 2);
    QTest::newRow("ctrl+end: the last shown cell")
        << 1 << QList<int>{11} << QList<int>{6} << CCellID(2, 2)
        << Keys{QKeyCombination(ctrl, Qt::Key_End)} << CCellID(10, 5) << CCellRange(10, 5, 10, 5);
    QTest::newRow("tab wraps over a hidden row to the first shown column")
        << 1 << QList<int>{4} << QList<int>{1} << CCellID(3, 6) << Keys{Qt::Key_Tab}
        << CCellID(5, 2) << CCellRange(5, 2, 5, 2);
    QTest::newRow("shift+tab wraps back to the last shown column")
        << 1 << none << QList<int>{6} << CCellID(4, 1) << Keys{Qt::Key_Backtab} << CCellID(3, 5)
        << CCellRange(3, 5, 3, 5);
    QTest::newRow("shift+tab stays on the first cell")
        << 1 << none << none << CCellID(1, 1) << Keys{Qt::Key_Backtab} << CCellID(1, 1)
        << CCellRange(1, 1, 1, 1);
    QTest::newRow("shift+down extends")
        << 1 << none << none << CCellID(3, 2) << Keys{QKeyCombination(shift, Qt::Key_Down)}
        << CCellID(4, 2) << CCellRange(3, 2, 4, 2);
    QTest::newRow("shift+right, shift+down: a block")
        << 1 << none << none << CCellID(3, 2)
        << Keys{QKeyCombination(shift, Qt::Key_Right), QKeyCombination(shift, Qt::Key_Down)}
        << CCellID(4, 3) << CCellRange(3, 2, 4, 3);
    QTest::newRow("shift+up back past the start shrinks and turns")
        << 1 << none << none << CCellID(3, 2)
        << Keys{QKeyCombination(shift, Qt::Key_Down), QKeyCombination(shift, Qt::Key_Down),
                QKeyCombination(shift, Qt::Key_Up), QKeyCombination(shift, Qt::Key_Up),
                QKeyCombination(shift, Qt::Key_Up)}
        << CCellID(2, 2) << CCellRange(2, 2, 3, 2);
    QTest::newRow("a plain key after shift keeps one cell")
        << 1 << none << none << CCellID(3, 2)
        << Keys{QKeyCombination(shift, Qt::Key_Down), QKeyCombination(shift, Qt::Key_Down),
                Qt::Key_Right}
        << CCellID(5, 3) << CCellRange(5, 3, 5, 3);
    QTest::newRow("shift+end to the row's end")
        << 1 << none << none << CCellID(3, 2) << Keys{QKeyCombination(shift, Qt::Key_End)}
        << CCellID(3, 6) << CCellRange(3, 2, 3, 6);
    QTest::newRow("shift+ctrl+end to the last cell")
        << 1 << none << none << CCellID(9, 5) << Keys{QKeyCombination(shift | ctrl, Qt::Key_End)}
        << CCellID(11, 6) << CCellRange(9, 5, 11, 6);
    QTest::newRow("shift+ctrl+home to the first cell")
        << 2 << none << none << CCellID(4, 3) << Keys{QKeyCombination(shift | ctrl, Qt::Key_Home)}
        << CCellID(2, 1) << CCellRange(2, 1, 4, 3);
}

void TstGridInput::keysMoveAndSelect()
{
    QFETCH(int, fixedRows);
    QFETCH(QList<int>, hiddenRows);
    QFETCH(QList<int>, hiddenCols);
    QFETCH(CCellID, start);
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(CCellID, focus);
    QFETCH(CCellRange, selected);
    QPointer<CGridCtrl> grid = MakeGrid(12, 7);
    grid->SetFixedRowCount(fixedRows);
    for (int row : hiddenRows)
        grid->SetRowHeight(row, 0);
    for (int col : hiddenCols)
        grid->SetColumnWidth(col, 0);
    Click(grid, {start, {}});
    QCOMPARE(grid->GetFocusCell(), start);
    for (QKeyCombination key : keys)
        QTest::keyClick(grid.data(), key.key(), key.keyboardModifiers());
    QCOMPARE(grid->GetFocusCell(), focus);
    const QList<CCellID> cells =
        Block({selected.minRow, selected.maxRow}, {selected.minCol, selected.maxCol});
    QCOMPARE(Selected(grid), cells);
    delete grid;
}

void TstGridInput::pageKeysMoveByAPage_data()
{
    // A page shows ten rows below the heading.
    QTest::addColumn<QList<int>>("hiddenRows");
    QTest::addColumn<int>("start");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("row");
    QTest::newRow("down a page") << QList<int>{} << 1 << QList<int>{Qt::Key_PageDown} << 11;
    QTest::newRow("down two pages")
        << QList<int>{} << 1 << QList<int>{Qt::Key_PageDown, Qt::Key_PageDown} << 21;
    QTest::newRow("hidden rows do not count")
        << QList<int>{5, 6} << 1 << QList<int>{Qt::Key_PageDown} << 13;
    QTest::newRow("down and up again")
        << QList<int>{} << 1 << QList<int>{Qt::Key_PageDown, Qt::Key_PageUp} << 1;
    QTest::newRow("up a page") << QList<int>{} << 30 << QList<int>{Qt::Key_PageUp} << 20;
    QTest::newRow("up over hidden rows")
        << QList<int>{25} << 30 << QList<int>{Qt::Key_PageUp} << 19;
    QTest::newRow("up near the top stops at the first row")
        << QList<int>{} << 5 << QList<int>{Qt::Key_PageUp} << 1;
    QTest::newRow("down near the end stops at the last row")
        << QList<int>{} << 55 << QList<int>{Qt::Key_PageDown} << 59;
    QTest::newRow("down at the end stays on the last shown row")
        << QList<int>{59} << 55 << QList<int>{Qt::Key_PageDown} << 58;
}

void TstGridInput::pageKeysMoveByAPage()
{
    QFETCH(QList<int>, hiddenRows);
    QFETCH(int, start);
    QFETCH(QList<int>, keys);
    QFETCH(int, row);
    QPointer<CGridCtrl> grid = MakeGrid(60, 4);
    grid->resize(grid->width(), grid->height() + 11 * kHeight - grid->viewport()->height());
    QCOMPARE(grid->viewport()->height(), 11 * kHeight);
    for (int hidden : hiddenRows)
        grid->SetRowHeight(hidden, 0);
    grid->SetFocusCell(start, 2);
    grid->EnsureVisible(start, 2);
    for (int key : keys)
        QTest::keyClick(grid.data(), Qt::Key(key));
    QCOMPARE(grid->GetFocusCell(), CCellID(row, 2));
    // The focus row shows in full.
    QVERIFY(grid->IsCellVisible(row, 2));
    const QRect rect = CellRect(grid, CCellID(row, 2));
    QVERIFY(rect.top() >= kHeight);
    QVERIFY(rect.bottom() < grid->viewport()->height());
    delete grid;
}

void TstGridInput::keysScrollTheFocusIntoView()
{
    QPointer<CGridCtrl> grid = MakeGrid(100, 30);
    const auto shownInFull = [&grid] {
        const QRect rect = CellRect(grid, grid->GetFocusCell());
        return grid->IsCellVisible(grid->GetFocusCell().row, grid->GetFocusCell().col) &&
               grid->viewport()->rect().contains(rect);
    };
    Click(grid, {CCellID(2, 2), {}});
    QTest::keyClick(grid.data(), Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(grid->GetFocusCell(), CCellID(99, 29));
    QVERIFY(shownInFull());
    QVERIFY(grid->GetScrollPos32(Qt::Vertical) > 0);
    QVERIFY(grid->GetScrollPos32(Qt::Horizontal) > 0);
    // Tab at the row's end wraps to the first column, scrolled back to the left.
    QTest::keyClick(grid.data(), Qt::Key_Up);
    QTest::keyClick(grid.data(), Qt::Key_Tab);
    QCOMPARE(grid->GetFocusCell(), CCellID(99, 1));
    QVERIFY(shownInFull());
    QCOMPARE(grid->GetScrollPos32(Qt::Horizontal), 0);
    QTest::keyClick(grid.data(), Qt::Key_End);
    QCOMPARE(grid->GetFocusCell(), CCellID(99, 29));
    QVERIFY(shownInFull());
    QTest::keyClick(grid.data(), Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(grid->GetFocusCell(), CCellID(1, 1));
    QVERIFY(shownInFull());
    QCOMPARE(grid->GetScrollPos32(Qt::Vertical), 0);
    QCOMPARE(grid->GetScrollPos32(Qt::Horizontal), 0);
    delete grid;
}

void TstGridInput::clicksSelect_data()
{
    // A 6 x 5 grid.
    QTest::addColumn<Presses>("presses");
    QTest::addColumn<bool>("listMode");
    QTest::addColumn<QList<CCellID>>("selected");
    QTest::addColumn<CCellID>("focus");

    const auto shift = Qt::ShiftModifier;
    const auto ctrl = Qt::ControlModifier;
    QList<CCellID> without = Block({2, 4}, {1, 3});
    without.removeAll(CCellID(3, 2));
    QTest::newRow("ctrl on a selected cell takes it out")
        << Presses{{{2, 1}, {}}, {{4, 3}, shift}, {{3, 2}, ctrl}} << false << without
        << CCellID(3, 2);
    // Shift reaches from the last click without Shift, Ctrl or not.
    QTest::newRow("shift after ctrl reaches from the ctrl click")
        << Presses{{{1, 1}, {}}, {{5, 4}, ctrl}, {{3, 2}, shift}} << false << Block({3, 5}, {2, 4})
        << CCellID(3, 2);
    QTest::newRow("ctrl+shift keeps the earlier cells")
        << Presses{{{1, 1}, {}}, {{3, 3}, ctrl}, {{4, 4}, shift | ctrl}} << false
        << QList<CCellID>{{1, 1}} + Block({3, 4}, {3, 4}) << CCellID(4, 4);
    QTest::newRow("a plain click after them keeps one cell")
        << Presses{{{1, 1}, {}}, {{3, 3}, ctrl}, {{4, 4}, shift | ctrl}, {{2, 2}, {}}} << false
        << QList<CCellID>{{2, 2}} << CCellID(2, 2);
    QTest::newRow("row headings, shift: the rows between")
        << Presses{{{2, 0}, {}}, {{4, 0}, shift}} << false << Block({2, 4}, {1, 4}) << CCellID();
    QTest::newRow("column headings, ctrl: a column more")
        << Presses{{{0, 2}, {}}, {{0, 4}, ctrl}} << false
        << Block({1, 5}, {2, 2}) + Block({1, 5}, {4, 4}) << CCellID();
    QTest::newRow("the corner: everything")
        << Presses{{{3, 3}, {}}, {{0, 0}, {}}} << false << Block({1, 5}, {1, 4}) << CCellID();
    // The right button moves the focus, out of the headings, and leaves the selection.
    QTest::newRow("right button on a heading")
        << Presses{{{2, 2}, {}}, {{0, 3}, {}, Qt::RightButton}} << false << QList<CCellID>{{2, 2}}
        << CCellID(1, 3);
    QTest::newRow("list mode: a click takes the row")
        << Presses{{{2, 3}, {}}} << true << Block({2, 2}, {1, 4}) << CCellID(2, 3);
    QTest::newRow("list mode: shift takes the rows between")
        << Presses{{{2, 3}, {}}, {{4, 1}, shift}} << true << Block({2, 4}, {1, 4}) << CCellID(4, 1);
    QTest::newRow("list mode: ctrl adds a row")
        << Presses{{{2, 3}, {}}, {{4, 1}, ctrl}} << true
        << Block({2, 2}, {1, 4}) + Block({4, 4}, {1, 4}) << CCellID(4, 1);
    QTest::newRow("list mode: ctrl on a selected row takes it out")
        << Presses{{{2, 3}, {}}, {{4, 1}, shift}, {{3, 2}, ctrl}} << true
        << Block({2, 2}, {1, 4}) + Block({4, 4}, {1, 4}) << CCellID(3, 2);
}

void TstGridInput::clicksSelect()
{
    QFETCH(Presses, presses);
    QFETCH(bool, listMode);
    QFETCH(QList<CCellID>, selected);
    QFETCH(CCellID, focus);
    QPointer<CGridCtrl> grid = MakeGrid(6, 5);
    grid->SetListMode(listMode);
    for (const Press& press : presses)
        Click(grid, press);
    QCOMPARE(Selected(grid), Sorted(selected));
    QCOMPARE(grid->GetFocusCell(), focus);
    QCOMPARE(grid->GetMouseMode(), CGridCtrl::MouseNothing);
    delete grid;
}

void TstGridInput::dragSelects_data()
{
    // A 6 x 5 grid: an optional click first, then the button goes down on the first cell of
    // the path, the mouse passes the others and the button comes up on the last.
    QTest::addColumn<CCellID>("clicked");
    QTest::addColumn<Qt::KeyboardModifiers>("mods");
    QTest::addColumn<QList<CCellID>>("path");
    QTest::addColumn<QList<CCellID>>("selected");
    QTest::addColumn<CCellID>("focus");

    const CCellID none;
    const Qt::KeyboardModifiers plain;
    QTest::newRow("down and right") << none << plain << QList<CCellID>{{2, 1}, {3, 2}, {4, 3}}
                                    << Block({2, 4}, {1, 3}) << CCellID(4, 3);
    QTest::newRow("up and left") << none << plain << QList<CCellID>{{4, 3}, {3, 2}, {2, 1}}
                                 << Block({2, 4}, {1, 3}) << CCellID(2, 1);
    QTest::newRow("back again shrinks")
        << none << plain << QList<CCellID>{{2, 1}, {3, 2}, {4, 3}, {3, 2}} << Block({2, 3}, {1, 2})
        << CCellID(3, 2);
    QTest::newRow("over the start to the other side")
        << none << plain << QList<CCellID>{{3, 2}, {4, 3}, {3, 2}, {2, 1}} << Block({2, 3}, {1, 2})
        << CCellID(2, 1);
    QTest::newRow("into the headings keeps the cells")
        << none << plain << QList<CCellID>{{3, 2}, {4, 3}, {0, 3}} << Block({3, 4}, {2, 3})
        << CCellID(4, 3);
    QTest::newRow("ctrl adds the block")
        << CCellID(1, 1) << Qt::KeyboardModifiers(Qt::ControlModifier)
        << QList<CCellID>{{3, 3}, {4, 4}} << QList<CCellID>{{1, 1}} + Block({3, 4}, {3, 4})
        << CCellID(4, 4);
    QTest::newRow("shift reaches from the click")
        << CCellID(1, 1) << Qt::KeyboardModifiers(Qt::ShiftModifier)
        << QList<CCellID>{{2, 2}, {3, 3}} << Block({1, 3}, {1, 3}) << CCellID(3, 3);
    QTest::newRow("along the column headings")
        << none << plain << QList<CCellID>{{0, 2}, {0, 3}, {0, 4}} << Block({1, 5}, {2, 4})
        << CCellID(1, 4);
    QTest::newRow("along the row headings")
        << none << plain << QList<CCellID>{{2, 0}, {3, 0}, {4, 0}} << Block({2, 4}, {1, 4})
        << CCellID(4, 1);
}

void TstGridInput::dragSelects()
{
    QFETCH(CCellID, clicked);
    QFETCH(Qt::KeyboardModifiers, mods);
    QFETCH(QList<CCellID>, path);
    QFETCH(QList<CCellID>, selected);
    QFETCH(CCellID, focus);
    QPointer<CGridCtrl> grid = MakeGrid(6, 5);
    if (clicked.IsValid())
        Click(grid, {clicked, {}});
    QWidget* viewport = grid->viewport();
    QTest::mouseMove(viewport, CellCentre(grid, path.first()));
    QTest::mousePress(viewport, Qt::LeftButton, mods, CellCentre(grid, path.first()));
    for (const CCellID& cell : path.mid(1))
        QTest::mouseMove(viewport, CellCentre(grid, cell));
    QTest::mouseRelease(viewport, Qt::LeftButton, mods, CellCentre(grid, path.last()));
    QCOMPARE(Selected(grid), Sorted(selected));
    QCOMPARE(grid->GetFocusCell(), focus);
    QCOMPARE(grid->GetMouseMode(), CGridCtrl::MouseNothing);
    delete grid;
}

void TstGridInput::autoScrollWhileDraggingOutside_data()
{
    // How the button comes up: outside the grid, or on a window that opened while it was
    // down and so takes the release.
    QTest::addColumn<bool>("window");
    QTest::newRow("let go outside") << false;
    QTest::newRow("a window takes the release") << true;
}

void TstGridInput::autoScrollWhileDraggingOutside()
{
    QFETCH(bool, window);
    QPointer<CGridCtrl> grid = MakeGrid(200, 30);
    QVERIFY(QTest::qWaitForWindowExposed(grid));
    QWidget* viewport = grid->viewport();
    const QPoint start = CellCentre(grid, CCellID(2, 2));
    QTest::mouseMove(viewport, start);
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    const auto block = [&grid] {
        const CCellRange range = grid->GetSelectedCellRange();
        return Block({range.minRow, range.maxRow}, {range.minCol, range.maxCol});
    };

    // Below the grid the rows scroll up and the selection follows.
    MoveCursorTo(viewport, QPoint(start.x(), viewport->height() + 30));
    QTRY_VERIFY(grid->GetFocusCell().row > 20);
    QVERIFY(grid->GetScrollPos32(Qt::Vertical) > 0);
    QCOMPARE(grid->GetSelectedCellRange().minRow, 2);
    QVERIFY(grid->GetSelectedCellRange().maxRow >= grid->GetFocusCell().row);
    QCOMPARE(Selected(grid), block());

    // Right of it the columns.
    MoveCursorTo(viewport, QPoint(viewport->width() + 30, viewport->height() / 2));
    QTRY_VERIFY(grid->GetFocusCell().col > 10);
    QVERIFY(grid->GetScrollPos32(Qt::Horizontal) > 0);
    QCOMPARE(grid->GetSelectedCellRange().minCol, 2);
    QCOMPARE(Selected(grid), block());

    // Over the headings back to the top, where it stops at the first row.
    MoveCursorTo(viewport, QPoint(viewport->width() / 2, kHeight / 2));
    QTRY_COMPARE(grid->GetFocusCell().row, 1);
    QCOMPARE(grid->GetScrollPos32(Qt::Vertical), 0);
    QCOMPARE(grid->GetSelectedCellRange().minRow, 1);
    QCOMPARE(grid->GetSelectedCellRange().maxRow, 2);

    // The button comes up: the scrolling ends, wherever the mouse goes then.
    const QPoint below(start.x(), viewport->height() + 30);
    MoveCursorTo(viewport, below);
    if (window) {
        ReleaseOnAnotherWindow();
        QCursor::setPos(viewport->mapToGlobal(below));
    } else {
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, below);
    }
    QTest::qWait(2 * CGridCtrl::kAutoScrollInterval);
    const CCellID focus = grid->GetFocusCell();
    const int position = grid->GetScrollPos32(Qt::Vertical);
    QTest::qWait(5 * CGridCtrl::kAutoScrollInterval);
    QCOMPARE(grid->GetFocusCell(), focus);
    QCOMPARE(grid->GetScrollPos32(Qt::Vertical), position);
    QCOMPARE(grid->GetMouseMode(), CGridCtrl::MouseNothing);
    delete grid;
}

void TstGridInput::dividersSize_data()
{
    // A 6 x 6 grid of 50 x 20 cells. The mouse goes down at a divider in the headings of
    // `cell` (`before`: one pixel past the divider before it) and moves by `by`.
    QTest::addColumn<bool>("rows");
    QTest::addColumn<CCellID>("cell");
    QTest::addColumn<bool>("before");
    QTest::addColumn<int>("by");
    QTest::addColumn<int>("hidden"); // hidden before the drag; -1: none
    // "no unhide", "no hiding", "no row resize", "release elsewhere"
    QTest::addColumn<QString>("option");
    QTest::addColumn<QList<int>>("sizes");

    QTest::newRow("column, far edge")
        << false << CCellID(0, 2) << false << 25 << -1 << "" << QList<int>{50, 50, 74, 50, 50, 50};
    QTest::newRow("column, past the divider: the one before")
        << false << CCellID(0, 3) << true << 20 << -1 << "" << QList<int>{50, 50, 71, 50, 50, 50};
    QTest::newRow("column, past a hidden one opens it")
        << false << CCellID(0, 3) << true << 30 << 2 << "" << QList<int>{50, 50, 31, 50, 50, 50};
    QTest::newRow("column, past a hidden one without unhiding: the shown one before")
        << false << CCellID(0, 3) << true << 30 << 2 << "no unhide"
        << QList<int>{50, 81, 0, 50, 50, 50};
    QTest::newRow("column, narrowed to nothing hides it")
        << false << CCellID(0, 2) << false << -200 << -1 << "" << QList<int>{50, 50, 0, 50, 50, 50};
    QTest::newRow("column, without hiding one pixel stays")
        << false << CCellID(0, 2) << false << -200 << -1 << "no hiding"
        << QList<int>{50, 50, 1, 50, 50, 50};
    // Past the grid's edge the width stops where the band does: a client's width (398)
    // less the fixed column.
    QTest::newRow("column, past the grid's edge")
        << false << CCellID(0, 2) << false << 1000 << -1 << "" << QList<int>{50, 50, 348, 50, 50, 50};
    QTest::newRow("column, the fixed one")
        << false << CCellID(0, 1) << true << 10 << -1 << "" << QList<int>{61, 50, 50, 50, 50, 50};
    QTest::newRow("column, no move no change")
        << false << CCellID(0, 2) << false << 0 << -1 << "" << QList<int>{50, 50, 50, 50, 50, 50};
    QTest::newRow("row, far edge")
        << true << CCellID(2, 0) << false << 15 << -1 << "" << QList<int>{20, 20, 34, 20, 20, 20};
    QTest::newRow("row, past the divider: the one before")
        << true << CCellID(3, 0) << true << 10 << -1 << "" << QList<int>{20, 20, 31, 20, 20, 20};
    QTest::newRow("row, past a hidden one opens it")
        << true << CCellID(3, 0) << true << 12 << 2 << "" << QList<int>{20, 20, 13, 20, 20, 20};
    QTest::newRow("row, past the grid's edge")
        << true << CCellID(2, 0) << false << 1000 << -1 << "" << QList<int>{20, 20, 278, 20, 20, 20};
    QTest::newRow("row, narrowed to nothing hides it")
        << true << CCellID(2, 0) << false << -200 << -1 << "" << QList<int>{20, 20, 0, 20, 20, 20};
    QTest::newRow("row, without hiding one pixel stays")
        << true << CCellID(2, 0) << false << -200 << -1 << "no hiding"
        << QList<int>{20, 20, 1, 20, 20, 20};
    // A sizing whose release another window took ends without a new size.
    QTest::newRow("column, the release elsewhere")
        << false << CCellID(0, 2) << false << 25 << -1 << "release elsewhere"
        << QList<int>{50, 50, 50, 50, 50, 50};
    QTest::newRow("row, the release elsewhere")
        << true << CCellID(2, 0) << false << 15 << -1 << "release elsewhere"
        << QList<int>{20, 20, 20, 20, 20, 20};
    // The project view's grid: its rows keep their heights and the drag selects rows.
    QTest::newRow("row, resize off") << true << CCellID(2, 0) << false << 25 << -1
                                     << "no row resize" << QList<int>{20, 20, 20, 20, 20, 20};
}

void TstGridInput::dividersSize()
{
    QFETCH(bool, rows);
    QFETCH(CCellID, cell);
    QFETCH(bool, before);
    QFETCH(int, by);
    QFETCH(int, hidden);
    QFETCH(QString, option);
    QFETCH(QList<int>, sizes);
    QPointer<CGridCtrl> grid = MakeGrid(6, 6);
    grid->SetUnhideHiddenColumns(option != QLatin1String("no unhide"));
    grid->SetHideColumnsBySizing(option != QLatin1String("no hiding"));
    grid->SetRowResize(option != QLatin1String("no row resize"));
    if (hidden >= 0)
        rows ? grid->SetRowHeight(hidden, 0) : grid->SetColumnWidth(hidden, 0);
    const QPoint from = DividerOf(grid, cell, rows, before);
    const QPoint to = from + (rows ? QPoint(0, by) : QPoint(by, 0));
    Drag(grid->viewport(), from, to, option == QLatin1String("release elsewhere"));
    QList<int> got;
    for (int i = 0; i < 6; ++i)
        got.append(rows ? grid->GetRowHeight(i) : grid->GetColumnWidth(i));
    QCOMPARE(got, sizes);
    QCOMPARE(grid->GetMouseMode(), CGridCtrl::MouseNothing);
    QCOMPARE(grid->GetSelectedCount() > 0, option == QLatin1String("no row resize"));
    QCOMPARE(Look(grid), PlainLook(grid));
    delete grid;
}

void TstGridInput::dividerDoubleClickFits_data()
{
    // A 6 x 6 grid of 50 x 20 cells; cell (2, 2) holds a long text, row 2 is 60 high.
    QTest::addColumn<bool>("rows");
    QTest::addColumn<CCellID>("cell"); // whose divider is double-clicked, as for sizing
    QTest::addColumn<bool>("before");
    QTest::addColumn<int>("hidden");
    QTest::addColumn<int>("fitted"); // the row or column that fits its text
    QTest::newRow("column, past the divider: the one before")
        << false << CCellID(0, 3) << true << -1 << 2;
    QTest::newRow("column, past a hidden one: the shown one before")
        << false << CCellID(0, 4) << true << 3 << 2;
    QTest::newRow("row, far edge") << true << CCellID(2, 0) << false << -1 << 2;
    QTest::newRow("row, past the divider: the one before")
        << true << CCellID(3, 0) << true << -1 << 2;
}

void TstGridInput::dividerDoubleClickFits()
{
    QFETCH(bool, rows);
    QFETCH(CCellID, cell);
    QFETCH(bool, before);
    QFETCH(int, hidden);
    QFETCH(int, fitted);
    QPointer<CGridCtrl> grid = MakeGrid(6, 6);
    const QString text(30, QLatin1Char('M'));
    grid->SetItemText(2, 2, text);
    grid->SetRowHeight(2, 60);
    if (hidden >= 0)
        rows ? grid->SetRowHeight(hidden, 0) : grid->SetColumnWidth(hidden, 0);
    QList<int> sizes;
    for (int i = 0; i < 6; ++i)
        sizes.append(rows ? grid->GetRowHeight(i) : grid->GetColumnWidth(i));
    DoubleClick(grid->viewport(), DividerOf(grid, cell, rows, before));
    const QFontMetrics metrics(grid->font());
    for (int i = 0; i < 6; ++i) {
        const int size = rows ? grid->GetRowHeight(i) : grid->GetColumnWidth(i);
        if (i != fitted) {
            QCOMPARE(size, sizes[i]);
        } else if (rows) {
            // One line of text, not the 60 pixels it had.
            QVERIFY2(size >= metrics.height() && size < 2 * metrics.height(),
                     qPrintable(QString::number(size)));
        } else {
            QVERIFY2(size >= metrics.horizontalAdvance(text), qPrintable(QString::number(size)));
        }
    }
    QCOMPARE(grid->GetMouseMode(), CGridCtrl::MouseNothing);
    QCOMPARE(Look(grid), PlainLook(grid));
    delete grid;
}

void TstGridInput::headingClicksSort()
{
    QPointer<CGridCtrl> grid = MakeGrid(5, 4);
    grid->SetHeaderSort(true);
    const QStringList texts = {"c", "a", "d", "b"};
    for (int r = 1; r < 5; ++r) {
        grid->SetItemText(r, 2, texts[r - 1]);
        grid->SetItemText(r, 3, QString::number(5 - r));
    }
    const auto column = [&grid](int col) {
        QStringList got;
        for (int r = 1; r < 5; ++r)
            got.append(grid->GetItemText(r, col));
        return got.join(QString());
    };
    Click(grid, {CCellID(0, 2), {}});
    QCOMPARE(column(2), QStringLiteral("abcd"));
    QCOMPARE(grid->GetSortColumn(), 2);
    // The same heading again turns the order round; another heading starts ascending.
    Click(grid, {CCellID(0, 2), {}});
    QCOMPARE(column(2), QStringLiteral("dcba"));
    Click(grid, {CCellID(0, 3), {}});
    QCOMPARE(column(3), QStringLiteral("1234"));
    QVERIFY(grid->GetSortAscending());
    // The clicked column is selected.
    QCOMPARE(Selected(grid), Block({1, 4}, {3, 3}));
    delete grid;
}

void TstGridInput::cursorFollowsTheMouse_data()
{
    // A 6 x 6 grid of 50 x 20 cells whose cell (2, 2) shows the pointing hand.
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("shape"); // Qt::CursorShape
    QTest::newRow("a cell with its own cursor") << QPoint(125, 50) << int(Qt::PointingHandCursor);
    QTest::newRow("a plain cell") << QPoint(175, 70) << int(Qt::ArrowCursor);
    QTest::newRow("a heading cell") << QPoint(175, 10) << int(Qt::ArrowCursor);
    QTest::newRow("a column divider") << QPoint(149, 10) << int(Qt::SizeHorCursor);
    QTest::newRow("a row divider") << QPoint(25, 59) << int(Qt::SizeVerCursor);
    QTest::newRow("outside the table") << QPoint(350, 200) << int(Qt::ArrowCursor);
}

void TstGridInput::cursorFollowsTheMouse()
{
    QFETCH(QPoint, at);
    QFETCH(int, shape);
    const std::unique_ptr<CGridCtrl> grid(MakeGrid(6, 6));
    QVERIFY(grid->SetCell(2, 2, std::make_unique<CHandCell>()));
    grid->viewport()->setCursor(Qt::CrossCursor);
    QTest::mouseMove(grid->viewport(), at);
    QCOMPARE(int(grid->viewport()->cursor().shape()), shape);
}

void TstGridInput::sizingBandKeepsToTheSizedOne_data()
{
    // Dragged far past the start of column (row) 2 of a 6 x 6 grid of 50 x 20 cells, the
    // band stops one pixel inside it.
    QTest::addColumn<bool>("rows");
    QTest::addColumn<int>("band");
    QTest::newRow("column") << false << 101;
    QTest::newRow("row") << true << 41;
}

void TstGridInput::sizingBandKeepsToTheSizedOne()
{
    QFETCH(bool, rows);
    QFETCH(int, band);
    const std::unique_ptr<CGridCtrl> grid(MakeGrid(6, 6));
    QWidget* viewport = grid->viewport();
    const QPoint from = DividerOf(grid.get(), rows ? CCellID(2, 0) : CCellID(0, 2), rows, false);
    const QPoint to = from - (rows ? QPoint(0, 200) : QPoint(200, 0));
    QTest::mouseMove(viewport, from);
    const QImage before = Look(grid.get());
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    QTest::mouseMove(viewport, to);
    const int line = rows ? 175 : 70; // across the non-fixed cells
    const QImage during = Look(grid.get());
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
    QCOMPARE(FirstDifference(before, during, rows, line), band);
}

void TstGridInput::largeSelectionShowsWaitCursor_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("wait");
    QTest::newRow("120,000 cells") << 1201 << true;
    QTest::newRow("10,000 cells") << 101 << false;
}

void TstGridInput::largeSelectionShowsWaitCursor()
{
    QFETCH(int, rows);
    QFETCH(bool, wait);
    bool sawWait = false;
    CGridCtrl grid;
    grid.SetDefaultCellType([&sawWait] { return std::make_unique<CWaitWatchCell>(&sawWait); });
    grid.SetRowCount(rows);
    grid.SetColumnCount(101);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    sawWait = false;
    grid.SelectAllCells();
    QCOMPARE(grid.GetSelectedCount(), (rows - 1) * 100);
    QCOMPARE(sawWait, wait);
    // Clearing that selection is as much work.
    sawWait = false;
    grid.ResetSelectedRange();
    QCOMPARE(sawWait, wait);
    QVERIFY(!QApplication::overrideCursor());
}

QTEST_MAIN(TstGridInput)
#include "tst_gridinput.moc"
