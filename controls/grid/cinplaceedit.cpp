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
    : QLineEdit(parent), CInPlaceEditor(*this, id, row, col, text, nFirstChar),
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
    return TakeEvent(event, [this](QKeyEvent* key) { keyPressEvent(key); }) ||
           QLineEdit::event(event);
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (LeaveOnKey(event, m_bExitOnArrows || ctrl, false))
        return;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Leave('\r');
        return;
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

void CInPlaceEdit::EndEdit()
{
    EndOnce(g_endingEdit, text(), [this](const GV_DISPINFO& info) { emit EndLabelEdit(info); });
}
