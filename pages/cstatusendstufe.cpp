#include "pages/cstatusendstufe.h"

#include "bus/cbusport.h"
#include "bus/creplytimeouts.h"
#include "controls/busyblocks/cbusyblocksctrl.h"
#include "pages/cledpictures.h"
#include "pages/cpagehost.h"
#include "pages/creplyvalue.h"
#include "pages/cstagestatus.h"
#include "platform/ccontrolids.h"
#include "platform/csleepservice.h"
#include "res/cstringids.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using Status = CStageStatus;

// The stage needs this long after a reset before it answers again.
constexpr int kResetSettleMs = 2500;

constexpr int kBarWidth = 160;
constexpr int kBarHeight = 16;

struct BarSetup {
    int id;
    int upper;
    int blocks;
};
constexpr BarSetup kBars[] = {
    {CStatusEndstufe::kTemperatureBar, 100, 10},
    {CStatusEndstufe::kVoltageBar, 90, 9},
    {CStatusEndstufe::kCurrentBar, 80, 8},
};

constexpr int kStateLamps[4] = {CStatusEndstufe::kReadyLamp, CStatusEndstufe::kUndervoltageLamp,
                                CStatusEndstufe::kOvertemperatureLamp,
                                CStatusEndstufe::kShortCircuitLamp};
constexpr int kTestButtons[4] = {CStatusEndstufe::kTurnPlusButton,
                                 CStatusEndstufe::kTurnMinusButton, CStatusEndstufe::kSetHomeButton,
                                 CStatusEndstufe::kResetButton};

enum ScaleIndex { TemperatureScale, VoltageScale, CurrentScale };

QLineEdit* MakeValueEdit(QWidget* parent, int id)
{
    auto* edit = CControlIds::Make<QLineEdit>(parent, id);
    edit->setReadOnly(true);
    return edit;
}

QColor ColourOf(Status::BarColour colour)
{
    switch (colour) {
    case Status::BarColour::Green:
        return CStatusEndstufe::kGreen;
    case Status::BarColour::Yellow:
        return CStatusEndstufe::kYellow;
    case Status::BarColour::Red:
        return CStatusEndstufe::kRed;
    }
    return CStatusEndstufe::kRed;
}

} // namespace

CStatusEndstufe::CStatusEndstufe(CPageHost& host, QWidget* parent) : CDialog(parent), m_host(host)
{
    m_scales.fill(Status::kDefaultScale);
    m_pollTimer.setInterval(kPollMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &CStatusEndstufe::OnTimer);
    BuildControls();
}

CStatusEndstufe::~CStatusEndstufe()
{
    m_pollTimer.stop();
}

void CStatusEndstufe::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* versions = new QGridLayout;
    versions->addWidget(CControlIds::Make<QLabel>(this, kSoftwareLabel), 0, 0);
    versions->addWidget(MakeValueEdit(this, kSoftwareEdit), 0, 1);
    auto* fpgaLabel = CControlIds::Make<QLabel>(this, kFpgaLabel);
    fpgaLabel->setText(QStringLiteral("Endstufen - FPGA Version:"));
    versions->addWidget(fpgaLabel, 1, 0);
    versions->addWidget(MakeValueEdit(this, kFpgaEdit), 1, 1);
    layout->addLayout(versions);

    auto* status = CControlIds::Make<QGroupBox>(this, kStatusGroup);
    auto* grid = new QGridLayout(status);
    const int measureRows[3][3] = {{kTemperatureLabel, kTemperatureBar, kTemperatureEdit},
                                   {kVoltageLabel, kVoltageBar, kVoltageEdit},
                                   {kCurrentLabel, kCurrentBar, kCurrentEdit}};
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(CControlIds::Make<QLabel>(status, measureRows[row][0]), row, 0);
        auto* bar = CControlIds::Make<CBusyBlocksCtrl>(status, measureRows[row][1]);
        bar->setMinimumSize(kBarWidth, kBarHeight);
        bar->setMaximumHeight(kBarHeight);
        grid->addWidget(bar, row, 1);
        grid->addWidget(MakeValueEdit(status, measureRows[row][2]), row, 2);
    }
    auto* lamps = new QGridLayout;
    const auto addLamp = [status, lamps](int lamp, int label, int row, int column) {
        lamps->addWidget(CControlIds::Make<QLabel>(status, lamp), row, column * 2);
        lamps->addWidget(CControlIds::Make<QLabel>(status, label), row, column * 2 + 1);
    };
    for (int i = 0; i < 4; ++i)
        addLamp(kStateLamps[i], kStateLabels[i], i / 2, i % 2);
    addLamp(kOutputLamp, kOutputLabel, 2, 0);
    addLamp(kInputLamp, kInputLabel, 2, 1);
    grid->addLayout(lamps, 3, 0, 1, 3);
    grid->addWidget(CControlIds::Make<QLabel>(status, kStatusWordLabel), 4, 0);
    grid->addWidget(MakeValueEdit(status, kStatusWordEdit), 4, 1, 1, 2);
    layout->addWidget(status);

    auto* tests = CControlIds::Make<QGroupBox>(this, kTestGroup);
    auto* testRow = new QHBoxLayout(tests);
    void (CStatusEndstufe::*handlers[4])() = {
        &CStatusEndstufe::OnBnClickedTurnPlus, &CStatusEndstufe::OnBnClickedTurnMinus,
        &CStatusEndstufe::OnBnClickedSetHome, &CStatusEndstufe::OnBnClickedReset};
    for (int i = 0; i < 4; ++i) {
        auto* button = CControlIds::Make<QPushButton>(tests, kTestButtons[i]);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handlers[i]);
        testRow->addWidget(button);
    }
    layout->addWidget(tests);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

CBusyBlocksCtrl* CStatusEndstufe::Bar(int id) const
{
    return CControlIds::Find<CBusyBlocksCtrl>(this, id);
}

QLineEdit* CStatusEndstufe::Edit(int id) const
{
    return CControlIds::Find<QLineEdit>(this, id);
}

QLabel* CStatusEndstufe::Lamp(int id) const
{
    return CControlIds::Find<QLabel>(this, id);
}

int CStatusEndstufe::LampImage(int id) const
{
    return CLedPictures::Shown(Lamp(id));
}

// ---- set-up --------------------------------------------------------------------------------

void CStatusEndstufe::OnInitDialog()
{
    SetCaptions();
    SetUpBars();
    CLedPictures::Show(Lamp(kReadyLamp), CLedPictures::kGreenOff);
    for (int lamp : {kUndervoltageLamp, kOvertemperatureLamp, kShortCircuitLamp})
        CLedPictures::Show(Lamp(lamp), CLedPictures::kRedOff);
    for (int lamp : {kOutputLamp, kInputLamp})
        CLedPictures::Show(Lamp(lamp), CLedPictures::kYellowOff);
    ApplyLayout();

    QString reply;
    if (!Ask("B?", &reply)) {
        EndDialog(Rejected);
        return;
    }
    Edit(kSoftwareEdit)->setText(CReplyValue::Text(reply, 1));
    if (m_deviceType == DeviceType::DrqPlus || m_deviceType == DeviceType::Uqt ||
        m_deviceType == DeviceType::VnePlus) {
        if (!Ask("BF?", &reply)) {
            EndDialog(Rejected);
            return;
        }
        Edit(kFpgaEdit)->setText(Status::FpgaVersion(m_deviceType, reply));
    }
    // Without its scales the dialog stays open but does not poll.
    if (!ReadScales())
        return;
    if (!RefreshStatus()) {
        EndDialog(Rejected);
        return;
    }
    m_pollTimer.start();
}

void CStatusEndstufe::SetCaptions()
{
    for (int id = kFirstCaption; id <= kLastCaption; ++id) {
        QString text = m_host.LoadResString(unsigned(id) + kCaptionStringOffset);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QWidget* control = CControlIds::Find(this, id);
        if (auto* button = qobject_cast<QPushButton*>(control))
            button->setText(text);
        else if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(text);
        else if (auto* group = qobject_cast<QGroupBox*>(control))
            group->setTitle(text);
    }
    setWindowTitle(m_host.LoadResString(CStringIds::kIdsStageStatusTitle));
    Edit(kFpgaEdit)->setText(Status::kNotAvailable);
}

void CStatusEndstufe::SetUpBars()
{
    for (const BarSetup& setup : kBars) {
        CBusyBlocksCtrl* bar = Bar(setup.id);
        bar->SetMode(CBusyBlocksCtrl::kProgress);
        bar->SetRange(0, setup.upper);
        bar->SetBlockCount(setup.blocks);
        bar->SetHighlightFillColour(kGreen);
        bar->RecalcLayout();
    }
}

void CStatusEndstufe::ApplyLayout()
{
    const Status::Layout layout = Status::LayoutFor(m_deviceType, m_firmware);
    for (int id : layout.hidden)
        CControlIds::Find(this, id)->hide();
    for (int id : layout.disabled)
        CControlIds::Find(this, id)->setEnabled(false);
    // The dialog closes up around hidden rows.
    adjustSize();
}

bool CStatusEndstufe::ReadScales()
{
    if (!Status::AsksScales(m_deviceType, m_host.BusPort().Interface() == BusInterface::Can))
        return true;
    const char* queries[3] = {"DS?", "VS?", "IS?"};
    for (int i = 0; i < 3; ++i) {
        QString reply;
        if (!Ask(queries[i], &reply))
            return false;
        m_scales[std::size_t(i)] = Status::Scale(reply);
    }
    return true;
}

// ---- transactions --------------------------------------------------------------------------

bool CStatusEndstufe::Ask(const QByteArray& command, QString* reply)
{
    return m_host.BusPort().Transact(m_address, command, reply, true);
}

bool CStatusEndstufe::AskWithTimeout(const QByteArray& command, std::uint32_t timeoutMs)
{
    QString reply;
    return m_host.BusPort().Transact(m_address, command, &reply, true, timeoutMs);
}

// ---- poll ----------------------------------------------------------------------------------

void CStatusEndstufe::OnTimer()
{
    // No tick may start another poll while this one waits, or while the message of a
    // failed read is open: the box's own event loop keeps serving the timer.
    m_pollTimer.stop();
    if (RefreshStatus())
        m_pollTimer.start();
    else
        EndDialog(Rejected);
}

void CStatusEndstufe::done(int result)
{
    m_pollTimer.stop();
    CDialog::done(result);
}

bool CStatusEndstufe::RefreshStatus()
{
    if (m_host.BusPort().NoAnswer())
        return false;
    switch (m_deviceType) {
    case DeviceType::Kev:
    case DeviceType::Hwk:
        if (!ReadVoltage() || !ReadCurrent() || !ReadTemperature() || !ReadLevels())
            return false;
        break;
    case DeviceType::Lqn:
    case DeviceType::Hvr:
    case DeviceType::DrqPlus:
    case DeviceType::Uqt:
    case DeviceType::Drq2Plus:
        if (Status::IsNewLqn(m_deviceType, m_firmware))
            break;
        if (!ReadTemperature() || (m_deviceType != DeviceType::Uqt && !ReadVoltage()))
            return false;
        break;
    case DeviceType::Hwt:
    case DeviceType::VnePlus:
        break;
    }
    if (!ReadState())
        return false;
    if (m_deviceType == DeviceType::DrqPlus && !ReadLock())
        return false;
    return ReadStatusWord();
}

void CStatusEndstufe::ShowMeasure(int bar, int edit, int raw, std::optional<int> scale,
                                  const QString& unit, const QColor& colour)
{
    CBusyBlocksCtrl* display = Bar(bar);
    if (!scale) {
        // A stage whose scale could not be read shows no value rather than a wrong one.
        display->SetPosition(0);
        Edit(edit)->setText(Status::kNotAvailable);
        return;
    }
    display->SetHighlightFillColour(colour);
    display->SetPosition(raw / *scale);
    Edit(edit)->setText(QString::asprintf("%.1f", double(raw) / *scale) + unit);
}

bool CStatusEndstufe::ReadVoltage()
{
    QString reply;
    if (!Ask("V", &reply))
        return false;
    const int raw = CReplyValue::Int(reply, 1);
    // A stage that reports 0 has no measure yet: the display keeps what it showed.
    if (raw != 0) {
        const std::optional<int> scale = m_scales[VoltageScale];
        ShowMeasure(kVoltageBar, kVoltageEdit, raw, scale, QStringLiteral(" V"),
                    ColourOf(Status::VoltageColour(m_deviceType, raw, scale.value_or(1))));
    }
    return true;
}

bool CStatusEndstufe::ReadCurrent()
{
    QString reply;
    if (!Ask("I", &reply))
        return false;
    const int raw = CReplyValue::Int(reply, 1);
    // The current comes in tenths of an ampere, whatever the stage's current scale.
    Bar(kCurrentBar)->SetPosition(raw);
    Edit(kCurrentEdit)->setText(QString::asprintf("%.1f", raw / 10.0) + QStringLiteral(" A"));
    return true;
}

bool CStatusEndstufe::ReadTemperature()
{
    QString reply;
    if (!Ask("D", &reply))
        return false;
    const int raw = CReplyValue::Int(reply, 1);
    if (raw != 0) {
        const std::optional<int> scale = m_scales[TemperatureScale];
        ShowMeasure(kTemperatureBar, kTemperatureEdit, raw, scale, QStringLiteral(" °C"),
                    ColourOf(Status::TemperatureColour(raw, scale.value_or(1))));
    }
    return true;
}

bool CStatusEndstufe::ReadLevels()
{
    const std::pair<const char*, int> levels[2] = {{"PO", kOutputLamp}, {"PE", kInputLamp}};
    for (const auto& [command, lamp] : levels) {
        QString reply;
        if (!Ask(command, &reply))
            return false;
        CLedPictures::Switch(Lamp(lamp), CLedPictures::kYellowOff,
                             CReplyValue::Text(reply, 2) == QStringLiteral("1"));
    }
    return true;
}

bool CStatusEndstufe::ReadState()
{
    QString reply;
    if (!Ask("Q", &reply))
        return false;
    const std::array<bool, 4> lit =
        Status::StateLamps(CReplyValue::Text(reply, 1), Status::IsNewLqn(m_deviceType, m_firmware));
    CLedPictures::Switch(Lamp(kReadyLamp), CLedPictures::kGreenOff, lit[0]);
    for (int i = 1; i < 4; ++i)
        CLedPictures::Switch(Lamp(kStateLamps[i]), CLedPictures::kRedOff, lit[std::size_t(i)]);
    return true;
}

bool CStatusEndstufe::ReadLock()
{
    QString reply;
    if (!Ask("PS?", &reply))
        return false;
    // A stage whose parameters are locked takes no tests either.
    const bool free = reply != QStringLiteral("ps0");
    for (int id : kTestButtons)
        CControlIds::Find(this, id)->setEnabled(free);
    return true;
}

bool CStatusEndstufe::ReadStatusWord()
{
    QString reply;
    if (!Ask("FH", &reply))
        return false;
    Edit(kStatusWordEdit)->setText(CReplyValue::Text(reply, 2));
    return true;
}

// ---- test functions ------------------------------------------------------------------------

void CStatusEndstufe::Turn(const QByteArray& command)
{
    // The long revolution runs with every poll stopped, so nothing else reaches the bus.
    m_pollTimer.stop();
    m_host.StopAxisPoll();
    AskWithTimeout(command, CReplyTimeouts::kTurn);
    m_pollTimer.start();
    m_host.StartAxisPoll();
}

void CStatusEndstufe::OnBnClickedTurnPlus()
{
    Turn("Z+");
}

void CStatusEndstufe::OnBnClickedTurnMinus()
{
    Turn("Z-");
}

void CStatusEndstufe::OnBnClickedSetHome()
{
    QString reply;
    Ask("J", &reply);
}

void CStatusEndstufe::OnBnClickedReset()
{
    m_reset = true;
    AskWithTimeout("C", CReplyTimeouts::kReset);
    m_host.Sleeper().Sleep(kResetSettleMs);
}
