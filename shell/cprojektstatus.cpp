#include "shell/cprojektstatus.h"

#include "platform/ccontrolids.h"
#include "shell/cartwork.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The dialog was made for German only; its texts are the same in both languages.
const QString kCaption = QStringLiteral("Projektübertragung - Statusbericht");
const QString kKindTexts[3] = {QStringLiteral("Info"), QStringLiteral("Warnung!"),
                               QStringLiteral("Fehler!")};
constexpr int kKindColumnWidth = 80;
constexpr int kTextColumnWidth = 420;

} // namespace

CProjektStatus::CProjektStatus(QWidget* parent) : QDialog(parent)
{
    CControlIds::Set(this, kDialogId);
    setWindowTitle(kCaption);
    m_list = new QTreeWidget(this);
    CControlIds::Set(m_list, kListId);
    m_list->setRootIsDecorated(false);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({QStringLiteral("Typ:"), QStringLiteral("Information:")});
    m_list->header()->setStretchLastSection(false);
    m_list->setColumnWidth(0, kKindColumnWidth);
    m_list->setColumnWidth(1, kTextColumnWidth);
    m_list->setIconSize(QSize(16, 16));
    m_list->setMinimumSize(kKindColumnWidth + kTextColumnWidth + 4, 240);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    CControlIds::Set(ok, 1);
    ok->hide();
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    CControlIds::Set(close, 2);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
}

void CProjektStatus::OnInitDialog()
{
    m_list->clear();
    for (const QString& entry : std::as_const(m_entries)) {
        // "[" kind "];" text; any other kind reads as an error, without a picture.
        const int kind = entry.mid(1, 1).toInt();
        const bool known = kind >= 0 && kind <= 2;
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, kKindTexts[known ? kind : 2]);
        if (known)
            item->setIcon(0, QIcon(CArtwork::ReportImage(kind)));
        item->setText(1, entry.mid(entry.indexOf(QLatin1Char(';')) + 1));
    }
}
