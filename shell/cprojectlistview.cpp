#include "shell/cprojectlistview.h"

#include "controls/grid/cgridctrl.h"
#include "controls/grid/cgriddefs.h"
#include "pages/cparameterfilereader.h"
#include "platform/cmodalrunner.h"
#include "platform/csmallfilereader.h"
#include "res/cstringids.h"
#include "shell/cmainframe.h"
#include "shell/cprojectlistdoc.h"
#include "shell/cprojecttransfer.h"
#include "shell/cprojektstatus.h"
#include "shell/ctarnlinkapp.h"
#include "shell/ctreemarks.h"

#include <QFont>
#include <QResizeEvent>

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
    // The grid goes while the view is whole: an edit still open reports to the view.
    delete m_grid.data();
    delete m_marks.data();
}

CProjectListDoc* CProjectListView::GetDocument() const
{
    return qobject_cast<CProjectListDoc*>(CView::GetDocument());
}

namespace {

constexpr quint32 kValueFormat = DtRight | DtVCenter | DtSingleLine | DtNoPrefix;

} // namespace

CTreeMarks* CProjectListView::TreeMarks() const
{
    return m_marks;
}

CGridCtrl* CProjectListView::Grid() const
{
    return m_grid;
}

QColor CProjectListView::ShadingColour()
{
    return QColor(0xff, 0xe5, 0xbc);
}

QColor CProjectListView::HeadingColour()
{
    return QColor(0x8a, 0xf0, 0xff);
}

void CProjectListView::OnInitialUpdate()
{
    FillTable();
    CreateGrid();
    FillGrid();
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
        const CSmallFileReader::Result file = CSmallFileReader::Read(path);
        if (file.IsRead())
            files.append(CParameterFileReader::SplitLines(file.bytes));
        else
            files.append(std::nullopt);
    }
    const CAxisList& axes = m_app.Axes();
    const CProjectTable::Context context{[this](unsigned id) { return m_app.LoadResString(id); },
                                         [&axes](int address) { return axes.Type(address); }};
    m_table = CProjectTable::Build(files, context);
}

void CProjectListView::CreateGrid()
{
    m_grid = new CGridCtrl(0, 0, 0, 0, this);
    m_grid->Create(rect(), this, kGridId);
    // The table may be worked on like a sheet of paper: edits, pastes and drops change the
    // view only, never a file or a power stage.
    m_grid->SetEditable(true);
    m_grid->EnableDragAndDrop(true);
    // Column 0 holds the labels: no paste or drop may ever write over them, nor an edit.
    m_grid->SetProtectFirstColumn(true);
    connect(m_grid, &CGridCtrl::Notify, this, &CProjectListView::OnGridNotify);
    m_grid->SetRowCount(1);
    m_grid->SetColumnCount(2);
    m_grid->SetFixedRowCount(1);
    m_grid->SetFixedColumnCount(0);
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(10);
    m_grid->setFont(font);
    m_grid->SetItemText(0, 0, m_app.LoadResString(CStringIds::kIdsDescription));
    m_grid->SetItemText(0, 1, m_app.LoadResString(CStringIds::kIdsValue));
    for (int column = 0; column < 2; ++column)
        m_grid->SetItemFormat(0, column, kGridDefaultFormat);
    m_grid->show();
}

void CProjectListView::FillGrid()
{
    for (const CProjectTable::Row& row : std::as_const(m_table.rows)) {
        const int index = m_grid->InsertRow(QString());
        if (index < 0)
            break;
        m_grid->SetItemText(index, 0, row.label);
        m_grid->SetItemText(index, 1, row.value);
        m_grid->SetItemFormat(index, 1, kValueFormat);
        const QColor colour = row.heading  ? HeadingColour()
                              : row.shaded ? ShadingColour()
                                           : QColor();
        if (colour.isValid()) {
            m_grid->SetItemBkColour(index, 0, colour);
            m_grid->SetItemBkColour(index, 1, colour);
        }
    }
    m_grid->SetColumnWidth(0, kLabelWidth);
    m_grid->SetColumnWidth(1, kValueWidth);
    m_grid->SetColumnResize(true);
    m_grid->SetRowResize(false);
    m_grid->EnableTitleTips(true);
    m_grid->AutoSizeRows();
}

void CProjectListView::OnGridNotify(NM_GRIDVIEW* nm)
{
    if (nm->code == GvnBeginLabelEdit && nm->iColumn == kLabelColumn)
        nm->result = -1;
}

void CProjectListView::resizeEvent(QResizeEvent* event)
{
    CView::resizeEvent(event);
    if (m_grid)
        m_grid->setGeometry(rect());
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

void CProjectListView::OnBeginPrinting(QPainter& painter, CPrintInfo& info)
{
    if (m_grid)
        m_grid->OnBeginPrinting(&painter, &info);
}

void CProjectListView::OnPrint(QPainter& painter, CPrintInfo& info)
{
    if (m_grid)
        m_grid->OnPrint(&painter, &info);
}

void CProjectListView::OnEndPrinting(QPainter& painter, CPrintInfo& info)
{
    if (m_grid)
        m_grid->OnEndPrinting(&painter, &info);
}
