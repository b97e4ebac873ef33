// The logic-level dialog (154): for each input of a power stage whether it is active on the
// positive or the negative level, each choice written to the stage the moment it is
// clicked ("LT0" .. "LX1"). Six rows; an LQN has no reset and no deselect input and shows
// four. Its texts are German in both languages.
#pragma once

#include "pages/cdevicetype.h"

#include <QDialog>
#include <QString>

#include <array>

class CBusPort;
class QButtonGroup;

class CDlgSetLogic : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 154;
    // The positive radio of row i is kFirstRadio + 2i, the negative one the next number.
    static constexpr int kFirstRadio = 1201;
    static constexpr int kFirstLabel = 1195;
    static constexpr int kRows = 6;

    CDlgSetLogic(CBusPort& port, QWidget* parent = nullptr);

    // Set before the dialog runs; the levels are read back after it, whatever its result.
    DeviceType m_deviceType = DeviceType::Kev;
    QString m_address;
    // Clock, direction, boost, activation, reset, deselect: 0 positive, 1 negative; any
    // other value is a level the page does not know, with neither radio selected.
    std::array<qint8, kRows> m_levels{};

    // Once the members are set, before the dialog runs: the radios show the levels and
    // the rows an LQN lacks are hidden.
    void OnInitDialog();
    // Radio `id` (1201 .. 1212) was clicked: its level goes to the stage. An online stage
    // that does not take it keeps the old level and radio; an offline page keeps the choice
    // for its file.
    void OnLevelClicked(int id);

private:
    void ShowLevel(int row);

    CBusPort& m_port;
    std::array<QButtonGroup*, kRows> m_rows{};
};
