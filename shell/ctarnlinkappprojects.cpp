// The application's project commands: New project empties the axis list and closes every
// window, Open project opens a project file in a project window, and Save project saves
// the parameter file of every listed axis beside a new project file that lists them.
#include "pages/ctarnlinkdoc.h"
#include "pages/ctarnlinkview.h"
#include "platform/cmdichildframe.h"
#include "platform/csavefilewriter.h"
#include "res/cstringids.h"
#include "shell/cmainframe.h"
#include "shell/cprojectfile.h"
#include "shell/ctarnlinkapp.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QTreeWidget>

QStringList CTarnlinkApp::ProjectFileFilters()
{
    return {QStringLiteral("Tarnlink Projektfiles (*.spf)"), QStringLiteral("All Files (*)")};
}

void CTarnlinkApp::OnNewProject()
{
    if (!m_mainFrame || m_mainFrame->ProjectCommandsBlocked())
        return;
    if (ShowMessage(LoadResString(CStringIds::kIdsNewProjectQuestion), MbYesNo | MbIconWarning) !=
        IdYes)
        return;
    // Modified pages are asked about first; Cancel leaves everything as it was.
    if (!m_docManager.SaveAllModified())
        return;
    m_mainFrame->StatusTimer().stop();
    // The windows go before the axes: a closing page looks at its axis.
    m_docManager.DeleteAllDocuments();
    m_axes.Clear();
}

void CTarnlinkApp::OnOpenProject()
{
    QString path;
    if (!m_docManager.PromptFileName(path, true, ProjectFileFilters(), QStringLiteral("spf")))
        return;
    OpenDocumentFile(path);
}

void CTarnlinkApp::OnSaveProject()
{
    if (!m_mainFrame || m_mainFrame->ProjectCommandsBlocked())
        return;
    QString path;
    if (!m_docManager.PromptFileName(path, false, ProjectFileFilters(), QStringLiteral("spf")))
        return;
    SaveProject(path);
}

bool CTarnlinkApp::SaveProject(const QString& path)
{
    // The project file is made ready first: when it cannot be written, no parameter file
    // is written either.
    CSaveFileWriter project(path);
    if (!project.Open()) {
        ShowMessage(FileMessage(CStringIds::kIdsProjectNotWritten, path, project.ErrorString()),
                    MbOk | MbIconWarning);
        return false;
    }
    const QString directory = QFileInfo(path).absolutePath();
    QList<CProjectFile::Axis> listed;
    QStringList problems;
    {
        CMainFrame::ProjectRun run(*m_mainFrame);
        m_mainFrame->BeginProjectProgress(QString(), m_axes.Count());
        for (int address = 0; address < kAddressSlots && m_mainFrame; ++address) {
            if (!m_axes.Contains(address))
                continue;
            SaveProjectAxis(address, directory, listed, problems);
            if (m_mainFrame)
                m_mainFrame->StepProjectProgress();
        }
        if (m_mainFrame)
            m_mainFrame->EndProjectProgress();
    }
    const QByteArray bytes = CProjectFile::Bytes(
        listed, [this](unsigned id) { return LoadResString(id); }, QDateTime::currentDateTime());
    const bool written = project.Commit(bytes);
    if (!written)
        problems.prepend(
            FileMessage(CStringIds::kIdsProjectNotWritten, path, project.ErrorString()));
    if (!problems.isEmpty())
        ShowMessage(problems.join(QStringLiteral("\r\n")), MbOk | MbIconWarning);
    return written;
}

void CTarnlinkApp::SaveProjectAxis(int address, const QString& directory,
                                   QList<CProjectFile::Axis>& listed, QStringList& problems)
{
    const int image = m_axes.Image(address);
    const bool online = image == ImageGreen || image == ImageRed;
    bool openedHere = false;
    CMdiChildFrame* frame = nullptr;
    if (online) {
        m_mainFrame->TreeCtrl()->setCurrentItem(m_mainFrame->AxisItem(address));
        m_mainFrame->OnTreeNotify();
        openedHere = !m_windowReused;
        m_windowReused = true;
        frame = qobject_cast<CMdiChildFrame*>(ActiveDocumentWindow());
    } else {
        // An offline axis is saved from its own page; another page would give another
        // axis's values under this address.
        frame = PageOfAxis(address);
        if (frame)
            ActivateDocumentWindow(frame);
    }
    // Only a page of this very axis may give the file listed under its address.
    const CTarnlinkView* view = CMainFrame::ParameterViewOf(frame);
    const bool ownPage = view && !view->IsClosing() &&
                         (online ? view->AddressText() == QString::number(address, 16).toUpper()
                                 : view->AxisAddress() == address);
    if (!ownPage) {
        problems.append(AxisMessage(CStringIds::kIdsNoWindow, QString::number(address)));
        return;
    }
    CTarnlinkDoc* document = view->GetDocument();
    const QString title = document->GetTitle();
    const QString fileName = CProjectFile::ParameterFileName(title);
    m_mainFrame->SetPaneText(CMainFrame::PaneMessage, LoadResString(CStringIds::kIdsSaves) + title);
    const std::optional<DeviceType> type = m_axes.Type(address);

    const QString file = QDir(directory).filePath(fileName);
    if (!document->SaveCopy(file)) {
        problems.append(FileMessage(AxisMessage(CStringIds::kIdsNotSaved, QString::number(address)),
                                    file, document->SaveFailureReason()));
    } else {
        document->SetModifiedFlag(false);
        if (!type || CProjectFile::TypeCode(*type).isEmpty())
            problems.append(AxisMessage(CStringIds::kIdsNoCode, QString::number(address)));
        else
            listed.append({*type, address, fileName});
    }
    // A window opened for the save goes again; the user's own windows stay.
    if (openedHere)
        delete frame;
}
