#include "shell/cdlgaxisnew.h"

#include "pages/cpagehost.h"
#include "platform/ccontrolids.h"
#include "res/cstringids.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kDefaultAddressCount = 16;

QString HexAddress(int address)
{
    return QStringLiteral("%1").arg(address, 2, 16, QLatin1Char('0')).toUpper();
}

// Bus addresses are written as two upper-case hexadecimal digits, so the spin shows them so.
class CHexAddressSpin : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QString textFromValue(int value) const override { return HexAddress(value); }
    int valueFromText(const QString& text) const override { return text.toInt(nullptr, 16); }
    QValidator::State validate(QString& text, int&) const override
    {
        bool valid = false;
        const int value = text.toInt(&valid, 16);
        if (text.isEmpty())
            return QValidator::Intermediate;
        return valid && value >= minimum() && value <= maximum() ? QValidator::Acceptable
                                                                 : QValidator::Invalid;
    }
};

} // namespace

CDlgAxisNew::CDlgAxisNew(const CPageHost& host, QWidget* parent) : QDialog(parent)
{
    CControlIds::Set(this, kDialogId);
    auto* group = new QGroupBox(this);
    CControlIds::Set(group, kGroupId);
    auto* addressLabel = new QLabel(group);
    CControlIds::Set(addressLabel, kAddressLabelId);
    auto* typeLabel = new QLabel(group);
    CControlIds::Set(typeLabel, kTypeLabelId);
    m_addressSpin = new CHexAddressSpin(group);
    CControlIds::Set(m_addressSpin, kAddressSpinId);
    m_axisEdit = new QLineEdit(group);
    m_axisEdit->setReadOnly(true);
    CControlIds::Set(m_axisEdit, kAxisEditId);
    // A drop list: one of the nine types is always chosen.
    m_typeCombo = new QComboBox(group);
    m_typeCombo->setEditable(false);
    CControlIds::Set(m_typeCombo, kTypeComboId);

    auto* addressRow = new QHBoxLayout;
    addressRow->addWidget(m_axisEdit, 1);
    addressRow->addWidget(m_addressSpin);
    auto* form = new QFormLayout(group);
    form->addRow(addressLabel, addressRow);
    form->addRow(typeLabel, m_typeCombo);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    CControlIds::Set(buttons->button(QDialogButtonBox::Ok), 1);
    CControlIds::Set(buttons->button(QDialogButtonBox::Cancel), 2);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgAxisNew::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);

    setWindowTitle(host.LoadResString(CStringIds::kIdsNewAxisCaption));
    group->setTitle(host.LoadResString(CStringIds::kIdsNewAxisGroup));
    addressLabel->setText(host.LoadResString(CStringIds::kIdsNewAddressLabel));
    typeLabel->setText(host.LoadResString(CStringIds::kIdsNewTypeLabel));
    OnInitDialog(host);
}

void CDlgAxisNew::OnInitDialog(const CPageHost& host)
{
    // The list's indexes are the types' numbers.
    for (const CDeviceTypeInfo& type : CDeviceType::All())
        m_typeCombo->addItem(QString::fromLatin1(type.name));
    m_typeCombo->setCurrentIndex(0);
    const int count = host.m_addressCount > 0 ? host.m_addressCount : kDefaultAddressCount;
    m_addressSpin->setRange(0, count - 1);
    m_addressSpin->setValue(0);
    OnSpinMoved(0);
    connect(m_addressSpin, &QSpinBox::valueChanged, this, &CDlgAxisNew::OnSpinMoved);
}

void CDlgAxisNew::OnSpinMoved(int position)
{
    // The same wording in both languages.
    m_axisEdit->setText(QStringLiteral("Achse %1").arg(position));
}

void CDlgAxisNew::accept()
{
    m_address = HexAddress(m_addressSpin->value());
    m_type = CDeviceType::FromInt(m_typeCombo->currentIndex()).value_or(DeviceType::Kev);
    QDialog::accept();
}
