#include "tests/sim/simcanrelay.h"

#include <QCanBus>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

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
        m_device.reset(QCanBus::instance()->createDevice(QStringLiteral("virtualcan"),
                                                         m_interfaceName));
        if (!m_device)
            return;
        // Frames reach this device too; nobody needs them.
        QCanBusDevice* device = m_device.get();
        QObject::connect(device, &QCanBusDevice::framesReceived, device,
                         [device] { device->readAllFrames(); });
        // The server starts on this thread and is served by its loop from now on.
        m_running = SimConnectAndWait(*device);
    });
}

SimCanRelay::~SimCanRelay()
{
    m_thread.Run([this] { m_device.reset(); });
}
