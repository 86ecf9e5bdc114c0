#include "SkinResources.h"

#include <QWidget>

#include "FontTable.h"
#include "StandardControls.h"

namespace ilmo::shell {

SkinResources::SkinResources(const QString& program_folder) : paths_(program_folder) {
    ui::register_standard_controls(factory_, paths_);
    loader_ = std::make_unique<ui::UiLoader>(factory_, paths_);
}

QWidget* SkinResources::build(QStringView layout_name, QWidget* parent,
                              ui::NotificationSink* sink) {
    QWidget* root = loader_->load(layout_name, parent);
    if (root == nullptr) return nullptr;
    texts_.apply(root);
    if (!font_family_.isEmpty()) ui::apply_fonts(root, font_family_);
    if (sink != nullptr) bridge_.attach(root, sink);
    return root;
}

}  // namespace ilmo::shell
