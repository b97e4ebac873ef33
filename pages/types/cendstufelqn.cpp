#include "pages/types/cendstufelqn.h"

#include "pages/ccurrentlimit.h"
#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufeshared.h"
#include "res/cstringids.h"

#include <QComboBox>
#include <QLabel>

namespace {

using Ids = CPageControlIds;

} // namespace

void CEndstufeLQN::SetupPage()
{
    CEndstufeShared::SetupPage(m_view, CDeviceTypeTables::Lqn().setup);
    CParameterForm& form = m_view.Form();
    form.Label(Ids::kOutputFunctionLabel)
        ->setText(m_view.LoadResString(CStringIds::kIdsChopperFrequency));
    form.Label(Ids::kInputFunctionLabel)
        ->setText(m_view.LoadResString(CStringIds::kIdsCurrentShape));
    CEndstufeShared::FillList(form.Combo(Ids::kInputFunctionCombo),
                              {m_view.LoadResString(CStringIds::kIdsOff),
                               QStringLiteral("Standard"), QStringLiteral("Expert-Mode")});
    CEndstufeShared::FillList(
        form.Combo(Ids::kOutputFunctionCombo),
        {QStringLiteral("50 kHz"), QStringLiteral("75 kHz"), QStringLiteral("100 kHz")});
    CEndstufeShared::FillBusModes(m_view, Ids::kOperationModeCombo);
    CEndstufeShared::ShowControls(m_view, {Ids::kLogicButton}, true);
    CEndstufeShared::ShowControls(m_view, {Ids::kInputLogicCombo}, false);
}

bool CEndstufeLQN::ReadAll()
{
    return CEndstufeShared::ReadType(m_view, CDeviceTypeTables::Lqn());
}

bool CEndstufeLQN::TransmitSettings(const QString& address)
{
    return CEndstufeShared::TransmitType(m_view, address, CDeviceTypeTables::Lqn());
}

void CEndstufeLQN::LoadDefaults()
{
    CEndstufeShared::SetDefaults(m_view, 10, 20, 40, 40);
}

void CEndstufeLQN::ClampRunCurrent()
{
    CEndstufeShared::RaiseRunCurrent(m_view, 10);
}

unsigned CEndstufeLQN::CurrentLimit(unsigned mark) const
{
    return CCurrentLimit::Lqn(mark, KeptCurrent());
}

bool CEndstufeLQN::OnOperationModeChanged()
{
    CEndstufeShared::SendBusMode(m_view);
    return true;
}

bool CEndstufeLQN::OnDisplayMenuChanged()
{
    CParameterForm& form = m_view.Form();
    form.Combo(Ids::kOutputFunctionCombo)
        ->setEnabled(form.Combo(Ids::kInputFunctionCombo)->currentIndex() != 0);
    CEndstufeShared::SendCurrentShape(m_view);
    return true;
}

bool CEndstufeLQN::OnOutputFunctionChanged()
{
    CEndstufeShared::SendChopperFrequency(m_view);
    return true;
}
