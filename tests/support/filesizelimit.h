// Makes every write of this process beyond `bytes` fail, as on a full disk, for the life of
// the object. The signal that the limit would raise is ignored, so the write just fails.
#pragma once

#include <csignal>
#include <sys/resource.h>

class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(rlim_t bytes)
    {
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_set = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~ScopedFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

    bool IsSet() const { return m_set; }

private:
    rlimit m_old{};
    void (*m_handler)(int) = SIG_DFL;
    bool m_set = false;
};
