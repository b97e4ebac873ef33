// The CAN interface card behind the bus port. The card is opened when the program starts;
// each opening of the port programs the controller for one of seven bit rates and starts a
// receive thread that keeps the last standard frame for the waiting transaction. Transact
// turns a command text into a frame, waits for the answer and gives the reply text.
// Diagnostics go to standard output only; none reaches a message box.
#pragma once

#include "bus/ccancommandmap.h"
#include "bus/creplytimeouts.h"
#include "platform/ccancard.h"

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class CEventObject;

class CCanAdapter {
public:
    // Opens the card named by TARNLINK_CAN; without one the adapter is simply not ok.
    CCanAdapter();
    ~CCanAdapter();
    CCanAdapter(const CCanAdapter&) = delete;
    CCanAdapter& operator=(const CCanAdapter&) = delete;

    // Programs the controller for a bit-rate index (0 "1 Mbaud" .. 6 "10 kbaud"; others
    // give 0) and starts it; always 1, read IsOk() after.
    int Start(int bitRateIndex);
    // Sends "AA" + command as a CAN frame and returns the reply text, "TIMEOUT", or an
    // empty text for a command that has no CAN form.
    QString Transact(const QByteArray& text);

    bool IsOk() const { return m_ok != 0; }
    // "1 Mbaud" .. "10 kbaud" for indices 0..6; empty for any other index.
    static QString BitRateName(int index);
    const CCanCard& Card() const { return m_card; }
    const QString& Reply() const { return m_reply; }
    bool ReplyDone() const { return m_replyDone; }

    // The bus port copies its own in before each call.
    std::uint32_t m_replyTimeout = CReplyTimeouts::kDefault;

private:
    bool Check(int result, const char* failureLine);
    bool SetUpChip(int bitRateIndex);
    void PrintVersions(std::uint32_t serial) const;
    bool ProgramChip();
    bool SetUpFifo();
    bool StartReceiveThread();
    void EndReceiveThread();

    void ReceiveLoop(std::shared_ptr<CEventObject> interrupt, std::shared_ptr<CEventObject> end);
    bool DrainEvents();
    int ReadOneEvent();
    void KeepTime(const CCanCardEvent& event);
    void PrintEvent(int code, const CCanCardEvent& event) const;

    std::optional<CCanCardEvent> WaitForAnswer();

    CCanCard m_card;
    int m_ok = 0;
    std::uint16_t m_board = 0xFFFF;
    int m_bitRateIndex = 0;
    CCanCardVersion m_version;
    int m_fifoMode = 0;
    int m_extendedFrame = 0;
    QString m_reply;
    bool m_replyDone = false;

    std::thread m_receiveThread;
    std::shared_ptr<CEventObject> m_endEvent; // the running receive thread's stop request

    // The critical section: the receive thread holds it while it drains the card and
    // publishes a frame; the transaction takes it to clear, wait for and copy that frame.
    std::mutex m_criticalSection;
    std::condition_variable m_frameArrived;
    CCanCardEvent m_lastFrame;
    int m_frameReceived = 0;
    std::uint32_t m_previousTime = 0; // receive thread only, for the diagnostics
    std::uint32_t m_timeDifference = 0;
};
