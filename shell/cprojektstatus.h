// The transfer report (dialog 158): one line per axis of a transmitted project, with a
// picture and a word for its kind (information, warning, error) and the message. The
// transfer fills the entries, each "[" + kind + "];" + message, before the dialog runs.
#pragma once

#include <QDialog>
#include <QStringList>

class QTreeWidget;

class CProjektStatus : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 158;
    static constexpr int kListId = 1222;

    explicit CProjektStatus(QWidget* parent = nullptr);

    // Fills the list from the entries; the modal run shows it.
    void OnInitDialog();
    QTreeWidget* List() const { return m_list; }

    QStringList m_entries;

private:
    QTreeWidget* m_list = nullptr;
};
