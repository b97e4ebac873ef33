#include "pages/cpagehost.h"

#include "pages/ctarnlinkview.h"
#include "platform/cmdichildframe.h"
#include "res/cstringids.h"

bool CPageHost::IsAxisOfType(const QString& text, int address) const
{
    return CDeviceType::NamedIn(text) == Axes().Type(address);
}

QString CPageHost::AxisMessage(unsigned id, const QString& address) const
{
    QString text = LoadResString(id);
    return text.replace(QStringLiteral("%d"), address);
}

QString CPageHost::AxisExistsMessage(DeviceType type, const QString& address) const
{
    return LoadResString(CStringIds::kIdsAxisExists1) + CDeviceType::Name(type) +
           LoadResString(CStringIds::kIdsAxisExists2) + address +
           LoadResString(CStringIds::kIdsAxisExists3);
}

CMdiChildFrame* CPageHost::PageOfAxis(int address, const CTarnlinkView* except) const
{
    if (!CAxisList::IsAddress(address))
        return nullptr;
    for (CMdiChildFrame* window : DocumentWindows()) {
        const CTarnlinkView* view = CTarnlinkView::Of(window);
        if (view && view != except && !view->IsClosing() && view->AxisAddress() == address)
            return window;
    }
    return nullptr;
}

bool CPageHost::SettleAxis(int address, const CTarnlinkView* except)
{
    CAxisList& axes = Axes();
    const int image = axes.Image(address);
    if ((image != ImageYellow && image != ImageGrey) || PageOfAxis(address, except))
        return false;
    if (image == ImageYellow)
        axes.SetImage(address, ImageGreen);
    else
        axes.Remove(address);
    return true;
}
