// The six settings of the temperature module (QEL) beside a KEV: thermocouple, three
// temperature limits, the limit shown on the module's lamp and the heat time. Online the
// dialog reads them from the module and writes them back on OK; offline it edits the
// page's strings ("xw0" .. "xt10"), which the page takes back on OK.
#pragma once

#include "platform/cdialog.h"

#include <QString>

#include <array>

class CPageHost;
class QComboBox;
class QLineEdit;
class QSpinBox;

class CDlgSettingsQEL : public CDialog {
    Q_OBJECT
public:
    static constexpr int kSettingCount = 6;
    static constexpr int kThermocoupleCombo = 1086;
    static constexpr int kLimit1Spin = 1013;
    static constexpr int kLimit2Spin = 1017;
    static constexpr int kLimit3Spin = 1019;
    static constexpr int kLedLimitCombo = 1090;
    static constexpr int kHeatTimeSpin = 1091;
    static constexpr int kLimit1Edit = 1087;
    static constexpr int kLimit2Edit = 1088;
    static constexpr int kLimit3Edit = 1089;
    static constexpr int kHeatTimeEdit = 1092;

    explicit CDlgSettingsQEL(CPageHost& host, QWidget* parent = nullptr);

    // Fills the controls from the module (online) or from the strings (offline); false when
    // a read failed, which leaves the remaining controls empty.
    bool LoadSettings();
    // Writes (online) or stores (offline) the settings and closes; a failed write keeps the
    // dialog open.
    void OnOK();

    QComboBox* Combo(int id) const;
    QSpinBox* Spin(int id) const;
    QLineEdit* Edit(int id) const;

    // Set by the opener; the strings come back changed after OK offline.
    QString m_address;
    std::array<QString, kSettingCount> m_settings;

protected:
    void OnInitDialog() override;

private:
    void BuildControls();
    void ShowValue(int index, const QString& valueText);
    void OnVScroll(int index, int position);

    CPageHost& m_host;
    // Per setting: whether it holds a value the module may get (read or chosen by the user).
    std::array<bool, kSettingCount> m_known{};
};
