// The grid control driven through its public operations, the keyboard and the mouse on an
// offscreen window: storage, selection, keyboard bounds, sorting, the wheel and editing.
#include "controls/grid/cgridcellmultiline.h"
#include "controls/grid/cgridctrl.h"
#include "controls/grid/ctitletip.h"

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <functional>

namespace {

// A shown grid of `rows` x `cols` with one fixed row and column; cell texts are "r,c".
QPointer<CGridCtrl> MakeGrid(int rows, int cols, bool texts = true)
{
    QPointer<CGridCtrl> grid = new CGridCtrl(rows, cols, 1, 1);
    grid->resize(400, 300);
    if (texts)
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                grid->SetItemText(r, c, QStringLiteral("%1,%2").arg(r).arg(c));
    grid->show();
    return grid;
}

// The bounding box of the pixels inside `area` that `match` picks.
QRect PixelsWhere(const QImage& image, const QRect& area, const std::function<bool(QColor)>& match)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (match(image.pixelColor(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Where the text ink of a cell lies: upright or on its side, and in which quarter it starts.
void VerifyInk(const QImage& image, const QRect& cell, bool vertical, Qt::Corner start)
{
    const QRect ink = PixelsWhere(image, cell.adjusted(2, 2, -2, -2),
                                  [](QColor c) { return c.lightness() < 100; });
    QVERIFY(!ink.isEmpty());
    QCOMPARE(ink.height() > ink.width(), vertical);
    QCOMPARE(ink.center().x() > cell.center().x(), bool(start & Qt::TopRightCorner));
    QCOMPARE(ink.center().y() > cell.center().y(), bool(start & Qt::BottomLeftCorner));
}

QPoint CellCentre(CGridCtrl* grid, int row, int col)
{
    QRect rect;
    grid->GetCellRect(row, col, &rect);
    return rect.center();
}

} // namespace

class TstGridCtrl : public QObject {
    Q_OBJECT
private slots:
    void storageKeepsAttributes();
    void verticalTextExtentAndArrow_data();
    void verticalTextExtentAndArrow();
    void keyboardStaysInTable_data();
    void keyboardStaysInTable();
    void settersRefuseOutsideCells();
    void selectionKeysDoNotCollide();
    void shrinkingEmptiesSelections();
    void sortOrders_data();
    void sortOrders();
    void mouseSelects_data();
    void mouseSelects();
    void fineWheelScrolls();
    void virtualCellsPerGrid();
    void editing_data();
    void editing();
    void titleTipOnlyForClippedText_data();
    void titleTipOnlyForClippedText();
    void hiddenColumnSkippedAndPainted();
    void gridLinesPainted_data();
    void gridLinesPainted();
    void columnDividerDrag_data();
    void columnDividerDrag();
    void dividerDoubleClickAutoSizes();
    void lastNarrowColumnSizedAtEdge_data();
    void lastNarrowColumnSizedAtEdge();
    void multiLineKeepsOneEditor();
    void editorsEndBeforeTheirCellsGo_data();
    void editorsEndBeforeTheirCellsGo();
    void ensureVisibleLandsInPlace_data();
    void ensureVisibleLandsInPlace();
    void extentFollowsEveryChange();
    void scrollBarsReachInsertedRows();
};

void TstGridCtrl::storageKeepsAttributes()
{
    QPointer<CGridCtrl> grid = MakeGrid(5, 4);
    QVERIFY(grid->SetItemBkColour(2, 2, Qt::red));
    QVERIFY(grid->SetItemFgColour(2, 2, Qt::blue));
    CGridFont bold{grid->font()};
    bold.font.setBold(true);
    QVERIFY(grid->SetItemFont(2, 2, &bold));
    QVERIFY(grid->SetColumnWidth(2, 77));
    QCOMPARE(grid->GetItemText(2, 2), QStringLiteral("2,2"));
    QCOMPARE(grid->GetItemBkColour(2, 2), QColor(Qt::red));
    QCOMPARE(grid->GetItemFgColour(2, 2), QColor(Qt::blue));
    QVERIFY(grid->GetItemFont(2, 2)->font.bold());
    QCOMPARE(grid->GetColumnWidth(2), 77);
    QVERIFY(!grid->SetItemText(5, 0, QStringLiteral("x")));
    QVERIFY(!grid->SetItemText(0, 4, QStringLiteral("x")));
    // The background colour shows in the cell's pixels.
    QRect rect;
    QVERIFY(grid->GetCellRect(2, 2, &rect));
    const QImage image = grid->viewport()->grab().toImage();
    QCOMPARE(image.pixelColor(rect.left() + 2, rect.bottom() - 2), QColor(Qt::red));
    delete grid;
}

void TstGridCtrl::verticalTextExtentAndArrow_data()
{
    QTest::addColumn<int>("escapement");
    QTest::addColumn<Qt::Corner>("start"); // where a top-left aligned text begins
    QTest::newRow("upright") << 0 << Qt::TopLeftCorner;
    QTest::newRow("upwards") << 900 << Qt::BottomLeftCorner;
    QTest::newRow("downwards") << -900 << Qt::TopRightCorner;
}

void TstGridCtrl::verticalTextExtentAndArrow()
{
    QFETCH(int, escapement);
    QFETCH(Qt::Corner, start);
    const bool vertical = escapement != 0;
    QPointer<CGridCtrl> grid = MakeGrid(4, 4);
    grid->resize(500, 300);
    grid->SetItemText(0, 2, QString()); // the arrow alone in its heading
    grid->SetColumnWidth(3, 90);
    grid->SetRowHeight(2, 90);
    const QString text = QStringLiteral("wide text");
    QVERIFY(grid->SetCell(2, 1, CGridCellMultiLine::CreateObject()));
    auto* multi = static_cast<CGridCellMultiLine*>(grid->GetCell(2, 1));
    multi->SetText(text);
    CGridCellBase* cell = grid->GetCell(2, 3);
    const QSize flat = cell->GetTextExtent(text);
    const QSize flatMulti = multi->GetCellExtentMultiLine(200);
    // The angle travels with the font through the item record and the item font.
    GV_ITEM item;
    item.row = 2;
    item.col = 3;
    item.mask = GvifFont | GvifFormat | GvifText;
    item.lfFont = CGridFont{grid->font(), escapement};
    item.nFormat = DtSingleLine;
    item.strText = text;
    QVERIFY(grid->SetItem(&item));
    for (const CCellID id : {CCellID(2, 1), CCellID(0, 2)})
        QVERIFY(grid->SetItemFont(id.row, id.col, grid->GetItemFont(2, 3)));
    QCOMPARE(grid->GetItemFont(0, 2)->nEscapement, escapement);

    // On its side a text swaps its axes, and its height gets four more margins.
    const int margin = int(cell->GetMargin());
    const auto turned = [&](QSize size) {
        return vertical ? QSize(size.height(), size.width() + 4 * margin) : size;
    };
    QCOMPARE(cell->GetTextExtent(text), turned(flat));
    QCOMPARE(multi->GetCellExtentMultiLine(200), turned(flatMulti));

    // Under text reading upwards the sort arrow sits in the middle, else at the right.
    QVERIFY(grid->SortTextItems(2, true));
    const QImage image = grid->viewport()->grab().toImage();
    QRect heading;
    QVERIFY(grid->GetCellRect(0, 2, &heading));
    const QRgb shadow = grid->palette().color(QPalette::Dark).rgb();
    const QRect arrow = PixelsWhere(image, heading.adjusted(2, 2, -2, -2),
                                    [shadow](QColor c) { return c.rgb() == shadow; });
    QVERIFY(arrow.width() > 2);
    if (escapement == 900)
        QVERIFY(qAbs(arrow.center().x() - heading.center().x()) <= 1);
    else
        QVERIFY(arrow.left() > heading.center().x());

    // The text turns on the screen and on paper alike.
    QRect rect;
    QVERIFY(grid->GetCellRect(2, 3, &rect));
    VerifyInk(image, rect, vertical, start);
    QImage paper(90, 90, QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    cell->PrintCell(&painter, 2, 3, paper.rect());
    painter.end();
    VerifyInk(paper, paper.rect(), vertical, start);
    delete grid;
}

void TstGridCtrl::keyboardStaysInTable_data()
{
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("startCol");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::newRow("down on last row") << 9 << 2 << int(Qt::Key_Down) << 9 << 2;
    QTest::newRow("right on last column") << 3 << 4 << int(Qt::Key_Right) << 3 << 4;
    QTest::newRow("tab on last cell") << 9 << 4 << int(Qt::Key_Tab) << 9 << 4;
    QTest::newRow("page down near end") << 8 << 1 << int(Qt::Key_PageDown) << 9 << 1;
    QTest::newRow("up stays out of fixed row") << 1 << 1 << int(Qt::Key_Up) << 1 << 1;
    QTest::newRow("left stays out of fixed column") << 2 << 1 << int(Qt::Key_Left) << 2 << 1;
    QTest::newRow("tab wraps to next row") << 3 << 4 << int(Qt::Key_Tab) << 4 << 1;
    QTest::newRow("down moves") << 3 << 2 << int(Qt::Key_Down) << 4 << 2;
    QTest::newRow("end goes to last column") << 3 << 1 << int(Qt::Key_End) << 3 << 4;
    QTest::newRow("home goes to first column") << 3 << 4 << int(Qt::Key_Home) << 3 << 1;
}

void TstGridCtrl::keyboardStaysInTable()
{
    QFETCH(int, startRow);
    QFETCH(int, startCol);
    QFETCH(int, key);
    QFETCH(int, row);
    QFETCH(int, col);
    QPointer<CGridCtrl> grid = MakeGrid(10, 5);
    grid->SetFocusCell(startRow, startCol);
    QTest::keyClick(grid.data(), Qt::Key(key));
    QCOMPARE(grid->GetFocusCell(), CCellID(row, col));
    QVERIFY(grid->IsValid(grid->GetFocusCell()));
    delete grid;
}

void TstGridCtrl::settersRefuseOutsideCells()
{
    QPointer<CGridCtrl> grid = MakeGrid(4, 4);
    grid->SetFocusCell(2, 2);
    grid->SetFocusCell(4, 1);
    QCOMPARE(grid->GetFocusCell(), CCellID(2, 2));
    QVERIFY(!grid->SetItemState(1, 4, GvisSelected));
    QCOMPARE(grid->GetSelectedCount(), 0);
    delete grid;
}

void TstGridCtrl::selectionKeysDoNotCollide()
{
    QPointer<CGridCtrl> grid = new CGridCtrl(70000, 3, 1, 1);
    grid->SetSelectedRange(1, 1, 1, 1);
    grid->SetSelectedRange(65537, 1, 65537, 1, false, true);
    QVERIFY(grid->IsCellSelected(65537, 1));
    grid->ResetSelectedRange();
    grid->SetItemState(1, 1, GvisSelected);
    grid->SetItemState(65537, 1, GvisSelected);
    QCOMPARE(grid->GetSelectedCount(), 2);
    QVERIFY(grid->IsCellSelected(1, 1));
    QVERIFY(grid->IsCellSelected(65537, 1));
    grid->SetItemState(65537, 1, 0);
    QVERIFY(grid->IsCellSelected(1, 1));
    delete grid;
}

void TstGridCtrl::shrinkingEmptiesSelections()
{
    QPointer<CGridCtrl> grid = MakeGrid(10, 5);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, 8, 3));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      CellCentre(grid, 2, 2));
    grid->SetRowCount(5);
    QVERIFY(grid->IsValid(grid->GetSelectedCellRange()) || grid->GetSelectedCount() <= 1);
    // A Ctrl-click after shrinking never re-selects the row that is gone.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      CellCentre(grid, 3, 3));
    QVERIFY(grid->IsCellSelected(3, 3));
    QVERIFY(grid->GetSelectedCount() <= 2);
    delete grid;
}

void TstGridCtrl::sortOrders_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("ascending");
    QTest::newRow("none") << QStringList() << true;
    QTest::newRow("one") << QStringList{"b"} << true;
    QTest::newRow("two ascending") << QStringList{"b", "a"} << true;
    QTest::newRow("two descending") << QStringList{"a", "b"} << false;
    QTest::newRow("texts by code") << QStringList{"b", "B", "a", "10", "9", "A"} << true;
    QStringList many;
    for (int i = 0; i < 1000; ++i)
        many << QString::number((i * 7919) % 1000);
    QTest::newRow("thousand ascending") << many << true;
    QTest::newRow("thousand descending") << many << false;
}

void TstGridCtrl::sortOrders()
{
    QFETCH(QStringList, texts);
    QFETCH(bool, ascending);
    QPointer<CGridCtrl> grid = MakeGrid(int(texts.size()) + 1, 2, false);
    for (int i = 0; i < texts.size(); ++i) {
        grid->SetItemText(i + 1, 1, texts.at(i));
        grid->SetItemText(i + 1, 0, texts.at(i) + QStringLiteral("#"));
    }
    QVERIFY(grid->SortTextItems(1, ascending) || texts.isEmpty());
    QStringList expected = texts;
    std::sort(expected.begin(), expected.end());
    if (!ascending)
        std::reverse(expected.begin(), expected.end());
    QStringList got;
    for (int i = 0; i < texts.size(); ++i) {
        got << grid->GetItemText(i + 1, 1);
        // Whole rows move together.
        QCOMPARE(grid->GetItemText(i + 1, 0), got.last() + QStringLiteral("#"));
    }
    QCOMPARE(got, expected);
    delete grid;
}

void TstGridCtrl::mouseSelects_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("secondMods");
    QTest::addColumn<int>("count");
    QTest::addColumn<CCellRange>("range");
    QTest::newRow("click replaces") << Qt::KeyboardModifiers() << 1 << CCellRange(4, 3, 4, 3);
    QTest::newRow("shift extends")
        << Qt::KeyboardModifiers(Qt::ShiftModifier) << 9 << CCellRange(2, 1, 4, 3);
    QTest::newRow("control adds") << Qt::KeyboardModifiers(Qt::ControlModifier) << 2
                                  << CCellRange(2, 1, 4, 3);
}

void TstGridCtrl::mouseSelects()
{
    QFETCH(Qt::KeyboardModifiers, secondMods);
    QFETCH(int, count);
    QFETCH(CCellRange, range);
    QPointer<CGridCtrl> grid = MakeGrid(10, 5);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, 2, 1));
    QCOMPARE(grid->GetFocusCell(), CCellID(2, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, secondMods, CellCentre(grid, 4, 3));
    QCOMPARE(grid->GetFocusCell(), CCellID(4, 3));
    QCOMPARE(grid->GetSelectedCount(), count);
    QCOMPARE(grid->GetSelectedCellRange(), range);
    // Fixed cells never select as cells.
    for (int c = 0; c < 5; ++c)
        QVERIFY(!grid->IsCellSelected(0, c));
    delete grid;
}

void TstGridCtrl::fineWheelScrolls()
{
    QPointer<CGridCtrl> grid = MakeGrid(200, 3);
    QCOMPARE(grid->GetScrollPos32(Qt::Vertical), 0);
    const QPointF pos = CellCentre(grid, 3, 1);
    for (int i = 0; i < 4; ++i) {
        QWheelEvent wheel(pos, grid->viewport()->mapToGlobal(pos), QPoint(), QPoint(0, -40),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &wheel);
    }
    QVERIFY(grid->GetScrollPos32(Qt::Vertical) > 0);
    delete grid;
}

void TstGridCtrl::virtualCellsPerGrid()
{
    QPointer<CGridCtrl> first = new CGridCtrl(3, 3, 1, 1);
    QPointer<CGridCtrl> second = new CGridCtrl(3, 3, 1, 1);
    first->SetVirtualMode(true);
    second->SetVirtualMode(true);
    for (CGridCtrl* grid : {first.data(), second.data()}) {
        grid->SetRowCount(3);
        grid->SetColumnCount(3);
    }
    connect(first, &CGridCtrl::GetDispInfo, first,
            [](GV_DISPINFO* info) { info->item.strText = QStringLiteral("first"); });
    connect(second, &CGridCtrl::GetDispInfo, second,
            [](GV_DISPINFO* info) { info->item.strText = QStringLiteral("second"); });
    // A cell of one grid keeps its text while the other grid fills its own.
    CGridCellBase* a = first->GetCell(1, 1);
    QVERIFY(a);
    QCOMPARE(a->GetText(), QStringLiteral("first"));
    QCOMPARE(second->GetItemText(1, 1), QStringLiteral("second"));
    QCOMPARE(a->GetText(), QStringLiteral("first"));
    delete first;
    delete second;
}

void TstGridCtrl::editing_data()
{
    QTest::addColumn<QString>("start"); // "key", "f2", "click", "dblclick"
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("endKey");
    QTest::addColumn<bool>("refuse");
    QTest::addColumn<QString>("text");
    QTest::addColumn<CCellID>("focus");
    QTest::newRow("key replaces, enter keeps")
        << "key"
        << "x" << int(Qt::Key_Return) << false << "x" << CCellID(2, 2);
    QTest::newRow("f2 appends") << "f2"
                                << "y" << int(Qt::Key_Return) << false << "2,2y" << CCellID(2, 2);
    QTest::newRow("click appends")
        << "click"
        << "z" << int(Qt::Key_Return) << false << "2,2z" << CCellID(2, 2);
    QTest::newRow("double click appends")
        << "dblclick"
        << "w" << int(Qt::Key_Return) << false << "2,2w" << CCellID(2, 2);
    QTest::newRow("escape rolls back")
        << "key"
        << "q" << int(Qt::Key_Escape) << false << "2,2" << CCellID(2, 2);
    QTest::newRow("owner refuses") << "key"
                                   << "r" << int(Qt::Key_Return) << true << "2,2" << CCellID(2, 2);
    QTest::newRow("tab moves on") << "key"
                                  << "t" << int(Qt::Key_Tab) << false << "t" << CCellID(2, 3);
    QTest::newRow("down moves on") << "key"
                                   << "d" << int(Qt::Key_Down) << false << "d" << CCellID(3, 2);
}

void TstGridCtrl::editing()
{
    QFETCH(QString, start);
    QFETCH(QString, typed);
    QFETCH(int, endKey);
    QFETCH(bool, refuse);
    QFETCH(QString, text);
    QFETCH(CCellID, focus);
    QPointer<CGridCtrl> grid = MakeGrid(6, 5);
    grid->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(grid));
    int endNotes = 0;
    connect(grid, &CGridCtrl::Notify, grid, [&](NM_GRIDVIEW* nm) {
        if (nm->code == GvnEndLabelEdit) {
            ++endNotes;
            if (refuse)
                nm->result = -1;
        }
    });
    const QPoint centre = CellCentre(grid, 2, 2);
    grid->SetFocusCell(2, 2);
    grid->setFocus();
    if (start == QLatin1String("key")) {
        QTest::keyClicks(grid.data(), typed);
    } else {
        if (start == QLatin1String("f2"))
            QTest::keyClick(grid.data(), Qt::Key_F2);
        else if (start == QLatin1String("click"))
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
        else {
            // A double click as a window system delivers it, on a cell that had no focus.
            grid->SetFocusCell(1, 1);
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
            QVERIFY(!grid->viewport()->findChild<QLineEdit*>());
            QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, centre);
        }
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        QTest::keyClicks(editor, typed);
    }
    QCoreApplication::processEvents();
    QPointer<QLineEdit> editor = grid->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    QTest::keyClick(editor.data(), Qt::Key(endKey));
    QCoreApplication::processEvents();
    QCOMPARE(grid->GetItemText(2, 2), text);
    QCOMPARE(grid->GetFocusCell(), focus);
    QCOMPARE(endNotes, text == QLatin1String("2,2") && !refuse ? 0 : 1);
    delete grid;
}

void TstGridCtrl::titleTipOnlyForClippedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("focused");   // a window of the program has the focus
    QTest::addColumn<QString>("ending"); // what makes a shown tip go
    QTest::addColumn<bool>("shows");
    const QString wide(60, QLatin1Char('W'));
    QTest::newRow("fits") << "ab" << true << "" << false;
    QTest::newRow("program without focus") << wide << false << "" << false;
    QTest::newRow("clipped, a key") << wide << true << "key" << true;
    QTest::newRow("clipped, the mouse leaves") << wide << true << "leave" << true;
    QTest::newRow("clipped, the grid hides") << wide << true << "hide" << true;
    QTest::newRow("clipped, the mouse moves on over the tip") << wide << true << "over" << true;
    QTest::newRow("clipped, a click on the tip") << wide << true << "click" << true;
}

void TstGridCtrl::titleTipOnlyForClippedText()
{
    QFETCH(QString, text);
    QFETCH(bool, focused);
    QFETCH(QString, ending);
    QFETCH(bool, shows);
    QPointer<CGridCtrl> grid = MakeGrid(4, 4);
    if (focused) {
        grid->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(grid));
    }
    grid->SetColumnWidth(2, 60);
    grid->SetItemText(2, 2, text);
    // The mouse moves onto the cell (sent straight to the grid: a move through the window
    // system would make the window active by itself).
    QMouseEvent move(QEvent::MouseMove, CellCentre(grid, 2, 2),
                     grid->viewport()->mapToGlobal(CellCentre(grid, 2, 2)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &move);
    QPointer<CTitleTip> tip = grid->GetTitleTip();
    QCOMPARE(tip->isVisible(), shows);
    if (shows) {
        // A window of its own, starting at the cell and reaching past the grid's edge.
        QRect cell;
        grid->GetCellRect(2, 2, &cell);
        QVERIFY(tip->isWindow());
        QCOMPARE(tip->geometry().topLeft(), grid->viewport()->mapToGlobal(cell.topLeft()));
        QVERIFY(tip->geometry().right() > grid->mapToGlobal(QPoint(grid->width(), 0)).x());
        QCOMPARE(tip->Text(), text);
        if (ending == QLatin1String("key")) {
            QTest::keyClick(grid.data(), Qt::Key_Shift);
        } else if (ending == QLatin1String("leave")) {
            // The tip itself appearing under the mouse does not count as leaving.
            QEvent leave(QEvent::Leave);
            QCursor::setPos(grid->viewport()->mapToGlobal(CellCentre(grid, 2, 2)));
            QApplication::sendEvent(grid->viewport(), &leave);
            QVERIFY(tip->isVisible());
            QCursor::setPos(grid->mapToGlobal(QPoint(grid->width() + 50, 5)));
            QApplication::sendEvent(grid->viewport(), &leave);
        } else if (ending == QLatin1String("over") || ending == QLatin1String("click")) {
            // Over the tip within the cell nothing changes; past the cell it goes. A click
            // on it reaches the grid.
            const bool click = ending == QLatin1String("click");
            const QPoint inCell = CellCentre(grid, 2, 2) + QPoint(3, 0);
            const QPoint beyond(cell.right() + 20, cell.center().y());
            const QPoint at = click ? inCell : beyond;
            const QPoint global = grid->viewport()->mapToGlobal(at);
            QMouseEvent stay(
                QEvent::MouseMove, tip->mapFromGlobal(grid->viewport()->mapToGlobal(inCell)),
                grid->viewport()->mapToGlobal(inCell), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(tip, &stay);
            QVERIFY(tip->isVisible());
            QMouseEvent mouse(click ? QEvent::MouseButtonPress : QEvent::MouseMove,
                              tip->mapFromGlobal(global), global,
                              click ? Qt::LeftButton : Qt::NoButton,
                              click ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(tip, &mouse);
            QCOMPARE(grid->GetFocusCell(), click ? CCellID(2, 2) : CCellID());
        } else {
            grid->hide();
        }
        QVERIFY(!tip->isVisible());
    }
    delete grid;
    QVERIFY(!tip);
}

void TstGridCtrl::hiddenColumnSkippedAndPainted()
{
    QPointer<CGridCtrl> grid = MakeGrid(5, 5);
    grid->SetItemBkColour(2, 3, Qt::green);
    grid->SetColumnWidth(2, 0);
    grid->SetFocusCell(2, 1);
    QTest::keyClick(grid.data(), Qt::Key_Right);
    QCOMPARE(grid->GetFocusCell(), CCellID(2, 3));
    // Column 3 starts straight after column 1.
    QRect one, three;
    grid->GetCellRect(2, 1, &one);
    grid->GetCellRect(2, 3, &three);
    QCOMPARE(three.left(), one.right() + 1);
    delete grid;
}

void TstGridCtrl::gridLinesPainted_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("none") << int(CGridCtrl::GvlNone) << false << false;
    QTest::newRow("horizontal") << int(CGridCtrl::GvlHorz) << false << true;
    QTest::newRow("vertical") << int(CGridCtrl::GvlVert) << true << false;
    QTest::newRow("both") << int(CGridCtrl::GvlBoth) << true << true;
}

void TstGridCtrl::gridLinesPainted()
{
    QFETCH(int, lines);
    QFETCH(bool, vertical);
    QFETCH(bool, horizontal);
    QPointer<CGridCtrl> grid = MakeGrid(6, 5);
    grid->SetGridLines(lines);
    grid->SetGridLineColor(Qt::magenta);
    QRect rect;
    QVERIFY(grid->GetCellRect(2, 2, &rect));
    const QImage image = grid->viewport()->grab().toImage();
    const QColor line(Qt::magenta);
    QCOMPARE(image.pixelColor(rect.right(), rect.center().y()) == line, vertical);
    QCOMPARE(image.pixelColor(rect.center().x(), rect.bottom()) == line, horizontal);
    // Fixed cells carry no grid lines of the grid-line colour, and the text area none.
    QRect fixed;
    QVERIFY(grid->GetCellRect(0, 2, &fixed));
    QVERIFY(image.pixelColor(fixed.center()) != line);
    QVERIFY(image.pixelColor(rect.left() + 1, rect.top() + 1) != line);
    delete grid;
}

void TstGridCtrl::columnDividerDrag_data()
{
    QTest::addColumn<bool>("resize");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("width"); // -1: unchanged
    // The new width runs from the column's left edge to where the button went up.
    QTest::newRow("wider") << true << 30 << 29;
    QTest::newRow("past the left edge hides") << true << -500 << 0;
    QTest::newRow("resize off selects") << false << 30 << -1;
}

void TstGridCtrl::columnDividerDrag()
{
    QFETCH(bool, resize);
    QFETCH(int, dx);
    QFETCH(int, width);
    QPointer<CGridCtrl> grid = MakeGrid(6, 5);
    grid->SetColumnResize(resize);
    const int before = grid->GetColumnWidth(2);
    QRect heading;
    grid->GetCellRect(0, 2, &heading);
    const QPoint divider(heading.right(), heading.center().y());
    QTest::mouseMove(grid->viewport(), divider);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, divider);
    QTest::mouseMove(grid->viewport(), divider + QPoint(dx / 2, 0));
    QTest::mouseMove(grid->viewport(), divider + QPoint(dx, 0));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, divider + QPoint(dx, 0));
    if (width < 0) {
        QCOMPARE(grid->GetColumnWidth(2), before);
        QVERIFY(grid->GetSelectedCount() > 0);
    } else {
        QCOMPARE(grid->GetColumnWidth(2), width ? before + width : 0);
    }
    delete grid;
}

void TstGridCtrl::lastNarrowColumnSizedAtEdge_data()
{
    QTest::addColumn<bool>("rows"); // the twin: the last row, at the table's bottom edge
    QTest::addColumn<int>("size");
    QTest::newRow("narrow column") << false << 2;
    QTest::newRow("hidden column") << false << 0;
    QTest::newRow("narrow row") << true << 2;
    QTest::newRow("hidden row") << true << 0;
}

void TstGridCtrl::lastNarrowColumnSizedAtEdge()
{
    QFETCH(bool, rows);
    QFETCH(int, size);
    QPointer<CGridCtrl> grid = MakeGrid(5, 4);
    for (int col = 0; col < 4; ++col)
        grid->SetColumnWidth(col, 60);
    for (int row = 0; row < 5; ++row)
        grid->SetRowHeight(row, 20);
    const int last = rows ? 4 : 3;
    if (rows)
        grid->SetRowHeight(last, size);
    else
        grid->SetColumnWidth(last, size);
    // One pixel inside the table's edge, in the headings; then 40 pixels further out.
    const int edge = rows ? 4 * 20 + size : 3 * 60 + size;
    const QPoint press = rows ? QPoint(30, edge - 1) : QPoint(edge - 1, 10);
    const QPoint release = press + (rows ? QPoint(0, 40) : QPoint(40, 0));
    QTest::mouseMove(grid->viewport(), press);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, press);
    QTest::mouseMove(grid->viewport(), (press + release) / 2);
    QTest::mouseMove(grid->viewport(), release);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, release);
    // The last one opens; the one before it keeps its size.
    const int origin = edge - size;
    if (rows) {
        QCOMPARE(grid->GetRowHeight(last), release.y() - origin);
        QCOMPARE(grid->GetRowHeight(last - 1), 20);
    } else {
        QCOMPARE(grid->GetColumnWidth(last), release.x() - origin);
        QCOMPARE(grid->GetColumnWidth(last - 1), 60);
    }
    delete grid;
}

void TstGridCtrl::dividerDoubleClickAutoSizes()
{
    QPointer<CGridCtrl> grid = MakeGrid(6, 5);
    grid->SetItemText(3, 2, QString(40, QLatin1Char('M')));
    const int wide = QFontMetrics(grid->font()).horizontalAdvance(QString(40, QLatin1Char('M')));
    QRect heading;
    grid->GetCellRect(0, 2, &heading);
    const QPoint divider(heading.right(), heading.center().y());
    QTest::mouseMove(grid->viewport(), divider);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, divider);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, divider);
    QTest::mouseMove(grid->viewport(), divider);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, divider);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, divider);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, divider);
    QVERIFY(grid->GetColumnWidth(2) >= wide);
    delete grid;
}

void TstGridCtrl::multiLineKeepsOneEditor()
{
    QPointer<CGridCtrl> grid = MakeGrid(4, 4);
    QVERIFY(QTest::qWaitForWindowActive(grid));
    auto cell = CGridCellMultiLine::CreateObject();
    cell->SetText(QStringLiteral("line"));
    QVERIFY(grid->SetCell(2, 2, std::move(cell)));
    grid->SetFocusCell(2, 2);
    grid->setFocus();
    QTest::keyClick(grid.data(), Qt::Key_F2);
    grid->OnEditCell(2, 2, QPoint(-1, -1), kGridMouseStart);
    QCoreApplication::processEvents();
    QCOMPARE(grid->viewport()->findChildren<QPlainTextEdit*>().size(), 1);
    auto* editor = grid->viewport()->findChild<QPlainTextEdit*>();
    // A mouse start types nothing into the text.
    QCOMPARE(editor->toPlainText(), QStringLiteral("line"));
    QVERIFY(grid->GetCell(2, 2)->IsEditing());
    grid->EndEditing();
    QVERIFY(!grid->GetCell(2, 2)->IsEditing());
    delete grid;
}

void TstGridCtrl::editorsEndBeforeTheirCellsGo_data()
{
    // How the editor comes to be on a cell other than the focus cell, which cell it is, and
    // for rows that move under it where its text "a" lands (none: the editor stays open).
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<CCellID>("edited");
    QTest::addColumn<CCellID>("landed");
    QTest::newRow("a second edit elsewhere") << "second" << CCellID(3, 3) << CCellID();
    QTest::newRow("focus moved on") << "focus" << CCellID(2, 2) << CCellID();
    QTest::newRow("edited row removed") << "rows" << CCellID(3, 3) << CCellID();
    QTest::newRow("row inserted above") << "insert 1" << CCellID(2, 2) << CCellID(3, 2);
    QTest::newRow("row inserted below") << "insert 3" << CCellID(2, 2) << CCellID();
    // Descending by column 0 the rows 1..5 turn round: row 2 goes to row 4.
    QTest::newRow("rows sorted") << "sort" << CCellID(2, 2) << CCellID(4, 2);
}

void TstGridCtrl::editorsEndBeforeTheirCellsGo()
{
    QFETCH(QString, sequence);
    QFETCH(CCellID, edited);
    QFETCH(CCellID, landed);
    QPointer<CGridCtrl> grid = MakeGrid(6, 5);
    grid->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(grid));
    QList<CCellID> ended;
    connect(grid, &CGridCtrl::Notify, this, [&](NM_GRIDVIEW* nm) {
        if (nm->code == GvnEndLabelEdit)
            ended.append(CCellID(nm->iRow, nm->iColumn));
    });
    const auto openEditors = [&grid] {
        int open = 0;
        for (QLineEdit* editor : grid->viewport()->findChildren<QLineEdit*>())
            open += editor->isVisible() ? 1 : 0;
        return open;
    };
    grid->SetFocusCell(sequence == QLatin1String("rows") ? edited : CCellID(2, 2));
    grid->setFocus();
    QTest::keyClick(grid.data(), Qt::Key_A);
    if (sequence == QLatin1String("second"))
        grid->OnEditCell(3, 3, QPoint(-1, -1), 'b');
    else if (sequence != QLatin1String("rows"))
        grid->SetFocusCell(4, 4);
    QCoreApplication::processEvents();
    QCOMPARE(openEditors(), 1);
    ended.clear();

    if (sequence == QLatin1String("rows")) {
        // The editor ends while its row is still there, and no editor outlives its cell.
        QVERIFY(grid->SetRowCount(edited.row));
        QCOMPARE(ended, QList<CCellID>({edited}));
        QCOMPARE(openEditors(), 0);
        delete grid;
        QCOMPARE(ended.size(), 1);
        return;
    }
    if (sequence.startsWith(QLatin1String("insert")))
        QVERIFY(grid->InsertRow(QString(), sequence.back().digitValue()) >= 0);
    else if (sequence == QLatin1String("sort"))
        QVERIFY(grid->SortTextItems(0, false));
    if (landed.IsValid()) {
        // The text went to its own cell before the rows moved, and went with it.
        QCOMPARE(ended, QList<CCellID>({edited}));
        QCOMPARE(openEditors(), 0);
        QCOMPARE(grid->GetItemText(landed.row, landed.col), QStringLiteral("a"));
        QCOMPARE(grid->GetItemText(landed.row, 0), QStringLiteral("%1,0").arg(edited.row));
        delete grid;
        QCOMPARE(ended.size(), 1);
        return;
    }
    QCOMPARE(openEditors(), 1);
    QVERIFY(grid->GetFocusCell() != edited);
    // The owner hears the end of the edit while the grid is still whole; the grid's own
    // window going away later finds nothing left open.
    delete grid;
    QVERIFY(!grid);
    QCOMPARE(ended, QList<CCellID>({edited}));
}

void TstGridCtrl::ensureVisibleLandsInPlace_data()
{
    // Row heights and column widths repeat their pattern over the non-fixed rows and
    // columns; the grid starts at the given scroll position. The landing positions are those
    // the grid reached when it scrolled line by line, walking from the first row each time.
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QList<int>>("heights");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QPoint>("start"); // horizontal, vertical
    QTest::addColumn<CCellID>("target");
    QTest::addColumn<QPoint>("landing");

    const QList<int> even{20};
    const QList<int> wide{90};
    QTest::newRow("last row") << 1000 << 5 << even << wide << QPoint(0, 0) << CCellID(999, 4)
                              << QPoint(82, 19717);
    QTest::newRow("middle row") << 1000 << 5 << even << wide << QPoint(0, 0) << CCellID(500, 2)
                                << QPoint(0, 9740);
    QTest::newRow("already in view")
        << 1000 << 5 << even << wide << QPoint(0, 0) << CCellID(3, 2) << QPoint(0, 0);
    QTest::newRow("back to the top")
        << 1000 << 5 << even << wide << QPoint(400, 100000) << CCellID(3, 1) << QPoint(0, 37);
    QTest::newRow("fixed cell") << 1000 << 5 << even << wide << QPoint(400, 5000) << CCellID(0, 0)
                                << QPoint(82, 5000);
    QTest::newRow("mixed heights") << 1500 << 5 << QList<int>{10, 25, 40, 7} << wide << QPoint(0, 0)
                                   << CCellID(777, 3) << QPoint(0, 15655);
    QTest::newRow("mixed heights, from inside a row")
        << 1500 << 5 << QList<int>{10, 25, 40, 7} << wide << QPoint(0, 1234) << CCellID(1499, 1)
        << QPoint(0, 30480);
    QTest::newRow("mixed heights, back up") << 1500 << 5 << QList<int>{10, 25, 40, 7} << wide
                                            << QPoint(0, 20001) << CCellID(2, 1) << QPoint(0, 10);
    QTest::newRow("hidden rows") << 1200 << 5 << QList<int>{20, 0, 0, 31, 0, 12} << wide
                                 << QPoint(0, 0) << CCellID(1199, 2) << QPoint(0, 12325);
    QTest::newRow("hidden target row") << 1200 << 5 << QList<int>{20, 0, 0, 31, 0, 12} << wide
                                       << QPoint(0, 0) << CCellID(602, 2) << QPoint(0, 6048);
    QTest::newRow("hidden rows, back up") << 1200 << 5 << QList<int>{20, 0, 0, 31, 0, 12} << wide
                                          << QPoint(0, 9000) << CCellID(4, 2) << QPoint(0, 11);
    QTest::newRow("rows taller than the view")
        << 300 << 5 << QList<int>{20, 20, 400} << wide << QPoint(0, 0) << CCellID(200, 1)
        << QPoint(0, 29040);
    QTest::newRow("last row taller than the view")
        << 301 << 5 << QList<int>{20, 20, 400} << wide << QPoint(0, 0) << CCellID(300, 1)
        << QPoint(0, 43600);
    QTest::newRow("back from a tall last row")
        << 301 << 5 << QList<int>{20, 20, 400} << wide << QPoint(0, 100000) << CCellID(150, 1)
        << QPoint(0, 22877);
    QTest::newRow("last column") << 50 << 40 << even << QList<int>{90, 0, 150, 33} << QPoint(0, 0)
                                 << CCellID(5, 39) << QPoint(2419, 0);
    QTest::newRow("columns, back") << 50 << 40 << even << QList<int>{90, 0, 150, 33}
                                   << QPoint(2000, 0) << CCellID(5, 2) << QPoint(89, 0);
    QTest::newRow("column wider than the view")
        << 50 << 12 << even << QList<int>{60, 500} << QPoint(0, 0) << CCellID(40, 10)
        << QPoint(2300, 540);
    QTest::newRow("both ways at once")
        << 2000 << 40 << QList<int>{18, 0, 33} << QList<int>{90, 0, 150, 33} << QPoint(1500, 30000)
        << CCellID(17, 37) << QPoint(2268, 267);
}

void TstGridCtrl::ensureVisibleLandsInPlace()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(QList<int>, heights);
    QFETCH(QList<int>, widths);
    QFETCH(QPoint, start);
    QFETCH(CCellID, target);
    QFETCH(QPoint, landing);

    QPointer<CGridCtrl> grid = MakeGrid(rows, cols, false);
    grid->AllowDraw(false);
    for (int r = 1; r < rows; ++r)
        grid->SetRowHeight(r, heights.at((r - 1) % heights.size()));
    for (int c = 1; c < cols; ++c)
        grid->SetColumnWidth(c, widths.at((c - 1) % widths.size()));
    grid->AllowDraw(true, true);
    grid->SetScrollPos32(Qt::Horizontal, start.x());
    grid->SetScrollPos32(Qt::Vertical, start.y());
    grid->EnsureVisible(target);
    const QPoint landed(grid->GetScrollPos32(Qt::Horizontal), grid->GetScrollPos32(Qt::Vertical));
    QCOMPARE(landed, landing);
    delete grid;
}

void TstGridCtrl::extentFollowsEveryChange()
{
    // The grid keeps its whole height and width as it goes; after each change they are still
    // the sums of the rows and columns.
    QPointer<CGridCtrl> grid = MakeGrid(10, 4);
    const QList<std::pair<const char*, std::function<void()>>> changes{
        {"more rows", [&] { grid->SetRowCount(50); }},
        {"a row height", [&] { grid->SetRowHeight(3, 77); }},
        {"a row inserted with a heading", [&] { grid->InsertRow(QStringLiteral("Tall\nx"), 5); }},
        {"a row appended", [&] { grid->InsertRow(QString()); }},
        {"fewer rows", [&] { grid->SetRowCount(20); }},
        {"rows sorted", [&] { grid->SortTextItems(1, false); }},
        {"rows auto-sized", [&] { grid->AutoSizeRows(); }},
        {"a row auto-sized", [&] { grid->AutoSizeRow(2); }},
        {"more columns", [&] { grid->SetColumnCount(8); }},
        {"a column hidden", [&] { grid->SetColumnWidth(2, 0); }},
        {"a column auto-sized", [&] { grid->AutoSizeColumn(1); }},
        {"fewer columns", [&] { grid->SetColumnCount(3); }},
        {"fixed rows past the end", [&] { grid->SetFixedRowCount(30); }},
        {"created anew", [&] { grid->Create(QRect(0, 0, 300, 200), nullptr, 1); }},
        {"emptied", [&] { grid->DeleteAllItems(); }},
        {"virtual rows",
         [&] {
             grid->SetVirtualMode(true);
             grid->SetColumnCount(2);
             grid->InsertRow(QString());
             grid->SetRowCount(1000);
         }},
    };
    for (const auto& [name, change] : changes) {
        change();
        long height = 0;
        for (int r = 0; r < grid->GetRowCount(); ++r)
            height += grid->GetRowHeight(r);
        long width = 0;
        for (int c = 0; c < grid->GetColumnCount(); ++c)
            width += grid->GetColumnWidth(c);
        QVERIFY2(grid->GetVirtualHeight() == height && grid->GetVirtualWidth() == width, name);
    }
    delete grid;
}

void TstGridCtrl::scrollBarsReachInsertedRows()
{
    // Rows inserted one by one, by a fill, a paste or a single insertion, leave the bars to
    // one reset after them; whether the user drags the bar to its end once the window has
    // taken them in, or the grid scrolls at once, the last row comes into view.
    QPointer<CGridCtrl> grid = MakeGrid(2, 3);
    const auto lastRowShowsAtBarEnd = [&] {
        QScrollBar* bar = grid->verticalScrollBar();
        bar->setValue(bar->maximum());
        return grid->IsCellVisible(grid->GetRowCount() - 1, 1);
    };
    for (int r = 0; r < 100; ++r)
        grid->InsertRow(QString());
    QCoreApplication::processEvents();
    QVERIFY(lastRowShowsAtBarEnd());

    grid->InsertRow(QString());
    QCoreApplication::processEvents();
    QVERIFY(lastRowShowsAtBarEnd());

    for (int r = 0; r < 100; ++r)
        grid->InsertRow(QString(), 1);
    grid->EnsureVisible(grid->GetRowCount() - 1, 1);
    QVERIFY(grid->IsCellVisible(grid->GetRowCount() - 1, 1));

    QMimeData lines;
    lines.setText(QStringLiteral("x\n").repeated(100));
    QVERIFY(grid->PasteTextToGrid(CCellID(1, 1), &lines));
    QCOMPARE(grid->GetRowCount(), 303);
    QVERIFY(lastRowShowsAtBarEnd());
    delete grid;
}

QTEST_MAIN(TstGridCtrl)
#include "tst_gridctrl.moc"
