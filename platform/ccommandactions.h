// Commands by number: every command of the menus, toolbars and accelerators is one QAction
// that carries its command id in its data, so code and tests find and trigger "command N"
// the way the menus number them.
#pragma once

class QAction;
class QObject;
class QWidget;

class CCommandActions {
public:
    // A new action for `id`, owned by `owner` and added to it, so that its shortcut works
    // while the owner's window is active even when no menu shows the action.
    static QAction* Create(QWidget* owner, int id);
    // The command id of `action`, 0 for an action that carries none.
    static int IdOf(const QAction* action);
    // The action of command `id` below `root`, or null.
    static QAction* Find(const QObject* root, int id);
    // Triggers command `id` below `root`; false when there is no such action or it is
    // disabled.
    static bool Trigger(const QObject* root, int id);
};
