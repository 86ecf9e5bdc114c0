#pragma once

#include <QStringList>
#include <QUiLoader>

#include "shell/ui/SkinPaths.h"

namespace ilmo::shell::ui {

class ControlFactory;

// Builds the skin's .ui layouts. Every class name in a layout is first looked up in the
// ControlFactory (custom controls and sub-layouts), then left to Qt's own widgets.
// After a load, the contract's dynamic properties are put into effect: number-only edits
// ("numberonly", "minvalue", "maxvalue"), "maxchar", and exclusive option "group"s.
class UiLoader : public QUiLoader {
    Q_OBJECT
public:
    // The factory must outlive the loader.
    UiLoader(const ControlFactory& factory, SkinPaths paths, QObject* parent = nullptr);

    // Builds the layout by name ("XML_MAIN", "XML\\CustomControlXML\\DeviceProfile.xml").
    // nullptr when the file is missing or unreadable, fails to parse, or a sub-layout in it
    // cannot be built; error_text() then says why.
    QWidget* load(QStringView layout_name, QWidget* parent = nullptr);
    // The same for a .ui file given by path.
    QWidget* load_file(const QString& ui_file, QWidget* parent = nullptr);

    // Why the last load failed; empty after a load that succeeded.
    QString error_text() const { return errors_.join(u'\n'); }
    const SkinPaths& paths() const { return paths_; }

protected:
    QWidget* createWidget(const QString& class_name, QWidget* parent, const QString& name) override;

private:
    UiLoader(const ControlFactory& factory, SkinPaths paths, int depth);
    QWidget* build(const QString& ui_file, QWidget* parent);
    QWidget* build_subtree(const QString& layout_name, QWidget* parent, const QString& name);

    const ControlFactory& factory_;
    SkinPaths paths_;
    int depth_ = 0;  // sub-layouts nest; a layout that contains itself must not recurse forever
    QStringList errors_;
};

}  // namespace ilmo::shell::ui
