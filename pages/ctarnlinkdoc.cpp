#include "pages/ctarnlinkdoc.h"

#include "pages/cpagehost.h"
#include "pages/cparameterfile.h"
#include "pages/cparameterfilereader.h"
#include "pages/ctarnlinkview.h"
#include "platform/cmdichildframe.h"
#include "platform/csavefilewriter.h"
#include "platform/csmallfilereader.h"
#include "res/cstringids.h"

#include <QDateTime>

#include <utility>

namespace {

const QString kOfflinePrefix = QStringLiteral("[Offline]");

QString OfflineTitle(const QString& proposed, const QString& newAxisAddress)
{
    if (proposed.startsWith(kOfflinePrefix))
        return proposed;
    if (!newAxisAddress.isEmpty() && proposed.contains(QStringLiteral("Tarnlink"))) {
        const int address = newAxisAddress.toInt(nullptr, 16);
        return QStringLiteral("[Offline] [%1]").arg(address, 2, 10, QLatin1Char('0'));
    }
    return kOfflinePrefix + QLatin1Char(' ') + proposed;
}

} // namespace

void CTarnlinkDoc::SetTitle(const QString& title)
{
    // The tree's label and the new axis's address name the page as it opens; a later title
    // (a new name, the defaults) is the one proposed, marked offline where the page is.
    const bool opening = !std::exchange(m_titled, true);
    QString result = title;
    if (m_saved) {
        m_saved = false;
        result = GetTitle();
    } else if (opening && !m_opening.label.isEmpty()) {
        result = m_opening.label;
    } else if (!m_opening.IsOnline()) {
        result = OfflineTitle(title, opening ? m_opening.newAxisAddress : QString());
    }
    CDocument::SetTitle(result);
}

bool CTarnlinkDoc::OnOpenDocument(const QString& path)
{
    const CSmallFileReader::Result file = CSmallFileReader::Read(path);
    if (!file.IsRead()) {
        SetOpenFailureReason(file.Reason(m_host.LoadResString(CStringIds::kIdsTooLargeToOpen),
                                         m_host.LoadResString(CStringIds::kIdsNotRegularFile)));
        return false;
    }
    m_lines = CParameterFileReader::SplitLines(file.bytes);
    SetModifiedFlag(false);
    return true;
}

bool CTarnlinkDoc::OnSaveDocument(const QString& path)
{
    if (!WriteFile(path))
        return false;
    // The title the save is about to give is the one the document already has.
    m_saved = true;
    return true;
}

bool CTarnlinkDoc::SaveCopy(const QString& path)
{
    // No title follows a copy, so the flag that drops one is left as it is.
    return WriteFile(path);
}

bool CTarnlinkDoc::WriteFile(const QString& path)
{
    SetSaveFailureReason(QString());
    // The values come from this document's own page, whichever window is active.
    auto* view = qobject_cast<CTarnlinkView*>(FirstView());
    if (!view)
        return false;
    CParameterFile::Content content;
    if (!view->CollectFileContent(content))
        return false;
    const QByteArray bytes = CParameterFile::Bytes(
        content, [this](unsigned id) { return m_host.LoadResString(id); },
        QDateTime::currentDateTime());
    QString error;
    if (CSaveFileWriter::WriteFile(path, bytes, &error))
        return true;
    SetSaveFailureReason(error);
    return false;
}
