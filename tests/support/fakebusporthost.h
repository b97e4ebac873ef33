// What the bus port needs of the application, without the application: texts from the
// string table in a language the test picks, every message box recorded and answered with a
// scripted button, the message pump serving the event loop. It owns the port it hosts, as
// the application does, so the bus and CAN tests link no window and no shell.
#pragma once

#include "bus/cbusport.h"
#include "bus/cbusporthost.h"
#include "platform/cmessageboxstyle.h"
#include "res/uilanguage.h"

#include <QList>
#include <QString>
#include <QStringList>

class FakeBusPortHost : public CBusPortHost {
public:
    FakeBusPortHost() = default;
    FakeBusPortHost(const FakeBusPortHost&) = delete;
    FakeBusPortHost& operator=(const FakeBusPortHost&) = delete;

    QString LoadResString(unsigned id) const override;
    // Serves what is queued and returns, as the application's pump does.
    void PumpPendingMessages() override;
    int ShowMessage(const QString& text, unsigned style) override;

    CBusPort& port() { return m_port; }
    // Texts looked up from now on come in `language`.
    void SetUiLanguage(UiLanguage language) { m_language = language; }

    QStringList messages; // every text shown, in order
    int answer = IdOk;    // the button every box is answered with
    QList<int> answers;   // taken first, one per box, before `answer` serves

private:
    UiLanguage m_language = UiLanguage::German;
    // Last: made once the host is complete and gone before the rest of it.
    CBusPort m_port{*this};
};
