#include "pages/cdlgsetlogic.h"

#include "bus/cbusport.h"
#include "platform/ccontrolids.h"
#include "res/cbusaddress.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct Row {
    const char* label;
    char letter;
};

constexpr Row kRowTexts[CDlgSetLogic::kRows] = {
    {"Takt\t\t:", 'T'},         {"Drehrichtung\t:", 'D'}, {"Boost\t\t:", 'B'},
    {"Aktivierung\t:", 'A'},    {"Reset\t\t:", 'R'},      {"Deselect\t:", 'X'},
};

} // namespace

CDlgSetLogic::CDlgSetLogic(CBusPort& port, QWidget* parent) : QDialog(parent), m_port(port)
{
    CControlIds::Set(this, kDialogId);
    setWindowTitle(QStringLiteral("Einstellung Logikpegel"));
    auto* group = new QGroupBox(QStringLiteral("Logikpegel der Eingänge setzen"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Eingang:"), group), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Zustand:"), group), 0, 1, 1, 2, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("Pos:"), group), 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Neg:"), group), 1, 2);
    for (int row = 0; row < kRows; ++row) {
        auto* label = new QLabel(QString::fromLatin1(kRowTexts[row].label), group);
        CControlIds::Set(label, kFirstLabel + row);
        grid->addWidget(label, row + 2, 0);
        m_rows[static_cast<std::size_t>(row)] = new QButtonGroup(this);
        for (int side = 0; side < 2; ++side) {
            const int id = kFirstRadio + 2 * row + side;
            auto* radio = new QRadioButton(group);
            CControlIds::Set(radio, id);
            m_rows[static_cast<std::size_t>(row)]->addButton(radio, id);
            grid->addWidget(radio, row + 2, 1 + side);
            connect(radio, &QAbstractButton::clicked, this, [this, id] { OnLevelClicked(id); });
        }
    }
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    CControlIds::Set(close, 1);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void CDlgSetLogic::OnInitDialog()
{
    // A type with fewer separate inputs (the LQN has the first four only) hides the rest.
    const int levels = CDeviceType::Info(m_deviceType).inputLevels;
    if (levels > 0) {
        for (int row = levels; row < kRows; ++row) {
            CControlIds::Find(this, kFirstLabel + row)->hide();
            for (QAbstractButton* radio : m_rows[static_cast<std::size_t>(row)]->buttons())
                radio->hide();
        }
    }
    for (int row = 0; row < kRows; ++row)
        ShowLevel(row);
}

void CDlgSetLogic::ShowLevel(int row)
{
    QButtonGroup* pair = m_rows[static_cast<std::size_t>(row)];
    const int level = m_levels[static_cast<std::size_t>(row)];
    if (level == 0 || level == 1) {
        pair->button(kFirstRadio + 2 * row + level)->setChecked(true);
        return;
    }
    // A level the page does not know shows neither side.
    pair->setExclusive(false);
    for (QAbstractButton* radio : pair->buttons())
        radio->setChecked(false);
    pair->setExclusive(true);
}

void CDlgSetLogic::OnLevelClicked(int id)
{
    const int offset = id - kFirstRadio;
    if (offset < 0 || offset >= 2 * kRows)
        return;
    const int row = offset / 2;
    const int level = offset % 2;
    QString reply;
    const QByteArray command =
        QByteArray("L") + kRowTexts[row].letter + QByteArray::number(level);
    const bool written = m_port.Transact(m_address, command, &reply, true);
    // An offline page cannot write: its choice is kept for the file.
    if (written || m_address == CBusAddress::kOff)
        m_levels[static_cast<std::size_t>(row)] = static_cast<qint8>(level);
    ShowLevel(row);
}
