// The LQN power stage (type 1): currents in 0.01 A.
// Built on the operations the device types share; the view calls it by device-type index.
#pragma once

class CTarnlinkView;
class QWidget;

class CEndstufeLQN {
public:
    void SetView(CTarnlinkView* view) { m_view = view; }

    void ShowCurrentText(int slider);
    void ShowDelayTime(int position, const QWidget* scrollControl);
    // A run current below 0.10 A is raised to 0.10 A.
    void ClampRunCurrent();
    unsigned GetCurrentLimit() const;
    // The highest slider position (0.01 A) allowed without a question: the allowed motor
    // current `mark` (0.01 A) plus a margin that grows with the kept current.
    static unsigned CurrentLimit(unsigned mark, unsigned keptCurrent);

private:
    CTarnlinkView* m_view = nullptr;
};
