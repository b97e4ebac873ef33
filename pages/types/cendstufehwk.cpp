#include "pages/types/cendstufehwk.h"

#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufeshared.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>

namespace {

using Ids = CPageControlIds;

constexpr unsigned kIdsOverdrive = 10431;

} // namespace

void CEndstufeHWK::SetupDisplayPage(CTarnlinkView& view, const CPageSetup& setup)
{
    CEndstufeShared::SetupPage(view, setup);
    CEndstufeShared::FillBusModes(view, Ids::kOperationModeCombo);
    CParameterForm& form = view.Form();
    CEndstufeShared::ShowControls(view, {Ids::kDisplay1Radio, Ids::kDisplay2Radio}, true);
    form.Label(Ids::kInputFunctionLabel)->setText(QStringLiteral("Display Menu"));
    form.Button(Ids::kDisplay1Radio)->setChecked(true);
    QComboBox* menu = form.Combo(Ids::kInputFunctionCombo);
    menu->clear();
    menu->addItems({QStringLiteral("I+U"), QStringLiteral("I+M"), QStringLiteral("I+T"),
                    QStringLiteral("Temp"), QStringLiteral("none")});
    CEndstufeShared::ShowControls(view, {Ids::kLogicButton}, true);
    CEndstufeShared::ShowControls(view, {Ids::kInputLogicCombo}, false);
}

void CEndstufeHWK::SetupPage()
{
    if (!m_view)
        return;
    SetupDisplayPage(*m_view, CDeviceTypeTables::Hwk().setup);
    m_view->Form().Label(Ids::kOutputFunctionLabel)->setText(m_view->LoadResString(kIdsOverdrive));
    CEndstufeShared::FillOffOn(*m_view, {Ids::kOutputFunctionCombo});
}

bool CEndstufeHWK::ReadAll()
{
    return m_view && CEndstufeShared::ReadType(*m_view, CDeviceTypeTables::Hwk());
}

bool CEndstufeHWK::TransmitSettings(QString address)
{
    return m_view && CEndstufeShared::TransmitType(*m_view, address, CDeviceTypeTables::Hwk());
}

void CEndstufeHWK::ShowCurrentText(int slider)
{
    if (m_view)
        CEndstufeShared::ShowCurrentText(*m_view, slider, 10);
}

void CEndstufeHWK::ShowDelayTime(int position, const QWidget* scrollControl)
{
    if (m_view)
        CEndstufeShared::ShowDelayMilliseconds(*m_view, position, scrollControl);
}

unsigned CEndstufeHWK::GetCurrentLimit() const
{
    return m_view ? CEndstufeShared::TenthsCurrentLimit(*m_view) : 0;
}

void CEndstufeHWK::OnOutputFunctionChanged()
{
    if (m_view)
        CEndstufeShared::SendOutputFunction(*m_view);
}

void CEndstufeHWK::OnOperationModeChanged()
{
    if (m_view)
        CEndstufeShared::PollLock(*m_view);
}

void CEndstufeHWK::OnDisplayMenuChanged()
{
    if (m_view)
        CEndstufeShared::SendDisplayMenu(*m_view);
}

void CEndstufeHWK::LoadDefaults()
{
    if (m_view)
        CEndstufeShared::LoadCurrentDefaults(*m_view);
}
