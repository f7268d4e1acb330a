// The skin submenu at the top of the main window's system menu.

#include "skins/manager/skin_manager.h"

#include <QMenu>

namespace lingotab::skins {

namespace {

const QString kSkinSelectItem = QStringLiteral("SkinSelectItem");
constexpr int kItemsPerColumn = 20;

}  // namespace

void TsSkinManager::setSkinMenuTexts(const QString& caption, const QString& internalMarker) {
    menuCaption_ = caption;
    internalMarker_ = internalMarker;
}

QString TsSkinManager::skinNameFromMenuCaption(QString caption, const QString& internalMarker) {
    caption.remove(QLatin1Char('&'));
    if (const qsizetype at = internalMarker.isEmpty() ? -1 : caption.indexOf(internalMarker);
        at >= 0)
        caption.truncate(at + internalMarker.size());
    return caption;
}

void TsSkinManager::fillSkinMenu(QMenu* systemMenu) {
    // An earlier submenu goes; the separator after it stays and is reused.
    if (const QList<QAction*> actions = systemMenu->actions();
        !actions.isEmpty() && actions.front()->objectName() == kSkinSelectItem) {
        QAction* old = actions.front();
        systemMenu->removeAction(old);
        delete old->menu();
    }
    QStringList names;
    GetSkinNames(names, stAllSkins);
    if (names.isEmpty()) return;
    auto* submenu = new QMenu(menuCaption_, systemMenu);
    QAction* item = submenu->menuAction();
    item->setObjectName(kSkinSelectItem);
    QAction* first = systemMenu->actions().value(0);
    systemMenu->insertAction(first, item);
    if (!first)
        systemMenu->addSeparator();
    else if (!first->isSeparator())
        systemMenu->insertSeparator(first);

    for (qsizetype i = 0; i < names.size(); ++i) {
        // No exclusive action group: a name listed twice (a folder named like
        // an internal skin) shows its mark on both items.
        auto* action = new QAction(names[i], submenu);
        action->setObjectName(kSkinSelectItem + QString::number(i));
        action->setCheckable(true);
        action->setChecked(names[i] == skinName_);
        action->setProperty("radioItem", true);
        if (i > 0 && i % kItemsPerColumn == 0) action->setProperty("columnBreak", true);
        connect(action, &QAction::triggered, this, [this, action] {
            setSkinName(skinNameFromMenuCaption(action->text(), internalMarker_));
        });
        submenu->addAction(action);
    }
}

}  // namespace lingotab::skins
