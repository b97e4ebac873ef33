// Builds the menus of the menu table as pop-ups and puts them into the menu bar. Each menu is
// built once and kept for the life of the frame: a window change swaps which menus the bar
// shows and a language switch only gives them new texts, so no menu or action is ever deleted
// while one of its own commands runs (File Close, a recent file or a language switch change
// the menus from inside the menu's own handling). The items are the program's command
// actions, shared by every menu that lists them.
#pragma once

#include "res/cmenutable.h"

#include <QList>

#include <functional>
#include <span>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

class CMenuBuilder {
public:
    using ActionLookup = std::function<QAction*(int command)>;

    // The pop-ups of one built menu: the entries of the bar and every pop-up in table order.
    struct Menus {
        QList<QMenu*> bar;
        std::vector<QMenu*> popups;
    };

    // Builds `items` as pop-ups owned by `bar`, in `language`; the bar does not show them yet.
    static Menus Build(QMenuBar& bar, std::span<const CMenuItem> items, UiLanguage language,
                       const ActionLookup& lookup);
    // Gives the pop-ups and the commands of `menus` their texts in `language`.
    static void Retext(const Menus& menus, std::span<const CMenuItem> items, UiLanguage language,
                       const ActionLookup& lookup);
    // Makes `bar` show `menus` instead of what it showed; nothing is deleted.
    static void Show(QMenuBar& bar, const Menus& menus);
};
