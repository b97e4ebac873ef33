#include "pages/cdlgsettingsqel.h"

#include "bus/cbusport.h"
#include "pages/cpagehost.h"
#include "pages/creplyvalue.h"
#include "pages/types/cendstufeshared.h"
#include "platform/cansitext.h"
#include "platform/ccontrolids.h"
#include "res/cbusaddress.h"
#include "res/cstringids.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {

constexpr int kFirstLabel = 1129;
constexpr int kSpinWidth = 20;

// One module setting: its key, the control that holds it, the edit that shows a spin's
// value (0 for a list) and the values the module takes.
struct Setting {
    const char* key;
    int control;
    int edit;
    int lowest;
    int highest;
    const char* unit;
};

constexpr Setting kSettings[CDlgSettingsQEL::kSettingCount] = {
    {"XW", CDlgSettingsQEL::kThermocoupleCombo, 0, 0, 1, ""},
    {"XX", CDlgSettingsQEL::kLimit1Spin, CDlgSettingsQEL::kLimit1Edit, -200, 300, " °C"},
    {"XY", CDlgSettingsQEL::kLimit2Spin, CDlgSettingsQEL::kLimit2Edit, -200, 300, " °C"},
    {"XZ", CDlgSettingsQEL::kLimit3Spin, CDlgSettingsQEL::kLimit3Edit, -200, 300, " °C"},
    {"XF", CDlgSettingsQEL::kLedLimitCombo, 0, 0, 2, ""},
    {"XT", CDlgSettingsQEL::kHeatTimeSpin, CDlgSettingsQEL::kHeatTimeEdit, 5, 300, " min"},
};

QString Unit(const Setting& setting)
{
    return QString::fromUtf8(setting.unit);
}

} // namespace

CDlgSettingsQEL::CDlgSettingsQEL(CPageHost& host, QWidget* parent) : CDialog(parent), m_host(host)
{
    BuildControls();
}

void CDlgSettingsQEL::BuildControls()
{
    auto* grid = new QGridLayout(this);
    QPalette white = palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    for (int i = 0; i < kSettingCount; ++i) {
        const Setting& setting = kSettings[i];
        grid->addWidget(CControlIds::Make<QLabel>(this, kFirstLabel + i), i, 0);
        if (setting.edit == 0) {
            auto* combo = CControlIds::Make<QComboBox>(this, setting.control);
            // A choice of the user counts as a value for the module.
            connect(combo, &QComboBox::activated, this,
                    [this, i] { m_known[std::size_t(i)] = true; });
            grid->addWidget(combo, i, 1);
            continue;
        }
        // A value text with the up-down buttons that step it.
        auto* row = new QHBoxLayout;
        row->setSpacing(0);
        auto* edit = CControlIds::Make<QLineEdit>(this, setting.edit);
        edit->setReadOnly(true);
        edit->setPalette(white);
        row->addWidget(edit);
        auto* spin = CControlIds::Make<QSpinBox>(this, setting.control);
        if (auto* spinText = spin->findChild<QLineEdit*>())
            spinText->hide();
        spin->setFixedWidth(kSpinWidth);
        spin->setRange(setting.lowest, setting.highest);
        connect(spin, &QSpinBox::valueChanged, this,
                [this, i](int position) { OnVScroll(i, position); });
        row->addWidget(spin);
        grid->addLayout(row, i, 1);
    }
    Combo(kThermocoupleCombo)->addItems({QStringLiteral("Pt 100"), QStringLiteral("K-Element")});
    Combo(kLedLimitCombo)
        ->addItems(
            {QStringLiteral("Limit 1"), QStringLiteral("Limit 2"), QStringLiteral("Limit 3")});
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgSettingsQEL::OnOK);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, kSettingCount, 0, 1, 2);
}

QComboBox* CDlgSettingsQEL::Combo(int id) const
{
    return CControlIds::Find<QComboBox>(this, id);
}

QSpinBox* CDlgSettingsQEL::Spin(int id) const
{
    return CControlIds::Find<QSpinBox>(this, id);
}

QLineEdit* CDlgSettingsQEL::Edit(int id) const
{
    return CControlIds::Find<QLineEdit>(this, id);
}

void CDlgSettingsQEL::OnInitDialog()
{
    for (int i = 0; i < kSettingCount; ++i)
        CControlIds::Find<QLabel>(this, kFirstLabel + i)
            ->setText(m_host.LoadResString(CStringIds::kIdsQelFirstLabel + unsigned(i)));
    setWindowTitle(m_host.LoadResString(CStringIds::kIdsQelSettingsTitle));
    // A failed read leaves the dialog usable: what was not read is not written.
    LoadSettings();
}

bool CDlgSettingsQEL::LoadSettings()
{
    const bool online = m_address != CBusAddress::kOff;
    for (int i = 0; i < kSettingCount; ++i) {
        QString reply = m_settings[std::size_t(i)];
        if (online && !m_host.BusPort().Transact(m_address, kSettings[i].key, &reply, true))
            return false;
        ShowValue(i, CReplyValue::Text(reply, 2));
    }
    return true;
}

void CDlgSettingsQEL::ShowValue(int index, const QString& valueText)
{
    const Setting& setting = kSettings[index];
    bool number = false;
    const int value = valueText.toInt(&number);
    // A value the control cannot hold is shown but not taken: OK must not turn it into
    // another one.
    const bool usable = number && value >= setting.lowest && value <= setting.highest;
    m_known[std::size_t(index)] = usable;
    if (setting.edit == 0) {
        CEndstufeShared::SelectEntry(Combo(setting.control), usable ? value : -1);
        return;
    }
    if (usable)
        CEndstufeShared::SetSpinPosition(Spin(setting.control), value);
    Edit(setting.edit)->setText(valueText.isEmpty() ? QString() : valueText + Unit(setting));
}

void CDlgSettingsQEL::OnVScroll(int index, int position)
{
    const Setting& setting = kSettings[index];
    m_known[std::size_t(index)] = true;
    Edit(setting.edit)->setText(QString::number(position) + Unit(setting));
}

void CDlgSettingsQEL::OnOK()
{
    const bool online = m_address != CBusAddress::kOff;
    for (int i = 0; i < kSettingCount; ++i) {
        // Neither read nor chosen: the module keeps its value, the page its string.
        if (!m_known[std::size_t(i)])
            continue;
        const Setting& setting = kSettings[i];
        const int value = setting.edit == 0 ? Combo(setting.control)->currentIndex()
                                            : Spin(setting.control)->value();
        const QByteArray command = setting.key + QByteArray::number(value);
        if (online) {
            QString reply;
            if (!m_host.BusPort().Transact(m_address, command, &reply, true))
                return;
        } else {
            m_settings[std::size_t(i)] = CAnsiText::ToUnicode(command.toLower());
        }
    }
    EndDialog(Accepted);
}
