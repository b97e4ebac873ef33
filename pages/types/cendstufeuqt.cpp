#include "pages/types/cendstufeuqt.h"

#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufeshared.h"
#include "platform/cansitext.h"
#include "res/cstringids.h"

#include <QComboBox>
#include <QLabel>

namespace {

using Ids = CPageControlIds;

} // namespace

void CEndstufeUQT::SetupPage()
{
    CEndstufeShared::SetupPage(m_view, CDeviceTypeTables::Uqt().setup);
    CEndstufeShared::EnableControls(
        m_view, {Ids::kActivationCombo, Ids::kNameEdit, Ids::kSetNameButton}, false);
    CParameterForm& form = m_view.Form();
    CEndstufeShared::FillList(form.Combo(Ids::kInputFunctionCombo),
                              {QStringLiteral("Off"), QStringLiteral("On")});
    CEndstufeShared::FillList(form.Combo(Ids::kOutputFunctionCombo),
                              CDeviceTypeTables::UqtChopperFrequencies());
    form.Label(Ids::kInputFunctionLabel)->setText(m_view.LoadResString(CStringIds::kIdsOverdrive));
    form.Label(Ids::kOutputFunctionLabel)
        ->setText(m_view.LoadResString(CStringIds::kIdsChopperFrequency));
    QComboBox* frequency = form.Combo(Ids::kOperationModeCombo);
    frequency->clear();
    const int frequencies = static_cast<int>(CDeviceTypeTables::UqtOverdriveFrequencies().size());
    for (int index = 0; index < frequencies; ++index)
        frequency->addItem(CDeviceTypeTables::UqtOverdriveFrequencyText(index));
    form.Label(Ids::kOperationModeLabel)->setText(CDeviceTypeTables::UqtOverdriveFrequencyLabel());
}

bool CEndstufeUQT::ReadAll()
{
    // A UQT is not asked for its name.
    return CEndstufeShared::ReadWithCommon(m_view, CDeviceTypeTables::Uqt().reads, false);
}

bool CEndstufeUQT::TransmitSettings(const QString& address)
{
    // The currents go out as the sliders stand, as the stage reports them and as a released
    // slider writes them, so that a file saved from a stage gives it back the same values.
    return CEndstufeShared::TransmitType(m_view, address, CDeviceTypeTables::Uqt());
}

void CEndstufeUQT::LoadDefaults()
{
    CEndstufeShared::LoadDrqDefaults(m_view);
}

bool CEndstufeUQT::OnOperationModeChanged()
{
    // The entry's text less its " Hz": the frequency in Hz.
    const QString entry = m_view.Form().Combo(Ids::kOperationModeCombo)->currentText();
    if (entry.size() <= 3)
        return true;
    QString reply;
    m_view.Transact("PH" + CAnsiText::FromUnicode(entry.chopped(3)), &reply);
    return true;
}

bool CEndstufeUQT::OnDisplayMenuChanged()
{
    CEndstufeShared::SendSelection(m_view, "PO", Ids::kInputFunctionCombo);
    return true;
}

bool CEndstufeUQT::OnOutputFunctionChanged()
{
    CEndstufeShared::SendChopperFrequency(m_view);
    return true;
}
