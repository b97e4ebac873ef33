#include "pages/cendstufehwt.h"

#include "pages/cendstufeshared.h"

void CEndstufeHWT::ShowCurrentText(int slider)
{
    if (m_view)
        CEndstufeShared::ShowCurrentText(*m_view, slider, 10);
}

unsigned CEndstufeHWT::GetCurrentLimit() const
{
    return m_view ? CEndstufeShared::TenthsCurrentLimit(*m_view) : 0;
}

void CEndstufeHWT::OnOutputFunctionChanged()
{
    if (m_view)
        CEndstufeShared::SendOutputFunction(*m_view);
}
