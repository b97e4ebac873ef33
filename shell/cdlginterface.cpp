#include "shell/cdlginterface.h"

#include "platform/ccontrolids.h"
#include "res/cstringids.h"
#include "shell/ctarnlinkapp.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QVBoxLayout>

namespace {

constexpr int kSearchAddresses = 32;

QComboBox* NewCombo(QWidget* parent, int id, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    CControlIds::Set(combo, id);
    combo->addItems(items);
    return combo;
}

QLabel* NewLabel(QWidget* parent, int id)
{
    auto* label = new QLabel(parent);
    CControlIds::Set(label, id);
    return label;
}

} // namespace

const QStringList& CDlgInterface::Rates()
{
    static const QStringList rates = {
        QStringLiteral("9600"),  QStringLiteral("14400"), QStringLiteral("19200"),
        QStringLiteral("28800"), QStringLiteral("38400"), QStringLiteral("57600"),
        QStringLiteral("115200")};
    return rates;
}

CDlgInterface::CDlgInterface(CTarnlinkApp& app, QWidget* parent) : CPropertyPage(parent), m_app(app)
{
    BuildForm();
}

void CDlgInterface::BuildForm()
{
    auto* portGroup = new QGroupBox(this);
    CControlIds::Set(portGroup, 1119);
    m_port = NewCombo(portGroup, 1097, {});
    m_port->setEditable(true); // a device path can be typed
    (new QVBoxLayout(portGroup))->addWidget(m_port);

    auto* rateGroup = new QGroupBox(this);
    CControlIds::Set(rateGroup, 1120);
    m_rate = NewCombo(rateGroup, 1098, Rates());
    m_width = NewCombo(rateGroup, 1144, {QStringLiteral("1 Byte"), QStringLiteral("2 Byte")});
    auto* rateLayout = new QVBoxLayout(rateGroup);
    rateLayout->addWidget(m_rate);
    rateLayout->addWidget(m_width);

    auto* formatGroup = new QGroupBox(this);
    CControlIds::Set(formatGroup, 1121);
    m_dataBitsBox = NewCombo(formatGroup, 1099, {QStringLiteral("7"), QStringLiteral("8")});
    m_parityBox = NewCombo(formatGroup, 1100,
                           {QStringLiteral("none"), QStringLiteral("odd"), QStringLiteral("even")});
    m_stopBitsBox = NewCombo(formatGroup, 1101, {QStringLiteral("1"), QStringLiteral("2")});
    m_checksum = NewCombo(formatGroup, 1102, {QStringLiteral("ohne CS"), QStringLiteral("mit CS")});
    auto* formatLayout = new QFormLayout(formatGroup);
    formatLayout->addRow(NewLabel(formatGroup, 1123), m_dataBitsBox);
    formatLayout->addRow(NewLabel(formatGroup, 1124), m_parityBox);
    formatLayout->addRow(NewLabel(formatGroup, 1125), m_stopBitsBox);
    formatLayout->addRow(NewLabel(formatGroup, 1126), m_checksum);

    auto* autoGroup = new QGroupBox(this);
    CControlIds::Set(autoGroup, 1122);
    m_search = new QPushButton(autoGroup);
    CControlIds::Set(m_search, 1116);
    (new QVBoxLayout(autoGroup))->addWidget(m_search);

    m_status = new QGroupBox(this);
    CControlIds::Set(m_status, 1117);
    m_progress = new QProgressBar(m_status);
    CControlIds::Set(m_progress, 1115);
    m_progress->setTextVisible(false);
    m_cancelSearch = new QPushButton(m_status);
    CControlIds::Set(m_cancelSearch, 1118);
    auto* statusLayout = new QHBoxLayout(m_status);
    statusLayout->addWidget(m_progress, 1);
    statusLayout->addWidget(m_cancelSearch);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : {static_cast<QWidget*>(portGroup), static_cast<QWidget*>(rateGroup),
                       static_cast<QWidget*>(formatGroup), static_cast<QWidget*>(autoGroup),
                       static_cast<QWidget*>(m_status)})
        layout->addWidget(w);
    layout->addStretch();

    connect(m_search, &QPushButton::clicked, this, &CDlgInterface::OnSearchBaudRate);
    connect(m_cancelSearch, &QPushButton::clicked, this, &CDlgInterface::OnCancelSearch);
    SetSearchLayout(false);
}

void CDlgInterface::SetTexts()
{
    // Controls 1116..1125 take the sheet's ten captions, in control order.
    for (int i = 0; i < 10; ++i) {
        QWidget* control = CControlIds::Find(this, 1116 + i);
        const QString text =
            m_app.LoadResString(CStringIds::kIdsInterfaceFirstCaption + unsigned(i));
        if (auto* button = qobject_cast<QPushButton*>(control))
            button->setText(text);
        else if (auto* group = qobject_cast<QGroupBox*>(control))
            group->setTitle(text);
        else if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(QString(text).replace(QStringLiteral("&&"), QStringLiteral("&")));
    }
    if (window() != this)
        window()->setWindowTitle(m_app.LoadResString(CStringIds::kIdsInterfaceCaption));
    FitStatusTexts();
}

void CDlgInterface::FitStatusTexts()
{
    // The sheet is as wide from the start as the longest state of a search needs, so that
    // a search leaves it at its size whichever way it ends. The status at rest comes last
    // and stays.
    m_status->setMinimumWidth(0);
    int widest = 0;
    for (unsigned id : {CStringIds::kIdsBaudSearching, CStringIds::kIdsSearchSuccess,
                        CStringIds::kIdsSearchNoController, CStringIds::kIdsSearchCancelled,
                        CStringIds::kIdsSearchStatus}) {
        m_status->setTitle(m_app.LoadResString(id));
        widest = qMax(widest, m_status->minimumSizeHint().width());
    }
    m_status->setMinimumWidth(widest);
}

void CDlgInterface::OnInitDialog()
{
    SetTexts();
    const QString configured = m_app.BusPort().PortName();
    ProbePorts();
    LoadControls(configured);
}

void CDlgInterface::ProbePorts()
{
    CBusPort& port = m_app.BusPort();
    const BusInterface way = port.Interface();
    const QString configured = port.PortName();
    if (way == BusInterface::Can) {
        port.MarkClosed();
        port.SetInterface(BusInterface::Serial);
    } else if (port.IsOpen()) {
        port.OpenOrClose(QString(), QString(), false);
    }

    QStringList candidates;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        candidates.append(info.portName());
    const QString probeSettings = m_settings + QStringLiteral(", n, 8, 1");
    for (const QString& name : std::as_const(candidates)) {
        if (port.OpenOrClose(name, probeSettings, false)) {
            m_port->addItem(name);
            port.OpenOrClose(QString(), QString(), false);
        }
    }
    // The configured port stays selectable even when it is busy or absent just now.
    if (!configured.isEmpty() && m_port->findText(configured) < 0)
        m_port->addItem(configured);
    port.SetInterface(way);
}

void CDlgInterface::LoadControls(const QString& selectedPort)
{
    const CBusPort& port = m_app.BusPort();
    // Select the port that was in use before the probe, which reopened others meanwhile.
    m_port->setCurrentIndex(m_port->findText(selectedPort));
    if (m_port->currentIndex() < 0)
        m_port->setEditText(selectedPort);
    m_rate->setCurrentIndex(m_rate->findText(m_settings.section(QLatin1Char(','), 0, 0).trimmed()));
    m_dataBitsBox->setCurrentIndex(m_dataBits == 8 ? 1 : 0);
    m_parityBox->setCurrentIndex(m_parity >= 0 && m_parity <= 2 ? m_parity : 0);
    m_stopBitsBox->setCurrentIndex(m_stopBits == 2 ? 1 : 0);
    m_width->setCurrentIndex(port.TwoByteAddress() ? 1 : 0);
    m_checksum->setCurrentIndex(port.Checksum() ? 1 : 0);
}

bool CDlgInterface::OnSetActive()
{
    m_app.BusPort().SetInterface(BusInterface::Serial);
    SetSearchLayout(false);
    return true;
}

QString CDlgInterface::SettingsFromControls() const
{
    return m_rate->currentText() + QStringLiteral(", ") + m_parityBox->currentText().left(1) +
           QStringLiteral(", ") + m_dataBitsBox->currentText() + QStringLiteral(", ") +
           m_stopBitsBox->currentText();
}

void CDlgInterface::LoadLineState(const CSerialMode& mode)
{
    m_settings = QString::number(mode.rate.value_or(9600));
    m_dataBits = mode.dataBits.value_or(QSerialPort::Data8);
    switch (mode.parity.value_or(QSerialPort::NoParity)) {
    case QSerialPort::OddParity: m_parity = 1; break;
    case QSerialPort::EvenParity: m_parity = 2; break;
    default: m_parity = 0; break;
    }
    m_stopBits = mode.stopBits.value_or(QSerialPort::OneStop) == QSerialPort::TwoStop ? 2 : 0;
}

QString CDlgInterface::InitialSettings() const
{
    static constexpr char kParity[] = {'n', 'o', 'e'};
    const char parity = (m_parity >= 0 && m_parity <= 2) ? kParity[m_parity] : 'n';
    return m_settings.section(QLatin1Char(','), 0, 0).trimmed() + QStringLiteral(", ") +
           QLatin1Char(parity) + QStringLiteral(", ") + QString::number(m_dataBits) +
           QStringLiteral(", ") + QString::number(m_stopBits == 2 ? 2 : 1);
}

void CDlgInterface::OnOK()
{
    m_cancel = true;
    m_portName = m_port->currentText();
    m_settings = SettingsFromControls();
    CBusPort& port = m_app.BusPort();
    port.SetTwoByteAddress(m_width->currentIndex() != 0);
    m_app.m_addressCount = port.TwoByteAddress() ? 32 : 16;
    const int checksum = qMax(0, m_checksum->currentIndex());
    port.SetChecksum(checksum != 0);
    m_app.Settings().SetChecksum(checksum);
}

void CDlgInterface::OnCancel()
{
    m_cancel = true;
}

void CDlgInterface::OnCancelSearch()
{
    m_cancel = true;
}

void CDlgInterface::SetSearchLayout(bool searching)
{
    // The progress bar and its cancel button show only while a search runs.
    m_progress->setVisible(searching);
    m_cancelSearch->setVisible(searching);
    m_search->setEnabled(!searching);
}

void CDlgInterface::SetOneByteWidth()
{
    m_app.m_addressCount = 16;
    m_app.BusPort().SetTwoByteAddress(false);
    m_width->setCurrentIndex(0);
}

bool CDlgInterface::ProbeOnce(int address, bool twoByte, int rateIndex, QString* answer)
{
    CBusPort& port = m_app.BusPort();
    if (port.IsOpen())
        port.OpenOrClose(QString(), QString(), false);
    port.OpenOrClose(m_port->currentText(), Rates().at(rateIndex) + QStringLiteral(", n, 8, 1"),
                     false);
    port.SetTwoByteAddress(twoByte);
    return port.Transact(QString::number(address, 16).toUpper(), "B?", answer, false);
}

void CDlgInterface::OnSearchBaudRate()
{
    CBusPort& port = m_app.BusPort();
    m_app.m_addressCount = 32;
    // The probes' short time-out stays after the search, found or not.
    port.SetLastingTimeout(m_searchTimeoutMs);
    SetSearchLayout(true);
    m_progress->setRange(0, kSearchAddresses);
    m_progress->setValue(0);
    m_cancel = false;
    m_status->setTitle(m_app.LoadResString(CStringIds::kIdsBaudSearching));

    QString answer;
    for (int address = 0; address < kSearchAddresses; ++address) {
        m_progress->setValue(address + 1);
        for (bool twoByte : {false, true}) {
            for (int rate = 0; rate < Rates().size(); ++rate) {
                port.SetTwoByteAddress(twoByte);
                m_app.PumpPendingMessages();
                if (m_cancel) {
                    m_status->setTitle(m_app.LoadResString(CStringIds::kIdsSearchCancelled));
                    SetSearchLayout(false);
                    SetOneByteWidth();
                    return;
                }
                if (ProbeOnce(address, twoByte, rate, &answer)) {
                    EndSearch(true, rate, twoByte, answer);
                    return;
                }
            }
        }
    }
    EndSearch(false, 0, false, QString());
}

void CDlgInterface::EndSearch(bool found, int rateIndex, bool twoByte, const QString& answer)
{
    const QString portName = m_port->currentText();
    if (found) {
        m_rate->setCurrentIndex(rateIndex);
        m_width->setCurrentIndex(twoByte ? 1 : 0);
        m_app.m_addressCount = twoByte ? 32 : 16;
        m_status->setTitle(m_app.LoadResString(CStringIds::kIdsSearchSuccess));
        m_app.ShowMessage(m_app.LoadResString(CStringIds::kIdsControllerFound) + answer.mid(1) +
                              m_app.LoadResString(CStringIds::kIdsControllerFoundOn) + portName +
                              m_app.LoadResString(CStringIds::kIdsControllerFoundWith) +
                              Rates().at(rateIndex) +
                              m_app.LoadResString(CStringIds::kIdsControllerFoundEnd),
                          MbOk);
    } else {
        m_status->setTitle(m_app.LoadResString(CStringIds::kIdsSearchNoController));
        SetOneByteWidth();
        m_app.ShowMessage(m_app.LoadResString(CStringIds::kIdsNoControllerOn) + portName +
                              m_app.LoadResString(CStringIds::kIdsNoControllerEnd),
                          MbOk);
    }
    SetSearchLayout(false);
}
