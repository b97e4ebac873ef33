// The DRQ2+ power stage (type 7): currents in 0.01 A up to 6.3 A, nine step resolutions,
// the current delay in milliseconds, and of the per-type parameters only the input logic.
#pragma once

#include "pages/types/cendstufe.h"

class CEndstufeDRQ2Plus : public CEndstufe {
public:
    using CEndstufe::CEndstufe;

    void SetupPage() override;
    // The reads of the VNE+.
    bool ReadAll() override;
    bool TransmitSettings(const QString& address) override;

    // The defaults of the DRQ+.
    void LoadDefaults() override;
    // The rule of the DRQ+.
    unsigned CurrentLimit(unsigned mark) const override;
    // The lists these handlers serve are hidden on a DRQ2+ page.
    bool OnOperationModeChanged() override;
    bool OnDisplayMenuChanged() override;
    bool OnOutputFunctionChanged() override;
};
