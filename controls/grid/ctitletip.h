// The small tip that shows the whole text of a cell whose text does not fit its column.
#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class CTitleTip : public QWidget {
    Q_OBJECT
public:
    explicit CTitleTip(QWidget* grid);

    // Shows `text` over `rectTitle` (in the grid's viewport) when it does not fit there;
    // the tip hides once the mouse leaves `hoverRect`. Returns whether the tip shows.
    bool Show(QRect rectTitle, const QString& text, int xoffset, const QRect* hoverRect,
              const QFont* font, const QColor& textColour = QColor(),
              const QColor& backColour = QColor());
    void Hide();
    QString Text() const { return m_text; }
    QRect HoverRect() const { return m_rectHover; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<QWidget> m_grid;
    QRect m_rectHover;
    QString m_text;
    QColor m_textColour;
    QColor m_backColour;
};
