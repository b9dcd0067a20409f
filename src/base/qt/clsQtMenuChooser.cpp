#include "base/qt/clsQtMenuChooser.h"

#include "base/qt/basQtText.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

#include <vector>

namespace {

void Fill(QMenu& menu, const std::vector<PopupMenuItem>& items)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        const PopupMenuItem& item = items[i];
        QAction* action = nullptr;
        if (item.Caption == "-") {
            action = menu.addSeparator();
        } else if (!item.Submenu.empty()) {
            QMenu* sub = menu.addMenu(basQtText::ToQ(item.Caption));
            Fill(*sub, item.Submenu);
            action = sub->menuAction();
        } else {
            action = menu.addAction(basQtText::ToQ(item.Caption));
            action->setData(QVariant::fromValue(reinterpret_cast<quintptr>(&item)));
            action->setCheckable(item.Checked);
            action->setChecked(item.Checked);
        }
        action->setVisible(item.Visible);
        action->setEnabled(item.Enabled);
        if (i == 0 && !item.Enabled && item.Caption != "-") {
            // A heading, not a choice: set apart from the entries below it.
            QFont font = action->font();
            font.setBold(true);
            action->setFont(font);
        }
    }
}

} // namespace

std::unique_ptr<QMenu> clsQtMenuChooser::Build(const PopupMenu& menu, QWidget* parent)
{
    auto built = std::make_unique<QMenu>(parent);
    built->setObjectName(basQtText::ToQ(menu.Name));
    Fill(*built, menu.Items);
    return built;
}

const PopupMenuItem* clsQtMenuChooser::ItemOf(const QAction* action)
{
    if (action == nullptr || !action->data().isValid()) {
        return nullptr;
    }
    return reinterpret_cast<const PopupMenuItem*>(action->data().value<quintptr>());
}

const PopupMenuItem* clsQtMenuChooser::Choose(const PopupMenu& menu)
{
    const std::unique_ptr<QMenu> shown = Build(menu, m_parent);
    return ItemOf(shown->exec(QCursor::pos()));
}
