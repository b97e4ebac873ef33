// The HVR power stage (type 4): the HWK for small motors, currents in 0.1 A up to 1.4 A,
// fourteen step resolutions and no overdrive; two display menus, a bus mode whose lock
// state the page follows and six input levels set in the logic-level dialog.
#pragma once

#include <QString>

class CTarnlinkView;
class QWidget;

class CEndstufeHVR {
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
    // The bus mode is sent with the settings; a change only learns whether it locks.
    void OnOperationModeChanged();
    void OnDisplayMenuChanged();

private:
    CTarnlinkView* m_view = nullptr;
};
