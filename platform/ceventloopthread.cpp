#include "platform/ceventloopthread.h"

CEventLoopThread::CEventLoopThread() : m_context(std::make_unique<QObject>())
{
    m_context->moveToThread(&m_thread);
    m_thread.start();
}

CEventLoopThread::~CEventLoopThread()
{
    m_thread.quit();
    m_thread.wait();
    // The thread has ended, so nothing can be delivering to the context any more.
    m_context.reset();
}

void CEventLoopThread::Run(const std::function<void()>& work)
{
    if (QThread::currentThread() == &m_thread) {
        work();
        return;
    }
    QMetaObject::invokeMethod(m_context.get(), work, Qt::BlockingQueuedConnection);
}
