// The small tip that shows the whole text of a cell whose text does not fit its column. It is
// a window of its own over the grid, so a long text may reach past the grid's edge; it never
// takes the focus. It goes at the next key or click anywhere in the program, when the mouse
// leaves the cell or the grid, and when the program loses the focus; the mouse's moves and
// clicks over it reach the grid as if the tip were not there.
#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class QMouseEvent;

class CTitleTip : public QWidget {
    Q_OBJECT
public:
    // `grid` is the window the tip shows over and passes the mouse on to.
    explicit CTitleTip(QWidget* grid);
    ~CTitleTip() override;

    // Shows `text` over `rectTitle` (in the grid's coordinates) when it does not fit there
    // and a window of the program has the focus; the tip goes once the mouse leaves
    // `hoverRect`. Returns whether the tip shows.
    bool Show(QRect rectTitle, const QString& text, int xoffset, const QRect* hoverRect,
              const QFont* font, const QColor& textColour = QColor(),
              const QColor& backColour = QColor());
    void Hide();
    QString Text() const { return m_text; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Hands a mouse event over the tip to the grid, at the same place on the screen.
    void PassOn(const QMouseEvent& event);

    QPointer<QWidget> m_grid;
    QRect m_rectHoverGlobal; // the hover rectangle on the screen
    QString m_text;
    QColor m_textColour;
    QColor m_backColour;
    bool m_bWatching = false;
};
