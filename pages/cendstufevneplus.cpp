#include "pages/cendstufevneplus.h"

#include "pages/cendstufeshared.h"

void CEndstufeVNEPlus::ShowCurrentText(int slider)
{
    if (m_view)
        CEndstufeShared::ShowCurrentText(*m_view, slider, 100);
}

void CEndstufeVNEPlus::ShowDelayTime(int position, const QWidget* scrollControl)
{
    if (m_view)
        CEndstufeShared::ShowDelayMilliseconds(*m_view, position, scrollControl);
}
