// The CAN interface card as the CAN adapter drives it: board, two controller channels,
// bit timing, acceptance filter, an event FIFO read one record at a time, and an event
// that is set whenever records are waiting. Underneath is one QCanBusDevice, chosen by
// TARNLINK_CAN as "plugin:interface"; it is the first channel, the second is not fitted.
// The device lives on a thread of its own with an event loop, so frames keep arriving
// while the user-interface thread blocks waiting for an answer.
#pragma once

#include "platform/ceventloopthread.h"

#include <QCanBusDevice>
#include <QCanBusFrame>
#include <QString>

#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>

class CEventObject;

// One record of the event FIFO.
struct CCanCardEvent {
    std::uint32_t identifier = 0;
    std::uint8_t length = 0; // data length code
    std::array<std::uint8_t, 8> data{};
    std::uint8_t busState = 0; // 0 active, 1 warning, 2 passive, 3 bus off (event 5)
    std::uint8_t channel = 1;
    std::uint32_t timeStamp = 0; // milliseconds since the board was opened, when enabled
};

struct CCanCardVersion {
    unsigned softwareMajor = 0, softwareMinor = 0;
    unsigned firmwareMajor = 0, firmwareMinor = 0;
    unsigned hardwareMajor = 0, hardwareMinor = 0;
    std::array<int, 2> chipType{}; // per channel; 0 = not fitted
};

class CCanCard {
public:
    // Event codes that CARD_read_ac returns.
    enum EventCode : int {
        NoEvent = 0,
        ReceivedStandard = 1,
        ReceivedStandardRemote = 2,
        SentStandard = 3,
        BusStateChanged = 5,
        SentStandardRemote = 8,
        ReceivedExtended = 9,
        SentExtended = 10,
        SentExtendedRemote = 11,
        ReceivedExtendedRemote = 12,
        ReadError = -1,
    };
    static constexpr int kChipTypeSja1000 = 1000;
    static constexpr std::uint32_t kClockHz = 8000000;

    explicit CCanCard(const QString& deviceSpec);
    ~CCanCard();
    CCanCard(const CCanCard&) = delete;
    CCanCard& operator=(const CCanCard&) = delete;

    // TARNLINK_CAN, or "socketcan:can0" when it is not set.
    static QString ConfiguredDevice();

    // All operations return 0 on success unless said otherwise.
    int CARD_initialize_board(std::uint16_t* board);
    int CARD_close_board();
    int CARD_reset_board();
    int CARD_reset_chip();
    int CARD_get_serial_number(std::uint32_t* serial);
    int CARD_get_version(CCanCardVersion* version);
    int CARD_initialize_chip(int prescaler, int sjw, int tseg1, int tseg2, int sampling);
    int CARD_initialize_chip2(int prescaler, int sjw, int tseg1, int tseg2, int sampling);
    // A frame passes when its identifier equals the code in every bit set in the mask;
    // masks of 0 accept everything.
    int CARD_set_acceptance(std::uint32_t codeStd, std::uint32_t maskStd, std::uint32_t codeXtd,
                            std::uint32_t maskXtd);
    int CARD_set_acceptance2(std::uint32_t codeStd, std::uint32_t maskStd, std::uint32_t codeXtd,
                             std::uint32_t maskXtd);
    // Only the normal mode (0, 0) exists.
    int CARD_set_mode(int sleepMode, int speedMode);
    int CARD_set_mode2(int sleepMode, int speedMode);
    int CARD_set_output_control(int value);
    int CARD_set_output_control2(int value);
    int CARD_enable_fifo();
    int CARD_enable_timestamps();
    int CARD_enable_fifo_transmit_ack();
    int CARD_enable_fifo_transmit_ack2();
    int CARD_set_interrupt_event(std::shared_ptr<CEventObject> event);
    int CARD_start_chip();
    int CARD_send_data(std::uint32_t identifier, int extended, int length,
                       const std::uint8_t* data);
    // Takes the oldest record: its event code, 0 when none is waiting, negative when the
    // device was lost.
    int CARD_read_ac(CCanCardEvent* event);

    // The bit rate the first channel was programmed for (0 before).
    std::uint32_t BitRate() const;

private:
    struct Channel {
        std::uint32_t bitRate = 0;
        std::uint32_t codeStd = 0, maskStd = 0, codeXtd = 0, maskXtd = 0;
        int outputControl = -1;
        bool transmitAck = false;
    };
    struct Queued {
        int code = NoEvent;
        CCanCardEvent event;
    };

    bool HasBoard() const;
    int InitializeChip(Channel& channel, int prescaler, int sjw, int tseg1, int tseg2,
                       int sampling);
    bool Connect();
    void Disconnect();
    void CreateDevice(const QString& plugin, const QString& interfaceName, bool* created);
    void TakeFrames();
    void TakeWritten(qint64 count);
    void OnStateChanged(QCanBusDevice::CanBusDeviceState state);
    bool Accepts(const QCanBusFrame& frame) const;
    CCanCardEvent RecordOf(const QCanBusFrame& frame) const;
    void Queue(int code, const CCanCardEvent& event);
    void SignalWaiting();

    QString m_deviceSpec;
    CEventLoopThread m_io;
    std::unique_ptr<QCanBusDevice> m_device; // used on m_io only
    std::deque<QCanBusFrame> m_unacknowledged; // m_io only

    // Guards everything below; the device thread, the receive thread and the caller meet here.
    mutable std::mutex m_mutex;
    std::condition_variable m_stateChanged;
    QCanBusDevice::CanBusDeviceState m_state = QCanBusDevice::UnconnectedState;
    bool m_boardOpen = false;
    bool m_running = false;
    bool m_disconnecting = false;
    bool m_lost = false;
    bool m_fifo = false;
    bool m_timestamps = false;
    std::int64_t m_openedAt = 0;
    std::array<Channel, 2> m_channels;
    std::deque<Queued> m_queue;
    std::shared_ptr<CEventObject> m_interruptEvent;
};
