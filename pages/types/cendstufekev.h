// The KEV power stage (type 0): currents in 0.1 A up to 6.3 A, input function "H", output
// function "O", operation mode "PB", and the only type whose page keeps the temperature
// module (QEL) with its switch "XP" and its six settings.
#pragma once

#include "pages/types/cendstufe.h"

class CEndstufeKEV : public CEndstufe {
public:
    using CEndstufe::CEndstufe;

    void SetupPage() override;
    bool ReadAll() override;
    bool TransmitSettings(const QString& address) override;

    void LoadDefaults() override;
    // A run current below 0.1 A is raised to 0.1 A.
    void ClampRunCurrent() override;
    unsigned CurrentLimit(unsigned mark) const override;
    bool OnOperationModeChanged() override;
    bool OnDisplayMenuChanged() override;
    bool OnOutputFunctionChanged() override;
};
