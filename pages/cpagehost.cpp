#include "pages/cpagehost.h"

#include <QTreeWidgetItem>

int CPageHost::ItemImage(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kImageRole).toInt() : -1;
}
