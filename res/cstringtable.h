// The program's string table: every message, caption and label by its id, in German and
// English. Texts are looked up when they are shown, so a language switch needs no reload.
#pragma once

#include "res/uilanguage.h"

#include <QString>

class CStringTable {
public:
    // Text of `id` in `language`; an id the table does not hold gives an empty text.
    static QString Lookup(unsigned id, UiLanguage language);
};
