#include "pages/cdlgstatqel.h"

#include "bus/cbusport.h"
#include "controls/busyblocks/cbusyblocksctrl.h"
#include "pages/cpagehost.h"
#include "pages/creplyvalue.h"
#include "platform/ccontrolids.h"
#include "res/cstringids.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Captions: controls 1135..1143 take the strings from the dialog's first caption on.
constexpr int kGroup = 1135;
constexpr int kVersionLabel = 1136;
constexpr int kMotorLabel = 1137;
constexpr int kReferenceLabel = 1138;
constexpr int kFirstLedLabel = 1139; // inputs 1, 2, outputs 1 to 3
constexpr int kLastCaption = 1143;
constexpr unsigned kCaptionStringOffset = CStringIds::kIdsQelStatusFirstCaption - kGroup;

constexpr int kBarBlocks = 10;
constexpr int kBarWidth = 160;
constexpr int kBarHeight = 16;
constexpr const char* kPictureProperty = "picture";

const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

// Below -100.0 °C a sensor reads too cold, above +200.0 °C too hot.
constexpr int kColdTenths = -1000;
constexpr int kHotTenths = 2000;

} // namespace

CDlgStatQEL::CDlgStatQEL(CPageHost& host, QWidget* parent) : CDialog(parent), m_host(host)
{
    m_pollTimer.setInterval(kPollMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &CDlgStatQEL::OnTimer);
    BuildControls();
}

CDlgStatQEL::~CDlgStatQEL()
{
    m_pollTimer.stop();
}

void CDlgStatQEL::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* group = CControlIds::Make<QGroupBox>(this, kGroup);
    auto* grid = new QGridLayout(group);
    grid->addWidget(CControlIds::Make<QLabel>(group, kVersionLabel), 0, 0);
    auto* version = CControlIds::Make<QLineEdit>(group, kVersionEdit);
    version->setReadOnly(true);
    grid->addWidget(version, 0, 1, 1, 2);
    const int rows[2][3] = {{kMotorLabel, kMotorBar, kMotorEdit},
                            {kReferenceLabel, kReferenceBar, kReferenceEdit}};
    for (int row = 0; row < 2; ++row) {
        grid->addWidget(CControlIds::Make<QLabel>(group, rows[row][0]), row + 1, 0);
        auto* bar = CControlIds::Make<CBusyBlocksCtrl>(group, rows[row][1]);
        bar->setMinimumSize(kBarWidth, kBarHeight);
        bar->setMaximumHeight(kBarHeight);
        grid->addWidget(bar, row + 1, 1);
        auto* edit = CControlIds::Make<QLineEdit>(group, rows[row][2]);
        edit->setReadOnly(true);
        grid->addWidget(edit, row + 1, 2);
    }

    // Inputs in the first column, outputs in the second, limits in the third.
    auto* leds = new QGridLayout;
    const auto place = [this, group, leds](Led led, int row, int column, QLabel* label) {
        auto* lamp = new QLabel(group);
        m_ledLabels[std::size_t(led)] = lamp;
        leds->addWidget(lamp, row, column * 2);
        leds->addWidget(label, row, column * 2 + 1);
    };
    for (int i = 0; i < 5; ++i) {
        const int column = i < 2 ? 0 : 1;
        const int row = i < 2 ? i : i - 2;
        place(Led(Input1 + i), row, column, CControlIds::Make<QLabel>(group, kFirstLedLabel + i));
    }
    for (int i = 0; i < 3; ++i)
        place(Led(Limit1 + i), i, 2, new QLabel(QStringLiteral("Limit %1").arg(i + 1), group));
    grid->addLayout(leds, 3, 0, 1, 3);
    layout->addWidget(group);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

CBusyBlocksCtrl* CDlgStatQEL::Bar(int id) const
{
    return CControlIds::Find<CBusyBlocksCtrl>(this, id);
}

QLineEdit* CDlgStatQEL::Edit(int id) const
{
    return CControlIds::Find<QLineEdit>(this, id);
}

int CDlgStatQEL::LedPicture(Led led) const
{
    return m_ledLabels[std::size_t(led)]->property(kPictureProperty).toInt();
}

void CDlgStatQEL::OnInitDialog()
{
    for (int id = kGroup; id <= kLastCaption; ++id) {
        const QString text = m_host.LoadResString(unsigned(id) + kCaptionStringOffset);
        QWidget* control = CControlIds::Find(this, id);
        if (auto* box = qobject_cast<QGroupBox*>(control))
            box->setTitle(text);
        else if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(text);
    }
    setWindowTitle(m_host.LoadResString(CStringIds::kIdsQelStatusTitle));
    for (int id : {kMotorBar, kReferenceBar}) {
        CBusyBlocksCtrl* bar = Bar(id);
        bar->SetBlockFillColour(kGreen);
        bar->SetMode(CBusyBlocksCtrl::kProgress);
        bar->SetRange(0, kBarUpper);
        bar->SetGap(0);
        bar->RecalcLayout();
        bar->SetBlockCount(kBarBlocks);
        bar->RecalcLayout();
    }
    m_leds.fill(false);
    ShowLeds();
    // A module that does not answer at first leaves what was read and is not asked again.
    if (PollStatus())
        m_pollTimer.start();
}

bool CDlgStatQEL::Ask(const QByteArray& command, QString* reply)
{
    return m_host.BusPort().Transact(m_address, command, reply, true);
}

QColor CDlgStatQEL::BarColour(int tenths)
{
    if (tenths < kColdTenths)
        return kBlue;
    if (tenths > kHotTenths)
        return kRed;
    return kGreen;
}

int CDlgStatQEL::BarPosition(int tenths)
{
    // An open sensor reads far below the bar's end; the bar stops at its ends.
    return int(std::clamp<qint64>(qint64(tenths) + kBarOffset, 0, kBarUpper));
}

bool CDlgStatQEL::ReadTemperature(const QByteArray& command, int bar, int edit)
{
    QString reply;
    if (!Ask(command, &reply))
        return false;
    const int tenths = CReplyValue::Int(reply, 2);
    CBusyBlocksCtrl* display = Bar(bar);
    display->SetBlockFillColour(BarColour(tenths));
    display->SetPosition(BarPosition(tenths));
    Edit(edit)->setText(QString::asprintf("%.1f", tenths / 10.0) + QStringLiteral(" °C"));
    return true;
}

bool CDlgStatQEL::PollStatus()
{
    QString reply;
    if (!Ask("XB", &reply))
        return false;
    Edit(kVersionEdit)->setText(CReplyValue::Text(reply, 2));
    if (!ReadTemperature("XM", kMotorBar, kMotorEdit) ||
        !ReadTemperature("XR", kReferenceBar, kReferenceEdit))
        return false;
    if (!Ask("XE", &reply))
        return false;
    const int inputs = CReplyValue::Int(reply, 2);
    m_leds[Input1] = inputs & 1;
    m_leds[Input2] = inputs & 2;
    if (!Ask("XO", &reply))
        return false;
    // -1: the module reports no outputs.
    const int outputs = CReplyValue::Int(reply, 2);
    for (int n = 0; n < 3; ++n)
        m_leds[std::size_t(Output1 + n)] = outputs != -1 && (outputs & (1 << n));
    // The power stage's status word carries the reached limits in bits 8 to 10.
    if (!Ask("F", &reply))
        return false;
    const int status = CReplyValue::Int(reply, 1);
    for (int n = 0; n < 3; ++n)
        m_leds[std::size_t(Limit1 + n)] = status & (1 << (8 + n));
    ShowLeds();
    return true;
}

void CDlgStatQEL::ShowLeds()
{
    for (int led = 0; led < kLedCount; ++led) {
        const bool on = m_leds[std::size_t(led)];
        int picture = on ? ImageGreen : ImageGrey;
        // A limit is red when reached and green when not.
        if (led >= Limit1)
            picture = on ? ImageRed : ImageGreen;
        QLabel* lamp = m_ledLabels[std::size_t(led)];
        if (lamp->property(kPictureProperty).toInt() == picture && !lamp->pixmap().isNull())
            continue;
        lamp->setPixmap(m_host.TreeImage(picture));
        lamp->setProperty(kPictureProperty, picture);
    }
}

void CDlgStatQEL::OnTimer()
{
    // The timer waits while a poll runs, so the message of a failed read cannot stack
    // further polls. Only a module that stopped answering, or a port that has gone, ends the
    // polling: after an answer with a wrong checksum the next poll follows.
    m_pollTimer.stop();
    const CBusPort& port = m_host.BusPort();
    if (port.NoAnswer())
        return;
    if (PollStatus() || (!port.NoAnswer() && port.IsOpen()))
        m_pollTimer.start();
}

void CDlgStatQEL::done(int result)
{
    m_pollTimer.stop();
    CDialog::done(result);
}
