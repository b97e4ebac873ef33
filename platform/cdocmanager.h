// The documents of the program: the registered templates, the MDI area their windows
// open in, the recent-file list, the printer the views print on, and the file dialogs.
// Opening a file picks the template by the file's extension; a file that is already open
// has its window activated instead of a second one.
#pragma once

#include "platform/cmdichildframe.h"
#include "platform/crecentfilelist.h"

#include <QMdiArea>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class CAppSettings;
class CDocTemplate;
class CDocument;
class CModalRunner;
class QMdiSubWindow;
class QPrinter;

class CDocManager : public QObject {
    Q_OBJECT
public:
    enum class Failure { Open, Save, Print };
    // `reason` says why, as the system or the file's reader put it; empty when unknown.
    using FailureReporter =
        std::function<void(Failure, const QString& path, const QString& reason)>;
    // Asks whether to save the modified document titled `title`: IdYes, IdNo or IdCancel
    // (message-box results).
    using SavePrompt = std::function<int(const QString& title)>;

    CDocManager(CAppSettings& settings, CModalRunner& runner);
    ~CDocManager() override;

    void AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate);
    const std::vector<std::unique_ptr<CDocTemplate>>& Templates() const { return m_templates; }
    CDocTemplate* FindTemplate(int resourceId) const;
    CDocTemplate* FindTemplateByDocName(const QString& docName) const;

    void SetMdiArea(QMdiArea* area);
    QMdiArea* MdiArea() const { return m_area; }
    CModalRunner* ModalRunner() const { return &m_runner; }
    QPrinter& Printer();

    void SetFailureReporter(FailureReporter reporter) { m_reporter = std::move(reporter); }
    void ReportFailure(Failure failure, const QString& path,
                       const QString& reason = QString()) const;
    void SetSavePrompt(SavePrompt prompt) { m_savePrompt = std::move(prompt); }

    // Opens `path` with the template of its extension (the first template when none
    // matches), or activates the window of the document that has it open.
    CDocument* OpenDocumentFile(const QString& path);
    CDocument* FindOpenDocument(const QString& path) const;

    CMdiChildFrame* ActiveFrame() const;
    CDocument* ActiveDocument() const;
    // Asks about every modified document first, so that a Cancel leaves every window
    // open, then closes every document window; false when the user cancelled or a window
    // refused. The windows are deleted later, on the event loop.
    bool CloseAllDocuments();
    // Asks about `document` once, then closes all its windows (deleted later, on the event
    // loop); false when the user cancelled or a window refused.
    bool CloseDocument(CDocument& document);
    // Ends every document at once without asking: their windows are gone when this returns.
    void DeleteAllDocuments();
    // Asks about `document` when it is modified and saves it on Yes, from its own view;
    // false when the user cancels or the save fails. While windows close after the user
    // has been asked, nothing is asked again.
    bool SaveModified(CDocument& document);
    // The same for every document, in window order; false at the first cancel or failure.
    bool SaveAllModified();

    // Asks for a file name with the filters of the templates (only `docTemplate`'s when
    // given); `path` holds the proposal and receives the choice.
    bool PromptFileName(QString& path, bool open, CDocTemplate* docTemplate,
                        const QString& proposal = QString());
    // The same with the name filters given and `defaultSuffix` added to a bare name.
    bool PromptFileName(QString& path, bool open, const QStringList& filters,
                        const QString& defaultSuffix, const QString& proposal = QString());
    QStringList NameFilters(CDocTemplate* docTemplate = nullptr) const;

    CRecentFileList& RecentFiles() { return m_recentFiles; }
    void LoadRecentFiles();
    void AddToRecentFileList(const QString& path);
    void RemoveRecentFile(int index);

    // A frame that is being destroyed is no longer the active one.
    void ForgetFrame(CMdiChildFrame* frame);

signals:
    void recentFilesChanged();
    // The active document window changed; null when none is active.
    void activeFrameChanged(CMdiChildFrame* frame);

private:
    void OnSubWindowActivated(QMdiSubWindow* window);
    // Closes `windows` in turn, the user having been asked already; false at the first
    // that refuses.
    bool CloseAnswered(const QList<QPointer<QMdiSubWindow>>& windows);

    CAppSettings& m_settings;
    CModalRunner& m_runner;
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
    QPointer<QMdiArea> m_area;
    QPointer<CMdiChildFrame> m_activeFrame;
    std::unique_ptr<QPrinter> m_printer;
    FailureReporter m_reporter;
    SavePrompt m_savePrompt;
    CRecentFileList m_recentFiles{4};
    bool m_closingAnswered = false;
};
