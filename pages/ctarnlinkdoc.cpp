#include "pages/ctarnlinkdoc.h"

#include "pages/cparameterfile.h"
#include "pages/ctarnlinkview.h"
#include "platform/cansitext.h"
#include "platform/cmdichildframe.h"
#include "shell/ctarnlinkapp.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>

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
    QString result = title;
    if (m_saved) {
        m_saved = false;
        result = GetTitle();
    } else if (const CTarnlinkApp* app = CTarnlinkApp::Instance()) {
        if (!app->m_nextLabel.isEmpty())
            result = app->m_nextLabel;
        else if (app->m_nextAddress == QStringLiteral("Off"))
            result = OfflineTitle(title, app->m_newAxisAddress);
    }
    CDocument::SetTitle(result);
}

bool CTarnlinkDoc::OnOpenDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // The files are 8-bit text from the Windows program, lines ended by CR LF.
    const QByteArray content = file.readAll();
    m_lines.clear();
    QList<QByteArray> lines = content.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        m_lines.append(CAnsiText::ToUnicode(line) + QStringLiteral("\r\n"));
    }
    SetModifiedFlag(false);
    return true;
}

bool CTarnlinkDoc::OnSaveDocument(const QString& path)
{
    // The values come from this document's own page, whichever window is active.
    auto* view = qobject_cast<CTarnlinkView*>(FirstView());
    const CTarnlinkApp* app = CTarnlinkApp::Instance();
    if (!view || !app)
        return false;
    CParameterFile::Content content;
    if (!view->CollectFileContent(content))
        return false;
    const QByteArray bytes = CParameterFile::Bytes(
        content, [app](unsigned id) { return app->LoadResString(id); },
        QDateTime::currentDateTime());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    m_saved = true;
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        m_saved = false;
        return false;
    }
    return true;
}
