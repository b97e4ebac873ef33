#include "pages/types/cendstufekev.h"

#include "pages/creplyvalue.h"
#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufeshared.h"
#include "platform/cansitext.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSlider>

namespace {

using Ids = CPageControlIds;

constexpr unsigned kIdsActivation = 10446;
constexpr unsigned kIdsErrorSum = 10441;
constexpr unsigned kIdsBasicPosition = 10442;

constexpr int kModuleButtons[] = {Ids::kQelStatusButton, Ids::kQelSettingsButton,
                                  Ids::kQelResetButton};

void Refill(QComboBox* combo, const QStringList& entries)
{
    combo->clear();
    combo->addItems(entries);
}

} // namespace

void CEndstufeKEV::SetupPage()
{
    if (!m_view)
        return;
    CEndstufeShared::SetupPage(*m_view, CDeviceTypeTables::KevSetup());
    CParameterForm& form = m_view->Form();
    form.Combo(Ids::kInputFunctionCombo)->setEnabled(true);
    form.Combo(Ids::kOutputFunctionCombo)->setEnabled(true);
    Refill(form.Combo(Ids::kOperationModeCombo),
           {QStringLiteral("Bus"), QStringLiteral("Standalone")});
    Refill(form.Combo(Ids::kInputFunctionCombo),
           {QStringLiteral("Boost"), m_view->LoadResString(kIdsActivation)});
    Refill(form.Combo(Ids::kOutputFunctionCombo),
           {m_view->LoadResString(kIdsErrorSum), m_view->LoadResString(kIdsBasicPosition),
            QStringLiteral("Ready")});
}

bool CEndstufeKEV::ReadAll()
{
    if (!m_view || !CEndstufeShared::ReadWithCommon(*m_view, CDeviceTypeTables::KevReads()))
        return false;
    QString reply;
    if (!m_view->Transact("XP?", &reply))
        return false;
    const bool present = CReplyValue::Int(reply, 2) != 0;
    CParameterForm& form = m_view->Form();
    for (int id : kModuleButtons)
        form.Button(id)->setEnabled(present);
    form.Button(Ids::kQelSwitch)->setChecked(present);
    // The switch handler tells the stage and brings caption and buttons in line.
    m_view->OnBnClickedQelOnline();
    return true;
}

bool CEndstufeKEV::TransmitSettings(QString address)
{
    if (!m_view || !CEndstufeShared::TransmitCommon(*m_view, address) ||
        !CEndstufeShared::WriteValues(*m_view, address, CDeviceTypeTables::KevWrites()))
        return false;
    QString reply;
    if (!m_view->Form().Button(Ids::kQelSwitch)->isChecked())
        return m_view->TransactTo(address, "XP0", &reply);
    if (!m_view->TransactTo(address, "XP1", &reply))
        return false;
    // The settings are kept in lower case and sent in upper case.
    for (const QString& setting : m_view->m_qelSettings) {
        if (!m_view->TransactTo(address, CAnsiText::FromUnicode(setting.toUpper()), &reply))
            return false;
    }
    return true;
}

void CEndstufeKEV::LoadDefaults()
{
    if (m_view)
        CEndstufeShared::LoadCurrentDefaults(*m_view);
}

void CEndstufeKEV::ClampRunCurrent()
{
    if (!m_view)
        return;
    QSlider* run = m_view->Form().Slider(1);
    if (run->value() < 1)
        run->setValue(1);
}

void CEndstufeKEV::SendSelection(const char* mnemonic, int combo)
{
    if (m_view)
        CEndstufeShared::SendSelection(*m_view, mnemonic, combo);
}

void CEndstufeKEV::OnOperationModeChanged()
{
    SendSelection("PB", Ids::kOperationModeCombo);
}

void CEndstufeKEV::OnDisplayMenuChanged()
{
    SendSelection("H", Ids::kInputFunctionCombo);
}

void CEndstufeKEV::OnOutputFunctionChanged()
{
    SendSelection("O", Ids::kOutputFunctionCombo);
}

unsigned CEndstufeKEV::GetCurrentLimit() const
{
    return m_view ? CEndstufeShared::TenthsCurrentLimit(*m_view) : 0;
}

void CEndstufeKEV::ShowCurrentText(int slider)
{
    if (m_view)
        CEndstufeShared::ShowCurrentText(*m_view, slider, 10);
}

void CEndstufeKEV::ShowDelayTime(int position, const QWidget* scrollControl)
{
    if (m_view)
        CEndstufeShared::ShowDelayMilliseconds(*m_view, position, scrollControl);
}
