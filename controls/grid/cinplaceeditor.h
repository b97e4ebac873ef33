// What the grid's cells ask of an in-place editor whatever its kind: take one more key while
// it is open, and end now (reporting the text as if the user had left the editor).
#pragma once

#include "controls/grid/cgriddefs.h"

#include <QString>
#include <QtGlobal>

class QKeyEvent;
class QWidget;

class CInPlaceEditor {
public:
    virtual ~CInPlaceEditor() = default;
    // Types `nChar` (a character, or a Qt::Key for a navigation key) into the editor.
    virtual void SendChar(uint nChar) = 0;
    virtual void EndEdit() = 0;
    // The cell whose text the editor reports when it ends.
    virtual CCellID EditedCell() const = 0;

    // Whether the key that opened an editor is one that keeps the text and selects it
    // (navigation keys and the blank) rather than one that types over it.
    static bool SelectsWholeText(uint nChar);
    // A key press that types `nChar`.
    static QKeyEvent* KeyEventFor(uint nChar);
    // Widens `editor` to `wanted` pixels, up to the right edge of its parent (the grid's
    // client area); its height stays.
    static void Widen(QWidget* editor, int wanted);
};
