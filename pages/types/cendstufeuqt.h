// The UQT power stage (type 6): currents in 0.01 A up to 3.5 A, fourteen step resolutions,
// an overdrive with its frequency chosen from 35 values in Hz, and a chopper frequency.
// Its name and activation are not changed on the page, and its current sliders write
// themselves when released. Its allowed current is the motor's current itself.
#pragma once

#include <QString>

class CTarnlinkView;
class QWidget;

class CEndstufeUQT {
public:
    void SetView(CTarnlinkView* view) { m_view = view; }

    void SetupPage();
    bool ReadAll();
    bool TransmitSettings(QString address);
    void LoadDefaults();

    void ShowCurrentText(int slider);
    void ShowDelayTime(int position, const QWidget* scrollControl);
    // The overdrive frequency in Hz ("PH").
    void OnOperationModeChanged();
    // The overdrive ("PO").
    void OnDisplayMenuChanged();
    // The chopper frequency ("PE").
    void OnOutputFunctionChanged();
    // A released current slider: its current is written once the page's current check
    // lets it pass; true when it was.
    bool OnStopCurrentReleased() { return WriteReleasedCurrent(0); }
    bool OnRunCurrentReleased() { return WriteReleasedCurrent(1); }
    bool OnBoostCurrentReleased() { return WriteReleasedCurrent(2); }

    // "PE" with the chopper-frequency selection; LQN's chopper frequency goes out alike.
    static void SendChopperFrequency(CTarnlinkView& view);

private:
    bool WriteReleasedCurrent(int slider);

    CTarnlinkView* m_view = nullptr;
};
