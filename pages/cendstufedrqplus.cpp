#include "pages/cendstufedrqplus.h"

#include "pages/cendstufeshared.h"
#include "pages/ctarnlinkview.h"

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

unsigned CEndstufeDRQPlus::GetCurrentLimit() const
{
    if (!m_view)
        return 0;
    const auto mark = static_cast<unsigned>(m_view->UpdateAllowedCurrentMark());
    return CurrentLimit(mark, static_cast<unsigned>(m_view->m_allowedMark));
}

unsigned CEndstufeDRQPlus::CurrentLimit(unsigned mark, unsigned keptCurrent)
{
    unsigned margin = 100;
    if (keptCurrent < 200)
        margin = 20;
    else if (keptCurrent < 400)
        margin = 50;
    return mark + margin;
}
