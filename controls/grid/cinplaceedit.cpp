#include "controls/grid/cinplaceedit.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>

namespace {

// One editor ends at a time: the end reports to the grid, which may close other editors.
bool g_endingEdit = false;

} // namespace

CInPlaceEdit::CInPlaceEdit(QWidget* parent, const QRect& rect, Qt::Alignment align, int id,
                           int row, int col, const QString& text, uint nFirstChar)
    : QLineEdit(parent),
      m_nID(id),
      m_nRow(row),
      m_nCol(col),
      m_sInitText(text),
      m_nFirstChar(nFirstChar),
      m_bExitOnArrows(nFirstChar != kGridMouseStart)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("InPlaceEdit"));
    setAlignment(align | Qt::AlignVCenter);
    setGeometry(rect);
    setText(text);
}

void CInPlaceEdit::Start()
{
    show();
    setFocus(Qt::OtherFocusReason);
    if (m_nFirstChar == kGridMouseStart || m_nFirstChar == '\r') {
        deselect();
        end(false);
    } else if (m_nFirstChar == '\b') {
        end(false);
        QCoreApplication::postEvent(this, KeyEventFor('\b'));
    } else if (SelectsWholeText(m_nFirstChar)) {
        selectAll();
    } else {
        selectAll();
        QCoreApplication::postEvent(this, KeyEventFor(m_nFirstChar));
    }
}

void CInPlaceEdit::SendChar(uint nChar)
{
    QCoreApplication::postEvent(this, KeyEventFor(nChar));
}

bool CInPlaceEdit::event(QEvent* event)
{
    // Tab ends the edit instead of moving the focus along the window's chain.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        Leave(uint(key));
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Leave('\r');
        return;
    case Qt::Key_Escape:
        setText(m_sInitText);
        Leave(Qt::Key_Escape);
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (m_bExitOnArrows || ctrl) {
            Leave(uint(key));
            return;
        }
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
    if (!event->text().isEmpty()) {
        const int wanted = fontMetrics().horizontalAdvance(text() + QStringLiteral("  "));
        Widen(this, wanted);
    }
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    EndEdit();
}

void CInPlaceEdit::Leave(uint key)
{
    m_nLastChar = key;
    if (QWidget* parent = parentWidget())
        parent->setFocus(Qt::OtherFocusReason);
    // Without a window to take the focus (an inactive window) the edit ends here.
    EndEdit();
}

void CInPlaceEdit::EndEdit()
{
    if (g_endingEdit || m_bEnded)
        return;
    g_endingEdit = true;
    m_bEnded = true;
    emit EndLabelEdit(EndLabelEditInfo(m_nID, m_nRow, m_nCol, text(), m_nLastChar));
    close();
    g_endingEdit = false;
}
