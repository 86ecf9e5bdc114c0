#pragma once
// Joins a mouse page to its controller: the page state the controller composes shows on the
// settings area and on the button callouts, and what the user changes there goes to the
// controller, which keeps it in the profile; the settings block then goes to the mouse as
// the page's device work.

#include <QColor>
#include <functional>
#include <optional>

#include "device/CommandResult.h"
#include "mouse/MouseView.h"
#include "shell/CMouseSettingsUI.h"

class QAbstractButton;

namespace ilmo::mouse {
class CTavrinMouseDevice;
}

namespace ilmo::shell {

class CDevicePage;

class MousePageBinding : public mouse::MouseView {
public:
    // The user's colour for a stage, or nothing when they cancelled.
    using ChooseColour = std::function<std::optional<QColor>(QColor initial)>;

    // Becomes the controller's mouse view until it is destroyed.
    MousePageBinding(CDevicePage& page, mouse::CTavrinMouseDevice& mouse, ui::Translate translate);
    ~MousePageBinding() override;
    MousePageBinding(const MousePageBinding&) = delete;
    MousePageBinding& operator=(const MousePageBinding&) = delete;

    // Any thread; drawn on the page's.
    void show_mouse_page(const mouse::MousePageState& state) override;

    bool handle_notification(const ui::Notification& n) { return settings_.handle_notification(n); }
    void retranslate() { settings_.retranslate(); }
    CMouseSettingsUI& settings() { return settings_; }
    // How a stage's colour is chosen (the main window opens its colour dialog); without it
    // the stage colours cannot be changed.
    void set_choose_colour(ChooseColour choose) { choose_colour_ = std::move(choose); }

private:
    void bind_settings();
    void show_buttons(const mouse::MousePageState& state);
    // The change is in the profile (its save failed when `saved` is false); the page shows
    // the controller's state again and, unless only the profile keeps it, the mouse gets the
    // settings block.
    void changed(bool saved, bool write_block);
    void write_settings_block();
    void choose_stage_colour(int stage);
    void notify_user(std::string_view text_key) const;
    void trace(const std::string& line) const;

    CDevicePage& page_;
    mouse::CTavrinMouseDevice& mouse_;
    ui::Translate translate_;
    CMouseSettingsUI settings_;
    std::array<QAbstractButton*, mouse::kLogicalButtons> callouts_{};
    ChooseColour choose_colour_;
};

}  // namespace ilmo::shell
