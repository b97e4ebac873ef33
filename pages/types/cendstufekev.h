// The KEV power stage (type 0): currents in 0.1 A up to 6.3 A, input function "H", output
// function "O", operation mode "PB", and the only type whose page keeps the temperature
// module (QEL) with its switch "XP" and its six settings.
#pragma once

#include <QString>

class CTarnlinkView;
class QWidget;

class CEndstufeKEV {
public:
    void SetView(CTarnlinkView* view) { m_view = view; }

    void SetupPage();
    bool ReadAll();
    bool TransmitSettings(QString address);
    void LoadDefaults();
    // A run current below 0.1 A is raised to 0.1 A.
    void ClampRunCurrent();

    void OnOperationModeChanged();
    void OnDisplayMenuChanged();
    void OnOutputFunctionChanged();

    unsigned GetCurrentLimit() const;
    void ShowCurrentText(int slider);
    void ShowDelayTime(int position, const QWidget* scrollControl);

private:
    // Writes "%d" of the selection of `combo` behind `mnemonic`; the answer is not used.
    void SendSelection(const char* mnemonic, int combo);

    CTarnlinkView* m_view = nullptr;
};
