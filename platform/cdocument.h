// A document: the data of one window, with its file path, its title, a modified flag and
// the open and save steps that a document type fills in. A document lives while at least
// one child frame shows it; its template owns it.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

class CDocTemplate;
class CMdiChildFrame;
class CView;

class CDocument : public QObject {
    Q_OBJECT
public:
    CDocument();
    ~CDocument() override;

    const QString& GetPathName() const { return m_pathName; }
    const QString& GetTitle() const { return m_title; }
    virtual void SetTitle(const QString& title);
    // Takes `path` as the document's file: the title becomes the file name, and the file
    // goes to the front of the recent-file list.
    void SetPathName(const QString& path, bool addToRecentFiles = true);

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true) { m_modified = modified; }

    CDocTemplate* GetDocTemplate() const { return m_template; }
    // The menu shown while the document's window is active; 0 takes the template's.
    virtual int GetDefaultMenu() const { return 0; }

    virtual bool OnNewDocument();
    // Reads the file; false when it cannot be read, with the reason kept for the message.
    // The base reads nothing and fails.
    virtual bool OnOpenDocument(const QString& path);
    // Why the last open failed, as the system or the file's reader put it; empty when no
    // reason is known.
    const QString& OpenFailureReason() const { return m_openFailureReason; }
    // Writes the file; the base writes nothing and fails.
    virtual bool OnSaveDocument(const QString& path);
    // Why the last save failed, as the system put it; empty when no reason is known (or
    // another message has given it already).
    const QString& SaveFailureReason() const { return m_saveFailureReason; }
    // Asked before a frame of the document closes.
    virtual bool CanCloseFrame(CMdiChildFrame* frame);
    // Asks the user whether to save a modified document and saves it on Yes; false when
    // the user cancels or the save fails.
    virtual bool SaveModified();

    // File Save: saves under the document's path, or asks for one first.
    bool DoFileSave();
    // Saves under `path` (asks for a name when it is empty); with `replace` the path
    // becomes the document's.
    bool DoSave(const QString& path, bool replace = true);

    const QList<CMdiChildFrame*>& Frames() const { return m_frames; }
    CView* FirstView() const;

protected:
    void SetOpenFailureReason(const QString& reason) { m_openFailureReason = reason; }
    // A document that writes sets the reason at every save it makes, empty first.
    void SetSaveFailureReason(const QString& reason) { m_saveFailureReason = reason; }

signals:
    void titleChanged(const QString& title);

private:
    friend class CDocTemplate;
    friend class CMdiChildFrame;
    void AddFrame(CMdiChildFrame* frame);
    // The last frame gone ends the document: its template deletes it.
    void RemoveFrame(CMdiChildFrame* frame);

    QString m_pathName;
    QString m_title;
    QString m_openFailureReason;
    QString m_saveFailureReason;
    bool m_modified = false;
    CDocTemplate* m_template = nullptr;
    QList<CMdiChildFrame*> m_frames;
};
