#pragma once

class QWidget;

namespace ilmo::shell::ui {

// Checkable buttons under root with the dynamic property "group" (string) are joined into
// one exclusive QButtonGroup per group name, owned by root and named after the group.
// Running it again after adding buttons extends the existing groups.
void apply_option_groups(QWidget* root);

}  // namespace ilmo::shell::ui
