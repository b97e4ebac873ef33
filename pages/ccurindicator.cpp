#include "pages/ccurindicator.h"

#include <QPainter>

CCurIndicator::CCurIndicator(QWidget* parent) : QWidget(parent) {}

int CCurIndicator::SplitX(quint32 split, int width)
{
    const double unit = width / 1000.0;
    return qMin(static_cast<int>(split * unit), width);
}

void CCurIndicator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    const int x1 = SplitX(m_firstSplit, w);
    const int x2 = SplitX(m_secondSplit, w);
    // Later segments paint over earlier ones where the splits overlap.
    painter.fillRect(QRect(0, 0, x1, h), m_firstColor);
    painter.fillRect(QRect(x1, 0, x2 - x1, h), m_secondColor);
    painter.fillRect(QRect(x2, 0, w - x2, h), m_thirdColor);
}
