// The UQT power stage (type 6): currents in 0.01 A, no allowed-current limit.
// Built on the operations the device types share; the view calls it by device-type index.
#pragma once

class CTarnlinkView;
class QWidget;

class CEndstufeUQT {
public:
    void SetView(CTarnlinkView* view) { m_view = view; }

    void ShowCurrentText(int slider);
    void ShowDelayTime(int position, const QWidget* scrollControl);
    // No allowed-current limit of its own.
    unsigned GetCurrentLimit() const { return 0; }
    // A released current slider: its current is written once the page's current check
    // lets it pass.
    void OnStopCurrentReleased() { WriteReleasedCurrent(0); }
    void OnRunCurrentReleased() { WriteReleasedCurrent(1); }
    void OnBoostCurrentReleased() { WriteReleasedCurrent(2); }

private:
    void WriteReleasedCurrent(int slider);

    CTarnlinkView* m_view = nullptr;
};
