// The CAN page of the interface-parameter sheet: the bit rate of the CAN card.
#pragma once

#include "platform/cpropertypage.h"

class CTarnlinkApp;
class QComboBox;

class CCanSettings : public CPropertyPage {
    Q_OBJECT
public:
    explicit CCanSettings(CTarnlinkApp& app, QWidget* parent = nullptr);

    void OnInitDialog() override;
    bool OnSetActive() override;
    void OnOK() override;

    int m_selectedIndex = 0; // bit-rate index 0..3, stored by OnOK

private:
    CTarnlinkApp& m_app;
    QComboBox* m_rate = nullptr; // 1220
};
