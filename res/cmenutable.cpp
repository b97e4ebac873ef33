#include "res/cmenutable.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

constexpr int P = CMenuItem::kPopup;
constexpr int S = CMenuItem::kSeparator;

// The parts that several menus share.
constexpr CMenuItem kFileNewOpen[] = {
    {0, P, "&Datei", "&File"},
    {1, P, "&Neu", "&New"},
    {2, 57600, "&Datei\tStrg+N", "&File\tStrg+N"},
    {2, 32783, "&Projekt", "&Project"},
    {1, P, "Ö&ffnen...", "O&pen..."},
    {2, 57601, "&Datei öffen...\tStrg+O", "Open &File...\tStrg+O"},
    {2, 32789, "&Projekt öffnen...", "Open &Project..."},
};

constexpr CMenuItem kViewStage[] = {
    {0, P, "&Ansicht", "&View"},
    {1, 59392, "&Symbolleiste", "&Tool bar"},
    {1, 59393, "Status&leiste", "&Status bar"},
    {1, 32778, "&Endstufen", "&Power stages"},
    {0, P, "&Endstufe", "&Power stage"},
    {1, 32777, "&Suchen", "&Search"},
    {1, 32779, "&Reset", "&Reset"},
    {1, 32794, "S&tatusübersicht", "S&tatus overview"},
};

constexpr CMenuItem kOptions[] = {
    {0, P, "&Optionen", "&Options"},
    {1, 32771, "&Schnittstellenparameter", "&Interface parameter"},
    {1, P, "S&prache", "&Language"},
    {2, 32792, "&Deutsch", "&German"},
    {2, 32793, "&Englisch", "&English"},
    {1, 32781, "&Monitor", "&Monitor"},
};

constexpr CMenuItem kHelp[] = {
    {0, P, "&Hilfe", "&Help"},
    {1, 57664, "&Info über Tarnlink...", "&About Tarnlink"},
};

// Menu 128, the rest of its File menu.
constexpr CMenuItem kMainFileRest[] = {
    {1, P, "&Speichern", "&Save"},
    {2, 32786, "&Projekt speichern", "Save &Project"},
    {1, S, "", ""},
    {1, 57616, "Letzte Datei", "Letzte Datei"},
    {1, S, "", ""},
    {1, 57602, "&Schließen", "&Close"},
    {1, 57665, "&Beenden", "&Exit"},
};

// Menu 129, the rest of its File menu: the page's document commands.
constexpr CMenuItem kParameterFileRest[] = {
    {1, 57602, "&Schließen", "&Close"},
    {1, P, "&Speichern", "&Save"},
    {2, 57603, "&Datei speichern\tStrg+S", "Save &File\tStrg+S"},
    {2, 32786, "&Projekt speichern", "Save &Project"},
    {1, 57604, "Speichern &unter...", "Save &As..."},
    {1, S, "", ""},
    {1, 57607, "&Drucken...", "&Print..."},
    {1, 57609, "Seiten&ansicht", "Print Pre&view"},
    {1, 57606, "Drucker&einrichtung...", "P&rint Setup..."},
    {1, S, "", ""},
    {1, 57616, "Letzte Datei", "Letzte Datei"},
    {1, S, "", ""},
    {1, 57665, "&Beenden", "&Exit"},
};

constexpr CMenuItem kWindow[] = {
    {0, P, "&Fenster", "&Window"},
    {1, 57650, "Über&lappend", "&Cascade"},
    {1, 57651, "&Nebeneinander", "&Tile"},
};

// Menu 130 adds the transfer under Power stage; 129 and 130 arrange minimised windows.
constexpr CMenuItem kProjectTransmit[] = {
    {1, P, "&Projekt", "&Project"},
    {2, 32797, "&Übertragen", "&Transmit"},
};

constexpr CMenuItem kArrangeIcons[] = {
    {1, 57649, "&Symbole anordnen", "&Arrange Icons"},
};

template <std::size_t... N>
constexpr auto Join(const CMenuItem (&... parts)[N])
{
    std::array<CMenuItem, (N + ...)> joined{};
    std::size_t at = 0;
    ((std::copy(std::begin(parts), std::end(parts), joined.begin() + at), at += N), ...);
    return joined;
}

// Menu 128: shown while no document window is active.
constexpr auto kMainMenu = Join(kFileNewOpen, kMainFileRest, kViewStage, kOptions, kHelp);

// Menu 129: shown while a parameter page is active.
constexpr auto kParameterMenu =
    Join(kFileNewOpen, kParameterFileRest, kViewStage, kOptions, kWindow, kArrangeIcons, kHelp);

// Menu 130: shown while a project window is active.
constexpr auto kProjectMenu = Join(kFileNewOpen, kParameterFileRest, kViewStage, kProjectTransmit,
                                   kWindow, kArrangeIcons, kHelp);

struct MenuRef {
    unsigned id;
    std::span<const CMenuItem> items;
};

constexpr MenuRef kMenus[] = {
    {CMenuTable::kMainMenu, kMainMenu},
    {CMenuTable::kParameterMenu, kParameterMenu},
    {CMenuTable::kProjectMenu, kProjectMenu},
};

QString PlainName(QString text)
{
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab >= 0)
        text.truncate(tab);
    text.remove(QLatin1Char('&'));
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace

std::span<const CMenuItem> CMenuTable::Menu(unsigned menuId)
{
    for (const MenuRef& menu : kMenus) {
        if (menu.id == menuId)
            return menu.items;
    }
    return {};
}

QString CMenuTable::Text(const CMenuItem& item, UiLanguage language)
{
    return QString::fromUtf8(language == UiLanguage::German ? item.german : item.english);
}

QString CMenuTable::CommandName(int command, UiLanguage language)
{
    if (command <= 0)
        return {};
    for (const MenuRef& menu : kMenus) {
        for (const CMenuItem& item : menu.items) {
            if (item.command == command)
                return PlainName(Text(item, language));
        }
    }
    return {};
}
