#include "pages/cpagehost.h"

#include <QTreeWidgetItem>

namespace {

constexpr unsigned kIdsAxisExists1 = 10008;
constexpr unsigned kIdsAxisExists2 = 10009;
constexpr unsigned kIdsAxisExists3 = 10010;

} // namespace

int CPageHost::ItemImage(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kImageRole).toInt() : -1;
}

QString CPageHost::AxisExistsMessage(int type, const QString& address) const
{
    return LoadResString(kIdsAxisExists1) + TypeName(type) + LoadResString(kIdsAxisExists2) +
           address + LoadResString(kIdsAxisExists3);
}
