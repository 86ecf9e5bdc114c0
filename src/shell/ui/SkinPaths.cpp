#include "shell/ui/SkinPaths.h"

#include <QDir>

namespace ilmo::shell::ui {

namespace {
QString without_trailing_separators(QString folder) {
    while (folder.size() > 1 && (folder.endsWith(u'/') || folder.endsWith(u'\\'))) folder.chop(1);
    return folder;
}
}  // namespace

SkinPaths::SkinPaths(QString program_folder)
    : program_folder_(without_trailing_separators(std::move(program_folder))) {}

QString SkinPaths::skin_folder() const {
    return program_folder_ + QStringLiteral("/skin");
}

QString SkinPaths::layout_file(QStringView layout_name) const {
    return skin_folder() + u'/' + relative_layout_path(layout_name);
}

QString SkinPaths::resource_file(QStringView relative_path) const {
    QString path = relative_path.toString();
    path.replace(u'\\', u'/');
    if (QDir::isAbsolutePath(path)) return path;
    while (path.startsWith(u'/')) path.remove(0, 1);
    return skin_folder() + u'/' + path;
}

QString SkinPaths::relative_layout_path(QStringView layout_name) {
    // The two window layouts are known to the windows by alias, not by file name.
    if (layout_name == u"XML_MAIN") return QStringLiteral("main.ui");
    if (layout_name == u"XML_MSG") return QStringLiteral("msg.ui");

    QString path = layout_name.toString();
    path.replace(u'\\', u'/');
    while (path.startsWith(u'/')) path.remove(0, 1);
    if (path.endsWith(u".xml", Qt::CaseInsensitive)) {
        path.chop(4);
        path += QStringLiteral(".ui");
    }
    return path;
}

bool SkinPaths::is_window_layout(QStringView layout_name) {
    return !relative_layout_path(layout_name).contains(u'/');
}

}  // namespace ilmo::shell::ui
