// The project transfer: every axis line of an open project, one after the other, has its
// parameter file opened as an offline page, written to its stage through that type's
// transmission and stored there ("W"); the result of each line becomes one entry of the
// transfer report, "[" + kind + "];" + message (0 done, 1 a warning: the stage is of
// another type, or values the file does not know were left out or went out clipped to their
// control's range, 2 error). Nothing is sent to a stage that is missing, offline, of another
// type than the project names, or whose file cannot be read.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>

#include <optional>

class CMainFrame;
class CMdiChildFrame;
class CProjectListDoc;
class CTarnlinkApp;
class CTarnlinkView;

class CProjectTransfer {
public:
    enum Kind { KindDone = 0, KindWarning = 1, KindError = 2 };

    explicit CProjectTransfer(CTarnlinkApp& app) : m_app(app) {}

    // The report's entries, one per project line; nothing when the user kept a modified
    // page by Cancel or the main window went during the run.
    std::optional<QStringList> Run(CProjectListDoc& document);

private:
    // Closes the parameter windows, asking about modified ones; false on Cancel.
    bool CloseParameterWindows();
    // One project line; `counted` tells whether the line had an axis to work on.
    QString TransmitLine(const QString& key, const QString& file, bool* counted);
    QString TransmitPage(CTarnlinkView& view, const QPointer<CMdiChildFrame>& page, int address);
    QString Entry(Kind kind, unsigned textId, const QString& address) const;

    CTarnlinkApp& m_app;
    QPointer<CMainFrame> m_frame;
};
