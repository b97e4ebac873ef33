// The power-stage bar of the main window: a docking bar filled by the tree of the axes
// found on the bus (control 1027), one group item per device type under one root.
#pragma once

#include "controls/dockingbar/cdockingbar.h"

class QTreeWidget;

class CMyBar : public CDockingBar {
    Q_OBJECT
public:
    static constexpr int kTreeId = 1027;

    explicit CMyBar(QWidget* parent = nullptr);

    bool Create(const QString& title, QMainWindow* parent, QSize defaultSize, bool hasGripper,
                int id);

    QTreeWidget* Tree() const { return m_tree; }

private:
    QTreeWidget* m_tree = nullptr;
};
