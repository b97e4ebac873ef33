// The LQN power stage (type 1): currents in 0.01 A up to 2.5 A, thirteen step resolutions,
// a current shape "PC" with its chopper frequency "PE", a bus mode "PX", four input levels
// set in the logic-level dialog, and a lock: a stage answering "ps0" to "PS?" keeps its
// parameters out of reach.
#pragma once

#include "pages/types/cendstufe.h"

class CEndstufeLQN : public CEndstufe {
public:
    using CEndstufe::CEndstufe;

    void SetupPage() override;
    bool ReadAll() override;
    bool TransmitSettings(const QString& address) override;

    // Stop, run and boost current 0.10, 0.20 and 0.40 A, delay 40 ms.
    void LoadDefaults() override;
    // A run current below 0.10 A is raised to 0.10 A.
    void ClampRunCurrent() override;
    unsigned CurrentLimit(unsigned mark) const override;

    // The bus mode ("PX").
    bool OnOperationModeChanged() override;
    // The current shape ("PC"); the chopper frequency matters only while a shape is on.
    bool OnDisplayMenuChanged() override;
    // The chopper frequency ("PE").
    bool OnOutputFunctionChanged() override;
};
