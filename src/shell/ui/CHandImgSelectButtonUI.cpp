#include "shell/ui/CHandImgSelectButtonUI.h"

namespace ilmo::shell::ui {

CHandImgSelectButtonUI::CHandImgSelectButtonUI(SkinPaths paths, QWidget* parent)
    : CHandImgButtonUI(std::move(paths), parent) {
    setCheckable(true);
}

}  // namespace ilmo::shell::ui
