// The HWK power stage (type 3): currents in 0.1 A up to 6.3 A, nine step resolutions, two
// displays with a menu each ("PL", "PM"), an overdrive "PO", a bus mode "PX" whose lock
// state the page follows, and six input levels set in the logic-level dialog.
#pragma once

#include <QString>

struct CPageSetup;
class CTarnlinkView;
class QWidget;

class CEndstufeHWK {
public:
    void SetView(CTarnlinkView* view) { m_view = view; }

    void SetupPage();
    bool ReadAll();
    bool TransmitSettings(QString address);
    // Stop, run and boost current and the delay time as on a KEV.
    void LoadDefaults();

    void ShowCurrentText(int slider);
    void ShowDelayTime(int position, const QWidget* scrollControl);
    unsigned GetCurrentLimit() const;
    void OnOutputFunctionChanged();
    // The bus mode is sent with the settings; a change only learns whether it locks.
    void OnOperationModeChanged();
    void OnDisplayMenuChanged();

    // What the HWK and the HVR share of their page: the display radios and menu, the
    // bus modes and the logic-level button in place of the one input logic.
    static void SetupDisplayPage(CTarnlinkView& view, const CPageSetup& setup);

private:
    CTarnlinkView* m_view = nullptr;
};
