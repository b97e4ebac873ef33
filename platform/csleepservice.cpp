#include "platform/csleepservice.h"

#include <QThread>

void CSleepService::Sleep(int milliseconds)
{
    if (!m_instant && milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}
