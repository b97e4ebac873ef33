// The VNE+ power stage (type 8): the three currents in 0.01 A up to 11 A, sixteen step
// resolutions with their current-shape variants, and the direction; every other per-type
// control, the delay and the activation are hidden, so its lists have no handlers and it
// has no defaults. Its allowed current is the motor's current itself.
#pragma once

#include "pages/types/cendstufe.h"

class CEndstufeVNEPlus : public CEndstufe {
public:
    using CEndstufe::CEndstufe;

    void SetupPage() override;
    bool ReadAll() override;
    bool TransmitSettings(const QString& address) override;
};
