#pragma once
// The headset page's voice changer tab: the changer on or off and its effect. It shows a
// state and turns the user's changes into calls; it stores and writes nothing itself.

#include <array>
#include <functional>

#include "shell/HeadsetTabUI.h"

class QAbstractButton;

namespace ilmo::shell {

class CMagicControlUI : public HeadsetTabUI {
public:
    // Finds the controls inside `page`; any the skin leaves out is skipped.
    CMagicControlUI(QWidget* page, ui::Translate translate);

    bool handle_notification(const ui::Notification& n) override;

    std::function<void(bool on)> on_switched;
    std::function<void(int effect)> on_effect;  // 1-based

private:
    void show_controls(const HeadsetPanelState& state) override;

    QAbstractButton* enable_ = nullptr;
    QWidget* effects_layout_ = nullptr;
    std::array<QAbstractButton*, names::headset_panels::kMagicEffects> effects_{};
};

}  // namespace ilmo::shell
