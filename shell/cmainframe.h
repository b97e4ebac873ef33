// The main window: the MDI area for the axis and project windows, the main and bus
// toolbars, the status bar with the interface state, and the power-stage bar whose tree
// shows the application's axis list under one group per device type. At creation it opens
// the bus interface from the stored settings.
#pragma once

#include "pages/cpagehost.h"
#include "shell/cmenubuilder.h"

#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <map>

class CDocManager;
class CKeyIndicators;
class CMdiChildFrame;
class CMyBar;
class CTarnlinkApp;
class CTarnlinkView;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QProgressBar;
class QPushButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kAddressSlots = CPageHost::kAddressSlots;
    static constexpr int kAxisBarId = 123;
    // The status timer, every kStatusPollMs: the status poll of every listed axis.
    static constexpr int kStatusPollMs = 2000;
    static constexpr int kCancelSearchId = 1096;
    // The picture index of a tree item.
    static constexpr int kImageRole = Qt::UserRole + 1;
    using enum CAxisList::AxisImage;
    enum StatusPane {
        PaneMessage = 0,
        PaneProgress,
        PaneCancel,
        PaneSpare,
        PaneInterface,
        PaneCaps,
        PaneNum,
        PaneScroll,
        PaneCount
    };

    explicit CMainFrame(CTarnlinkApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Builds the bars, opens the interface and builds the tree; false when a bar could
    // not be made.
    bool OnCreate();

    QMdiArea* MdiArea() const { return m_mdiArea; }
    QAction* CommandAction(int command) const;

    // Status bar.
    QLabel* Pane(int pane) const;
    QString PaneText(int pane) const;
    void SetPaneText(int pane, const QString& text);
    // Panes 5-7, the lock keys.
    CKeyIndicators* KeyIndicators() const { return m_keyIndicators; }
    // Pane 4 after opening the serial port or the CAN adapter.
    void ShowSerialState();
    void ShowCanState(bool connected);
    static QString CanRateName(int index);

    // The power-stage tree.
    CMyBar* AxisBar() const { return m_axisBar; }
    QTreeWidget* TreeCtrl() const;
    QTreeWidgetItem* RootItem() const { return m_rootItem; }
    QTreeWidgetItem* GroupItem(DeviceType type) const;
    // The item that shows the axis at bus address `address` (0..31); null when the axis
    // list holds none there.
    QTreeWidgetItem* AxisItem(int address) const;
    // The bus address whose axis `item` shows; -1 for the root, a group or none.
    int AddressOf(const QTreeWidgetItem* item) const;
    // The picture of an item: the root's and the groups' set here, an axis's follows the
    // axis list. The index is kept in the item under kImageRole.
    void SetItemImage(QTreeWidgetItem* item, int image) const;
    static int ItemImage(const QTreeWidgetItem* item);
    // Opens the branches that hold axes, and the root above them.
    void OpenAxisBranches();
    QIcon TreeIcon(int image) const { return m_treeIcons.value(image); }

    // The document windows, topmost first.
    QList<CMdiChildFrame*> ChildFrames() const;
    // The parameter view of `window`; null for any other window, a project window too.
    static CTarnlinkView* ParameterViewOf(QMdiSubWindow* window);

    // After a language switch: the menu in the new language, the tree root renamed.
    void ReloadMenu();

    // Command handlers of the frame.
    void OnViewAxisBar();
    void OnUpdateViewAxisBar();
    void OnInterfaceParameters();
    void OnSearch();
    void OnCancelSearch();
    void OnReset();
    void OnMonitor();
    void OnStatusOverview();
    // Double-click in the tree: opens or activates the window of the selected axis.
    void OnTreeNotify();

    bool IsSearchRunning() const { return !m_searchProgress.isNull(); }
    // The progress of saving or transmitting a project: `message` in pane 0 and a bar over
    // pane 1 that runs from 1 to `steps`; the end puts "Ready" back.
    void BeginProjectProgress(const QString& message, int steps);
    void StepProjectProgress();
    void EndProjectProgress();
    // While a project is saved or transmitted, the commands that would change the tree, the
    // bus or the open windows under it are off.
    void BlockProjectCommands(bool block);
    bool ProjectCommandsBlocked() const { return m_projectCommandsBlocked; }
    // For the time of a project save or transfer: the status poll stopped, so
    // that it can neither drop the axis being worked on nor start a search, and the
    // blocking commands off; both as they were afterwards.
    class ProjectRun {
    public:
        explicit ProjectRun(CMainFrame& frame);
        ~ProjectRun();
        ProjectRun(const ProjectRun&) = delete;
        ProjectRun& operator=(const ProjectRun&) = delete;

    private:
        QPointer<CMainFrame> m_frame;
        bool m_polling;
    };
    // The status poll's timer.
    QTimer& StatusTimer() { return m_statusTimer; }
    void OnStatusPoll();

    bool m_cancelSearch = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateCommands();
    void CreateWindowKeys();
    void ConnectCommands();
    void ConnectDocumentCommands();
    bool CreateToolBars();
    bool CreateStatusBar();
    void OpenInterface();
    bool CreateAxisBar();
    void CreateTree();
    void DockControlBarLeftOf(QToolBar* bar, QToolBar* leftOf);
    // Shows menu `menuId` (the main menu for one the table lacks), built on first use.
    void BuildMenu(int menuId);
    CMenuBuilder::ActionLookup MenuActionLookup();
    void UpdateRecentFileMenu();
    void UpdateToolTips();
    void OnActiveFrameChanged(CMdiChildFrame* frame);
    // The frame's title names the active window, and follows that window's title.
    void FollowFrameTitle(CMdiChildFrame* frame);
    void OnUpdateFrameTitle();
    void UpdateCommandStates();
    void ToggleBar(QWidget* bar, int command);
    CDocManager& Documents() const;
    void ResetAxisItemsForSearch();
    void StartSearchControls();
    void EndSearchControls();
    QProgressBar* CreatePaneProgress(int minimum, int maximum);
    void ArrangeIcons();
    bool ProbeAddress(int address, bool* stopNow, bool* found);
    void FinishSearch(bool found);
    void DropUnansweredAxis(int address);
    // The tree follows the axis list.
    void ShowAddedAxis(int address);
    void ShowChangedAxis(int address);
    void ShowRemovedAxis(int address);
    CAxisList& Axes() const;

    CTarnlinkApp& m_app;
    QMdiArea* m_mdiArea = nullptr;
    QToolBar* m_mainToolBar = nullptr;
    QToolBar* m_busToolBar = nullptr;
    std::array<QLabel*, PaneCount> m_panes{};
    CKeyIndicators* m_keyIndicators = nullptr;
    CMyBar* m_axisBar = nullptr;
    QList<QIcon> m_treeIcons;
    QTreeWidgetItem* m_rootItem = nullptr;
    std::array<QTreeWidgetItem*, CDeviceType::kCount> m_groupItems{}; // by type number
    std::array<QTreeWidgetItem*, kAddressSlots> m_axisItems{};
    int m_menuId = 0;
    std::map<int, CMenuBuilder::Menus> m_menus;
    QTimer m_statusTimer;
    QPointer<QProgressBar> m_searchProgress;
    QPointer<QPushButton> m_searchCancel;
    QPointer<QProgressBar> m_projectProgress;
    bool m_projectCommandsBlocked = false;
    // Held as a widget: the window may be on its way out when the frame hears of it.
    QPointer<QWidget> m_titledFrame;
};
