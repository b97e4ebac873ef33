#include "shell/cmainframe.h"

#include "controls/dockingbar/cmybar.h"
#include "pages/ctarnlinkview.h"
#include "platform/ccommandactions.h"
#include "platform/cdocmanager.h"
#include "platform/cdoctemplate.h"
#include "platform/cdocument.h"
#include "platform/cmdichildframe.h"
#include "res/ccommandid.h"
#include "res/cmenutable.h"
#include "res/cstringids.h"
#include "shell/cartwork.h"
#include "shell/ckeyindicators.h"
#include "shell/cmenubuilder.h"
#include "shell/cprojectlistdoc.h"
#include "shell/cprojectlistview.h"
#include "shell/ctarnlinkapp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>

#include <algorithm>
#include <utility>

namespace {

const QString kAxisBarTitle = QStringLiteral("Vorhandene Achsen");
const QString kOpen = QStringLiteral(" <Open> ");
const QString kClosed = QStringLiteral(" <!CLOSED!> ");
const QString kWithChecksum = QStringLiteral(" + CS");
const QString kCanConnected = QStringLiteral("CAN <Connected> ");
const QString kCanDisconnected = QStringLiteral("CAN <Disconnected>");

constexpr int kPaneWidths[CMainFrame::PaneInterface + 1] = {300, 197, 100, 0, 170};
constexpr int kRecentSlots = 4;
constexpr QSize kAxisBarSize(170, 250);
constexpr QSize kTreeIconSize(16, 15);
// The longest axis label the power-stage bar shows in full at its default width.
constexpr int kAxisLabelCharacters = 16;
constexpr int kLastOfferedCanRate = 3;

constexpr int kCommands[] = {
    CCommandId::kFileNew,
    CCommandId::kNewProject,
    CCommandId::kFileOpen,
    CCommandId::kOpenProject,
    CCommandId::kSaveProject,
    CCommandId::kFileClose,
    CCommandId::kFileSave,
    CCommandId::kFileSaveAs,
    CCommandId::kFilePrint,
    CCommandId::kFilePrintPreview,
    CCommandId::kFilePrintSetup,
    CCommandId::kAppExit,
    CCommandId::kViewToolBar,
    CCommandId::kViewStatusBar,
    CCommandId::kViewAxisBar,
    CCommandId::kSearch,
    CCommandId::kReset,
    CCommandId::kStatusOverview,
    CCommandId::kInterfaceParameters,
    CCommandId::kLanguageGerman,
    CCommandId::kLanguageEnglish,
    CCommandId::kMonitor,
    CCommandId::kAppAbout,
    CCommandId::kWindowArrange,
    CCommandId::kWindowCascade,
    CCommandId::kWindowTile,
    CCommandId::kNextPane,
    CCommandId::kPrevPane,
    CCommandId::kTransmitProject,
};

// Off while a project is saved or transmitted.
constexpr int kProjectBlockedCommands[] = {
    CCommandId::kNewProject,          CCommandId::kOpenProject, CCommandId::kSaveProject,
    CCommandId::kTransmitProject,     CCommandId::kSearch,      CCommandId::kReset,
    CCommandId::kInterfaceParameters, CCommandId::kMonitor,     CCommandId::kStatusOverview,
    CCommandId::kFileClose,           CCommandId::kFileNew,     CCommandId::kFileOpen,
};

struct Accelerator {
    int command;
    QKeyCombination keys;
};

const Accelerator kAccelerators[] = {
    {CCommandId::kSearch, QKeyCombination(Qt::Key_F3)},
    {CCommandId::kFileNew, QKeyCombination(Qt::ControlModifier, Qt::Key_N)},
    {CCommandId::kFileOpen, QKeyCombination(Qt::ControlModifier, Qt::Key_O)},
    {CCommandId::kFileSave, QKeyCombination(Qt::ControlModifier, Qt::Key_S)},
    {CCommandId::kNextPane, QKeyCombination(Qt::Key_F6)},
    {CCommandId::kPrevPane, QKeyCombination(Qt::ShiftModifier, Qt::Key_F6)},
};

// Wide enough for an axis label of kAxisLabelCharacters characters (as wide as digits) under
// the root and its group, with the lamp, the branch lines, the frame and a scroll bar in the
// tree's font; never narrower than the bar's own default.
int AxisBarWidth(const QStyle& style)
{
    const QFontMetrics metrics(QApplication::font("QTreeWidget"));
    const int margin = style.pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    const int label = 3 * style.pixelMetric(QStyle::PM_TreeViewIndentation) +
                      kTreeIconSize.width() + 4 * margin +
                      metrics.horizontalAdvance(QString(kAxisLabelCharacters, QLatin1Char('0')));
    const int chrome = 2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth) +
                       style.pixelMetric(QStyle::PM_ScrollBarExtent);
    return std::max(kAxisBarSize.width(), label + chrome);
}

} // namespace

CMainFrame::CMainFrame(CTarnlinkApp& app, QWidget* parent) : QMainWindow(parent), m_app(app)
{
    m_mdiArea = new QMdiArea(this);
    // Windows moved partly out of sight can be scrolled back.
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    setWindowTitle(m_app.LoadResString(CStringIds::kIdsAppTitle));
    setWindowIcon(CArtwork::AppIcon());
    setAcceptDrops(true);
    m_statusTimer.setInterval(kStatusPollMs);
    connect(&m_statusTimer, &QTimer::timeout, this, &CMainFrame::OnStatusPoll);
}

CMainFrame::~CMainFrame()
{
    // Document windows end their documents while the application still holds them, and
    // the frame no longer follows the active window while they go.
    disconnect(&Documents(), nullptr, this, nullptr);
    disconnect(&Axes(), nullptr, this, nullptr);
    if (m_axisBar)
        disconnect(m_axisBar, nullptr, this, nullptr);
    Documents().SetMdiArea(nullptr);
    delete m_mdiArea;
}

CDocManager& CMainFrame::Documents() const
{
    return m_app.DocManager();
}

CAxisList& CMainFrame::Axes() const
{
    return m_app.Axes();
}

bool CMainFrame::OnCreate()
{
    Documents().SetMdiArea(m_mdiArea);
    CreateCommands();
    if (!CreateToolBars() || !CreateStatusBar())
        return false;
    OpenInterface();
    if (!CreateAxisBar())
        return false;
    CreateTree();
    ConnectCommands();
    BuildMenu(CMenuTable::kMainMenu);
    connect(&Documents(), &CDocManager::activeFrameChanged, this,
            &CMainFrame::OnActiveFrameChanged);
    connect(&Documents(), &CDocManager::recentFilesChanged, this,
            &CMainFrame::UpdateRecentFileMenu);
    UpdateCommandStates();
    return true;
}

// ---- commands ----------------------------------------------------------------------------

void CMainFrame::CreateCommands()
{
    for (int command : kCommands)
        CCommandActions::Create(this, command);
    for (int i = 0; i < kRecentSlots; ++i)
        CCommandActions::Create(this, CCommandId::kFileMru1 + i);
    for (const Accelerator& accelerator : kAccelerators)
        CommandAction(accelerator.command)->setShortcut(QKeySequence(accelerator.keys));
    for (int command :
         {CCommandId::kViewToolBar, CCommandId::kViewStatusBar, CCommandId::kViewAxisBar})
        CommandAction(command)->setCheckable(true);
    // No split windows here: the pane keys have nothing to move between.
    CommandAction(CCommandId::kNextPane)->setEnabled(false);
    CommandAction(CCommandId::kPrevPane)->setEnabled(false);
    CreateWindowKeys();
}

void CMainFrame::CreateWindowKeys()
{
    // The keys of every multi-document program, besides the accelerators above. They are
    // not in the menus, which show the program's own.
    auto add = [this](const QList<QKeySequence>& keys, auto handler) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        addAction(action);
        connect(action, &QAction::triggered, this, handler);
    };
    // Closing goes the way of File Close, and is off when File Close is.
    add({QKeySequence(Qt::ControlModifier | Qt::Key_F4)},
        [this] { CommandAction(CCommandId::kFileClose)->trigger(); });
    add({QKeySequence(Qt::ControlModifier | Qt::Key_F6),
         QKeySequence(Qt::ControlModifier | Qt::Key_Tab)},
        [this] { m_mdiArea->activateNextSubWindow(); });
    add({QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_F6),
         QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Backtab)},
        [this] { m_mdiArea->activatePreviousSubWindow(); });
}

QAction* CMainFrame::CommandAction(int command) const
{
    return CCommandActions::Find(this, command);
}

void CMainFrame::ConnectCommands()
{
    auto on = [this](int command, auto handler) {
        connect(CommandAction(command), &QAction::triggered, this, handler);
    };
    CTarnlinkApp& app = m_app;
    on(CCommandId::kFileNew, [&app] { app.OnFileNew(); });
    on(CCommandId::kNewProject, [&app] { app.OnNewProject(); });
    on(CCommandId::kFileOpen, [&app] { app.OnFileOpen(); });
    on(CCommandId::kOpenProject, [&app] { app.OnOpenProject(); });
    on(CCommandId::kSaveProject, [&app] { app.OnSaveProject(); });
    on(CCommandId::kFilePrintSetup, [&app] { app.OnFilePrintSetup(); });
    on(CCommandId::kAppAbout, [&app] { app.OnAppAbout(); });
    on(CCommandId::kLanguageGerman, [&app] { app.OnLanguageGerman(); });
    on(CCommandId::kLanguageEnglish, [&app] { app.OnLanguageEnglish(); });
    for (int i = 0; i < kRecentSlots; ++i) {
        const int command = CCommandId::kFileMru1 + i;
        on(command, [&app, command] { app.OnOpenRecentFile(command); });
    }
    on(CCommandId::kAppExit, [this] { close(); });
    on(CCommandId::kViewToolBar, [this] { ToggleBar(m_mainToolBar, CCommandId::kViewToolBar); });
    on(CCommandId::kViewStatusBar, [this] { ToggleBar(statusBar(), CCommandId::kViewStatusBar); });
    on(CCommandId::kViewAxisBar, [this] { OnViewAxisBar(); });
    on(CCommandId::kSearch, [this] { OnSearch(); });
    on(CCommandId::kReset, [this] { OnReset(); });
    on(CCommandId::kStatusOverview, [this] { OnStatusOverview(); });
    on(CCommandId::kInterfaceParameters, [this] { OnInterfaceParameters(); });
    on(CCommandId::kMonitor, [this] { OnMonitor(); });
    on(CCommandId::kWindowCascade, [this] { m_mdiArea->cascadeSubWindows(); });
    on(CCommandId::kWindowTile, [this] { m_mdiArea->tileSubWindows(); });
    on(CCommandId::kWindowArrange, [this] { ArrangeIcons(); });
    ConnectDocumentCommands();
}

void CMainFrame::ConnectDocumentCommands()
{
    // These commands act on the active document window and are off while there is none.
    auto on = [this](int command, auto handler) {
        connect(CommandAction(command), &QAction::triggered, this, handler);
    };
    // A modified document is asked about first; its windows go later, on the event loop.
    on(CCommandId::kFileClose, [this] {
        if (CDocument* document = Documents().ActiveDocument())
            Documents().CloseDocument(*document);
    });
    on(CCommandId::kFileSave, [this] {
        if (CDocument* document = Documents().ActiveDocument())
            document->DoFileSave();
    });
    on(CCommandId::kFileSaveAs, [this] {
        if (CDocument* document = Documents().ActiveDocument())
            document->DoSave(QString());
    });
    on(CCommandId::kFilePrint, [this] {
        if (CMdiChildFrame* frame = Documents().ActiveFrame(); frame && frame->GetActiveView())
            frame->GetActiveView()->OnFilePrint();
    });
    on(CCommandId::kTransmitProject, [this] {
        if (CMdiChildFrame* frame = Documents().ActiveFrame())
            if (auto* view = qobject_cast<CProjectListView*>(frame->GetActiveView()))
                view->OnTransmitProject();
    });
    on(CCommandId::kFilePrintPreview, [this] {
        if (CMdiChildFrame* frame = Documents().ActiveFrame(); frame && frame->GetActiveView())
            frame->GetActiveView()->OnFilePrintPreview();
    });
}

void CMainFrame::UpdateCommandStates()
{
    CDocument* document = Documents().ActiveDocument();
    const bool hasDocument = document != nullptr;
    // A project document holds no data of its own to save: Save project writes projects.
    const bool project = qobject_cast<CProjectListDoc*>(document) != nullptr;
    for (int command :
         {CCommandId::kFileClose, CCommandId::kFilePrint, CCommandId::kFilePrintPreview})
        CommandAction(command)->setEnabled(hasDocument);
    for (int command : {CCommandId::kFileSave, CCommandId::kFileSaveAs})
        CommandAction(command)->setEnabled(hasDocument && !project);
    CommandAction(CCommandId::kTransmitProject)->setEnabled(project);
    if (m_projectCommandsBlocked) {
        for (int command : kProjectBlockedCommands)
            CommandAction(command)->setEnabled(false);
    }
    CommandAction(CCommandId::kViewToolBar)->setChecked(!m_mainToolBar->isHidden());
    CommandAction(CCommandId::kViewStatusBar)->setChecked(!statusBar()->isHidden());
    OnUpdateViewAxisBar();
}

void CMainFrame::BlockProjectCommands(bool block)
{
    m_projectCommandsBlocked = block;
    for (int command : kProjectBlockedCommands)
        CommandAction(command)->setEnabled(!block);
    UpdateCommandStates();
}

CMainFrame::ProjectRun::ProjectRun(CMainFrame& frame)
    : m_frame(&frame), m_polling(frame.StatusTimer().isActive())
{
    frame.StatusTimer().stop();
    frame.BlockProjectCommands(true);
}

CMainFrame::ProjectRun::~ProjectRun()
{
    if (!m_frame)
        return;
    m_frame->BlockProjectCommands(false);
    if (m_polling)
        m_frame->StatusTimer().start();
}

void CMainFrame::ArrangeIcons()
{
    // Minimised windows line up along the bottom edge of the MDI area, left to right.
    int left = 0;
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow* window : windows) {
        if (!window->isMinimized())
            continue;
        window->move(left, m_mdiArea->viewport()->height() - window->height());
        left += window->width();
    }
}

void CMainFrame::ToggleBar(QWidget* bar, int command)
{
    bar->setVisible(bar->isHidden());
    CommandAction(command)->setChecked(!bar->isHidden());
}

// ---- bars --------------------------------------------------------------------------------

bool CMainFrame::CreateToolBars()
{
    m_mainToolBar = addToolBar(QString());
    m_mainToolBar->setObjectName(QStringLiteral("MainToolBar"));
    for (int command :
         {CCommandId::kFileNew, CCommandId::kFileOpen, CCommandId::kFileSave,
          CCommandId::kSaveProject, 0, CCommandId::kFilePrint, CCommandId::kAppAbout}) {
        if (command == 0) {
            m_mainToolBar->addSeparator();
            continue;
        }
        QAction* action = CommandAction(command);
        action->setIcon(CArtwork::CommandIcon(command));
        action->setIconVisibleInMenu(false);
        m_mainToolBar->addAction(action);
    }
    m_busToolBar = new QToolBar(this);
    m_busToolBar->setObjectName(QStringLiteral("BusToolBar"));
    for (int command : {CCommandId::kSearch, CCommandId::kReset}) {
        QAction* action = CommandAction(command);
        action->setIcon(CArtwork::CommandIcon(command));
        action->setIconVisibleInMenu(false);
        m_busToolBar->addAction(action);
    }
    for (QToolBar* bar : {m_mainToolBar, m_busToolBar}) {
        bar->setAllowedAreas(Qt::AllToolBarAreas);
        bar->setMovable(true);
        bar->setFloatable(true);
    }
    DockControlBarLeftOf(m_busToolBar, m_mainToolBar);
    UpdateToolTips();
    return true;
}

void CMainFrame::DockControlBarLeftOf(QToolBar* bar, QToolBar* leftOf)
{
    // Docked in the same area and row, right after `leftOf`.
    addToolBar(toolBarArea(leftOf), bar);
}

void CMainFrame::UpdateToolTips()
{
    const QList<QAction*> actions = m_mainToolBar->actions() + m_busToolBar->actions();
    for (QAction* action : actions) {
        const int command = CCommandActions::IdOf(action);
        if (command == 0)
            continue;
        QString tip = CMenuTable::CommandName(command, m_app.Language());
        const QString prompt = m_app.LoadResString(static_cast<unsigned>(command));
        if (prompt.contains(QLatin1Char('\n')))
            tip = prompt.section(QLatin1Char('\n'), 1, 1);
        action->setToolTip(tip);
    }
}

bool CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    const QString startTexts[PaneCount] = {m_app.LoadResString(CStringIds::kIdsIdle),
                                           m_app.LoadResString(CStringIds::kIdsProgressPlaceholder),
                                           m_app.LoadResString(CStringIds::kIdsPane2),
                                           m_app.LoadResString(CStringIds::kIdsPane3)};
    for (int pane = 0; pane < PaneCount; ++pane) {
        auto* label = new QLabel(startTexts[pane], bar);
        label->setObjectName(QStringLiteral("Pane%1").arg(pane));
        if (pane == PaneSpare) {
            bar->addWidget(label, 1);
        } else {
            if (pane >= PaneInterface) {
                label->setFrameShape(QFrame::Panel);
                label->setFrameShadow(QFrame::Sunken);
            }
            if (pane == PaneInterface) {
                label->setMinimumWidth(kPaneWidths[pane]);
            } else if (pane > PaneInterface) {
                // A lock-key pane keeps the room of its text while the key is off.
                const QString text = CKeyIndicators::Text(pane - PaneCaps);
                label->setFixedWidth(label->fontMetrics().horizontalAdvance(text) +
                                     label->fontMetrics().averageCharWidth() * 2);
                label->setAlignment(Qt::AlignCenter);
            } else {
                label->setFixedWidth(kPaneWidths[pane]);
            }
            bar->addWidget(label);
        }
        m_panes[static_cast<std::size_t>(pane)] = label;
    }
    m_keyIndicators = new CKeyIndicators({Pane(PaneCaps), Pane(PaneNum), Pane(PaneScroll)}, this);
    return true;
}

QLabel* CMainFrame::Pane(int pane) const
{
    return (pane >= 0 && pane < PaneCount) ? m_panes[static_cast<std::size_t>(pane)] : nullptr;
}

QString CMainFrame::PaneText(int pane) const
{
    const QLabel* label = Pane(pane);
    return label ? label->text() : QString();
}

void CMainFrame::SetPaneText(int pane, const QString& text)
{
    if (QLabel* label = Pane(pane))
        label->setText(text);
}

// ---- interface ---------------------------------------------------------------------------

void CMainFrame::OpenInterface()
{
    CAppSettings& settings = m_app.Settings();
    CBusPort& port = m_app.BusPort();
    port.SetInterface(BusInterfaceOfComType(settings.ComType()));
    port.SetTwoByteAddress(false);
    m_app.m_addressCount = 16;
    if (port.Interface() == BusInterface::Serial) {
        port.OpenOrClose(settings.ActiveCom(), settings.ComParameter(), true);
        ShowSerialState();
    } else {
        int rate = settings.CanBaud();
        // A stored index outside the rate table starts the adapter at the default rate.
        if (CanRateName(rate).isEmpty())
            rate = 3;
        port.SetCanBitRate(rate);
        ShowCanState(port.OpenOrClose(QString(), QString(), true));
    }
    if (settings.AxAddr() != 0) {
        port.SetTwoByteAddress(true);
        m_app.m_addressCount = 32;
    }
}

void CMainFrame::ShowSerialState()
{
    const CBusPort& port = m_app.BusPort();
    QString text = port.PortName() + (port.IsOpen() ? kOpen : kClosed) + port.Settings();
    if (port.IsOpen() && port.Checksum())
        text += kWithChecksum;
    SetPaneText(PaneInterface, text);
}

void CMainFrame::ShowCanState(bool connected)
{
    const int rate = m_app.BusPort().CanBitRate();
    SetPaneText(PaneInterface, connected ? kCanConnected + CanRateName(rate) : kCanDisconnected);
}

QString CMainFrame::CanRateName(int index)
{
    // The interface sheet offers the four fastest rates of the adapter's table.
    return index <= kLastOfferedCanRate ? CCanAdapter::BitRateName(index) : QString();
}

// ---- power-stage bar and tree ------------------------------------------------------------

bool CMainFrame::CreateAxisBar()
{
    m_axisBar = new CMyBar(this);
    const int width = AxisBarWidth(*style());
    if (!m_axisBar->Create(kAxisBarTitle, this, QSize(width, kAxisBarSize.height()), true,
                           kAxisBarId))
        return false;
    m_axisBar->setAllowedAreas(Qt::AllDockWidgetAreas);
    setDockOptions(dockOptions() | QMainWindow::AllowNestedDocks);
    addDockWidget(Qt::LeftDockWidgetArea, m_axisBar);
    resizeDocks({m_axisBar}, {width}, Qt::Horizontal);
    connect(m_axisBar, &QDockWidget::visibilityChanged, this, &CMainFrame::OnUpdateViewAxisBar);
    return true;
}

void CMainFrame::CreateTree()
{
    m_treeIcons.clear();
    for (int i = 0; i < CArtwork::kTreeImageCount; ++i)
        m_treeIcons.append(QIcon(CArtwork::TreeImage(i)));
    QTreeWidget* tree = TreeCtrl();
    tree->setIconSize(kTreeIconSize);
    connect(tree, &QTreeWidget::itemDoubleClicked, this, [this] { OnTreeNotify(); });
    m_axisItems.fill(nullptr);

    m_rootItem = new QTreeWidgetItem(tree, {m_app.LoadResString(CStringIds::kIdsTreeRoot)});
    SetItemImage(m_rootItem, ImageBox);
    // The group label of each device type: its name and the mark of its family.
    for (const CDeviceTypeInfo& type : CDeviceType::All()) {
        const QString label =
            QString::fromLatin1(type.name) + QString::fromLatin1(type.groupSuffix);
        auto* group = new QTreeWidgetItem(m_rootItem, {label});
        SetItemImage(group, ImageBox);
        m_groupItems[CDeviceType::Index(type.type)] = group;
    }
    for (int address = 0; address < kAddressSlots; ++address) {
        if (Axes().Contains(address))
            ShowAddedAxis(address);
    }
    connect(&Axes(), &CAxisList::axisAdded, this, &CMainFrame::ShowAddedAxis);
    connect(&Axes(), &CAxisList::axisChanged, this, &CMainFrame::ShowChangedAxis);
    connect(&Axes(), &CAxisList::axisRemoved, this, &CMainFrame::ShowRemovedAxis);
}

QTreeWidget* CMainFrame::TreeCtrl() const
{
    return m_axisBar ? m_axisBar->Tree() : nullptr;
}

QTreeWidgetItem* CMainFrame::GroupItem(DeviceType type) const
{
    return m_groupItems[CDeviceType::Index(type)];
}

QTreeWidgetItem* CMainFrame::AxisItem(int address) const
{
    return CAxisList::IsAddress(address) ? m_axisItems[static_cast<std::size_t>(address)] : nullptr;
}

int CMainFrame::AddressOf(const QTreeWidgetItem* item) const
{
    if (!item)
        return -1;
    const auto found = std::find(m_axisItems.begin(), m_axisItems.end(), item);
    return found == m_axisItems.end() ? -1 : static_cast<int>(found - m_axisItems.begin());
}

void CMainFrame::SetItemImage(QTreeWidgetItem* item, int image) const
{
    if (!item)
        return;
    item->setData(0, kImageRole, image);
    item->setIcon(0, m_treeIcons.value(image));
}

int CMainFrame::ItemImage(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kImageRole).toInt() : -1;
}

void CMainFrame::OpenAxisBranches()
{
    if (!m_rootItem)
        return;
    for (QTreeWidgetItem* group : m_groupItems) {
        if (group->childCount() > 0) {
            m_rootItem->setExpanded(true);
            group->setExpanded(true);
        }
    }
}

void CMainFrame::ShowAddedAxis(int address)
{
    const CAxisList::Axis* axis = Axes().Find(address);
    QTreeWidgetItem* group = axis ? GroupItem(axis->type) : nullptr;
    if (!group)
        return;
    // A new axis goes to the end of its group; the search sorts the groups when it ends.
    auto* item = new QTreeWidgetItem(group, {axis->label});
    m_axisItems[static_cast<std::size_t>(address)] = item;
    SetItemImage(item, axis->image);
}

void CMainFrame::ShowChangedAxis(int address)
{
    const CAxisList::Axis* axis = Axes().Find(address);
    QTreeWidgetItem* item = AxisItem(address);
    if (!axis || !item)
        return;
    item->setText(0, axis->label);
    SetItemImage(item, axis->image);
}

void CMainFrame::ShowRemovedAxis(int address)
{
    if (!CAxisList::IsAddress(address))
        return;
    delete std::exchange(m_axisItems[static_cast<std::size_t>(address)], nullptr);
}

void CMainFrame::OnViewAxisBar()
{
    m_axisBar->setVisible(m_axisBar->isHidden());
    OnUpdateViewAxisBar();
}

void CMainFrame::OnUpdateViewAxisBar()
{
    if (QAction* action = CommandAction(CCommandId::kViewAxisBar); action && m_axisBar)
        action->setChecked(!m_axisBar->isHidden());
}

// ---- menus and language ------------------------------------------------------------------

CMenuBuilder::ActionLookup CMainFrame::MenuActionLookup()
{
    return [this](int command) {
        QAction* action = CommandAction(command);
        return action ? action : CCommandActions::Create(this, command);
    };
}

void CMainFrame::BuildMenu(int menuId)
{
    if (CMenuTable::Menu(static_cast<unsigned>(menuId)).empty())
        menuId = CMenuTable::kMainMenu;
    const auto items = CMenuTable::Menu(static_cast<unsigned>(menuId));
    auto built = m_menus.find(menuId);
    if (built == m_menus.end()) {
        built = m_menus
                    .emplace(menuId, CMenuBuilder::Build(*menuBar(), items, m_app.Language(),
                                                         MenuActionLookup()))
                    .first;
    } else {
        // The texts of commands that several menus share are those of the menu shown.
        CMenuBuilder::Retext(built->second, items, m_app.Language(), MenuActionLookup());
    }
    if (menuId != m_menuId || menuBar()->actions().isEmpty())
        CMenuBuilder::Show(*menuBar(), built->second);
    m_menuId = menuId;
    UpdateRecentFileMenu();
}

void CMainFrame::UpdateRecentFileMenu()
{
    // The list stands in the File menu of every built menu.
    QAction* first = CommandAction(CCommandId::kFileMru1);
    QList<QMenu*> menus;
    const QList<QObject*> owners = first->associatedObjects();
    for (QObject* owner : owners) {
        if (auto* menu = qobject_cast<QMenu*>(owner))
            menus.append(menu);
    }
    for (int i = 1; i < kRecentSlots; ++i) {
        QAction* action = CommandAction(CCommandId::kFileMru1 + i);
        action->setEnabled(false);
        for (QMenu* menu : menus)
            menu->removeAction(action);
    }
    const CRecentFileList& recent = Documents().RecentFiles();
    if (recent.IsEmpty()) {
        // The place of the list shows its name, greyed.
        first->setText(CMenuTable::CommandName(CCommandId::kFileMru1, m_app.Language()));
        first->setEnabled(false);
        return;
    }
    QAction* previous = nullptr;
    for (int i = 0; i < std::min(recent.Count(), kRecentSlots); ++i) {
        QAction* action = CommandAction(CCommandId::kFileMru1 + i);
        action->setText(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(recent.At(i))));
        action->setEnabled(true);
        for (QMenu* menu : menus) {
            if (!previous)
                break;
            const QList<QAction*> items = menu->actions();
            menu->insertAction(items.value(items.indexOf(previous) + 1), action);
        }
        previous = action;
    }
}

void CMainFrame::ReloadMenu()
{
    BuildMenu(m_menuId);
    menuBar()->update();
    UpdateToolTips();
    SetPaneText(PaneMessage, m_app.LoadResString(CStringIds::kIdsIdle));
    if (m_rootItem)
        m_rootItem->setText(0, m_app.LoadResString(CStringIds::kIdsTreeRoot));
}

void CMainFrame::OnActiveFrameChanged(CMdiChildFrame* frame)
{
    int menuId = CMenuTable::kMainMenu;
    if (CDocument* document = frame ? frame->GetActiveDocument() : nullptr) {
        menuId = document->GetDefaultMenu();
        if (menuId == 0 && document->GetDocTemplate())
            menuId = document->GetDocTemplate()->MenuId();
    }
    if (CMenuTable::Menu(static_cast<unsigned>(menuId)).empty())
        menuId = CMenuTable::kMainMenu;
    if (menuId != m_menuId)
        BuildMenu(menuId);
    UpdateCommandStates();
    FollowFrameTitle(frame);
}

void CMainFrame::FollowFrameTitle(CMdiChildFrame* frame)
{
    if (m_titledFrame)
        disconnect(m_titledFrame, &QWidget::windowTitleChanged, this,
                   &CMainFrame::OnUpdateFrameTitle);
    m_titledFrame = frame;
    if (frame)
        connect(frame, &QWidget::windowTitleChanged, this, &CMainFrame::OnUpdateFrameTitle);
    OnUpdateFrameTitle();
}

void CMainFrame::OnUpdateFrameTitle()
{
    const QString title = m_app.LoadResString(CStringIds::kIdsAppTitle);
    setWindowTitle(m_titledFrame ? title + QStringLiteral(" - ") + m_titledFrame->windowTitle()
                                 : title);
}

// ---- document windows --------------------------------------------------------------------

QList<CMdiChildFrame*> CMainFrame::ChildFrames() const
{
    QList<CMdiChildFrame*> frames;
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList(QMdiArea::StackingOrder);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (auto* frame = qobject_cast<CMdiChildFrame*>(*it))
            frames.append(frame);
    }
    return frames;
}

CTarnlinkView* CMainFrame::ParameterViewOf(QMdiSubWindow* window)
{
    return CTarnlinkView::Of(window);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // A project being saved or transmitted finishes first.
    if (m_projectCommandsBlocked || !Documents().CloseAllDocuments()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            m_app.OpenDocumentFile(url.toLocalFile());
    }
    event->acceptProposedAction();
}
