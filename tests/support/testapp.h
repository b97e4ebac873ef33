// The application object as tests use it: settings in a temporary folder, every message box
// recorded and answered with a scripted button, sleeps instant.
#pragma once

#include "platform/cmessageboxservice.h"
#include "shell/ctarnlinkapp.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class TestApp {
public:
    // The serial port a test application starts with unless the test stores another.
    static constexpr const char* kNoPortName = "ttyTarnlinkTestNone";
    inline static const QString kNoPort = QString::fromLatin1(kNoPortName);

    TestApp();
    ~TestApp();

    CTarnlinkApp& app() { return *m_app; }
    CBusPort& port() { return m_app->BusPort(); }
    // Every file dialog from now on is answered with `path`; other dialogs are cancelled.
    void AnswerFileDialog(const QString& path);
    // Every print dialog from now on is answered with PDF output to `pdf`; other dialogs
    // are cancelled.
    void AnswerPrintDialog(const QString& pdf);
    // A parameter file `name` in `dir` of a KEV at address 07 named "Achse"; its path, or
    // empty when it could not be written.
    static QString WriteKevFile(const QTemporaryDir& dir, const QString& name);

    QStringList messages;      // every text shown, in order
    int answer = IdOk;         // the button every box is answered with
    QList<int> answers;        // taken first, one per box, before `answer` serves

private:
    QTemporaryDir m_settingsDir;
    std::unique_ptr<CTarnlinkApp> m_app;
};
