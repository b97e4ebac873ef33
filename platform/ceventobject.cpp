#include "platform/ceventobject.h"

CEventObject::CEventObject(std::shared_ptr<Lock> lock) : m_lock(std::move(lock)) {}

void CEventObject::Set()
{
    std::lock_guard guard(m_lock->mutex);
    m_signalled = true;
    // Several events may share the condition, so every sleeper looks at its own flags.
    m_lock->changed.notify_all();
}

int CEventObject::WaitAny(CEventObject& first, CEventObject& second)
{
    if (first.m_lock != second.m_lock)
        return -1;
    std::unique_lock guard(first.m_lock->mutex);
    first.m_lock->changed.wait(guard, [&] { return first.m_signalled || second.m_signalled; });
    CEventObject& woken = first.m_signalled ? first : second;
    woken.m_signalled = false;
    return &woken == &first ? 0 : 1;
}
