#include "pages/types/cendstufehwt.h"

#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufeshared.h"

#include <QLabel>

namespace {

using Ids = CPageControlIds;

constexpr unsigned kIdsOverdrive = 10431;
constexpr unsigned kIdsCurrentShape = 10432;

} // namespace

void CEndstufeHWT::SetupPage()
{
    if (!m_view)
        return;
    CEndstufeShared::SetupPage(*m_view, CDeviceTypeTables::Hwt().setup);
    CEndstufeShared::FillOffOn(*m_view, {Ids::kInputFunctionCombo, Ids::kOutputFunctionCombo});
    CParameterForm& form = m_view->Form();
    form.Label(Ids::kOutputFunctionLabel)->setText(m_view->LoadResString(kIdsOverdrive));
    form.Label(Ids::kInputFunctionLabel)->setText(m_view->LoadResString(kIdsCurrentShape));
    CEndstufeShared::FillBusModes(*m_view, Ids::kOperationModeCombo);
}

bool CEndstufeHWT::ReadAll()
{
    return m_view && CEndstufeShared::ReadType(*m_view, CDeviceTypeTables::Hwt());
}

bool CEndstufeHWT::TransmitSettings(QString address)
{
    return m_view && CEndstufeShared::TransmitType(*m_view, address, CDeviceTypeTables::Hwt());
}

void CEndstufeHWT::LoadDefaults()
{
    if (m_view)
        CEndstufeShared::SetDefaults(*m_view, 1, 2, 4, 10);
}

void CEndstufeHWT::ShowCurrentText(int slider)
{
    if (m_view)
        CEndstufeShared::ShowCurrentText(*m_view, slider, 10);
}

void CEndstufeHWT::ShowDelayTime(int position, const QWidget* scrollControl)
{
    if (m_view)
        CEndstufeShared::ShowDelayTable(*m_view, position, scrollControl);
}

unsigned CEndstufeHWT::GetCurrentLimit() const
{
    return m_view ? CEndstufeShared::TenthsCurrentLimit(*m_view) : 0;
}

void CEndstufeHWT::OnDisplayMenuChanged()
{
    if (m_view)
        CEndstufeShared::SendSelection(*m_view, "PC", Ids::kInputFunctionCombo);
}

void CEndstufeHWT::OnOutputFunctionChanged()
{
    if (m_view)
        CEndstufeShared::SendOutputFunction(*m_view);
}

void CEndstufeHWT::OnOperationModeChanged()
{
    if (m_view)
        CEndstufeShared::SendBusMode(*m_view);
}
