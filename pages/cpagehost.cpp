#include "pages/cpagehost.h"

#include "res/cstringids.h"

#include <QTreeWidgetItem>

int CPageHost::ItemImage(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kImageRole).toInt() : -1;
}

QString CPageHost::AxisExistsMessage(int type, const QString& address) const
{
    return LoadResString(CStringIds::kIdsAxisExists1) + TypeName(type) +
           LoadResString(CStringIds::kIdsAxisExists2) + address +
           LoadResString(CStringIds::kIdsAxisExists3);
}
