#pragma once
// The headset page's Virtual 7.1 tab: surround on or off. It shows a state and reports the
// user's switch; it stores and writes nothing itself.

#include <functional>

#include "shell/HeadsetTabUI.h"

class QAbstractButton;

namespace ilmo::shell {

class CVirtualSurroundUI : public HeadsetTabUI {
public:
    // Finds the controls inside `page`; any the skin leaves out is skipped.
    CVirtualSurroundUI(QWidget* page, ui::Translate translate);

    bool handle_notification(const ui::Notification& n) override;

    std::function<void(bool on)> on_switched;

private:
    void show_controls(const HeadsetPanelState& state) override;

    QAbstractButton* switch_ = nullptr;
};

}  // namespace ilmo::shell
