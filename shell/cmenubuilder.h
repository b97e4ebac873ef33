// Fills a menu bar from the menu table in one language. The items are the program's
// command actions, so a menu built again after a language switch triggers the same
// handlers; only the texts change.
#pragma once

#include "res/cmenutable.h"

#include <functional>
#include <span>

class QAction;
class QMenuBar;

class CMenuBuilder {
public:
    using ActionLookup = std::function<QAction*(int command)>;

    // Replaces the menus of `bar` with `items` in `language`.
    static void Build(QMenuBar& bar, std::span<const CMenuItem> items, UiLanguage language,
                      const ActionLookup& lookup);
};
