#include "controls/grid/cinplaceeditor.h"

#include <QKeyEvent>
#include <QWidget>

bool CInPlaceEditor::SelectsWholeText(uint nChar)
{
    switch (nChar) {
    case '\t':
    case ' ':
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

QKeyEvent* CInPlaceEditor::KeyEventFor(uint nChar)
{
    if (nChar >= Qt::Key_Escape)
        return new QKeyEvent(QEvent::KeyPress, int(nChar), Qt::NoModifier);
    if (nChar == '\b')
        return new QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier,
                             QStringLiteral("\b"));
    if (nChar == '\r')
        return new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier,
                             QStringLiteral("\r"));
    const char32_t code = nChar;
    return new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUcs4(&code, 1));
}

void CInPlaceEditor::Widen(QWidget* editor, int wanted)
{
    if (wanted <= editor->width())
        return;
    int right = editor->x() + wanted;
    if (QWidget* parent = editor->parentWidget())
        right = qMin(right, parent->width());
    editor->resize(qMax(editor->width(), right - editor->x()), editor->height());
}
