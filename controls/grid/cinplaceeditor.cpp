#include "controls/grid/cinplaceeditor.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

CInPlaceEditor::CInPlaceEditor(QWidget& editor, int id, int row, int col, const QString& text,
                               uint nFirstChar)
    : m_sInitText(text), m_nFirstChar(nFirstChar), m_editor(editor), m_nID(id), m_nRow(row),
      m_nCol(col)
{
}

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

bool CInPlaceEditor::TakeEvent(QEvent* event, const std::function<void(QKeyEvent*)>& keyPress)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPress(key);
            return true;
        }
    }
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return false;
}

void CInPlaceEditor::Leave(uint key)
{
    m_nLastChar = key;
    if (QWidget* parent = m_editor.parentWidget())
        parent->setFocus(Qt::OtherFocusReason);
    // Without a window to take the focus (an inactive window) the edit ends here.
    EndEdit();
}

bool CInPlaceEditor::LeaveOnKey(const QKeyEvent* event, bool arrowsLeave, bool sideArrowsToo)
{
    const int key = event->key();
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        break;
    case Qt::Key_Escape:
        SetEditText(m_sInitText);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (!sideArrowsToo)
            return false;
        [[fallthrough]];
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!arrowsLeave)
            return false;
        break;
    default:
        return false;
    }
    Leave(uint(key));
    return true;
}

void CInPlaceEditor::EndOnce(bool& ending, const QString& text,
                             const std::function<void(const GV_DISPINFO&)>& report)
{
    if (ending || m_bEnded)
        return;
    ending = true;
    m_bEnded = true;
    report(EndLabelEditInfo(m_nID, m_nRow, m_nCol, text, m_nLastChar));
    m_editor.close();
    ending = false;
}
