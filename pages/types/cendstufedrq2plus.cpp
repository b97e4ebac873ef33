#include "pages/types/cendstufedrq2plus.h"

#include "pages/ccurrentlimit.h"
#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufeshared.h"

namespace {

using Ids = CPageControlIds;

} // namespace

void CEndstufeDRQ2Plus::SetupPage()
{
    CEndstufeShared::SetupPage(m_view, CDeviceTypeTables::Drq2Plus().setup);
    CEndstufeShared::ShowControls(m_view,
                                  {Ids::kOutputFunctionCombo, Ids::kInputFunctionCombo,
                                   Ids::kOutputFunctionLabel, Ids::kInputFunctionLabel,
                                   Ids::kOperationModeLabel, Ids::kOperationModeCombo,
                                   Ids::kModeEdit},
                                  false);
}

bool CEndstufeDRQ2Plus::ReadAll()
{
    return CEndstufeShared::ReadType(m_view, CDeviceTypeTables::Drq2Plus());
}

bool CEndstufeDRQ2Plus::TransmitSettings(const QString& address)
{
    return CEndstufeShared::TransmitType(m_view, address, CDeviceTypeTables::Drq2Plus());
}

void CEndstufeDRQ2Plus::LoadDefaults()
{
    CEndstufeShared::LoadDrqDefaults(m_view);
}

unsigned CEndstufeDRQ2Plus::CurrentLimit(unsigned mark) const
{
    return CCurrentLimit::Drq(mark, KeptCurrent());
}

bool CEndstufeDRQ2Plus::OnOperationModeChanged()
{
    CEndstufeShared::PollLock(m_view);
    return true;
}

bool CEndstufeDRQ2Plus::OnDisplayMenuChanged()
{
    CEndstufeShared::SendCurrentShape(m_view);
    return true;
}

bool CEndstufeDRQ2Plus::OnOutputFunctionChanged()
{
    CEndstufeShared::SendOutputFunction(m_view);
    return true;
}
