#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "SkinFolder.h"

namespace ilmo::shell::ui::testing {

SkinFolder::SkinFolder() = default;

QString SkinFolder::write(const QString& relative_path, const QByteArray& text) const {
    const QString path = dir_.path() + QStringLiteral("/skin/") + relative_path;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    file.write(text);
    return path;
}

QByteArray ui_document(const QByteArray& widget_xml) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui version=\"4.0\">\n" + widget_xml +
           "\n</ui>\n";
}

}  // namespace ilmo::shell::ui::testing
