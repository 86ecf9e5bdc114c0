#pragma once

#include <QString>
#include <QTemporaryDir>

namespace ilmo::shell::ui::testing {

// A throw-away program folder; files are written below its skin/ folder.
class SkinFolder {
public:
    SkinFolder();

    QString program_folder() const { return dir_.path(); }
    // Writes text to skin/<relative_path>, creating folders; returns the absolute path.
    QString write(const QString& relative_path, const QByteArray& text) const;

private:
    QTemporaryDir dir_;
};

// A .ui document with the given top widget XML.
QByteArray ui_document(const QByteArray& widget_xml);

}  // namespace ilmo::shell::ui::testing
