// The project document: the list of axes and their parameter files that a project file
// holds, shown by the project view in its own child window. It never holds the parameter
// files' contents and is never written back: Save project writes projects from the tree.
#pragma once

#include "platform/cdocument.h"
#include "shell/cprojectfile.h"

#include <QStringList>

#include <utility>

class CProjectListDoc : public CDocument {
    Q_OBJECT
public:
    static constexpr int kMenuId = 130;

    // `labels` gives the texts of the current language.
    explicit CProjectListDoc(CProjectFile::Labels labels) : m_labels(std::move(labels)) {}

    int GetDefaultMenu() const override { return kMenuId; }
    // Reads the axis lines of the project file; false when it cannot be read.
    bool OnOpenDocument(const QString& path) override;
    // The window stays while the project is being transmitted.
    bool CanCloseFrame(CMdiChildFrame* frame) override;

    // Entry i of both lists comes from the same project line, in file order: the full path
    // of the axis's parameter file and its bracket key ("[KEV 3]").
    QStringList m_arrAxisFiles;
    QStringList m_arrAxisKeys;
    bool m_transferRunning = false;

private:
    CProjectFile::Labels m_labels;
};
