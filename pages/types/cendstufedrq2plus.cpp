#include "pages/types/cendstufedrq2plus.h"

#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufedrqplus.h"
#include "pages/types/cendstufeshared.h"
#include "pages/types/cendstufevneplus.h"

namespace {

using Ids = CPageControlIds;

} // namespace

void CEndstufeDRQ2Plus::SetupPage()
{
    if (!m_view)
        return;
    CEndstufeShared::SetupPage(*m_view, CDeviceTypeTables::Drq2Plus().setup);
    CEndstufeShared::ShowControls(
        *m_view,
        {Ids::kOutputFunctionCombo, Ids::kInputFunctionCombo, Ids::kOutputFunctionLabel,
         Ids::kInputFunctionLabel, Ids::kOperationModeLabel, Ids::kOperationModeCombo,
         Ids::kModeEdit},
        false);
}

bool CEndstufeDRQ2Plus::ReadAll()
{
    return m_view && CEndstufeVNEPlus::ReadAll(*m_view);
}

bool CEndstufeDRQ2Plus::TransmitSettings(QString address)
{
    return m_view &&
           CEndstufeShared::TransmitType(*m_view, address, CDeviceTypeTables::Drq2Plus());
}

void CEndstufeDRQ2Plus::LoadDefaults()
{
    if (m_view)
        CEndstufeDRQPlus::LoadDefaults(*m_view);
}

void CEndstufeDRQ2Plus::ShowCurrentText(int slider)
{
    if (m_view)
        CEndstufeShared::ShowCurrentText(*m_view, slider, 100);
}

void CEndstufeDRQ2Plus::ShowDelayTime(int position, const QWidget* scrollControl)
{
    if (m_view)
        CEndstufeShared::ShowDelayMilliseconds(*m_view, position, scrollControl);
}

void CEndstufeDRQ2Plus::OnDisplayMenuChanged()
{
    if (m_view)
        CEndstufeDRQPlus::SendCurrentShape(*m_view);
}

void CEndstufeDRQ2Plus::OnOutputFunctionChanged()
{
    if (m_view)
        CEndstufeShared::SendOutputFunction(*m_view);
}

void CEndstufeDRQ2Plus::OnOperationModeChanged()
{
    if (m_view)
        CEndstufeShared::PollLock(*m_view);
}

unsigned CEndstufeDRQ2Plus::GetCurrentLimit() const
{
    return m_view ? CEndstufeDRQPlus::CurrentLimit(*m_view) : 0;
}
