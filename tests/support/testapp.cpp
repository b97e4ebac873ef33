#include "tests/support/testapp.h"

#include <QSettings>

TestApp::TestApp()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
    m_app = std::make_unique<CTarnlinkApp>();
    m_app->MessageBoxes().SetResponder([this](const MessageBoxRequest& request) {
        messages.append(request.text);
        return answer;
    });
    m_app->Sleeper().SetInstant(true);
}

TestApp::~TestApp() = default;
