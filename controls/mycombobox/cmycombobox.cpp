#include "controls/mycombobox/cmycombobox.h"

#include <QAbstractItemView>
#include <QKeyEvent>

CMyComboBox::CMyComboBox(QWidget* parent) : QComboBox(parent)
{
    // The drop-down list has the keyboard while it is open. Its own filter, which takes
    // Enter to choose the entry, was installed when the list was made, so this one runs
    // first.
    view()->installEventFilter(this);
}

void CMyComboBox::PostIfEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        QMetaObject::invokeMethod(this, &CMyComboBox::EnterPressed, Qt::QueuedConnection);
}

bool CMyComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view())
        PostIfEnter(event);
    return QComboBox::eventFilter(watched, event);
}

void CMyComboBox::keyPressEvent(QKeyEvent* event)
{
    // The edit field is the combo's focus proxy: what is typed there arrives here first.
    PostIfEnter(event);
    QComboBox::keyPressEvent(event);
}
