#pragma once

class QWidget;

namespace ilmo::shell::ui {

// Line edits under root (root included) with the dynamic properties "numberonly" (bool),
// "minvalue" / "maxvalue" (int) get an integer validator, "maxchar" (int) a maximum length.
void apply_edit_properties(QWidget* root);

}  // namespace ilmo::shell::ui
