#include "controls/grid/cinplacemultiline.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QTextCursor>

namespace {

bool g_endingMultiLine = false;

} // namespace

CInPlaceMultiLine::CInPlaceMultiLine(QWidget* parent, const QRect& rect, int id, int row,
                                     int col, const QString& text, uint nFirstChar)
    : QPlainTextEdit(parent), CInPlaceEditor(*this, id, row, col, text, nFirstChar)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("InPlaceMultiLine"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setGeometry(rect);
    setPlainText(text);
}

void CInPlaceMultiLine::Start()
{
    show();
    setFocus(Qt::OtherFocusReason);
    const uint first = m_nFirstChar;
    if (first == kGridMouseStart || first == '\b' || first == '\r') {
        moveCursor(QTextCursor::End);
        ensureCursorVisible();
        // A mouse start types nothing; a Backspace removes the last character, and the
        // Return that opened the editor is dropped because no key was pressed here yet.
        if (first != kGridMouseStart)
            Type(first);
    } else if (SelectsWholeText(first)) {
        selectAll();
        ensureCursorVisible();
    } else {
        selectAll();
        ensureCursorVisible();
        Type(first);
    }
}

void CInPlaceMultiLine::Type(uint nChar)
{
    std::unique_ptr<QKeyEvent> key(KeyEventFor(nChar));
    m_bTypingForProgram = true;
    QCoreApplication::sendEvent(this, key.get());
    m_bTypingForProgram = false;
}

void CInPlaceMultiLine::SendChar(uint nChar)
{
    Type(nChar);
}

bool CInPlaceMultiLine::event(QEvent* event)
{
    return TakeEvent(event, [this](QKeyEvent* key) { keyPressEvent(key); }) ||
           QPlainTextEdit::event(event);
}

void CInPlaceMultiLine::keyPressEvent(QKeyEvent* event)
{
    if (!m_bTypingForProgram)
        m_bKeyPressed = true;
    // The arrows move within the text unless Ctrl is held.
    if (LeaveOnKey(event, event->modifiers() & Qt::ControlModifier, true))
        return;
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && !m_bKeyPressed)
        return;
    QPlainTextEdit::keyPressEvent(event);
    if (!event->text().isEmpty()) {
        const QRect box(0, 0, qMax(1, width()), 0);
        const int wanted =
            fontMetrics().boundingRect(box, Qt::TextWordWrap, toPlainText() + QStringLiteral("  "))
                .width();
        Widen(this, wanted);
    }
}

void CInPlaceMultiLine::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    EndEdit();
}

void CInPlaceMultiLine::EndEdit()
{
    EndOnce(g_endingMultiLine, toPlainText(),
            [this](const GV_DISPINFO& info) { emit EndLabelEdit(info); });
}
