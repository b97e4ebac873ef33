#include "pages/cendstufehwk.h"

#include "pages/cendstufeshared.h"

void CEndstufeHWK::ShowCurrentText(int slider)
{
    if (m_view)
        CEndstufeShared::ShowCurrentText(*m_view, slider, 10);
}

void CEndstufeHWK::ShowDelayTime(int position, const QWidget* scrollControl)
{
    if (m_view)
        CEndstufeShared::ShowDelayMilliseconds(*m_view, position, scrollControl);
}

unsigned CEndstufeHWK::GetCurrentLimit() const
{
    return m_view ? CEndstufeShared::TenthsCurrentLimit(*m_view) : 0;
}

void CEndstufeHWK::OnOutputFunctionChanged()
{
    if (m_view)
        CEndstufeShared::SendOutputFunction(*m_view);
}

void CEndstufeHWK::OnOperationModeChanged()
{
    if (m_view)
        CEndstufeShared::PollLock(*m_view);
}

void CEndstufeHWK::OnDisplayMenuChanged()
{
    if (m_view)
        CEndstufeShared::SendDisplayMenu(*m_view);
}

void CEndstufeHWK::LoadDefaults()
{
    if (m_view)
        CEndstufeShared::LoadCurrentDefaults(*m_view);
}
