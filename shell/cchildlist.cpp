#include "shell/cchildlist.h"

#include "shell/cartwork.h"

CChildList::CChildList(QWidget* parent) : CMdiChildFrame(parent)
{
    setWindowIcon(CArtwork::AppIcon());
}
