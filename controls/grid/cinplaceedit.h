// The one-line editor the grid opens over a cell. It starts from the key that opened it
// (typing over the text, or keeping it with the caret at the end), widens itself as the
// text grows, and ends on Tab, Return, Escape (putting the first text back), an arrow or
// page key when allowed, or when it loses the focus; it then reports its text and the key
// that ended it, closes and deletes itself.
#pragma once

#include "controls/grid/cgriddefs.h"
#include "controls/grid/cinplaceeditor.h"

#include <QLineEdit>

class CInPlaceEdit : public QLineEdit, public CInPlaceEditor {
    Q_OBJECT
public:
    CInPlaceEdit(QWidget* parent, const QRect& rect, Qt::Alignment align, int id, int row, int col,
                 const QString& text, uint nFirstChar);

    // Shows the editor with the focus and applies the first key.
    void Start();
    void SendChar(uint nChar) override;
    void EndEdit() override;

signals:
    void EndLabelEdit(const GV_DISPINFO& info);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void SetEditText(const QString& text) override { setText(text); }

private:
    bool m_bExitOnArrows;
};
