// What the grid's cells ask of an in-place editor whatever its kind: take one more key while
// it is open, and end now (reporting the text as if the user had left the editor). It also
// holds what both kinds of editor do alike: which cell they edit, how they take Tab and the
// window's shortcuts, how they leave and how they end once.
#pragma once

#include "controls/grid/cgriddefs.h"

#include <QString>
#include <QtGlobal>

#include <functional>

class QEvent;
class QKeyEvent;
class QWidget;

class CInPlaceEditor {
public:
    virtual ~CInPlaceEditor() = default;
    // Types `nChar` (a character, or a Qt::Key for a navigation key) into the editor.
    virtual void SendChar(uint nChar) = 0;
    virtual void EndEdit() = 0;
    // The cell whose text the editor reports when it ends.
    CCellID EditedCell() const { return CCellID(m_nRow, m_nCol); }

    // Whether the key that opened an editor is one that keeps the text and selects it
    // (navigation keys and the blank) rather than one that types over it.
    static bool SelectsWholeText(uint nChar);
    // A key press that types `nChar`.
    static QKeyEvent* KeyEventFor(uint nChar);
    // Widens `editor` to `wanted` pixels, up to the right edge of its parent (the grid's
    // client area); its height stays.
    static void Widen(QWidget* editor, int wanted);

protected:
    // `editor` is the widget of the editor itself.
    CInPlaceEditor(QWidget& editor, int id, int row, int col, const QString& text,
                   uint nFirstChar);

    // What an editor's event() does before its widget's own: Tab and Back-tab go to
    // `keyPress`, which ends the edit, instead of moving the focus along the window's chain,
    // and no shortcut of the window takes a key from the editor. True when it took `event`.
    static bool TakeEvent(QEvent* event, const std::function<void(QKeyEvent*)>& keyPress);
    // Ends editing with `key` by giving the focus back to the grid.
    void Leave(uint key);
    // Ends editing on the keys that end both kinds of editor: Tab and Back-tab; Escape, which
    // puts the first text back; the page keys and the up and down arrows while `arrowsLeave`,
    // with the left and right arrows as well when `sideArrowsToo`. True when `event` ended it.
    bool LeaveOnKey(const QKeyEvent* event, bool arrowsLeave, bool sideArrowsToo);
    // Replaces the editor's text.
    virtual void SetEditText(const QString& text) = 0;
    // Reports `text` through `report` once and closes the editor. `ending` is set while an
    // editor of this kind reports: the report goes to the grid, which may close other
    // editors, and those end without reporting.
    void EndOnce(bool& ending, const QString& text,
                 const std::function<void(const GV_DISPINFO&)>& report);

    const QString m_sInitText;
    const uint m_nFirstChar;

private:
    QWidget& m_editor;
    int m_nID;
    int m_nRow;
    int m_nCol;
    uint m_nLastChar = 0;
    bool m_bEnded = false;
};
