#include "bus/ccanadapter.h"

#include "platform/cansitext.h"
#include "platform/ceventobject.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <system_error>

namespace {

struct BitTiming {
    const char* name;
    int prescaler;
    int sjw;
    int tseg1;
    int tseg2;
    int sampling;
};

// Bit timing for an 8 MHz controller clock: rate = 8 MHz / (prescaler x (1 + tseg1 + tseg2)).
constexpr std::array<BitTiming, 7> kBitRates = {{
    {"1 Mbaud", 1, 2, 4, 3, 0},
    {"500 kbaud", 1, 4, 8, 7, 0},
    {"250 kbaud", 2, 4, 8, 7, 0},
    {"125 kbaud", 4, 4, 8, 7, 0},
    {"100 kbaud", 4, 4, 11, 8, 0},
    {"50 kbaud", 8, 4, 11, 8, 0},
    {"10 kbaud", 32, 4, 16, 8, 0},
}};

const char* ChipName(int type)
{
    switch (type) {
    case 5: return "NEC72005";
    case 200: return "82C200";
    case 527: return "82527";
    case 1000: return "SJA1000";
    default: return "";
    }
}

void PrintBytes(const std::array<std::uint8_t, 8>& data, int length)
{
    for (int i = 0; i < 8; ++i) {
        if (i < length)
            std::printf("%2x ", static_cast<unsigned>(data[static_cast<std::size_t>(i)]));
        else
            std::printf("   ");
    }
    std::printf("\n");
}

} // namespace

QString CCanAdapter::BitRateName(int index)
{
    if (index < 0 || index >= static_cast<int>(kBitRates.size()))
        return {};
    return QString::fromLatin1(kBitRates[static_cast<std::size_t>(index)].name);
}

CCanAdapter::CCanAdapter() : m_card(CCanCard::ConfiguredDevice())
{
    std::printf("VORTAN ");
    m_ok = 1;
    m_board = 0xFFFF;
    if (m_card.CARD_initialize_board(&m_board) != 0) {
        m_card.CARD_close_board();
        std::printf("unable to initialize\n");
        m_ok = 0;
    }
    if (m_ok && m_card.CARD_reset_board() != 0) {
        m_card.CARD_close_board();
        std::printf("board does not reset\n");
        m_ok = 0;
    }
}

CCanAdapter::~CCanAdapter()
{
    EndReceiveThread();
    if (m_ok)
        m_card.CARD_close_board();
    m_ok = 0;
}

int CCanAdapter::Start(int bitRateIndex)
{
    // One receive thread at a time, however often the port is opened.
    EndReceiveThread();
    m_bitRateIndex = bitRateIndex;
    m_replyTimeout = CReplyTimeouts::kDefault;
    if (m_ok && !SetUpChip(bitRateIndex))
        std::printf("parameters initialization failed\n");
    if (m_ok && !SetUpFifo())
        std::printf("initialization of FIFO mode failed\n");
    if (m_ok && !StartReceiveThread())
        std::printf("initialization Interrupt 32bit failed\n");
    if (m_ok && Check(m_card.CARD_start_chip(), "error in CARD_start_chip \n"))
        std::printf("Baudrate: %s\nInitialization successfull\nChip is running.\n\n\n",
                    kBitRates[static_cast<std::size_t>(m_bitRateIndex)].name);
    return 1;
}

bool CCanAdapter::Check(int result, const char* failureLine)
{
    if (result == 0)
        return true;
    m_card.CARD_close_board();
    m_ok = 0;
    std::printf("%s", failureLine);
    return false;
}

bool CCanAdapter::SetUpChip(int bitRateIndex)
{
    std::uint32_t serial = 0;
    if (!Check(m_card.CARD_reset_chip(), "-->Error in CARD_reset_chip \n") ||
        !Check(m_card.CARD_get_serial_number(&serial),
               "-->Error in CARD_get_serial number \n\n\n") ||
        !Check(m_card.CARD_get_version(&m_version), "-->Error in CARD_get_version \n\n\n"))
        return false;
    PrintVersions(serial);
    std::printf("you set it to %i\n", bitRateIndex);
    if (bitRateIndex < 0 || bitRateIndex >= static_cast<int>(kBitRates.size()))
        m_bitRateIndex = 0;
    return ProgramChip();
}

void CCanAdapter::PrintVersions(std::uint32_t serial) const
{
    std::printf("Software version: %u.%02u \n", m_version.softwareMajor, m_version.softwareMinor);
    std::printf("Firmware version: %u.%02u \n", m_version.firmwareMajor, m_version.firmwareMinor);
    std::printf("Hardware version: %x.%02x \n", m_version.hardwareMajor, m_version.hardwareMinor);
    for (std::size_t channel = 0; channel < m_version.chipType.size(); ++channel)
        std::printf("Chiptype CAN%1d: %s\n", static_cast<int>(channel + 1),
                    ChipName(m_version.chipType[channel]));
    std::printf("Serial#: %d\n", static_cast<int>(serial));
}

bool CCanAdapter::ProgramChip()
{
    const BitTiming& t = kBitRates[static_cast<std::size_t>(m_bitRateIndex)];
    return Check(m_card.CARD_initialize_chip(t.prescaler, t.sjw, t.tseg1, t.tseg2, t.sampling),
                 "-->Error in CARD_initialize_chip \n") &&
           Check(m_card.CARD_initialize_chip2(t.prescaler, t.sjw, t.tseg1, t.tseg2, t.sampling),
                 "-->Error in CARD_initialize_chip2 \n") &&
           // Code and mask 0: every identifier passes.
           Check(m_card.CARD_set_acceptance(0, 0, 0, 0), "-->Error in CARD_set_acceptance \n") &&
           Check(m_card.CARD_set_acceptance2(0, 0, 0, 0), "-->Error in CARD_set_acceptance2 \n") &&
           Check(m_card.CARD_set_mode(0, 0), "-->Error in CARD_set_mode \n") &&
           Check(m_card.CARD_set_mode2(0, 0), "-->Error in CARD_set_mode2 \n") &&
           Check(m_card.CARD_set_output_control(-1), "-->Error in CARD_set_output_control \n") &&
           Check(m_card.CARD_set_output_control2(-1), "-->Error in CARD_set_output_control2 \n");
}

bool CCanAdapter::SetUpFifo()
{
    if (!Check(m_card.CARD_get_version(&m_version), "-->Error in CARD_get_version \n\n\n") ||
        !Check(m_card.CARD_enable_fifo(), "-->Error in CARD_enable_fifo \n\n") ||
        !Check(m_card.CARD_enable_timestamps(), "-->Error in CARD_enable_timestamps \n\n") ||
        !Check(m_card.CARD_enable_fifo_transmit_ack(),
               "-->Error in CARD_enable_fifo_transmit_ack \n\n") ||
        !Check(m_card.CARD_enable_fifo_transmit_ack2(),
               "-->Error in CARD_enable_fifo_transmit_ack2 \n\n"))
        return false;
    m_fifoMode = 1;
    m_extendedFrame = 0;
    return true;
}

bool CCanAdapter::StartReceiveThread()
{
    auto interrupt = std::make_shared<CEventObject>();
    auto end = std::make_shared<CEventObject>(interrupt->SharedLock());
    const int result = m_card.CARD_set_interrupt_event(interrupt);
    if (result != 0) {
        m_card.CARD_close_board();
        m_ok = 0;
        std::printf("-->Error set interrupt event 0x%X\n", static_cast<unsigned>(result));
        return false;
    }
    try {
        m_receiveThread = std::thread(&CCanAdapter::ReceiveLoop, this, interrupt, end);
    } catch (const std::system_error& error) {
        m_card.CARD_close_board();
        m_ok = 0;
        std::printf("-->Error create interrupt thread 0x%X\n",
                    static_cast<unsigned>(error.code().value()));
        return false;
    }
    m_endEvent = end;
    return true;
}

void CCanAdapter::EndReceiveThread()
{
    if (!m_receiveThread.joinable())
        return;
    // A thread that already ended on a read error just gets joined.
    m_endEvent->Set();
    m_receiveThread.join();
    m_endEvent.reset();
}

void CCanAdapter::ReceiveLoop(std::shared_ptr<CEventObject> interrupt,
                              std::shared_ptr<CEventObject> end)
{
    for (;;) {
        const int woken = CEventObject::WaitAny(*interrupt, *end);
        if (woken == 0) {
            if (DrainEvents())
                continue;
            std::printf("-->Error polling CARD_read_ac \n");
            m_card.CARD_close_board();
            return;
        }
        if (woken == 1)
            std::printf("terminating thread\n");
        else
            std::printf("bad wait result 0x%X -> terminating thread\n",
                        static_cast<unsigned>(woken));
        return;
    }
}

bool CCanAdapter::DrainEvents()
{
    std::lock_guard lock(m_criticalSection);
    int code = 0;
    do {
        code = ReadOneEvent();
    } while (code > 0);
    return code == 0;
}

int CCanAdapter::ReadOneEvent()
{
    if (!m_fifoMode)
        return 0;
    CCanCardEvent event;
    const int code = m_card.CARD_read_ac(&event);
    switch (code) {
    case CCanCard::ReceivedStandard:
    case CCanCard::ReceivedStandardRemote:
        KeepTime(event);
        // Published under the critical section, so the waiting side sees the whole record
        // together with the flag.
        m_lastFrame = event;
        m_frameReceived = 1;
        m_frameArrived.notify_all();
        break;
    case CCanCard::SentStandard:
    case CCanCard::SentStandardRemote:
        KeepTime(event);
        break;
    case CCanCard::BusStateChanged:
    case CCanCard::ReceivedExtended:
    case CCanCard::SentExtended:
    case CCanCard::SentExtendedRemote:
    case CCanCard::ReceivedExtendedRemote:
        KeepTime(event);
        PrintEvent(code, event);
        break;
    default:
        break;
    }
    return code;
}

void CCanAdapter::KeepTime(const CCanCardEvent& event)
{
    m_timeDifference = event.timeStamp - m_previousTime;
    m_previousTime = event.timeStamp;
}

void CCanAdapter::PrintEvent(int code, const CCanCardEvent& e) const
{
    const auto id = static_cast<unsigned long>(e.identifier);
    const auto time = static_cast<unsigned long>(e.timeStamp);
    const auto diff = static_cast<unsigned long>(m_timeDifference);
    const unsigned channel = e.channel;
    const unsigned dlc = e.length;
    const auto d = [&e](std::size_t i) { return static_cast<unsigned>(e.data[i]); };
    switch (code) {
    case CCanCard::BusStateChanged:
        std::printf("ERROR  CAN%1u Bus state: %1d                      T%8lx D%8lx\n", channel,
                    static_cast<int>(e.busState), time, diff);
        break;
    case CCanCard::ReceivedExtended:
        std::printf("RCV XTD CAN%1u Id%8lx Dlc%1x Data %2x %2x %2x %2x %2x %2x %2x %2x T%8lx "
                    "D%8lx\n",
                    channel, id, dlc, d(0), d(1), d(2), d(3), d(4), d(5), d(6), d(7), time, diff);
        break;
    case CCanCard::SentExtended:
        std::printf("ACK XTD CAN%1u Id%8lx Dlc%1x Data%2x %2x %2x %2x %2x %2x %2x %2x T%8lx "
                    "D%8lx\n",
                    channel, id, dlc, d(0), d(1), d(2), d(3), d(4), d(5), d(6), d(7), time, diff);
        break;
    case CCanCard::SentExtendedRemote:
        std::printf("ACK XTD CAN%1u Id%8lx Dlc%1x REMOTE                      T%8lx D%8lx\n",
                    channel, id, dlc, time, diff);
        break;
    case CCanCard::ReceivedExtendedRemote:
        std::printf("RCV XTD CAN%1u Id%8lx Dlc%1x REMOTE                      T%8lx D%8lx\n",
                    channel, id, dlc, time, diff);
        break;
    default:
        break;
    }
}

QString CCanAdapter::Transact(const QByteArray& text)
{
    m_replyDone = false;
    const CCanCommandMap::Request request = CCanCommandMap::Translate(text);
    if (!request.frame) {
        std::printf("%s", request.diagnostic.constData());
        return {};
    }
    const CCanCommandMap::Frame& frame = *request.frame;
    {
        std::lock_guard lock(m_criticalSection);
        m_frameReceived = 0;
    }
    m_card.CARD_send_data(frame.identifier, m_extendedFrame, frame.length, frame.data.data());
    PrintBytes(frame.data, frame.length);

    QByteArray reply("TIMEOUT");
    if (const std::optional<CCanCardEvent> answer = WaitForAnswer()) {
        PrintBytes(answer->data, answer->length);
        const std::optional<QByteArray> text =
            CCanCommandMap::ReplyText({answer->identifier, answer->length, answer->data});
        // An answer code without a reply row is no answer: "TIMEOUT" makes the bus port
        // report a failure rather than hand on a text that reads as the value 0.
        if (text)
            reply = *text;
        else
            std::printf("bad answer code\n");
    }
    m_reply = CAnsiText::ToUnicode(reply);
    m_replyDone = true;
    return m_reply;
}

std::optional<CCanCardEvent> CCanAdapter::WaitForAnswer()
{
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(m_replyTimeout);
    std::unique_lock lock(m_criticalSection);
    if (!m_frameArrived.wait_until(lock, deadline, [this] { return m_frameReceived != 0; }))
        return std::nullopt;
    return m_lastFrame;
}
