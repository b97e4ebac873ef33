#include "platform/cmessageboxservice.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {

// The most lines of text a box shows in its body.
constexpr qsizetype kShownLines = 20;

QMessageBox::Icon IconOf(unsigned style)
{
    switch (style & 0xF0) {
    case MbIconError: return QMessageBox::Critical;
    case MbIconQuestion: return QMessageBox::Question;
    case MbIconWarning: return QMessageBox::Warning;
    case MbIconInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

int CMessageBoxService::Show(const QString& text, unsigned style)
{
    if (m_held > 0) {
        QMetaObject::invokeMethod(
            &m_later, [this, text, style] { Show(text, style); }, Qt::QueuedConnection);
        return IdOk;
    }
    const MessageBoxRequest request{text, style};
    return m_responder ? m_responder(request) : ShowBox(request);
}

int CMessageBoxService::ShowBox(const MessageBoxRequest& request)
{
    QMessageBox box(IconOf(request.style), QCoreApplication::applicationName(), request.text,
                    QMessageBox::NoButton, m_parent);
    // A message that names many files or axes would make a box taller than the screen, its
    // buttons out of reach: its first lines are shown, and the whole text under Details.
    const QStringList lines = request.text.split(QLatin1Char('\n'));
    if (lines.size() > kShownLines) {
        box.setText(lines.first(kShownLines).join(QLatin1Char('\n')) + QStringLiteral("\n…"));
        box.setDetailedText(request.text);
    }
    switch (request.style & 0x0F) {
    case MbOkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MbYesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MbYesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return IdYes;
    case QMessageBox::No: return IdNo;
    case QMessageBox::Cancel: return IdCancel;
    default: return IdOk;
    }
}
