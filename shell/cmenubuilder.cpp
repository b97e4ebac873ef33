#include "shell/cmenubuilder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

CMenuBuilder::Menus CMenuBuilder::Build(QMenuBar& bar, std::span<const CMenuItem> items,
                                        UiLanguage language, const ActionLookup& lookup)
{
    Menus menus;
    std::vector<QMenu*> open; // open[d]: the pop-up that items of depth d + 1 go into
    for (const CMenuItem& item : items) {
        open.resize(static_cast<std::size_t>(item.depth));
        QMenu* parent = item.depth > 0 ? open.back() : nullptr;
        if (item.command == CMenuItem::kPopup) {
            QMenu* popup = parent ? parent->addMenu(QString()) : new QMenu(&bar);
            if (!parent)
                menus.bar.append(popup);
            menus.popups.push_back(popup);
            open.push_back(popup);
        } else if (item.command == CMenuItem::kSeparator) {
            if (parent)
                parent->addSeparator();
        } else if (QAction* action = lookup(item.command); action && parent) {
            parent->addAction(action);
        }
    }
    Retext(menus, items, language, lookup);
    return menus;
}

void CMenuBuilder::Retext(const Menus& menus, std::span<const CMenuItem> items, UiLanguage language,
                          const ActionLookup& lookup)
{
    std::size_t popup = 0;
    for (const CMenuItem& item : items) {
        const QString text = CMenuTable::Text(item, language);
        if (item.command == CMenuItem::kPopup) {
            if (popup < menus.popups.size())
                menus.popups[popup++]->setTitle(text);
        } else if (item.command != CMenuItem::kSeparator) {
            if (QAction* action = lookup(item.command))
                action->setText(text);
        }
    }
}

void CMenuBuilder::Show(QMenuBar& bar, const Menus& menus)
{
    bar.clear();
    for (QMenu* menu : menus.bar)
        bar.addMenu(menu);
}
