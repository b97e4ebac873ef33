#include "shell/cprojecttransfer.h"

#include "bus/creplytimeouts.h"
#include "pages/ctarnlinkdoc.h"
#include "pages/ctarnlinkview.h"
#include "pages/ctransmitnotice.h"
#include "platform/cmdichildframe.h"
#include "platform/crecentfilelist.h"
#include "platform/csmallfilereader.h"
#include "res/cstringids.h"
#include "shell/cmainframe.h"
#include "shell/cprojectfile.h"
#include "shell/cprojectlistdoc.h"
#include "shell/ctarnlinkapp.h"

#include <QPointer>

namespace {

// The address part of a key as written, for the report of a key that names no bus address.
QString AddressPartOf(const QString& key)
{
    const qsizetype close = key.indexOf(QLatin1Char(']'));
    return key.mid(4, close < 0 ? -1 : close - 4).trimmed();
}

// The project, and the program for the pages it opens, count as transmitting while a run
// lasts; neither mark outlives the run, however it ends, or the project could never be
// transmitted or closed again.
class RunningMarks {
public:
    RunningMarks(CTarnlinkApp& app, CProjectListDoc& document) : m_app(app), m_document(&document)
    {
        document.m_transferRunning = true;
    }
    ~RunningMarks()
    {
        m_app.m_transferRunning = false;
        if (m_document)
            m_document->m_transferRunning = false;
    }
    RunningMarks(const RunningMarks&) = delete;
    RunningMarks& operator=(const RunningMarks&) = delete;

private:
    CTarnlinkApp& m_app;
    QPointer<CProjectListDoc> m_document;
};

} // namespace

std::optional<QStringList> CProjectTransfer::Run(CProjectListDoc& document)
{
    m_frame = m_app.MainFrame();
    if (!m_frame || !CloseParameterWindows())
        return std::nullopt;
    // The axis files opened on the way do not stay in the recent-file list.
    CRecentFileList recent(m_app.GetRecentFileList().Size());
    recent.ReadList(m_app.Settings());

    QStringList entries;
    {
        CMainFrame::ProjectRun run(*m_frame);
        const RunningMarks marks(m_app, document);
        const QStringList keys = document.m_arrAxisKeys;
        const QStringList files = document.m_arrAxisFiles;
        m_frame->BeginProjectProgress(m_app.LoadResString(CStringIds::kIdsSending),
                                      static_cast<int>(keys.size()) + 1);
        for (qsizetype i = 0; i < keys.size() && i < files.size(); ++i) {
            bool counted = false;
            entries.append(TransmitLine(keys[i], files[i], &counted));
            m_app.m_transferRunning = false;
            m_app.PumpPendingMessages();
            if (!m_frame)
                return std::nullopt;
            if (counted)
                m_frame->StepProjectProgress();
        }
        m_frame->EndProjectProgress();
    }
    recent.WriteList(m_app.Settings());
    m_app.DocManager().LoadRecentFiles();
    return entries;
}

bool CProjectTransfer::CloseParameterWindows()
{
    QList<QPointer<CMdiChildFrame>> pages;
    for (CMdiChildFrame* frame : m_frame->ChildFrames()) {
        // Project windows stay.
        if (!CMainFrame::ParameterViewOf(frame))
            continue;
        CDocument* document = frame->GetActiveDocument();
        if (document && !m_app.DocManager().SaveModified(*document))
            return false;
        pages.append(frame);
    }
    for (const QPointer<CMdiChildFrame>& page : pages) {
        if (page)
            page->DeleteWindow();
    }
    return true;
}

QString CProjectTransfer::TransmitLine(const QString& key, const QString& file, bool* counted)
{
    const CProjectFile::KeyParts parts = CProjectFile::ParseKey(key);
    if (parts.address < 0)
        return Entry(KindError, CStringIds::kIdsNotConnected, AddressPartOf(key));
    const int address = parts.address;
    const QString number = QString::number(address);
    const CAxisList::Axis* axis = m_app.Axes().Find(address);
    if (!axis)
        return Entry(KindError, CStringIds::kIdsNotConnected, number);
    *counted = true;
    // An axis known only from a file is not on the bus.
    if (axis->image == CAxisList::ImageGrey)
        return Entry(KindError, CStringIds::kIdsNotConnected, number);
    // Another type's settings would be written with the wrong commands and scales.
    if (parts.deviceType != axis->type)
        return Entry(KindWarning, CStringIds::kIdsOtherType, number);
    // Checked without reading it: the page reads it as it opens.
    const CSmallFileReader::Status readable = CSmallFileReader::Probe(file);
    if (readable == CSmallFileReader::Status::TooLarge)
        return Entry(KindError, CStringIds::kIdsFileTooLarge, number);
    if (readable != CSmallFileReader::Status::Read)
        return Entry(KindError, CStringIds::kIdsFileUnreadable, number);

    m_app.m_transferRunning = true;
    CDocument* document = m_app.OpenDocumentFile(file);
    auto* view = document ? qobject_cast<CTarnlinkView*>(document->FirstView()) : nullptr;
    if (!view)
        return Entry(KindError, CStringIds::kIdsFileUnreadable, number);
    const QPointer<CMdiChildFrame> page(document->Frames().value(0));
    QString entry;
    if (view->RefusedItsFile())
        entry = Entry(KindError, CStringIds::kIdsFileNotParameterFile, number);
    else if (view->FileAddress().toInt(nullptr, 16) != address || view->FileAddress().isEmpty())
        entry = Entry(KindError, CStringIds::kIdsOtherAxisFile, number);
    else if (view->IsClosing() || view->AxisAddress() != address)
        // The page did not take the axis as its own (its file names another type).
        entry = Entry(KindError, CStringIds::kIdsNotConnected, number);
    else
        return TransmitPage(*view, page, address);
    delete page.data();
    return entry;
}

QString CProjectTransfer::TransmitPage(CTarnlinkView& view, const QPointer<CMdiChildFrame>& page,
                                       int address)
{
    const QString number = QString::number(address);
    CBusPort& port = m_app.BusPort();
    port.ForgetNoAnswer();
    bool done = view.OnBnClickedTransmit();
    const CTransmitNotice notice(view.LeftOut(), view.Clipped());
    // Only a complete set is stored: a stage that missed a write keeps what it had stored.
    if (done) {
        QString reply;
        done = port.Transact(QString::number(address, 16).toUpper(), "W", &reply, true,
                             CReplyTimeouts::kStore);
    }
    // Closed here only when the stage answered; a transmitted page also closes itself
    // once control returns to the event loop.
    if (!port.NoAnswer())
        delete page.data();
    // Values the file does not know went out to nobody, values beyond their control's
    // range went out at its end: the report names them.
    if (done && !notice.IsEmpty())
        return notice.Fill(Entry(KindWarning, notice.TextId(), number));
    if (done)
        return Entry(KindDone, CStringIds::kIdsDone, number);
    return Entry(KindError,
                 port.NoAnswer() ? CStringIds::kIdsTransferTimeout : CStringIds::kIdsNotStored,
                 number);
}

QString CProjectTransfer::Entry(Kind kind, unsigned textId, const QString& address) const
{
    return QStringLiteral("[%1];").arg(int(kind)) + m_app.AxisMessage(textId, address);
}
