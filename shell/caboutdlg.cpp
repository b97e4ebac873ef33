#include "shell/caboutdlg.h"

#include "platform/ccontrolids.h"
#include "res/cstringids.h"
#include "shell/cartwork.h"
#include "shell/ctarnlinkapp.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kVersionLine = QStringLiteral("Tarnlink Version 1.9.0");
const QString kMaker = QString::fromLatin1(CAppSettings::kOrganisation);

} // namespace

CAboutDlg::CAboutDlg(const CTarnlinkApp& app, QWidget* parent) : QDialog(parent)
{
    CControlIds::Set(this, kDialogId);
    setWindowTitle(app.LoadResString(CStringIds::kIdsAboutCaption));

    auto* picture = new QLabel(this);
    picture->setPixmap(CArtwork::AboutPicture());
    auto* version = new QLabel(kVersionLine, this);
    auto* maker = new QLabel(kMaker, this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    CControlIds::Set(buttons->button(QDialogButtonBox::Ok), 1);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(version);
    texts->addWidget(maker);
    texts->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(picture, 0, Qt::AlignTop);
    row->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}
