#include "shell/ctreemarks.h"

#include "shell/cmainframe.h"

#include <QPainter>
#include <QTreeWidget>

namespace {

// Between the item's picture and its text.
constexpr int kIconTextGap = 4;

} // namespace

CTreeMarks::CTreeMarks(CMainFrame& frame)
    : QWidget(frame.TreeCtrl() ? frame.TreeCtrl()->viewport() : nullptr), m_frame(&frame),
      m_tree(frame.TreeCtrl())
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    Repaint();
    show();
}

CTreeMarks::~CTreeMarks() = default;

void CTreeMarks::SetMarks(const std::array<int, kAddressSlots>& axisMarks,
                          const std::array<int, CDeviceType::kCount>& groupMarks)
{
    m_axisMarks = axisMarks;
    m_groupMarks = groupMarks;
    Repaint();
}

QColor CTreeMarks::MarkColour(int mark)
{
    switch (mark) {
    case 1:
        return QColor(0x00, 0xff, 0x00);
    case 2:
        return QColor(0xf6, 0xdd, 0x08);
    case 3:
        return QColor(0xff, 0x00, 0x00);
    default:
        return QColor(0xff, 0xff, 0xff);
    }
}

void CTreeMarks::Repaint()
{
    // Scrolling the tree moves its viewport's children: stay over the whole viewport.
    if (parentWidget() && geometry() != parentWidget()->rect())
        setGeometry(parentWidget()->rect());
    raise();
    update();
}

QRect CTreeMarks::TextRect(const QTreeWidgetItem* item, int width) const
{
    const QRect row = m_tree->visualItemRect(item);
    if (!row.isValid())
        return {};
    const int left = row.left() + m_tree->iconSize().width() + kIconTextGap;
    return QRect(left, row.top() + 1, width, row.height() - 1);
}

QList<CTreeMarks::Frame> CTreeMarks::Frames() const
{
    QList<Frame> frames;
    if (!m_frame || !m_tree)
        return frames;
    for (int address = 0; address < kAddressSlots; ++address) {
        const QTreeWidgetItem* item = m_frame->AxisItem(address);
        const QRect rect = item ? TextRect(item, kAxisFrameWidth) : QRect();
        if (rect.isValid())
            frames.append({rect, MarkColour(m_axisMarks[static_cast<std::size_t>(address)])});
    }
    for (const CDeviceTypeInfo& type : CDeviceType::All()) {
        const int mark = m_groupMarks[CDeviceType::Index(type.type)];
        const QTreeWidgetItem* group = m_frame->GroupItem(type.type);
        const QRect rect = group && mark != 0 ? TextRect(group, kGroupFrameWidth) : QRect();
        if (rect.isValid())
            frames.append({rect, MarkColour(mark)});
    }
    return frames;
}

void CTreeMarks::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter painter(this);
    for (const Frame& frame : Frames()) {
        // Two one-pixel frames, the second inside the first.
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::NoBrush);
        for (const QRect& ring : {frame.rect, frame.rect.adjusted(1, 1, -1, -1)}) {
            painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), 1), frame.colour);
            painter.fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), frame.colour);
            painter.fillRect(QRect(ring.left(), ring.top(), 1, ring.height()), frame.colour);
            painter.fillRect(QRect(ring.right(), ring.top(), 1, ring.height()), frame.colour);
        }
    }
}
