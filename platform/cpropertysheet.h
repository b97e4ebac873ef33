// A modal property sheet: pages on tabs with OK and Cancel. The page shown first is set
// up when the sheet appears; each page change sets up and activates the new page.
#pragma once

#include <QDialog>

class CPropertyPage;
class QTabWidget;

class CPropertySheet : public QDialog {
    Q_OBJECT
public:
    explicit CPropertySheet(const QString& caption, QWidget* parent = nullptr);

    void AddPage(CPropertyPage* page, const QString& title);
    void SetActivePage(int index);
    CPropertyPage* Page(int index) const;
    int PageCount() const;

    // Sets up and activates the current page; done on the first show, callable before.
    void Activate();

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnCurrentChanged(int index);

    QTabWidget* m_tabs = nullptr;
    bool m_activated = false;
};
