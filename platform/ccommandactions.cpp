#include "platform/ccommandactions.h"

#include <QAction>
#include <QWidget>

QAction* CCommandActions::Create(QWidget* owner, int id)
{
    auto* action = new QAction(owner);
    action->setData(id);
    owner->addAction(action);
    return action;
}

int CCommandActions::IdOf(const QAction* action)
{
    return action ? action->data().toInt() : 0;
}

QAction* CCommandActions::Find(const QObject* root, int id)
{
    if (id == 0 || !root)
        return nullptr;
    const QList<QAction*> actions = root->findChildren<QAction*>();
    for (QAction* action : actions) {
        if (IdOf(action) == id)
            return action;
    }
    return nullptr;
}

bool CCommandActions::Trigger(const QObject* root, int id)
{
    QAction* action = Find(root, id);
    if (!action || !action->isEnabled())
        return false;
    action->trigger();
    return true;
}
