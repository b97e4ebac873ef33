#include "pages/cendstufelqn.h"

#include "pages/cendstufeshared.h"
#include "pages/ctarnlinkview.h"

#include <QSlider>

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

void CEndstufeLQN::ClampRunCurrent()
{
    if (!m_view)
        return;
    QSlider* run = m_view->Form().Slider(1);
    if (run->value() < 10)
        run->setValue(10);
}

unsigned CEndstufeLQN::GetCurrentLimit() const
{
    if (!m_view)
        return 0;
    const auto mark = static_cast<unsigned>(m_view->UpdateAllowedCurrentMark());
    return CurrentLimit(mark, static_cast<unsigned>(m_view->m_allowedMark));
}

unsigned CEndstufeLQN::CurrentLimit(unsigned mark, unsigned keptCurrent)
{
    unsigned margin = 50;
    if (keptCurrent < 100)
        margin = 20;
    else if (keptCurrent < 200)
        margin = 40;
    return mark + margin;
}
