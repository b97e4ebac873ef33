// Status panes 5-7 of the main frame: CAP, NUM and SCRL while the lock key is on, empty while
// it is off or where the platform does not tell. They are read again whenever a key goes down
// or up in the program and when the program becomes active, since the user may have changed
// them in another program meanwhile.
#pragma once

#include "platform/clockkeystate.h"

#include <QObject>

#include <array>
#include <functional>

class QLabel;

class CKeyIndicators : public QObject {
    Q_OBJECT
public:
    using Source = std::function<std::optional<CLockKeyState::Keys>()>;
    static constexpr int kPaneCount = 3;

    // Keeps `panes` (caps, num, scroll) up to date from the platform's state.
    CKeyIndicators(const std::array<QLabel*, kPaneCount>& panes, QObject* parent);

    // The text of pane `index` while its key is on.
    static QString Text(int index);
    // Where the state comes from; the platform's unless a test gives another.
    void SetSource(Source source);
    void Update();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLabel*, kPaneCount> m_panes;
    CLockKeyState m_platform;
    Source m_source;
};
