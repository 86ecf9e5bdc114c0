#include "StandardControls.h"

#include "CCircleProgressUI.h"
#include "CColorPaletteUI.h"
#include "CDeviceKeyButtonUI.h"
#include "CHandImgButtonUI.h"
#include "CHandImgSelectButtonUI.h"
#include "CSelectPanelUI.h"
#include "ControlFactory.h"

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
