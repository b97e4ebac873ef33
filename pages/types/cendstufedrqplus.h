// The DRQ+ power stage (type 5): currents in 0.01 A up to 6.3 A, the current delay in 16
// steps of a table, current shape "PC", overdrive "PO" and one input logic "L". The stage
// is set from its switches or from the bus; while its switches apply ("ps0") the page is
// locked and follows the stage by reading it on every status tick.
#pragma once

#include "pages/types/cendstufe.h"

class CEndstufeDRQPlus : public CEndstufe {
public:
    using CEndstufe::CEndstufe;

    void SetupPage() override;
    bool ReadAll() override;
    bool TransmitSettings(const QString& address) override;

    void LoadDefaults() override;
    unsigned CurrentLimit(unsigned mark) const override;
    // The operation mode is the stage's: the page only learns whether it is locked.
    bool OnOperationModeChanged() override;
    bool OnDisplayMenuChanged() override;
    bool OnOutputFunctionChanged() override;
    // Reads the page again while the stage's switches apply, and twice, half a second
    // apart, once they no longer do.
    void PollOperationState() override;

private:
    // The stage's switches applied at the last tick. Each page follows its own stage.
    bool m_lockSeen = false;
};
