// The virtualcan bus of one test process. Qt 6.4's virtualcan plugin relays frames through
// one server per process: it is started by the first device that connects, listens on the
// port that device named, and serves from that device's thread. Devices that name another
// port later reach nothing, and once that thread has ended nobody is served. This object
// picks a free loopback port and connects the first device from a thread that lives as
// long as it does, so every device of the process meets on InterfaceName().
#pragma once

#include "platform/ceventloopthread.h"

#include <QCanBusDevice>
#include <QString>

#include <memory>

// Connects `device` on the calling thread and runs that thread's loop until the connection
// stands or fails; false after `timeoutMs` without one.
bool SimConnectAndWait(QCanBusDevice& device, int timeoutMs = 2000);

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

private:
    CEventLoopThread m_thread;
    std::unique_ptr<QCanBusDevice> m_device; // used on m_thread only
    QString m_interfaceName;
    bool m_running = false;
};
