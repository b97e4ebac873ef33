// The CAN side of the simulated bus: a node on a virtualcan bus that takes request frames
// (identifier 0x240 + 2 x address, a command byte, a value or a name), turns each back into
// the command text the serial line would carry, lets the bus answer it, and sends the
// answer frame (identifier 0x241 + 2 x address). It runs on a thread of its own; another
// plugin (socketcan on a vcan interface) can carry it too.
#pragma once

#include "platform/ceventloopthread.h"
#include "tests/sim/simbus.h"

#include <QByteArray>
#include <QCanBusDevice>
#include <QCanBusFrame>
#include <QList>
#include <QString>

#include <memory>
#include <mutex>
#include <optional>

class SimCanRelay;

class SimCanNode {
public:
    // A node on the process's virtualcan bus.
    SimCanNode(SimBus& bus, SimCanRelay& relay);
    // A node on another plugin's interface, e.g. ("vcan0", "socketcan").
    SimCanNode(SimBus& bus, const QString& interfaceName, const QString& plugin);
    ~SimCanNode();
    SimCanNode(const SimCanNode&) = delete;
    SimCanNode& operator=(const SimCanNode&) = delete;

    // Connects to the bus and returns once frames sent from now on reach the node; false
    // when it could not join. Start it before the program under test opens its card.
    bool Start();

    // Faults on demand, for the answers that follow.
    void SetSilent(bool silent);
    // Every request is answered with this frame instead (none: normal answers again).
    void SetGivenAnswer(const std::optional<QCanBusFrame>& frame);
    // Puts a frame on the bus at once.
    void Send(const QCanBusFrame& frame);

    // Every frame the node received, in order.
    QList<QCanBusFrame> Frames() const;

    // The command text a request frame stands for; none for a frame that is not one.
    static std::optional<QByteArray> CommandOf(const QCanBusFrame& frame);
    // The answer frame for the bus's answer text to a request with `commandByte`.
    static QCanBusFrame AnswerFrame(int address, quint8 commandByte, const QByteArray& command,
                                    const QByteArray& answer);

private:
    void TakeFrames();
    void Handle(const QCanBusFrame& frame);

    SimBus& m_bus;
    SimCanRelay* m_relay = nullptr; // the virtualcan bus, or none
    QString m_interfaceName;
    QString m_plugin;
    CEventLoopThread m_thread;
    std::unique_ptr<QCanBusDevice> m_device; // used on m_thread only

    mutable std::mutex m_mutex; // guards everything below
    bool m_silent = false;
    std::optional<QCanBusFrame> m_givenAnswer;
    QList<QCanBusFrame> m_frames;
};
