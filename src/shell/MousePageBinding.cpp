#include "shell/MousePageBinding.h"

#include <QAbstractButton>

#include "mouse/CTavrinMouseDevice.h"
#include "mouse/DpiScale.h"
#include "profiles/ProfileListOutcome.h"
#include "shell/CDevicePage.h"
#include "shell/KeyCaptions.h"
#include "shell/UiThreadCall.h"
#include "shell/names/DevicePageNames.h"
#include "shell/ui/ControlLookup.h"

namespace ilmo::shell {

MousePageBinding::MousePageBinding(CDevicePage& page, mouse::CTavrinMouseDevice& mouse,
                                   ui::Translate translate)
    : page_(page),
      mouse_(mouse),
      translate_(std::move(translate)),
      settings_(&page, translate_) {
    for (size_t i = 0; i < callouts_.size(); ++i)
        callouts_[i] = ui::find_control<QAbstractButton>(
            &page, QString::fromLatin1(names::device_page::kKeyPrefix) + QString::number(i));
    bind_settings();
    mouse_.set_mouse_view(this);
}

MousePageBinding::~MousePageBinding() { mouse_.set_mouse_view(nullptr); }

void MousePageBinding::bind_settings() {
    mouse::CTavrinMouseDevice& m = mouse_;
    settings_.dpi_of_step = [&m](int step) { return mouse::shown_dpi(m.dpi_scale(), step); };
    settings_.on_stage_selected = [this](int stage) { changed(mouse_.select_stage(stage), true); };
    settings_.on_stage_enabled = [this](int stage, bool on) {
        changed(mouse_.change_stage_enabled(stage, on), true);
    };
    settings_.on_stage_step = [this](int stage, int step) {
        changed(mouse_.change_stage_step(stage, step), true);
    };
    settings_.on_stage_dpi = [this](int stage, int dpi) {
        changed(mouse_.change_stage_dpi(stage, dpi), true);
    };
    settings_.on_stage_colour_clicked = [this](int stage) { choose_stage_colour(stage); };
    settings_.on_polling_rate = [this](int rate) { changed(mouse_.change_polling_rate(rate), true); };
    // Kept in the profile only: nothing of them goes to the mouse.
    settings_.on_pointer_changed = [this](mouse::PointerSettings pointer) {
        changed(mouse_.change_pointer_settings(pointer), false);
    };
}

void MousePageBinding::show_mouse_page(const mouse::MousePageState& state) {
    if (deferred_to_owner_thread(&page_, [this, state] { show_mouse_page(state); })) return;
    settings_.show(state);
    show_buttons(state);
}

void MousePageBinding::show_buttons(const mouse::MousePageState& state) {
    for (size_t i = 0; i < callouts_.size(); ++i) {
        QAbstractButton* callout = callouts_[i];
        if (callout == nullptr) continue;
        const mouse::ButtonCaption& caption = state.buttons[i];
        show_key_caption(*callout, {caption.text, caption.is_language_key}, translate_);
        callout->setEnabled(caption.present);
    }
}

void MousePageBinding::changed(bool saved, bool write_block) {
    if (!saved) notify_user(profiles::kWriteFailedNotice);
    show_mouse_page(mouse_.page_state());
    if (write_block) write_settings_block();
}

void MousePageBinding::write_settings_block() {
    const DeviceHooks& hooks = page_.device_hooks();
    if (!mouse_.command_channel().is_open() || !hooks.run_device_work) return;
    mouse::CTavrinMouseDevice* mouse = &mouse_;
    hooks.run_device_work([mouse] { return mouse->write_settings_block(); },
                          [this](device::Result outcome) {
                              if (!device::succeeded(outcome))
                                  trace(device::failure_trace("writing the settings block", outcome));
                              mouse::MousePageState state = mouse_.page_state();
                              // Through the receiver no answer means the mouse is out of
                              // reach: the change waits in the profile.
                              if (outcome == device::Result::kNoAnswer && mouse_.receiver_mode())
                                  state.writes_blocked = true;
                              show_mouse_page(state);
                          });
}

void MousePageBinding::choose_stage_colour(int stage) {
    const mouse::MousePageState state = mouse_.page_state();
    if (stage < 0 || static_cast<size_t>(stage) >= state.stages.size()) return;
    const mouse::StageView& view = state.stages[static_cast<size_t>(stage)];
    if (!view.present || !choose_colour_) return;
    const std::optional<QColor> chosen = choose_colour_(QColor::fromRgb(view.colour));
    if (!chosen || !chosen->isValid()) return;
    changed(mouse_.change_stage_colour(stage, chosen->rgb() & 0xFFFFFFu), true);
}

void MousePageBinding::notify_user(std::string_view text_key) const {
    if (CDeviceProfileUI* panel = page_.profile_panel())
        panel->notify_user(QString::fromLatin1(text_key.data(), static_cast<qsizetype>(text_key.size())));
}

void MousePageBinding::trace(const std::string& line) const {
    if (CDeviceProfileUI* panel = page_.profile_panel())
        if (const auto& sink = panel->trace_sink()) sink(line);
}

}  // namespace ilmo::shell
