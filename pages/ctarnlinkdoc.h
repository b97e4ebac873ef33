// The parameter document of one axis, shown by a parameter view in its own child window.
// Its title names the axis: the tree label of an axis on the bus, or "[Offline] " and the
// file name for a document that comes from a file.
#pragma once

#include "pages/cpageopening.h"
#include "platform/cdocument.h"

#include <QStringList>

#include <utility>

class CPageHost;

class CTarnlinkDoc : public CDocument {
    Q_OBJECT
public:
    static constexpr int kMenuId = 129;

    // A document opened from a file gets the default opening: offline.
    explicit CTarnlinkDoc(CPageHost& host, CPageOpening opening = {})
        : m_host(host), m_opening(std::move(opening))
    {
    }

    // What the window that opened the page handed to it.
    const CPageOpening& Opening() const { return m_opening; }
    void SetTitle(const QString& title) override;
    // Keeps the file's lines as text, each ended by "\r\n" again; the page applies them.
    bool OnOpenDocument(const QString& path) override;
    const QStringList& Lines() const { return m_lines; }
    // Builds the parameter file from the document's own page and writes it; the old file
    // stays whole when anything fails.
    bool OnSaveDocument(const QString& path) override;
    // The same file written to `path` beside the document's own, as a project save does:
    // the document keeps its path and title, so no title follows that the save would drop.
    // On failure, SaveFailureReason says why.
    bool SaveCopy(const QString& path);
    int GetDefaultMenu() const override { return kMenuId; }

private:
    // The parameter file of the document's own page, written to `path`.
    bool WriteFile(const QString& path);

    CPageHost& m_host;
    const CPageOpening m_opening;
    // The title the document opens with is set.
    bool m_titled = false;
    QStringList m_lines;
    // Set by a save; the title the framework proposes after it is then dropped.
    bool m_saved = false;
};
