// The main frame's work on the bus: the search that fills the axis list, the status poll
// that keeps the axes' lamps current, the reset of all axes, opening an axis by
// double-click, and the interface-parameter sheet.
#include "shell/cmainframe.h"

#include "bus/creplytimeouts.h"
#include "controls/dockingbar/cmybar.h"
#include "pages/creplyvalue.h"
#include "pages/ctarnlinkview.h"
#include "platform/ccontrolids.h"
#include "platform/cmdichildframe.h"
#include "platform/cpropertysheet.h"
#include "res/cstringids.h"
#include "shell/ccansettings.h"
#include "shell/cdlginterface.h"
#include "shell/cdlgmonitor.h"
#include "shell/cdlgstatgesamt.h"
#include "shell/ctarnlinkapp.h"

#include <QLabel>
#include <QMdiArea>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace {

constexpr int kResetSettleMs = 2500;

QString AddressText(int address)
{
    return QString::number(address, 16).toUpper();
}

// The reply's value behind its echoed command letter, read as every stage value is: a
// trailing character that is no digit ends the number rather than making it 0.
int StatusWord(const QString& reply)
{
    return CReplyValue::Int(reply, 1);
}

} // namespace

// ---- bus search ------------------------------------------------------------------------------

void CMainFrame::OnSearch()
{
    // A project being saved or transmitted holds on to the listed axes.
    if (IsSearchRunning() || m_projectCommandsBlocked)
        return;
    m_cancelSearch = false;
    SetPaneText(PaneMessage, m_app.LoadResString(CStringIds::kIdsSearching));
    StartSearchControls();
    m_statusTimer.stop();
    ResetAxisItemsForSearch();

    const QPointer<CMainFrame> self(this);
    bool found = false;
    for (int address = 0; address < m_app.m_addressCount; ++address) {
        // Each address is probed quickly; the port waits the default again after it.
        CBusPort::TimeoutScope probe(m_app.BusPort(), CReplyTimeouts::kSearchProbe);
        if (m_searchProgress)
            m_searchProgress->setValue(m_searchProgress->value() + 1);
        m_app.PumpPendingMessages();
        if (!self)
            return;
        if (m_cancelSearch)
            break;
        bool stopNow = false;
        if (!ProbeAddress(address, &stopNow, &found)) {
            if (stopNow) {
                // The port is closed: nothing more can be learnt from the bus, and the
                // probe's time-out stays as the search left it.
                probe.Keep();
                EndSearchControls();
                return;
            }
            break;
        }
    }
    FinishSearch(found);
}

void CMainFrame::OnCancelSearch()
{
    m_cancelSearch = true;
}

void CMainFrame::StartSearchControls()
{
    m_searchProgress = CreatePaneProgress(1, m_app.m_addressCount + 1);

    QLabel* cancelPane = Pane(PaneCancel);
    m_searchCancel = new QPushButton(QStringLiteral("Abbruch"), cancelPane);
    CControlIds::Set(m_searchCancel, kCancelSearchId);
    m_searchCancel->setFont(QFont(QStringLiteral("MS Shell Dlg"), 8));
    m_searchCancel->setGeometry(cancelPane->rect());
    connect(m_searchCancel, &QPushButton::clicked, this, &CMainFrame::OnCancelSearch);
    m_searchCancel->show();
}

QProgressBar* CMainFrame::CreatePaneProgress(int minimum, int maximum)
{
    QLabel* progressPane = Pane(PaneProgress);
    auto* progress = new QProgressBar(progressPane);
    CControlIds::Set(progress, 1);
    progress->setTextVisible(false);
    // A range that runs backwards (nothing to do) stands still at its start.
    progress->setRange(minimum, std::max(minimum, maximum));
    progress->setValue(minimum);
    progress->setGeometry(progressPane->rect());
    progress->show();
    return progress;
}

void CMainFrame::BeginProjectProgress(const QString& message, int steps)
{
    delete m_projectProgress;
    SetPaneText(PaneMessage, message);
    m_projectProgress = CreatePaneProgress(1, steps);
}

void CMainFrame::StepProjectProgress()
{
    if (m_projectProgress && m_projectProgress->value() < m_projectProgress->maximum())
        m_projectProgress->setValue(m_projectProgress->value() + 1);
}

void CMainFrame::EndProjectProgress()
{
    delete m_projectProgress;
    SetPaneText(PaneMessage, m_app.LoadResString(CStringIds::kIdsIdle));
}

void CMainFrame::EndSearchControls()
{
    delete m_searchProgress;
    delete m_searchCancel;
    SetPaneText(PaneMessage, m_app.LoadResString(CStringIds::kIdsIdle));
}

void CMainFrame::ResetAxisItemsForSearch()
{
    // Offline axes stay; one that was found again last time is offline again until this
    // search finds it once more. Everything else is searched anew.
    CAxisList& axes = Axes();
    for (int address = 0; address < kAddressSlots; ++address) {
        const int image = axes.Image(address);
        if (image < 0 || image == ImageGrey)
            continue;
        if (image == ImageYellow)
            axes.SetImage(address, ImageGrey);
        else
            axes.Remove(address);
    }
}

bool CMainFrame::ProbeAddress(int address, bool* stopNow, bool* found)
{
    CBusPort& port = m_app.BusPort();
    QString version;
    if (!port.Transact(AddressText(address), "B?", &version, false)) {
        *stopNow = !port.IsOpen();
        return !*stopNow;
    }
    QString name;
    if (!port.Transact(AddressText(address), "PN?", &name, true, CReplyTimeouts::kSearchName))
        return false;

    CAxisList& axes = Axes();
    if (axes.Contains(address)) {
        // A file page of the stage's type keeps its axis, found again, with the file's name.
        // An axis that no page holds any more is listed anew as the stage answers.
        if (m_app.IsAxisOfType(version, address) && m_app.PageOfAxis(address)) {
            axes.SetImage(address, ImageYellow);
            return true;
        }
        axes.Remove(address);
    }
    if (const std::optional<DeviceType> type = CDeviceType::NamedIn(version)) {
        axes.Add(address, *type,
                 QStringLiteral("[%1] ").arg(address, 2, 10, QLatin1Char('0')) + name.mid(2),
                 ImageGreen);
        *found = true;
    }
    return true;
}

void CMainFrame::FinishSearch(bool found)
{
    EndSearchControls();
    OpenAxisBranches();
    if (!found)
        return;
    if (m_axisBar->isHidden()) {
        m_axisBar->show();
        OnUpdateViewAxisBar();
    }
    // Labels begin with the two-digit address, so sorting them puts the axes in order.
    for (QTreeWidgetItem* group : m_groupItems)
        group->sortChildren(0, Qt::AscendingOrder);
    m_statusTimer.start();
}

// ---- status poll ---------------------------------------------------------------------------

void CMainFrame::OnStatusPoll()
{
    CBusPort& port = m_app.BusPort();
    CAxisList& axes = Axes();
    for (int address = 0; address < kAddressSlots; ++address) {
        const int image = axes.Image(address);
        if (image < 0)
            continue;
        if (image == ImageGrey)
            return;
        QString reply;
        if (!port.Transact(AddressText(address), "F?", &reply, false)) {
            DropUnansweredAxis(address);
            return;
        }
        // An axis still yellow after its file page went is online, and shows it from now on.
        m_app.SettleAxis(address);
        const int shown = axes.Image(address);
        const int status = StatusWord(reply);
        if ((status & 7) != 0 && shown != ImageRed) {
            m_app.m_rememberedYellow = shown == ImageYellow;
            axes.SetImage(address, ImageRed);
        } else if ((status & 7) == 0 && shown == ImageRed) {
            // Yellow again only for a file page that is still open.
            const bool yellow = m_app.m_rememberedYellow && m_app.PageOfAxis(address);
            axes.SetImage(address, yellow ? ImageYellow : ImageGreen);
        }
    }
}

void CMainFrame::DropUnansweredAxis(int address)
{
    m_statusTimer.stop();
    m_app.ShowMessage(m_app.LoadResString(CStringIds::kIdsAxisTimeout) + QString::number(address) +
                          m_app.LoadResString(CStringIds::kIdsAxisDropped),
                      MbOk);
    // The first window of that axis, from the active one down, goes with it, unasked: what
    // an online page changed is in the stage already.
    const QList<CMdiChildFrame*> frames = ChildFrames();
    const qsizetype active = std::max<qsizetype>(0, frames.indexOf(m_mdiArea->activeSubWindow()));
    for (qsizetype i = active; i < frames.size(); ++i) {
        const CTarnlinkView* view = ParameterViewOf(frames.at(i));
        bool ok = false;
        if (view && view->AddressText().toInt(&ok, 16) == address && ok) {
            frames.at(i)->DeleteWindow();
            break;
        }
    }
    Axes().Remove(address);
    OnSearch();
    m_statusTimer.start();
}

// ---- reset, tree, modal tools ----------------------------------------------------------------

void CMainFrame::OnReset()
{
    m_statusTimer.stop();
    for (int address = 0; address < kAddressSlots; ++address) {
        const int image = Axes().Image(address);
        if (image < 0)
            continue;
        if (image == ImageGrey)
            return;
        QString reply;
        if (!m_app.BusPort().Transact(AddressText(address), "C", &reply, true))
            return;
    }
    m_app.Sleeper().Sleep(kResetSettleMs);
    m_statusTimer.start();
}

void CMainFrame::OnTreeNotify()
{
    const int address = AddressOf(TreeCtrl()->currentItem());
    const CAxisList::Axis* axis = Axes().Find(address);
    if (!axis)
        return;
    // An address beyond those the bus carries opens nothing.
    if (address >= m_app.m_addressCount)
        return;
    QString label = axis->label;
    if (axis->image == ImageGrey) {
        if (label.size() == 4 && label.at(3) == QLatin1Char(']'))
            label += QLatin1Char(' ');
        if (!label.startsWith(QLatin1String("[Offline]")))
            label.prepend(QStringLiteral("[Offline] "));
    }
    m_app.OpenAxisDocument(CPageOpening::ForAxis(AddressText(address), label, axis->type));
}

void CMainFrame::OnMonitor()
{
    m_statusTimer.stop();
    {
        CDlgMonitor dialog(m_app, this);
        dialog.OnInitDialog();
        m_app.ModalRunner().Run(dialog);
    }
    m_statusTimer.start();
}

void CMainFrame::OnStatusOverview()
{
    // The frame's poll stays off while the overview watches the axes: a poll inside one of
    // its messages could start a bus search under the dialog.
    const bool polling = m_statusTimer.isActive();
    m_statusTimer.stop();
    CDlgStatGesamt dialog(m_app, this);
    dialog.DoModal([this](QDialog& d) { return m_app.RunModal(d); });
    if (polling)
        m_statusTimer.start();
}

// ---- interface-parameter sheet ---------------------------------------------------------------

void CMainFrame::OnInterfaceParameters()
{
    CBusPort& port = m_app.BusPort();
    const BusInterface wayBefore = port.Interface();
    CPropertySheet sheet(m_app.LoadResString(CStringIds::kIdsInterfaceCaption), this);
    auto* serial = new CDlgInterface(m_app);
    auto* can = new CCanSettings(m_app);
    sheet.AddPage(serial, QStringLiteral("RS232 / RS485"));
    sheet.AddPage(can, QStringLiteral("CAN"));
    m_statusTimer.stop();

    if (port.Interface() == BusInterface::Serial) {
        sheet.SetActivePage(0);
        if (port.IsOpen()) {
            if (const std::optional<CSerialMode> mode = port.GetCommState())
                serial->LoadLineState(*mode);
            else
                m_app.ShowMessage(QStringLiteral("DCB Error!"), MbOk);
        }
        serial->m_portName = port.PortName();
    } else {
        sheet.SetActivePage(1);
    }

    m_app.m_interfaceSheetOpen = true;
    const int result = m_app.ModalRunner().Run(sheet);
    m_app.m_interfaceSheetOpen = false;
    if (result == QDialog::Accepted && port.Interface() == BusInterface::Serial) {
        if (port.IsOpen())
            port.OpenOrClose(QString(), QString(), false);
        if (port.OpenOrClose(serial->m_portName, serial->m_settings, true)) {
            m_app.Settings().SetActiveCom(serial->m_portName);
            m_app.Settings().SetComParameter(serial->m_settings);
        }
        m_app.Settings().SetAxAddr(port.TwoByteAddress() ? 1 : 0);
        m_app.Settings().SetComType(ComTypeOf(BusInterface::Serial));
        ShowSerialState();
        OnSearch();
    } else if (result == QDialog::Accepted) {
        port.SetTwoByteAddress(true);
        m_app.m_addressCount = 32;
        m_app.Settings().SetAxAddr(1);
        m_app.Settings().SetComType(ComTypeOf(BusInterface::Can));
        port.SetCanBitRate(qMax(0, can->m_selectedIndex));
        const bool connected = port.OpenOrClose(QString(), QString(), true);
        ShowCanState(connected);
        if (connected)
            m_app.Settings().SetCanBaud(can->m_selectedIndex);
        OnSearch();
    } else {
        // Cancel changes nothing: the interface shown last in the sheet does not count, and
        // a port that the sheet's probes and searches left closed or at another rate is
        // opened again with its full settings from before.
        port.SetInterface(wayBefore);
        const QString settings = serial->InitialSettings();
        if (port.IsOpen() && wayBefore == BusInterface::Serial &&
            (port.PortName() != serial->m_portName || port.Settings() != settings))
            port.OpenOrClose(QString(), QString(), false);
        if (!port.IsOpen())
            port.OpenOrClose(serial->m_portName, settings, true);
        // Nor does the short time-out that the sheet's baud-rate search leaves.
        port.SetLastingTimeout(CReplyTimeouts::kDefault);
        m_statusTimer.start();
    }
}
