#include "shell/cmainframe.h"

#include "shell/ctarnlinkapp.h"

#include <QMdiArea>

CMainFrame::CMainFrame(CTarnlinkApp& app, QWidget* parent) : QMainWindow(parent), m_app(app)
{
    m_mdiArea = new QMdiArea(this);
    setCentralWidget(m_mdiArea);
    setWindowTitle(m_app.LoadResString(128));
}
