// The HVR power stage (type 4): the HWK for small motors, currents in 0.1 A up to 1.4 A,
// fourteen step resolutions and no overdrive; two display menus, a bus mode whose lock
// state the page follows and six input levels set in the logic-level dialog.
#pragma once

#include "pages/types/cendstufe.h"

class CEndstufeHVR : public CEndstufe {
public:
    using CEndstufe::CEndstufe;

    void SetupPage() override;
    bool ReadAll() override;
    bool TransmitSettings(const QString& address) override;

    // Stop, run and boost current and the delay time as on a KEV.
    void LoadDefaults() override;
    unsigned CurrentLimit(unsigned mark) const override;
    // The bus mode is sent with the settings; a change only learns whether it locks.
    bool OnOperationModeChanged() override;
    bool OnDisplayMenuChanged() override;
};
