#include "shell/cmenubuilder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <vector>

void CMenuBuilder::Build(QMenuBar& bar, std::span<const CMenuItem> items, UiLanguage language,
                         const ActionLookup& lookup)
{
    bar.clear();
    // The pop-ups of the old menu go with it; the command actions belong to the frame.
    const QList<QMenu*> old = bar.findChildren<QMenu*>(Qt::FindDirectChildrenOnly);
    qDeleteAll(old);

    std::vector<QMenu*> open; // open[d]: the pop-up that items of depth d + 1 go into
    for (const CMenuItem& item : items) {
        open.resize(static_cast<std::size_t>(item.depth));
        QMenu* parent = item.depth > 0 ? open.back() : nullptr;
        const QString text = CMenuTable::Text(item, language);
        if (item.command == CMenuItem::kPopup) {
            open.push_back(parent ? parent->addMenu(text) : bar.addMenu(text));
        } else if (item.command == CMenuItem::kSeparator) {
            if (parent)
                parent->addSeparator();
        } else if (QAction* action = lookup(item.command)) {
            action->setText(text);
            if (parent)
                parent->addAction(action);
            else
                bar.addAction(action);
        }
    }
}
