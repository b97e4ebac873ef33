#include "pages/cpagehost.h"

namespace {

constexpr unsigned kIdsAxisExists1 = 10008;
constexpr unsigned kIdsAxisExists2 = 10009;
constexpr unsigned kIdsAxisExists3 = 10010;

} // namespace

bool CPageHost::IsAxisOfType(const QString& text, int address, int* type) const
{
    const int listed = Axes().Type(address);
    if (type)
        *type = listed;
    return TypeNamedIn(text) == listed;
}

QString CPageHost::AxisExistsMessage(int type, const QString& address) const
{
    return LoadResString(kIdsAxisExists1) + TypeName(type) + LoadResString(kIdsAxisExists2) +
           address + LoadResString(kIdsAxisExists3);
}
