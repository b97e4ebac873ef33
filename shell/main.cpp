// Tarnlink: service tool for the stepper-motor power stages on a serial or CAN bus.
#include "shell/ctarnlinkapp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnlink"));
    QApplication::setApplicationVersion(QStringLiteral("1.9.0"));

    CTarnlinkApp app;
    if (!app.InitInstance(QCoreApplication::arguments()))
        return 1;
    return QApplication::exec();
}
