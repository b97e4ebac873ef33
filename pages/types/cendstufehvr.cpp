#include "pages/types/cendstufehvr.h"

#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufehwk.h"
#include "pages/types/cendstufeshared.h"

namespace {

using Ids = CPageControlIds;

} // namespace

void CEndstufeHVR::SetupPage()
{
    if (!m_view)
        return;
    CEndstufeHWK::SetupDisplayPage(*m_view, CDeviceTypeTables::Hvr().setup);
    CEndstufeShared::ShowControls(*m_view, {Ids::kOutputFunctionCombo, Ids::kOutputFunctionLabel},
                                  false);
}

bool CEndstufeHVR::ReadAll()
{
    return m_view && CEndstufeShared::ReadType(*m_view, CDeviceTypeTables::Hvr());
}

bool CEndstufeHVR::TransmitSettings(QString address)
{
    return m_view && CEndstufeShared::TransmitType(*m_view, address, CDeviceTypeTables::Hvr());
}

void CEndstufeHVR::ShowCurrentText(int slider)
{
    if (m_view)
        CEndstufeShared::ShowCurrentText(*m_view, slider, 10);
}

void CEndstufeHVR::ShowDelayTime(int position, const QWidget* scrollControl)
{
    if (m_view)
        CEndstufeShared::ShowDelayMilliseconds(*m_view, position, scrollControl);
}

unsigned CEndstufeHVR::GetCurrentLimit() const
{
    return m_view ? CEndstufeShared::TenthsCurrentLimit(*m_view) : 0;
}

void CEndstufeHVR::OnOperationModeChanged()
{
    if (m_view)
        CEndstufeShared::PollLock(*m_view);
}

void CEndstufeHVR::OnDisplayMenuChanged()
{
    if (m_view)
        CEndstufeShared::SendDisplayMenu(*m_view);
}

void CEndstufeHVR::LoadDefaults()
{
    if (m_view)
        CEndstufeShared::LoadCurrentDefaults(*m_view);
}
