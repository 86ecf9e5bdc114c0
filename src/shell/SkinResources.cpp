#include "shell/SkinResources.h"

#include <QDir>
#include <QFile>
#include <QWidget>

#include "shell/ui/FontTable.h"
#include "shell/ui/StandardControls.h"

namespace ilmo::shell {

namespace {

// The wording every window starts with, so that a missing or broken language list still
// shows words and not language keys.
constexpr char16_t kBaseLanguageFile[] = u"lang/lan_en.xml";

}  // namespace

SkinResources::SkinResources(const QString& program_folder) : paths_(program_folder) {
    ui::register_standard_controls(factory_, paths_);
    loader_ = std::make_unique<ui::UiLoader>(factory_, paths_);
    texts_.load(paths_.resource_file(kBaseLanguageFile));
}

void SkinResources::install_style() {
    QDir::setSearchPaths("skin", {paths_.skin_folder()});
    QFile sheet(paths_.skin_folder() + "/style.qss");
    if (sheet.open(QIODevice::ReadOnly | QIODevice::Text))
        style_sheet_ = QString::fromUtf8(sheet.readAll());
}

void SkinResources::style_window(QWidget* root, const QString& extra_rules) const {
    if (root == nullptr || (style_sheet_.isEmpty() && extra_rules.isEmpty())) return;
    root->setStyleSheet(style_sheet_ + u'\n' + extra_rules);
}

QWidget* SkinResources::build(QStringView layout_name, QWidget* parent,
                              ui::NotificationSink* sink) {
    QWidget* root = loader_->load(layout_name, parent);
    if (root == nullptr) return nullptr;
    // The sheet goes on first: fonts set on a styled widget are the ones a later restyle
    // (a new background) restores.
    if (ui::SkinPaths::is_window_layout(layout_name)) style_window(root);
    texts_.apply(root);
    if (!font_family_.isEmpty()) ui::apply_fonts(root, font_family_);
    if (sink != nullptr) bridge_.attach(root, sink);
    return root;
}

}  // namespace ilmo::shell
