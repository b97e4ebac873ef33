#include "pages/cpagehost.h"

#include "res/cstringids.h"

bool CPageHost::IsAxisOfType(const QString& text, int address, int* type) const
{
    const int listed = Axes().Type(address);
    if (type)
        *type = listed;
    return TypeNamedIn(text) == listed;
}

QString CPageHost::AxisExistsMessage(int type, const QString& address) const
{
    return LoadResString(CStringIds::kIdsAxisExists1) + TypeName(type) +
           LoadResString(CStringIds::kIdsAxisExists2) + address +
           LoadResString(CStringIds::kIdsAxisExists3);
}
