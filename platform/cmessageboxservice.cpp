#include "platform/cmessageboxservice.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {

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
