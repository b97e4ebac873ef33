// The application object: one instance for the whole run, created in main() after the
// QApplication. It owns the bus port, the list of axes and the platform services, looks up
// texts in the current language and opens the parameter windows, each with what it is for.
#pragma once

#include "bus/cbusport.h"
#include "pages/cpagehost.h"
#include "pages/cpageopening.h"
#include "platform/cappsettings.h"
#include "platform/cdocmanager.h"
#include "platform/cmessageboxservice.h"
#include "platform/cmodalrunner.h"
#include "platform/csleepservice.h"
#include "res/uilanguage.h"
#include "shell/cprojectfile.h"

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>

class CDocument;
class CMainFrame;
class CShellOpenChannel;

class CTarnlinkApp : public CPageHost {
public:
    CTarnlinkApp();
    ~CTarnlinkApp() override;
    CTarnlinkApp(const CTarnlinkApp&) = delete;
    CTarnlinkApp& operator=(const CTarnlinkApp&) = delete;

    // Start-up: settings, recent files, document types, the main frame, the stored
    // language. `arguments` is the command line as QCoreApplication gives it;
    // the files it names are opened once the start-up is through. The files that later
    // starts hand over through `shellOpen` are opened as they arrive.
    bool InitInstance(const QStringList& arguments = {}, CShellOpenChannel* shellOpen = nullptr);
    // The files a command line names: every argument after the program's that is not a
    // switch.
    static QStringList ParseCommandLine(const QStringList& arguments);

    QString LoadResString(unsigned id) const override;
    // Serves the events that are waiting and returns; never waits for new ones, and leaves
    // a request to quit in place for the main loop.
    void PumpPendingMessages() override;
    int ShowMessage(const QString& text, unsigned style) override;
    // The main window's interface pane shows the port closed.
    void OnPortLost() override;

    // What the pages reach of the main frame; the frame's answers, or nothing before it
    // exists.
    CBusPort& BusPort() override { return m_busPort; }
    CAxisList& Axes() override { return m_axes; }
    const CAxisList& Axes() const override { return m_axes; }
    bool AddAxis(int address, DeviceType type, const QString& label, int image) override;
    QList<CMdiChildFrame*> DocumentWindows() const override;
    QMdiSubWindow* ActiveDocumentWindow() const override;
    void ActivateDocumentWindow(QMdiSubWindow* window) override;
    void StopAxisPoll() override;
    void StartAxisPoll() override;
    QPixmap TreeImage(int image) const override;

    // The folder of the program's executable, where the macro file lies; tests point it at
    // a folder of their own.
    QString ProgramDirectory() const;
    void SetProgramDirectory(const QString& directory) { m_programDirectory = directory; }

    UiLanguage Language() const { return m_language; }
    // Texts looked up from now on come in `language`, Qt's own dialog texts too.
    void SetUiLanguage(UiLanguage language);

    CAppSettings& Settings() { return m_settings; }
    CMessageBoxService& MessageBoxes() override { return m_messageBoxes; }
    CModalRunner& ModalRunner() { return m_modalRunner; }
    int RunModal(QDialog& dialog) override { return m_modalRunner.Run(dialog); }
    CSleepService& Sleeper() override { return m_sleeper; }
    CMainFrame* MainFrame() const { return m_mainFrame.get(); }
    CDocManager& DocManager() { return m_docManager; }
    CRecentFileList& GetRecentFileList() { return m_docManager.RecentFiles(); }

    // Opens `path` with the document type of its extension: the way File Open, the recent
    // files, a file dropped on the window, the command line and a project transfer open
    // files. A parameter file's page has no connection to the bus.
    CDocument* OpenDocumentFile(const QString& path);
    // Opens a new parameter page for what `opening` hands to it.
    CDocument* OpenPage(const CPageOpening& opening);
    // Files a later start handed over: the window comes to the front and each file opens
    // as File Open opens it. While a dialog or a project run holds the program the files
    // wait and open once it is free.
    void OnShellOpen(const QStringList& files);
    // Opens the parameter window of the axis chosen in the tree for `opening`, or activates
    // the one that is open already: by its tree item for an axis known only from a file,
    // otherwise by the label as its title.
    void OpenAxisDocument(const CPageOpening& opening);

    // Command handlers of the application.
    void OnAppAbout();
    void OnFileNew();
    void OnFileOpen();
    void OnOpenRecentFile(int command);
    void OnFilePrintSetup();
    void OnNewProject();
    void OnOpenProject();
    void OnSaveProject();
    // Saves the parameter file of every axis in the tree beside `path` and the project file
    // that lists them; tells the user what was left out. False when the project file could
    // not be written.
    bool SaveProject(const QString& path);
    // The file-dialog filters of Open project and Save project.
    static QStringList ProjectFileFilters();
    void OnLanguageGerman();
    void OnLanguageEnglish();

    bool m_windowReused = true;

private:
    static constexpr int kShellRetryMs = 500;

    CAppSettings m_settings;
    QStringList m_shellFiles;
    bool m_shellRetry = false;
    CMessageBoxService m_messageBoxes;
    CModalRunner m_modalRunner;
    CSleepService m_sleeper;
    CDocManager m_docManager{m_settings, m_modalRunner};
    UiLanguage m_language = UiLanguage::German;
    QTranslator m_qtTranslator;
    // Outlives the main frame and its pages, which follow it.
    CAxisList m_axes;
    std::unique_ptr<CMainFrame> m_mainFrame;
    QString m_programDirectory;

    bool RegisterTemplates();
    // The text of `id` (or `message`) with the file's path, and the reason when there is one,
    // on lines of their own: several files may be worked on at once, so a message says which
    // one.
    QString FileMessage(unsigned id, const QString& path, const QString& reason = {}) const;
    static QString FileMessage(const QString& message, const QString& path,
                               const QString& reason);
    void SaveProjectAxis(int address, const QString& directory, QList<CProjectFile::Axis>& listed,
                         QStringList& problems);
    void SwitchLanguage(UiLanguage language);

    // Last: made once the application is complete, and gone before the rest of it.
    CBusPort m_busPort{*this};
};
