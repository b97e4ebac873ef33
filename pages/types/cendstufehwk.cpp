#include "pages/types/cendstufehwk.h"

#include "pages/ccurrentlimit.h"
#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufeshared.h"
#include "res/cstringids.h"

#include <QLabel>

namespace {

using Ids = CPageControlIds;

} // namespace

void CEndstufeHWK::SetupPage()
{
    CEndstufeShared::SetupDisplayPage(m_view, CDeviceTypeTables::Hwk().setup);
    m_view.Form()
        .Label(Ids::kOutputFunctionLabel)
        ->setText(m_view.LoadResString(CStringIds::kIdsOverdrive));
    CEndstufeShared::FillOffOn(m_view, {Ids::kOutputFunctionCombo});
}

bool CEndstufeHWK::ReadAll()
{
    return CEndstufeShared::ReadType(m_view, CDeviceTypeTables::Hwk());
}

bool CEndstufeHWK::TransmitSettings(const QString& address)
{
    return CEndstufeShared::TransmitType(m_view, address, CDeviceTypeTables::Hwk());
}

void CEndstufeHWK::LoadDefaults()
{
    CEndstufeShared::LoadCurrentDefaults(m_view);
}

unsigned CEndstufeHWK::CurrentLimit(unsigned mark) const
{
    return CCurrentLimit::Tenths(mark, KeptCurrent());
}

bool CEndstufeHWK::OnOperationModeChanged()
{
    CEndstufeShared::PollLock(m_view);
    return true;
}

bool CEndstufeHWK::OnDisplayMenuChanged()
{
    CEndstufeShared::SendDisplayMenu(m_view);
    return true;
}

bool CEndstufeHWK::OnOutputFunctionChanged()
{
    CEndstufeShared::SendOutputFunction(m_view);
    return true;
}
