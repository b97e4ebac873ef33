// A thread with its own Qt event loop, for objects that need one to do their I/O (a CAN
// device's sockets) while the thread that uses them blocks. Run() executes work on that
// thread and returns when it is done.
#pragma once

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

class CEventLoopThread {
public:
    CEventLoopThread();
    ~CEventLoopThread();
    CEventLoopThread(const CEventLoopThread&) = delete;
    CEventLoopThread& operator=(const CEventLoopThread&) = delete;

    // Runs `work` on the thread and waits for it. Work must not wait for the calling thread.
    void Run(const std::function<void()>& work);

private:
    QThread m_thread;
    std::unique_ptr<QObject> m_context; // lives on m_thread; carries the calls there
};
