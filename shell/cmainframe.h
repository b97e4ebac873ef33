// The main window: an MDI area for the axis and project windows.
#pragma once

#include <QMainWindow>

class CTarnlinkApp;
class QMdiArea;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CTarnlinkApp& app, QWidget* parent = nullptr);

    QMdiArea* MdiArea() const { return m_mdiArea; }

private:
    CTarnlinkApp& m_app;
    QMdiArea* m_mdiArea = nullptr;
};
