#include "bus/ccanadapter.h"

int CCanAdapter::Start(int bitRateIndex)
{
    (void)bitRateIndex;
    m_replyTimeout = 1000;
    return 1;
}

QString CCanAdapter::Transact(const QByteArray& text)
{
    (void)text;
    return QStringLiteral("TIMEOUT");
}
