// Tarnlink: service tool for the stepper-motor power stages on a serial or CAN bus.
#include "platform/cappsettings.h"
#include "platform/cmessageboxservice.h"
#include "res/cstringids.h"
#include "res/cstringtable.h"
#include "shell/cshellopenchannel.h"
#include "shell/ctarnlinkapp.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

// A start whose files the running program did not take says so, on standard error and in a
// box, in the language of the settings; the program itself is not made for it.
int ReportNotHandedOver(const QStringList& files)
{
    const UiLanguage language =
        CAppSettings().Language() == 0 ? UiLanguage::German : UiLanguage::English;
    QStringList lines{CStringTable::Lookup(CStringIds::kIdsRunningNoAnswer, language)};
    if (!files.isEmpty())
        lines.append(CStringTable::Lookup(CStringIds::kIdsFilesNotHandedOver, language));
    for (const QString& file : files)
        lines.append(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()));
    std::fprintf(stderr, "%s\n", qPrintable(lines.join(QLatin1Char(' '))));
    std::fflush(stderr);
    CMessageBoxService().Show(lines.join(QStringLiteral("\r\n")), MbOk | MbIconWarning);
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnlink"));
    QApplication::setApplicationVersion(QStringLiteral("1.9.0"));
    const QStringList arguments = QCoreApplication::arguments();

    // Decided before the application object exists: its bus port starts the CAN card, and a
    // second program would fight the running one over the port. A start that finds the
    // program running hands it the files of its command line and ends.
    CShellOpenChannel shellOpen(CShellOpenChannel::UserChannelName());
    const QStringList files = CTarnlinkApp::ParseCommandLine(arguments);
    switch (shellOpen.Claim(files)) {
    case CShellOpenChannel::Role::HandedOver:
        return 0;
    case CShellOpenChannel::Role::NotDelivered:
        return ReportNotHandedOver(files);
    case CShellOpenChannel::Role::Serving:
    case CShellOpenChannel::Role::Alone:
        break;
    }

    CTarnlinkApp app;
    if (!app.InitInstance(arguments, &shellOpen))
        return 1;
    return QApplication::exec();
}
