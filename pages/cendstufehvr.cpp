#include "pages/cendstufehvr.h"

#include "pages/cendstufeshared.h"

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
