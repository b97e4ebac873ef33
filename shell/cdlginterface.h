// The serial page of the interface-parameter sheet: port, rate, data format, address width
// and checksum, and the automatic search for the rate and address width at which a power
// stage answers.
#pragma once

#include "bus/creplytimeouts.h"
#include "platform/cpropertypage.h"
#include "platform/cserialmode.h"

#include <QString>

class CTarnlinkApp;
class QComboBox;
class QGroupBox;
class QProgressBar;
class QPushButton;

class CDlgInterface : public CPropertyPage {
    Q_OBJECT
public:
    static const QStringList& Rates();

    explicit CDlgInterface(CTarnlinkApp& app, QWidget* parent = nullptr);

    void OnInitDialog() override;
    bool OnSetActive() override;
    void OnOK() override;
    void OnCancel() override;

    void OnSearchBaudRate();   // button 1116
    void OnCancelSearch();     // button 1118

    // The settings text the port is opened with, from the rate and format controls.
    QString SettingsFromControls() const;
    // Rate and format of the open port, as the frame hands them to the page.
    void LoadLineState(const CSerialMode& mode);
    // The complete settings the page started with (rate, parity, data bits, stop bits).
    QString InitialSettings() const;

    // Filled by the main frame before the sheet is shown; port name and settings are
    // rebuilt by OnOK.
    QString m_portName;
    QString m_settings = QStringLiteral("9600");
    int m_dataBits = 8;
    int m_parity = 0;   // 0 none, 1 odd, 2 even
    int m_stopBits = 0; // 0 one, 2 two
    bool m_cancel = false;
    // How long each probe of the baud-rate search waits for an answer; tests without a stage
    // on the line shorten it.
    std::uint32_t m_searchTimeoutMs = CReplyTimeouts::kSearchProbe;

private:
    void BuildForm();
    void SetTexts();
    void FitStatusTexts();
    void ProbePorts();
    void LoadControls(const QString& selectedPort);
    bool ProbeOnce(int address, bool twoByte, int rateIndex, QString* answer);
    void EndSearch(bool found, int rateIndex, bool twoByte, const QString& answer);
    void SetSearchLayout(bool searching);
    void SetOneByteWidth();

    CTarnlinkApp& m_app;
    QComboBox* m_port = nullptr;      // 1097
    QComboBox* m_rate = nullptr;      // 1098
    QComboBox* m_dataBitsBox = nullptr; // 1099
    QComboBox* m_parityBox = nullptr; // 1100
    QComboBox* m_stopBitsBox = nullptr; // 1101
    QComboBox* m_checksum = nullptr;  // 1102
    QComboBox* m_width = nullptr;     // 1144
    QProgressBar* m_progress = nullptr; // 1115
    QPushButton* m_search = nullptr;  // 1116
    QGroupBox* m_status = nullptr;    // 1117
    QPushButton* m_cancelSearch = nullptr; // 1118
};
