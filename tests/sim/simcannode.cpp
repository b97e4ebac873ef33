#include "tests/sim/simcannode.h"

#include "tests/sim/simcanrelay.h"

#include <QCanBus>

#include <array>

namespace {

constexpr quint32 kRequestBase = 0x240;
constexpr quint32 kAnswerBase = 0x241;
constexpr int kAddresses = 32;
constexpr int kNameBytes = 7;

struct Command {
    quint8 byte;
    const char* mnemonic;
};

// What a stage makes of the first data byte. PB, PS and PX share byte 7; a stage reads it
// as the bus mode.
constexpr std::array<Command, 28> kCommands = {{
    {0, "F"},  {1, "Q"},  {2, "V"},  {3, "D"},   {4, "B"},   {5, "BF"},  {6, "PN"},
    {7, "PS"}, {8, "PR"}, {16, "M"}, {17, "A"},  {18, "R"},  {19, "S"},  {20, "T"},
    {21, "G"}, {32, "C"}, {33, "J"}, {34, "U"},  {35, "PC"}, {36, "PO"}, {37, "PH"},
    {38, "Z"}, {48, "L"}, {49, "O"}, {52, "PK"}, {56, "E"},  {57, "W"},  {64, "L*"},
}};

// Commands that are actions, not values: their frame carries nothing to read or write.
bool IsAction(const QByteArray& mnemonic)
{
    return mnemonic == "C" || mnemonic == "E" || mnemonic == "W" || mnemonic == "J" ||
           mnemonic == "L*";
}

// Commands that only read: whatever value their frame carries, they are reads.
bool IsReadOnly(const QByteArray& mnemonic)
{
    return mnemonic == "F" || mnemonic == "Q" || mnemonic == "V" || mnemonic == "D" ||
           mnemonic == "B" || mnemonic == "BF" || mnemonic == "PR" || mnemonic == "PS";
}

// The answer bytes whose reply is text rather than a number.
bool IsTextAnswer(quint8 byte)
{
    return byte == 4 || byte == 5 || byte == 6;
}

qint32 ValueOf(const QByteArray& payload)
{
    quint32 value = 0;
    for (int i = 0; i < 4 && 1 + i < payload.size(); ++i)
        value |= static_cast<quint32>(static_cast<quint8>(payload.at(1 + i))) << (8 * i);
    return static_cast<qint32>(value);
}

std::optional<QByteArray> MnemonicOf(quint8 byte)
{
    for (const Command& c : kCommands) {
        if (c.byte == byte)
            return QByteArray(c.mnemonic);
    }
    return std::nullopt;
}

} // namespace

SimCanNode::SimCanNode(SimBus& bus, SimCanRelay& relay)
    : m_bus(bus), m_relay(&relay), m_interfaceName(relay.InterfaceName()),
      m_plugin(QStringLiteral("virtualcan"))
{
}

SimCanNode::SimCanNode(SimBus& bus, const QString& interfaceName, const QString& plugin)
    : m_bus(bus), m_interfaceName(interfaceName), m_plugin(plugin)
{
}

SimCanNode::~SimCanNode()
{
    m_thread.Run([this] { m_device.reset(); });
}

bool SimCanNode::Start()
{
    bool started = false;
    m_thread.Run([&] {
        m_device.reset(QCanBus::instance()->createDevice(m_plugin, m_interfaceName));
        if (!m_device)
            return;
        QObject::connect(m_device.get(), &QCanBusDevice::framesReceived, m_device.get(),
                         [this] { TakeFrames(); });
        started = SimConnectAndWait(*m_device);
    });
    // The virtualcan server passes frames on to the node only once it has taken it in.
    if (started && m_relay)
        started = m_relay->WaitUntilJoined([this](const QCanBusFrame& probe) { Send(probe); });
    return started;
}

void SimCanNode::SetSilent(bool silent)
{
    std::lock_guard lock(m_mutex);
    m_silent = silent;
}

void SimCanNode::SetGivenAnswer(const std::optional<QCanBusFrame>& frame)
{
    std::lock_guard lock(m_mutex);
    m_givenAnswer = frame;
}

void SimCanNode::Send(const QCanBusFrame& frame)
{
    m_thread.Run([&] {
        if (m_device)
            m_device->writeFrame(frame);
    });
}

QList<QCanBusFrame> SimCanNode::Frames() const
{
    std::lock_guard lock(m_mutex);
    return m_frames;
}

void SimCanNode::TakeFrames()
{
    while (m_device && m_device->framesAvailable() > 0)
        Handle(m_device->readFrame());
}

void SimCanNode::Handle(const QCanBusFrame& frame)
{
    bool silent = false;
    std::optional<QCanBusFrame> given;
    {
        std::lock_guard lock(m_mutex);
        m_frames.append(frame);
        silent = m_silent;
        given = m_givenAnswer;
    }
    const std::optional<QByteArray> command = CommandOf(frame);
    if (!command)
        return;
    const int address = static_cast<int>(frame.frameId() - kRequestBase) / 2;
    const QByteArray addressText = QByteArray::number(address, 16).toUpper().rightJustified(2, '0');
    const std::optional<QByteArray> answer = m_bus.Handle(address, addressText, *command);
    if (silent)
        return;
    if (given) {
        m_device->writeFrame(*given);
        return;
    }
    if (answer) {
        const auto byte = static_cast<quint8>(frame.payload().at(0));
        m_device->writeFrame(AnswerFrame(address, byte, *command, *answer));
    }
}

std::optional<QByteArray> SimCanNode::CommandOf(const QCanBusFrame& frame)
{
    const QByteArray payload = frame.payload();
    const quint32 id = frame.frameId();
    if (frame.hasExtendedFrameFormat() || frame.frameType() != QCanBusFrame::DataFrame ||
        payload.isEmpty() || id < kRequestBase || id >= kRequestBase + 2 * kAddresses ||
        (id - kRequestBase) % 2 != 0)
        return std::nullopt;
    const std::optional<QByteArray> mnemonic = MnemonicOf(static_cast<quint8>(payload.at(0)));
    if (!mnemonic)
        return std::nullopt;
    if (IsAction(*mnemonic))
        return mnemonic;
    if (payload.size() == 1 || IsReadOnly(*mnemonic))
        return *mnemonic + '?';
    if (*mnemonic == "PN") {
        QByteArray name = payload.mid(1, kNameBytes);
        const qsizetype zero = name.indexOf('\0');
        return "PN" + (zero >= 0 ? name.left(zero) : name);
    }
    const qint32 value = ValueOf(payload);
    if (*mnemonic == "Z")
        return QByteArray(value == 1 ? "Z+" : "Z-");
    return *mnemonic + QByteArray::number(value);
}

QCanBusFrame SimCanNode::AnswerFrame(int address, quint8 commandByte, const QByteArray& command,
                                     const QByteArray& answer)
{
    // The echo is the mnemonic in lower case: one letter, or two for the P commands and BF.
    const qsizetype echo = (command.startsWith('P') || command.startsWith("BF")) ? 2 : 1;
    const QByteArray rest = answer.mid(echo);
    QByteArray payload(1, static_cast<char>(commandByte));
    if (IsTextAnswer(commandByte)) {
        payload += rest.left(kNameBytes);
    } else {
        const auto value = static_cast<quint32>(rest.toInt());
        for (int i = 0; i < 4; ++i)
            payload += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return QCanBusFrame(kAnswerBase + 2 * static_cast<quint32>(address), payload);
}
