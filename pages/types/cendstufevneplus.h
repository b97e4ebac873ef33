// The VNE+ power stage (type 8): the three currents in 0.01 A up to 11 A, sixteen step
// resolutions with their current-shape variants, and the direction; every other per-type
// control, the delay and the activation are hidden. Its allowed current is the motor's
// current itself.
#pragma once

#include <QString>

class CTarnlinkView;
class QWidget;

class CEndstufeVNEPlus {
public:
    CEndstufeVNEPlus() {}
    void SetView(CTarnlinkView* view) { m_view = view; }

    void SetupPage();
    bool ReadAll();
    bool TransmitSettings(QString address);

    void ShowCurrentText(int slider);
    void ShowDelayTime(int position, const QWidget* scrollControl);

    // The reader VNE+ and DRQ2+ share.
    static bool ReadAll(CTarnlinkView& view);

private:
    CTarnlinkView* m_view = nullptr;
};
