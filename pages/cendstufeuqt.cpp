#include "pages/cendstufeuqt.h"

#include "pages/cendstufeshared.h"
#include "pages/ctarnlinkview.h"

#include <QSlider>

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

void CEndstufeUQT::WriteReleasedCurrent(int slider)
{
    static constexpr const char* kQueries[3] = {"S?", "R?", "A?"};
    if (!m_view || slider < 0 || slider > 2)
        return;
    const QByteArray query(kQueries[slider]);
    if (!m_view->ConfirmCurrentSetting(query))
        return;
    QString reply;
    m_view->Transact(query.left(1) + QByteArray::number(m_view->Form().Slider(slider)->value()),
                     &reply);
}
