#include "shell/ccansettings.h"

#include "platform/ccontrolids.h"
#include "shell/cmainframe.h"
#include "shell/ctarnlinkapp.h"

#include <QComboBox>
#include <QGroupBox>
#include <QVBoxLayout>

CCanSettings::CCanSettings(CTarnlinkApp& app, QWidget* parent) : CPropertyPage(parent), m_app(app)
{
    auto* group = new QGroupBox(QStringLiteral("CAN Baudrateneinstellung"), this);
    m_rate = new QComboBox(group);
    CControlIds::Set(m_rate, 1220);
    for (int index = 0; !CMainFrame::CanRateName(index).isEmpty(); ++index)
        m_rate->addItem(CMainFrame::CanRateName(index));
    auto* inner = new QVBoxLayout(group);
    inner->addWidget(m_rate);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
}

void CCanSettings::OnInitDialog()
{
    const int stored = m_app.Settings().GetProfileInt(QString::fromLatin1(CAppSettings::kSection),
                                                      QStringLiteral("CANBaud"), 0);
    // A stored index without a rate name falls back to the page's own default.
    m_rate->setCurrentIndex(stored >= 0 && stored < m_rate->count() ? stored : 0);
}

bool CCanSettings::OnSetActive()
{
    m_app.BusPort().SetInterface(BusInterface::Can);
    m_app.BusPort().ForgetNoAnswer();
    return true;
}

void CCanSettings::OnOK()
{
    m_selectedIndex = m_rate->currentIndex();
}
