#include "pages/cendstufelqn.h"

#include "pages/cendstufeshared.h"
#include "pages/ctarnlinkview.h"

#include <QSlider>

namespace {

// The allowed current in 0.01 A plus 20, 40 or 50, by the current the page keeps.
constexpr CEndstufeShared::CurrentMargins kMargins{1, 100, 200, 20, 40, 50};

} // namespace

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
    return m_view ? CEndstufeShared::MarginLimit(kMargins, *m_view) : 0;
}

unsigned CEndstufeLQN::CurrentLimit(unsigned mark, unsigned keptCurrent)
{
    return CEndstufeShared::MarginLimit(kMargins, mark, keptCurrent);
}
