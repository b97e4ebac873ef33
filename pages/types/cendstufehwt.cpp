#include "pages/types/cendstufehwt.h"

#include "pages/ccurrentlimit.h"
#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufeshared.h"
#include "res/cstringids.h"

#include <QLabel>

namespace {

using Ids = CPageControlIds;

} // namespace

void CEndstufeHWT::SetupPage()
{
    CEndstufeShared::SetupPage(m_view, CDeviceTypeTables::Hwt().setup);
    CEndstufeShared::FillOffOn(m_view, {Ids::kInputFunctionCombo, Ids::kOutputFunctionCombo});
    CParameterForm& form = m_view.Form();
    form.Label(Ids::kOutputFunctionLabel)->setText(m_view.LoadResString(CStringIds::kIdsOverdrive));
    form.Label(Ids::kInputFunctionLabel)
        ->setText(m_view.LoadResString(CStringIds::kIdsCurrentShape));
    CEndstufeShared::FillBusModes(m_view, Ids::kOperationModeCombo);
}

bool CEndstufeHWT::ReadAll()
{
    return CEndstufeShared::ReadType(m_view, CDeviceTypeTables::Hwt());
}

bool CEndstufeHWT::TransmitSettings(const QString& address)
{
    return CEndstufeShared::TransmitType(m_view, address, CDeviceTypeTables::Hwt());
}

void CEndstufeHWT::LoadDefaults()
{
    CEndstufeShared::SetDefaults(m_view, 1, 2, 4, 10);
}

unsigned CEndstufeHWT::CurrentLimit(unsigned mark) const
{
    return CCurrentLimit::Tenths(mark, KeptCurrent());
}

bool CEndstufeHWT::OnOperationModeChanged()
{
    CEndstufeShared::SendBusMode(m_view);
    return true;
}

bool CEndstufeHWT::OnDisplayMenuChanged()
{
    CEndstufeShared::SendCurrentShape(m_view);
    return true;
}

bool CEndstufeHWT::OnOutputFunctionChanged()
{
    CEndstufeShared::SendOutputFunction(m_view);
    return true;
}
