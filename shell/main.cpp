// Tarnlink: service tool for the stepper-motor power stages on a serial or CAN bus.
#include "shell/cshellopenchannel.h"
#include "shell/ctarnlinkapp.h"

#include <QApplication>

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
    switch (shellOpen.Claim(CTarnlinkApp::ParseCommandLine(arguments))) {
    case CShellOpenChannel::Role::HandedOver:
        return 0;
    case CShellOpenChannel::Role::NotDelivered:
        return 1;
    case CShellOpenChannel::Role::Serving:
    case CShellOpenChannel::Role::Alone:
        break;
    }

    CTarnlinkApp app;
    if (!app.InitInstance(arguments, &shellOpen))
        return 1;
    return QApplication::exec();
}
