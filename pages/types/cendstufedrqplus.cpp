#include "pages/types/cendstufedrqplus.h"

#include "pages/ccurrentlimit.h"
#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufeshared.h"
#include "platform/csleepservice.h"
#include "res/cstringids.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

using Ids = CPageControlIds;

// The stage takes a moment to settle once its switches no longer apply.
constexpr int kSettleMs = 500;

} // namespace

void CEndstufeDRQPlus::SetupPage()
{
    CEndstufeShared::SetupPage(m_view, CDeviceTypeTables::DrqPlus().setup);
    CParameterForm& form = m_view.Form();
    CEndstufeShared::FillOffOn(m_view, {Ids::kInputFunctionCombo, Ids::kOutputFunctionCombo});
    form.Label(Ids::kOutputFunctionLabel)->setText(m_view.LoadResString(CStringIds::kIdsOverdrive));
    form.Label(Ids::kInputFunctionLabel)
        ->setText(m_view.LoadResString(CStringIds::kIdsCurrentShape));
    // The hidden list keeps the stage's mode for the parameter file; the text shows it.
    CEndstufeShared::FillBusModes(m_view, Ids::kOperationModeCombo);
    form.Combo(Ids::kOperationModeCombo)->hide();
    form.Edit(Ids::kModeEdit)->show();
}

bool CEndstufeDRQPlus::ReadAll()
{
    return CEndstufeShared::ReadType(m_view, CDeviceTypeTables::DrqPlus());
}

bool CEndstufeDRQPlus::TransmitSettings(const QString& address)
{
    return CEndstufeShared::TransmitType(m_view, address, CDeviceTypeTables::DrqPlus());
}

void CEndstufeDRQPlus::LoadDefaults()
{
    CEndstufeShared::LoadDrqDefaults(m_view);
    // The mode the page will save is the one it shows.
    CParameterForm& form = m_view.Form();
    form.Edit(Ids::kModeEdit)->setText(form.Combo(Ids::kOperationModeCombo)->currentText());
}

unsigned CEndstufeDRQPlus::CurrentLimit(unsigned mark) const
{
    return CCurrentLimit::Drq(mark, KeptCurrent());
}

bool CEndstufeDRQPlus::OnOperationModeChanged()
{
    CEndstufeShared::PollLock(m_view);
    return true;
}

bool CEndstufeDRQPlus::OnDisplayMenuChanged()
{
    CEndstufeShared::SendCurrentShape(m_view);
    return true;
}

bool CEndstufeDRQPlus::OnOutputFunctionChanged()
{
    CEndstufeShared::SendOutputFunction(m_view);
    return true;
}

void CEndstufeDRQPlus::PollOperationState()
{
    QString reply;
    if (!m_view.Transact("PS?", &reply))
        return;
    const bool locked = reply == QStringLiteral("ps0");
    if (!locked && !m_lockSeen)
        return;
    m_view.ReadAllParameters();
    m_lockSeen = locked;
    if (!locked) {
        m_view.Host().Sleeper().Sleep(kSettleMs);
        m_view.ReadAllParameters();
    }
}
