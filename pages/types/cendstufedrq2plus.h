// The DRQ2+ power stage (type 7): currents in 0.01 A up to 6.3 A, nine step resolutions,
// the current delay in milliseconds, and of the per-type parameters only the input logic.
#pragma once

#include <QString>

class CTarnlinkView;
class QWidget;

class CEndstufeDRQ2Plus {
public:
    void SetView(CTarnlinkView* view) { m_view = view; }

    void SetupPage();
    // The reader of the VNE+.
    bool ReadAll();
    bool TransmitSettings(QString address);
    // The defaults of the DRQ+.
    void LoadDefaults();

    void ShowCurrentText(int slider);
    void ShowDelayTime(int position, const QWidget* scrollControl);
    // The lists these handlers serve are hidden on a DRQ2+ page.
    void OnDisplayMenuChanged();
    void OnOutputFunctionChanged();
    void OnOperationModeChanged();
    // The rule of the DRQ+.
    unsigned GetCurrentLimit() const;

private:
    CTarnlinkView* m_view = nullptr;
};
