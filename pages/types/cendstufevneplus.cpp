#include "pages/types/cendstufevneplus.h"

#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufeshared.h"

#include <QComboBox>

namespace {

using Ids = CPageControlIds;

} // namespace

void CEndstufeVNEPlus::SetupPage()
{
    CEndstufeShared::SetupPage(m_view, CDeviceTypeTables::VnePlus().setup);
    CEndstufeShared::ShowControls(
        m_view,
        {Ids::kOutputFunctionCombo, Ids::kInputFunctionCombo, Ids::kInputLogicCombo,
         Ids::kInputLogicLabel, Ids::kOutputFunctionLabel, Ids::kInputFunctionLabel,
         Ids::kOperationModeLabel, Ids::kOperationModeCombo, Ids::kModeEdit, Ids::kActivationCombo,
         Ids::kActivationLabel, Ids::kDelaySpin, Ids::kDelayText, Ids::kDelayLabel,
         Ids::kWatchdogLamp, Ids::kClearWatchdogButton, Ids::kWatchdogLampLabel},
        false);
}

bool CEndstufeVNEPlus::ReadAll()
{
    // The activation answer stays in the activation list: the hidden operation-mode list has
    // no entries on these pages, so a parameter file records that no mode was chosen.
    return CEndstufeShared::ReadType(m_view, CDeviceTypeTables::VnePlus());
}

bool CEndstufeVNEPlus::TransmitSettings(const QString& address)
{
    // The common writes up to the direction: a VNE+ takes no delay and no activation.
    return CEndstufeShared::TransmitName(m_view, address) &&
           CEndstufeShared::WriteValues(m_view, address,
                                        CDeviceTypeTables::CommonWrites().first(5));
}
