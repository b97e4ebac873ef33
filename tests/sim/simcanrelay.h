// The virtualcan bus of one test process. Qt 6.4's virtualcan plugin relays frames through
// one server per process: it is started by the first device that connects, listens on the
// port that device named, and serves from that device's thread. Devices that name another
// port later reach nothing, and once that thread has ended nobody is served. This object
// picks a free loopback port and connects the first device from a thread that lives as
// long as it does, so every device of the process meets on InterfaceName().
//
// A device counts as connected once its socket stands, but the server passes frames on to it
// only after it has read the device's "connect" line, and it serves its sockets in no set
// order: a frame another device sends in between never reaches the newcomer. WaitUntilJoined()
// closes that gap for a device that must not miss the first frame.
#pragma once

#include "platform/ceventloopthread.h"

#include <QCanBusDevice>
#include <QCanBusFrame>
#include <QSet>
#include <QString>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

// Connects `device` on the calling thread and runs that thread's loop until the connection
// stands or fails; false after `timeoutMs` without one. The waits end as soon as they can:
// their limits only keep a loaded machine from failing them.
bool SimConnectAndWait(QCanBusDevice& device, int timeoutMs = 20000);

class SimCanRelay {
public:
    SimCanRelay();
    ~SimCanRelay();
    SimCanRelay(const SimCanRelay&) = delete;
    SimCanRelay& operator=(const SimCanRelay&) = delete;

    bool IsRunning() const { return m_running; }
    // "tcp://127.0.0.1:PORT/can0", for createDevice("virtualcan", ...).
    QString InterfaceName() const { return m_interfaceName; }
    // "virtualcan:" + InterfaceName(), the form TARNLINK_CAN takes.
    QString DeviceSpec() const { return QStringLiteral("virtualcan:") + m_interfaceName; }

    // For a device that has just connected: `send` puts a probe frame on the bus through it
    // until one reaches this relay, which shows the server has taken the device in. Only the
    // relay heeds probes (identifier 0x7FF: no stage's request or answer); still, join before
    // the program under test opens its card. False after `timeoutMs`.
    bool WaitUntilJoined(const std::function<void(const QCanBusFrame&)>& send,
                         int timeoutMs = 20000);

private:
    void TakeFrames(); // on m_thread

    CEventLoopThread m_thread;
    std::unique_ptr<QCanBusDevice> m_device; // used on m_thread only
    QString m_interfaceName;
    bool m_running = false;

    std::mutex m_mutex; // guards everything below
    std::condition_variable m_probeArrived;
    QSet<quint32> m_probesSeen;
    quint32 m_nextProbe = 0;
};
