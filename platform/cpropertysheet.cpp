#include "platform/cpropertysheet.h"

#include "platform/cpropertypage.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

CPropertySheet::CPropertySheet(const QString& caption, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(caption);
    m_tabs = new QTabWidget(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPropertySheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPropertySheet::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CPropertySheet::OnCurrentChanged);
}

void CPropertySheet::AddPage(CPropertyPage* page, const QString& title)
{
    const QSignalBlocker blocker(m_tabs);
    m_tabs->addTab(page, title);
}

void CPropertySheet::SetActivePage(int index)
{
    if (!m_activated) {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(index);
        return;
    }
    m_tabs->setCurrentIndex(index);
}

CPropertyPage* CPropertySheet::Page(int index) const
{
    return qobject_cast<CPropertyPage*>(m_tabs->widget(index));
}

int CPropertySheet::PageCount() const
{
    return m_tabs->count();
}

void CPropertySheet::Activate()
{
    if (m_activated)
        return;
    m_activated = true;
    OnCurrentChanged(m_tabs->currentIndex());
}

void CPropertySheet::OnCurrentChanged(int index)
{
    if (!m_activated)
        return;
    if (CPropertyPage* page = Page(index)) {
        page->EnsureInitialized();
        page->OnSetActive();
    }
}

void CPropertySheet::showEvent(QShowEvent* event)
{
    Activate();
    QDialog::showEvent(event);
}

void CPropertySheet::accept()
{
    for (int i = 0; i < PageCount(); ++i) {
        if (CPropertyPage* page = Page(i); page && page->IsInitialized())
            page->OnOK();
    }
    QDialog::accept();
}

void CPropertySheet::reject()
{
    for (int i = 0; i < PageCount(); ++i) {
        if (CPropertyPage* page = Page(i); page && page->IsInitialized())
            page->OnCancel();
    }
    QDialog::reject();
}
