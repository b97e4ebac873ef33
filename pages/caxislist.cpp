#include "pages/caxislist.h"

#include "pages/creplyvalue.h"

#include <algorithm>

namespace {

// 100 kA in 0.01 A: far beyond any stage, and small enough that a mistyped exponent
// cannot overflow the mark or the bar position a page draws from it.
constexpr float kLargestAllowedCurrent = 10000000.0f;

} // namespace

const CAxisList::Axis* CAxisList::Find(int address) const
{
    if (!IsAddress(address))
        return nullptr;
    const std::optional<Axis>& slot = m_axes[static_cast<std::size_t>(address)];
    return slot ? &*slot : nullptr;
}

int CAxisList::Count() const
{
    return static_cast<int>(std::count_if(m_axes.begin(), m_axes.end(),
                                          [](const std::optional<Axis>& a) { return bool(a); }));
}

std::optional<DeviceType> CAxisList::Type(int address) const
{
    const Axis* axis = Find(address);
    return axis ? std::optional(axis->type) : std::nullopt;
}

int CAxisList::Image(int address) const
{
    const Axis* axis = Find(address);
    return axis ? axis->image : -1;
}

QString CAxisList::Label(int address) const
{
    const Axis* axis = Find(address);
    return axis ? axis->label : QString();
}

float CAxisList::AllowedCurrent(int address) const
{
    const Axis* axis = Find(address);
    return axis ? axis->allowedCurrent : kNoAllowedCurrent;
}

bool CAxisList::Add(int address, DeviceType type, const QString& label, int image)
{
    if (!IsAddress(address))
        return false;
    Remove(address);
    m_axes[static_cast<std::size_t>(address)] = Axis{type, image, label, AllowedCurrentIn(label)};
    emit axisAdded(address);
    return true;
}

void CAxisList::SetImage(int address, int image)
{
    if (!Find(address) || Find(address)->image == image)
        return;
    m_axes[static_cast<std::size_t>(address)]->image = image;
    emit axisChanged(address);
}

void CAxisList::SetLabel(int address, const QString& label)
{
    if (!Find(address) || Find(address)->label == label)
        return;
    Axis& axis = *m_axes[static_cast<std::size_t>(address)];
    axis.label = label;
    axis.allowedCurrent = AllowedCurrentIn(label);
    emit axisChanged(address);
}

void CAxisList::Remove(int address)
{
    if (!Find(address))
        return;
    m_axes[static_cast<std::size_t>(address)].reset();
    emit axisRemoved(address);
}

void CAxisList::Clear()
{
    for (int address = 0; address < kAddressSlots; ++address)
        Remove(address);
}

float CAxisList::AllowedCurrentIn(const QString& label)
{
    const qsizetype separator = label.lastIndexOf(QLatin1Char(';'));
    if (separator < 0)
        return kNoAllowedCurrent;
    QString text = label.mid(separator + 1);
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    const auto hundredths = static_cast<float>(CReplyValue::ToFloat(text) * 100.0);
    // A negative current allows nothing: it counts as none rather than as a huge mark.
    if (!(hundredths >= 0.0f))
        return kNoAllowedCurrent;
    return std::min(hundredths, kLargestAllowedCurrent);
}
