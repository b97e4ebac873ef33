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
    unsigned GetCurrentLimit() const;
    // The highest slider position (0.01 A) allowed without a question on a DRQ+ or DRQ2+:
    // the allowed motor current `mark` (0.01 A) plus a margin that grows with the kept
    // current.
    static unsigned CurrentLimit(unsigned mark, unsigned keptCurrent);

private:
    CTarnlinkView* m_view = nullptr;
};
