#include "pages/types/cendstufelqn.h"

#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufeshared.h"
#include "pages/types/cendstufeuqt.h"

#include <QComboBox>
#include <QLabel>
#include <QSlider>

namespace {

using Ids = CPageControlIds;

constexpr unsigned kIdsCurrentShape = 10432;
constexpr unsigned kIdsOff = 10434;
constexpr unsigned kIdsChopperFrequency = 10445;

// The allowed current in 0.01 A plus 20, 40 or 50, by the current the page keeps.
constexpr CEndstufeShared::CurrentMargins kMargins{1, 100, 200, 20, 40, 50};

} // namespace

void CEndstufeLQN::SetupPage()
{
    if (!m_view)
        return;
    CEndstufeShared::SetupPage(*m_view, CDeviceTypeTables::Lqn().setup);
    CParameterForm& form = m_view->Form();
    form.Label(Ids::kOutputFunctionLabel)->setText(m_view->LoadResString(kIdsChopperFrequency));
    form.Label(Ids::kInputFunctionLabel)->setText(m_view->LoadResString(kIdsCurrentShape));
    QComboBox* shape = form.Combo(Ids::kInputFunctionCombo);
    shape->clear();
    shape->addItems({m_view->LoadResString(kIdsOff), QStringLiteral("Standard"),
                     QStringLiteral("Expert-Mode")});
    QComboBox* chopper = form.Combo(Ids::kOutputFunctionCombo);
    chopper->clear();
    chopper->addItems(
        {QStringLiteral("50 kHz"), QStringLiteral("75 kHz"), QStringLiteral("100 kHz")});
    CEndstufeShared::FillBusModes(*m_view, Ids::kOperationModeCombo);
    CEndstufeShared::ShowControls(*m_view, {Ids::kLogicButton}, true);
    CEndstufeShared::ShowControls(*m_view, {Ids::kInputLogicCombo}, false);
}

bool CEndstufeLQN::ReadAll()
{
    return m_view && CEndstufeShared::ReadType(*m_view, CDeviceTypeTables::Lqn());
}

bool CEndstufeLQN::TransmitSettings(QString address)
{
    return m_view && CEndstufeShared::TransmitType(*m_view, address, CDeviceTypeTables::Lqn());
}

void CEndstufeLQN::LoadDefaults()
{
    if (m_view)
        CEndstufeShared::SetDefaults(*m_view, 10, 20, 40, 40);
}

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

void CEndstufeLQN::OnDisplayMenuChanged()
{
    if (!m_view)
        return;
    CParameterForm& form = m_view->Form();
    form.Combo(Ids::kOutputFunctionCombo)
        ->setEnabled(form.Combo(Ids::kInputFunctionCombo)->currentIndex() != 0);
    CEndstufeShared::SendSelection(*m_view, "PC", Ids::kInputFunctionCombo);
}

void CEndstufeLQN::OnOutputFunctionChanged()
{
    if (m_view)
        CEndstufeUQT::SendChopperFrequency(*m_view);
}

void CEndstufeLQN::OnOperationModeChanged()
{
    if (m_view)
        CEndstufeShared::SendBusMode(*m_view);
}
