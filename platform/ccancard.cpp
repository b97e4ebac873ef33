#include "platform/ccancard.h"

#include "platform/ceventobject.h"
#include "platform/ctickclock.h"

#include <QByteArrayView>
#include <QCanBus>
#include <QLibraryInfo>
#include <QVersionNumber>

#include <chrono>

namespace {

const QString kDefaultDevice = QStringLiteral("socketcan:can0");
// A device that has not connected (or let go) within this time is taken as absent.
constexpr std::chrono::milliseconds kStateTimeout{2000};
// Records beyond this many wait in no queue: the card overruns, as a hardware FIFO would.
constexpr std::size_t kFifoDepth = 1024;
// Frames handed to the device whose acknowledgement has not come back yet.
constexpr std::size_t kMaxUnacknowledged = 64;
constexpr unsigned kLayerMajor = 1;
constexpr unsigned kLayerMinor = 0;

// The controller's register fields: baud-rate prescaler 6 bits, jump width 2 bits, time
// segments 4 and 3 bits, each stored as value - 1.
bool TimingFits(int prescaler, int sjw, int tseg1, int tseg2, int sampling)
{
    return prescaler >= 1 && prescaler <= 64 && sjw >= 1 && sjw <= 4 && tseg1 >= 1 &&
           tseg1 <= 16 && tseg2 >= 1 && tseg2 <= 8 && (sampling == 0 || sampling == 1);
}

bool PassesFilter(std::uint32_t id, std::uint32_t code, std::uint32_t mask)
{
    return ((id ^ code) & mask) == 0;
}

std::uint8_t BusStateOf(const QCanBusFrame& frame)
{
    const QCanBusFrame::FrameErrors errors = frame.error();
    if (errors & QCanBusFrame::BusOffError)
        return 3;
    if (errors & QCanBusFrame::ControllerError)
        return 2;
    return 1;
}

int SentCodeOf(const QCanBusFrame& frame)
{
    const bool remote = frame.frameType() == QCanBusFrame::RemoteRequestFrame;
    if (frame.hasExtendedFrameFormat())
        return remote ? CCanCard::SentExtendedRemote : CCanCard::SentExtended;
    return remote ? CCanCard::SentStandardRemote : CCanCard::SentStandard;
}

int ReceivedCodeOf(const QCanBusFrame& frame)
{
    const bool remote = frame.frameType() == QCanBusFrame::RemoteRequestFrame;
    if (frame.hasExtendedFrameFormat())
        return remote ? CCanCard::ReceivedExtendedRemote : CCanCard::ReceivedExtended;
    return remote ? CCanCard::ReceivedStandardRemote : CCanCard::ReceivedStandard;
}

} // namespace

CCanCard::CCanCard(const QString& deviceSpec) : m_deviceSpec(deviceSpec) {}

CCanCard::~CCanCard()
{
    m_io.Run([this] { m_device.reset(); });
}

QString CCanCard::ConfiguredDevice()
{
    return qEnvironmentVariable("TARNLINK_CAN", kDefaultDevice);
}

bool CCanCard::HasBoard() const
{
    std::lock_guard lock(m_mutex);
    return m_boardOpen;
}

int CCanCard::CARD_initialize_board(std::uint16_t* board)
{
    if (HasBoard())
        return 1;
    const qsizetype colon = m_deviceSpec.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        return 2;
    bool created = false;
    const QString plugin = m_deviceSpec.left(colon);
    const QString interfaceName = m_deviceSpec.mid(colon + 1);
    m_io.Run([&] { CreateDevice(plugin, interfaceName, &created); });
    if (!created)
        return 3;
    // Connecting is the only way to learn whether the interface is there at all.
    if (!Connect()) {
        m_io.Run([this] { m_device.reset(); });
        return 4;
    }
    {
        std::lock_guard lock(m_mutex);
        m_boardOpen = true;
        m_openedAt = CTickClock::Now();
    }
    if (board)
        *board = 0;
    return 0;
}

void CCanCard::CreateDevice(const QString& plugin, const QString& interfaceName, bool* created)
{
    QString error;
    m_device.reset(QCanBus::instance()->createDevice(plugin, interfaceName, &error));
    // Some plugins build the device and only record what is wrong with the interface.
    if (!m_device || !error.isEmpty() || !m_device->errorString().isEmpty()) {
        m_device.reset();
        return;
    }
    QCanBusDevice* device = m_device.get();
    QObject::connect(device, &QCanBusDevice::framesReceived, device, [this] { TakeFrames(); });
    QObject::connect(device, &QCanBusDevice::framesWritten, device,
                     [this](qint64 count) { TakeWritten(count); });
    QObject::connect(device, &QCanBusDevice::stateChanged, device,
                     [this](QCanBusDevice::CanBusDeviceState state) { OnStateChanged(state); });
    *created = true;
}

int CCanCard::CARD_close_board()
{
    {
        std::lock_guard lock(m_mutex);
        m_boardOpen = false;
        m_running = false;
        m_disconnecting = true;
    }
    m_io.Run([this] {
        if (m_device)
            m_device->disconnectDevice();
        m_device.reset();
        m_unacknowledged.clear();
    });
    std::lock_guard lock(m_mutex);
    m_state = QCanBusDevice::UnconnectedState;
    m_disconnecting = false;
    m_lost = false;
    m_fifo = false;
    m_timestamps = false;
    m_queue.clear();
    m_interruptEvent.reset();
    m_stateChanged.notify_all();
    return 0;
}

int CCanCard::CARD_reset_board()
{
    if (!HasBoard())
        return 1;
    // Both controllers go to reset: off the bus until they are started again.
    Disconnect();
    std::lock_guard lock(m_mutex);
    m_fifo = false;
    m_timestamps = false;
    m_channels = {};
    m_queue.clear();
    return 0;
}

int CCanCard::CARD_reset_chip()
{
    if (!HasBoard())
        return 1;
    Disconnect();
    std::lock_guard lock(m_mutex);
    m_queue.clear();
    m_lost = false;
    return 0;
}

int CCanCard::CARD_get_serial_number(std::uint32_t* serial)
{
    if (!HasBoard() || !serial)
        return 1;
    // No serial number exists for a bus interface; the device name gives a stable one.
    *serial = qChecksum(QByteArrayView(m_deviceSpec.toUtf8()));
    return 0;
}

int CCanCard::CARD_get_version(CCanCardVersion* version)
{
    if (!HasBoard() || !version)
        return 1;
    const QVersionNumber qt = QLibraryInfo::version();
    *version = CCanCardVersion{};
    version->softwareMajor = kLayerMajor;
    version->softwareMinor = kLayerMinor;
    version->firmwareMajor = static_cast<unsigned>(qt.majorVersion());
    version->firmwareMinor = static_cast<unsigned>(qt.minorVersion());
    version->hardwareMajor = 1;
    version->chipType = {kChipTypeSja1000, 0};
    return 0;
}

int CCanCard::InitializeChip(Channel& channel, int prescaler, int sjw, int tseg1, int tseg2,
                             int sampling)
{
    if (!HasBoard() || !TimingFits(prescaler, sjw, tseg1, tseg2, sampling))
        return 1;
    const std::uint32_t bitRate =
        kClockHz / static_cast<std::uint32_t>(prescaler * (1 + tseg1 + tseg2));
    std::lock_guard lock(m_mutex);
    channel.bitRate = bitRate;
    return 0;
}

int CCanCard::CARD_initialize_chip(int prescaler, int sjw, int tseg1, int tseg2, int sampling)
{
    const int result = InitializeChip(m_channels[0], prescaler, sjw, tseg1, tseg2, sampling);
    if (result == 0) {
        // Plugins that can set the rate take it when the controller is started; others
        // (virtualcan, SocketCAN without the rights) keep the rate the interface has.
        const QVariant rate(BitRate());
        m_io.Run([&] {
            if (m_device)
                m_device->setConfigurationParameter(QCanBusDevice::BitRateKey, rate);
        });
    }
    return result;
}

int CCanCard::CARD_initialize_chip2(int prescaler, int sjw, int tseg1, int tseg2, int sampling)
{
    return InitializeChip(m_channels[1], prescaler, sjw, tseg1, tseg2, sampling);
}

int CCanCard::CARD_set_acceptance(std::uint32_t codeStd, std::uint32_t maskStd,
                                  std::uint32_t codeXtd, std::uint32_t maskXtd)
{
    if (!HasBoard())
        return 1;
    std::lock_guard lock(m_mutex);
    m_channels[0].codeStd = codeStd;
    m_channels[0].maskStd = maskStd;
    m_channels[0].codeXtd = codeXtd;
    m_channels[0].maskXtd = maskXtd;
    return 0;
}

int CCanCard::CARD_set_acceptance2(std::uint32_t codeStd, std::uint32_t maskStd,
                                   std::uint32_t codeXtd, std::uint32_t maskXtd)
{
    if (!HasBoard())
        return 1;
    std::lock_guard lock(m_mutex);
    m_channels[1].codeStd = codeStd;
    m_channels[1].maskStd = maskStd;
    m_channels[1].codeXtd = codeXtd;
    m_channels[1].maskXtd = maskXtd;
    return 0;
}

int CCanCard::CARD_set_mode(int sleepMode, int speedMode)
{
    return HasBoard() && sleepMode == 0 && speedMode == 0 ? 0 : 1;
}

int CCanCard::CARD_set_mode2(int sleepMode, int speedMode)
{
    return CARD_set_mode(sleepMode, speedMode);
}

int CCanCard::CARD_set_output_control(int value)
{
    if (!HasBoard())
        return 1;
    std::lock_guard lock(m_mutex);
    m_channels[0].outputControl = value;
    return 0;
}

int CCanCard::CARD_set_output_control2(int value)
{
    if (!HasBoard())
        return 1;
    std::lock_guard lock(m_mutex);
    m_channels[1].outputControl = value;
    return 0;
}

int CCanCard::CARD_enable_fifo()
{
    if (!HasBoard())
        return 1;
    std::lock_guard lock(m_mutex);
    m_fifo = true;
    return 0;
}

int CCanCard::CARD_enable_timestamps()
{
    if (!HasBoard())
        return 1;
    std::lock_guard lock(m_mutex);
    m_timestamps = true;
    return 0;
}

int CCanCard::CARD_enable_fifo_transmit_ack()
{
    if (!HasBoard())
        return 1;
    std::lock_guard lock(m_mutex);
    m_channels[0].transmitAck = true;
    return 0;
}

int CCanCard::CARD_enable_fifo_transmit_ack2()
{
    if (!HasBoard())
        return 1;
    std::lock_guard lock(m_mutex);
    m_channels[1].transmitAck = true;
    return 0;
}

int CCanCard::CARD_set_interrupt_event(std::shared_ptr<CEventObject> event)
{
    if (!HasBoard())
        return 1;
    std::lock_guard lock(m_mutex);
    m_interruptEvent = std::move(event);
    return 0;
}

int CCanCard::CARD_start_chip()
{
    if (!HasBoard() || !Connect())
        return 1;
    std::lock_guard lock(m_mutex);
    m_running = true;
    return 0;
}

int CCanCard::CARD_send_data(std::uint32_t identifier, int extended, int length,
                             const std::uint8_t* data)
{
    if (length < 0 || length > 8 || (length > 0 && !data))
        return 1;
    {
        std::lock_guard lock(m_mutex);
        if (!m_running)
            return 2;
    }
    QCanBusFrame frame(identifier,
                       QByteArray(reinterpret_cast<const char*>(data), length));
    frame.setExtendedFrameFormat(extended != 0);
    bool written = false;
    m_io.Run([&] {
        if (!m_device)
            return;
        if (m_unacknowledged.size() >= kMaxUnacknowledged)
            m_unacknowledged.pop_front();
        m_unacknowledged.push_back(frame);
        written = m_device->writeFrame(frame);
        if (!written && !m_unacknowledged.empty())
            m_unacknowledged.pop_back();
    });
    return written ? 0 : 3;
}

int CCanCard::CARD_read_ac(CCanCardEvent* event)
{
    if (!event)
        return ReadError;
    std::lock_guard lock(m_mutex);
    if (m_queue.empty())
        return m_lost ? ReadError : NoEvent;
    *event = m_queue.front().event;
    const int code = m_queue.front().code;
    m_queue.pop_front();
    return code;
}

std::uint32_t CCanCard::BitRate() const
{
    std::lock_guard lock(m_mutex);
    return m_channels[0].bitRate;
}

bool CCanCard::Connect()
{
    {
        std::lock_guard lock(m_mutex);
        m_state = QCanBusDevice::ConnectingState;
    }
    bool started = false;
    m_io.Run([&] { started = m_device && m_device->connectDevice(); });
    if (!started)
        return false;
    std::unique_lock lock(m_mutex);
    m_stateChanged.wait_for(lock, kStateTimeout,
                            [this] { return m_state != QCanBusDevice::ConnectingState; });
    return m_state == QCanBusDevice::ConnectedState;
}

void CCanCard::Disconnect()
{
    {
        std::lock_guard lock(m_mutex);
        m_running = false;
        if (m_state == QCanBusDevice::UnconnectedState)
            return;
        m_disconnecting = true;
    }
    m_io.Run([this] {
        if (m_device)
            m_device->disconnectDevice();
    });
    // Some plugins let go asynchronously; a device still closing cannot connect again.
    std::unique_lock lock(m_mutex);
    m_stateChanged.wait_for(lock, kStateTimeout,
                            [this] { return m_state == QCanBusDevice::UnconnectedState; });
    m_disconnecting = false;
}

void CCanCard::OnStateChanged(QCanBusDevice::CanBusDeviceState state)
{
    std::shared_ptr<CEventObject> wake;
    {
        std::lock_guard lock(m_mutex);
        m_state = state;
        if (state == QCanBusDevice::UnconnectedState && m_running && !m_disconnecting) {
            // The interface went away under us: the reader learns it from CARD_read_ac.
            m_running = false;
            m_lost = true;
            wake = m_interruptEvent;
        }
        m_stateChanged.notify_all();
    }
    if (wake)
        wake->Set();
}

bool CCanCard::Accepts(const QCanBusFrame& frame) const
{
    const Channel& channel = m_channels[0];
    if (frame.hasExtendedFrameFormat())
        return PassesFilter(frame.frameId(), channel.codeXtd, channel.maskXtd & 0x1FFFFFFF);
    return PassesFilter(frame.frameId(), channel.codeStd, channel.maskStd & 0x7FF);
}

CCanCardEvent CCanCard::RecordOf(const QCanBusFrame& frame) const
{
    CCanCardEvent event;
    event.identifier = frame.frameId();
    const QByteArray payload = frame.payload();
    const qsizetype length = qMin<qsizetype>(payload.size(), 8);
    event.length = static_cast<std::uint8_t>(length);
    for (qsizetype i = 0; i < length; ++i)
        event.data[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(payload.at(i));
    event.channel = 1;
    if (m_timestamps)
        event.timeStamp = static_cast<std::uint32_t>(CTickClock::Now() - m_openedAt);
    return event;
}

void CCanCard::TakeFrames()
{
    bool queued = false;
    while (m_device && m_device->framesAvailable() > 0) {
        const QCanBusFrame frame = m_device->readFrame();
        std::lock_guard lock(m_mutex);
        if (!m_running)
            continue;
        switch (frame.frameType()) {
        case QCanBusFrame::ErrorFrame: {
            CCanCardEvent event = RecordOf(frame);
            event.busState = BusStateOf(frame);
            Queue(BusStateChanged, event);
            queued = true;
            break;
        }
        case QCanBusFrame::DataFrame:
        case QCanBusFrame::RemoteRequestFrame:
            if (Accepts(frame)) {
                Queue(ReceivedCodeOf(frame), RecordOf(frame));
                queued = true;
            }
            break;
        default:
            break;
        }
    }
    if (queued)
        SignalWaiting();
}

void CCanCard::TakeWritten(qint64 count)
{
    bool queued = false;
    for (qint64 i = 0; i < count && !m_unacknowledged.empty(); ++i) {
        const QCanBusFrame frame = m_unacknowledged.front();
        m_unacknowledged.pop_front();
        std::lock_guard lock(m_mutex);
        if (m_running && m_channels[0].transmitAck) {
            Queue(SentCodeOf(frame), RecordOf(frame));
            queued = true;
        }
    }
    if (queued)
        SignalWaiting();
}

void CCanCard::Queue(int code, const CCanCardEvent& event)
{
    // Without the FIFO the controller holds only the newest record.
    if (!m_fifo)
        m_queue.clear();
    if (m_queue.size() < kFifoDepth)
        m_queue.push_back(Queued{code, event});
}

void CCanCard::SignalWaiting()
{
    std::shared_ptr<CEventObject> wake;
    {
        std::lock_guard lock(m_mutex);
        wake = m_interruptEvent;
    }
    if (wake)
        wake->Set();
}
