// An auto-reset event: Set() wakes one wait, which resets it again. Events that one thread
// waits for together (the receive thread's "frames waiting" and "stop") share one lock,
// so WaitAny can sleep on both at once.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>

class CEventObject {
public:
    struct Lock {
        std::mutex mutex;
        std::condition_variable changed;
    };

    explicit CEventObject(std::shared_ptr<Lock> lock = std::make_shared<Lock>());

    void Set();
    // Sleeps without limit until `first` (0) or `second` (1) is set, resets that one and
    // returns its index; -1 when the two do not share a lock and cannot be waited for.
    static int WaitAny(CEventObject& first, CEventObject& second);

    const std::shared_ptr<Lock>& SharedLock() const { return m_lock; }

private:
    std::shared_ptr<Lock> m_lock;
    bool m_signalled = false;
};
