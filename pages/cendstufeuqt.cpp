#include "pages/cendstufeuqt.h"

#include "pages/cendstufeshared.h"

void CEndstufeUQT::ShowCurrentText(int slider)
{
    if (m_view)
        CEndstufeShared::ShowCurrentText(*m_view, slider, 100);
}

void CEndstufeUQT::ShowDelayTime(int position, const QWidget* scrollControl)
{
    if (m_view)
        CEndstufeShared::ShowDelayMilliseconds(*m_view, position, scrollControl);
}
