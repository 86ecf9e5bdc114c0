#pragma once

#include "shell/ui/CHandImgButtonUI.h"

namespace ilmo::shell::ui {

// The option form of CHandImgButtonUI: checkable, showing "selectedimage" while checked,
// and joined into an exclusive group by the dynamic property "group" like other options.
class CHandImgSelectButtonUI : public CHandImgButtonUI {
    Q_OBJECT
public:
    explicit CHandImgSelectButtonUI(SkinPaths paths, QWidget* parent = nullptr);
};

}  // namespace ilmo::shell::ui
