#include "shell/CMagicControlUI.h"

#include <QAbstractButton>

#include "shell/PanelControls.h"
#include "shell/ui/Notification.h"

namespace ilmo::shell {

namespace magic_names = names::headset_panels;

CMagicControlUI::CMagicControlUI(QWidget* page, ui::Translate translate)
    : HeadsetTabUI(page, std::move(translate), magic_names::kMagicNotice),
      enable_(panel::find<QAbstractButton>(page, magic_names::kMagicEnable)),
      effects_layout_(panel::find<QWidget>(page, magic_names::kMagicLayout)),
      effects_(panel::find_family<QAbstractButton, magic_names::kMagicEffects>(
          page, magic_names::kMagicOptionPrefix, 1)) {
    show({});
}

void CMagicControlUI::show_controls(const HeadsetPanelState& state) {
    const QString unusable = wording(state.voice_changer_unusable);
    panel::set_checked(enable_, state.voice_changer_on);
    panel::show_usable(enable_, unusable);
    panel::check_only(effects_, state.voice_effect - 1);
    // The effects are for a changer that is on.
    panel::show_usable(effects_layout_, unusable, state.voice_changer_on);
}

bool CMagicControlUI::handle_notification(const ui::Notification& n) {
    if (n.control == nullptr) return false;
    if (n.control == enable_) {
        if (n.type == QLatin1String("selectchanged") && on_switched) on_switched(n.value.toBool());
        return true;
    }
    if (const int effect = panel::index_in(effects_, n.control); effect >= 0) {
        if (panel::chosen(n) && on_effect) on_effect(effect + 1);
        return true;
    }
    return false;
}

}  // namespace ilmo::shell
