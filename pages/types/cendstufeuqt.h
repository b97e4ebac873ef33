// The UQT power stage (type 6): currents in 0.01 A up to 3.5 A, fourteen step resolutions,
// an overdrive with its frequency chosen from 35 values in Hz, and a chopper frequency.
// Its name and activation are not changed on the page. Its allowed current is the motor's
// current itself.
#pragma once

#include "pages/types/cendstufe.h"

class CEndstufeUQT : public CEndstufe {
public:
    using CEndstufe::CEndstufe;

    void SetupPage() override;
    bool ReadAll() override;
    bool TransmitSettings(const QString& address) override;

    // The defaults of the DRQ+; the delay text is the one the spin's position shows.
    void LoadDefaults() override;
    // The overdrive frequency in Hz ("PH").
    bool OnOperationModeChanged() override;
    // The overdrive ("PO").
    bool OnDisplayMenuChanged() override;
    // The chopper frequency ("PE").
    bool OnOutputFunctionChanged() override;
};
