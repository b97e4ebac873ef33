// The HVR power stage (type 4): currents in 0.1 A, two display menus, a parameter lock.
// Built on the operations the device types share; the view calls it by device-type index.
#pragma once

class CTarnlinkView;
class QWidget;

class CEndstufeHVR {
public:
    void SetView(CTarnlinkView* view) { m_view = view; }

    void ShowCurrentText(int slider);
    void ShowDelayTime(int position, const QWidget* scrollControl);
    unsigned GetCurrentLimit() const;
    // The operation mode is the stage's: the page only learns whether it is locked.
    void OnOperationModeChanged();
    void OnDisplayMenuChanged();
    // Stop, run and boost current and the delay time as on a KEV.
    void LoadDefaults();

private:
    CTarnlinkView* m_view = nullptr;
};
