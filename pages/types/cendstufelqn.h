// The LQN power stage (type 1): currents in 0.01 A up to 2.5 A, thirteen step resolutions,
// a current shape "PC" with its chopper frequency "PE", a bus mode "PX", four input levels
// set in the logic-level dialog, and a lock: a stage answering "ps0" to "PS?" keeps its
// parameters out of reach.
#pragma once

#include <QString>

class CTarnlinkView;
class QWidget;

class CEndstufeLQN {
public:
    void SetView(CTarnlinkView* view) { m_view = view; }

    void SetupPage();
    bool ReadAll();
    bool TransmitSettings(QString address);
    // Stop, run and boost current 0.10, 0.20 and 0.40 A, delay 40 ms.
    void LoadDefaults();

    void ShowCurrentText(int slider);
    void ShowDelayTime(int position, const QWidget* scrollControl);
    // A run current below 0.10 A is raised to 0.10 A.
    void ClampRunCurrent();
    unsigned GetCurrentLimit() const;
    // The highest slider position (0.01 A) allowed without a question: the allowed motor
    // current `mark` (0.01 A) plus a margin that grows with the kept current.
    static unsigned CurrentLimit(unsigned mark, unsigned keptCurrent);

    // The current shape ("PC"); the chopper frequency matters only while a shape is on.
    void OnDisplayMenuChanged();
    // The chopper frequency ("PE").
    void OnOutputFunctionChanged();
    // The bus mode ("PX").
    void OnOperationModeChanged();

private:
    CTarnlinkView* m_view = nullptr;
};
