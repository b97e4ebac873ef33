// The program's menus in German and English: each menu is a list of items in display
// order, each with its nesting depth, its command id (or a pop-up or a separator) and its
// two texts. The menu bar is built from this table and built again on a language switch.
#pragma once

#include "res/uilanguage.h"

#include <QString>

#include <span>

struct CMenuItem {
    static constexpr int kPopup = 0;
    static constexpr int kSeparator = -1;

    int depth;         // 0: an entry of the menu bar
    int command;       // command id, kPopup or kSeparator
    const char* german; // UTF-8
    const char* english;
};

class CMenuTable {
public:
    static constexpr unsigned kMainMenu = 128;
    static constexpr unsigned kParameterMenu = 129;
    static constexpr unsigned kProjectMenu = 130;

    // The items of menu `menuId`; empty for a menu the table does not hold.
    static std::span<const CMenuItem> Menu(unsigned menuId);
    static QString Text(const CMenuItem& item, UiLanguage language);
    // The text of the first item of command `command` in any menu, without its
    // mnemonic and key hint; empty when no menu has the command.
    static QString CommandName(int command, UiLanguage language);
};
