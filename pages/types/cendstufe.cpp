#include "pages/types/cendstufe.h"

#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufedrq2plus.h"
#include "pages/types/cendstufedrqplus.h"
#include "pages/types/cendstufehvr.h"
#include "pages/types/cendstufehwk.h"
#include "pages/types/cendstufehwt.h"
#include "pages/types/cendstufekev.h"
#include "pages/types/cendstufelqn.h"
#include "pages/types/cendstufeuqt.h"
#include "pages/types/cendstufevneplus.h"

std::unique_ptr<CEndstufe> CEndstufe::Create(int deviceType, CTarnlinkView& view)
{
    switch (deviceType) {
    case 0:
        return std::make_unique<CEndstufeKEV>(view);
    case 1:
        return std::make_unique<CEndstufeLQN>(view);
    case 2:
        return std::make_unique<CEndstufeHWT>(view);
    case 3:
        return std::make_unique<CEndstufeHWK>(view);
    case 4:
        return std::make_unique<CEndstufeHVR>(view);
    case 5:
        return std::make_unique<CEndstufeDRQPlus>(view);
    case 6:
        return std::make_unique<CEndstufeUQT>(view);
    case 7:
        return std::make_unique<CEndstufeDRQ2Plus>(view);
    case 8:
        return std::make_unique<CEndstufeVNEPlus>(view);
    default:
        return nullptr;
    }
}

unsigned CEndstufe::KeptCurrent() const
{
    return static_cast<unsigned>(m_view.m_allowedMark);
}
