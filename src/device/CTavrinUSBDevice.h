#pragma once
// The base of every device controller: identity, the command and event channels, the colour
// records of all lights, the lighting state, the device information record and the folders
// of the device's profiles. Device kinds derive from it and give the operations meaning.

#include <atomic>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "device/CommandChannel.h"
#include "device/DeviceFolders.h"
#include "device/DeviceInformation.h"
#include "device/DeviceTables.h"
#include "device/DeviceView.h"
#include "device/LightingTypes.h"

namespace ilmo::device {

class CTavrinUSBDevice {
public:
    static constexpr int kLinkWaitAttempts = 26;
    static constexpr int kLinkWaitPauseMs = 50;

    // `page_row` is the row of the device option and page tables this controller serves.
    CTavrinUSBDevice(HidBackend& backend, int page_row, DeviceFolders folders,
                     std::string device_folder_name, TraceSink trace, SleepFn sleep = {});
    virtual ~CTavrinUSBDevice();
    CTavrinUSBDevice(const CTavrinUSBDevice&) = delete;
    CTavrinUSBDevice& operator=(const CTavrinUSBDevice&) = delete;

    void set_view(DeviceView* view) { view_ = view; }

    // Identity: the slot of the command interface the controller was created for or is
    // attached through. Behind its receiver a product reports the receiver's kind and slot;
    // its page is still found through the cable twin (identity_row). Read from any thread.
    void set_identity(int slot);
    int slot() const { return slot_; }
    DeviceKind kind() const { return interface_record().kind; }
    const SupportedInterface& interface_record() const;
    int page_row() const { return page_row_; }
    const DeviceOption& option() const { return kDeviceOptions[page_row_]; }
    const DevicePage& page() const { return kDevicePages[page_row_]; }

    // Opens `path` on the cable or receiver record of the command channel, marks the channel
    // open and puts it in the connection mode of `kind`; 1 or 0.
    Result attach_command_interface(const std::string& path, DeviceKind kind);
    // Opens the consumer-page interface as the event channel; 1 or 0. Device kinds start
    // their event readers then (event_interface_opened).
    Result attach_event_interface(const std::string& path, DeviceKind kind);
    void detach_event_interface();
    // Closes both channels and stops the device kind's threads; the controller and its page
    // stay.
    void detach();
    bool receiver_mode() const { return receiver_mode_; }

    CommandChannel& command_channel() { return command_; }
    CommandChannel& event_channel() { return events_; }

    int light_count() const { return static_cast<int>(colors_.size()); }
    int key_count() const { return page().key_count; }
    // Out-of-range lights are ignored on set and read as all zero.
    void set_color(int light, ColorRecord color);
    ColorRecord color(int light) const;

    // Synchronised lighting: whether the device takes part (its selector item's sync choice).
    // While it does, the common colour of every step goes into all its lights and its own
    // effect leaves them alone. Set on the UI thread, read from any.
    void set_sync_flag(bool on);
    bool sync_flag() const { return sync_flag_; }
    // Every light takes `color` when the sync flag is set; otherwise nothing happens.
    void apply_sync_color(ColorRecord color);

    void set_lighting_state(const LightRecord& state);
    LightRecord lighting_state() const;
    void set_audio_lighting(const AudioLighting& audio) { audio_ = audio; }
    const AudioLighting& audio_lighting() const { return audio_; }

    const DeviceInformation& information() const { return information_; }
    // Reads the 34-byte information record; the channel's result.
    Result read_information();

    // Loads the device's state after attaching; device kinds override. 1 on success.
    virtual Result load_after_attach() { return Result::kOk; }
    // Reads the device's settings again after it asked for it (page timer 1002). Device work.
    virtual Result refresh_on_request() { return Result::kOk; }
    // Called by the page's frame timer on the UI thread: hands the host frame of a
    // host-driven lighting mode to the device. Returns whether a frame went out; when none
    // did (no host-driven mode, or the device shows the picture already), the frame timer
    // rests until the page resumes it.
    virtual bool build_and_send_frame() { return false; }
    // The device's frames are made from the preview and go out when its lights change, not
    // at the frame timer's pace: the page builds a frame at each change of the lights.
    virtual bool frames_follow_lights() const { return false; }
    // Band values of the music lighting, on the UI thread at most every third levels notice
    // (at most 500 values are looked at). Only the keyboard shows them; the others take no
    // notice.
    virtual void audio_input(std::span<const int> /*bands*/) {}
    // While the window is hidden nobody sees the page's preview: device kinds stop animating
    // it unless their frames are made from it.
    virtual void set_preview_paused(bool /*paused*/) {}
    // Power refresh: reads the power status when the channel is open, reads are not paused
    // and the device is linked, then hands it to the page. The channel's result.
    virtual Result power_refresh();
    // Linked by cable; through the receiver only when the device answers the link query.
    virtual bool link_check() { return command_.link_query(); }
    // After a switch to the receiver: asks for the link up to 26 times, 50 ms apart, then
    // refreshes the power state. Ends early when the channel is closed meanwhile (the device
    // went), so whoever waits for it is not held up. True when the device answered.
    bool wait_for_receiver_link();

    // Only pages with a power display accept the pause.
    void set_power_reads_paused(bool paused);
    bool power_reads_paused() const { return power_reads_paused_; }
    // The light status switch of the main window; cleared while the system sleeps.
    void set_light_status(bool on) { light_status_ = on; }
    bool light_status() const { return light_status_; }

    void set_function_switch_page(int page_type);
    int function_switch_page() const { return function_switch_page_; }
    void set_page_parameter(int value) { page_parameter_ = value; }
    int page_parameter() const { return page_parameter_; }

    const DeviceFolders& folders() const { return folders_; }
    const std::string& device_folder_name() const { return device_folder_name_; }
    const std::string& profile_name() const { return profile_name_; }
    void set_profile_name(std::string name) { profile_name_ = std::move(name); }

protected:
    // Hooks for the device kinds' threads: readers start once the event interface is open,
    // and every thread stops before the channels close. A device kind whose destructor runs
    // stops its threads itself: the base's destructor cannot reach it any more.
    virtual void event_interface_opened(bool /*receiver*/) {}
    virtual void stopping_threads() {}
    // Event readers stop before the event channel closes under them.
    virtual void stopping_event_readers() {}
    // The sync flag changed: device kinds with an effect of their own let it rest or resume.
    virtual void sync_flag_changed() {}

    DeviceView* view() const { return view_; }
    // The colour records and the lighting state under the one lock that guards them, for
    // effects that step many lights at once.
    template <class Fn>
    decltype(auto) with_lights(Fn&& fn) {
        std::lock_guard lock(lights_mutex_);
        return fn(lighting_, std::span<ColorRecord>(colors_));
    }
    void trace(std::string_view line) const {
        if (trace_) trace_(line);
    }
    void sleep_ms(int duration_ms) const { sleep_(duration_ms); }

private:
    const int page_row_;
    DeviceFolders folders_;
    std::string device_folder_name_;
    TraceSink trace_;
    SleepFn sleep_;
    DeviceView* view_ = nullptr;

    std::atomic<int> slot_{-1};
    CommandChannel command_;
    CommandChannel events_;
    std::atomic<bool> receiver_mode_{false};

    mutable std::mutex lights_mutex_;  // lighting producers write, the frame builder reads
    std::vector<ColorRecord> colors_;
    LightRecord lighting_ = kDefaultLighting;
    AudioLighting audio_;

    DeviceInformation information_;
    std::atomic<bool> power_reads_paused_{false};
    std::atomic<bool> light_status_{true};
    std::atomic<bool> sync_flag_{false};
    int function_switch_page_ = 0;
    int page_parameter_ = 0;
    std::string profile_name_;
};

}  // namespace ilmo::device
