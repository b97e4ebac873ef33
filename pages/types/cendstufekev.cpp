#include "pages/types/cendstufekev.h"

#include "pages/ccurrentlimit.h"
#include "pages/creplyvalue.h"
#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufeshared.h"
#include "platform/cansitext.h"
#include "res/cstringids.h"

#include <QAbstractButton>
#include <QComboBox>

namespace {

using Ids = CPageControlIds;

constexpr int kModuleButtons[] = {Ids::kQelStatusButton, Ids::kQelSettingsButton,
                                  Ids::kQelResetButton};

} // namespace

void CEndstufeKEV::SetupPage()
{
    CEndstufeShared::SetupPage(m_view, CDeviceTypeTables::KevSetup());
    CParameterForm& form = m_view.Form();
    form.Combo(Ids::kInputFunctionCombo)->setEnabled(true);
    form.Combo(Ids::kOutputFunctionCombo)->setEnabled(true);
    CEndstufeShared::FillList(form.Combo(Ids::kOperationModeCombo),
                              {QStringLiteral("Bus"), QStringLiteral("Standalone")});
    CEndstufeShared::FillList(
        form.Combo(Ids::kInputFunctionCombo),
        {QStringLiteral("Boost"), m_view.LoadResString(CStringIds::kIdsActivation)});
    CEndstufeShared::FillList(form.Combo(Ids::kOutputFunctionCombo),
                              {m_view.LoadResString(CStringIds::kIdsErrorSum),
                               m_view.LoadResString(CStringIds::kIdsBasicPosition),
                               QStringLiteral("Ready")});
}

bool CEndstufeKEV::ReadAll()
{
    if (!CEndstufeShared::ReadWithCommon(m_view, CDeviceTypeTables::KevReads()))
        return false;
    QString reply;
    if (!m_view.Transact("XP?", &reply))
        return false;
    const bool present = CReplyValue::Int(reply, 2) != 0;
    CParameterForm& form = m_view.Form();
    for (int id : kModuleButtons)
        form.Button(id)->setEnabled(present);
    form.Button(Ids::kQelSwitch)->setChecked(present);
    // The switch handler tells the stage and brings caption and buttons in line.
    m_view.OnBnClickedQelOnline();
    return true;
}

bool CEndstufeKEV::TransmitSettings(const QString& address)
{
    if (!CEndstufeShared::TransmitCommon(m_view, address) ||
        !CEndstufeShared::WriteValues(m_view, address, CDeviceTypeTables::KevWrites()))
        return false;
    QString reply;
    if (!m_view.Form().Button(Ids::kQelSwitch)->isChecked())
        return m_view.TransactTo(address, "XP0", &reply);
    if (!m_view.TransactTo(address, "XP1", &reply))
        return false;
    // The settings are kept in lower case and sent in upper case.
    for (const QString& setting : m_view.m_qelSettings) {
        if (!m_view.TransactTo(address, CAnsiText::FromUnicode(setting.toUpper()), &reply))
            return false;
    }
    return true;
}

void CEndstufeKEV::LoadDefaults()
{
    CEndstufeShared::LoadCurrentDefaults(m_view);
}

void CEndstufeKEV::ClampRunCurrent()
{
    CEndstufeShared::RaiseRunCurrent(m_view, 1);
}

unsigned CEndstufeKEV::CurrentLimit(unsigned mark) const
{
    return CCurrentLimit::Tenths(mark, KeptCurrent());
}

bool CEndstufeKEV::OnOperationModeChanged()
{
    CEndstufeShared::SendSelection(m_view, "PB", Ids::kOperationModeCombo);
    return true;
}

bool CEndstufeKEV::OnDisplayMenuChanged()
{
    CEndstufeShared::SendSelection(m_view, "H", Ids::kInputFunctionCombo);
    return true;
}

bool CEndstufeKEV::OnOutputFunctionChanged()
{
    CEndstufeShared::SendSelection(m_view, "O", Ids::kOutputFunctionCombo);
    return true;
}
