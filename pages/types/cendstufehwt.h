// The HWT power stage (type 2): currents in 0.1 A up to 6.3 A, thirteen step resolutions,
// the current delay in 16 steps of a table, current shape "PC", overdrive "PO", a bus mode
// "PX" and one input logic "L".
#pragma once

#include <QString>

class CTarnlinkView;
class QWidget;

class CEndstufeHWT {
public:
    void SetView(CTarnlinkView* view) { m_view = view; }

    void SetupPage();
    bool ReadAll();
    bool TransmitSettings(QString address);
    // Stop, run and boost current 0.1, 0.2 and 0.4 A, delay step 10 (40 ms).
    void LoadDefaults();

    void ShowCurrentText(int slider);
    void ShowDelayTime(int position, const QWidget* scrollControl);
    unsigned GetCurrentLimit() const;
    // The current shape ("PC").
    void OnDisplayMenuChanged();
    // The overdrive ("PO").
    void OnOutputFunctionChanged();
    // The bus mode ("PX").
    void OnOperationModeChanged();

private:
    CTarnlinkView* m_view = nullptr;
};
