#include "pages/cendstufedrq2plus.h"

#include "pages/cendstufedrqplus.h"
#include "pages/cendstufeshared.h"
#include "pages/ctarnlinkview.h"

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
    // DRQ2+ follows the DRQ+ rule.
    if (!m_view)
        return 0;
    const auto mark = static_cast<unsigned>(m_view->UpdateAllowedCurrentMark());
    return CEndstufeDRQPlus::CurrentLimit(mark, static_cast<unsigned>(m_view->m_allowedMark));
}
