#include "shell/cprojectlistview.h"

#include "pages/cparameterfilereader.h"
#include "platform/cmodalrunner.h"
#include "shell/cmainframe.h"
#include "shell/cprojectlistdoc.h"
#include "shell/cprojecttransfer.h"
#include "shell/cprojektstatus.h"
#include "shell/ctarnlinkapp.h"
#include "shell/ctreemarks.h"

#include <QFile>
#include <QTreeWidgetItem>

CProjectListView::CProjectListView(CDocument& document, CTarnlinkApp& app, QWidget* parent)
    : CView(document, parent), m_app(app)
{
    setMinimumSize(400, 200);
    m_repaintTimer.setInterval(kRepaintMs);
    connect(&m_repaintTimer, &QTimer::timeout, this, &CProjectListView::OnTimer);
}

CProjectListView::~CProjectListView()
{
    m_repaintTimer.stop();
    delete m_marks.data();
}

CProjectListDoc* CProjectListView::GetDocument() const
{
    return qobject_cast<CProjectListDoc*>(CView::GetDocument());
}

CTreeMarks* CProjectListView::TreeMarks() const
{
    return m_marks;
}

void CProjectListView::OnInitialUpdate()
{
    FillTable();
    if (CMainFrame* frame = m_app.MainFrame(); frame && frame->TreeCtrl()) {
        m_marks = new CTreeMarks(*frame);
        m_marks->SetMarks(m_table.axisMarks, m_table.groupMarks);
    }
    m_repaintTimer.start();
}

void CProjectListView::FillTable()
{
    const CProjectListDoc* document = GetDocument();
    if (!document)
        return;
    QList<std::optional<QStringList>> files;
    for (const QString& path : document->m_arrAxisFiles) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            files.append(CParameterFileReader::SplitLines(file.readAll()));
        else
            files.append(std::nullopt);
    }
    CMainFrame* frame = m_app.MainFrame();
    const CProjectTable::Context context{
        [this](unsigned id) { return m_app.LoadResString(id); },
        [this](const QString& text) { return m_app.TypeNamedIn(text); },
        [this, frame](int address) {
            const QTreeWidgetItem* item = frame ? frame->AxisItem(address) : nullptr;
            if (!item)
                return -1;
            int group = CMainFrame::kTypeCount;
            m_app.IsTypeGroupItem(QString(), item->parent(), &group);
            return group;
        }};
    m_table = CProjectTable::Build(files, context);
}

void CProjectListView::OnActivateView(bool activate)
{
    (void)activate;
    OnTimer();
}

void CProjectListView::OnTimer()
{
    if (m_marks)
        m_marks->Repaint();
}

void CProjectListView::OnTransmitProject()
{
    CProjectListDoc* document = GetDocument();
    if (!document || document->m_transferRunning)
        return;
    CProjectTransfer transfer(m_app);
    const std::optional<QStringList> entries = transfer.Run(*document);
    if (!entries)
        return;
    CProjektStatus report(m_app.MainFrame());
    report.m_entries = *entries;
    report.OnInitDialog();
    m_app.ModalRunner().Run(report);
}
