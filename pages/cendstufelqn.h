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

private:
    CTarnlinkView* m_view = nullptr;
};
