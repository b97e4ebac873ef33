#include "pages/cendstufedrqplus.h"

#include "pages/cendstufeshared.h"

void CEndstufeDRQPlus::ShowCurrentText(int slider)
{
    if (m_view)
        CEndstufeShared::ShowCurrentText(*m_view, slider, 100);
}

void CEndstufeDRQPlus::OnOutputFunctionChanged()
{
    if (m_view)
        CEndstufeShared::SendOutputFunction(*m_view);
}

void CEndstufeDRQPlus::OnOperationModeChanged()
{
    if (m_view)
        CEndstufeShared::PollLock(*m_view);
}
