#include "res/cmenutable.h"

#include "res/ccommandid.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

using C = CCommandId;
constexpr int P = CMenuItem::kPopup;
constexpr int S = CMenuItem::kSeparator;

// The parts that several menus share.
constexpr CMenuItem kFileNewOpen[] = {
    {0, P, "&Datei", "&File"},
    {1, P, "&Neu", "&New"},
    {2, C::kFileNew, "&Datei\tStrg+N", "&File\tStrg+N"},
    {2, C::kNewProject, "&Projekt", "&Project"},
    {1, P, "Ö&ffnen...", "O&pen..."},
    {2, C::kFileOpen, "&Datei öffen...\tStrg+O", "Open &File...\tStrg+O"},
    {2, C::kOpenProject, "&Projekt öffnen...", "Open &Project..."},
};

constexpr CMenuItem kViewStage[] = {
    {0, P, "&Ansicht", "&View"},
    {1, C::kViewToolBar, "&Symbolleiste", "&Tool bar"},
    {1, C::kViewStatusBar, "Status&leiste", "&Status bar"},
    {1, C::kViewAxisBar, "&Endstufen", "&Power stages"},
    {0, P, "&Endstufe", "&Power stage"},
    {1, C::kSearch, "&Suchen", "&Search"},
    {1, C::kReset, "&Reset", "&Reset"},
    {1, C::kStatusOverview, "S&tatusübersicht", "S&tatus overview"},
};

constexpr CMenuItem kOptions[] = {
    {0, P, "&Optionen", "&Options"},
    {1, C::kInterfaceParameters, "&Schnittstellenparameter", "&Interface parameter"},
    {1, P, "S&prache", "&Language"},
    {2, C::kLanguageGerman, "&Deutsch", "&German"},
    {2, C::kLanguageEnglish, "&Englisch", "&English"},
    {1, C::kMonitor, "&Monitor", "&Monitor"},
};

constexpr CMenuItem kHelp[] = {
    {0, P, "&Hilfe", "&Help"},
    {1, C::kAppAbout, "&Info über Tarnlink...", "&About Tarnlink"},
};

// Menu 128, the rest of its File menu.
constexpr CMenuItem kMainFileRest[] = {
    {1, P, "&Speichern", "&Save"},
    {2, C::kSaveProject, "&Projekt speichern", "Save &Project"},
    {1, S, "", ""},
    {1, C::kFileMru1, "Letzte Datei", "Letzte Datei"},
    {1, S, "", ""},
    {1, C::kFileClose, "&Schließen", "&Close"},
    {1, C::kAppExit, "&Beenden", "&Exit"},
};

// Menu 129, the rest of its File menu: the page's document commands.
constexpr CMenuItem kParameterFileRest[] = {
    {1, C::kFileClose, "&Schließen", "&Close"},
    {1, P, "&Speichern", "&Save"},
    {2, C::kFileSave, "&Datei speichern\tStrg+S", "Save &File\tStrg+S"},
    {2, C::kSaveProject, "&Projekt speichern", "Save &Project"},
    {1, C::kFileSaveAs, "Speichern &unter...", "Save &As..."},
    {1, S, "", ""},
    {1, C::kFilePrint, "&Drucken...", "&Print..."},
    {1, C::kFilePrintPreview, "Seiten&ansicht", "Print Pre&view"},
    {1, C::kFilePrintSetup, "Drucker&einrichtung...", "P&rint Setup..."},
    {1, S, "", ""},
    {1, C::kFileMru1, "Letzte Datei", "Letzte Datei"},
    {1, S, "", ""},
    {1, C::kAppExit, "&Beenden", "&Exit"},
};

constexpr CMenuItem kWindow[] = {
    {0, P, "&Fenster", "&Window"},
    {1, C::kWindowCascade, "Über&lappend", "&Cascade"},
    {1, C::kWindowTile, "&Nebeneinander", "&Tile"},
};

// Menu 130 adds the transfer under Power stage; 129 and 130 arrange minimised windows.
constexpr CMenuItem kProjectTransmit[] = {
    {1, P, "&Projekt", "&Project"},
    {2, C::kTransmitProject, "&Übertragen", "&Transmit"},
};

constexpr CMenuItem kArrangeIcons[] = {
    {1, C::kWindowArrange, "&Symbole anordnen", "&Arrange Icons"},
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
