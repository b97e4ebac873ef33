// A small pop-up balloon with a pointer at its lower right corner, an optional icon and one
// text. It appears a short moment after Show() with the pointer's tip on the given point and
// goes away once the mouse has left that point. It also keeps a map of texts per window (the
// tool map), which nothing in the program fills yet.
#pragma once

#include <QFont>
#include <QIcon>
#include <QPoint>
#include <QPointer>
#include <QRegion>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <utility>
#include <vector>

class QDataStream;

class CBalloonTip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMarginX = 12;
    static constexpr int kMarginY = 10;
    static constexpr int kIconGap = 5;
    static constexpr int kPointerHeight = 25;
    static constexpr int kPointerWidth = 25;

    // The balloon is a window of its own; `owner` only decides whose window it stays over.
    explicit CBalloonTip(QWidget* owner = nullptr);

    // Shows `text` after the delay with the pointer's tip at `point` (screen coordinates),
    // or at the mouse when no point is given. A new call replaces text and point.
    void Show(const QString& text, const QPoint* point = nullptr);
    void SetIcon(const QIcon& icon, const QSize& size = QSize(32, 32));
    void SetFont(const QFont& font);

    int Delay() const { return m_delay; }
    const QString& Text() const { return m_text; }
    QPoint TipPoint() const { return m_point; }
    // Size of the body (without the pointer) for the current text, font and icon.
    QSize BodySize() const;
    // The balloon's outline: rounded body and pointer.
    QRegion Outline() const;

    // Hiding also drops a balloon that is still waiting for its delay.
    void setVisible(bool visible) override;

    // --- The tool map: a text and a value per window ---------------------------------------
    struct TipToolInfo {
        QString text;
        quint32 value = 0;
    };
    // Enters `info` for `tool`, or replaces what the window had; the entry goes with the
    // window.
    void InsertTool(QWidget* tool, const TipToolInfo& info);
    int ToolCount() const;
    // Writes the number of entries, then each entry's text and value in the order their
    // windows were entered. The windows themselves live only for the run and are not written.
    void SerializeTools(QDataStream& out) const;
    void RemoveAllTools();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OnDelayTimer();
    void OnHideTimer();

    int m_delay = 100;
    QPoint m_point;
    QString m_text;
    QIcon m_icon;
    QSize m_iconSize;
    QFont m_font;
    QTimer m_showTimer; // timer 100: the delay before showing
    QTimer m_hideTimer; // timer 101: hides once the mouse moved
    std::vector<std::pair<QPointer<QWidget>, TipToolInfo>> m_tools;
};
