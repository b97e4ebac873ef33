#include "pages/types/cendstufedrqplus.h"

#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufeshared.h"
#include "platform/csleepservice.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

using Ids = CPageControlIds;

constexpr unsigned kIdsOverdrive = 10431;
constexpr unsigned kIdsCurrentShape = 10432;
// The stage takes a moment to settle once its switches no longer apply.
constexpr int kSettleMs = 500;

// The allowed current in 0.01 A plus 20, 50 or 100, by the current the page keeps.
constexpr CEndstufeShared::CurrentMargins kMargins{1, 200, 400, 20, 50, 100};

} // namespace

void CEndstufeDRQPlus::SetupPage()
{
    if (!m_view)
        return;
    CEndstufeShared::SetupPage(*m_view, CDeviceTypeTables::DrqPlus().setup);
    CParameterForm& form = m_view->Form();
    CEndstufeShared::FillOffOn(*m_view, {Ids::kInputFunctionCombo, Ids::kOutputFunctionCombo});
    form.Label(Ids::kOutputFunctionLabel)->setText(m_view->LoadResString(kIdsOverdrive));
    form.Label(Ids::kInputFunctionLabel)->setText(m_view->LoadResString(kIdsCurrentShape));
    // The hidden list keeps the stage's mode for the parameter file; the text shows it.
    CEndstufeShared::FillBusModes(*m_view, Ids::kOperationModeCombo);
    form.Combo(Ids::kOperationModeCombo)->hide();
    form.Edit(Ids::kModeEdit)->show();
}

bool CEndstufeDRQPlus::ReadAll()
{
    return m_view && CEndstufeShared::ReadType(*m_view, CDeviceTypeTables::DrqPlus());
}

bool CEndstufeDRQPlus::TransmitSettings(QString address)
{
    return m_view && CEndstufeShared::TransmitType(*m_view, address, CDeviceTypeTables::DrqPlus());
}

void CEndstufeDRQPlus::LoadDefaults()
{
    if (!m_view)
        return;
    LoadDefaults(*m_view);
    // The mode the page will save is the one it shows.
    CParameterForm& form = m_view->Form();
    form.Edit(Ids::kModeEdit)->setText(form.Combo(Ids::kOperationModeCombo)->currentText());
}

void CEndstufeDRQPlus::LoadDefaults(CTarnlinkView& view)
{
    CEndstufeShared::SetDefaults(view, 10, 20, 40, 10);
}

void CEndstufeDRQPlus::PollOperationState()
{
    if (!m_view)
        return;
    QString reply;
    if (!m_view->Transact("PS?", &reply))
        return;
    const bool locked = reply == QStringLiteral("ps0");
    if (!locked && !m_lockSeen)
        return;
    m_view->ReadAllParameters();
    m_lockSeen = locked;
    if (!locked) {
        m_view->Host().Sleeper().Sleep(kSettleMs);
        m_view->ReadAllParameters();
    }
}

void CEndstufeDRQPlus::ShowCurrentText(int slider)
{
    if (m_view)
        CEndstufeShared::ShowCurrentText(*m_view, slider, 100);
}

void CEndstufeDRQPlus::ShowDelayTime(int position, const QWidget* scrollControl)
{
    if (m_view)
        CEndstufeShared::ShowDelayTable(*m_view, position, scrollControl);
}

void CEndstufeDRQPlus::OnDisplayMenuChanged()
{
    if (m_view)
        SendCurrentShape(*m_view);
}

void CEndstufeDRQPlus::SendCurrentShape(CTarnlinkView& view)
{
    CEndstufeShared::SendSelection(view, "PC", Ids::kInputFunctionCombo);
}

void CEndstufeDRQPlus::OnOutputFunctionChanged()
{
    if (m_view)
        CEndstufeShared::SendOutputFunction(*m_view);
}

void CEndstufeDRQPlus::OnOperationModeChanged()
{
    if (m_view)
        CEndstufeShared::PollLock(*m_view);
}

unsigned CEndstufeDRQPlus::GetCurrentLimit() const
{
    return m_view ? CurrentLimit(*m_view) : 0;
}

unsigned CEndstufeDRQPlus::CurrentLimit(unsigned mark, unsigned keptCurrent)
{
    return CEndstufeShared::MarginLimit(kMargins, mark, keptCurrent);
}

unsigned CEndstufeDRQPlus::CurrentLimit(CTarnlinkView& view)
{
    return CEndstufeShared::MarginLimit(kMargins, view);
}
