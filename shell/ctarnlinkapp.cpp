#include "shell/ctarnlinkapp.h"

#include "res/cstringtable.h"
#include "shell/cmainframe.h"

#include <QApplication>
#include <QLibraryInfo>

namespace {

CTarnlinkApp* g_instance = nullptr;

} // namespace

CTarnlinkApp::CTarnlinkApp()
{
    Q_ASSERT(!g_instance);
    g_instance = this;
}

CTarnlinkApp::~CTarnlinkApp()
{
    m_mainFrame.reset();
    if (g_instance == this)
        g_instance = nullptr;
}

CTarnlinkApp* CTarnlinkApp::Instance()
{
    return g_instance;
}

bool CTarnlinkApp::InitInstance()
{
    static constexpr const char* kTypeNames[kTypeCount] = {"KEV", "LQN",  "HWT",   "HWK", "HVR",
                                                           "DRQ+", "UQT", "DRQ2+", "VNE+"};
    for (int i = 0; i < kTypeCount; ++i)
        m_typeNames[i] = QString::fromLatin1(kTypeNames[i]);
    m_busPort.m_checksum = static_cast<std::uint32_t>(m_settings.Checksum());

    m_mainFrame = std::make_unique<CMainFrame>(*this);
    m_messageBoxes.SetParentWindow(m_mainFrame.get());
    m_mainFrame->showMaximized();

    SetUiLanguage(m_settings.Language() == 0 ? UiLanguage::German : UiLanguage::English);
    return true;
}

QString CTarnlinkApp::LoadResString(unsigned id) const
{
    return CStringTable::Lookup(id, m_language);
}

void CTarnlinkApp::PumpPendingMessages()
{
    // processEvents without WaitForMoreEvents handles what is queued and returns; a quit
    // request is a flag of the running event loop, which it does not touch.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

int CTarnlinkApp::ShowMessage(const QString& text, unsigned style)
{
    return m_messageBoxes.Show(text, style);
}

void CTarnlinkApp::SetUiLanguage(UiLanguage language)
{
    m_language = language;
    QCoreApplication::removeTranslator(&m_qtTranslator);
    if (language == UiLanguage::German &&
        m_qtTranslator.load(QStringLiteral("qtbase_de"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtTranslator);
}
