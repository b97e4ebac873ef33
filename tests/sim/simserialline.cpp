#include "tests/sim/simserialline.h"

#include "tests/sim/simlinestate.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>

namespace {

constexpr char kStx = 0x02;
constexpr char kEtx = 0x03;
constexpr int kPollMs = 10;
constexpr int kStreamPeriodMs = 50;
constexpr int kBabblePiece = 32;

QByteArray XorHex(const QByteArray& bytes, bool lowerCase)
{
    unsigned char sum = 0;
    for (char b : bytes)
        sum ^= static_cast<unsigned char>(b);
    QByteArray hex = QByteArray::number(sum, 16).rightJustified(2, '0');
    return lowerCase ? hex.toLower() : hex.toUpper();
}

bool IsHexAddress(const QByteArray& text)
{
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return !text.isEmpty();
}

void SleepMs(int ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace

SimSerialLine::SimSerialLine(SimBus& bus, SimLineSettings settings)
    : m_bus(bus), m_settings(settings)
{
}

SimSerialLine::~SimSerialLine()
{
    Stop();
}

bool SimSerialLine::Start()
{
    if (m_master >= 0)
        return true;
    if (openpty(&m_master, &m_slave, nullptr, nullptr, nullptr) != 0)
        return false;
    // Raw until the program sets its own mode, so nothing is echoed back to us.
    termios raw{};
    tcgetattr(m_slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(m_slave, TCSANOW, &raw);
    m_portPath = QString::fromLocal8Bit(ttyname(m_slave));
    m_stop = false;
    m_thread = std::thread(&SimSerialLine::Run, this);
    return true;
}

void SimSerialLine::Stop()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_master >= 0)
        close(m_master);
    if (m_slave >= 0)
        close(m_slave);
    m_master = m_slave = -1;
}

void SimSerialLine::SetSettings(const SimLineSettings& settings)
{
    std::lock_guard lock(m_mutex);
    m_settings = settings;
}

void SimSerialLine::SetSilent(bool silent)
{
    std::lock_guard lock(m_mutex);
    m_silent = silent;
}

void SimSerialLine::SetDelay(int milliseconds)
{
    std::lock_guard lock(m_mutex);
    m_delayMs = milliseconds;
}

void SimSerialLine::SetCommandDelay(const QByteArray& command, int milliseconds)
{
    std::lock_guard lock(m_mutex);
    m_commandDelays[command] = milliseconds;
}

void SimSerialLine::SetSplit(int pieces, int gapMilliseconds)
{
    std::lock_guard lock(m_mutex);
    m_pieces = qMax(1, pieces);
    m_gapMs = gapMilliseconds;
}

void SimSerialLine::SetChecksumFault(ChecksumFault fault)
{
    std::lock_guard lock(m_mutex);
    m_checksumFault = fault;
}

void SimSerialLine::SetGarbage(const QByteArray& bytesBeforeReply)
{
    std::lock_guard lock(m_mutex);
    m_garbage = bytesBeforeReply;
}

void SimSerialLine::SetGivenReply(int n, const QByteArray& rawBytes)
{
    std::lock_guard lock(m_mutex);
    m_givenReplies[m_frameCount + n] = rawBytes;
}

void SimSerialLine::SetSilentFrom(int n)
{
    std::lock_guard lock(m_mutex);
    m_silentFrom = n > 0 ? m_frameCount + n : 0;
}

void SimSerialLine::SendRaw(const QByteArray& bytes)
{
    WriteAll(bytes);
}

void SimSerialLine::SetBabble(int bytes)
{
    std::lock_guard lock(m_mutex);
    m_babbleLeft = qMax(0, bytes);
}

int SimSerialLine::BabbleLeft() const
{
    std::lock_guard lock(m_mutex);
    return m_babbleLeft;
}

void SimSerialLine::Run()
{
    char buffer[512];
    auto nextTick = std::chrono::steady_clock::now();
    while (!m_stop) {
        pollfd fd{m_master, POLLIN, 0};
        if (poll(&fd, 1, kPollMs) > 0 && (fd.revents & POLLIN)) {
            const ssize_t n = read(m_master, buffer, sizeof buffer);
            if (n > 0)
                TakeBytes(QByteArray(buffer, static_cast<qsizetype>(n)));
        }
        if (std::chrono::steady_clock::now() >= nextTick) {
            nextTick += std::chrono::milliseconds(kStreamPeriodMs);
            StreamTick();
        }
        BabbleTick();
    }
}

bool SimSerialLine::LineMatches() const
{
    SimLineState line;
    if (!SimLineState::Read(m_slave, line))
        return false;
    return line.baud == m_settings.baud && line.dataBits == m_settings.dataBits &&
           line.parity == m_settings.parity && line.stopBits == m_settings.stopBits;
}

void SimSerialLine::TakeBytes(const QByteArray& bytes)
{
    QList<QByteArray> frames;
    {
        std::lock_guard lock(m_mutex);
        if (!LineMatches()) {
            // What a stage hears at the wrong rate is noise: no frame, no answer.
            // Every frame start counts, so that two frames read at once count as two.
            m_pending.clear();
            m_rejected += static_cast<int>(std::max<qsizetype>(1, bytes.count(kStx)));
            return;
        }
        m_pending += bytes;
        for (;;) {
            const qsizetype start = m_pending.indexOf(kStx);
            if (start < 0) {
                m_pending.clear();
                break;
            }
            const qsizetype end = m_pending.indexOf(kEtx, start);
            if (end < 0) {
                m_pending.remove(0, start);
                break;
            }
            frames.append(m_pending.mid(start, end - start + 1));
            m_pending.remove(0, end + 1);
        }
    }
    for (const QByteArray& frame : frames)
        HandleFrame(frame);
}

void SimSerialLine::HandleFrame(const QByteArray& frame)
{
    QByteArray body = frame.mid(1, frame.size() - 2);
    bool withChecksum = false;
    if (body.size() >= 3 && body.at(body.size() - 3) == ':') {
        const QByteArray digits = body.right(2);
        body.chop(2);
        if (XorHex(body, false) != digits)
            return; // a stage ignores a frame with a bad checksum
        body.chop(1);
        withChecksum = true;
    }

    int width = 1;
    QByteArray given;
    bool silent = false;
    int commandDelay = 0;
    {
        std::lock_guard lock(m_mutex);
        width = m_settings.twoByteAddress ? 2 : 1;
        ++m_frameCount;
        auto it = m_givenReplies.find(m_frameCount);
        if (it != m_givenReplies.end()) {
            given = it->second;
            m_givenReplies.erase(it);
        }
        silent = m_silent || (m_silentFrom > 0 && m_frameCount >= m_silentFrom);
        m_streamAddress.clear();
        if (auto delay = m_commandDelays.find(body.mid(width)); delay != m_commandDelays.end())
            commandDelay = delay->second;
    }

    const QByteArray addressText = body.left(width);
    const QByteArray command = body.mid(width);
    if (body.size() < width || !IsHexAddress(addressText))
        return;
    const int address = addressText.toInt(nullptr, 16);
    const std::optional<QByteArray> answer = m_bus.Handle(address, addressText, command, frame);

    if (command == "Z#") {
        if (m_bus.WithAxis(address, [](SimAxis&) {})) {
            std::lock_guard lock(m_mutex);
            m_streamAddress = addressText;
        }
        return;
    }
    if (!given.isEmpty()) {
        SendReply(given);
        return;
    }
    if (silent || !answer)
        return;
    SendReply(BuildReply(addressText, *answer, withChecksum), commandDelay);
}

QByteArray SimSerialLine::BuildReply(const QByteArray& addressText, const QByteArray& data,
                                     bool withChecksum) const
{
    QByteArray body = addressText + data;
    QByteArray frame(1, kStx);
    if (withChecksum) {
        body += ':';
        std::lock_guard lock(m_mutex);
        QByteArray digits = XorHex(body, m_checksumFault == ChecksumFault::LowerCase);
        if (m_checksumFault == ChecksumFault::Wrong)
            digits = XorHex(body + '\x01', false);
        frame += body + digits;
    } else {
        frame += body;
    }
    frame += kEtx;
    return frame;
}

void SimSerialLine::SendReply(const QByteArray& bytes, int extraDelayMs)
{
    int delay = 0;
    int pieces = 1;
    int gap = 0;
    QByteArray garbage;
    {
        std::lock_guard lock(m_mutex);
        delay = m_delayMs;
        pieces = m_pieces;
        gap = m_gapMs;
        garbage = m_garbage;
    }
    SleepMs(delay + extraDelayMs);
    const QByteArray all = garbage + bytes;
    const qsizetype step = qMax<qsizetype>(1, (all.size() + pieces - 1) / pieces);
    for (qsizetype pos = 0; pos < all.size(); pos += step) {
        if (pos > 0)
            SleepMs(gap);
        WriteAll(all.mid(pos, step));
    }
}

void SimSerialLine::WriteAll(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size() && m_master >= 0) {
        const ssize_t n = write(m_master, bytes.constData() + done,
                                static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno != EINTR && errno != EAGAIN)
            return;
        if (n > 0)
            done += n;
    }
}

void SimSerialLine::StreamTick()
{
    QByteArray frame;
    {
        std::lock_guard lock(m_mutex);
        if (m_streamAddress.isEmpty())
            return;
        frame = QByteArray(1, kStx) + m_streamAddress + "z" +
                QByteArray::number(m_streamCounter++) + kEtx;
    }
    WriteAll(frame);
}

void SimSerialLine::BabbleTick()
{
    // Written under the lock, so once BabbleLeft() says 0 every byte is on the line.
    std::lock_guard lock(m_mutex);
    if (m_babbleLeft == 0)
        return;
    const int count = qMin(kBabblePiece, m_babbleLeft);
    m_babbleLeft -= count;
    WriteAll(QByteArray(count, 'z'));
}
