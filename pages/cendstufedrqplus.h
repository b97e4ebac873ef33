// The DRQ+ power stage (type 5): currents in 0.01 A, a parameter lock.
// Built on the operations the device types share; the view calls it by device-type index.
#pragma once

class CTarnlinkView;

class CEndstufeDRQPlus {
public:
    void SetView(CTarnlinkView* view) { m_view = view; }

    void ShowCurrentText(int slider);
    void OnOutputFunctionChanged();
    // The operation mode is the stage's: the page only learns whether it is locked.
    void OnOperationModeChanged();

private:
    CTarnlinkView* m_view = nullptr;
};
