// The live state of one power stage: versions, temperature, supply voltage and motor current
// as numbers and bars, the state lamps, output and input, the status word; and four test
// functions (one revolution forward and back, set the home position, reset). It asks the
// stage every 500 ms while it is open; a stage that stops answering closes it.
#pragma once

#include "pages/cdevicetype.h"
#include "pages/cstatuscontrolids.h"
#include "platform/cdialog.h"

#include <QColor>
#include <QString>
#include <QTimer>

#include <array>
#include <cstdint>
#include <optional>

class CBusyBlocksCtrl;
class CPageHost;
class QLabel;
class QLineEdit;

// It carries the numbers of its controls (CStatusControlIds) as names of its own.
class CStatusEndstufe : public CDialog, public CStatusControlIds {
    Q_OBJECT
public:
    // The poll timer, every kPollMs: one round of reads (OnTimer).
    static constexpr int kPollMs = 500;

    // The colours of the measure bars: in range, near a limit, beyond it.
    static inline const QColor kGreen{0, 255, 0};
    static inline const QColor kYellow{255, 233, 37};
    static inline const QColor kRed{255, 0, 0};

    explicit CStatusEndstufe(CPageHost& host, QWidget* parent = nullptr);
    ~CStatusEndstufe() override;

    // One round of reads; false when a read failed (or the stage did not answer before).
    bool RefreshStatus();
    // On the poll timer.
    void OnTimer();
    void OnBnClickedTurnPlus();
    void OnBnClickedTurnMinus();
    void OnBnClickedSetHome();
    void OnBnClickedReset();

    const QTimer& PollTimer() const { return m_pollTimer; }
    CBusyBlocksCtrl* Bar(int id) const;
    QLineEdit* Edit(int id) const;
    // The picture (164..169) lamp `id` shows.
    int LampImage(int id) const;

    void done(int result) override;

    // Set by the opener before the dialog runs.
    QString m_address;
    DeviceType m_deviceType = DeviceType::Kev;
    float m_firmware = 0.0f;
    // The reset test ran: the stage has its stored parameters again.
    bool m_reset = false;

protected:
    void OnInitDialog() override;

private:
    void BuildControls();
    void SetCaptions();
    void SetUpBars();
    void ApplyLayout();
    bool Ask(const QByteArray& command, QString* reply);
    bool AskWithTimeout(const QByteArray& command, std::uint32_t timeoutMs);
    bool ReadScales();
    bool ReadVoltage();
    bool ReadCurrent();
    bool ReadTemperature();
    bool ReadLevels();
    bool ReadState();
    bool ReadLock();
    bool ReadStatusWord();
    // A bar and its text from a raw measure; no value when the scale is unknown.
    void ShowMeasure(int bar, int edit, int raw, std::optional<int> scale, const QString& unit,
                     const QColor& colour);
    void Turn(const QByteArray& command);
    QLabel* Lamp(int id) const;

    CPageHost& m_host;
    QTimer m_pollTimer;
    // Temperature, voltage and current: raw steps per unit; unknown after a reply that
    // held no usable scale.
    std::array<std::optional<int>, 3> m_scales;
};
