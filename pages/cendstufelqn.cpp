#include "pages/cendstufelqn.h"

#include "pages/cendstufeshared.h"

void CEndstufeLQN::ShowCurrentText(int slider)
{
    if (m_view)
        CEndstufeShared::ShowCurrentText(*m_view, slider, 100);
}

void CEndstufeLQN::ShowDelayTime(int position, const QWidget* scrollControl)
{
    if (m_view)
        CEndstufeShared::ShowDelayMilliseconds(*m_view, position, scrollControl);
}
