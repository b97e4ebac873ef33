// The thin bar under each current slider of the parameter page: three colours split at two
// points given in thousandths of the bar's width. The bar knows nothing of currents; the
// page sets the splits from the motor's allowed current.
#pragma once

#include <QColor>
#include <QWidget>

class CCurIndicator : public QWidget {
    Q_OBJECT
public:
    explicit CCurIndicator(QWidget* parent = nullptr);

    // Written directly by the owning page; splits above 1000 clip at the right edge.
    quint32 m_firstSplit = 0;
    quint32 m_secondSplit = 0;
    QColor m_firstColor;
    QColor m_secondColor;
    QColor m_thirdColor;

    // Pixel positions of the two splits on a bar `width` pixels wide.
    static int SplitX(quint32 split, int width);

protected:
    void paintEvent(QPaintEvent* event) override;
};
