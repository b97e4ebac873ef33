#include "shell/ctarnlinkapp.h"

#include "pages/ctarnlinkdoc.h"
#include "pages/ctarnlinkview.h"
#include "platform/cdoctemplate.h"
#include "platform/cmdichildframe.h"
#include "res/ccommandid.h"
#include "res/cstringids.h"
#include "res/cstringtable.h"
#include "shell/caboutdlg.h"
#include "shell/cartwork.h"
#include "shell/cchildframe.h"
#include "shell/cchildlist.h"
#include "shell/cdlgaxisnew.h"
#include "shell/cmainframe.h"
#include "shell/cprojectlistdoc.h"
#include "shell/cprojectlistview.h"
#include "shell/cshellopenchannel.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMdiArea>
#include <QPageSetupDialog>
#include <QTimer>
#include <QTreeWidget>

#include <utility>

namespace {

const QString kParameterFileExtension = QStringLiteral(".sdf");

} // namespace

CTarnlinkApp::CTarnlinkApp() = default;

CTarnlinkApp::~CTarnlinkApp()
{
    m_mainFrame.reset();
}

bool CTarnlinkApp::InitInstance(const QStringList& arguments, CShellOpenChannel* shellOpen)
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(CAppSettings::kOrganisation));
    m_docManager.LoadRecentFiles();
    m_docManager.SetFailureReporter(
        [this](CDocManager::Failure failure, const QString& path, const QString& reason) {
            if (failure == CDocManager::Failure::Print) {
                ShowMessage(LoadResString(CStringIds::kIdsFailedToPrint), MbOk | MbIconWarning);
                return;
            }
            ShowMessage(FileMessage(failure == CDocManager::Failure::Open
                                        ? CStringIds::kIdsFailedToOpen
                                        : CStringIds::kIdsFailedToSave,
                                    path, reason),
                        MbOk | MbIconWarning);
        });
    m_docManager.SetSavePrompt([this](const QString& title) {
        return ShowMessage(LoadResString(CStringIds::kIdsAskToSave).arg(title),
                           MbYesNoCancel | MbIconWarning);
    });
    if (!RegisterTemplates())
        return false;

    m_busPort.SetChecksum(m_settings.Checksum() != 0);

    m_mainFrame = std::make_unique<CMainFrame>(*this);
    m_messageBoxes.SetParentWindow(m_mainFrame.get());
    if (!m_mainFrame->OnCreate()) {
        m_messageBoxes.SetParentWindow(nullptr);
        m_mainFrame.reset();
        return false;
    }

    // Later starts hand their files to this program instead of opening the port again.
    if (shellOpen)
        QObject::connect(shellOpen, &CShellOpenChannel::filesHandedOver, m_mainFrame.get(),
                         [this](const QStringList& files) { OnShellOpen(files); });

    // No document is made at start; files named on the command line open as the desktop
    // opens them, once the window is up.
    const QStringList files = ParseCommandLine(arguments);
    m_mainFrame->showMaximized();
    SwitchLanguage(m_settings.Language() == 0 ? UiLanguage::German : UiLanguage::English);
    for (const QString& file : files)
        QTimer::singleShot(0, m_mainFrame.get(), [this, file] { OpenDocumentFile(file); });
    return true;
}

bool CTarnlinkApp::RegisterTemplates()
{
    m_docManager.AddDocTemplate(std::make_unique<CDocTemplate>(
        CTarnlinkDoc::kMenuId, [this] { return LoadResString(CTarnlinkDoc::kMenuId); },
        [this] { return std::make_unique<CTarnlinkDoc>(*this); }, [] { return new CChildFrame; },
        [this](CDocument& document) { return new CTarnlinkView(document, *this); }));
    m_docManager.AddDocTemplate(std::make_unique<CDocTemplate>(
        CProjectListDoc::kMenuId, [this] { return LoadResString(CProjectListDoc::kMenuId); },
        [this] {
            return std::make_unique<CProjectListDoc>(
                [this](unsigned id) { return LoadResString(id); });
        },
        [] { return new CChildList; },
        [this](CDocument& document) { return new CProjectListView(document, *this); }));
    return m_docManager.Templates().size() == 2;
}

QString CTarnlinkApp::FileMessage(unsigned id, const QString& path, const QString& reason) const
{
    return FileMessage(LoadResString(id), path, reason);
}

QString CTarnlinkApp::FileMessage(const QString& message, const QString& path,
                                  const QString& reason)
{
    QString text = message + QStringLiteral("\r\n") + QDir::toNativeSeparators(path);
    if (!reason.isEmpty())
        text += QStringLiteral("\r\n") + reason;
    return text;
}

QStringList CTarnlinkApp::ParseCommandLine(const QStringList& arguments)
{
    // The first argument is the program; switches are not files.
    QStringList files;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.isEmpty() && !argument.startsWith(QLatin1Char('-')))
            files.append(argument);
    }
    return files;
}

bool CTarnlinkApp::AddAxis(int address, DeviceType type, const QString& label, int image)
{
    if (!m_axes.Add(address, type, label, image))
        return false;
    if (m_mainFrame)
        m_mainFrame->OpenAxisBranches();
    return true;
}

QList<CMdiChildFrame*> CTarnlinkApp::DocumentWindows() const
{
    return m_mainFrame ? m_mainFrame->ChildFrames() : QList<CMdiChildFrame*>();
}

QMdiSubWindow* CTarnlinkApp::ActiveDocumentWindow() const
{
    return m_mainFrame ? m_mainFrame->MdiArea()->activeSubWindow() : nullptr;
}

void CTarnlinkApp::ActivateDocumentWindow(QMdiSubWindow* window)
{
    if (m_mainFrame)
        m_mainFrame->MdiArea()->setActiveSubWindow(window);
}

QString CTarnlinkApp::ProgramDirectory() const
{
    return m_programDirectory.isEmpty() ? QCoreApplication::applicationDirPath()
                                        : m_programDirectory;
}

void CTarnlinkApp::StopAxisPoll()
{
    if (m_mainFrame)
        m_mainFrame->StatusTimer().stop();
}

void CTarnlinkApp::StartAxisPoll()
{
    if (m_mainFrame)
        m_mainFrame->StatusTimer().start();
}

QPixmap CTarnlinkApp::TreeImage(int image) const
{
    return CArtwork::TreeImage(image);
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
    return m_modalRunner.RunBox([&] { return m_messageBoxes.Show(text, style); });
}

void CTarnlinkApp::OnPortLost()
{
    if (m_mainFrame)
        m_mainFrame->ShowSerialState();
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

void CTarnlinkApp::SwitchLanguage(UiLanguage language)
{
    SetUiLanguage(language);
    if (m_mainFrame)
        m_mainFrame->ReloadMenu();
    m_settings.SetLanguage(language == UiLanguage::German ? 0 : 1);
}

void CTarnlinkApp::OnLanguageGerman()
{
    SwitchLanguage(UiLanguage::German);
}

void CTarnlinkApp::OnLanguageEnglish()
{
    SwitchLanguage(UiLanguage::English);
}

void CTarnlinkApp::OnAppAbout()
{
    CAboutDlg dialog(*this, m_mainFrame.get());
    m_modalRunner.Run(dialog);
}

CDocument* CTarnlinkApp::OpenDocumentFile(const QString& path)
{
    return m_docManager.OpenDocumentFile(path);
}

CDocument* CTarnlinkApp::OpenPage(const CPageOpening& opening)
{
    CDocTemplate* parameters = m_docManager.FindTemplateByDocName(QStringLiteral("Tarnlink"));
    if (!parameters)
        return nullptr;
    return parameters->OpenDocumentFile(
        QString(), [this, &opening] { return std::make_unique<CTarnlinkDoc>(*this, opening); });
}

void CTarnlinkApp::OnShellOpen(const QStringList& files)
{
    if (!m_mainFrame)
        return;
    m_shellFiles += files;
    // A program held by a dialog takes nothing, and a project being saved or transmitted
    // keeps its windows as they are; the files wait for the program to be free.
    if (QApplication::activeModalWidget() || m_mainFrame->ProjectCommandsBlocked()) {
        if (!std::exchange(m_shellRetry, true)) {
            QTimer::singleShot(kShellRetryMs, m_mainFrame.get(), [this] {
                m_shellRetry = false;
                OnShellOpen({});
            });
        }
        return;
    }
    m_mainFrame->setWindowState((m_mainFrame->windowState() & ~Qt::WindowMinimized) |
                                Qt::WindowActive);
    m_mainFrame->raise();
    m_mainFrame->activateWindow();
    const QStringList waiting = std::exchange(m_shellFiles, {});
    for (const QString& file : waiting)
        OpenDocumentFile(file);
}

void CTarnlinkApp::OnFileOpen()
{
    QString path;
    if (m_docManager.PromptFileName(path, true, nullptr))
        OpenDocumentFile(path);
}

void CTarnlinkApp::OnOpenRecentFile(int command)
{
    const int index = command - CCommandId::kFileMru1;
    const QString path = GetRecentFileList().At(index);
    if (path.isEmpty())
        return;
    // A file that can no longer be opened leaves the list.
    if (!OpenDocumentFile(path))
        m_docManager.RemoveRecentFile(index);
}

void CTarnlinkApp::OnFilePrintSetup()
{
    QPageSetupDialog dialog(&m_docManager.Printer(), m_mainFrame.get());
    m_modalRunner.Run(dialog);
}

void CTarnlinkApp::OnFileNew()
{
    CDlgAxisNew dialog(*this, m_mainFrame.get());
    if (m_modalRunner.Run(dialog) != QDialog::Accepted)
        return;
    const CPageOpening opening = CPageOpening::ForNewAxis(dialog.Type(), dialog.Address());
    if (const CAxisList::Axis* axis = m_axes.Find(opening.newAxisAddress.toInt(nullptr, 16))) {
        const DeviceType group = axis->type;
        // Only an online axis of the same type may get a second, offline page.
        if (group != dialog.Type() || axis->image != ImageGreen) {
            ShowMessage(AxisExistsMessage(group, opening.newAxisAddress), MbOk);
            return;
        }
    }
    OpenPage(opening);
}

void CTarnlinkApp::OpenAxisDocument(const CPageOpening& opening)
{
    if (!m_mainFrame)
        return;
    const int selected = m_mainFrame->AddressOf(m_mainFrame->TreeCtrl()->currentItem());
    const bool offlineItem = m_axes.Image(selected) == ImageGrey;
    const QString label = opening.label.trimmed();
    const QList<CMdiChildFrame*> frames = m_mainFrame->ChildFrames();
    for (CMdiChildFrame* frame : frames) {
        const CTarnlinkView* view = CMainFrame::ParameterViewOf(frame);
        if (!view)
            continue;
        if (offlineItem) {
            if (view->AxisAddress() == selected) {
                m_mainFrame->MdiArea()->setActiveSubWindow(frame);
                return;
            }
            continue;
        }
        QString title = frame->windowTitle();
        if (title.contains(kParameterFileExtension))
            title.chop(kParameterFileExtension.size());
        if (title == label) {
            m_windowReused = true;
            m_mainFrame->MdiArea()->setActiveSubWindow(frame);
            return;
        }
    }
    m_windowReused = false;
    OpenPage(opening);
}
