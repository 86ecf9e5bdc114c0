#pragma once

#include <QString>
#include <QStringView>

namespace ilmo::shell::ui {

// Where the skin lives inside the program folder, and which .ui file stands for each
// layout name the windows and panels ask for ("XML_MAIN", "XML\\CustomControlXML\\...").
class SkinPaths {
public:
    explicit SkinPaths(QString program_folder);

    const QString& program_folder() const { return program_folder_; }
    // <program folder>/skin, without a trailing separator.
    QString skin_folder() const;
    // Absolute path of the .ui file for a layout name.
    QString layout_file(QStringView layout_name) const;
    // Absolute path of a skin resource given relative to the skin folder ("common/x.png").
    // Absolute paths are returned unchanged.
    QString resource_file(QStringView relative_path) const;

    // The layout's path relative to the skin folder: separators become '/', ".xml" becomes
    // ".ui", and the two window aliases name their files.
    static QString relative_layout_path(QStringView layout_name);
    // Windows have their layouts at the top of the skin folder; panels and device pages
    // lie below "XML".
    static bool is_window_layout(QStringView layout_name);

private:
    QString program_folder_;
};

}  // namespace ilmo::shell::ui
