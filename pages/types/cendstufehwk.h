// The HWK power stage (type 3): currents in 0.1 A up to 6.3 A, nine step resolutions, two
// displays with a menu each ("PL", "PM"), an overdrive "PO", a bus mode "PX" whose lock
// state the page follows, and six input levels set in the logic-level dialog.
#pragma once

#include "pages/types/cendstufe.h"

class CEndstufeHWK : public CEndstufe {
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
    bool OnOutputFunctionChanged() override;
};
