#include "shell/SkinResources.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QWidget>

#include "shell/ui/FontTable.h"
#include "shell/ui/StandardControls.h"

namespace ilmo::shell {

SkinResources::SkinResources(const QString& program_folder) : paths_(program_folder) {
    ui::register_standard_controls(factory_, paths_);
    loader_ = std::make_unique<ui::UiLoader>(factory_, paths_);
}

void SkinResources::install_style() const {
    QDir::setSearchPaths("skin", {paths_.skin_folder()});
    QFile sheet(paths_.skin_folder() + "/style.qss");
    if (sheet.open(QIODevice::ReadOnly | QIODevice::Text))
        qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
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
