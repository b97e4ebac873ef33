// One page of a property sheet. A page is set up the first time it is shown, is told each
// time it becomes the shown page, and takes part in the sheet's OK and Cancel once set up.
#pragma once

#include <QWidget>

class CPropertyPage : public QWidget {
    Q_OBJECT
public:
    explicit CPropertyPage(QWidget* parent = nullptr) : QWidget(parent) {}

    bool IsInitialized() const { return m_initialized; }
    // Sets the page up once; the sheet calls it before the page is first shown.
    void EnsureInitialized()
    {
        if (!m_initialized) {
            m_initialized = true;
            OnInitDialog();
        }
    }

    virtual void OnInitDialog() {}
    virtual bool OnSetActive() { return true; }
    virtual void OnOK() {}
    virtual void OnCancel() {}

private:
    bool m_initialized = false;
};
