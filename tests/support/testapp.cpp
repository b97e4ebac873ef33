#include "tests/support/testapp.h"

#include <QFile>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
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

void TestApp::AnswerPrintDialog(const QString& pdf)
{
    m_app->ModalRunner().SetScript([pdf](QDialog& dialog) {
        auto* chooser = qobject_cast<QPrintDialog*>(&dialog);
        if (!chooser)
            return int(QDialog::Rejected);
        chooser->printer()->setOutputFormat(QPrinter::PdfFormat);
        chooser->printer()->setOutputFileName(pdf);
        return int(QDialog::Accepted);
    });
}

QString TestApp::WriteKevFile(const QTemporaryDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("Tarnlink parameter file of 16.08.18 - 14:05\r\n");
    file.write("Address\t\t\t\t[07]\r\nController version and type:\t[bKEV]\r\n"
               "Axis name:\t\t\t[pnAchse]\r\n");
    return path;
}
