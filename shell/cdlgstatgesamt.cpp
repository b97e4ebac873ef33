#include "shell/cdlgstatgesamt.h"

#include "bus/cbusport.h"
#include "controls/busyblocks/cbusyblocksctrl.h"
#include "pages/cdevicetype.h"
#include "pages/cledpictures.h"
#include "pages/cpagehost.h"
#include "pages/creplyvalue.h"
#include "platform/ccontrolids.h"
#include "res/cstringids.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kAxesGroup = 1181;
constexpr int kNameHeading = 1182;
constexpr int kTemperatureHeading = 1183;
constexpr int kSelectionGroup = 1184;
constexpr int kLamps = 4;
constexpr int kBarUpper = 1000;
constexpr int kBarBlocks = 5;
constexpr int kBarWidth = 120;
constexpr int kBarHeight = 16;

const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 233, 37);
const QColor kRed(255, 0, 0);

// An LQN with firmware below 1.0 reports a current fault as an overtemperature too.
bool IsOldLqn(const QString& version)
{
    if (CDeviceType::NamedIn(version) != DeviceType::Lqn)
        return false;
    bool number = false;
    const double firmware = CReplyValue::Tail(version, 4).trimmed().toDouble(&number);
    return number && firmware < 1.0;
}

} // namespace

CDlgStatGesamt::CDlgStatGesamt(CPageHost& host, QWidget* parent) : CDialog(parent), m_host(host)
{
    m_pollTimer.setInterval(kPollMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &CDlgStatGesamt::OnTimer);
    BuildControls();
}

CDlgStatGesamt::~CDlgStatGesamt()
{
    m_pollTimer.stop();
}

void CDlgStatGesamt::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* axes = CControlIds::Make<QGroupBox>(this, kAxesGroup);
    auto* grid = new QGridLayout(axes);
    grid->addWidget(CControlIds::Make<QLabel>(axes, kNameHeading), 0, 1);
    for (const char* heading : {"Ok", "<V", "°C", "Cur"})
        grid->addWidget(new QLabel(QString::fromUtf8(heading), axes), 0, grid->columnCount());
    grid->addWidget(CControlIds::Make<QLabel>(axes, kTemperatureHeading), 0, 2 + kLamps, 1, 2);
    for (int row = 0; row < kRows; ++row) {
        grid->addWidget(CControlIds::Make<QLabel>(axes, kFirstAddressLabel + row), row + 1, 0);
        grid->addWidget(CControlIds::Make<QLabel>(axes, kFirstName + row), row + 1, 1);
        for (int lamp = 0; lamp < kLamps; ++lamp)
            grid->addWidget(CControlIds::Make<QLabel>(axes, kFirstLamp + kLamps * row + lamp),
                            row + 1, 2 + lamp);
        auto* bar = CControlIds::Make<CBusyBlocksCtrl>(axes, kFirstBar + row);
        bar->setMinimumSize(kBarWidth, kBarHeight);
        bar->setMaximumHeight(kBarHeight);
        grid->addWidget(bar, row + 1, 2 + kLamps);
        grid->addWidget(CControlIds::Make<QLabel>(axes, kFirstTemperature + row), row + 1,
                        3 + kLamps);
    }
    layout->addWidget(axes);

    auto* selection = CControlIds::Make<QGroupBox>(this, kSelectionGroup);
    auto* radios = new QHBoxLayout(selection);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto* radio = CControlIds::Make<QRadioButton>(selection, kFirstRadio + i);
        group->addButton(radio, kFirstRadio + i);
        radios->addWidget(radio);
    }
    connect(group, &QButtonGroup::idClicked, this,
            [this](int id) { ShowPage((id - kFirstRadio) * kRows); });
    layout->addWidget(selection);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

CBusyBlocksCtrl* CDlgStatGesamt::Bar(int row) const
{
    return CControlIds::Find<CBusyBlocksCtrl>(this, kFirstBar + row);
}

QLabel* CDlgStatGesamt::Label(int id) const
{
    return CControlIds::Find<QLabel>(this, id);
}

int CDlgStatGesamt::LampImage(int row, int column) const
{
    return CLedPictures::Shown(Label(kFirstLamp + kLamps * row + column));
}

QColor CDlgStatGesamt::TemperatureColour(int tenths)
{
    if (tenths < 600)
        return kGreen;
    if (tenths < 800)
        return kYellow;
    return kRed;
}

QString CDlgStatGesamt::Address(int row) const
{
    return QString::asprintf("%X", m_pageBase + row);
}

void CDlgStatGesamt::OnInitDialog()
{
    for (int row = 0; row < kRows; ++row) {
        CLedPictures::Show(Label(kFirstLamp + kLamps * row), CLedPictures::kGreenOff);
        for (int lamp = 1; lamp < kLamps; ++lamp)
            CLedPictures::Show(Label(kFirstLamp + kLamps * row + lamp), CLedPictures::kRedOff);
        CBusyBlocksCtrl* bar = Bar(row);
        bar->SetHighlightFillColour(kGreen);
        bar->SetMode(CBusyBlocksCtrl::kProgress);
        bar->SetRange(0, kBarUpper);
        bar->SetGap(0);
        bar->SetBlockCount(kBarBlocks);
        bar->RecalcLayout();
    }
    const int texts[] = {kAxesGroup, kNameHeading, kTemperatureHeading, kSelectionGroup};
    for (int i = 0; i < 4; ++i) {
        const QString text = m_host.LoadResString(CStringIds::kIdsAxes + unsigned(i));
        if (auto* box = CControlIds::Find<QGroupBox>(this, texts[i]))
            box->setTitle(text);
        else
            Label(texts[i])->setText(text);
        CControlIds::Find<QRadioButton>(this, kFirstRadio + i)
            ->setText(m_host.LoadResString(CStringIds::kIdsFirstRadio + unsigned(i)));
    }
    setWindowTitle(m_host.LoadResString(CStringIds::kIdsStatusOverviewTitle));
    ShowPage(0);
    CControlIds::Find<QRadioButton>(this, kFirstRadio)->setChecked(true);
}

void CDlgStatGesamt::ShowRow(int row, bool shown, bool withTemperature)
{
    m_shown[std::size_t(row)] = shown;
    Label(kFirstName + row)->setVisible(shown);
    for (int lamp = 0; lamp < kLamps; ++lamp)
        Label(kFirstLamp + kLamps * row + lamp)->setVisible(shown);
    Bar(row)->setVisible(shown && withTemperature);
    Label(kFirstTemperature + row)->setVisible(shown && withTemperature);
}

void CDlgStatGesamt::ShowPage(int base)
{
    m_pollTimer.stop();
    m_pageBase = base;
    for (int row = 0; row < kRows; ++row) {
        const int address = base + row;
        Label(kFirstAddressLabel + row)->setText(QString::asprintf("[%02d]", address));
        const int image = m_host.Axes().Image(address);
        QString name;
        QString version;
        // An axis known only from a file, or one that does not answer, is absent.
        const bool present = image >= 0 && image != CPageHost::ImageGrey &&
                             m_host.BusPort().Transact(Address(row), "PN?", &name, true) &&
                             m_host.BusPort().Transact(Address(row), "B?", &version, true);
        m_versions[std::size_t(row)] = present ? version : QString();
        if (present)
            Label(kFirstName + row)->setText(CReplyValue::Text(name, 2));
        // An HWT reports no temperature.
        ShowRow(row, present, CDeviceType::NamedIn(version) != DeviceType::Hwt);
    }
    m_pollTimer.start();
}

void CDlgStatGesamt::OnTimer()
{
    // No tick may start another round while one waits for a stage, or while the message of
    // a stage that stopped answering is open: the box's event loop keeps serving the timer.
    m_pollTimer.stop();
    bool polling = true;
    for (int row = 0; row < kRows; ++row) {
        if (!m_shown[std::size_t(row)])
            continue;
        switch (PollRow(row)) {
        case RowPoll::Done:
            break;
        case RowPoll::TemperatureMissing:
            polling = false;
            break;
        case RowPoll::StateMissing:
            // The port has shown why (a time-out, or a port that is gone): one message, and
            // the overview closes rather than go on asking a bus that does not answer.
            EndDialog(Rejected);
            return;
        }
    }
    if (polling)
        m_pollTimer.start();
}

CDlgStatGesamt::RowPoll CDlgStatGesamt::PollRow(int row)
{
    QString reply;
    if (!m_host.BusPort().Transact(Address(row), "Q", &reply, true))
        return RowPoll::StateMissing;
    const QString state = CReplyValue::Text(reply, 1);
    const bool current = state == QStringLiteral("3");
    const bool oldLqn = IsOldLqn(m_versions[std::size_t(row)]);
    const bool lit[kLamps] = {state == QStringLiteral("0"), state == QStringLiteral("1"),
                              state == QStringLiteral("2") || (oldLqn && current), current};
    for (int lamp = 0; lamp < kLamps; ++lamp)
        CLedPictures::Switch(Label(kFirstLamp + kLamps * row + lamp),
                             lamp == 0 ? CLedPictures::kGreenOff : CLedPictures::kRedOff,
                             lit[lamp]);
    return Bar(row)->isHidden() || ReadTemperature(row) ? RowPoll::Done
                                                        : RowPoll::TemperatureMissing;
}

bool CDlgStatGesamt::ReadTemperature(int row)
{
    QString reply;
    // A failed read leaves the row as it was and ends the refresh until the page changes,
    // without a message.
    if (!m_host.BusPort().Transact(Address(row), "D", &reply, false))
        return false;
    const int tenths = CReplyValue::Int(reply, 1);
    CBusyBlocksCtrl* bar = Bar(row);
    bar->SetHighlightFillColour(TemperatureColour(tenths));
    bar->SetPosition(tenths);
    Label(kFirstTemperature + row)
        ->setText(QString::asprintf("%.1f", tenths / 10.0) + QStringLiteral(" °C"));
    return true;
}

void CDlgStatGesamt::done(int result)
{
    m_pollTimer.stop();
    CDialog::done(result);
}
