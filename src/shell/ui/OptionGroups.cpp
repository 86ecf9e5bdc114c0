#include "shell/ui/OptionGroups.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace ilmo::shell::ui {

namespace {

QButtonGroup* group_named(QWidget* root, const QString& name) {
    for (QButtonGroup* group : root->findChildren<QButtonGroup*>(name, Qt::FindDirectChildrenOnly))
        return group;
    auto* group = new QButtonGroup(root);
    group->setObjectName(name);
    group->setExclusive(true);
    return group;
}

}  // namespace

void apply_option_groups(QWidget* root) {
    if (!root) return;
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        const QString name = button->property("group").toString();
        if (name.isEmpty() || !button->isCheckable()) continue;
        QButtonGroup* group = group_named(root, name);
        if (button->group() != group) group->addButton(button);
    }
}

}  // namespace ilmo::shell::ui
