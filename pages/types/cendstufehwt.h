// The HWT power stage (type 2): currents in 0.1 A up to 6.3 A, thirteen step resolutions,
// the current delay in 16 steps of a table, current shape "PC", overdrive "PO", a bus mode
// "PX" and one input logic "L".
#pragma once

#include "pages/types/cendstufe.h"

class CEndstufeHWT : public CEndstufe {
public:
    using CEndstufe::CEndstufe;

    void SetupPage() override;
    bool ReadAll() override;
    bool TransmitSettings(const QString& address) override;

    // Stop, run and boost current 0.1, 0.2 and 0.4 A, delay step 10 (40 ms).
    void LoadDefaults() override;
    unsigned CurrentLimit(unsigned mark) const override;
    // The bus mode ("PX").
    bool OnOperationModeChanged() override;
    // The current shape ("PC").
    bool OnDisplayMenuChanged() override;
    // The overdrive ("PO").
    bool OnOutputFunctionChanged() override;
};
