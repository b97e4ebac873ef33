#include "platform/cmodalrunner.h"

#include <QDialog>

int CModalRunner::Run(QDialog& dialog)
{
    return m_script ? m_script(dialog) : dialog.exec();
}
