// The live state of the temperature module (QEL) beside a KEV: its software version, the
// motor and the reference temperature as numbers and bars, two inputs, three outputs and
// the three temperature limits. It asks the module once a second until a read times out or
// the port goes.
#pragma once

#include "platform/cdialog.h"

#include <QColor>
#include <QString>
#include <QTimer>

#include <array>

class CBusyBlocksCtrl;
class CPageHost;
class QLabel;
class QLineEdit;

class CDlgStatQEL : public CDialog {
    Q_OBJECT
public:
    // The poll timer, every kPollMs: one round of reads (OnTimer).
    static constexpr int kPollMs = 1000;

    static constexpr int kVersionEdit = 1008;
    static constexpr int kMotorEdit = 1018;
    static constexpr int kReferenceEdit = 1093;
    static constexpr int kMotorBar = 1094;
    static constexpr int kReferenceBar = 1095;

    // The bars show the temperature in 0.1 °C plus 2000 on 0..5000: -200.0 to +300.0 °C.
    static constexpr int kBarOffset = 2000;
    static constexpr int kBarUpper = 5000;

    // The module's lamps in order: inputs 1 and 2, outputs 1 to 3, limits 1 to 3.
    enum Led { Input1, Input2, Output1, Output2, Output3, Limit1, Limit2, Limit3, kLedCount };
    // Pictures of the lamps (tree images): yellow, grey, green, red.
    enum LedImage { ImageYellow, ImageGrey, ImageGreen, ImageRed };

    explicit CDlgStatQEL(CPageHost& host, QWidget* parent = nullptr);
    ~CDlgStatQEL() override;

    // One round of reads; false at the first that failed.
    bool PollStatus();
    // On the poll timer.
    void OnTimer();

    const QTimer& PollTimer() const { return m_pollTimer; }
    CBusyBlocksCtrl* Bar(int id) const;
    QLineEdit* Edit(int id) const;
    bool LedState(Led led) const { return m_leds[std::size_t(led)]; }
    // The picture lamp `led` shows (a LedImage).
    int LedPicture(Led led) const;

    // The bar's colour and position for a temperature of `tenths` 0.1 °C.
    static QColor BarColour(int tenths);
    static int BarPosition(int tenths);

    void done(int result) override;

    // Set by the opener before the dialog runs.
    QString m_address;

protected:
    void OnInitDialog() override;

private:
    void BuildControls();
    bool Ask(const QByteArray& command, QString* reply);
    bool ReadTemperature(const QByteArray& command, int bar, int edit);
    // Shows the lamps as the states say.
    void ShowLeds();

    CPageHost& m_host;
    QTimer m_pollTimer;
    std::array<bool, kLedCount> m_leds{};
    std::array<QLabel*, kLedCount> m_ledLabels{};
};
