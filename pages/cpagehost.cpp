#include "pages/cpagehost.h"

#include "res/cstringids.h"

bool CPageHost::IsAxisOfType(const QString& text, int address) const
{
    return CDeviceType::NamedIn(text) == Axes().Type(address);
}

QString CPageHost::AxisExistsMessage(DeviceType type, const QString& address) const
{
    return LoadResString(CStringIds::kIdsAxisExists1) + CDeviceType::Name(type) +
           LoadResString(CStringIds::kIdsAxisExists2) + address +
           LoadResString(CStringIds::kIdsAxisExists3);
}
