// A simulated bus: up to 32 axes by address, shared by the serial line and the CAN node
// that carry requests to it. Thread-safe: the lines run on threads of their own while the
// test changes axes and reads the request log.
#pragma once

#include "tests/sim/simaxis.h"

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>

struct SimRequest {
    int address = -1;
    QByteArray addressText; // as it travelled
    QByteArray command;
    QByteArray frame;        // the whole frame as received (serial side)
    std::int64_t timeMs = 0; // monotonic milliseconds when the request was complete
};

class SimBus {
public:
    // Adds (or replaces) the axis at `address`; the version text defaults to the type name
    // followed by " 1.00".
    void AddAxis(int address, const QByteArray& typeName, const QByteArray& versionText = {});
    void RemoveAxis(int address);
    // The addresses that have an axis, in order.
    QList<int> Addresses() const;

    // Runs `change` on the axis at `address` under the bus lock; false when there is none.
    bool WithAxis(int address, const std::function<void(SimAxis&)>& change);

    // Logs the request and gives the axis's answer, or nothing (no axis, unknown command).
    std::optional<QByteArray> Handle(int address, const QByteArray& addressText,
                                     const QByteArray& command, const QByteArray& frame = {});

    QList<SimRequest> Requests() const;
    void ClearLog();

private:
    mutable std::mutex m_mutex;
    std::map<int, SimAxis> m_axes;
    QList<SimRequest> m_log;
};
