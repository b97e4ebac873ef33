#include "tests/support/testapp.h"

#include <QFileDialog>
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
    // Tests run in parallel: none may take the machine's own serial port unless it asks
    // for it, so the stored port is one that does not exist.
    m_app->Settings().SetActiveCom(kNoPort);
    // Files the program looks for beside itself (the macro file) come from the test.
    m_app->SetProgramDirectory(m_settingsDir.path());
}

TestApp::~TestApp() = default;

void TestApp::AnswerFileDialog(const QString& path)
{
    m_app->ModalRunner().SetScript([path](QDialog& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        if (!files)
            return int(QDialog::Rejected);
        files->selectFile(path);
        return int(QDialog::Accepted);
    });
}
