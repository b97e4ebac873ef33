#include "tests/sim/simbus.h"

#include <chrono>

namespace {

std::int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

void SimBus::AddAxis(int address, const QByteArray& typeName, const QByteArray& versionText)
{
    std::lock_guard lock(m_mutex);
    m_axes.insert_or_assign(
        address, SimAxis(typeName, versionText.isEmpty() ? typeName + " 1.00" : versionText));
}

void SimBus::RemoveAxis(int address)
{
    std::lock_guard lock(m_mutex);
    m_axes.erase(address);
}

bool SimBus::WithAxis(int address, const std::function<void(SimAxis&)>& change)
{
    std::lock_guard lock(m_mutex);
    auto it = m_axes.find(address);
    if (it == m_axes.end())
        return false;
    change(it->second);
    return true;
}

std::optional<QByteArray> SimBus::Handle(int address, const QByteArray& addressText,
                                         const QByteArray& command, const QByteArray& frame)
{
    std::lock_guard lock(m_mutex);
    m_log.append(SimRequest{address, addressText, command, frame, NowMs()});
    auto it = m_axes.find(address);
    if (it == m_axes.end())
        return std::nullopt;
    return it->second.Answer(command);
}

QList<int> SimBus::Addresses() const
{
    std::lock_guard lock(m_mutex);
    QList<int> addresses;
    for (const auto& [address, axis] : m_axes)
        addresses.append(address);
    return addresses;
}

QList<SimRequest> SimBus::Requests() const
{
    std::lock_guard lock(m_mutex);
    return m_log;
}

void SimBus::ClearLog()
{
    std::lock_guard lock(m_mutex);
    m_log.clear();
}
