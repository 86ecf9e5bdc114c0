#include "shell/ui/StandardControls.h"

#include "shell/ui/CCircleProgressUI.h"
#include "shell/ui/CColorPaletteUI.h"
#include "shell/ui/CDeviceKeyButtonUI.h"
#include "shell/ui/CHandImgButtonUI.h"
#include "shell/ui/CHandImgSelectButtonUI.h"
#include "shell/ui/CSelectPanelUI.h"
#include "shell/ui/ControlFactory.h"

namespace ilmo::shell::ui {

void register_standard_controls(ControlFactory& factory, const SkinPaths& paths) {
    factory.add(QStringLiteral("DeviceKeyButton"),
                [](QWidget* parent) { return new CDeviceKeyButtonUI(parent); });
    factory.add(QStringLiteral("SelectPanel"),
                [](QWidget* parent) { return new CSelectPanelUI(parent); });
    factory.add(QStringLiteral("CircleProgress"),
                [](QWidget* parent) { return new CCircleProgressUI(parent); });
    factory.add(QStringLiteral("HandImgButton"),
                [paths](QWidget* parent) { return new CHandImgButtonUI(paths, parent); });
    factory.add(QStringLiteral("HandImgSelectButton"),
                [paths](QWidget* parent) { return new CHandImgSelectButtonUI(paths, parent); });
    factory.add(QStringLiteral("ColorPalette"),
                [](QWidget* parent) { return new CColorPaletteUI(parent); });
}

}  // namespace ilmo::shell::ui
