// The DRQ2+ power stage (type 7): currents in 0.01 A, a parameter lock.
// Built on the operations the device types share; the view calls it by device-type index.
#pragma once

class CTarnlinkView;
class QWidget;

class CEndstufeDRQ2Plus {
public:
    void SetView(CTarnlinkView* view) { m_view = view; }

    void ShowCurrentText(int slider);
    void ShowDelayTime(int position, const QWidget* scrollControl);
    void OnOutputFunctionChanged();
    // The operation mode is the stage's: the page only learns whether it is locked.
    void OnOperationModeChanged();
    // The rule of the DRQ+.
    unsigned GetCurrentLimit() const;

private:
    CTarnlinkView* m_view = nullptr;
};
