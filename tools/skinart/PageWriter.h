#pragma once
// Writes the four device page layouts from the picture geometry, so the buttons on each
// picture sit exactly where the picture shows them.

#include <QString>
#include <QStringList>

namespace ilmo::skinart {

// Writes skin/XML/DeviceXml/*.ui under skin_folder; captions in the layouts are taken from
// skin_folder/lang/lan_en.xml. Returns the files it could not write.
QStringList write_device_pages(const QString& skin_folder);

}  // namespace ilmo::skinart
