#include "tests/sim/simcanrelay.h"

#include <QCanBus>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <chrono>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// No stage requests or answers on this identifier, and the simulated node ignores it.
constexpr quint32 kProbeId = 0x7FF;
// How long one probe may take before the next is sent.
constexpr std::chrono::milliseconds kProbeInterval{50};

QCanBusFrame ProbeFrame(quint32 number)
{
    QByteArray payload(4, '\0');
    qToLittleEndian(number, payload.data());
    return QCanBusFrame(kProbeId, payload);
}

// A port the system has just handed out, so no other process's bus is on it.
int FreeLoopbackPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    int port = -1;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port = ntohs(address.sin_port);
    close(fd);
    return port;
}

} // namespace

bool SimConnectAndWait(QCanBusDevice& device, int timeoutMs)
{
    if (!device.connectDevice())
        return false;
    QEventLoop loop;
    QObject::connect(&device, &QCanBusDevice::stateChanged, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    const QDeadlineTimer deadline(timeoutMs);
    while (device.state() == QCanBusDevice::ConnectingState && !deadline.hasExpired())
        loop.exec();
    return device.state() == QCanBusDevice::ConnectedState;
}

SimCanRelay::SimCanRelay()
{
    const int port = FreeLoopbackPort();
    if (port <= 0)
        return;
    m_interfaceName = QStringLiteral("tcp://127.0.0.1:%1/can0").arg(port);
    m_thread.Run([this] {
        m_device.reset(
            QCanBus::instance()->createDevice(QStringLiteral("virtualcan"), m_interfaceName));
        if (!m_device)
            return;
        // Frames reach this device too; only the probes matter.
        QCanBusDevice* device = m_device.get();
        QObject::connect(device, &QCanBusDevice::framesReceived, device, [this] { TakeFrames(); });
        // The server starts on this thread and is served by its loop from now on.
        m_running = SimConnectAndWait(*device);
    });
}

SimCanRelay::~SimCanRelay()
{
    m_thread.Run([this] { m_device.reset(); });
}

void SimCanRelay::TakeFrames()
{
    const QList<QCanBusFrame> frames = m_device->readAllFrames();
    std::lock_guard lock(m_mutex);
    for (const QCanBusFrame& frame : frames) {
        if (frame.frameId() == kProbeId && frame.payload().size() == 4)
            m_probesSeen.insert(qFromLittleEndian<quint32>(frame.payload().constData()));
    }
    m_probeArrived.notify_all();
}

bool SimCanRelay::WaitUntilJoined(const std::function<void(const QCanBusFrame&)>& send,
                                  int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::unique_lock lock(m_mutex);
    const quint32 first = m_nextProbe;
    quint32 last = first;
    const auto anySeen = [&] {
        for (quint32 number = first; number != m_nextProbe; ++number)
            if (m_probesSeen.contains(number))
                return true;
        return false;
    };
    // A probe that arrives shows the server has taken the device in.
    do {
        last = m_nextProbe++;
        lock.unlock();
        send(ProbeFrame(last));
        lock.lock();
        m_probeArrived.wait_until(
            lock, std::min(deadline, std::chrono::steady_clock::now() + kProbeInterval), anySeen);
    } while (!anySeen() && std::chrono::steady_clock::now() < deadline);
    // The last probe, too, is through before the caller goes on: no probe is left on the
    // way once the program under test joins the bus.
    return m_probeArrived.wait_until(lock, deadline, [&] { return m_probesSeen.contains(last); });
}
