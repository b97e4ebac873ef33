// The status overview: eight axes at a time with their state lamps (ready, undervoltage,
// overtemperature, current) and power-stage temperature, asked twice a second. Four radios
// choose the addresses shown; it only reads from the stages.
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

class CDlgStatGesamt : public CDialog {
    Q_OBJECT
public:
    // The poll timer, every kPollMs: one round over the rows shown (OnTimer).
    static constexpr int kPollMs = 500;
    static constexpr int kRows = 8;
    static constexpr int kFirstBar = 1145;
    static constexpr int kFirstTemperature = 1153;
    static constexpr int kFirstAddressLabel = 1161;
    static constexpr int kFirstName = 1169;
    static constexpr int kFirstRadio = 1177;
    static constexpr int kFirstLamp = 1280; // four a row: ok, <V, °C, current

    explicit CDlgStatGesamt(CPageHost& host, QWidget* parent = nullptr);
    ~CDlgStatGesamt() override;

    // Shows the eight addresses from `base` (0, 8, 16 or 24) and starts the poll.
    void ShowPage(int base);
    // On the poll timer.
    void OnTimer();

    const QTimer& PollTimer() const { return m_pollTimer; }
    int PageBase() const { return m_pageBase; }
    // Whether row `row` shows an axis.
    bool RowShown(int row) const { return m_shown[std::size_t(row)]; }
    CBusyBlocksCtrl* Bar(int row) const;
    QLabel* Label(int id) const;
    // The picture (164..169) lamp `column` of row `row` shows.
    int LampImage(int row, int column) const;

    // The bar's colour for `tenths` of a degree.
    static QColor TemperatureColour(int tenths);

    void done(int result) override;

protected:
    void OnInitDialog() override;

private:
    // How a row's poll went: a temperature that did not come ends the refresh; a state that
    // did not come ends the dialog.
    enum class RowPoll { Done, TemperatureMissing, StateMissing };

    void BuildControls();
    void ShowRow(int row, bool shown, bool withTemperature);
    RowPoll PollRow(int row);
    bool ReadTemperature(int row);
    QString Address(int row) const;

    CPageHost& m_host;
    QTimer m_pollTimer;
    int m_pageBase = 0;
    // The "B?" answer of each row's axis.
    std::array<QString, kRows> m_versions;
    std::array<bool, kRows> m_shown{};
};
