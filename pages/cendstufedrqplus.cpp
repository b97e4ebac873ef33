#include "pages/cendstufedrqplus.h"

#include "pages/cendstufeshared.h"
#include "pages/ctarnlinkview.h"

namespace {

// The allowed current in 0.01 A plus 20, 50 or 100, by the current the page keeps.
constexpr CEndstufeShared::CurrentMargins kMargins{1, 200, 400, 20, 50, 100};

} // namespace

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
    return m_view ? CEndstufeShared::MarginLimit(kMargins, *m_view) : 0;
}

unsigned CEndstufeDRQPlus::CurrentLimit(unsigned mark, unsigned keptCurrent)
{
    return CEndstufeShared::MarginLimit(kMargins, mark, keptCurrent);
}
