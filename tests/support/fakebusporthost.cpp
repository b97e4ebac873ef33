#include "tests/support/fakebusporthost.h"

#include "res/cstringtable.h"

#include <QCoreApplication>

QString FakeBusPortHost::LoadResString(unsigned id) const
{
    return CStringTable::Lookup(id, m_language);
}

void FakeBusPortHost::PumpPendingMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

int FakeBusPortHost::ShowMessage(const QString& text, unsigned)
{
    messages.append(text);
    return answers.isEmpty() ? answer : answers.takeFirst();
}
