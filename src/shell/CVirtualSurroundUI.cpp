#include "shell/CVirtualSurroundUI.h"

#include <QAbstractButton>

#include "shell/PanelControls.h"
#include "shell/ui/Notification.h"

namespace ilmo::shell {

namespace surround_names = names::headset_panels;

CVirtualSurroundUI::CVirtualSurroundUI(QWidget* page, ui::Translate translate)
    : HeadsetTabUI(page, std::move(translate), surround_names::kSurroundNotice),
      switch_(panel::find<QAbstractButton>(page, surround_names::kSurroundOption)) {
    show({});
}

void CVirtualSurroundUI::show_controls(const HeadsetPanelState& state) {
    panel::set_checked(switch_, state.surround_on);
    panel::show_usable(switch_, wording(state.surround_unusable));
}

bool CVirtualSurroundUI::handle_notification(const ui::Notification& n) {
    if (n.control == nullptr || n.control != switch_) return false;
    if (n.type == QLatin1String("selectchanged") && on_switched) on_switched(n.value.toBool());
    return true;
}

}  // namespace ilmo::shell
