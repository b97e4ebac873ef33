// A named pipe at a path, for the life of the object. A program that opens it as a file
// waits in open() for a writer that never comes; so that such a test fails instead of
// hanging, a watcher lets every waiting reader go: it opens the pipe for writing and closes
// it again, and the reader reads an empty file. Where the system shows what a thread waits
// for, the watcher also notes that a thread of the test waited in such an open.
#pragma once

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

class NamedPipe {
public:
    explicit NamedPipe(const QString& path) : m_path(QFile::encodeName(path))
    {
        m_made = mkfifo(m_path.constData(), 0600) == 0;
        if (m_made)
            m_watcher = std::thread([this] { Watch(); });
    }
    ~NamedPipe()
    {
        m_stop = true;
        if (m_watcher.joinable())
            m_watcher.join();
    }
    NamedPipe(const NamedPipe&) = delete;
    NamedPipe& operator=(const NamedPipe&) = delete;

    bool IsMade() const { return m_made; }
    // Whether a thread of the test was seen waiting to open a named pipe.
    bool Waited() const { return m_waited; }

private:
    void Watch()
    {
        using namespace std::chrono_literals;
        for (int poll = 1; !m_stop; ++poll) {
            // A reader seen waiting is let go at once; where the system does not show it,
            // every reader is let go now and then.
            const bool waits = AThreadWaitsForAWriter();
            if (waits)
                m_waited = true;
            if (waits || poll % 50 == 0)
                LetReadersGo();
            std::this_thread::sleep_for(10ms);
        }
    }
    // Opening for writing without waiting succeeds only while a reader has it open.
    void LetReadersGo() const
    {
        const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0)
            ::close(fd);
    }
    // Linux names the kernel function a sleeping thread waits in.
    static bool AThreadWaitsForAWriter()
    {
        std::error_code error;
        for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", error)) {
            std::ifstream wchan(task.path() / "wchan");
            std::string where;
            if (std::getline(wchan, where) && where == "wait_for_partner")
                return true;
        }
        return false;
    }

    QByteArray m_path;
    bool m_made = false;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_waited{false};
    std::thread m_watcher;
};
