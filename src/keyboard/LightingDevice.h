#pragma once
// What the keyboard, mouse and mouse-pad controllers share: the profile they keep in memory
// (lighting sections, and each kind's own sections), the lists of their configuration
// files, and the lighting thread that animates the page's preview with the device's effect.
//
// Threading: the page calls from the UI thread, device work runs on a worker, the lighting
// thread and the event readers on their own threads. The profile and everything read from
// the device sit behind state_mutex(); the colour records and the effect's running state
// behind the base's lights lock. Device I/O never runs under state_mutex(). The lighting
// thread is started by device work and stopped, paused and woken from the UI thread and the
// event readers, so every call on it goes through one lock of its own.

#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>

#include "device/CTavrinUSBDevice.h"
#include "lighting/LightingThread.h"
#include "lighting/Preview.h"
#include "profiles/CBasicProfiledata.h"
#include "profiles/ConfigLists.h"
#include "profiles/ProfiledController.h"

namespace ilmo::keyboard {

class LightingDevice : public device::CTavrinUSBDevice, public profiles::ProfiledController {
public:
    // `lighting_exit_trace` is what the lighting thread writes when it ends; `profile` is the
    // device kind's own profile data.
    LightingDevice(device::HidBackend& backend, int page_row, device::DeviceFolders folders,
                   std::string device_folder_name, device::TraceSink trace,
                   device::SleepFn sleep, std::string lighting_exit_trace,
                   std::unique_ptr<profiles::CBasicProfiledata> profile);
    ~LightingDevice() override;

    profiles::ProfileLoad load_profile(const std::filesystem::path& document) override;
    const profiles::CBasicProfiledata& profile_data() const override { return *profile_; }
    void redraw_page() override {
        if (view() != nullptr) view()->redraw();
    }
    // The built-in lighting modes of the page's table (names, visible flags, device codes).
    std::vector<profiles::BuiltinMode> modes() const;
    // The device code ("value") of each built-in mode, in list order.
    std::vector<int> mode_codes() const;
    std::vector<std::string> macro_names() const;
    // Re-reads the configuration lists (after a macro was created or renamed).
    void reload_config_lists();

    // The lighting record in memory; setting it stores it in the profile and saves it,
    // and the preview takes it at once. Nothing is sent: the caller writes the device.
    device::LightRecord lighting() const { return lighting_state(); }
    bool change_lighting(const device::LightRecord& record);
    // The lighting record as the profile holds it.
    device::LightRecord stored_lighting() const;
    // Takes `record` for a while without keeping it: the profile keeps what the user chose.
    void show_passing_lighting(const device::LightRecord& record) { apply_lighting(record); }
    // The music lighting ("AudioLightInfo"); setting it stores it in the profile and saves it
    // (false when the save failed). Nothing is sent: the music mode's frames are the host's.
    profiles::AudioLightRecord audio_light() const;
    virtual bool change_audio_light(const profiles::AudioLightRecord& record);
    // Device work: the lighting in memory goes to the device the way this kind takes it
    // after a change (keyboard settings record, mouse settings block, pad record, headset
    // frame).
    virtual device::Result write_lighting_to_device() = 0;

    void set_preview_paused(bool paused) override;
    bool preview_paused() const { return lighting_thread_.paused(); }

protected:
    std::mutex& state_mutex() const { return state_mutex_; }
    // state_mutex() held.
    profiles::CBasicProfiledata& profile() { return *profile_; }
    const profiles::CBasicProfiledata& profile() const { return *profile_; }
    // The device kind's own sections, after the lighting sections were read; state_mutex()
    // held.
    virtual void load_profile_sections() {}

    // The steps of the user's effect the profile's mode picks when it lies past the
    // `builtin_modes` built-in ones; empty otherwise. Reads the user's light configuration
    // of the profile folder. state_mutex() held.
    std::vector<profiles::EffectStep> user_effect_steps(size_t builtin_modes);

    // The preview the lighting thread runs; created by the device kind.
    void set_preview(std::unique_ptr<lighting::Preview> preview);
    // Takes `record` as the lighting state; a new mode (or the per-key mode, whose colours may
    // have changed) resets the effect for it.
    void apply_lighting(const device::LightRecord& record);
    // Runs `fn(preview, lighting, lights)` under the lights lock, then lets the thread
    // run a tick at once: what `fn` changed shows without waiting for the next step.
    template <class Fn>
    void with_preview(Fn&& fn) {
        with_lights([&](device::LightRecord& lighting, std::span<device::ColorRecord> lights) {
            if (preview_) fn(*preview_, lighting, lights);
        });
        wake_lighting_thread();
    }
    // (Re)starts the lighting thread; stops a running one first. Device work that ends after
    // its device went starts nothing: the thread would outlive the attachment it serves.
    void restart_lighting_thread();
    void stopping_threads() override;
    void sync_flag_changed() override;
    // A host-driven mode makes the frames out of the preview: it keeps running while the
    // window is hidden.
    virtual bool host_driven(int /*mode*/) const { return false; }

private:
    // One tick of the preview; returns when the next is due.
    int64_t run_tick(int64_t now_ms);
    // The preview rests while synchronised lighting colours the lights, and while the window
    // is hidden unless the frames are made from it.
    void update_pause();
    void wake_lighting_thread();

    mutable std::mutex state_mutex_;
    std::unique_ptr<profiles::CBasicProfiledata> profile_;
    std::unique_ptr<profiles::ConfigLists> lists_;
    std::unique_ptr<lighting::Preview> preview_;
    std::mutex lighting_thread_mutex_;  // every call on lighting_thread_
    lighting::LightingThread lighting_thread_;
    std::atomic<bool> window_hidden_{false};
};

}  // namespace ilmo::keyboard
