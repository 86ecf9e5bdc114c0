#pragma once
// The keyboard's controller: what it reads when it arrives, its key tables and maps, its
// settings record with the system options, its macros, its events, and the host frames of
// the host-driven lighting modes.

#include <array>
#include <atomic>
#include <optional>
#include <vector>

#include "device/EventReader.h"
#include "device/FrameFilter.h"
#include "device/FrameSender.h"
#include "keyboard/KeyMaps.h"
#include "keyboard/KeyboardView.h"
#include "keyboard/LightingDevice.h"
#include "keyboard/SettingsRecord.h"
#include "lighting/AudioBands.h"
#include "lighting/BeatRipple.h"
#include "profiles/CKeyboardProfiledata.h"

namespace ilmo::keyboard {

// What became of a macro download.
struct MacroDownload {
    device::Result result = device::Result::kOk;
    int excess_events = 0;  // > 0: the image did not fit by this many events; nothing was sent
};

// What the keyboard runs: its active on-board profile and that profile's lighting and
// options, as the host takes them from the settings record.
struct OnboardSettings {
    int profile = 0;
    device::LightRecord light;
    SystemOptions options;
};

enum class KeyLayer { Normal, Fn };

class CTavrinKeyboardDevice : public LightingDevice {
public:
    // Receivers and cables both answer within this; a larger table is not loaded.
    static constexpr int kMaxTableBytes = 512;
    // The pause after the device asks to be read again.
    static constexpr int kRefreshDelayMs = 50;
    // On-board profiles the keyboard's own profile switch can name (a four-bit index).
    static constexpr int kOnboardProfiles = 16;
    // Groups of per-key colours a profile keeps.
    static constexpr int kCustomGroups = 16;

    CTavrinKeyboardDevice(device::HidBackend& backend, int page_row,
                          device::DeviceFolders folders, std::string device_folder_name,
                          device::TraceSink trace, device::SleepFn sleep = {});
    ~CTavrinKeyboardDevice() override;

    void set_keyboard_view(KeyboardView* view) { keyboard_view_ = view; }

    // Device work.
    device::Result load_after_attach() override;
    device::Result refresh_on_request() override;
    device::Result write_profile_to_device() override;
    // The lighting as the page writes it after a change: the settings record of the active
    // on-board profile, and in the per-key mode the per-key colours too.
    device::Result write_lighting();
    device::Result write_lighting_to_device() override { return write_lighting(); }
    // The settings record of on-board profile `profile` (byte 0 = `byte0`) from the profile's
    // lighting and system options. The record is read again first, inside the transfer, and
    // only what the host owns is changed; without that read nothing is written.
    device::Result write_lighting_settings(int profile, uint8_t byte0);
    // Both key tables; refused (no answer) until the device's default table was read.
    // `used_macros`, when given, receives the macros the tables number, in image order.
    device::Result write_assignments(std::vector<int>* used_macros = nullptr);
    MacroDownload download_macros(const std::vector<int>& used_macros);
    // Both key tables and the macros their keys use; the first failure of the two, and the
    // macro image's excess when it did not fit.
    MacroDownload write_key_functions();
    device::Result write_per_key_colours();
    // Writes the options into the active on-board profile's settings record; only by cable
    // (a receiver keyboard keeps them in the profile until it is plugged in).
    device::Result write_system_options();
    // Makes `profile` (0 .. kOnboardProfiles - 1) the keyboard's active on-board profile, then
    // reads its settings into the profile in use as a switch on the keyboard itself does.
    // Nothing is sent for a profile outside that range (no answer).
    device::Result select_onboard_profile(int profile);
    // The active on-board profile and its settings, read afresh; nothing is stored.
    device::Result read_onboard_settings(OnboardSettings& settings);
    // The per-key colours the keyboard holds, by page key (light) index; keys without an LED
    // position on this keyboard have none. Refused (no answer) until the keyboard is loaded.
    device::Result read_key_colours(std::vector<std::optional<device::Rgb>>& by_key);

    // UI thread.
    profiles::ProfileLoad load_profile(const std::filesystem::path& document) override;
    bool take_profile_reload_request() override { return reload_requested_.exchange(false); }
    SystemOptions system_options() const;
    // Stores the options in the profile and saves it; false when the save failed.
    bool change_system_options(const SystemOptions& options);
    bool fn_view() const;
    // Sets the function of page key `key_index` on one layer and saves the profile; false
    // when the profile has no record of that key or the save failed. Nothing is sent.
    bool change_key_assignment(int key_index, KeyLayer layer, AssignmentCode code);
    // The per-key colours of the profile's custom group, one per light.
    std::vector<profiles::KeyColor> custom_key_colours() const;
    // Replaces them (entry i is light i) and saves the profile; false when the save failed.
    // Nothing is sent: write_per_key_colours() does, in the per-key mode.
    bool change_custom_colours(const std::vector<profiles::KeyColor>& colours);
    // The preview's music mode draws with the new record at once.
    bool change_audio_light(const profiles::AudioLightRecord& record) override;
    std::vector<KeyCaption> key_captions() const;
    std::vector<profiles::KeyEntry> key_records() const;
    // Shows the profile's captions and options on the page.
    void redraw_page() override;
    // In the host-driven modes: sends the preview's picture as a host frame when the keyboard
    // does not show it yet (see FrameFilter); true when a frame went out.
    bool build_and_send_frame() override;
    // The frames follow the preview's ticks, so a new picture goes out at once.
    bool frames_follow_lights() const override { return true; }
    // The music lighting's bands (the first 25 of at most 500 values) go to the preview's
    // visualisers; in the music mode with the beat ripple chosen their beat starts a ripple
    // now and then, as a press of the ripple key would.
    void audio_input(std::span<const int> bands) override;
    // The six values of the keyboard's copy-data notice, kept for its lighting.
    void keep_notice_values(const lighting::KeyboardNoticeValues& values);
    lighting::KeyboardNoticeValues notice_values() const;

    // What the device last said.
    int onboard_profile() const { return onboard_profile_; }
    bool loaded() const { return loaded_; }
    // Every event the readers saw, keep-alives included; for the status display and tests.
    int keep_alives() const { return keep_alives_; }
    // Ripples the music's beat started.
    int beat_ripples() const { return beat_ripples_; }

    // One event code from the cable (or the receiver) reader.
    void handle_event(uint16_t code, bool cable_reader);

protected:
    void load_profile_sections() override;
    void event_interface_opened(bool receiver) override;
    void stopping_threads() override;
    void stopping_event_readers() override;
    bool host_driven(int mode) const override;

private:
    // state_mutex() held.
    profiles::CKeyboardProfiledata& keyboard_profile();
    const profiles::CKeyboardProfiledata& keyboard_profile() const;
    // Offers a firmware update when the keyboard's release needs one; true when it did (the
    // keyboard is then not loaded).
    bool firmware_update_asked();
    device::Result initialise_from_device();
    device::Result read_settings();
    // The per-key colours of the profile's custom group, as colour records of the lights.
    std::vector<device::ColorRecord> custom_colours() const;
    // The preview shows them in the per-key mode.
    void show_custom_colours();
    // The preview's music mode draws with the profile's "AudioLightInfo".
    void show_music_lighting();
    std::optional<int> key_index_at(int position) const;

    KeyboardView* keyboard_view_ = nullptr;

    // Guarded by state_mutex().
    std::vector<uint8_t> default_table_;
    std::vector<uint8_t> led_table_;
    KeyMaps maps_{};
    // The count the maps were built for. Frames are built on the UI thread, and device work
    // reads the information record again meanwhile, so they do not read that record.
    int key_positions_ = 0;
    std::vector<profiles::KeyEntry> keys_;
    SystemOptions options_{};
    bool fn_view_ = false;
    lighting::KeyboardNoticeValues notice_values_{};

    // Under the lights lock, with the preview it feeds.
    lighting::BeatRipple beat_;

    std::atomic<bool> loaded_{false};
    std::atomic<int> onboard_profile_{0};
    std::atomic<int> keep_alives_{0};
    std::atomic<int> beat_ripples_{0};
    std::atomic<bool> reload_requested_{false};

    device::EventReader cable_events_;
    device::EventReader receiver_events_;
    device::FrameFilter shown_frames_;
    device::FrameSender frames_;
};

}  // namespace ilmo::keyboard
