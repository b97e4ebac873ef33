#include "platform/cdialog.h"

int CDialog::DoModal(const std::function<int(QDialog&)>& run)
{
    m_settingUp = true;
    m_endedInSetUp = false;
    OnInitDialog();
    m_settingUp = false;
    if (m_endedInSetUp)
        return result();
    return run(*this);
}

void CDialog::EndDialog(int result)
{
    if (m_settingUp) {
        m_endedInSetUp = true;
        setResult(result);
        return;
    }
    done(result);
}
