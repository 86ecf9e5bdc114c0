#pragma once
// The mouse's controller, by cable (kind 2) or through its receiver (kind 6): what it reads
// when its page starts, its settings block with the DPI stages and polling rate, its button
// table, its macro and shoot memory, its events and the preview of its lighting. Through the
// receiver every write asks the mouse first whether it is in reach, before each of begin,
// payload and end; while it is not, nothing is written and the page says so.

#include <array>
#include <atomic>
#include <vector>

#include "device/EventReader.h"
#include "keyboard/LightingDevice.h"
#include "mouse/ButtonTable.h"
#include "mouse/DpiScale.h"
#include "mouse/MouseView.h"
#include "mouse/SettingsBlock.h"

namespace ilmo::profiles {
class CMouseProfiledata;
}

namespace ilmo::mouse {

// What became of a macro or shoot download.
struct MemoryDownload {
    device::Result result = device::Result::kOk;
    // > 0: the container did not fit the mouse's room by about this many events; nothing was
    // sent and `result` is kWriteFailed.
    int excess_events = 0;
};

// What the mouse runs, as the host takes it from its settings block.
struct DeviceSettings {
    int profile = 0;
    device::LightRecord light;
    int dpi_stage = -1;     // -1: the block named no stage
    int polling_rate = -1;  // -1: the block named no rate
};

class CTavrinMouseDevice : public keyboard::LightingDevice {
public:
    // The mouse-picture's one on-board profile the host writes.
    static constexpr int kProfile = 0;

    CTavrinMouseDevice(device::HidBackend& backend, int page_row, device::DeviceFolders folders,
                       std::string device_folder_name, device::TraceSink trace,
                       device::SleepFn sleep = {});
    ~CTavrinMouseDevice() override;

    void set_mouse_view(MouseView* view) { mouse_view_ = view; }
    // Taken once at start-up and sent in every settings block.
    void set_screen_size(ScreenSize screen) { screen_ = screen; }

    // Device work.
    // Reads the information record and the button table, then the settings block; starts the
    // preview.
    device::Result load_after_attach() override;
    // Reads the settings block again (the mouse asked for it, or changed its profile).
    device::Result refresh_on_request() override;
    // Settings block, button table and the macros the buttons use.
    device::Result write_profile_to_device() override;
    // Profile 0's block from the profile, at address 0.
    device::Result write_settings_block();
    device::Result write_lighting_to_device() override { return write_settings_block(); }
    // The button table; refused (no answer) until the table was read at start.
    device::Result write_buttons();
    MemoryDownload write_macros(const std::vector<int>& used_macros);
    // Button table and the macros it uses.
    MemoryDownload write_button_functions();
    // The four weapon files of the profile folder into the shoot memory.
    MemoryDownload write_shoot_data();
    // The mouse's active profile and its settings block, read afresh; nothing is stored.
    device::Result read_device_settings(DeviceSettings& settings);
    // The button table as the mouse holds it (button count × 3 bytes).
    device::Result read_button_table(std::vector<uint8_t>& table);

    // UI thread.
    // The lighting sections, DPI stages, buttons and system settings; the user's effect
    // when the mode lies past the built-in ones.
    profiles::ProfileLoad load_profile(const std::filesystem::path& document) override;
    // Each stores the change in the profile and saves it (false when the save
    // failed); the caller then writes the settings block as device work.
    bool select_stage(int stage);
    bool change_stage_enabled(int stage, bool enabled);
    bool change_stage_step(int stage, int step);
    bool change_stage_dpi(int stage, int dpi);
    bool change_stage_colour(int stage, uint32_t rgb);
    bool change_polling_rate(int polling_rate);
    // Kept in the profile only: no block is written, nothing reaches the desktop.
    bool change_pointer_settings(const PointerSettings& settings);
    // Sets logical button `button`'s function and saves the profile; false when the profile
    // has no record of that button or the save failed. Nothing is sent.
    bool change_button_assignment(int button, keyboard::AssignmentCode code);

    std::vector<profiles::DpiStage> dpi_stages() const;
    int current_stage() const;
    int polling_rate() const;
    PointerSettings pointer_settings() const;
    std::vector<profiles::KeyEntry> button_records() const;
    DpiScale dpi_scale() const;
    SlotMap slot_map() const;
    MousePageState page_state() const;

    // Through the receiver, whether the mouse answers; a change of answer redraws the page's
    // notice.
    bool link_check() override;
    // First writes the profile when a write found the mouse out of reach and it is back.
    device::Result power_refresh() override;

    // What the mouse last said.
    bool loaded() const { return loaded_; }
    int onboard_profile() const { return onboard_profile_; }
    // Through the receiver: whether the last write found the mouse out of reach.
    bool writes_blocked() const { return writes_blocked_; }

    void redraw_page() override;
    // One event code from the cable (or the receiver) reader.
    void handle_event(uint16_t code, bool cable_reader);

protected:
    void load_profile_sections() override;
    void event_interface_opened(bool receiver) override;
    void stopping_threads() override;
    void stopping_event_readers() override;

private:
    profiles::CMouseProfiledata& mouse_profile();
    const profiles::CMouseProfiledata& mouse_profile() const;
    device::Result read_information_and_buttons();
    device::Result read_settings();
    // Through the receiver: the mouse answers. By cable always. Reads ask this.
    bool in_reach();
    // As in_reach(), and a write that finds the mouse away is kept for its return.
    bool write_allowed();
    // Checks and builds the button table to write (information read afresh).
    device::Result prepare_buttons(ButtonTableImage& image, int& buttons);
    device::Result send_button_table(const ButtonTableImage& image, int buttons);
    // The macro image of `used_macros`, refused (nothing to send) when the macro list cannot
    // be read or the image does not fit; the information record must be fresh.
    MemoryDownload build_macros(const std::vector<int>& used_macros, std::vector<uint8_t>& image);
    // begin, `payload`, end, each gated by write_allowed(); an end follows every begin.
    template <class Payload>
    device::Result gated_transfer(Payload&& payload);
    bool store_stages(std::vector<profiles::DpiStage> stages);
    void load_user_sequence();

    MouseView* mouse_view_ = nullptr;
    ScreenSize screen_{};

    // Guarded by state_mutex().
    std::vector<uint8_t> button_table_;  // as read at start, kButtonImageBytes
    SlotMap slots_{};
    int button_count_ = 0;
    DpiScale scale_{};

    std::atomic<bool> loaded_{false};
    std::atomic<int> onboard_profile_{0};
    std::atomic<bool> writes_blocked_{false};
    // A write was held back while the mouse was out of reach.
    std::atomic<bool> rewrite_pending_{false};

    device::EventReader cable_events_;
    device::EventReader receiver_events_;
};

}  // namespace ilmo::mouse
