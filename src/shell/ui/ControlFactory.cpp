#include "shell/ui/ControlFactory.h"

namespace ilmo::shell::ui {

QString ControlFactory::key(QStringView class_name) {
    return class_name.toString().toCaseFolded();
}

void ControlFactory::add(const QString& class_name, Creator creator) {
    entries_.insert(key(class_name), Entry{std::move(creator), {}});
}

void ControlFactory::add_subtree(const QString& class_name, const QString& layout_name) {
    entries_.insert(key(class_name), Entry{{}, layout_name});
}

bool ControlFactory::contains(QStringView class_name) const {
    return entries_.contains(key(class_name));
}

QWidget* ControlFactory::create(QStringView class_name, QWidget* parent) const {
    const auto it = entries_.constFind(key(class_name));
    if (it == entries_.cend() || !it->creator) return nullptr;
    return it->creator(parent);
}

QString ControlFactory::subtree_layout(QStringView class_name) const {
    const auto it = entries_.constFind(key(class_name));
    return it == entries_.cend() ? QString() : it->subtree_layout;
}

}  // namespace ilmo::shell::ui
