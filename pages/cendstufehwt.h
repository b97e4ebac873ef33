// The HWT power stage (type 2): currents in 0.1 A.
// Built on the operations the device types share; the view calls it by device-type index.
#pragma once

class CTarnlinkView;

class CEndstufeHWT {
public:
    void SetView(CTarnlinkView* view) { m_view = view; }

    void ShowCurrentText(int slider);
    unsigned GetCurrentLimit() const;
    void OnOutputFunctionChanged();

private:
    CTarnlinkView* m_view = nullptr;
};
