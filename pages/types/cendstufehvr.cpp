#include "pages/types/cendstufehvr.h"

#include "pages/ccurrentlimit.h"
#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufeshared.h"

namespace {

using Ids = CPageControlIds;

} // namespace

void CEndstufeHVR::SetupPage()
{
    CEndstufeShared::SetupDisplayPage(m_view, CDeviceTypeTables::Hvr().setup);
    CEndstufeShared::ShowControls(m_view, {Ids::kOutputFunctionCombo, Ids::kOutputFunctionLabel},
                                  false);
}

bool CEndstufeHVR::ReadAll()
{
    return CEndstufeShared::ReadType(m_view, CDeviceTypeTables::Hvr());
}

bool CEndstufeHVR::TransmitSettings(const QString& address)
{
    return CEndstufeShared::TransmitType(m_view, address, CDeviceTypeTables::Hvr());
}

void CEndstufeHVR::LoadDefaults()
{
    CEndstufeShared::LoadCurrentDefaults(m_view);
}

unsigned CEndstufeHVR::CurrentLimit(unsigned mark) const
{
    return CCurrentLimit::Tenths(mark, KeptCurrent());
}

bool CEndstufeHVR::OnOperationModeChanged()
{
    CEndstufeShared::PollLock(m_view);
    return true;
}

bool CEndstufeHVR::OnDisplayMenuChanged()
{
    CEndstufeShared::SendDisplayMenu(m_view);
    return true;
}
