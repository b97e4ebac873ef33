// The DRQ+ power stage (type 5): currents in 0.01 A up to 6.3 A, the current delay in 16
// steps of a table, current shape "PC", overdrive "PO" and one input logic "L". The stage
// is set from its switches or from the bus; while its switches apply ("ps0") the page is
// locked and follows the stage by reading it on every status tick.
#pragma once

#include <QString>

class CTarnlinkView;
class QWidget;

class CEndstufeDRQPlus {
public:
    void SetView(CTarnlinkView* view) { m_view = view; }

    void SetupPage();
    bool ReadAll();
    bool TransmitSettings(QString address);
    void LoadDefaults();
    // On each status tick: reads the page again while the stage's switches apply, and
    // twice, half a second apart, once they no longer do.
    void PollOperationState();

    void ShowCurrentText(int slider);
    void ShowDelayTime(int position, const QWidget* scrollControl);
    void OnDisplayMenuChanged();
    void OnOutputFunctionChanged();
    // The operation mode is the stage's: the page only learns whether it is locked.
    void OnOperationModeChanged();
    unsigned GetCurrentLimit() const;

    // The bodies DRQ2+ shares. The current defaults: 0.10, 0.20 and 0.40 A and delay
    // position 10, its text as the page's type shows it.
    static void LoadDefaults(CTarnlinkView& view);
    // "PC" with the current-shape selection.
    static void SendCurrentShape(CTarnlinkView& view);
    // The highest slider position (0.01 A) allowed without a question on a DRQ+ or DRQ2+:
    // the allowed motor current `mark` (0.01 A) plus a margin that grows with the kept
    // current.
    static unsigned CurrentLimit(unsigned mark, unsigned keptCurrent);
    static unsigned CurrentLimit(CTarnlinkView& view);

private:
    CTarnlinkView* m_view = nullptr;
    // The stage's switches applied at the last tick. Each page follows its own stage.
    bool m_lockSeen = false;
};
