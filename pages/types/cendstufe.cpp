#include "pages/types/cendstufe.h"

#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufedrq2plus.h"
#include "pages/types/cendstufedrqplus.h"
#include "pages/types/cendstufehvr.h"
#include "pages/types/cendstufehwk.h"
#include "pages/types/cendstufehwt.h"
#include "pages/types/cendstufekev.h"
#include "pages/types/cendstufelqn.h"
#include "pages/types/cendstufeshared.h"
#include "pages/types/cendstufeuqt.h"
#include "pages/types/cendstufevneplus.h"

std::unique_ptr<CEndstufe> CEndstufe::Create(DeviceType deviceType, CTarnlinkView& view)
{
    switch (deviceType) {
    case DeviceType::Kev:
        return std::make_unique<CEndstufeKEV>(view);
    case DeviceType::Lqn:
        return std::make_unique<CEndstufeLQN>(view);
    case DeviceType::Hwt:
        return std::make_unique<CEndstufeHWT>(view);
    case DeviceType::Hwk:
        return std::make_unique<CEndstufeHWK>(view);
    case DeviceType::Hvr:
        return std::make_unique<CEndstufeHVR>(view);
    case DeviceType::DrqPlus:
        return std::make_unique<CEndstufeDRQPlus>(view);
    case DeviceType::Uqt:
        return std::make_unique<CEndstufeUQT>(view);
    case DeviceType::Drq2Plus:
        return std::make_unique<CEndstufeDRQ2Plus>(view);
    case DeviceType::VnePlus:
        return std::make_unique<CEndstufeVNEPlus>(view);
    }
    return nullptr;
}

void CEndstufe::ShowCurrentText(int slider)
{
    CEndstufeShared::ShowCurrentText(m_view, slider);
}

void CEndstufe::ShowDelayTime(int position, const QWidget* scrollControl)
{
    switch (CDeviceType::Info(m_view.DeviceType()).delay) {
    case DelayKind::Milliseconds:
        CEndstufeShared::ShowDelayMilliseconds(m_view, position, scrollControl);
        break;
    case DelayKind::TableSteps:
        CEndstufeShared::ShowDelayTable(m_view, position, scrollControl);
        break;
    }
}

unsigned CEndstufe::KeptCurrent() const
{
    return static_cast<unsigned>(m_view.m_allowedMark);
}
