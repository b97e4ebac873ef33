// The serial side of the simulated bus: a pseudo-terminal pair whose slave end the program
// opens like a serial port. A thread reads the frames the program writes, checks the line
// settings the program put on the terminal (a wrong rate or data format gets no answer, as
// on a real line), the address width and the optional checksum, and answers from the bus.
// Faults can be switched on to test the program's side of a bad line.
#pragma once

#include "tests/sim/simbus.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <map>
#include <mutex>
#include <thread>

struct SimLineSettings {
    int baud = 9600;
    char parity = 'n'; // n, e, o
    int dataBits = 8;
    int stopBits = 1;
    bool twoByteAddress = false;
};

class SimSerialLine {
public:
    enum class ChecksumFault { None, Wrong, LowerCase };

    explicit SimSerialLine(SimBus& bus, SimLineSettings settings = {});
    ~SimSerialLine();
    SimSerialLine(const SimSerialLine&) = delete;
    SimSerialLine& operator=(const SimSerialLine&) = delete;

    bool Start();
    void Stop();
    // Path of the terminal the program opens, e.g. "/dev/pts/4".
    QString PortPath() const { return m_portPath; }

    void SetSettings(const SimLineSettings& settings);

    // Faults on demand; all apply to the replies that follow.
    void SetSilent(bool silent);
    void SetDelay(int milliseconds);
    // Replies to `command` alone come this much later (on top of SetDelay).
    void SetCommandDelay(const QByteArray& command, int milliseconds);
    void SetSplit(int pieces, int gapMilliseconds);
    void SetChecksumFault(ChecksumFault fault);
    void SetGarbage(const QByteArray& bytesBeforeReply);
    // The n-th frame from now on (1 = the next) is answered with these raw bytes.
    void SetGivenReply(int n, const QByteArray& rawBytes);
    // From the n-th frame from now on (1 = the next) nothing is answered any more, as when
    // the stages lose their supply in the middle of a conversation; 0 answers again.
    void SetSilentFrom(int n);
    // Sends raw bytes at once, as a stage streaming data would.
    void SendRaw(const QByteArray& bytes);
    // A device that babbles: this many bytes without ETX, a few at a time, as a steady
    // stream that never lets a reply time out. 0 stops it.
    void SetBabble(int bytes);
    // Bytes of the babble not yet sent.
    int BabbleLeft() const;

    // Frames dropped because the terminal's settings did not match the line.
    int RejectedFrames() const { return m_rejected.load(); }

private:
    void Run();
    bool LineMatches() const;
    void TakeBytes(const QByteArray& bytes);
    void HandleFrame(const QByteArray& frame);
    QByteArray BuildReply(const QByteArray& addressText, const QByteArray& data,
                          bool withChecksum) const;
    void SendReply(const QByteArray& bytes, int extraDelayMs = 0);
    void WriteAll(const QByteArray& bytes);
    void StreamTick();
    void BabbleTick();

    SimBus& m_bus;
    int m_master = -1;
    int m_slave = -1;
    QString m_portPath;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_rejected{0};

    mutable std::mutex m_mutex; // guards everything below
    SimLineSettings m_settings;
    QByteArray m_pending;
    bool m_silent = false;
    int m_delayMs = 0;
    std::map<QByteArray, int> m_commandDelays;
    int m_pieces = 1;
    int m_gapMs = 0;
    ChecksumFault m_checksumFault = ChecksumFault::None;
    QByteArray m_garbage;
    int m_frameCount = 0;
    std::map<int, QByteArray> m_givenReplies;
    int m_silentFrom = 0;       // frame number from which on nothing is answered; 0 for none
    QByteArray m_streamAddress; // non-empty while a "Z#" test stream runs
    int m_streamCounter = 0;
    int m_babbleLeft = 0;
};
