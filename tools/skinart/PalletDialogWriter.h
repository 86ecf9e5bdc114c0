#pragma once
// Writes the colour dialog's layout: the palette with the preset and collected swatches
// below it, and the preview, the colour's numbers and the seven-colour option beside it.

#include <QString>
#include <QStringList>

namespace ilmo::skinart {

// Writes the dialog's .ui under skin_folder; captions are taken from
// skin_folder/lang/lan_en.xml. Returns the files it could not write.
QStringList write_pallet_dialog(const QString& skin_folder);

}  // namespace ilmo::skinart
