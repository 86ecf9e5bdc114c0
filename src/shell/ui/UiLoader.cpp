#include "shell/ui/UiLoader.h"

#include <QDir>
#include <QFile>
#include <QWidget>

#include "shell/ui/ControlFactory.h"
#include "shell/ui/EditProperties.h"
#include "shell/ui/OptionGroups.h"

namespace ilmo::shell::ui {

namespace {
// Deeper than any real panel nesting; reached only by a layout that includes itself.
constexpr int kMaxSubtreeDepth = 8;
}  // namespace

UiLoader::UiLoader(const ControlFactory& factory, SkinPaths paths, QObject* parent)
    : QUiLoader(parent), factory_(factory), paths_(std::move(paths)) {
    // Images in layouts are written relative to the skin folder.
    setWorkingDirectory(QDir(paths_.skin_folder()));
}

UiLoader::UiLoader(const ControlFactory& factory, SkinPaths paths, int depth)
    : UiLoader(factory, std::move(paths)) {
    depth_ = depth;
}

QWidget* UiLoader::load(QStringView layout_name, QWidget* parent) {
    return load_file(paths_.layout_file(layout_name), parent);
}

QWidget* UiLoader::load_file(const QString& ui_file, QWidget* parent) {
    errors_.clear();
    QWidget* root = build(ui_file, parent);
    if (!root) return nullptr;
    // Sub-layouts are part of this tree: their edits and groups are settled here, once,
    // so that a group name spans the whole loaded tree.
    if (depth_ == 0) {
        apply_edit_properties(root);
        apply_option_groups(root);
    }
    return root;
}

QWidget* UiLoader::build(const QString& ui_file, QWidget* parent) {
    QFile file(ui_file);
    if (!file.open(QIODevice::ReadOnly)) {
        errors_ << QStringLiteral("cannot open %1: %2").arg(ui_file, file.errorString());
        return nullptr;
    }
    QWidget* root = QUiLoader::load(&file, parent);
    if (!root) {
        const QString why = errorString();
        errors_ << QStringLiteral("cannot build %1: %2")
                       .arg(ui_file, why.isEmpty() ? QStringLiteral("no widget in it") : why);
        return nullptr;
    }
    if (!errors_.isEmpty()) {
        // A sub-layout failed inside: a half-built panel would fail later and less clearly.
        delete root;
        return nullptr;
    }
    return root;
}

QWidget* UiLoader::createWidget(const QString& class_name, QWidget* parent, const QString& name) {
    const QString subtree = factory_.subtree_layout(class_name);
    if (!subtree.isEmpty()) return build_subtree(subtree, parent, name);

    if (QWidget* custom = factory_.create(class_name, parent)) {
        custom->setObjectName(name);
        return custom;
    }
    QWidget* widget = QUiLoader::createWidget(class_name, parent, name);
    if (!widget) errors_ << QStringLiteral("unknown class %1 for \"%2\"").arg(class_name, name);
    return widget;
}

QWidget* UiLoader::build_subtree(const QString& layout_name, QWidget* parent, const QString& name) {
    if (depth_ >= kMaxSubtreeDepth) {
        errors_ << QStringLiteral("sub-layouts nested too deep at %1").arg(layout_name);
        return nullptr;
    }
    // QUiLoader keeps per-load state, so a nested layout gets a loader of its own.
    UiLoader nested(factory_, paths_, depth_ + 1);
    QWidget* widget = nested.load(layout_name, parent);
    errors_ << nested.errors_;
    if (widget && !name.isEmpty()) widget->setObjectName(name);
    return widget;
}

}  // namespace ilmo::shell::ui
