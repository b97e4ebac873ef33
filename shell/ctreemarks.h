// The coloured frames with which an open project marks the axes of the power-stage tree:
// for each bus address and each device-type group a mark (none, green, yellow, red) drawn
// as a two-pixel frame over the left part of the item's text. A see-through layer over
// the tree's viewport, so the tree's own painting cannot cover the frames.
#pragma once

#include "pages/caxislist.h"
#include "pages/cdevicetype.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <array>

class CMainFrame;
class QTreeWidget;
class QTreeWidgetItem;

class CTreeMarks : public QWidget {
    Q_OBJECT
public:
    static constexpr int kAddressSlots = CAxisList::kAddressSlots;
    // The frames' widths from the left edge of the item's text.
    static constexpr int kAxisFrameWidth = 23;
    static constexpr int kGroupFrameWidth = 37;

    struct Frame {
        QRect rect;
        QColor colour;
    };

    explicit CTreeMarks(CMainFrame& frame);
    ~CTreeMarks() override;

    // The groups' marks by type number.
    void SetMarks(const std::array<int, kAddressSlots>& axisMarks,
                  const std::array<int, CDeviceType::kCount>& groupMarks);
    // The colour of mark `mark` (0 white, 1 green, 2 yellow, 3 red).
    static QColor MarkColour(int mark);
    // The frames as they are drawn now, in viewport coordinates: every axis of the tree,
    // then every group with a mark.
    QList<Frame> Frames() const;
    // Follows the tree's viewport and draws anew.
    void Repaint();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect TextRect(const QTreeWidgetItem* item, int width) const;

    QPointer<CMainFrame> m_frame;
    QPointer<QTreeWidget> m_tree;
    std::array<int, kAddressSlots> m_axisMarks{};
    std::array<int, CDeviceType::kCount> m_groupMarks{};
};
