#include "tests/support/testapp.h"

#include <QSettings>

TestApp::TestApp()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
    m_app = std::make_unique<CTarnlinkApp>();
    m_app->MessageBoxes().SetResponder([this](const MessageBoxRequest& request) {
        messages.append(request.text);
        return answers.isEmpty() ? answer : answers.takeFirst();
    });
    m_app->Sleeper().SetInstant(true);
    // Tests run in parallel: none may take the machine's own serial port unless it asks
    // for it, so the stored port is one that does not exist.
    m_app->Settings().SetActiveCom(kNoPort);
    // Files the program looks for beside itself (the macro file) come from the test.
    m_app->SetProgramDirectory(m_settingsDir.path());
}

TestApp::~TestApp() = default;
