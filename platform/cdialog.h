// A dialog that sets itself up before it is shown and may end during its set-up (a stage
// that does not answer), in which case it is never shown. It runs through the runner it is
// given (the application's modal-run service), so tests drive it without a modal loop.
#pragma once

#include <QDialog>

#include <functional>

class CDialog : public QDialog {
    Q_OBJECT
public:
    explicit CDialog(QWidget* parent = nullptr) : QDialog(parent) {}

    // Sets the dialog up and runs it; the result of EndDialog, or of the modal run.
    int DoModal(const std::function<int(QDialog&)>& run);
    // Closes the dialog with `result`; during the set-up it keeps it from being shown.
    void EndDialog(int result);

protected:
    virtual void OnInitDialog() {}

private:
    bool m_settingUp = false;
    bool m_endedInSetUp = false;
};
