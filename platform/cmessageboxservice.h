// Message boxes of the program. In the program a QMessageBox is shown; a test installs a
// responder that records the text and gives the answer, so nothing blocks on a modal box.
#pragma once

#include "platform/cmessageboxstyle.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

struct MessageBoxRequest {
    QString text;
    unsigned style = MbOk;
};

class CMessageBoxService {
public:
    using Responder = std::function<int(const MessageBoxRequest&)>;

    // Shows `text` modally and returns the button pressed (a MessageBoxResult). While boxes
    // are held, the box is shown once control is back in the event loop and IdOk returned.
    int Show(const QString& text, unsigned style = MbOk);

    // For code that must not run an event loop of its own, as a window that is being
    // destroyed: the loop of a box would hand that window the events still pending for it.
    // Only messages may come meanwhile, no questions.
    class Hold {
    public:
        explicit Hold(CMessageBoxService& service) : m_service(service) { ++m_service.m_held; }
        ~Hold() { --m_service.m_held; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        CMessageBoxService& m_service;
    };

    void SetResponder(Responder responder) { m_responder = std::move(responder); }
    void SetParentWindow(QWidget* parent) { m_parent = parent; }

private:
    int ShowBox(const MessageBoxRequest& request);

    Responder m_responder;
    QWidget* m_parent = nullptr;
    int m_held = 0;
    // Boxes held back are shown through this; they go with the service.
    QObject m_later;
};
