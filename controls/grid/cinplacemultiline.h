// The multi-line editor of a multi-line cell: Return breaks the line (but the Return that
// opened the editor is not taken into the text), arrows move within the text unless Ctrl is
// held, and the editor ends as the one-line editor does.
#pragma once

#include "controls/grid/cgriddefs.h"
#include "controls/grid/cinplaceeditor.h"

#include <QPlainTextEdit>

class CInPlaceMultiLine : public QPlainTextEdit, public CInPlaceEditor {
    Q_OBJECT
public:
    CInPlaceMultiLine(QWidget* parent, const QRect& rect, int id, int row, int col,
                      const QString& text, uint nFirstChar);

    void Start();
    void SendChar(uint nChar) override;
    void EndEdit() override;

signals:
    void EndLabelEdit(const GV_DISPINFO& info);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void SetEditText(const QString& text) override { setPlainText(text); }

private:
    void Type(uint nChar);

    // Set by the first key pressed in the editor itself, so that a Return typed there
    // breaks the line while the Return that opened the editor does not.
    bool m_bKeyPressed = false;
    bool m_bTypingForProgram = false;
};
