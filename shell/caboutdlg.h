// The About box: the program's picture, its name and version, the maker, and OK.
#pragma once

#include <QDialog>

class CTarnlinkApp;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 100;

    explicit CAboutDlg(const CTarnlinkApp& app, QWidget* parent = nullptr);
};
