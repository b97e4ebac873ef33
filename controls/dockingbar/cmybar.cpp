#include "controls/dockingbar/cmybar.h"

#include "platform/ccontrolids.h"

#include <QTreeWidget>

CMyBar::CMyBar(QWidget* parent) : CDockingBar(parent) {}

bool CMyBar::Create(const QString& title, QMainWindow* parent, QSize defaultSize,
                    bool hasGripper, int id)
{
    if (!CDockingBar::Create(title, parent, defaultSize, hasGripper, id))
        return false;
    m_tree = new QTreeWidget(this);
    CControlIds::Set(m_tree, kTreeId);
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setRootIsDecorated(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setFocusPolicy(Qt::StrongFocus);
    // The tree fills the whole bar.
    setWidget(m_tree);
    return true;
}
